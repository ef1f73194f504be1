// SPDX-License-Identifier: GPL-3.0-or-later
// Lab 4 model: two magnetically coupled coils, each in a branch with an
// external resistor, an ammeter and a switch, joined by a four-position
// connection switch in series or in parallel with the mutual inductance
// adding or subtracting. Fed from the mains through the regulator "AT" and
// the breaker "SF". Pure computation on the window's state; the window
// passes in the time from its clock.
#pragma once

#include "calc/labcalc.h"
#include "calc/entry.h"
#include "calc/phasor.h"
#include "labs/common/singlephase.h"

#include <array>
#include <cstdint>

namespace ohmaris {

// Coils of the two selectors' positions 1..7 (index 0 unused): the first
// selector picks both inductances and part A of the coupling coefficient,
// the second selector part B.
namespace lab4 {
inline constexpr std::array<double, kVariantCount + 1> kInductance1{0, 0.12, 0.5, 0.3, 0.86, 1.1, 0.73, 0.6};
inline constexpr std::array<double, kVariantCount + 1> kInductance2{0, 0.235, 0.425, 0.375, 0.685, 0.915, 0.973, 0.168};
inline constexpr std::array<double, kVariantCount + 1> kCouplingA{0, 0.1, 0.15, 0.2, 0.25, 0.3, 0.35, 0.4};
inline constexpr std::array<double, kVariantCount + 1> kCouplingB{0, 0.3, 0.32, 0.34, 0.36, 0.38, 0.4, 0.42};
} // namespace lab4

class Lab4Model : public SinglePhaseCircuit {
public:
    // SwitchState: [0] breaker "SF", [1] switch "S1" of branch 1, [2] switch
    // "S2" of branch 2, [3] regulator step 0..12.
    static constexpr int kS1 = 1;
    static constexpr int kS2 = 2;
    static constexpr int kConnections = 4;
    // The resistance boxes: the magnitude as typed, 0 allowed, at most 1e6.
    static constexpr EntryRule kResistanceRule{0.0, 1000000.0f, false};
    static constexpr float kDefaultResistance = 100.0f;

    // Positions 1..7 of the first and the second selector.
    std::array<std::int16_t, 2> VariantSelect{1, 1};
    // Position 1..4 of the connection switch, as the tick read it: 1 in
    // series with M added (aiding), 2 in series with M subtracted
    // (opposing), 3 in parallel with the mutual impedance -jwM (opposing),
    // 4 in parallel with +jwM (aiding).
    int Connection = 1;
    // R1 and R2 as entered, ohms.
    std::array<float, 2> ExternalResistance{kDefaultResistance, kDefaultResistance};

    float SupplyVoltage = 0.0f;            // V
    float CircuitCurrent = 0.0f;           // A, from the supply
    float ActivePower = 0.0f;              // W
    std::array<float, 2> BranchCurrent{}; // A, branches 1 and 2

    // What the last computation took from the selectors: the inductances
    // (table constants, 64-bit), the coupling coefficient, the winding
    // resistances and the mutual inductance with its sign (32-bit).
    std::array<double, 2> Inductance{};       // L1, L2 (H)
    float Coupling = 0.0f;                    // k
    std::array<float, 2> WindingResistance{}; // r1, r2 (ohm)
    float MutualInductance = 0.0f;            // M (H), negative when subtracted
    // The angles of the currents against the supply voltage (radians): the
    // total current's and each branch's (in series, all the same).
    double CurrentAngle = 0.0;
    std::array<double, 2> BranchCurrentAngle{};

    float A1Range = 10.0f;
    float A2Range = 10.0f;

    static constexpr Phasor UnitPhasor{1.0f, 0.0};

    static constexpr bool IsParallel(int connection) { return connection == 3 || connection == 4; }
    // +1 where M adds to the series inductance (positions 1 and 3), -1 where
    // it is subtracted (2 and 4).
    static constexpr int Sign(int connection) { return connection == 2 || connection == 4 ? -1 : 1; }

    // Recomputes every computed field from the switches, the selectors, the
    // connection and the resistances; `now` is the window clock's time in
    // seconds. Clears RecalcPending.
    void ComputeCircuit(double now) override;

    // Where A1 and A2 head, in scale divisions.
    std::array<double, 2> MeterTargets() const override;
    float &MeterRange(int meter) override { return meter == 0 ? A1Range : A2Range; }
    // The supply voltage, the total current and the active power on phase A.
    K50PhaseReadings K50Readings() const override;
    // The instant trip on the regulator-scaled current step x I / 12, the
    // delayed one on the overload flag, which watches the current itself.
    bool ApplyProtection(double now) override;
    Quantities Results() const override;
    // U and I; in series the voltages U_1 and U_2 of the two branches, in
    // parallel the branch currents I_1 and I_2.
    PhasorDiagram Phasors() const override;
};

// The calculator's inputs as this model holds them, under the calculator's
// names (calc.cpp): given to the lab's calculator, they make the same model.
std::vector<CalcSetting> CalcSettings(const Lab4Model &model);

} // namespace ohmaris
