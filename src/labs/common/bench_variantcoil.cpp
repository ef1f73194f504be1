// SPDX-License-Identifier: GPL-3.0-or-later
// The variant coil on the top rail of a single-phase schematic.
#include "labs/common/bench_variantcoil.h"

#include "shell/schematic.h"

namespace ohmaris {

namespace {

using namespace variantcoil;

double LabelTop(const AcGrid &g, const QFont &font, double points)
{
    const QSizeF s = SubscriptLabelSize(font, points, QStringLiteral("L"), QStringLiteral("7"));
    return g.y1 - 1.4 * g.u - s.height();
}

double ResistorMiddle(double start)
{
    return start + (kResistorLeft + kResistorRight) / 2;
}

} // namespace

void DrawVariantCoil(Schematic &s, const AcGrid &g, double start)
{
    const double u = g.u;
    for (int k = 0; k < 3; ++k)
        s.CoilTurn(QPointF(g.X(start + 1 + 2 * k), g.y1), u, TurnSide::Upper);
    s.Wire(g.X(start + kTurnsLength), g.y1, g.X(start + kResistorLeft), g.y1);
    s.Box(QRectF(g.X(start + kResistorLeft), g.y1 - u, g.X(kResistorRight - kResistorLeft), 2 * u));
}

void DrawVariantCoilBox(Schematic &s, const AcGrid &g, double start, int variant)
{
    const double u = g.u;
    s.DashedBox(QRectF(g.X(start - 1.2), g.y1 - 5.5 * u, g.X(23), 9 * u), 1 * 15.0);
    const QString index = QString::number(variant);
    const double top = LabelTop(g, s.font(), s.points());
    s.LabelBelow(g.X(start + 3), top, QStringLiteral("L"), index);
    s.LabelBelow(g.X(ResistorMiddle(start)), top, QStringLiteral("R"), index);
}

QRectF VariantCoilLabelArea(const AcGrid &g, const QFont &font, double points, double start)
{
    const QSizeF l = SubscriptLabelSize(font, points, QStringLiteral("L"), QStringLiteral("7"));
    const QSizeF r = SubscriptLabelSize(font, points, QStringLiteral("R"), QStringLiteral("7"));
    const double top = LabelTop(g, font, points);
    const double left = g.X(start + 3) - l.width() / 2;
    const double right = g.X(ResistorMiddle(start)) + r.width() / 2;
    return {left, top, right - left, std::max(l.height(), r.height())};
}

} // namespace ohmaris
