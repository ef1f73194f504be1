// Knob panels of the single-phase AC benches.
#include "labs/lab2/benchpanels.h"

#include <QFontMetricsF>
#include <QLabel>
#include <QPainter>
#include <QWidget>
#include <cmath>

namespace ohmaris {

namespace {

void TextAt(QPainter &p, QPointF topLeft, const QString &text)
{
    const QFontMetricsF m(p.font());
    p.drawText(QPointF(topLeft.x(), topLeft.y() + m.ascent()), text);
}

} // namespace

void LayoutKnobPanel(QWidget *panel, QLabel *caption, QWidget *knob, double gap)
{
    caption->setGeometry(0, 0, panel->width(), caption->height());
    knob->move((panel->width() - knob->width()) / 2, int(std::lround(gap * caption->height())));
}

QPointF VariantDigitTopLeft(int position, const QRectF &knob, const QSizeF &text)
{
    const double tw = text.width(), th = text.height();
    const double cx = knob.center().x(), cy = knob.center().y();
    switch (position) {
    case 1: return {knob.right(), knob.top() - th / 2};                 // upper right
    case 2: return {cx - tw / 2, knob.top() - th};                      // above
    case 3: return {knob.left() - tw, knob.top() - th / 2};             // upper left
    case 4: return {knob.left() - tw, cy - th / 2};                     // left
    case 5: return {knob.left() - tw, knob.bottom() - th / 2};          // lower left
    case 6: return {cx - tw / 2, knob.bottom()};                        // below
    default: return {knob.right(), knob.bottom() - th / 2};             // 7, lower right
    }
}

void DrawVariantDigits(QPainter &p, const QRectF &knob)
{
    const QFontMetricsF m(p.font());
    for (int k = 1; k <= 7; ++k) {
        const QString digit = QString::number(k);
        TextAt(p, VariantDigitTopLeft(k, knob, QSizeF(m.horizontalAdvance(digit), m.height())), digit);
    }
}

void DrawRegulatorMarks(QPainter &p, const QRectF &knob)
{
    const QFontMetricsF m(p.font());
    TextAt(p, QPointF(knob.right(), knob.top()), QStringLiteral("max"));
    TextAt(p, QPointF(knob.right(), knob.bottom() - m.height()), QStringLiteral("min"));
}

} // namespace ohmaris
