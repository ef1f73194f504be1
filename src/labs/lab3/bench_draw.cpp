// SPDX-License-Identifier: GPL-3.0-or-later
// Lab 3 schematic painting: the two parallel branches right of the K-50.
#include "labs/lab3/bench_draw.h"

#include "labs/common/bench_variantcoil.h"
#include "labs/common/singlephase.h"
#include "shell/schematic.h"

namespace ohmaris {

void DrawLab3LoadSide(Schematic &s, const AcGrid &g, const CoilCapacitorCircuit &circuit)
{
    using namespace lab3;
    const double u = g.u;
    const double mid = g.Mid();
    const double r = kAmmeterRadius * u;
    const double ax = g.X(kAmmeterX);

    // Coil branch: along the top rail through A1 and the coil, then down to
    // the bottom rail, which runs back to the K-50.
    s.Wire(g.X(acsupply::kK50Right), g.y1, ax - r, g.y1);
    s.Meter(QPointF(ax, g.y1), r, QStringLiteral("A"), QStringLiteral("1"));
    s.Wire(ax + r, g.y1, g.X(kCoilStart), g.y1);
    DrawVariantCoil(s, g, kCoilStart);
    const double coilReturn = g.X(kCoilReturnX);
    s.Wires({QPointF(g.X(kCoilStart + variantcoil::kLength), g.y1), QPointF(coilReturn, g.y1),
             QPointF(coilReturn, g.y0)});
    s.Wire(g.X(acsupply::kK50Right), g.y0, coilReturn, g.y0);
    DrawVariantCoilBox(s, g, kCoilStart, circuit.SwitchState[CoilCapacitorCircuit::kVariant]);

    // Capacitor branch: down from the top rail to the switch, from its pivot
    // along mid height through A2 and the capacitor, then down to the
    // bottom rail on its own.
    const double bx = g.X(kBranchX);
    const double contact = g.y1 + kSwitchContactDrop * u;
    const QPointF pivot = CapacitorSwitchPivot(g);
    s.Wire(bx, g.y1, bx, contact);
    s.Wire(bx - 0.6 * u, contact, bx, contact); // the fixed contact
    s.Wires({pivot, QPointF(bx, mid), QPointF(ax - r, mid)});
    s.Meter(QPointF(ax, mid), r, QStringLiteral("A"), QStringLiteral("2"));
    const double first = g.X(kCapacitorX - kPlateGap / 2), second = g.X(kCapacitorX + kPlateGap / 2);
    s.Wire(ax + r, mid, first, mid);
    s.Plates(QPointF(first, mid), QPointF(second, mid), kPlateHalf * u, false);
    const double capacitorReturn = g.X(kCapacitorReturnX);
    s.Wires({QPointF(second, mid), QPointF(capacitorReturn, mid), QPointF(capacitorReturn, g.y0)});
    s.Spot(QPointF(bx, g.y1), 0.3 * u);
    s.Spot(QPointF(capacitorReturn, g.y0), 0.3 * u);

    // "C" beside the second plate, above the wire; "S" right of its blade,
    // which leans left when open.
    const QSizeF c = s.TextSize(QStringLiteral("C"));
    s.Text(QPointF(second + 0.5 * u, mid - 1.5 * u - c.height() / 2), QStringLiteral("C"));
    s.Blade(pivot, kSwitchLength * u, kWireUp, circuit.SwitchState[CoilCapacitorCircuit::kCapacitorSwitch]);
    const QSizeF sz = s.TextSize(QStringLiteral("S"));
    s.Text(QPointF(bx + 1.2 * u, (contact + pivot.y()) / 2 - sz.height() / 2), QStringLiteral("S"));
}

} // namespace ohmaris
