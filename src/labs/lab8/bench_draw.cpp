// SPDX-License-Identifier: GPL-3.0-or-later
// Lab 8 bench drawing.
#include "labs/lab8/bench_draw.h"

#include "labs/common/bench_scope.h"
#include "shell/schematic.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>

namespace ohmaris {

namespace {

// The lab's own symbols on the shared vocabulary, in units of v.
class Lab8Drawing {
public:
    Lab8Drawing(Schematic &s, double v) : s(s), v(v) {}

    QPointF P(double x, double y) const { return {x * v, y * v}; }
    void wire(double x1, double y1, double x2, double y2) { s.Wire(P(x1, y1), P(x2, y2)); }
    void dot(double x, double y) { s.Dot(P(x, y), 0.5 * v); }
    void box(double x1, double y1, double x2, double y2) { s.Box(QRectF(P(x1, y1), P(x2, y2))); }

    // Source k at its height: the circle, its "~" and its label.
    void source(int k)
    {
        const double y = Lab8SourceY(k);
        s.Circle(P(22, y), 3 * v);
        s.CoilTurn(P(21, y), v, TurnSide::Upper);
        s.painter().drawArc(QRectF(P(22, y - 1), P(24, y + 1)), 180 * 16, 180 * 16);
        const QString index = QString::number(k + 1);
        const QSizeF size = s.LabelSize(QStringLiteral("E"), index);
        s.Label(QPointF(18 * v - size.width(), y * v - size.height() / 2), QStringLiteral("E"), index);
    }

