// SPDX-License-Identifier: GPL-3.0-or-later
// Face drawing helpers.
#include "instruments/face.h"

#include "calc/entry.h"
#include "calc/phasor.h"

#include <algorithm>
#include <cmath>

namespace ohmaris::face {

using ohmaris::kPi;
using ohmaris::kTwoPi;

double RoundHalfEven(double x)
{
    if (!std::isfinite(x))
        return x;
    const double f = std::floor(x);
    const double d = x - f;
    if (d > 0.5)
        return f + 1.0;
    if (d < 0.5)
        return f;
    return std::fmod(f, 2.0) == 0.0 ? f : f + 1.0;
}

double RoundPlaces(double x, int places)
{
    const double scale = std::pow(10.0, places);
    return RoundHalfEven(x * scale) / scale;
}

QString NumberText(double value, int significantDigits)
{
    const QString s = GeneralNumber(value, significantDigits);
    return value < 0 ? s : QLatin1Char(' ') + s;
}

Canvas::Canvas(QPainter &painter, double height, double scale)
    : m_p(painter), m_height(height), m_scale(scale)
{
}

void Canvas::Line(double x1, double y1, double x2, double y2, const QColor &colour, double widthPx)
{
    QPen pen(colour);
    pen.setWidthF(widthPx);
    pen.setCapStyle(Qt::RoundCap);
    m_p.setPen(pen);
    m_p.drawLine(At(x1, y1), At(x2, y2));
}

void Canvas::Box(double x1, double y1, double x2, double y2, const QColor &colour)
{
    // Snapped to whole pixels and never thinner than one, like a filled box
    // on the bench's screen: a thin segment still shows.
    const QRectF r = QRectF(At(x1, y1), At(x2, y2)).normalized();
    const int left = int(std::lround(r.left()));
    const int top = int(std::lround(r.top()));
    const int right = std::max(left + 1, int(std::lround(r.right())));
    const int bottom = std::max(top + 1, int(std::lround(r.bottom())));
    m_p.fillRect(QRect(left, top, right - left, bottom - top), colour);
}

void Canvas::Disc(double cx, double cy, double r, const QColor &colour)
{
    m_p.setPen(Qt::NoPen);
    m_p.setBrush(colour);
    const double rp = r * m_scale;
    m_p.drawEllipse(At(cx, cy), rp, rp);
    m_p.setBrush(Qt::NoBrush);
}

void Canvas::Arc(double cx, double cy, double r, double from, double to, const QColor &colour, double widthPx)
{
    constexpr double kDegreesPerRadian = 180.0 / kPi;
    double span = to - from;
    if (span <= 0)
        span += kTwoPi;
    QPen pen(colour);
    pen.setWidthF(widthPx);
    m_p.setPen(pen);
    const double rp = r * m_scale;
    const QPointF c = At(cx, cy);
    m_p.drawArc(QRectF(c.x() - rp, c.y() - rp, 2 * rp, 2 * rp), int(std::lround(from * kDegreesPerRadian * 16)),
                int(std::lround(span * kDegreesPerRadian * 16)));
}

void Canvas::Text(double x, double top, const QString &text, const QColor &colour)
{
    const QFontMetricsF fm(m_p.font());
    m_p.setPen(colour);
    const QPointF p = At(x, top);
    m_p.drawText(QPointF(p.x(), p.y() + fm.ascent()), text);
}

double Canvas::TextWidth(const QString &text) const
{
    return QFontMetricsF(m_p.font()).horizontalAdvance(text) / m_scale;
}

double Canvas::TextHeight() const
{
    return QFontMetricsF(m_p.font()).height() / m_scale;
}

} // namespace ohmaris::face
