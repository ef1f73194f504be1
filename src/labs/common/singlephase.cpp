// Shared single-phase circuit duties.
#include "labs/common/singlephase.h"

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

void SinglePhaseCircuit::Outputs(std::vector<double> &out) const
{
    const K50PhaseReadings k50 = K50Readings();
    AppendOutputs(out, MeterTargets(), k50.U, k50.I, k50.P);
}

void CoilCapacitorCircuit::Outputs(std::vector<double> &out) const
{
    SinglePhaseCircuit::Outputs(out);
    AppendOutputs(out, SupplyVoltage, CoilResistance, CoilInductance, Capacitance, CircuitCurrent, ActivePower);
}

} // namespace ohmaris
