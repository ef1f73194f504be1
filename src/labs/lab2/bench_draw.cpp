// SPDX-License-Identifier: GPL-3.0-or-later
// Lab 2 schematic painting: the series circuit right of the K-50.
#include "labs/lab2/bench_draw.h"

#include "labs/common/bench_variantcoil.h"
#include "labs/common/singlephase.h"
#include "shell/schematic.h"

#include <QPainter>

namespace ohmaris {

void DrawLab2LoadSide(Schematic &s, const AcGrid &g, const CoilCapacitorCircuit &circuit)
{
    using namespace lab2;
    const double u = g.u;
    const double mid = g.Mid();

    // The rails, with the coil in the top one; the variant is its subscript.
    s.Wire(g.X(acsupply::kK50Right), g.y1, g.X(kCoilStart), g.y1);
    DrawVariantCoil(s, g, kCoilStart);
    s.Wire(g.X(kCoilStart + variantcoil::kLength), g.y1, g.X(kBypassX), g.y1);
    s.Wire(g.X(acsupply::kK50Right), g.y0, g.X(kBypassX), g.y0);
    DrawVariantCoilBox(s, g, kCoilStart, circuit.SwitchState[CoilCapacitorCircuit::kVariant]);

    // V1 across the coil, below its box.
    const double vr = kVoltmeterRadius * u;
    const double v1y = g.y1 + kV1Drop * u;
    s.Wire(g.X(kV1Left), g.y1, g.X(kV1Left), v1y);
    s.Wire(g.X(kV1Left), v1y, g.X(kV1X) - vr, v1y);
    s.Circle(QPointF(g.X(kV1X), v1y), vr);
    s.Wire(g.X(kV1X) + vr, v1y, g.X(kV1Right), v1y);
    s.Wire(g.X(kV1Right), v1y, g.X(kV1Right), g.y1);
    s.Spot(QPointF(g.X(kV1Left), g.y1), 0.3 * u);
    s.Spot(QPointF(g.X(kV1Right), g.y1), 0.3 * u);

    // V2 across the capacitor branch.
    s.Wire(g.X(kV2X), g.y1, g.X(kV2X), mid - vr);
    s.Circle(QPointF(g.X(kV2X), mid), vr);
    s.Wire(g.X(kV2X), mid + vr, g.X(kV2X), g.y0);
    for (double x : {kV2X, kCapacitorX}) {
        s.Spot(QPointF(g.X(x), g.y1), 0.3 * u);
        s.Spot(QPointF(g.X(x), g.y0), 0.3 * u);
    }
    const QSizeF v = s.LabelSize(QStringLiteral("V"), QStringLiteral("1"));
    for (const auto &[x, y, index] : {std::tuple{kV1X, v1y, "1"}, std::tuple{kV2X, mid, "2"}})
        s.Label(QPointF(g.X(x) - v.width() / 2, y - v.height() / 2), QStringLiteral("V"), QString::fromLatin1(index));

    // Capacitor: two plates in the right-hand branch.
    const double upper = mid - 1.2 * u, lower = mid + 0.4 * u;
    s.Wire(g.X(kCapacitorX), g.y1, g.X(kCapacitorX), upper);
    s.Plates(QPointF(g.X(kCapacitorX), upper), QPointF(g.X(kCapacitorX), lower), g.X(kPlateHalf), true);
    s.Wire(g.X(kCapacitorX), lower, g.X(kCapacitorX), g.y0);
    const QSizeF c = s.TextSize(QStringLiteral("C"));
    s.Text(QPointF(g.X(kCapacitorX + kPlateHalf + 0.5), mid - 0.4 * u - c.height() / 2), QStringLiteral("C"));

    // Bypass switch "S" in the outer branch, parallel to the capacitor.
    const QPointF pivot = BypassPivot(g);
    s.Wire(g.X(kBypassX), g.y1, g.X(kBypassX), mid - kBypassHalf * u);
    s.Wire(g.X(kBypassX) - 0.6 * u, mid - kBypassHalf * u, g.X(kBypassX), mid - kBypassHalf * u);
    s.Wire(pivot.x(), pivot.y(), g.X(kBypassX), g.y0);
    s.Blade(pivot, kBypassLength * u, kWireUp, circuit.SwitchState[CoilCapacitorCircuit::kCapacitorSwitch]);
    const QSizeF sz = s.TextSize(QStringLiteral("S"));
    s.Text(QPointF(g.X(kBypassX + 1.2), mid - sz.height() / 2), QStringLiteral("S"));
}

} // namespace ohmaris
