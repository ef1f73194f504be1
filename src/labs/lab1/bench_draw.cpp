// SPDX-License-Identifier: GPL-3.0-or-later
// Lab 1 schematic and selector panel painting.
#include "labs/lab1/bench_draw.h"

#include "shell/schematic.h"

#include <QFontMetricsF>
#include <QPainter>

namespace ohmaris {

void DrawLab1Schematic(QPainter &p, const Lab1Sheet &sh, const std::array<std::int16_t, 6> &switches,
                       const QFont &font, double points, const QColor &background)
{
    const double u = sh.u;
    const double W = sh.W;
    Schematic d(p, QRectF(0, 0, W, sh.H), background, font, points, WireStyle{Qt::RoundCap, Qt::RoundJoin});
    const double r = 4 * u;
    const double dot = 0.4 * u;
    const auto X = [&](double units) { return units * u; };
    const auto Y = [&](double units) { return sh.Y(units); };
    const auto P = [&](double x, double y) { return QPointF(x, y); };
    // Letter and index just right of a symbol, centred on y by the letter.
    const auto labelRight = [&](double x, double y, const QString &letter, const QString &index) {
        d.Label(P(x, y - d.TextSize(letter).height() / 2), letter, index);
    };
    // Letter centred in a circle, index following it.
    const auto labelCentred = [&](QPointF c, const QString &letter, const QString &index) {
        const QSizeF t = d.TextSize(letter);
        d.Label(P(c.x() - t.width() / 2, c.y() - t.height() / 2), letter, index);
    };
    const double x4 = Lab1PathX(sh, 4);
    const double x5 = Lab1PathX(sh, 5);

    // Bottom rail, node d.
    d.Wire(P(X(6), Y(4)), P(W - X(10), Y(4)));
    for (double x : {X(18), X(54), x4})
        d.Dot(P(x, Y(4)), dot);
    d.Text(P(X(54), Y(4)), QStringLiteral("d"));

    // A source path: R0 box, EMF with its arrow, up to the switch.
    const auto sourcePath = [&](double x, const QString &rIndex, const QString &eIndex) {
        d.Wire(P(x, Y(4)), P(x, Y(8)));
        d.Box(QRectF(P(x - X(2), Y(8)), P(x + X(2), Y(16))).normalized());
        labelRight(x + X(2.5), Y(12), QStringLiteral("R"), rIndex);
        d.Wire(P(x, Y(16)), P(x, Y(20)));
        d.Circle(P(x, Y(24)), r);
        d.Wire(P(x, Y(21.6)), P(x, Y(26.4)));
        d.Wire(P(x - X(0.8), Y(24)), P(x, Y(26.4)));
        d.Wire(P(x + X(0.8), Y(24)), P(x, Y(26.4)));
        labelRight(x + r + X(0.5), Y(24), QStringLiteral("E"), eIndex);
        d.Wire(P(x, Y(28)), P(x, Y(32)));
    };
    // A bare internal resistance path.
    const auto resistancePath = [&](double x, const QString &rIndex) {
        d.Wire(P(x, Y(4)), P(x, Y(12)));
        d.Box(QRectF(P(x - X(2), Y(12)), P(x + X(2), Y(20))).normalized());
        labelRight(x + X(2.5), Y(16), QStringLiteral("R"), rIndex);
        d.Wire(P(x, Y(20)), P(x, Y(32)));
    };
    resistancePath(X(6), QStringLiteral("01"));
    sourcePath(X(18), QStringLiteral("01"), QStringLiteral("1"));
    // Branch 3: R3 and the ammeter A3.
    d.Wire(P(X(54), Y(4)), P(X(54), Y(8)));
    d.Box(QRectF(P(X(52), Y(8)), P(X(56), Y(16))).normalized());
    labelRight(X(56.5), Y(12), QStringLiteral("R"), QStringLiteral("3"));
    d.Wire(P(X(54), Y(16)), P(X(54), Y(20)));
    d.Circle(P(X(54), Y(24)), r);
    labelCentred(P(X(54), Y(24)), QStringLiteral("A"), QStringLiteral("3"));
    d.Text(P(X(54.6), Y(28) - d.TextSize(QStringLiteral("+")).height()), QStringLiteral("+"));
    d.Wire(P(X(54), Y(28)), P(X(54), Y(32)));
    sourcePath(x4, QStringLiteral("02"), QStringLiteral("2"));
    resistancePath(x5, QStringLiteral("02"));

    // Switches: stub to the pivot, label, and the wire from the contact up
    // to the top rail.
    for (int k = 1; k <= 5; ++k) {
        const double x = Lab1PathX(sh, k);
        d.Wire(P(x, Y(32)), P(x, Y(34)));
        d.Label(P(x + X(1), Y(38)), QStringLiteral("S"), QString::number(k));
        d.Wire(P(x, Y(40)), P(x, Y(48)));
    }

    // Top rail: a, A1, R1, b, R2, A2, c.
    const QString plus = QStringLiteral("+");
    const QSizeF plusSize = d.TextSize(plus);
    d.Wire(P(X(6), Y(48)), P(X(26), Y(48)));
    d.Dot(Lab1NodeA(sh), dot);
    d.Text(P(X(18), Y(48) - d.TextSize(QStringLiteral("a")).height()), QStringLiteral("a"));
    d.Circle(P(X(30), Y(48)), r);
    labelCentred(P(X(30), Y(48)), QStringLiteral("A"), QStringLiteral("1"));
    d.Text(P(X(26) - plusSize.width(), Y(48) - plusSize.height()), plus);
    d.Wire(P(X(34), Y(48)), P(X(42), Y(48)));
    d.Box(QRectF(P(X(42), Y(50)), P(X(50), Y(46))).normalized());
    d.LabelAbove(X(46), Y(50), QStringLiteral("R"), QStringLiteral("1"));
    d.Wire(P(X(50), Y(48)), P(X(58), Y(48)));
    d.Dot(Lab1NodeB(sh), dot);
    d.Text(P(X(54.3), Y(48) - d.TextSize(QStringLiteral("b")).height()), QStringLiteral("b"));
    d.Box(QRectF(P(X(58), Y(50)), P(X(66), Y(46))).normalized());
    d.LabelAbove(X(62), Y(50), QStringLiteral("R"), QStringLiteral("2"));
    d.Wire(P(X(66), Y(48)), P(X(74), Y(48)));
    d.Circle(P(X(78), Y(48)), r);
    labelCentred(P(X(78), Y(48)), QStringLiteral("A"), QStringLiteral("2"));
    d.Text(P(X(82), Y(48) - plusSize.height()), plus);
    d.Wire(P(X(82), Y(48)), P(W - X(10), Y(48)));
    d.Dot(Lab1NodeC(sh), dot);
    d.Text(P(x4 + X(0.3), Y(48) - d.TextSize(QStringLiteral("c")).height()), QStringLiteral("c"));

    // Voltmeter where the selector puts it; "+" beside the first node's lead.
    const Lab1VoltmeterPlace vm = Lab1VoltmeterAt(sh, switches[kLab1Selector]);
    d.Circle(vm.centre, r);
    labelCentred(vm.centre, QStringLiteral("V"), QString());
    for (std::size_t k = 0; k < 2; ++k) {
        d.Wire(vm.stub[k].p1(), vm.stub[k].p2());
        d.Wire(vm.lead[k].p1(), vm.lead[k].p2());
    }
    const QLineF first = vm.stub[0];
    const QPointF mid = (first.p1() + first.p2()) / 2;
    if (first.dx() == 0.0) // top lead: "+" to its right
        d.Text(P(mid.x() + X(0.4), mid.y() - plusSize.height() / 2), plus);
    else                   // side lead: "+" above it
        d.Text(P(mid.x() - plusSize.width() / 2, mid.y() - plusSize.height()), plus);

    // Switch blades in red.
    for (int k = 1; k <= 5; ++k) {
        const QLineF blade = Lab1SwitchBlade(sh, k, switches[std::size_t(k - 1)]);
        d.Blade(blade.p1(), blade.length(), kWireUp, switches[std::size_t(k - 1)]);
    }
}

void DrawLab1SelectorPanel(QPainter &p, const QSizeF &panel, const QRectF &knob, const QFont &base, double points,
                           const QColor &background)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    BeginTwips(p);
    p.fillRect(QRectF(QPointF(0, 0), panel), background);
    const QFont font = TwipsFont(base, points);
    const QFontMetricsF fm(font);
    p.setFont(font);
    p.setPen(Qt::black);
    const double L = knob.left(), T = knob.top(), w = knob.width(), h = knob.height();
    const auto put = [&](const QString &s, double x, double y) { p.drawText(QPointF(x, y + fm.ascent()), s); };
    const auto tw = [&](const QString &s) { return fm.horizontalAdvance(s); };
    const double th = fm.height();
    put(QStringLiteral("ab"), L + w, T + 0.1 * h - th / 2);
    put(QStringLiteral("ad"), L + 0.25 * w - tw(QStringLiteral("ad")) / 2, T - th);
    put(QStringLiteral("bd"), L - 1.1 * tw(QStringLiteral("bd")), T + 0.5 * h - th / 2);
    put(QStringLiteral("cb"), L + 0.25 * w - tw(QStringLiteral("cb")) / 2, T + h);
    put(QStringLiteral("cd"), L + w, T + 0.9 * h - th / 2);
    p.restore();
}

} // namespace ohmaris
