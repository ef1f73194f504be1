// SPDX-License-Identifier: GPL-3.0-or-later
// Geometry of the lab 1 schematic, in twips of the schematic picture with y
// growing downwards. Every place is a multiple of the drawing unit u, taken
// from the picture's width, so the drawing follows the window's scaling.
// Pure functions: the bench draws from them and tests check them directly.
#pragma once

#include <QLineF>
#include <QPointF>
#include <QRectF>
#include <array>

namespace ohmaris {

struct Lab1Sheet {
    double u = 0.0; // DrawUnit
    double W = 0.0; // picture width
    double H = 0.0; // picture height

    double Y(double unitsAboveBottom) const { return H - unitsAboveBottom * u; }
    QPointF P(double xUnits, double unitsAboveBottom) const { return {xUnits * u, Y(unitsAboveBottom)}; }
};

// The unit is the picture's width over 110, held as a 32-bit float.
float Lab1DrawUnit(double pictureWidth);

// x of the vertical path of switch k (1..5): S1, S2, S3, S4, S5.
double Lab1PathX(const Lab1Sheet &s, int k);

// Blade of switch k (1..5) in state 0 (open) or 1 (closed): from its pivot
// 6u long, vertical when closed, leaning 30 degrees left when open.
QLineF Lab1SwitchBlade(const Lab1Sheet &s, int k, int state);

// Node points.
QPointF Lab1NodeA(const Lab1Sheet &s);
QPointF Lab1NodeB(const Lab1Sheet &s);
QPointF Lab1NodeC(const Lab1Sheet &s);
QPointF Lab1NodeD(const Lab1Sheet &s);

// Where the voltmeter stands for selector position 1..5 (ab, ad, bd, cb, cd).
// Each lead is a 4u stub out of the circle and a straight line to a node;
// lead 0 belongs to the first node of the pair, which carries the "+".
struct Lab1VoltmeterPlace {
    QPointF centre;
    std::array<QLineF, 2> stub;
    std::array<QLineF, 2> lead;
};
Lab1VoltmeterPlace Lab1VoltmeterAt(const Lab1Sheet &s, int position);

constexpr int kLab1AreaCount = 18;
// Click areas Image1(0..17) over their elements and labels; the voltmeter's
// area (12) follows the selector position.
std::array<QRectF, kLab1AreaCount> Lab1ClickAreas(const Lab1Sheet &s, int selectorPosition);

} // namespace ohmaris
