// SPDX-License-Identifier: GPL-3.0-or-later
// Supply side and knob panels of the single-phase AC benches.
#include "labs/common/bench_singlephase_draw.h"

#include "calc/phasor.h"
#include "shell/controls.h"
#include "shell/schematic.h"

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

void DrawSupplySide(Schematic &s, const AcGrid &g, int breaker)
{
    using namespace acsupply;
    const double u = g.u;
    const double mid = g.Mid();
    QPainter &p = s.painter();

    // Mains terminals.
    const double tr = 0.4 * u; // 0.1 a
    s.Circle(QPointF(g.x0, g.y1), tr);
    s.Circle(QPointF(g.x0, g.y0), tr);
    const QSizeF l1 = s.TextSize(QStringLiteral("L1"));
    s.Text(QPointF(g.x0 - l1.width() / 2, g.y1 - 0.6 * u - l1.height()), QStringLiteral("L1"));
    const QSizeF n = s.TextSize(QStringLiteral("N"));
    s.Text(QPointF(g.x0 - n.width() / 2, g.y0 + 0.6 * u), QStringLiteral("N"));

    // Breaker in the top rail: its blade with two strokes across it.
    const QPointF pivot = BreakerPivot(g);
    const double contact = g.X(kBreakerPivot + kBreakerLength);
    s.Wire(g.x0 + tr, g.y1, pivot.x(), g.y1);
    s.Wire(contact, g.y1, g.X(kWinding), g.y1);
    s.Wire(contact, g.y1 - 0.6 * u, contact, g.y1); // the fixed contact
    {
        const double a = BladeAngle(kWireRight, breaker);
        const QPointF end = BreakerBladeEnd(g, breaker);
        const double sa = a + kHalfPi;
        const QPointF across(0.6 * u * std::cos(sa), -0.6 * u * std::sin(sa));
        p.save();
        QPen red = s.wirePen();
        red.setColor(kBladeColour);
        p.setPen(red);
        p.drawLine(pivot, end);
        const QPointF back(0.8 * u * std::cos(a), -0.8 * u * std::sin(a));
        p.drawLine(end - back + across, end - back - across);
        p.drawLine(end - 2 * back + across, end - 2 * back - across);
        p.restore();
    }
    const QSizeF sf = s.TextSize(QStringLiteral("SF"));
    s.Text(QPointF(g.X(13) - sf.width() / 2, g.y1 + 0.6 * u), QStringLiteral("SF"));

    // Regulator: the winding between the rails, the tap feeding the top rail.
    const double w = g.X(kWinding);
    s.Wire(w, g.y1, w, mid - 6 * u);
    for (int k = -1; k <= 1; ++k)
        s.CoilTurn(QPointF(w, mid + 4 * k * u), 2 * u, TurnSide::Right);
    s.Wire(w, mid + 6 * u, w, g.y0);
    s.Spot(QPointF(w, g.y0), 0.3 * u);
    const double tap = g.X(kTap);
    const double tip = w + 2.3 * u;
    s.Wire(tap, g.y1, tap, mid);
    s.Wire(tap, mid, tip, mid);
    s.Wire(tip, mid, tip + 0.8 * u, mid - 0.5 * u);
    s.Wire(tip, mid, tip + 0.8 * u, mid + 0.5 * u);
    const QSizeF at = s.TextSize(QStringLiteral("AT"));
    s.Text(QPointF(w - 0.8 * u - at.width(), mid - at.height() / 2), QStringLiteral("AT"));

    // K-50 block across both rails.
    const QRectF k50 = K50Hotspot(g);
    s.Box(k50);
    const QSizeF kt = s.TextSize(QStringLiteral("K-50"));
    s.Text(QPointF(k50.center().x() - kt.width() / 2, k50.top() - 0.2 * u - kt.height()), QStringLiteral("K-50"));
    const double r = kMeterRadius * u;
    s.Wire(tap, g.y1, g.X(kAmmeterX) - r, g.y1);
    s.Circle(QPointF(g.X(kAmmeterX), g.y1), r);
    s.Wire(g.X(kAmmeterX) + r, g.y1, g.X(kWattmeterX) - r, g.y1);
    s.Circle(QPointF(g.X(kWattmeterX), g.y1), r);
    s.Wire(g.X(kWattmeterX) + r, g.y1, k50.right(), g.y1);
    s.Wire(g.X(kWattmeterX), g.y1 + r, g.X(kWattmeterX), g.y0);
    s.Wire(g.X(kVoltmeterX), g.y1, g.X(kVoltmeterX), mid - r);
    s.Circle(QPointF(g.X(kVoltmeterX), mid), r);
    s.Wire(g.X(kVoltmeterX), mid + r, g.X(kVoltmeterX), g.y0);
    s.Wire(g.x0 + tr, g.y0, k50.right(), g.y0);
    for (double x : {kVoltmeterX, kWattmeterX})
        s.Spot(QPointF(g.X(x), g.y0), 0.3 * u);
    s.Spot(QPointF(g.X(kVoltmeterX), g.y1), 0.3 * u);
    s.TextCentred(QPointF(g.X(kAmmeterX), g.y1), QStringLiteral("A"));
    s.TextCentred(QPointF(g.X(kVoltmeterX), mid), QStringLiteral("V"));
    s.TextCentred(QPointF(g.X(kWattmeterX), g.y1), QStringLiteral("W"));
}

void LayoutKnobPanel(QWidget *panel, QLabel *caption, QWidget *knob, double gap)
{
    caption->setGeometry(0, 0, panel->width(), caption->height());
    knob->move((panel->width() - knob->width()) / 2, int(std::lround(gap * caption->height())));
    MarkPlacedByBench(caption);
    MarkPlacedByBench(knob);
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
