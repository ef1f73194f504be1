// SPDX-License-Identifier: GPL-3.0-or-later
// Geometry of the lab 6 schematic: the drawing unit, the three line rows
// (each delta branch runs along the row of the line it leaves from) and the
// click areas laid over the elements. Twips of the schematic picture box,
// origin at its top-left corner, y downwards; rows are placed from the
// bottom edge.
#pragma once

#include "labs/common/threephase_layout.h"

#include <QPointF>
#include <QRectF>
#include <array>

namespace ohmaris {

struct Lab6Grid {
    double W = 0, H = 0; // box size
    double u = 0;        // drawing unit: the box width / 110, taken at load

    // Row k (0..2): the line L1..L3, and the branch AB, BC or CA leaving it.
    double Row(int k) const { return H - 32 * u + 12 * u * k; }
    // The line switches S1..S3 and the branch switches S4..S6 pivot here.
    QPointF LineSwitchPivot(int k) const { return {40 * u, Row(k)}; }
    QPointF BranchSwitchPivot(int k) const { return {54 * u, Row(k)}; }
    // Centre of the branch ammeter A(k+1).
    QPointF AmmeterCentre(int k) const { return {60.8 * u, Row(k)}; }
};

Lab6Grid Lab6GridFor(double width, double height, double drawUnit);

// Units along a row where the branches' parts begin and their wires end.
namespace lab6 {
inline constexpr double kBranchStart = 68.0; // the resistor's left edge
inline constexpr double kBranchEnd = 101.6;  // the wire after the capacitor
inline constexpr double kJunction = 46.0;    // where a closure meets its line
} // namespace lab6

// Click areas Image1(0..19): 0 the breaker SF; 1..3 line switches S1..S3;
// 4..6 branch switches S4..S6; 7 the K-50 block; 8..10 ammeters A1..A3;
// 11..13 R, 14..16 X_L, 17..19 X_C of the branches AB, BC, CA.
constexpr int kLab6ClickAreas = 20;
std::array<QRectF, kLab6ClickAreas> Lab6ClickAreas(const Lab6Grid &g);

// Context-help key of each click area.
const char *Lab6ClickAreaKey(int index);
// Label of the element under each click area, as the schematic prints it.
const char *Lab6ClickAreaLabel(int index);

} // namespace ohmaris
