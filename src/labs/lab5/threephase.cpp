// Three-phase helpers shared by the star and delta benches.
#include "labs/lab5/threephase.h"

#include <cmath>

namespace ohmaris {

float SourcePhaseVoltage(float lineVoltage, std::int16_t supplySwitch)
{
    const double sqrt3 = std::pow(3.0, 0.5);
    return float(double(lineVoltage) * double(supplySwitch) / sqrt3);
}

Phasor BranchAdmittance(std::int16_t branchSwitch, float r, float xl, float xc)
{
    const double s = branchSwitch;
    const double x = double(xl) - double(xc);
    Phasor y;
    y.Magnitude = float(s / std::sqrt(x * x + double(r) * double(r)));
    y.Angle = s * std::atan((double(xc) - double(xl)) / double(r));
    return y;
}

void K50Ranges::SetCurrentRange(float amperes)
{
    K50CurrentRange = amperes;
    K50PowerRange = float(double(K50CurrentRange) * double(K50VoltageRange));
}

void K50Ranges::SetVoltageRange(float volts)
{
    K50VoltageRange = volts;
    K50PowerRange = float(double(K50CurrentRange) * double(K50VoltageRange));
}

K50Targets K50MeterTargets(const K50Ranges &ranges, float voltage, float current, float power)
{
    K50Targets t;
    t.voltmeter = float(double(voltage) * 150.0 / double(ranges.K50VoltageRange));
    t.ammeter = float(double(current) * 100.0 / double(ranges.K50CurrentRange));
    t.wattmeter = float(double(power) * 150.0 * double(ranges.PowerSign)
                        / double(ranges.K50PowerRange));
    return t;
}

} // namespace ohmaris
