// SPDX-License-Identifier: GPL-3.0-or-later
// Lab 6 schematic painting.
#include "labs/lab6/bench_draw.h"

#include "labs/common/bench_threephase_draw.h"
#include "shell/schematic.h"

namespace ohmaris {

void DrawLab6Schematic(Schematic &s, const Lab6Grid &g, const std::array<std::int16_t, 7> &switches)
{
    using namespace lab6;
    const double u = g.u;
    const double H = g.H;
    const double th = s.TextSize(QString()).height();
    const std::array<double, 3> lines{g.Row(0), g.Row(1), g.Row(2)};

    // Supply terminals and the wires on to the breaker, the K-50 and the
    // line switches.
    DrawSupplyTerminals(s, u, {lines[0], lines[1], lines[2]}, false);
    for (double y : lines) {
        s.Wire(16 * u, y, 20 * u, y);
        s.Wire(30 * u, y, 34 * u, y);
    }
    s.Label(QPointF(16 * u, lines[0] - 1.05 * th), QStringLiteral("SF"));
    DrawK50Block(s, K50Block(20 * u, lines[0], u), u);

    // Each line through its switch to the junction of its closure, then the
    // branch leaving it: switch, ammeter and R-X_L-X_C.
    for (int k = 0; k < 3; ++k) {
        const double y = lines[std::size_t(k)];
        const QString n = QString::number(k + 1);
        s.Label(QPointF(39.6 * u, y - 1.25 * th), QStringLiteral("S"), n);
        s.Wire(40 * u, y, 48 * u, y);
        s.Dot(QPointF(kJunction * u, y), 0.4 * u);
        s.Label(QPointF(53.6 * u, y - 1.25 * th), QStringLiteral("S"), QString::number(k + 4));
        s.Wire(54 * u, y, 58 * u, y);
        s.Meter(g.AmmeterCentre(k), threephase::kMeterRadius * u, QStringLiteral("A"), n);
        s.Wire(63.6 * u, y, kBranchStart * u, y);
        DrawLoadBranch(s, kBranchStart, y, u, n, kBranchEnd);
    }

    // The delta closures: AB ends on line B, BC on line C, and CA runs back
    // over the top to line A.
    const double end = kBranchEnd * u, junction = kJunction * u;
    s.Wires({QPointF(end, lines[0]), QPointF(end, H - 28 * u), QPointF(junction, H - 26 * u),
             QPointF(junction, lines[1])});
    s.Wires({QPointF(end, lines[1]), QPointF(end, H - 16 * u), QPointF(junction, H - 14 * u),
             QPointF(junction, lines[2])});
    s.Wires({QPointF(end, lines[2]), QPointF(105.6 * u, lines[2]), QPointF(105.6 * u, H - 40 * u),
             QPointF(junction, H - 38 * u), QPointF(junction, lines[0])});

    // Breaker SF: linkage and handle follow its blades; blades last, in red.
    DrawBreakerLinkage(s, u, lines, switches[0]);
    DrawBreakerBlades(s, u, lines, switches[0]);
    for (int k = 0; k < 3; ++k) {
        s.Blade(g.LineSwitchPivot(k), threephase::kBladeLength * u, kWireLeft, switches[std::size_t(1 + k)],
                BladeTurn::Clockwise);
        s.Blade(g.BranchSwitchPivot(k), threephase::kBladeLength * u, kWireLeft, switches[std::size_t(4 + k)],
                BladeTurn::Clockwise);
    }
}

} // namespace ohmaris
