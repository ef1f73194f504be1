// SPDX-License-Identifier: GPL-3.0-or-later
// Shared single-phase circuit duties.
#include "labs/common/singlephase.h"

#include <QCoreApplication>

namespace ohmaris {

bool SinglePhaseCircuit::TripOn(double protectedCurrent, double now)
{
    if (!Protection.Check(protectedCurrent, now))
        return false;
    SwitchState[kBreaker] = 0;
    RecalcPending = true;
    return true;
}

void CoilCapacitorCircuit::TakeVariantAndSupply()
{
    const int variant = VariantIndex(SwitchState[kVariant]);
    CoilResistance = float(kVariantResistance[variant]);
    CoilInductance = float(kVariantInductance[variant]);
    SupplyVoltage = SupplyVoltageFor(SwitchState[kStep], SwitchState[kBreaker]);
}

double CoilCapacitorCircuit::ProtectedCurrent() const
{
    return RegulatedCurrent(SwitchState[kStep], CircuitCurrent);
}

K50PhaseReadings CoilCapacitorCircuit::K50Readings() const
{
    return SinglePhaseReadings(SupplyVoltage, CircuitCurrent, ActivePower);
}

bool CoilCapacitorCircuit::ApplyProtection(double now)
{
    return TripOn(ProtectedCurrent(), now);
}

PhasorDiagram SinglePhaseCircuit::SupplyDiagram(int lab, float supplyVoltage)
{
    PhasorDiagram d;
    d.lab = lab;
    d.reference = QT_TRANSLATE_NOOP("PhasorDiagram", "the supply voltage U at 0°");
    d.Add(NamedPhasor::Kind::Voltage, QStringLiteral("U"), QT_TRANSLATE_NOOP("PhasorDiagram", "supply voltage (K-50 V)"),
          {supplyVoltage, 0.0});
    return d;
}

void SinglePhaseCircuit::AddOverloadFlag(Quantities &q, const QString &help) const
{
    q.Add(QStringLiteral("OverloadFlag"), QString(), help, int(Protection.OverloadFlag));
}

void CoilCapacitorCircuit::AddSupplyAndElements(Quantities &q) const
{
    q.Add(QStringLiteral("SupplyVoltage"), QStringLiteral("V"), QStringLiteral("U after the breaker"), SupplyVoltage);
    q.Add(QStringLiteral("CoilResistance"), QStringLiteral("Ohm"), QStringLiteral("R of the variant"), CoilResistance);
    q.Add(QStringLiteral("CoilInductance"), QStringLiteral("H"), QStringLiteral("L of the variant"), CoilInductance);
    q.Add(QStringLiteral("Capacitance"), QStringLiteral("uF"), QStringLiteral("C as stored"), Capacitance);
}

void CoilCapacitorCircuit::AddOverloadFlag(Quantities &q) const
{
    SinglePhaseCircuit::AddOverloadFlag(q, QStringLiteral("1 while step x I / 12 exceeds 5 A"));
}

} // namespace ohmaris
