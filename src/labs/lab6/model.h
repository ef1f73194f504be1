// SPDX-License-Identifier: GPL-3.0-or-later
// Lab 6 circuit model: a three-phase three-wire supply feeding a delta load
// of three R-X_L-X_C branches (AB, BC, CA), with a supply switch, a switch in
// each line wire and one in each branch. Turns the line voltage, the nine
// element values and the seven switches into branch and line currents and
// the K-50 wattmeter's phase powers, and guards the supply breaker on the
// largest of the six currents. Pure computation: times arrive as arguments.
#pragma once

#include "calc/labcalc.h"
#include "labs/common/threephase.h"

#include <array>
#include <cstdint>

namespace ohmaris {

// Indexes of SwitchState.
enum class Lab6Switch : int {
    Supply = 0,
    LineA = 1,
    LineB = 2,
    LineC = 3,
    BranchAB = 4,
    BranchBC = 5,
    BranchCA = 6,
};

class Lab6Model : public ThreePhaseCircuit {
public:
    static constexpr int kSwitches = 7;
    // Element boxes as the bench writes them at load, R, X_L, X_C of the
    // branches AB, BC, CA.
    static constexpr ElementArray kDefaultElements{120, 150, 50, 120, 150, 50, 120, 150, 50};

    Lab6Model();

    std::array<std::int16_t, kSwitches> SwitchState{}; // 0 open, 1 closed

    // Results besides the shared ones: |I_AB|, |I_BC|, |I_CA| and
    // |I_A|, |I_B|, |I_C|.
    std::array<float, 3> BranchCurrent{};
    std::array<float, 3> LineCurrent{};
    // The same as phasors, against the star-equivalent phase A voltage.
    std::array<Phasor, 3> BranchCurrentPhasor{};
    std::array<Phasor, 3> LineCurrentPhasor{};

    // Ranges of the branch ammeters A1, A2, A3: 1, 2.5 or 5 A each.
    std::array<float, 3> AmmeterRange{5.0f, 5.0f, 5.0f};

    const ElementArray &DefaultElements() const override { return kDefaultElements; }

    int SwitchCount() const override { return kSwitches; }
    std::int16_t &Switch(int index) override { return SwitchState[std::size_t(index)]; }
    std::int16_t Switch(int index) const override { return SwitchState[std::size_t(index)]; }

    void ComputeCircuit(double now) override;

    // A1, A2, A3 on the branch currents, 100 divisions each.
    int MeterCount() const override { return 3; }
    float &MeterRange(int meter) override { return AmmeterRange[std::size_t(meter)]; }
    std::array<double, kMaxMeters> MeterTargets() const override;
    Quantities Results() const override;
    // The line voltages across the branches, the branch currents and the
    // line currents.
    PhasorDiagram Phasors() const override;
    // The K-50 sits in the line wires: it measures the line currents, with
    // the star-equivalent phase voltages and the powers worked from them.
    K50PhaseReadings K50Readings() const override;
};

// The calculator's inputs as this model holds them, under the calculator's
// names (calc.cpp): given to the lab's calculator, they make the same model.
std::vector<CalcSetting> CalcSettings(const Lab6Model &model);

} // namespace ohmaris
