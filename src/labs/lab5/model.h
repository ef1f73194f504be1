// SPDX-License-Identifier: GPL-3.0-or-later
// Lab 5 circuit model: a three-phase four-wire supply feeding a star load of
// three R-X_L-X_C branches, with a supply switch, a switch per branch and one
// in the neutral wire. Turns the line voltage, the nine element values and
// the switches into phase voltages, currents, wattmeter powers, the neutral
// current and the star-point displacement, and guards the supply breaker.
// Pure computation: times arrive as arguments, no clock is read here.
#pragma once

#include "calc/labcalc.h"
#include "calc/entry.h"
#include "calc/protection.h"
#include "labs/common/threephase.h"

#include <QString>
#include <array>
#include <cstdint>

namespace ohmaris {

// Indexes of SwitchState.
enum class Lab5Switch : int { Supply = 0, PhaseA = 1, PhaseB = 2, PhaseC = 3, Neutral = 4 };

class Lab5Model : public ThreePhaseCircuit {
public:
    static constexpr int kSwitches = 5;
    // Element boxes as the bench writes them at load, R, X_L, X_C per phase.
    static constexpr ElementArray kDefaultElements{120, 200, 50, 120, 200, 50, 120, 200, 50};

    Lab5Model();

    std::array<std::int16_t, kSwitches> SwitchState{}; // 0 open, 1 closed

    // Results besides the shared ones.
    std::array<float, 3> PhaseCurrent{};
    float NeutralCurrent = 0.0f;
    float NeutralVoltage = 0.0f;
    // The same as phasors, against phase A's source voltage: the phase
    // currents, the star point's displacement (zero while the neutral wire
    // holds it) and the neutral-wire current.
    std::array<Phasor, 3> PhaseCurrentPhasor{};
    Phasor NeutralVoltagePhasor;
    Phasor NeutralCurrentPhasor;

    // Ranges of the meters A1 and V1 (the K-50 panel keeps its own).
    float AmmeterRange = 5.0f;   // A1: 0.5, 1, 2.5 or 5 A
    float VoltmeterRange = 450.0f; // V1: 50, 150, 300 or 450 V

    const ElementArray &DefaultElements() const override { return kDefaultElements; }
    // The ranges of A1 and V1 back to their defaults.
    void ResetRanges();

    int SwitchCount() const override { return kSwitches; }
    std::int16_t &Switch(int index) override { return SwitchState[std::size_t(index)]; }
    std::int16_t Switch(int index) const override { return SwitchState[std::size_t(index)]; }

    void ComputeCircuit(double now) override;

    // The source phase voltages as phasors: A at 0, B at -2pi/3, C at +2pi/3.
    std::array<Phasor, 3> SourcePhasors() const;

    // A1 (neutral current, 100 divisions) and V1 (star-point displacement,
    // 150 divisions).
    int MeterCount() const override { return 2; }
    float &MeterRange(int meter) override { return meter == 0 ? AmmeterRange : VoltmeterRange; }
    std::array<double, kMaxMeters> MeterTargets() const override;
    Quantities Results() const override;
    // The source phase voltages, the phase currents, and either the
    // neutral-wire current or the star point's shift U_N with the load's
    // phase voltages drawn from the shifted point.
    PhasorDiagram Phasors() const override;
    // The phase voltages, currents and wattmeter powers as they stand.
    K50PhaseReadings K50Readings() const override;
};

// The calculator's inputs as this model holds them, under the calculator's
// names (calc.cpp): given to the lab's calculator, they make the same model.
std::vector<CalcSetting> CalcSettings(const Lab5Model &model);

} // namespace ohmaris
