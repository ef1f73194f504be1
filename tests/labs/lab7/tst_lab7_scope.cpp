// SPDX-License-Identifier: GPL-3.0-or-later
// Lab 7 oscilloscope recording: the 0.2 s sample clock on a simulated
// clock, the jump sample after a switch, pausing, and the channel buttons.
// Each tick runs the recorder's own tick, as the bench does.
#include "calc/clock.h"
#include "labs/lab7/model.h"
#include "labs/lab7/scope.h"

#include <QTest>
#include <cmath>
#include <vector>

using namespace ohmaris;

namespace {

constexpr double kTick = 0.05;

// A clock that a little time passes on between two readings, as on a
// busy machine.
class SteppingClock final : public Clock {
public:
    SteppingClock(double start, double perReading) : m_next(start), m_step(perReading) {}
    double now() const override
    {
        const double t = m_next;
        m_next += m_step;
        return t;
    }

private:
    mutable double m_next;
    double m_step;
};

// The bench's tick on a clock standing at `now`: the model, then the
// recorder's tick.
struct Bench {
    Lab7Model model;
    ScopeRecorder scope;
    FakeClock clock;
    std::vector<double> sampleTimes;

    bool tick(double now)
    {
        clock.set(now);
        model.Tick(now, model.SwitchState[Lab7Model::kCircuit]);
        const bool recorded = scope.OnTick(clock, model);
        if (recorded)
            sampleTimes.push_back(now);
        return recorded;
    }
    // Ticks every `step` seconds from `from` while below `to`.
    void run(double from, double to, double step = kTick)
    {
        for (long long k = 0; from + double(k) * step < to - 1e-9; ++k)
            tick(from + double(k) * step);
    }
    // A slow charge (R1 C = 240 ms of circuit time) that keeps u moving.
    void charge(double now)
    {
        model.ElementValues = {24.0f, 240.0f, 140.0f, 1000.0f, 200.0f};
        flip(Lab7Model::kS1, now);
    }
    void flip(int index, double now)
    {
        model.ToggleSwitch(index, now);
        scope.NoteSwitch();
    }
};

} // namespace

class TestLab7Scope : public QObject {
    Q_OBJECT

private slots:
    void oneSamplePerStep();
    void stepFromTwoReadings();
    void halfStepsAtPeriodBoundary();
    void jumpSampleAfterSwitch();
    void pauseAndResume();
    void channelOnClearsItsTrace();
};

void TestLab7Scope::oneSamplePerStep()
{
    Bench b;
    b.run(30.013, 40.013);
    // The first tick records at once, then one sample per 0.2 s boundary.
    QCOMPARE(int(b.sampleTimes.size()), 1 + 50);
    for (std::size_t k = 2; k < b.sampleTimes.size(); ++k)
        QVERIFY(std::fabs(b.sampleTimes[k] - b.sampleTimes[k - 1] - 0.2) < 1e-6);
    // Each sample moves the older ones one place left.
    Bench c;
    c.charge(30.013);
    c.run(30.013, 32.013);
    const float newest = c.scope.VoltageTrace[140];
    QVERIFY(newest > 0.0f);
    double now = 32.013;
    while (!c.tick(now))
        now += kTick;
    QCOMPARE(c.scope.VoltageTrace[139], newest);
    QCOMPARE(c.scope.VoltageTrace[140], c.model.ScopeVoltage);
}

void TestLab7Scope::stepFromTwoReadings()
{
    // The tick reads the clock twice: the phase comes from the second
    // reading, the period it counts from from the first. With 0.15 s
    // between them, the step is the one of the later reading (30.15 s is
    // step 25.75, rounded 26), not of the first (30 s, step 25).
    ScopeRecorder scope;
    Lab7Model model;
    const SteppingClock slow(30.0, 0.15);
    QVERIFY(scope.OnTick(slow, model));
    QCOMPARE(scope.SampleStep, std::int16_t(26));
    // Across a period boundary the first reading keeps the old period:
    // 49.9 s then 50.05 s give 125.25, step 125, where the later reading
    // alone would give step 0.
    ScopeRecorder boundary;
    const SteppingClock across(49.9, 0.15);
    QVERIFY(boundary.OnTick(across, model));
    QCOMPARE(boundary.SampleStep, std::int16_t(125));
    QCOMPARE(boundary.VoltageTrace[140], model.ScopeVoltage);
}