    // A capacitor in a shunt branch at x, its switch anchored at (x, y): the
    // wire from the top wire to the switch, the switch, the plates and the
    // wire down to the return wire.
    void shuntCapacitor(QPointF anchor, const QString &capacitor, const QString &switchIndex)
    {
        const double x = anchor.x() / v, y = anchor.y() / v;
        wire(x, 15, x, y - 2.5);
        wire(x, y + 2.5, x, y + 7.5);
        s.Plates(P(x, y + 7.5), P(x, y + 9.5), 3 * v, true);
        wire(x, y + 9.5, x, 46.5);
        dot(x, 46.5);
        const QSizeF size = s.LabelSize(QStringLiteral("C"), capacitor);
        s.Label(QPointF((x - 3.5) * v - size.width(), (y + 8.5) * v - size.height() / 2), QStringLiteral("C"),
                capacitor);
        s.LabelRightOf((x + 1) * v, y * v, QStringLiteral("S"), switchIndex);
    }

private:
    Schematic &s;
    double v;
};

} // namespace

void DrawLab8Schematic(QPainter &p, QSizeF boxTwips, double v, const Lab8Anchors &anchors,
                       const std::array<std::int16_t, kLab8Slots> &switches, const QFont &font, double points,
                       const QColor &back)
{
    Schematic s(p, QRectF(QPointF(0, 0), boxTwips), back, font, points);
    Lab8Drawing d(s, v);
    const QPointF s2 = anchors[3] / v, s3 = anchors[4] / v;

    // The source block: the four sources in series, in a thin frame.
    p.save();
    QPen thin = s.wirePen();
    thin.setWidthF(15);
    p.setPen(thin);
    s.Box(QRectF(d.P(3, 13), d.P(27, 48.5)));
    p.restore();
    for (int k = 0; k < Lab8Model::kSources; ++k)
        d.source(k);
    for (double y : {15.0, 22.5, 30.0, 37.5, 45.0})
        d.wire(22, y, 22, y + 1.5);

    // R1 on the top wire, on to node A.
    d.wire(22, 15, 31, 15);
    d.box(31, 13, 39, 17);
    const double textHeight = s.LabelSize(QStringLiteral("R"), QStringLiteral("1")).height();
    s.LabelAbove(35 * v, 13 * v - 0.2 * textHeight, QStringLiteral("R"), QStringLiteral("1"));
    d.wire(39, 15, 45, 15);

    // The coil L and its bypass S2.
    for (double c : {-2.5, 1.5, 5.5})
        s.CoilTurn(d.P(s2.x() + c, 15), 2 * v, TurnSide::Upper);
    s.LabelAbove((s2.x() + 1.5) * v, 12.8 * v, QStringLiteral("L"));
    const double left = s2.x() - 7.5, joint = s2.x() + 9.5;
    d.dot(left, 15);
    d.dot(joint, 15);
    d.wire(left, 15, left, s2.y());
    d.wire(joint, 15, joint, s2.y());
    d.wire(left, s2.y(), s2.x() - 2.5, s2.y());
    d.wire(s2.x() + 2.5, s2.y(), joint, s2.y());
    s.LabelAbove(s2.x() * v, (s2.y() - 3) * v, QStringLiteral("S"), QStringLiteral("2"));
    d.wire(s2.x() + 7.5, 15, s3.x() - 4.5, 15);

    // The coil branch's resistance R and its bypass S3.
    d.box(s3.x() - 4.5, 13, s3.x() + 3.5, 17);
    s.LabelAbove((s3.x() - 0.5) * v, 12.8 * v, QStringLiteral("R"));
    d.dot(s3.x() - 6.5, s3.y());
    d.wire(s3.x() - 6.5, s3.y(), s3.x() - 2.5, s3.y());
    d.wire(s3.x() + 2.5, s3.y(), s3.x() + 5.5, s3.y());
    d.wire(s3.x() + 5.5, s3.y(), s3.x() + 5.5, 15);
    d.dot(s3.x() + 5.5, 15);
    s.LabelAbove(s3.x() * v, (s3.y() - 3) * v, QStringLiteral("S"), QStringLiteral("3"));
    d.wire(s3.x() + 3.5, 15, 75, 15);

    // The shunt capacitors with their switches.
    d.shuntCapacitor(anchors[2], QStringLiteral("1"), QStringLiteral("1"));
    d.shuntCapacitor(anchors[5], QStringLiteral("2"), QStringLiteral("4"));

    // The milliammeter in the load's wire; the oscilloscope input V2 and
    // the voltmeter V1 across the load.
    s.Meter(d.P(78, 15), 3 * v, QStringLiteral("m\u0410"));
    d.wire(81, 15, 91, 15);
    d.dot(85, 15);
    d.wire(85, 15, 85, 32);
    d.box(82.5, 32, 87.5, 37);
    s.LabelCentred(d.P(85, 34.5), QStringLiteral("V"), QStringLiteral("2"));
    d.wire(85, 37, 85, 46.5);
    d.dot(85, 46.5);
    d.dot(85, 21);
    d.wire(85, 21, 78, 21);
    d.wire(78, 21, 78, 24);
    s.Meter(d.P(78, 27), 3 * v, QStringLiteral("V"), QStringLiteral("1"));
    d.wire(78, 30, 78, 46.5);
    d.dot(78, 46.5);

    // S5 and the load R2; the return wire back to the sources.
    const QPointF s5 = anchors[6] / v;
    s.LabelAbove(s5.x() * v, (s5.y() - 3) * v, QStringLiteral("S"), QStringLiteral("5"));
    d.wire(s5.x() + 2.5, 15, 101, 15);
    d.wire(101, 15, 101, 30);
    d.box(99, 30, 103, 38);
    s.LabelRightOf(103.5 * v, 34 * v, QStringLiteral("R"), QStringLiteral("2"));
    d.wire(101, 38, 101, 46.5);
    d.wire(101, 46.5, 22, 46.5);

    // Switch blades, red: along the wire when closed, turned 30 degrees
    // counter-clockwise when open.
    for (int slot = 2; slot < kLab8Slots; ++slot) {
        const Lab8Blade b = Lab8SwitchBlade(anchors, v, slot);
        s.Blade(b.pivot, b.length, b.wireAngle, switches[std::size_t(slot)]);
    }
}

void DrawLab8Screen(QPainter &p, double widthPx, double heightPx,
                    const std::array<float, Lab8Model::kSamples> &wave, double voltsPerDivision, bool on)
{
    p.save();
    DrawScopeGrid(p, widthPx, heightPx, kLab8ScreenDivisions);
    if (on) {
        const double gx = widthPx / kLab8ScreenDivisions, gy = heightPx / kLab8ScreenDivisions;
        const double k = voltsPerDivision > 0 ? 1.0 / voltsPerDivision : 0.0;
        p.setPen(QPen(QColor(50, 200, 50), 1));
        p.drawLine(QPointF(0, 6 * gy), QPointF(widthPx, 6 * gy));
        p.drawLine(QPointF(gx, 0), QPointF(gx, heightPx));
        // Far off-screen samples are held a long way outside, so the clipped
        // line looks the same and the painter never meets absurd numbers.
        const double far = 100.0 * (heightPx + 1.0);
        std::array<QPointF, Lab8Model::kSamples> points;
        p.setClipRect(QRectF(0, 0, widthPx, heightPx));
        for (int period = 1; period <= 3; ++period) {
            const double x0 = (10 * period - 20) * gx + gx;
            for (int t = 0; t < Lab8Model::kSamples; ++t) {
                const double y = 6 * gy - gy * double(wave[std::size_t(t)]) * k;
                points[std::size_t(t)] = QPointF(x0 + t / 10.0 * gx, std::clamp(y, -far, far));
            }
            p.drawPolyline(points.data(), int(points.size()));
        }
    }
    p.restore();
}

void DrawLab8Housing(QPainter &p, QSizeF twips, const QString &tip, const HousingTitle &title, const QFont &font,
                     double points)
{
    p.save();
    BeginTwips(p);
    DrawInstrumentHousing(p, twips);

    QFont bold = TwipsFont(font, points);
    bold.setBold(true);
    const QFontMetricsF fm(bold);
    const double h = fm.height();
    const QString name = tip.trimmed().mid(4);
    const double width = fm.horizontalAdvance(name + title.centring);
    const double top = 0.5 * h;
    double x = (twips.width() - width) / 2;
    p.setPen(Qt::black);
    p.setFont(bold);
    const QString text = name + title.unit;
    p.drawText(QPointF(x, top + fm.ascent()), text);
    x += fm.horizontalAdvance(text);
    if (!title.subscript.isEmpty()) {
        QFont small = TwipsFont(font, points - 1);
        small.setBold(true);
        const QFontMetricsF sm(small);
        p.setFont(small);
        p.drawText(QPointF(x, top + 0.25 * h + sm.ascent()), title.subscript);
        x += sm.horizontalAdvance(title.subscript);
    }
    if (title.tilde) {
        QFont big = TwipsFont(font, points + 8);
        big.setBold(true);
        p.setFont(big);
        p.drawText(QPointF(x, top - 0.5 * h + QFontMetricsF(big).ascent()), QStringLiteral("~"));
    }
    p.restore();
}

} // namespace ohmaris
