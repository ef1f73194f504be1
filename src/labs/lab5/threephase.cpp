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

} // namespace ohmaris
