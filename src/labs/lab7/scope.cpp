// SPDX-License-Identifier: GPL-3.0-or-later
// Sample clock and traces of the lab 7 oscilloscope.
#include "labs/lab7/scope.h"

#include "calc/clock.h"
#include "labs/lab7/model.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace ohmaris {

void ScopeRecorder::UpdateSweep(double t1, double t2)
{
    const float first = float(t1);
    const float second = float(t2);
    const double f = double(second) / kPeriod - std::trunc(double(first) / kPeriod);
    if (Paused == 0)
        SweepPhase = float(1.0 - f);
    SampleStep = std::int16_t(std::nearbyint((1.0 - SweepPhase) * kStepsPerPeriod));
}

bool ScopeRecorder::OnTick(const Clock &clock, const Lab7Model &model)
{
    const double t1 = clock.now();
    const double t2 = clock.now();
    UpdateSweep(t1, t2);
    return Record(model);
}

bool ScopeRecorder::Record(const Lab7Model &model)
{
    if (SampleStep == LastStep)
        return false;
    LastStep = SampleStep;
    std::copy(VoltageTrace.begin() + 1, VoltageTrace.end(), VoltageTrace.begin());
    std::copy(CurrentTrace.begin() + 1, CurrentTrace.end(), CurrentTrace.begin());
    const bool jump = SwitchedSinceSample != 0;
    VoltageTrace[kSamples - 1] = jump ? model.JumpVoltage : model.ScopeVoltage;
    CurrentTrace[kSamples - 1] = jump ? model.JumpCurrent : model.ScopeCurrent;
    SwitchedSinceSample = 0;
    return true;
}

bool ScopeRecorder::Steady(const Lab7Model &model) const
{
    if (Paused != 0)
        return LastStep == SampleStep;
    if (SwitchedSinceSample != 0)
        return false;
    // Compared as stored, so a value that is not a number matches itself.
    const auto filledWith = [](const std::array<float, kSamples> &trace, float v) {
        return std::all_of(trace.begin(), trace.end(),
                           [v](float s) { return std::memcmp(&s, &v, sizeof v) == 0; });
    };
    return filledWith(VoltageTrace, model.ScopeVoltage) && filledWith(CurrentTrace, model.ScopeCurrent);
}

void ScopeRecorder::CatchUp(double time, const Lab7Model &model)
{
    UpdateSweep(time, time);
    Record(model);
}

void ScopeRecorder::SetChannel(int channel, bool on)
{
    if (channel != 1 && channel != 2)
        return;
    ChannelOn[channel] = on ? 1 : 0;
    if (on) {
        if (channel == 1)
            VoltageTrace.fill(0.0f);
        else
            CurrentTrace.fill(0.0f);
    }
}

double ScreenGain(int channel, double indicatorValue)
{
    if (indicatorValue == 0.0)
        return 0.0;
    return channel == 2 ? 1000.0 / indicatorValue : 1.0 / indicatorValue;
}

QPointF TracePoint(int k, float sample, double width, double height, double gain)
{
    const double dx = width / kScreenDivisions;
    const double dy = height / kScreenDivisions;
    double y = 7 * dy - dy * double(sample) * gain;
    const double far = 100.0 * (height + 1.0);
    if (!(y >= -far))
        y = -far;
    else if (y > far)
        y = far;
    return {double(k) / 10.0 * dx, y};
}

} // namespace ohmaris
