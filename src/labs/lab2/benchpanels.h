// The knob panels of the single-phase AC benches (labs 2 to 4): the variant
// panel (a caption above a seven-position knob, the digits 1 to 7 around it)
// and the regulator panel (a caption above the thirteen-position knob, "max"
// and "min" beside it). Placement is a pure function of the sizes.
#pragma once

#include <QPointF>
#include <QRectF>
#include <QSizeF>

class QLabel;
class QPainter;
class QWidget;

namespace ohmaris {

// Places the caption at the top left with the panel's full width and the
// knob centred below it, its top at `gap` x the caption's height.
void LayoutKnobPanel(QWidget *panel, QLabel *caption, QWidget *knob, double gap);
constexpr double kVariantPanelGap = 1.35;
constexpr double kRegulatorPanelGap = 1.02;

// Top-left corner of digit `position` (1..7) of a variant knob whose box is
// `knob`: counter-clockwise from the upper right in 45 degree steps, each
// standing clear of the knob by its own width or half its height.
QPointF VariantDigitTopLeft(int position, const QRectF &knob, const QSizeF &text);

// Draws the digits around `knob` in the painter's font.
void DrawVariantDigits(QPainter &p, const QRectF &knob);
// "max" beside the top of the knob (position 1, the highest voltage), "min"
// with its bottom line at the knob's bottom.
void DrawRegulatorMarks(QPainter &p, const QRectF &knob);

} // namespace ohmaris
