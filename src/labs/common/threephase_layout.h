// SPDX-License-Identifier: GPL-3.0-or-later
// Geometry both three-phase schematics share (labs 5 and 6), in twips of
// the schematic picture (y downwards) on the drawing unit u: the breaker on
// the three line rows, the K-50 block, the line and branch switches and one
// R-X_L-X_C load branch along its row.
#pragma once

#include "calc/blade.h"

#include <QPointF>
#include <QRectF>
#include <array>

namespace ohmaris {

namespace threephase {
inline constexpr double kBreakerPivot = 16.0; // units; the blades point left
inline constexpr double kBladeLength = 6.0;
inline constexpr double kMeterRadius = 2.8;   // the K-50's and the ammeters' circles
} // namespace threephase

// The breaker "SF": its click area above the first line row.
QRectF ThreePhaseBreakerHotspot(double u, double firstRow);
// The K-50 block, 10u wide, from 2u above the first row down 28u; its click
// area covers the upper 24u of it.
QRectF K50Block(double left, double firstRow, double u);
QRectF K50BlockHotspot(double left, double firstRow, double u);
// Centres of the block's voltmeter, ammeter and wattmeter circles.
std::array<QPointF, 3> K50BlockMeters(const QRectF &block, double u);

// A switch whose blade points left along its row from `pivot`: its click
// area and its blade's end.
QRectF LineSwitchHotspot(QPointF pivot, double u);
QPointF LineBladeEnd(QPointF pivot, double u, int state);

// One load branch along row y from x0 (units): the resistor box x0..x0+8,
// the coil's three turns x0+12..x0+24, the capacitor plates at x0+28 and
// x0+29.6. Click areas of R, X_L and X_C.
struct BranchHotspots {
    QRectF R, XL, XC;
};
BranchHotspots LoadBranchHotspots(double x0, double y, double u);

} // namespace ohmaris
