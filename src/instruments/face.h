// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing helpers shared by the instrument faces. A face is laid out in its
// own coordinates: x from 0 at the left edge, y from 0 at the bottom edge
// growing upwards, angles counter-clockwise from the positive x axis. Text is
// placed by its top-left corner. Only the points are flipped; text is never
// mirrored.
#pragma once

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPointF>
#include <QString>

namespace ohmaris::face {

// Toolkit colour value red + 256 green + 65536 blue, as an RGB triple.
constexpr QRgb Rgb(int r, int g, int b) { return qRgb(r, g, b); }

// Rounds to the nearest integer, halves to the even neighbour.
double RoundHalfEven(double x);
// Rounds to `places` decimal places, halves to even.
double RoundPlaces(double x, int places);

// General number format with the leading blank of a non-negative number.
QString NumberText(double value, int significantDigits = 7);

class Canvas {
public:
    // `scale` converts face units into the painter's pixels (1 when the face
    // is laid out in pixels, 1/15 when it is laid out in twips); `height` is
    // the face height in face units.
    Canvas(QPainter &painter, double height, double scale = 1.0);

    QPainter &painter() { return m_p; }
    QPointF At(double x, double y) const { return {x * m_scale, (m_height - y) * m_scale}; }

    void Line(double x1, double y1, double x2, double y2, const QColor &colour, double widthPx);
    // Filled rectangle between two opposite corners.
    void Box(double x1, double y1, double x2, double y2, const QColor &colour);
    // Filled circle.
    void Disc(double cx, double cy, double r, const QColor &colour);
    // Arc from `from` to `to` radians, counter-clockwise.
    void Arc(double cx, double cy, double r, double from, double to, const QColor &colour, double widthPx);

    // Text in the painter's current font, top-left corner at (x, top).
    void Text(double x, double top, const QString &text, const QColor &colour = Qt::black);
    // Width and height of a text in the current font, in face units.
    double TextWidth(const QString &text) const;
    double TextHeight() const;
    // Face units to the right of x after printing `text` (the print position).
    double After(double x, const QString &text) const { return x + TextWidth(text); }

private:
    QPainter &m_p;
    double m_height;
    double m_scale;
};

} // namespace ohmaris::face
