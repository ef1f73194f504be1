// Pieces shared by the two three-phase benches (star and delta load): the
// entry rules of their parameter boxes, the source phase voltage and the
// admittance of one R-X_L-X_C branch.
#pragma once

#include "calc/entry.h"
#include "calc/phasor.h"

#include <array>
#include <cstdint>

namespace ohmaris {

// Line voltage box: the magnitude as typed, at most 1000 V.
inline const EntryRule kLineVoltageRule{0.0, 1000.0f, false};
// Element boxes: the offset keeps a typed 0 from reaching the model as an
// exact zero, so R is never 0 and every division stays defined.
inline const EntryRule kElementRule{0.01, 1000000.0f, false};

// R, X_L, X_C of one branch, as the element boxes hold them: index 3k is R,
// 3k+1 X_L and 3k+2 X_C of branch k.
using ElementArray = std::array<float, 9>;

// Phase voltage of the supply: U x S0 / sqrt(3).
float SourcePhaseVoltage(float lineVoltage, std::int16_t supplySwitch);

// Admittance of a series R-X_L-X_C branch behind a switch: magnitude
// S / |Z|, angle S x atan((X_C - X_L) / R). An open branch is the zero phasor.
Phasor BranchAdmittance(std::int16_t branchSwitch, float r, float xl, float xc);

} // namespace ohmaris
