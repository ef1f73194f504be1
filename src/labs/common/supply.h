// SPDX-License-Identifier: GPL-3.0-or-later
// Pieces shared by the single-phase AC labs (2, 3 and 4): the coil variant
// tables, the regulator-and-breaker supply rule, the regulator-scaled current
// the supply protection watches and the phase readings a single-phase
// circuit gives the K-50 panel.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>

namespace ohmaris {

inline constexpr int kVariantCount = 7;

// Coil of each variant 1..7 (index 0 unused). The inductances are 64-bit
// constants; a model stores them into its 32-bit field, so 0.85 becomes
// 0.8500000238...
inline constexpr std::array<double, kVariantCount + 1> kVariantResistance{
    0, 20, 30, 25, 41, 32, 18, 28};
inline constexpr std::array<double, kVariantCount + 1> kVariantInductance{
    0, 0.85, 0.15, 0.65, 0.5, 0.4, 0.25, 1};

// A variant number as a table index; the knob only yields 1..7, anything
// else is held at the nearest end rather than read past the table.
constexpr int VariantIndex(int variant)
{
    return std::clamp(variant, 1, kVariantCount);
}

inline constexpr std::int16_t kVoltsPerStep = 19;
inline constexpr std::int16_t kRegulatorSteps = 12; // steps 0..12, 0..228 V
// Positions of the regulator's knob: position p is step 13 - p.
inline constexpr int kRegulatorPositions = kRegulatorSteps + 1;

// U = 19 x step x breaker, worked in 16-bit integers as the benches keep
// their switch states; 0 whenever the breaker is open.
constexpr float SupplyVoltageFor(std::int16_t step, std::int16_t breaker)
{
    return float(std::int16_t(kVoltsPerStep * step * breaker));
}

// The current the protection watches in labs 2 and 3 (and for the instant
// trip of lab 4): the circuit current scaled by the regulator ratio step/12.
constexpr double RegulatedCurrent(std::int16_t step, float current)
{
    return double(step) * double(current) / double(kRegulatorSteps);
}

// Voltage, current and active power of phases A, B and C as a lab hands
// them to the K-50 panel.
struct K50PhaseReadings {
    std::array<float, 3> U{};
    std::array<float, 3> I{};
    std::array<float, 3> P{};
};

// A single-phase circuit is wired to the K-50's phase A; B and C read 0.
constexpr K50PhaseReadings SinglePhaseReadings(float u, float i, float p)
{
    return K50PhaseReadings{{u, 0.0f, 0.0f}, {i, 0.0f, 0.0f}, {p, 0.0f, 0.0f}};
}

} // namespace ohmaris
