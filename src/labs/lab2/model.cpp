// Lab 2 model: the series R-L-C computation, the voltmeter targets, the
// K-50 readings and the supply protection.
#include "labs/lab2/model.h"

#include "calc/phasor.h"
#include "labs/lab2/supply.h"

#include <cmath>

namespace ohmaris {

void Lab2Model::ComputeCircuit(double now)
{
    const int variant = VariantIndex(SwitchState[2]);
    CoilResistance = float(kVariantResistance[variant]);
    CoilInductance = float(kVariantInductance[variant]);
    SupplyVoltage = SupplyVoltageFor(SwitchState[3], SwitchState[0]);

    const double omega = double(kOmega);
    const double r = double(CoilResistance);
    const double open = double(1 - SwitchState[1]); // 0 when the bypass shorts C
    const double xl = double(CoilInductance) * omega;
    const double xc = open * 1000000.0 / (double(Capacitance) * omega);
    const double z = std::sqrt((xl - xc) * (xl - xc) + r * r);

    CircuitCurrent = float(double(SupplyVoltage) / z);
    const double i = double(CircuitCurrent);
    ActivePower = float(i * i * r);
    CoilVoltage = float(std::sqrt(xl * xl + r * r) * i);
    CapacitorVoltage = float(i * 1000000.0 * open / (double(Capacitance) * omega));

    Protection.NoteCurrent(ProtectedCurrent(), now);
}

double Lab2Model::ProtectedCurrent() const
{
    return RegulatedCurrent(SwitchState[3], CircuitCurrent);
}

Lab2Targets Lab2Model::Targets() const
{
    Lab2Targets t;
    t.V1 = double(CoilVoltage) * 150.0 / double(V1Range);
    t.V2 = double(CapacitorVoltage) * 150.0 / double(V2Range);
    return t;
}

K50PhaseReadings Lab2Model::K50Readings() const
{
    return SinglePhaseReadings(SupplyVoltage, CircuitCurrent, ActivePower);
}

void Lab2Model::StepVoltmeters(Lab2MeterValues &values) const
{
    const Lab2Targets t = Targets();
    values.V1 = MeterStep(values.V1, t.V1);
    values.V2 = MeterStep(values.V2, t.V2);
}

bool Lab2Model::ApplyProtection(double now)
{
    if (!Protection.Check(ProtectedCurrent(), now))
        return false;
    SwitchState[0] = 0;
    RecalcPending = true;
    return true;
}

} // namespace ohmaris
