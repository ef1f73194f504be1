// Shared schematic drawing: twips painter, switch blades, subscript labels.
#include "shell/schematic.h"

#include "calc/phasor.h"

#include <QFontMetricsF>
#include <QPainter>
#include <cmath>

namespace ohmaris {

void BeginTwips(QPainter &p)
{
    p.scale(1.0 / 15.0, 1.0 / 15.0);
}

QFont TwipsFont(const QFont &base, double points)
{
    QFont f(base);
    // Points to pixels at the design 96 dpi, then pixels to twips.
    f.setPixelSize(std::max(1, int(std::lround(points * 96.0 / 72.0 * 15.0))));
    return f;
}

QPointF SwitchBladeEnd(QPointF pivot, double length, int state)
{
    const double a = (1 - state) * kPi / 6 + kHalfPi;
    return {pivot.x() + length * std::cos(a), pivot.y() - length * std::sin(a)};
}

void DrawSwitchBlade(QPainter &p, QPointF pivot, double length, int state, double lineWidth, const QColor &colour)
{
    p.save();
    p.setPen(QPen(colour, lineWidth, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(pivot, SwitchBladeEnd(pivot, length, state));
    p.restore();
}

QSizeF SubscriptLabelSize(const QFont &base, double points, const QString &letter, const QString &index)
{
    const QFontMetricsF big(TwipsFont(base, points));
    const QFontMetricsF small(TwipsFont(base, points - 2));
    const double w = big.horizontalAdvance(letter) + small.horizontalAdvance(index);
    const double h = std::max(big.height(), small.height() * 1.25);
    return {w, h};
}

QSizeF DrawSubscriptLabel(QPainter &p, QPointF topLeft, const QFont &base, double points, const QString &letter,
                          const QString &index)
{
    p.save();
    const QFont bigFont = TwipsFont(base, points);
    const QFont smallFont = TwipsFont(base, points - 2);
    const QFontMetricsF big(bigFont);
    const QFontMetricsF small(smallFont);
    p.setFont(bigFont);
    p.drawText(QPointF(topLeft.x(), topLeft.y() + big.ascent()), letter);
    const double x = topLeft.x() + big.horizontalAdvance(letter);
    p.setFont(smallFont);
    p.drawText(QPointF(x, topLeft.y() + small.height() / 4 + small.ascent()), index);
    p.restore();
    return SubscriptLabelSize(base, points, letter, index);
}

} // namespace ohmaris
