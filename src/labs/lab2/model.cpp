// SPDX-License-Identifier: GPL-3.0-or-later
// Lab 2 model: the series R-L-C computation and the voltmeter targets.
#include "labs/lab2/model.h"

#include "calc/meterdrive.h"
#include "calc/phasor.h"

#include <QCoreApplication>
#include <cmath>

namespace ohmaris {

void Lab2Model::ComputeCircuit(double now)
{
    TakeVariantAndSupply();

    const double omega = double(kOmega);
    const double r = double(CoilResistance);
    const double open = double(1 - SwitchState[kCapacitorSwitch]); // 0 when the bypass shorts C
    const double xl = double(CoilInductance) * omega;
    const double xc = open * 1000000.0 / (double(Capacitance) * omega);
    const double z = std::sqrt((xl - xc) * (xl - xc) + r * r);

    CircuitCurrent = float(double(SupplyVoltage) / z);
    const double i = double(CircuitCurrent);
    ActivePower = float(i * i * r);
    CoilVoltage = float(std::sqrt(xl * xl + r * r) * i);
    CapacitorVoltage = float(i * 1000000.0 * open / (double(Capacitance) * omega));

    Protection.NoteCurrent(ProtectedCurrent(), now);
    RecalcPending = false;
}

std::array<double, 2> Lab2Model::MeterTargets() const
{
    return {ScaleDivisions(CoilVoltage, 150.0, V1Range), ScaleDivisions(CapacitorVoltage, 150.0, V2Range)};
}

PhasorDiagram Lab2Model::Phasors() const
{
    using K = NamedPhasor::Kind;
    const double omega = double(kOmega);
    const double r = double(CoilResistance);
    const double open = double(1 - SwitchState[kCapacitorSwitch]);
    const double xl = double(CoilInductance) * omega;
    const double xc = open * 1000000.0 / (double(Capacitance) * omega);
    // The current lags the supply by the circuit's angle; the coil's
    // voltage leads the current by the coil's own, the capacitor's lags it
    // by a quarter turn.
    const double current = -std::atan2(xl - xc, r);
    const double i = double(CircuitCurrent);

    PhasorDiagram d = SupplyDiagram(2, SupplyVoltage);
    d.Add(K::Current, QStringLiteral("I"), QT_TRANSLATE_NOOP("PhasorDiagram", "current (K-50 A)"),
          {CircuitCurrent, current});
    d.Add(K::Voltage, QStringLiteral("U_1"), QT_TRANSLATE_NOOP("PhasorDiagram", "coil voltage (V1)"),
          {CoilVoltage, current + std::atan2(xl, r)});
    const int ur = d.Add(K::Voltage, QStringLiteral("U_R"),
                         QT_TRANSLATE_NOOP("PhasorDiagram", "active component of the coil voltage"),
                         {float(i * r), current}, -1, true);
    d.Add(K::Voltage, QStringLiteral("U_L"), QT_TRANSLATE_NOOP("PhasorDiagram", "reactive component of the coil voltage"),
          {float(i * xl), current + kHalfPi}, ur, true);
    d.Add(K::Voltage, QStringLiteral("U_2"), QT_TRANSLATE_NOOP("PhasorDiagram", "capacitor voltage (V2)"),
          {CapacitorVoltage, current - kHalfPi});
    return d;
}

Quantities Lab2Model::Results() const
{
    const QString volt = QStringLiteral("V");
    Quantities q;
    AddSupplyAndElements(q);
    q.Add(QStringLiteral("CircuitCurrent"), QStringLiteral("A"), QStringLiteral("the series current"), CircuitCurrent);
    q.Add(QStringLiteral("ActivePower"), QStringLiteral("W"), QStringLiteral("I^2 R"), ActivePower);
    q.Add(QStringLiteral("CoilVoltage"), volt, QStringLiteral("across the coil, R and L together (V1)"), CoilVoltage);
    q.Add(QStringLiteral("CapacitorVoltage"), volt, QStringLiteral("across the capacitor (V2)"), CapacitorVoltage);
    AddOverloadFlag(q);
    return q;
}

} // namespace ohmaris
