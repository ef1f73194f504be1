// SPDX-License-Identifier: GPL-3.0-or-later
// The coil of the variant benches (labs 2 and 3) as their schematics show it
// in the top rail: three turns and the winding's resistor inside a dashed
// box, labelled "L" and "R" with only the variant number as subscript, so
// the student sees which coil it is but never its values.
#pragma once

#include "labs/common/singlephase_layout.h"

#include <QFont>
#include <QRectF>

namespace ohmaris {

class Schematic;

namespace variantcoil {
// From the coil's left end, in grid units: three turns of radius 1, a wire,
// then the resistor; the coil ends with the resistor.
inline constexpr double kTurnsLength = 6.0;
inline constexpr double kResistorLeft = 10.0, kResistorRight = 18.0;
inline constexpr double kLength = kResistorRight;
} // namespace variantcoil

// Draws the coil's turns and resistor in the top rail from `start` (grid
// units) to start + variantcoil::kLength.
void DrawVariantCoil(Schematic &s, const AcGrid &g, double start);
// The dashed box around the coil from `start` and its labels, drawn once
// the wires around it are.
void DrawVariantCoilBox(Schematic &s, const AcGrid &g, double start, int variant);

// Where the coil's two labels stand (their union), inside the dashed box.
QRectF VariantCoilLabelArea(const AcGrid &g, const QFont &font, double points, double start);

} // namespace ohmaris
