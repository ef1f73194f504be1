// SPDX-License-Identifier: GPL-3.0-or-later
// Lab 5 schematic painting.
#include "labs/lab5/bench_draw.h"

#include "labs/common/bench_threephase_draw.h"
#include "shell/schematic.h"

namespace ohmaris {

void DrawLab5Schematic(Schematic &s, const Lab5Grid &g, const std::array<std::int16_t, 5> &switches)
{
    const double u = g.u;
    const double th = s.TextSize(QString()).height();
    const double rowN = g.Row(3);
    const double rowV = g.VoltmeterRow();
    const std::array<double, 3> lines{g.Row(0), g.Row(1), g.Row(2)};

    // Supply terminals and the wires up to the breaker, the K-50 and the
    // switches, on all four rows.
    DrawSupplyTerminals(s, u, {g.Row(0), g.Row(1), g.Row(2), rowN}, true);
    for (int k = 0; k < 4; ++k) {
        const double y = g.Row(k);
        s.Wire(16 * u, y, 24 * u, y);
        s.Wire(34 * u, y, 38 * u, y);
    }
    // The neutral passes the breaker unbroken.
    s.Wire(10 * u, rowN, 16 * u, rowN);
    s.Label(QPointF(16 * u, g.Row(0) - 1.05 * th), QStringLiteral("SF"));

    DrawK50Block(s, K50Block(24 * u, g.Row(0), u), u);

    // Switch labels and the wires behind the switches.
    for (int k = 0; k < 4; ++k) {
        const double y = g.Row(k);
        s.Label(QPointF(43.6 * u, y - 1.25 * th), QStringLiteral("S"), QString::number(k + 1));
        s.Wire(44 * u, y, k < 3 ? 48 * u : 56 * u, y);
    }

    // The three branches of the star.
    for (int k = 0; k < 3; ++k)
        DrawLoadBranch(s, 48, g.Row(k), u, QString::number(k + 1), 85.6);

    // Star point, with the neutral wire through the ammeter A1.
    s.Wire(85.6 * u, g.Row(0), 85.6 * u, rowV);
    for (int k = 1; k < 4; ++k)
        s.Dot(QPointF(85.6 * u, g.Row(k)), 0.4 * u);
    s.Meter(QPointF(58.8 * u, rowN), threephase::kMeterRadius * u, QStringLiteral("A"), QStringLiteral("1"));
    s.Wire(61.6 * u, rowN, 85.6 * u, rowN);

    // Voltmeter V1 from the star point back to the neutral before S4.
    s.Wire(85.6 * u, rowV, 73.6 * u, rowV);
    s.Meter(QPointF(70.8 * u, rowV), threephase::kMeterRadius * u, QStringLiteral("V"), QStringLiteral("1"));
    s.Wire(68 * u, rowV, 36 * u, rowV);
    s.Wire(36 * u, rowV, 36 * u, rowN);
    s.Dot(QPointF(36 * u, rowN), 0.4 * u);

    // Breaker SF: linkage and handle follow its blades; blades last, in red.
    DrawBreakerLinkage(s, u, lines, switches[0]);
    DrawBreakerBlades(s, u, lines, switches[0]);
    for (int k = 0; k < 4; ++k)
        s.Blade(g.SwitchPivot(k), threephase::kBladeLength * u, kWireLeft, switches[std::size_t(k + 1)],
                BladeTurn::Clockwise);
}

} // namespace ohmaris
