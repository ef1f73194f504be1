// SPDX-License-Identifier: GPL-3.0-or-later
// Geometry of the lab 7 schematic: the grid derived from the drawing unit
// and the click areas laid over the elements of each circuit. Twips of the
// schematic picture box, origin at its top-left corner, y downwards.
#pragma once

#include <QRectF>
#include <array>

namespace ohmaris {

struct Lab7Grid {
    double W = 0, H = 0; // box size
    double u = 0;        // drawing unit: the box width / 80, taken at load
    double a = 0, b = 0; // 4u and 8u
    double yb = 0;       // bottom rail; the top rail is y = b
    double xl = 0;       // left column (source and S1)
    double xr = 0;       // right column (S2)
    double xm = 0;       // middle column
};

Lab7Grid Lab7GridFor(double width, double height, double drawUnit);

// Click areas Image1(0..10): S1, S2, E, A1, A2, the current input "A", the
// voltage input "V", R1, R2, C, L. An element the circuit lacks gets an
// area beyond the right edge of the box, out of reach.
constexpr int kLab7ClickAreas = 11;
std::array<QRectF, kLab7ClickAreas> Lab7ClickAreas(int circuit, const Lab7Grid &g);

// Context-help key of each click area.
const char *Lab7ClickAreaKey(int index);
// Label of the element under each click area, as the schematic prints it.
const char *Lab7ClickAreaLabel(int index);

} // namespace ohmaris
