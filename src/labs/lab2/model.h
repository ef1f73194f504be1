// Lab 2 model: a coil (R and L of the chosen variant) in series with a
// capacitor, fed from the mains through the regulator "AT" and the breaker
// "SF", with a switch "S" that shorts the capacitor. Pure computation on the
// window's state; the window passes in the time from its clock.
#pragma once

#include "calc/protection.h"
#include "labs/lab2/supply.h"

#include <array>
#include <cstdint>

namespace ohmaris {

// Targets of the voltmeters V1 and V2, in scale divisions. The K-50 panel
// turns the readings of K50Readings into its own targets.
struct Lab2Targets {
    double V1 = 0.0;
    double V2 = 0.0;
};

// Pointer positions (`Value`) of V1 and V2.
struct Lab2MeterValues {
    float V1 = 0.0f;
    float V2 = 0.0f;
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

    SupplyProtection Protection; // OverloadFlag, OverloadStart
    bool RecalcPending = true;

    // Recomputes every computed field from the switches, the capacitance and
    // the variant tables; `now` is the window clock's time in seconds.
    void ComputeCircuit(double now);

    // The current the protection watches: step x I / 12.
    double ProtectedCurrent() const;

    // Where V1 and V2 head.
    Lab2Targets Targets() const;

    // What the K-50 measures on phases A, B and C: the supply voltage, the
    // circuit current and the active power on phase A, nothing on B and C.
    K50PhaseReadings K50Readings() const;

    // The per-tick drive of V1 and V2: moves each value a fifth of the way
    // to its target.
    void StepVoltmeters(Lab2MeterValues &values) const;

    // The per-tick supply protection, after every pointer has moved: may
    // open the breaker and ask for a recomputation; true when it opened.
    bool ApplyProtection(double now);
};

} // namespace ohmaris