void TestLab7Scope::halfStepsAtPeriodBoundary()
{
    // Ticks every 10 ms across the 25 s boundary: steps 125 and 0 last half
    // as long as their neighbours, so two samples come 0.1 s apart.
    Bench b;
    std::vector<int> steps;
    for (long long k = 0; k < 200; ++k) {
        const double now = 74.003 + 0.01 * double(k);
        if (b.tick(now))
            steps.push_back(b.scope.SampleStep);
    }
    QVERIFY(b.sampleTimes.size() >= 10);
    std::vector<double> gaps;
    for (std::size_t k = 1; k < b.sampleTimes.size(); ++k)
        gaps.push_back(b.sampleTimes[k] - b.sampleTimes[k - 1]);
    int half = 0;
    for (std::size_t k = 1; k < gaps.size(); ++k) { // gap 0 follows the first tick
        const int step = steps[k + 1];
        if (std::fabs(gaps[k] - 0.1) < 0.011) {
            ++half;
            QVERIFY2(step == 0 || step == 1, qPrintable(QString::number(step)));
        } else {
            QVERIFY(std::fabs(gaps[k] - 0.2) < 0.011);
        }
    }
    QCOMPARE(half, 2);
    QVERIFY(std::find(steps.begin(), steps.end(), 125) != steps.end());
    QVERIFY(std::find(steps.begin(), steps.end(), 0) != steps.end());
}

void TestLab7Scope::jumpSampleAfterSwitch()
{
    // A small capacitor: the charging current has all but died away by the
    // next sample, yet that sample shows its jump.
    Bench b;
    b.model.ElementValues = {24.0f, 240.0f, 140.0f, 0.1f, 200.0f};
    b.run(40.013, 41.013);
    const double last = b.sampleTimes.back();
    const double flipAt = last + 0.01;
    b.flip(Lab7Model::kS1, flipAt);
    double now = last + kTick;
    while (!b.tick(now))
        now += kTick;
    QVERIFY(now - flipAt > 0.1);
    QCOMPARE(b.scope.CurrentTrace[140], b.model.JumpCurrent);
    QCOMPARE(b.scope.VoltageTrace[140], b.model.JumpVoltage);
    QVERIFY(std::fabs(b.model.JumpCurrent - 0.1f) < 1e-5f);
    QVERIFY(b.model.ScopeCurrent < 0.001f);
    QCOMPARE(b.scope.SwitchedSinceSample, std::int16_t(0));
    // Later samples show the present values again.
    b.run(now + kTick, now + 0.5);
    QCOMPARE(b.scope.CurrentTrace[140], b.model.ScopeCurrent);
}

void TestLab7Scope::pauseAndResume()
{
    Bench b;
    b.charge(50.013);
    b.run(50.013, 51.013);
    const std::array<float, 141> frozen = b.scope.VoltageTrace;
    const std::int16_t step = b.scope.SampleStep;
    const std::size_t before = b.sampleTimes.size();
    b.scope.TogglePause();
    b.run(51.013, 54.013);
    QCOMPARE(b.sampleTimes.size(), before);
    QCOMPARE(b.scope.SampleStep, step);
    QCOMPARE(b.scope.VoltageTrace, frozen);
    QVERIFY(b.model.ScopeVoltage > frozen[140]); // the model keeps running

    // Resuming records at once, then every 0.2 s; the missed samples are
    // not filled in.
    b.scope.TogglePause();
    QVERIFY(b.tick(54.013));
    QCOMPARE(b.scope.VoltageTrace[139], frozen[140]);
    QCOMPARE(b.scope.VoltageTrace[140], b.model.ScopeVoltage);
    b.run(54.063, 55.013); // boundaries at 54.1, 54.3 ... 54.9
    QCOMPARE(b.sampleTimes.size(), before + 1 + 5);
}

void TestLab7Scope::channelOnClearsItsTrace()
{
    Bench b;
    b.charge(60.013);
    b.run(60.013, 63.013);
    QVERIFY(b.scope.VoltageTrace[140] != 0.0f);
    QVERIFY(b.scope.CurrentTrace[140] != 0.0f);
    b.scope.SetChannel(1, true);
    QCOMPARE(b.scope.ChannelOn[1], std::int16_t(1));
    for (float v : b.scope.VoltageTrace)
        QCOMPARE(v, 0.0f);
    QVERIFY(b.scope.CurrentTrace[140] != 0.0f);
    // Off keeps the trace, and recording goes on in the background.
    b.run(63.013, 64.013);
    b.scope.SetChannel(1, false);
    const float kept = b.scope.VoltageTrace[140];
    QVERIFY(kept != 0.0f);
    b.run(64.013, 64.513);
    QCOMPARE(b.scope.ChannelOn[1], std::int16_t(0));
    QVERIFY(b.scope.VoltageTrace[140] != kept);
}

QTEST_APPLESS_MAIN(TestLab7Scope)
#include "tst_lab7_scope.moc"
