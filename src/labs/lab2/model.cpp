// Lab 2 model: the series R-L-C computation and the voltmeter targets.
#include "labs/lab2/model.h"

#include "calc/meterdrive.h"
#include "calc/phasor.h"

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
