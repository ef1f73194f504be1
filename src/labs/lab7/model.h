// SPDX-License-Identifier: GPL-3.0-or-later
// Lab 7 transient model: switching transients of an RC, an RL and an RLC
// circuit fed by a DC source, slowed down a thousand times (one millisecond
// of circuit time per second on the window's clock).
//
// A switch flip re-derives a closed-form solution from the voltage and
// current the previous tick left, so the capacitor voltage and the inductor
// current carry over from one transient to the next. The model reads no
// clock: every evaluation is given the present time in seconds.
#pragma once

#include "calc/labcalc.h"
#include "calc/entry.h"
#include "calc/quantity.h"

#include <array>
#include <cstdint>

namespace ohmaris {

// Positions of the circuit selector.
enum class Lab7Circuit : std::int16_t { RC = 1, RL = 2, RLC = 3 };

// Forms of the closed-form solution.
enum class Lab7Solution : std::int16_t {
    FirstOrderRC = 1,
    FirstOrderRL = 2,
    Oscillatory = 3,
    CriticallyDamped = 4,
    TwoExponents = 5,
    VoltageOnly = 6,
};

// Change rule of the bench's parameter boxes: every accepted entry is stored
// 0.0001 above its magnitude and capped at 1e7; a letter stores the offset.
inline constexpr EntryRule kLab7EntryRule{0.0001, 10000000.0f, true};

class Lab7Model {
public:
    // Indexes into ElementValues.
    static constexpr int kE = 0, kR1 = 1, kR2 = 2, kC = 3, kL = 4;
    // Indexes into SwitchState.
    static constexpr int kCircuit = 0, kS1 = 1, kS2 = 2;
    // Real seconds to seconds of circuit time.
    static constexpr float kTimeScale = 0.001f;

    // Inputs kept by the window: E (V), R1, R2 (ohm), C (uF), L (mH).
    std::array<float, 5> ElementValues{24.0f, 240.0f, 140.0f, 10.0f, 200.0f};
    // Circuit 1..3, S1, S2 (0 open, 1 closed).
    std::array<std::int16_t, 3> SwitchState{1, 0, 0};
    bool RecalcPending = true;

    // Solution state.
    std::int16_t SolutionKind = 1;
    float Alpha = 0.0f;
    float Beta = 0.0f;
    double Phase = 0.0;
    float CoefA = 0.0f;
    float CoefB = 0.0f;
    float FinalVoltage = 0.0f;
    float FinalCurrent = 0.0f;
    double SwitchTime = 0.0;
    float ScopeVoltage = 0.0f;
    float ScopeCurrent = 0.0f;
    float JumpVoltage = 0.0f;
    float JumpCurrent = 0.0f;
    float MeterTarget1 = 0.0f;
    float MeterTarget2 = 0.0f;

    // Derives the solution from the inputs and the present u and i. Fields
    // a solution form does not use (CoefB in kinds 3 and 6, Phase outside
    // kind 3) keep whatever the previous solution left in them.
    void ComputeCircuit();
    // Discriminant of the RLC circuit's characteristic equation for the
    // present inputs, as the 32-bit value ComputeCircuit branches on.
    float Discriminant() const;
    // u and i of the running solution at time `now` (seconds).
    void Evaluate(double now);
    // Whether Evaluate, which gave ScopeVoltage and ScopeCurrent at `now`,
    // gives the same at every later time: the solution has no exponent and
    // no frequency, or u and i already show the values they decay to.
    bool Settled(double now) const;
    // Ammeter targets (amperes) from the present u and i.
    void UpdateMeterTargets();
    // The solution's results, named once, in the order they are printed.
    Quantities Results() const;
    // What the last evaluation gave at its time: u, i and the meter targets.
    Quantities PresentResults() const;

    // The model's share of one timer tick: if a recomputation is pending,
    // take the selector position and recompute; then evaluate at `now` and
    // derive the meter targets. Returns true when it recomputed (the window
    // then redraws its schematic).
    bool Tick(double now, std::int16_t selectorPosition);

    // Input events. A switch flip starts a new transient from the present
    // u and i at `now`; turning the selector puts the new circuit at rest.
    void ToggleSwitch(int index, double now);
    void SelectorTurned();

    bool anySwitchClosed() const { return SwitchState[kS1] + SwitchState[kS2] > 0; }

private:
    // The solution's exponential e1 (32-bit) and its angle or second
    // exponent w at time `now`, as Evaluate takes them.
    float Decay(double now) const;
    double Turn(double now) const;
    // u and i of the running solution for those two.
    struct Lab7Values {
        float u = 0.0f;
        float i = 0.0f;
    };
    Lab7Values ValuesAt(float e1, double w) const;
};

// The calculator's inputs as this model holds them, under the calculator's
// names (calc.cpp): given to the lab's calculator, they make the same model.
std::vector<CalcSetting> CalcSettings(const Lab7Model &model);

} // namespace ohmaris
