// SPDX-License-Identifier: GPL-3.0-or-later
// Lab 3 model: the parallel coil and capacitor and the ammeter targets.
#include "labs/lab3/model.h"

#include "calc/meterdrive.h"
#include "calc/phasor.h"

#include <QCoreApplication>
#include <cmath>

namespace ohmaris {

void Lab3Model::ComputeCircuit(double now)
{
    TakeVariantAndSupply();

    const double omega = double(kOmega);
    const double u = double(SupplyVoltage);
    const double r = double(CoilResistance);
    const double connected = double(SwitchState[kCapacitorSwitch]);
    const double xl = omega * double(CoilInductance);
    const double d = r * r + xl * xl;
    // The capacitor's susceptance in siemens, 0 with the switch open.
    const double b = omega * 0.000001 * double(Capacitance) * connected;
    const double h = d * b - xl;
    // |1/(R + jXL) + jB| x D, kept as the 32-bit value the total is taken from.
    const double y = double(float(std::sqrt(r * r + h * h)));

    CircuitCurrent = float(u / d * y);
    CoilCurrent = float(u / std::sqrt(r * r + xl * xl));
    CapacitorCurrent = float(omega * u * 0.000001 * double(Capacitance) * connected);
    const double coil = double(CoilCurrent);
    ActivePower = float(coil * coil * r);

    Protection.NoteCurrent(ProtectedCurrent(), now);
    RecalcPending = false;
}

std::array<double, 2> Lab3Model::MeterTargets() const
{
    return {ScaleDivisions(CoilCurrent, 100.0, A1Range), ScaleDivisions(CapacitorCurrent, 100.0, A2Range)};
}

PhasorDiagram Lab3Model::Phasors() const
{
    using K = NamedPhasor::Kind;
    const double omega = double(kOmega);
    const double r = double(CoilResistance);
    const double xl = omega * double(CoilInductance);
    const double d2 = r * r + xl * xl;
    const double b = omega * 0.000001 * double(Capacitance) * double(SwitchState[kCapacitorSwitch]);
    // The total admittance 1/(R + jX_L) + jB is (R + j(D B - X_L)) / D.
    const double total = std::atan2(d2 * b - xl, r);

    PhasorDiagram d = SupplyDiagram(3, SupplyVoltage);
    d.Add(K::Current, QStringLiteral("I"), QT_TRANSLATE_NOOP("PhasorDiagram", "total current (K-50 A)"),
          {CircuitCurrent, total});
    d.Add(K::Current, QStringLiteral("I_1"), QT_TRANSLATE_NOOP("PhasorDiagram", "coil current (A1)"),
          {CoilCurrent, -std::atan2(xl, r)});
    d.Add(K::Current, QStringLiteral("I_2"), QT_TRANSLATE_NOOP("PhasorDiagram", "capacitor current (A2)"),
          {CapacitorCurrent, kHalfPi});
    return d;
}

Quantities Lab3Model::Results() const
{
    const QString amp = QStringLiteral("A");
    Quantities q;
    AddSupplyAndElements(q);
    q.Add(QStringLiteral("CircuitCurrent"), amp, QStringLiteral("the total current drawn from the supply (K-50)"),
          CircuitCurrent);
    q.Add(QStringLiteral("CoilCurrent"), amp, QStringLiteral("the coil branch (A1)"), CoilCurrent);
    q.Add(QStringLiteral("CapacitorCurrent"), amp, QStringLiteral("the capacitor branch (A2)"), CapacitorCurrent);
    q.Add(QStringLiteral("ActivePower"), QStringLiteral("W"), QStringLiteral("I_coil^2 R"), ActivePower);
    AddOverloadFlag(q);
    return q;
}

} // namespace ohmaris
