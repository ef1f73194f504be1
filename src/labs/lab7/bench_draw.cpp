// SPDX-License-Identifier: GPL-3.0-or-later
// Lab 7 bench drawing.
#include "labs/lab7/bench_draw.h"

#include "labs/common/bench_scope.h"
#include "labs/lab7/scope.h"
#include "shell/schematic.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPolygonF>

namespace ohmaris {

namespace {

// The lab's own symbols on the shared vocabulary, on the grid's a and b.
class Lab7Sheet {
public:
    Lab7Sheet(Schematic &s, const Lab7Grid &g) : s(s), g(g) {}

    void ammeter(double cx, double cy, const QString &index) { s.Meter(QPointF(cx, cy), 0.4 * g.b, QStringLiteral("A"), index); }
    void input(double left, double top, const QString &letter)
    {
        s.Box(QRectF(left, top, 0.8 * g.b, 0.8 * g.b));
        s.LabelCentred(QPointF(left + 0.4 * g.b, top + 0.4 * g.b), letter);
    }
    void junction(double x, double y) { s.Dot(QPointF(x, y), 0.1 * g.a); }
    // A resistor lying on a horizontal wire from x to x + b.
    void resistorAcross(double x, double y, const QString &index)
    {
        s.Box(QRectF(x, y - g.a / 2, g.b, g.a));
        s.LabelAbove(x + g.b / 2, y - g.a / 2 - 0.05 * g.b, QStringLiteral("R"), index);
    }
    // An upright resistor on a vertical wire from y to y + b.
    void resistorUpright(double x, double y, const QString &index)
    {
        s.Box(QRectF(x - g.a / 2, y, g.a, g.b));
        s.LabelRightOf(x + g.a / 2 + 0.1 * g.b, y + g.b / 2, QStringLiteral("R"), index);
    }
    void coil()
    {
        const double a = g.a, b = g.b, r = 0.25 * b;
        for (double c : {1.6, 2.1, 2.6})
            s.CoilTurn(QPointF(3 * a + c * b, b), r, TurnSide::Upper);
        s.LabelAbove(3 * a + 2.1 * b, b - r - 0.05 * b, QStringLiteral("L"));
    }
    void capacitor()
    {
        const double b = g.b, xm = g.xm, yb = g.yb;
        s.Wire(xm, yb - 2.95 * b, xm, yb - 2 * b);
        s.Plates(QPointF(xm, yb - 2 * b), QPointF(xm, yb - 1.8 * b), 0.45 * b, true);
        s.Wire(xm, yb - 1.8 * b, xm, yb);
        s.LabelRightOf(xm + 0.55 * b, yb - 2 * b, QStringLiteral("C"));
    }
    // The voltage input left of the middle column, across it.
    void voltageInputAcrossColumn()
    {
        const double b = g.b, xm = g.xm, yb = g.yb, x = xm - 1.7 * b;
        input(xm - 2.1 * b, yb - 2.5 * b, QStringLiteral("V"));
        s.Wire(xm, b, x, yb - 3 * b);
        s.Wire(x, yb - 3 * b, x, yb - 2.5 * b);
        s.Wire(x, yb - 1.7 * b, x, yb - 1.2 * b);
        s.Wire(x, yb - 1.2 * b, xm, yb);
    }

private:
    Schematic &s;
    const Lab7Grid &g;
};

} // namespace

void DrawLab7Schematic(QPainter &p, const Lab7Grid &g, int circuit, int s1, int s2, const QFont &font,
                       double points, const QColor &back)
{
    Schematic s(p, QRectF(0, 0, g.W, g.H), back, font, points);
    Lab7Sheet d(s, g);
    const double a = g.a, b = g.b, yb = g.yb, xl = g.xl, xr = g.xr, xm = g.xm;

    // Left column: source E, switch S1, up to the top rail and on to 3a.
    const double ey = yb - 1.4 * b, er = 0.4 * b;
    s.Wire(xl, yb, xl, ey + er);
    s.Circle(QPointF(xl, ey), er);
    s.Wire(xl, yb - 1.15 * b, xl, yb - 1.65 * b);
    s.Wire(xl, yb - 1.65 * b, xl - 0.15 * a, ey);
    s.Wire(xl, yb - 1.65 * b, xl + 0.15 * a, ey);
    s.LabelRightOf(xl + er + 0.15 * b, ey, QStringLiteral("E"));
    s.Wire(xl, ey - er, xl, yb - 3 * b);
    s.Wire(xl, yb - 3.75 * b, xl, b);
    s.Wire(xl, b, 3 * a, b);
    s.LabelRightOf(xl + 0.2 * b, yb - 3.5 * b, QStringLiteral("S"), QStringLiteral("1"));

    // Right branch: S2, ammeter A2, R2, on to the middle column.
    s.Wire(xr, yb, xr, yb - 3 * b);
    s.Wire(xr, yb - 3.75 * b, xr, b);
    s.Wire(xr, b, xr - a, b);
    d.ammeter(xr - a - 0.4 * b, b, QStringLiteral("2"));
    s.Wire(xr - a - 0.8 * b, b, xr - a - 1.5 * b, b);
    d.resistorAcross(xr - a - 2.5 * b, b, QStringLiteral("2"));
    s.Wire(xr - a - 2.5 * b, b, xm, b);
    s.LabelRightOf(xr + 0.2 * b, yb - 3.5 * b, QStringLiteral("S"), QStringLiteral("2"));

    // Bottom rail.
    s.Wire(xr, yb, xm, yb);
    if (circuit == 3) {
        s.Wire(xm, yb, xm - 2 * b, yb);
        d.resistorAcross(xm - 3 * b, yb, QStringLiteral("1"));
        s.Wire(xm - 3 * b, yb, xl, yb);
    } else {
        s.Wire(xm, yb, xl, yb);
    }

    if (circuit == 2 || circuit == 3) {
        // Top rail: the current input and the coil.
        d.input(3 * a, b - 0.4 * b, QStringLiteral("A"));
        s.Wire(3 * a + 0.8 * b, b, 3 * a + 1.35 * b, b);
        d.coil();
        s.Wire(3 * a + 2.85 * b, b, xm, b);
        // Middle column: ammeter A1, then R1 (circuit 2) or C (circuit 3).
        s.Wire(xm, b, xm, yb - 3.75 * b);
        d.ammeter(xm, yb - 3.35 * b, QStringLiteral("1"));
        if (circuit == 2) {
            s.Wire(xm, yb - 2.95 * b, xm, yb - 2 * b);
            d.resistorUpright(xm, yb - 2 * b, QStringLiteral("1"));
            s.Wire(xm, yb - b, xm, yb);
            // The voltage input across the coil.
            const double jx = 2.5 * a + 1.35 * b, my = yb - 3.6 * b;
            d.input(3 * a + 1.7 * b, yb - 4 * b, QStringLiteral("V"));
            d.junction(jx, b);
            s.Wire(jx, b, 2.5 * a + 1.7 * b, my);
            s.Wire(2.5 * a + 1.7 * b, my, 3 * a + 1.7 * b, my);
            s.Wire(xm, b, 3.5 * a + 2.5 * b, my);
            s.Wire(3.5 * a + 2.5 * b, my, 3 * a + 2.5 * b, my);
        } else {
            d.capacitor();
            d.voltageInputAcrossColumn();
        }
    } else {
        // Top rail: ammeter A1 and R1; middle column: current input and C.
        d.ammeter(3 * a + 0.4 * b, b, QStringLiteral("1"));
        s.Wire(3 * a + 0.8 * b, b, 3 * a + 1.5 * b, b);
        d.resistorAcross(3 * a + 1.5 * b, b, QStringLiteral("1"));
        s.Wire(3 * a + 2.5 * b, b, xm, b);
        s.Wire(xm, b, xm, yb - 3.75 * b);
        d.input(xm - 0.4 * b, yb - 3.75 * b, QStringLiteral("A"));
        d.capacitor();
        d.voltageInputAcrossColumn();
    }
    d.junction(xm, b);
    d.junction(xm, yb);

    // Switch blades, red: upright when closed, leaning 30 degrees when open.
    s.Blade(QPointF(xl, yb - 3 * b), 0.75 * b, kWireUp, s1);
    s.Blade(QPointF(xr, yb - 3 * b), 0.75 * b, kWireUp, s2);
}

void DrawSelectorPanel(QPainter &p, QSizeF panelTwips, QRectF knobTwips, const QFont &font, double points,
                       const QColor &back)
{
    p.save();
    BeginTwips(p);
    p.fillRect(QRectF(QPointF(0, 0), panelTwips), back);
    QFont bold = TwipsFont(font, points);
    bold.setBold(true);
    p.setFont(bold);
    p.setPen(Qt::black);
    const QFontMetricsF fm(bold);
    const auto text = [&](const QString &t, double xFactor, double y) {
        const double w = fm.horizontalAdvance(t), h = fm.height();
        p.drawText(QPointF(knobTwips.left() - xFactor * w, y - h / 2 + fm.ascent()), t);
    };
    text(QStringLiteral("L"), 1.5, knobTwips.center().y());
    text(QStringLiteral("LC"), 1.05, knobTwips.top());
    text(QStringLiteral("C"), 1.1, knobTwips.bottom());
    p.restore();
}

void DrawScopeTrace(QPainter &p, double widthPx, double heightPx, const std::array<float, 141> &trace,
                    double gain)
{
    p.save();
    const double dy = heightPx / kScreenDivisions;
    p.setPen(QPen(QColor(50, 200, 50), 1));
    p.drawLine(QPointF(0, 7 * dy), QPointF(widthPx, 7 * dy));
    std::array<QPointF, ScopeRecorder::kSamples> points;
    for (int k = 0; k < ScopeRecorder::kSamples; ++k)
        points[std::size_t(k)] = TracePoint(k, trace[std::size_t(k)], widthPx, heightPx, gain);
    p.setClipRect(QRectF(0, 0, widthPx, heightPx));
    p.drawPolyline(points.data(), int(points.size()));
    p.restore();
}

void DrawScopePanel(QPainter &p, QSizeF panelTwips, QRectF buttonTwips, const QString &buttonCaption,
                    const QString &title1, const QString &title2, const QFont &font, double points)
{
    p.save();
    BeginTwips(p);
    const double W = panelTwips.width();
    DrawInstrumentHousing(p, panelTwips);

    QFont bold = TwipsFont(font, points);
    bold.setBold(true);
    p.setFont(bold);
    p.setPen(Qt::black);
    const QFontMetricsF fm(bold);
    const double h = fm.height();
    const double w = fm.horizontalAdvance(buttonCaption + QLatin1Char('0'));
    p.drawText(QPointF(buttonTwips.left() + buttonTwips.width() / 2 - w / 2,
                       buttonTwips.top() - 1.2 * h + fm.ascent()),
               buttonCaption);
    p.drawText(QPointF((W - fm.horizontalAdvance(title1)) / 2, 0.5 * h + fm.ascent()), title1);
    p.drawText(QPointF((W - fm.horizontalAdvance(title2)) / 2, 1.6 * h + fm.ascent()), title2);
    p.restore();
}

} // namespace ohmaris
