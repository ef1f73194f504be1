// SPDX-License-Identifier: GPL-3.0-or-later
// Lab 1 circuit model: a two-node DC circuit with two sources, three branches
// and five switches. Pure computation on the window's state; the bench owns
// one instance and drives it from its timer.
#pragma once

#include "calc/labcalc.h"
#include "calc/quantity.h"

#include <array>
#include <cstdint>

namespace ohmaris {

// Default element values: E1, R01, E2, R02, R1, R2, R3.
constexpr std::array<float, 7> kLab1Defaults{24.0f, 1.5f, 14.0f, 5.0f, 10.0f, 15.0f, 8.0f};

// Index of the voltmeter selector position in SwitchState.
constexpr int kLab1Selector = 5;

// The resistances the computation works with: each entry plus the small
// constant the model adds, so an entered 0 still leaves a finite path.
struct Lab1Resistances {
    float r1 = 0.0f;  // R01 + 0.001, internal resistance of source 1
    float r2 = 0.0f;  // R02 + 0.0015, internal resistance of source 2
    float R1p = 0.0f; // R1 + 0.01
    float R2p = 0.0f; // R2 + 0.02
    float R3p = 0.0f; // R3 + 0.05
};

struct Lab1Model {
    // [0] E1, [1] R01, [2] E2, [3] R02, [4] R1, [5] R2, [6] R3 (volts, ohms).
    std::array<float, 7> ElementValues = kLab1Defaults;
    // [0..4] S1..S5 (0 open, 1 closed); [5] voltmeter selector position 1..5.
    std::array<std::int16_t, 6> SwitchState{0, 0, 0, 0, 0, 1};
    float NodeVoltage = 0.0f;                   // U, node b against node d
    std::array<float, 3> BranchCurrent{};       // I1 (a to b), I2 (c to b), I3 (b to d)
    std::array<float, 5> VoltmeterTarget{};     // ab, ad, bd, cb, cd
    bool RecalcPending = true;

    // The entries with the model's added constants.
    Lab1Resistances Resistances() const;
    // Back to the state of a freshly loaded window.
    void Reset() { *this = Lab1Model{}; }

    // Recomputes NodeVoltage, BranchCurrent and VoltmeterTarget from the
    // element values and S1..S5, then clears RecalcPending.
    void ComputeCircuit();

    // The voltage the selector picks; a position outside 1..5 reads 0.
    float SelectedVoltage() const;
    // Every result, named once, in the order they are printed.
    Quantities Results() const;
};

// The four pointers in their update order: A1, A3, A2, V.
struct Lab1Meters {
    float A1 = 0.0f;
    float A3 = 0.0f;
    float A2 = 0.0f;
    float V = 0.0f;
};

// Targets of the four meters from the model: I1, I3, I2 and the selected voltage.
Lab1Meters Lab1MeterTargets(const Lab1Model &model);
// Moves every pointer one step towards its target, A1, A3, A2, V in that order.
Lab1Meters Lab1MeterStep(const Lab1Meters &present, const Lab1Model &model);

// The calculator's inputs as this model holds them, under the calculator's
// names (calc.cpp): given to the lab's calculator, they make the same model.
std::vector<CalcSetting> CalcSettings(const Lab1Model &model);

} // namespace ohmaris
