// Lab 5 circuit model: a three-phase four-wire supply feeding a star load of
// three R-X_L-X_C branches, with a supply switch, a switch per branch and one
// in the neutral wire. Turns the line voltage, the nine element values and
// the switches into phase voltages, currents, wattmeter powers, the neutral
// current and the star-point displacement, and guards the supply breaker.
// Pure computation: times arrive as arguments, no clock is read here.
#pragma once

#include "calc/entry.h"
#include "calc/protection.h"
#include "labs/lab5/threephase.h"

#include <QString>
#include <array>
#include <cstdint>

namespace ohmaris {

// Indexes of SwitchState.
enum class Lab5Switch : int { Supply = 0, PhaseA = 1, PhaseB = 2, PhaseC = 3, Neutral = 4 };

// Pointer targets of the bench's own meters A1 and V1, in scale divisions.
// The K-50 panel takes PhaseVoltage, PhaseCurrent and PhasePower as they
// stand and makes its own targets.
struct Lab5Targets {
    float ammeterA1 = 0.0f;  // neutral current, 100-division scale
    float voltmeterV1 = 0.0f; // star-point displacement, 150 divisions
};

class Lab5Model {
public:
    static constexpr int kSwitches = 5;
    // Element boxes as the bench writes them at load, R, X_L, X_C per phase.
    static constexpr std::array<float, 9> kDefaultElements{120, 200, 50, 120, 200, 50, 120, 200, 50};
    static constexpr float kDefaultLineVoltage = 380.0f;

    Lab5Model();

    // Inputs.
    float LineVoltage = 0.0f;
    ElementArray ElementValues{};
    std::array<std::int16_t, kSwitches> SwitchState{}; // 0 open, 1 closed

    // Results.
    std::array<float, 3> PhaseVoltage{};
    std::array<float, 3> PhaseCurrent{};
    std::array<float, 3> PhasePower{};
    float NeutralCurrent = 0.0f;
    float NeutralVoltage = 0.0f;
    float MaxPhaseCurrent = 0.0f;

    SupplyProtection Protection; // OverloadFlag, OverloadStart
    bool RecalcPending = false;

    // Ranges of the meters A1 and V1 (the K-50 panel keeps its own).
    float AmmeterRange = 5.0f;   // A1: 0.5, 1, 2.5 or 5 A
    float VoltmeterRange = 450.0f; // V1: 50, 150, 300 or 450 V

    // Line voltage and elements as the default texts give them through the
    // entry rules (380 V; 120.01, 200.01, 50.01 ohms per phase).
    void ResetInputs();
    // The ranges of A1 and V1 back to their defaults.
    void ResetRanges();

    // Entry rules of the line-voltage box and element box `index` (0..8).
    // A numeric text is stored and requests a recomputation; the result
    // tells the box whether to rewrite its text.
    EntryResult EnterLineVoltage(const QString &text);
    EntryResult EnterElement(int index, const QString &text);

    // A left click on a switch: S becomes 1 - S.
    void ToggleSwitch(int index);

    // Recomputes every result; `now` (seconds) starts the overload clock.
    void ComputeCircuit(double now);

    // Targets of A1 and V1.
    Lab5Targets MeterTargets() const;

    // The per-tick breaker check: opens S0 and requests a recomputation when
    // the protection trips; returns whether it did.
    bool ApplyProtection(double now);
};

} // namespace ohmaris
