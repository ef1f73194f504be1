// SPDX-License-Identifier: GPL-3.0-or-later
// Geometry of the lab 8 schematic: in twips of the schematic picture, origin
// at its top-left corner, y downwards, every place a multiple of the drawing
// unit v (the picture's width over 110, taken at load). The switch anchors,
// the blades, the sources' places and the click areas, as pure functions the
// bench draws from and the tests check.
#pragma once

#include <QPointF>
#include <QRectF>
#include <array>

namespace ohmaris {

// The unit: the picture's width over 110, held as a 32-bit float.
float Lab8DrawUnit(double pictureWidth);

// Where switch slot 0..6 is anchored, in twips, each coordinate held as a
// 32-bit float (slot 1 has none and slot 0 is not drawn): S1 (slot 2) and
// S4 (slot 5) on the shunt branches, S2 and S3 on the bypass wire above the
// coil and the resistor, S5 on the top wire.
constexpr int kLab8Slots = 7;
using Lab8Anchors = std::array<QPointF, kLab8Slots>;
Lab8Anchors Lab8SwitchAnchors(float drawUnit);

// A switch blade: 5v long from its pivot. S2, S3 and S5 lie along their wire
// to the right when closed; S1 and S4 point straight up.
struct Lab8Blade {
    QPointF pivot;
    double length = 0.0;
    double wireAngle = 0.0;
};
// For slot 2..6, from the anchors in twips.
Lab8Blade Lab8SwitchBlade(const Lab8Anchors &anchors, double v, int slot);

// Centre height, in units, of the circle of source k (0..3).
constexpr double Lab8SourceY(int k) { return 19.5 + 7.5 * k; }
// The source buttons stand 5v from the left edge.
constexpr double kLab8SourceButtonLeft = 5.0;

// Click areas Image1(0..17): S1..S5, R1, R, R2, the milliammeter, V1, the
// oscilloscope input V2, C1, C2, L, E1..E4.
constexpr int kLab8ClickAreas = 18;
std::array<QRectF, kLab8ClickAreas> Lab8ClickAreas(const Lab8Anchors &anchors, double v);
// Context-help key of each click area.
const char *Lab8ClickAreaKey(int index);
// Label of the element under each click area, as the schematic prints it.
const char *Lab8ClickAreaLabel(int index);

} // namespace ohmaris
