// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing shared by the single-phase AC benches (labs 2 to 4): the supply
// side of the schematic (terminals "L1" and "N", breaker "SF", regulator
// "AT", the K-50 block) and the knob panels (the variant panel with the
// digits 1 to 7 around its knob, the regulator panel with "max" and "min").
#pragma once

#include "labs/common/singlephase_layout.h"

class QLabel;
class QPainter;
class QWidget;

namespace ohmaris {

class Schematic;

// The supply side on the grid, with the breaker in `breaker` state.
void DrawSupplySide(Schematic &s, const AcGrid &g, int breaker);

// Places the caption at the top left with the panel's full width and the
// knob centred below it, its top at `gap` x the caption's height.
void LayoutKnobPanel(QWidget *panel, QLabel *caption, QWidget *knob, double gap);
inline constexpr double kVariantPanelGap = 1.35;
inline constexpr double kRegulatorPanelGap = 1.02;

// Draws the digits around `knob` in the painter's font.
void DrawVariantDigits(QPainter &p, const QRectF &knob);
// "max" beside the top of the knob (position 1, the highest voltage), "min"
// with its bottom line at the knob's bottom.
void DrawRegulatorMarks(QPainter &p, const QRectF &knob);

} // namespace ohmaris
