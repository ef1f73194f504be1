// SPDX-License-Identifier: GPL-3.0-or-later
// The state and duties every single-phase AC circuit shares (labs 2 to 4):
// the switch states with the breaker first and the regulator step last,
// the pending recomputation and the supply protection, with the hooks the
// common bench drives on every tick. Labs 2 and 3 share more: the coil of
// the chosen variant and an entered capacitance.
#pragma once

#include "calc/entry.h"
#include "calc/phasordiagram.h"
#include "calc/quantity.h"
#include "calc/protection.h"
#include "labs/common/supply.h"

#include <array>
#include <cstdint>

namespace ohmaris {

class SinglePhaseCircuit {
public:
    // Indexes of SwitchState every single-phase lab has.
    static constexpr int kBreaker = 0;
    static constexpr int kStep = 3;

    virtual ~SinglePhaseCircuit() = default;

    // [0] breaker "SF" (0 open, 1 closed), [1] and [2] the lab's own,
    // [3] regulator step 0..12.
    std::array<std::int16_t, 4> SwitchState{0, 0, 0, 0};
    SupplyProtection Protection; // OverloadFlag, OverloadStart
    bool RecalcPending = true;

    // Recomputes every result; `now` (seconds) starts the overload clock.
    // Clears RecalcPending.
    virtual void ComputeCircuit(double now) = 0;
    // The bench's two meters' targets, in scale divisions.
    virtual std::array<double, 2> MeterTargets() const = 0;
    // Ranges of the bench's two meters.
    virtual float &MeterRange(int meter) = 0;
    // What the K-50 measures on phases A, B and C.
    virtual K50PhaseReadings K50Readings() const = 0;
    // The per-tick supply protection, after every pointer has moved: may
    // open the breaker and ask for a recomputation; true when it opened.
    virtual bool ApplyProtection(double now) = 0;
    // Every result of the last computation, named once, in the order they
    // are printed.
    virtual Quantities Results() const = 0;
    // The phasors of the last computation, the supply voltage at angle 0:
    // what a phasor diagram of the bench shows.
    virtual PhasorDiagram Phasors() const = 0;

protected:
    // A diagram of lab `lab` that holds the supply voltage U, at angle 0.
    static PhasorDiagram SupplyDiagram(int lab, float supplyVoltage);
    // Opens the breaker when the protection trips on `protectedCurrent`.
    bool TripOn(double protectedCurrent, double now);
    // OverloadFlag, last in every lab's list; `help` says what it watches.
    void AddOverloadFlag(Quantities &q, const QString &help) const;
};

// Labs 2 and 3: a coil of the chosen variant and a capacitor of the entered
// value; SwitchState[2] is the variant, SwitchState[1] the capacitor's switch.
class CoilCapacitorCircuit : public SinglePhaseCircuit {
public:
    static constexpr int kCapacitorSwitch = 1;
    static constexpr int kVariant = 2;
    // The capacitance box: magnitude plus 0.0000001 uF, at most 1000000.
    static constexpr EntryRule kCapacitanceRule{0.0000001, 1000000.0f, false};

    CoilCapacitorCircuit() { SwitchState = {0, 0, 1, 0}; }

    float SupplyVoltage = 0.0f;   // V
    float CoilResistance = 20.0f; // ohm; placeholder until the first computation
    float CoilInductance = 0.5f;  // H; placeholder until the first computation
    float Capacitance = 100.0f;   // uF, as entered (never 0)
    float CircuitCurrent = 0.0f;  // A, drawn from the supply
    float ActivePower = 0.0f;     // W

    // Steps every coil-capacitor computation begins with: R and L of the
    // variant, U from the regulator and the breaker.
    void TakeVariantAndSupply();
    // The current the protection watches: step x I / 12.
    double ProtectedCurrent() const;
    // The supply voltage, the circuit current and the active power on
    // phase A, nothing on B and C.
    K50PhaseReadings K50Readings() const override;
    bool ApplyProtection(double now) override;

protected:
    // SupplyVoltage, CoilResistance, CoilInductance and Capacitance, first in
    // both labs' lists.
    void AddSupplyAndElements(Quantities &q) const;
    // OverloadFlag, on the regulated current.
    void AddOverloadFlag(Quantities &q) const;
};

} // namespace ohmaris
