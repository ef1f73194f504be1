// SPDX-License-Identifier: GPL-3.0-or-later
// Lab 3 model: a coil (R and L of the chosen variant) in parallel with a
// capacitor that the switch "S" connects, fed from the mains through the
// regulator "AT" and the breaker "SF". Ammeter A1 is in the coil branch, A2
// in the capacitor branch; the K-50 measures the total current. Pure
// computation on the window's state; the window passes in the time from its
// clock.
#pragma once

#include "calc/labcalc.h"
#include "labs/common/singlephase.h"

#include <array>

namespace ohmaris {

class Lab3Model : public CoilCapacitorCircuit {
public:
    // SwitchState: [0] breaker "SF", [1] capacitor switch "S" (1 = capacitor
    // connected), [2] variant 1..7, [3] regulator step 0..12.

    float CoilCurrent = 0.0f;      // A, through R and L
    float CapacitorCurrent = 0.0f; // A

    float A1Range = 10.0f;
    float A2Range = 10.0f;

    // Recomputes every computed field from the switches, the capacitance and
    // the variant tables; `now` is the window clock's time in seconds.
    void ComputeCircuit(double now) override;

    // Where A1 and A2 head, in scale divisions.
    std::array<double, 2> MeterTargets() const override;
    float &MeterRange(int meter) override { return meter == 0 ? A1Range : A2Range; }
    Quantities Results() const override;
    // U, the total current I and the branch currents I_1 (coil) and I_2
    // (capacitor).
    PhasorDiagram Phasors() const override;
};

// The calculator's inputs as this model holds them, under the calculator's
// names (calc.cpp): given to the lab's calculator, they make the same model.
std::vector<CalcSetting> CalcSettings(const Lab3Model &model);

} // namespace ohmaris
