// SPDX-License-Identifier: GPL-3.0-or-later
// Geometry of the lab 5 schematic: the drawing unit, the four line rows and
// the click areas laid over the elements. Twips of the schematic picture
// box, origin at its top-left corner, y downwards; the rows are placed from
// the bottom edge.
#pragma once

#include "labs/common/threephase_layout.h"

#include <QPointF>
#include <QRectF>
#include <array>

namespace ohmaris {

struct Lab5Grid {
    double W = 0, H = 0; // box size
    double u = 0;        // drawing unit: the box width / 90, taken at load

    // Line rows: 0..2 the phases L1..L3, 3 the neutral N.
    double Row(int k) const { return H - 40 * u + 8 * u * k; }
    // The voltmeter's wire below the neutral.
    double VoltmeterRow() const { return H - 8 * u; }
    // The line switches S1..S4 pivot here, on rows 0..3.
    QPointF SwitchPivot(int k) const { return {44 * u, Row(k)}; }
};

Lab5Grid Lab5GridFor(double width, double height, double drawUnit);

// Click areas Image1(0..16): 0 the breaker SF; 1..4 switches S1..S4; 5 the
// K-50 block; 6..8 R, 9..11 X_L, 12..14 X_C of phases 1..3; 15 voltmeter
// V1; 16 ammeter A1.
constexpr int kLab5ClickAreas = 17;
std::array<QRectF, kLab5ClickAreas> Lab5ClickAreas(const Lab5Grid &g);

// Context-help key of each click area.
const char *Lab5ClickAreaKey(int index);
// Label of the element under each click area, as the schematic prints it.
const char *Lab5ClickAreaLabel(int index);

} // namespace ohmaris
