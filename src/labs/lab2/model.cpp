// Lab 2 model: the series R-L-C computation, the meter targets and the
// supply protection.
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

Lab2Targets Lab2Model::Targets(int selectedPhase) const
{
    const double f = SelectorFactor(selectedPhase);
    Lab2Targets t;
    t.V1 = double(CoilVoltage) * 150.0 / double(V1Range);
    t.V2 = double(CapacitorVoltage) * 150.0 / double(V2Range);
    t.K50Voltmeter = double(SupplyVoltage) * 150.0 / double(K50VoltageRange) * f;
    t.K50Ammeter = f * (double(CircuitCurrent) * 100.0 / double(K50CurrentRange));
    t.K50Wattmeter = f * (double(ActivePower) * 150.0 / double(K50PowerRange));
    return t;
}

void Lab2Model::UpdateInstruments(Lab2MeterValues &values, int selectedPhase, double now)
{
    const Lab2Targets t = Targets(selectedPhase);
    values.V1 = MeterStep(values.V1, t.V1);
    values.V2 = MeterStep(values.V2, t.V2);
    values.K50Voltmeter = MeterStep(values.K50Voltmeter, t.K50Voltmeter);
    values.K50Ammeter = MeterStep(values.K50Ammeter, t.K50Ammeter);
    values.K50Wattmeter = MeterStep(values.K50Wattmeter, t.K50Wattmeter);
    ApplyProtection(now);
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
