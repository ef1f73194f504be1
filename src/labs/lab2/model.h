// Lab 2 model: a coil (R and L of the chosen variant) in series with a
// capacitor, fed from the mains through the regulator "AT" and the breaker
// "SF", with a switch "S" that shorts the capacitor. Pure computation on the
// window's state; the window passes in the time from its clock.
#pragma once

#include "calc/protection.h"

#include <array>
#include <cstdint>

namespace ohmaris {

// Targets of the five meters, in scale divisions.
struct Lab2Targets {
    double V1 = 0.0;
    double V2 = 0.0;
    double K50Voltmeter = 0.0;
    double K50Ammeter = 0.0;
    double K50Wattmeter = 0.0;
};

// Pointer positions (`Value`) of the five meters.
struct Lab2MeterValues {
    float V1 = 0.0f;
    float V2 = 0.0f;
    float K50Voltmeter = 0.0f;
    float K50Ammeter = 0.0f;
    float K50Wattmeter = 0.0f;
};

struct Lab2Model {
    // [0] breaker "SF", [1] capacitor bypass "S" (1 = capacitor shorted),
    // [2] variant 1..7, [3] regulator step 0..12.
    std::array<std::int16_t, 4> SwitchState{0, 0, 1, 0};

    float SupplyVoltage = 0.0f;  // V
    float CoilResistance = 20.0f; // ohm; placeholder until the first computation
    float CoilInductance = 0.5f;  // H; placeholder until the first computation
    float Capacitance = 100.0f;   // uF, as entered (never 0)
    float CircuitCurrent = 0.0f;  // A
    float ActivePower = 0.0f;     // W
    float CoilVoltage = 0.0f;     // V, across R and L together
    float CapacitorVoltage = 0.0f; // V

    float V1Range = 750.0f;
    float V2Range = 750.0f;
    float K50CurrentRange = 5.0f;
    float K50VoltageRange = 450.0f;
    float K50PowerRange = 2250.0f; // always current range x voltage range
    std::int16_t PowerSign = 1;    // shown on the K-50 only; enters no target here

    SupplyProtection Protection; // OverloadFlag, OverloadStart
    bool RecalcPending = true;

    // Recomputes every computed field from the switches, the capacitance and
    // the variant tables; `now` is the window clock's time in seconds.
    void ComputeCircuit(double now);

    // The current the protection watches: step x I / 12.
    double ProtectedCurrent() const;

    // Where the meters head; `selectedPhase` is the K-50 phase selector
    // position (1..3), the circuit being wired to the first phase.
    Lab2Targets Targets(int selectedPhase) const;

    // The per-tick drive: moves each value a fifth of the way to its target,
    // then applies the supply protection, which may open the breaker and ask
    // for a recomputation.
    void UpdateInstruments(Lab2MeterValues &values, int selectedPhase, double now);

    // The protection half of UpdateInstruments; true when the breaker opened.
    bool ApplyProtection(double now);
};

} // namespace ohmaris
