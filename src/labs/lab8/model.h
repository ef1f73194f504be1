// SPDX-License-Identifier: GPL-3.0-or-later
// Lab 8 circuit model: four sinusoidal EMF sources in series (the 50 Hz
// fundamental and three components at whole multiples of it) feed, through
// R1, a filter of two shunt capacitors and a series coil with its
// resistance, loaded by R2; five switches put the filter elements in or
// out. Each source's response is worked out with phasors and superposed in
// the time domain over one 20 ms period, sampled 101 times; the effective
// values of the load voltage and current come from those samples.
// Pure computation on the window's state.
#pragma once

#include "calc/labcalc.h"
#include "calc/entry.h"
#include "calc/phasor.h"
#include "calc/spectrum.h"
#include "calc/quantity.h"

#include <QString>
#include <array>
#include <cstdint>

namespace ohmaris {

// Change rules of the bench's boxes: element values, and the sources'
// amplitudes and phases. A frequency multiple has its own rule
// (ApplyMultipleRule).
inline constexpr EntryRule kLab8ElementRule{0.0001, 1000000.0f};
inline constexpr EntryRule kLab8SourceRule{0.00001, 1000.0f};
inline constexpr EntryRule kLab8MultipleRule{0.0, 1000.0f};

// A frequency multiple: its magnitude, capped at 1000, and at least 1 (a
// smaller value rewrites the box with 1).
EntryResult ApplyMultipleRule(const QString &text, float current);

// What one source contributes: amplitude (0 while it is off), initial
// phase in radians and angular frequency.
struct SourceHarmonic {
    double Amplitude = 0.0;
    double Phase = 0.0;
    float Omega = 0.0f;
};

class Lab8Model {
public:
    static constexpr int kSources = 4;
    static constexpr int kSamples = 101; // t = 0, 0.2, ..., 20 ms
    static constexpr double kSampleStep = 0.0002; // seconds
    // Rows of SourceParams.
    static constexpr int kAmplitude = 0, kMultiple = 1, kPhase = 2;
    // Indexes of ElementValues.
    static constexpr int kR1 = 0, kL = 1, kR = 2, kC1 = 3, kC2 = 4, kR2 = 5;
    static constexpr int kElements = 6;
    // Slots of SwitchState (0 and 1 take no part).
    static constexpr int kS1 = 2, kS2 = 3, kS3 = 4, kS4 = 5, kS5 = 6;
    static constexpr int kSwitches = 5;

    // What the bench's load writes into its boxes: elements R1 (ohm),
    // L (mH), R (ohm), C1, C2 (uF), R2 (ohm); per source the amplitude (V),
    // the frequency multiple and the phase (degrees). The fundamental's
    // frequency box shows 50.
    static constexpr std::array<float, kElements> kDefaultElements{13, 35, 120, 100, 25, 500};
    static constexpr std::array<std::array<float, kSources>, 3> kDefaultSources{
        {{36.0f, 4.0f, 1.93f, 1.785f}, {50.0f, 3.0f, 5.0f, 7.0f}, {0.0f, 180.0f, 0.0f, 180.0f}}};
    static constexpr std::array<std::int16_t, 7> kDefaultSwitches{0, 1, 0, 1, 1, 0, 0};

    // The defaults stored as the boxes' change rules store them.
    Lab8Model();

    std::array<std::int16_t, kSources> SourceOn{};
    // Entry (row, k): amplitude, frequency multiple, phase of source k.
    std::array<std::array<float, kSources>, 3> SourceParams{};
    std::array<float, kElements> ElementValues{};
    // S1 C1 in, S2 L bypassed, S3 R bypassed, S4 C2 in, S5 R2 in (1 closed).
    std::array<std::int16_t, 7> SwitchState = kDefaultSwitches;

    std::array<float, kSamples> VoltageWave{};
    // Each source's part of the load voltage, as the phasor the samples of
    // its sine were taken from (zero for a source that is off).
    std::array<Phasor, kSources> LoadVoltagePhasor{};
    double VoltageRms = 0.0;
    double CurrentRms = 0.0;
    bool RecalcPending = true;

    // Source k (0..3): the fundamental always runs at 50 Hz, whatever its
    // multiple says.
    SourceHarmonic GetSourceHarmonic(int k) const;
    // The load voltage samples and both effective values.
    void ComputeCircuit();

    bool AnySourceOn() const;
    // Every result, named once, in the order they are printed.
    Quantities Results() const;
    // The amplitudes of the last computation by frequency: for each
    // frequency a source that is on runs at, the EMF of the sources at it
    // and the load voltage at it (sources at one frequency add as phasors).
    Spectrum Amplitudes() const;
};

// The calculator's inputs as this model holds them, under the calculator's
// names (calc.cpp): given to the lab's calculator, they make the same model.
std::vector<CalcSetting> CalcSettings(const Lab8Model &model);

} // namespace ohmaris
