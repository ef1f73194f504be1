// SPDX-License-Identifier: GPL-3.0-or-later
// Geometry of the single-phase AC benches (labs 2 to 4), in the schematic
// picture's own twips (y downwards) on a grid of u = picture width / 100.
// The supply side (terminals, breaker "SF", regulator "AT", K-50 block) is
// the same on every one of them and is placed relative to the two rails;
// so are the knob panels around a variant selector and the regulator.
#pragma once

#include <QPointF>
#include <QRectF>
#include <QSizeF>

namespace ohmaris {

// Rails and wire of an AC schematic, in twips.
struct AcGrid {
    double u = 0;  // the grid unit, `DrawUnit`
    double h = 0;  // picture height
    double x0 = 0; // left wire, 6u
    double y0 = 0; // bottom rail
    double y1 = 0; // top rail
    double X(double units) const { return units * u; }
    double Mid() const { return (y0 + y1) / 2; }
};

// The bottom rail `bottom` units above the picture's bottom edge, the top
// rail `gap` units above it. Labs 2 and 3: 8 and 20; lab 4: 4 and 28.
AcGrid AcGridFor(double drawUnit, double height, double bottom, double gap);

// Supply-side places along the rails, in grid units.
namespace acsupply {
inline constexpr double kBreakerPivot = 10.5;
inline constexpr double kBreakerLength = 5.0;
inline constexpr double kWinding = 20.0; // the regulator's winding
inline constexpr double kTap = 25.0;     // its sliding tap, the output
inline constexpr double kK50Left = 28.0, kK50Right = 38.0;
inline constexpr double kMeterRadius = 1.4; // the K-50's three circles
inline constexpr double kAmmeterX = 30.5, kVoltmeterX = 33.0, kWattmeterX = 35.5;
} // namespace acsupply

QRectF BreakerHotspot(const AcGrid &g);
QRectF RegulatorHotspot(const AcGrid &g);
QRectF K50Hotspot(const AcGrid &g);
// Pivot and free end of the breaker blade (it lies in the top rail).
QPointF BreakerPivot(const AcGrid &g);
QPointF BreakerBladeEnd(const AcGrid &g, int state);

// Top-left corner of digit `position` (1..7) of a variant knob whose box is
// `knob`: counter-clockwise from the upper right in 45 degree steps, each
// standing clear of the knob by its own width or half its height.
QPointF VariantDigitTopLeft(int position, const QRectF &knob, const QSizeF &text);

} // namespace ohmaris
