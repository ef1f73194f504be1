// SPDX-License-Identifier: GPL-3.0-or-later
// Shared three-phase schematic pieces.
#include "labs/common/bench_threephase_draw.h"

#include "calc/phasor.h"
#include "shell/schematic.h"

#include <QPainter>
#include <cmath>

namespace ohmaris {

namespace {

QPointF Along(QPointF from, QPointF to, double fraction)
{
    return from + (to - from) * fraction;
}

} // namespace

void DrawSupplyTerminals(Schematic &s, double u, const std::vector<double> &rows, bool lastIsNeutral)
{
    for (std::size_t k = 0; k < rows.size(); ++k) {
        const double y = rows[k];
        s.Circle(QPointF(6 * u, y), 0.4 * u);
        const bool neutral = lastIsNeutral && k + 1 == rows.size();
        const QString letter = neutral ? QStringLiteral("N") : QStringLiteral("L");
        const QString index = neutral ? QString() : QString::number(k + 1);
        const QSizeF size = s.LabelSize(letter, index);
        s.Label(QPointF(5 * u - size.width(), y - size.height() / 2), letter, index);
        s.Wire(6.4 * u, y, 10 * u, y);
    }
}

void DrawBreakerLinkage(Schematic &s, double u, const std::array<double, 3> &rows, int state)
{
    using namespace threephase;
    std::array<QPointF, 3> pivots, ends;
    for (std::size_t k = 0; k < 3; ++k) {
        pivots[k] = QPointF(kBreakerPivot * u, rows[k]);
        ends[k] = LineBladeEnd(pivots[k], u, state);
    }
    const double length = kBladeLength * u;
    for (double d : {2.4 * u, 3.6 * u})
        s.Wire(Along(pivots[0], ends[0], d / length), Along(pivots[2], ends[2], d / length));
    const double a = (1 - state) * kPi / 6;
    const QPointF up(std::sin(a), -std::cos(a)); // perpendicular to the top blade, upwards
    for (double d : {2 * u, 4 * u}) {
        const QPointF base = Along(pivots[0], ends[0], d / length);
        s.Wire(base, base + up * (1.2 * u));
    }
}

void DrawBreakerBlades(Schematic &s, double u, const std::array<double, 3> &rows, int state)
{
    for (double y : rows)
        s.Blade(QPointF(threephase::kBreakerPivot * u, y), threephase::kBladeLength * u, kWireLeft, state,
                BladeTurn::Clockwise);
}

void DrawK50Block(Schematic &s, const QRectF &block, double u)
{
    const double th = s.TextSize(QString()).height();
    s.Box(block);
    const std::array<QPointF, 3> meters = K50BlockMeters(block, u);
    const std::array<QString, 3> letters{QStringLiteral("V"), QStringLiteral("A"), QStringLiteral("W")};
    for (std::size_t k = 0; k < 3; ++k)
        s.Meter(meters[k], threephase::kMeterRadius * u, letters[k]);
    s.LabelBelow(block.center().x(), block.top() - 1.1 * th, QStringLiteral("K-50"));
}

void DrawLoadBranch(Schematic &s, double x0, double y, double u, const QString &n, double tailEnd)
{
    const double th = s.TextSize(QString()).height();
    // Resistor.
    s.Box(QRectF(QPointF(x0 * u, y - 1.6 * u), QPointF((x0 + 8) * u, y + 1.6 * u)));
    s.LabelBelow((x0 + 4) * u, y - 2 * u - 1.1 * th, QStringLiteral("R"), n);
    // Inductor: three upper half circles.
    s.Wire((x0 + 8) * u, y, (x0 + 12) * u, y);
    for (double c : {14.0, 18.0, 22.0})
        s.CoilTurn(QPointF((x0 + c) * u, y), 2 * u, TurnSide::Upper);
    s.LabelBelow((x0 + 18) * u, y - 2 * u - 1.1 * th, QStringLiteral("X"), QStringLiteral("L") + n);
    // Capacitor.
    const double plate = 16 * u / 7;
    s.Wire((x0 + 24) * u, y, (x0 + 28) * u, y);
    s.Plates(QPointF((x0 + 28) * u, y), QPointF((x0 + 29.6) * u, y), plate, false);
    s.Label(QPointF((x0 + 29.6) * u, y - plate - 1.05 * th), QStringLiteral("X"), QStringLiteral("C") + n);
    s.Wire((x0 + 29.6) * u, y, tailEnd * u, y);
}

} // namespace ohmaris
