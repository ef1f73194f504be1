// SPDX-License-Identifier: GPL-3.0-or-later
// Geometry of the lab 3 schematic: the click areas over the elements of the
// two parallel branches and the capacitor switch's blade, on the grid of the
// single-phase benches (bottom rail H - 8u, top rail H - 28u). The coil
// branch runs along the top rail (A1, then the coil) and comes down to the
// bottom rail at its right end; the capacitor branch leaves the top rail
// through the switch "S", runs at mid height through A2 and C and comes down
// to the bottom rail on its own.
#pragma once

#include "labs/common/singlephase_layout.h"

#include <array>

namespace ohmaris {

AcGrid Lab3Grid(double drawUnit, double height);

// Image1(0..7): breaker, capacitor switch, regulator, K-50, coil, capacitor,
// ammeters A1 and A2.
constexpr int kLab3HotspotCount = 8;
std::array<QRectF, kLab3HotspotCount> Lab3Hotspots(const AcGrid &g);

// Places along the rails, in grid units.
namespace lab3 {
inline constexpr double kBranchX = 46.0;   // where the capacitor branch leaves the top rail
inline constexpr double kAmmeterX = 52.8;  // A1 in the top rail, A2 below it at mid height
inline constexpr double kAmmeterRadius = 2.0;
inline constexpr double kCoilStart = 59.0; // three turns and the resistor, 18 units
inline constexpr double kCoilReturnX = 84.0;
inline constexpr double kCapacitorX = 64.8, kPlateGap = 1.6, kPlateHalf = 3.0;
inline constexpr double kCapacitorReturnX = 72.0;
// The switch stands in the branch's vertical wire: its fixed contact 2
// units below the top rail, its pivot 6 units (0.75 b) below that.
inline constexpr double kSwitchContactDrop = 2.0, kSwitchLength = 6.0;
} // namespace lab3

// The capacitor switch "S": its pivot and its blade's end.
QPointF CapacitorSwitchPivot(const AcGrid &g);
QPointF CapacitorSwitchBladeEnd(const AcGrid &g, int state);

} // namespace ohmaris
