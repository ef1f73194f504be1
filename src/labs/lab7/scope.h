// SPDX-License-Identifier: GPL-3.0-or-later
// Sample clock and traces of the lab 7 recording oscilloscope.
// The recorder behaves like a strip chart: every 0.2 s of the window's clock
// one sample enters at the right end of both traces and the older ones move
// one place to the left. Kept free of widgets so the sampling can be driven
// by a simulated clock.
#pragma once

#include <QPointF>
#include <array>
#include <cstdint>

namespace ohmaris {

class Clock;
class Lab7Model;

class ScopeRecorder {
public:
    static constexpr int kSamples = 141;   // index 0 oldest, 140 newest
    static constexpr int kStepsPerPeriod = 125;
    static constexpr float kPeriod = 25.0f; // seconds of the sample clock

    std::array<float, kSamples> VoltageTrace{};
    std::array<float, kSamples> CurrentTrace{};
    std::array<std::int16_t, 3> ChannelOn{}; // index 1 and 2 used
    std::int16_t Paused = 0;
    float SweepPhase = 0.0f;
    std::int16_t SampleStep = 1;
    std::int16_t LastStep = 0;
    std::int16_t SwitchedSinceSample = 0;

    // Sweep step of a tick: t1 and t2 are two successive readings of the
    // clock (seconds), t1 first. The step number only moves while running.
    void UpdateSweep(double t1, double t2);

    // Records one sample when the step has moved since the last one: the
    // values just after a switching instant if a switch was flipped since,
    // the present ones otherwise. Returns true when a sample was taken.
    bool Record(const Lab7Model &model);

    // What one timer tick of the bench does with the recorder: the sweep
    // step from two successive readings of `clock`, then the sample, if
    // the step has moved. Returns true when a sample was taken.
    bool OnTick(const Clock &clock, const Lab7Model &model);

    // Whether ticks would leave the traces as they are while the model's u
    // and i stay put: recording is paused, or no switch was flipped since the
    // last sample and every sample of both traces already holds the present
    // values. The sweep's step still moves with the clock; CatchUp brings it.
    bool Steady(const Lab7Model &model) const;
    // What the ticks skipped while the traces were steady would have left:
    // the sweep step of a tick at `time`, and the sample it took, if any
    // (the same values, so the traces stay as they are).
    void CatchUp(double time, const Lab7Model &model);

    // A switch flip between two samples: the next sample shows the jump.
    void NoteSwitch() { SwitchedSinceSample = 1; }

    // Channel 1 (voltage) or 2 (current) on/off; switching on clears its trace.
    void SetChannel(int channel, bool on);
    void TogglePause() { Paused = std::int16_t(1 - Paused); }
};

// Screen geometry (the screen's own units, y downwards): 14 x 14 divisions,
// the zero line in the middle, ten samples per division.
constexpr int kScreenDivisions = 14;
// Divisions per volt (channel 1, indicator in V/div) or per ampere (channel
// 2, indicator in mA/div).
double ScreenGain(int channel, double indicatorValue);
// Point k (0..140) of a trace. Far off-screen values are held a long way
// outside the screen, so the clipped line looks the same and the painter
// never meets absurd coordinates.
QPointF TracePoint(int k, float sample, double width, double height, double gain);

} // namespace ohmaris
