// SPDX-License-Identifier: GPL-3.0-or-later
// Shared schematic drawing: twips painter, wires, elements, labels, blades.
#include "shell/schematic.h"

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
    if (!index.isEmpty()) {
        const double x = topLeft.x() + big.horizontalAdvance(letter);
        p.setFont(smallFont);
        p.drawText(QPointF(x, topLeft.y() + small.height() / 4 + small.ascent()), index);
    }
    p.restore();
    return SubscriptLabelSize(base, points, letter, index);
}

Schematic::Schematic(QPainter &p, const QRectF &area, const QColor &background, const QFont &font, double points,
                     WireStyle style)
    : m_p(p), m_font(font), m_points(points), m_pen(Qt::black, kWireWidth, Qt::SolidLine, style.cap, style.join)
{
    m_p.save();
    BeginTwips(m_p);
    m_p.fillRect(area, background);
    m_p.setRenderHint(QPainter::Antialiasing, true);
    m_p.setPen(m_pen);
    m_p.setBrush(Qt::NoBrush);
    m_p.setFont(TwipsFont(m_font, m_points));
}

Schematic::Schematic(QPainter &p, const QFont &font, double points, WireStyle style)
    : m_p(p), m_font(font), m_points(points), m_pen(Qt::black, kWireWidth, Qt::SolidLine, style.cap, style.join)
{
    m_p.save();
    m_p.setRenderHint(QPainter::Antialiasing, true);
    m_p.setPen(m_pen);
    m_p.setBrush(Qt::NoBrush);
    m_p.setFont(TwipsFont(m_font, m_points));
}

Schematic::~Schematic()
{
    m_p.restore();
}

namespace {

// Wires are drawn with square ends (unless a bench rounds them): two wires
// that meet at a corner then fill it, where flat ends would leave out its
// outer quarter, a notch that shows as a lighter pixel at a fractional
// scale factor and a missing one at factor 2. Where a wire ends on an
// element, the half width it gains lies inside the element's own outline.
class SquareEnds {
public:
    explicit SquareEnds(QPainter &p) : m_p(p), m_pen(p.pen())
    {
        if (m_pen.capStyle() == Qt::FlatCap) {
            QPen square = m_pen;
            square.setCapStyle(Qt::SquareCap);
            m_p.setPen(square);
        }
    }
    ~SquareEnds() { m_p.setPen(m_pen); }
    SquareEnds(const SquareEnds &) = delete;
    SquareEnds &operator=(const SquareEnds &) = delete;

private:
    QPainter &m_p;
    QPen m_pen;
};

} // namespace

void Schematic::Wire(QPointF a, QPointF b)
{
    SquareEnds ends(m_p);
    m_p.drawLine(a, b);
}

void Schematic::Wires(std::initializer_list<QPointF> points)
{
    SquareEnds ends(m_p);
    const QPointF *prev = nullptr;
    for (const QPointF &pt : points) {
        if (prev)
            m_p.drawLine(*prev, pt);
        prev = &pt;
    }
}

void Schematic::Dot(QPointF centre, double radius)
{
    m_p.save();
    m_p.setBrush(m_pen.color());
    m_p.drawEllipse(centre, radius, radius);
    m_p.restore();
}

void Schematic::Spot(QPointF centre, double radius)
{
    m_p.save();
    m_p.setPen(Qt::NoPen);
    m_p.setBrush(m_pen.color());
    m_p.drawEllipse(centre, radius, radius);
    m_p.restore();
}

void Schematic::Circle(QPointF centre, double radius)
{
    m_p.drawEllipse(centre, radius, radius);
}

void Schematic::Box(const QRectF &r)
{
    m_p.drawRect(r);
}

void Schematic::DashedBox(const QRectF &r, double width)
{
    m_p.save();
    QPen dashed = m_pen;
    dashed.setWidthF(width);
    dashed.setStyle(Qt::DashLine);
    m_p.setPen(dashed);
    m_p.drawRect(r);
    m_p.restore();
}

void Schematic::CoilTurn(QPointF centre, double radius, TurnSide side)
{
    // Qt's arcs: sixteenths of a degree, counter-clockwise as seen.
    const int from = side == TurnSide::Upper ? 0 : -90 * 16;
    m_p.drawArc(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius), from, 180 * 16);
}

void Schematic::Plates(QPointF first, QPointF second, double halfLength, bool horizontal)
{
    const QPointF half = horizontal ? QPointF(halfLength, 0) : QPointF(0, halfLength);
    m_p.drawLine(first - half, first + half);
    m_p.drawLine(second - half, second + half);
}

void Schematic::Text(QPointF topLeft, const QString &text)
{
    const QFontMetricsF m(m_p.font());
    m_p.drawText(QPointF(topLeft.x(), topLeft.y() + m.ascent()), text);
}

QSizeF Schematic::TextSize(const QString &text) const
{
    const QFontMetricsF m(TwipsFont(m_font, m_points));
    return {m.horizontalAdvance(text), m.height()};
}

void Schematic::TextCentred(QPointF centre, const QString &text)
{
    const QSizeF s = TextSize(text);
    Text(QPointF(centre.x() - s.width() / 2, centre.y() - s.height() / 2), text);
}

QSizeF Schematic::LabelSize(const QString &letter, const QString &index) const
{
    return SubscriptLabelSize(m_font, m_points, letter, index);
}

void Schematic::Label(QPointF topLeft, const QString &letter, const QString &index)
{
    DrawSubscriptLabel(m_p, topLeft, m_font, m_points, letter, index);
}

void Schematic::LabelCentred(QPointF centre, const QString &letter, const QString &index)
{
    const QSizeF s = LabelSize(letter, index);
    Label(QPointF(centre.x() - s.width() / 2, centre.y() - s.height() / 2), letter, index);
}

void Schematic::LabelRightOf(double x, double cy, const QString &letter, const QString &index)
{
    const QSizeF s = LabelSize(letter, index);
    Label(QPointF(x, cy - s.height() / 2), letter, index);
}

void Schematic::LabelAbove(double cx, double y, const QString &letter, const QString &index)
{
    const QSizeF s = LabelSize(letter, index);
    Label(QPointF(cx - s.width() / 2, y - s.height()), letter, index);
}

void Schematic::LabelBelow(double cx, double y, const QString &letter, const QString &index)
{
    const QSizeF s = LabelSize(letter, index);
    Label(QPointF(cx - s.width() / 2, y), letter, index);
}

void Schematic::Meter(QPointF centre, double radius, const QString &letter, const QString &index)
{
    Circle(centre, radius);
    LabelCentred(centre, letter, index);
}

void Schematic::Blade(QPointF pivot, double length, double wireAngle, int state, BladeTurn turn)
{
    m_p.save();
    m_p.setPen(QPen(kBladeColour, kWireWidth, Qt::SolidLine, Qt::RoundCap));
    m_p.drawLine(pivot, BladeEnd(pivot, length, wireAngle, state, turn));
    m_p.restore();
}

} // namespace ohmaris
