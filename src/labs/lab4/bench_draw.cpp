// SPDX-License-Identifier: GPL-3.0-or-later
// Lab 4 schematic painting: the coupled branches right of the K-50.
#include "labs/lab4/bench_draw.h"

#include "shell/schematic.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace ohmaris {

namespace {

using namespace lab4;

// Labels of branch 1 stand above its elements, those of branch 2 below.
constexpr double kLabelGap = 0.4;

QString CoilIndex(int branch, int select)
{
    return QString::number(10 * (branch + 1) + select);
}

// The coil's label: above the turns of coil 1, below the wire of coil 2.
QPointF CoilLabelTopLeft(const AcGrid &g, const QSizeF &size, int branch)
{
    const double cx = g.X((kCoilLeft + kCoilRight) / 2);
    const double y = BranchY(g, branch);
    const double top = branch == 0 ? y - (kTurnRadius + kLabelGap) * g.u - size.height() : y + 2 * kLabelGap * g.u;
    return {cx - size.width() / 2, top};
}

// An arrowhead at `tip`, pointing along `direction`.
void ArrowHead(QPainter &p, QPointF tip, QPointF direction, double length)
{
    const double a = std::atan2(direction.y(), direction.x());
    const double spread = kPi / 7;
    const QPointF left(tip.x() - length * std::cos(a - spread), tip.y() - length * std::sin(a - spread));
    const QPointF right(tip.x() - length * std::cos(a + spread), tip.y() - length * std::sin(a + spread));
    p.drawLine(tip, left);
    p.drawLine(tip, right);
}

void DrawBranch(Schematic &s, const AcGrid &g, int branch, int closed, int select)
{
    const double u = g.u;
    const double y = BranchY(g, branch);
    const QString n = QString::number(branch + 1);
    const bool above = branch == 0;

    // Switch: the red blade from its pivot, the fixed contact at its end.
    const QPointF pivot = SwitchPivot(g, branch);
    const double contact = g.X(kSwitchPivot + kSwitchLength);
    s.Wire(contact, y - 0.6 * u, contact, y);
    const QSizeF sl = s.LabelSize(QStringLiteral("S"), n);
    s.Label(QPointF(g.X(kSwitchPivot + kSwitchLength / 2) - sl.width() / 2, y + 2 * kLabelGap * u),
            QStringLiteral("S"), n);

    // Ammeter, coil, resistor along the branch.
    const double ar = kAmmeterRadius * u;
    s.Wire(contact, y, g.X(kAmmeterX) - ar, y);
    s.Meter(QPointF(g.X(kAmmeterX), y), ar, QStringLiteral("A"), n);
    s.Wire(g.X(kAmmeterX) + ar, y, g.X(kCoilLeft), y);
    for (int k = 0; k < 4; ++k)
        s.CoilTurn(QPointF(g.X(kCoilLeft + kTurnRadius * (2 * k + 1)), y), kTurnRadius * u, TurnSide::Upper);
    s.Spot(WindingDot(g, branch), kWindingDotRadius * u);
    const QString index = CoilIndex(branch, select);
    s.Label(CoilLabelTopLeft(g, s.LabelSize(QStringLiteral("L"), index), branch), QStringLiteral("L"), index);
    s.Wire(g.X(kCoilRight), y, g.X(kResistorLeft), y);
    s.Box(QRectF(g.X(kResistorLeft), y - u, g.X(kResistorRight - kResistorLeft), 2 * u));
    const double rx = g.X((kResistorLeft + kResistorRight) / 2);
    if (above)
        s.LabelAbove(rx, y - (1 + kLabelGap) * u, QStringLiteral("R"), n);
    else
        s.LabelBelow(rx, y + (1 + kLabelGap) * u, QStringLiteral("R"), n);
    s.Wire(g.X(kResistorRight), y, g.X(kInnerRight), y);

    s.Blade(pivot, kSwitchLength * u, kWireRight, closed);
}

// The mutual inductance: a curved double arrow from coil 1 down to the
// turns of coil 2, "M" with "12" beside it.
void DrawMutualArrow(Schematic &s, const AcGrid &g)
{
    const double u = g.u;
    const double x = g.X((kCoilLeft + kCoilRight) / 2);
    const QPointF top(x, g.y1 + 1.0 * u);
    const QPointF bottom(x, BranchY(g, 1) - (kTurnRadius + 1.0) * u);
    const QPointF bend(x - 3.0 * u, (top.y() + bottom.y()) / 2);
    QPainter &p = s.painter();
    QPainterPath arc(top);
    arc.quadTo(bend, bottom);
    p.drawPath(arc);
    // Each head points along the curve's end, towards its coil.
    const double head = 1.2 * u;
    ArrowHead(p, top, top - bend, head);
    ArrowHead(p, bottom, bottom - bend, head);
    s.LabelRightOf(x + 0.6 * u, bend.y(), QStringLiteral("M"), QStringLiteral("12"));
}

} // namespace

QRectF CoilLabelArea(const AcGrid &g, const QFont &font, double points, int branch)
{
    const QSizeF size = SubscriptLabelSize(font, points, QStringLiteral("L"), CoilIndex(branch, 7));
    return {CoilLabelTopLeft(g, size, branch), size};
}

void DrawLab4LoadSide(Schematic &s, const AcGrid &g, const Lab4SchematicState &state)
{
    const Lab4Terminals t = Lab4Ends(g);
    // The top rail runs on into branch 1; the bottom rail ends where the
    // joining wires take it up.
    s.Wire(t.topRail.p1(), t.topRail.p2());
    s.Wire(g.X(acsupply::kK50Right), g.y0, t.bottom.x(), t.bottom.y());
    s.Wire(t.start2, SwitchPivot(g, 1));
    for (int branch = 0; branch < 2; ++branch)
        DrawBranch(s, g, branch, state.switches[std::size_t(branch)], state.select[std::size_t(branch)]);
    DrawMutualArrow(s, g);

    const Lab4Joining joining = JoiningWires(g, state.connection);
    QPainter &p = s.painter();
    for (const std::vector<QPointF> &wire : joining.wires)
        p.drawPolyline(wire.data(), int(wire.size()));
    for (const QPointF &dot : joining.dots)
        s.Spot(dot, 0.3 * g.u);
}

} // namespace ohmaris
