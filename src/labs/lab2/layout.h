// SPDX-License-Identifier: GPL-3.0-or-later
// Geometry of the lab 2 schematic: the click areas over the elements of the
// series circuit and the bypass switch's blade, on the grid of the
// single-phase benches (bottom rail H - 8u, top rail H - 28u).
#pragma once

#include "labs/common/singlephase_layout.h"

#include <array>

namespace ohmaris {

AcGrid Lab2Grid(double drawUnit, double height);

// Image1(0..7): breaker, bypass switch, regulator, K-50, coil, capacitor,
// voltmeters V1 and V2.
constexpr int kLab2HotspotCount = 8;
std::array<QRectF, kLab2HotspotCount> Lab2Hotspots(const AcGrid &g);

// Places along the rails, in grid units.
namespace lab2 {
inline constexpr double kCoilStart = 47.0; // the variant coil, 18 units long
inline constexpr double kV1Left = 44.0, kV1Right = 70.5, kV1X = 56.0, kV1Drop = 8.0;
inline constexpr double kV2X = 76.0;
inline constexpr double kVoltmeterRadius = 2.0;
inline constexpr double kCapacitorX = 84.0, kPlateHalf = 3.0;
inline constexpr double kBypassX = 94.0, kBypassHalf = 3.0, kBypassLength = 6.0; // 0.75 b
} // namespace lab2

// The bypass switch "S": its pivot in the outer branch and its blade's end.
QPointF BypassPivot(const AcGrid &g);
QPointF BypassBladeEnd(const AcGrid &g, int state);

} // namespace ohmaris
