// SPDX-License-Identifier: GPL-3.0-or-later
// Pieces shared by the two three-phase circuits (star and delta load): the
// entry rules of their parameter boxes, the source phase voltage, the
// admittance of one R-X_L-X_C branch, and the state and duties both share
// (line voltage, nine element values, switches with the supply first, the
// supply protection on the largest current) with the hooks the common
// three-phase bench drives on every tick.
#pragma once

#include "calc/entry.h"
#include "calc/phasor.h"
#include "calc/phasordiagram.h"
#include "calc/quantity.h"
#include "calc/protection.h"
#include "labs/common/supply.h"

#include <QString>

#include <array>
#include <cstdint>

namespace ohmaris {

// Line voltage box: the magnitude as typed, at most 1000 V.
inline const EntryRule kLineVoltageRule{0.0, 1000.0f, false};
// Element boxes: the offset keeps a typed 0 from reaching the model as an
// exact zero, so R is never 0 and every division stays defined.
inline const EntryRule kElementRule{0.01, 1000000.0f, false};

// R, X_L, X_C of one branch, as the element boxes hold them: index 3k is R,
// 3k+1 X_L and 3k+2 X_C of branch k.
using ElementArray = std::array<float, 9>;

// Phase voltage of the supply: U x S0 / sqrt(3).
float SourcePhaseVoltage(float lineVoltage, std::int16_t supplySwitch);

// Admittance of a series R-X_L-X_C branch behind a switch: magnitude
// S / |Z|, angle S x atan((X_C - X_L) / R). An open branch is the zero phasor.
Phasor BranchAdmittance(std::int16_t branchSwitch, float r, float xl, float xc);

class ThreePhaseCircuit {
public:
    static constexpr float kDefaultLineVoltage = 380.0f;
    // The supply switch S0 is SwitchState[0] in both circuits.
    static constexpr int kSupply = 0;

    virtual ~ThreePhaseCircuit() = default;

    // Inputs.
    float LineVoltage = 0.0f;
    ElementArray ElementValues{};

    // Results both circuits have.
    std::array<float, 3> PhaseVoltage{};
    std::array<float, 3> PhasePower{};
    float MaxPhaseCurrent = 0.0f;

    SupplyProtection Protection; // OverloadFlag, OverloadStart
    bool RecalcPending = false;

    // Element boxes as the bench writes them at load: R, X_L, X_C per phase.
    virtual const ElementArray &DefaultElements() const = 0;
    // Line voltage and elements as the default texts give them through the
    // entry rules (380 V; each element 0.01 ohm above its default).
    void ResetInputs();

    // Entry rules of the line-voltage box and element box `index` (0..8).
    // A numeric text is stored and requests a recomputation; the result
    // tells the box whether to rewrite its text.
    EntryResult EnterLineVoltage(const QString &text);
    EntryResult EnterElement(int index, const QString &text);

    // Switches S0..S(n-1), 0 open, 1 closed.
    virtual int SwitchCount() const = 0;
    virtual std::int16_t &Switch(int index) = 0;
    virtual std::int16_t Switch(int index) const = 0;
    // A left click on a switch: S becomes 1 - S, and a recomputation is due.
    void ToggleSwitch(int index);

    // Recomputes every result; `now` (seconds) starts the overload clock.
    // Clears RecalcPending.
    virtual void ComputeCircuit(double now) = 0;

    // The bench's own meters (up to three): their ranges and their targets
    // in scale divisions.
    static constexpr int kMaxMeters = 3;
    virtual int MeterCount() const = 0;
    virtual float &MeterRange(int meter) = 0;
    virtual std::array<double, kMaxMeters> MeterTargets() const = 0;
    // What the K-50 measures on phases A, B and C.
    virtual K50PhaseReadings K50Readings() const = 0;

    // The per-tick breaker check on MaxPhaseCurrent: opens S0 and requests a
    // recomputation when the protection trips; returns whether it did.
    bool ApplyProtection(double now);
    // Every result of the last computation, named once, in the order they
    // are printed.
    virtual Quantities Results() const = 0;
    // The phasors of the last computation, phase A's source voltage at
    // angle 0: what a phasor diagram of the bench shows.
    virtual PhasorDiagram Phasors() const = 0;

protected:
    // Pieces of both labs' lists: PhaseVoltage (`what` says which voltages
    // they are), PhasePower, and MaxPhaseCurrent with OverloadFlag, which
    // close the list (`largest` says of which currents).
    void AddPhaseVoltage(Quantities &q, const QString &what) const;
    void AddPhasePower(Quantities &q) const;
    void AddMaxCurrentAndOverload(Quantities &q, const QString &largest) const;
};

} // namespace ohmaris
