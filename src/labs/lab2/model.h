// SPDX-License-Identifier: GPL-3.0-or-later
// Lab 2 model: a coil (R and L of the chosen variant) in series with a
// capacitor, fed from the mains through the regulator "AT" and the breaker
// "SF", with a switch "S" that shorts the capacitor. Pure computation on the
// window's state; the window passes in the time from its clock.
#pragma once

#include "calc/labcalc.h"
#include "labs/common/singlephase.h"

#include <array>

namespace ohmaris {

class Lab2Model : public CoilCapacitorCircuit {
public:
    // SwitchState: [0] breaker "SF", [1] capacitor bypass "S" (1 = capacitor
    // shorted), [2] variant 1..7, [3] regulator step 0..12.

    float CoilVoltage = 0.0f;      // V, across R and L together
    float CapacitorVoltage = 0.0f; // V

    float V1Range = 750.0f;
    float V2Range = 750.0f;

    // Recomputes every computed field from the switches, the capacitance and
    // the variant tables; `now` is the window clock's time in seconds.
    void ComputeCircuit(double now) override;

    // Where V1 and V2 head, in scale divisions.
    std::array<double, 2> MeterTargets() const override;
    float &MeterRange(int meter) override { return meter == 0 ? V1Range : V2Range; }
    Quantities Results() const override;
    // U, I, the coil's U_1 with its components U_R and U_L (drawn where
    // they add up to U_1), and the capacitor's U_2.
    PhasorDiagram Phasors() const override;
};

// The calculator's inputs as this model holds them, under the calculator's
// names (calc.cpp): given to the lab's calculator, they make the same model.
std::vector<CalcSetting> CalcSettings(const Lab2Model &model);

} // namespace ohmaris
