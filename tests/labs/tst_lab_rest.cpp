// SPDX-License-Identifier: GPL-3.0-or-later
// Every lab of the table, worked through a scripted session twice on the
// fake clock: once ticked on every beat of its timer, as a timer that never
// rests would, and once by its own quiet timer, which ticks only while work
// is due and is woken by the session's input. Both must go through the same
// model states, readings, traces and breaker trips, beat for beat, and the
// quiet one must really have rested.
#include "benchtest.h"
#include "labs/common/bench_singlephase.h"
#include "labs/common/bench_threephase.h"
#include "labs/lab1/bench.h"
#include "labs/lab7/bench.h"
#include "labs/lab8/bench.h"
#include "labs/labtable.h"
#include "shell/controls.h"
#include "shell/fonts.h"
#include "shell/picturebox.h"

#include <QLineEdit>
#include <QTest>
#include <cstring>
#include <functional>
#include <vector>

using namespace ohmaris;
using test::BenchFixture;

namespace {

constexpr double kStart = 1000.0;

// What the session does after the tick of beat `beat`, half a beat later.
struct Input {
    int beat;
    std::function<void(BenchFixture &)> act;
};

struct Session {
    int beats = 0;
    std::vector<Input> inputs;
    bool trips = false; // the session opens a breaker by overload
};

void Click(BenchFixture &f, const QString &control, Qt::MouseButton button = Qt::LeftButton, int times = 1)
{
    QWidget *c = f.Control(control);
    QVERIFY2(c, qPrintable(control));
    for (int i = 0; i < times; ++i)
        QTest::mouseClick(c, button, Qt::NoModifier, c->rect().center());
}

// The regulator of a single-phase bench from 0 to full voltage.
void FullVoltage(BenchFixture &f)
{
    Click(f, QStringLiteral("Picture12"), Qt::RightButton, 12);
}

Input At(int beat, std::function<void(BenchFixture &)> act)
{
    return {beat, std::move(act)};
}

Input Hotspots(int beat, std::vector<int> areas)
{
    return {beat, [areas](BenchFixture &f) {
                for (int k : areas)
                    f.ClickHotspot(k);
            }};
}

Input Press(int beat, const QString &control, Qt::MouseButton button = Qt::LeftButton, int times = 1)
{
    return {beat, [=](BenchFixture &f) { Click(f, control, button, times); }};
}

Input Type(int beat, const QString &box, const QString &keys)
{
    return {beat, [=](BenchFixture &f) { f.TypeInto(box, keys); }};
}

Input Russian(int beat)
{
    return {beat, [](BenchFixture &f) { f.window()->MnuRussian_Click(); }};
}

// Inputs with long gaps between them, so the bench comes to rest between
// most of them; overloads, trips and transients as each lab has them.
Session SessionFor(int lab)
{
    const QString k50Current = ArrayName(QStringLiteral("Command2"), 1);
    switch (lab) {
    case 1:
        return {900,
                {Hotspots(5, {13}), Hotspots(200, {14, 15}), Press(400, QStringLiteral("Picture15")),
                 Type(550, QStringLiteral("Text1(0)"), QStringLiteral("30")), Russian(700), Hotspots(720, {16})},
                false};
    case 2:
        // Variant 2 at 228 V: 6.77 A, the breaker opens after 8 s.
        return {2000,
                {Press(5, QStringLiteral("Picture9")), At(6, FullVoltage), Hotspots(10, {0}),
                 Press(600, ArrayName(QStringLiteral("Command5"), 1)), Press(650, k50Current),
                 Hotspots(800, {1}), Type(1000, QStringLiteral("Text1"), QStringLiteral("50")), Russian(1200),
                 Press(1300, QStringLiteral("Picture11"), Qt::RightButton), Hotspots(1500, {0})},
                true};
    case 3:
        // Variant 1 with 100 uF at 228 V: 6.31 A, opened after 8 s; then
        // variant 6 with 1000000 uF, opened at once.
        return {1800,
                {At(5, FullVoltage), Hotspots(6, {1, 0}), Press(700, ArrayName(QStringLiteral("Command6"), 0)),
                 Press(900, QStringLiteral("Picture9"), Qt::LeftButton, 5),
                 Type(950, QStringLiteral("Text1"), QStringLiteral("1000000")), Hotspots(1200, {0})},
                true};
    case 4:
        // Position 3, R1 = R2 = 0 at 228 V: 14.906 A, opened after 8 s.
        return {1600,
                {Press(5, QStringLiteral("Picture14"), Qt::LeftButton, 2),
                 Type(6, QStringLiteral("Text1(0)"), QStringLiteral("0")),
                 Type(7, QStringLiteral("Text1(1)"), QStringLiteral("0")), At(8, FullVoltage),
                 Hotspots(9, {0, 1, 2}), Press(700, k50Current), Hotspots(900, {0}), Russian(1100)},
                true};
    case 5:
        return {1600,
                {Hotspots(5, {0, 1, 4}), Press(6, ArrayName(QStringLiteral("Command5"), 0)),
                 Type(7, QStringLiteral("Text2(0)"), QStringLiteral("40")),
                 Type(8, QStringLiteral("Text2(1)"), QStringLiteral("0")),
                 Type(9, QStringLiteral("Text2(2)"), QStringLiteral("0")),
                 Press(700, QStringLiteral("Picture11"), Qt::RightButton), Hotspots(900, {0}),
                 Press(1100, k50Current)},
                true};
    case 6:
        return {1600,
                {Type(5, QStringLiteral("Text1"), QStringLiteral("500")), Hotspots(6, {0, 1, 2, 3, 4, 5, 6}),
                 Press(7, ArrayName(QStringLiteral("Command6"), 0)),
                 Press(700, QStringLiteral("Picture11"), Qt::RightButton), Hotspots(900, {0}), Russian(1100)},
                true};
    case 7:
        // Both channels on, the recording paused, S1 closed: the capacitor
        // charges; its voltage, and so both pointers, come to rest long
        // before its current has decayed to exactly zero. Resumed, the
        // traces fill with the end values. Then, at rest, a pause and a
        // resumption, S1 opened, another circuit, S2 in it, a knob, a range.
        return {7800,
                {Press(3, QStringLiteral("Command3")), Press(4, QStringLiteral("Command5")),
                 Press(5, QStringLiteral("Command1")), Hotspots(10, {0}), Press(5300, QStringLiteral("Command1")),
                 Press(6100, QStringLiteral("Command1")), Press(6250, QStringLiteral("Command1")),
                 Hotspots(6400, {0}), Press(6600, QStringLiteral("Picture9")), Hotspots(7300, {1}),
                 Press(7500, QStringLiteral("Picture7")), Press(7600, ArrayName(QStringLiteral("Command4"), 0))},
                false};
    case 8:
        return {700,
                {Type(5, QStringLiteral("Text1(0)"), QStringLiteral("50")),
                 Press(100, ArrayName(QStringLiteral("Command2"), 0)), Press(101, QStringLiteral("Command1")),
                 Press(102, QStringLiteral("Command4")), Press(103, QStringLiteral("Command3")), Hotspots(200, {1}),
                 Press(300, QStringLiteral("Picture10")), Russian(400),
                 Press(500, ArrayName(QStringLiteral("Command2"), 1))},
                false};
    default:
        return {};
    }
}

template <class T>
void Append(std::vector<double> &s, const T &values)
{
    for (const auto &v : values)
        s.push_back(double(v));
}

// Everything the bench is: the model's results, every instrument, the
// switches, the overload clock, the recorder's traces; and apart from it,
// `sweep`, what a resting bench lets lag behind the clock until it is
// woken (lab 7's sweep step).
struct State {
    std::vector<double> bench;
    std::vector<double> sweep;
};

State StateOf(LabWindow *w)
{
    State state;
    std::vector<double> &s = state.bench;
    s.push_back(w->RecalcDue());
    for (const Quantity &q : w->ModelResults())
        s.insert(s.end(), q.values.begin(), q.values.end());
    // The readings a person takes from the bench, as the bench reports them.
    for (const InstrumentReading &r : w->Readings())
        s.insert(s.end(), {r.value, r.range});
    for (PictureBox *box : w->form()->findChildren<PictureBox *>()) {
        QObject *i = box->instrument();
        if (auto *m = qobject_cast<Pribor *>(i))
            s.push_back(m->Value());
        else if (auto *z = qobject_cast<Znak *>(i))
            s.insert(s.end(), {z->GivenValue(), z->Value(), double(z->Enable())});
        else if (auto *k = qobject_cast<Switcher *>(i))
            s.push_back(k->Value());
    }
    if (auto *b = dynamic_cast<SinglePhaseBench *>(w)) {
        const SinglePhaseCircuit &c = b->circuit();
        Append(s, c.SwitchState);
        s.insert(s.end(), {double(c.Protection.OverloadFlag), c.Protection.OverloadStart});
    } else if (auto *b = dynamic_cast<ThreePhaseBench *>(w)) {
        ThreePhaseCircuit &c = b->circuit();
        for (int k = 0; k < c.SwitchCount(); ++k)
            s.push_back(c.Switch(k));
        s.insert(s.end(), {double(c.Protection.OverloadFlag), c.Protection.OverloadStart});
    } else if (auto *b = dynamic_cast<Lab1Window *>(w)) {
        Append(s, b->model().SwitchState);
    } else if (auto *b = dynamic_cast<Lab7Window *>(w)) {
        const Lab7Model &m = b->Model();
        const ScopeRecorder &r = b->Scope();
        Append(s, m.SwitchState);
        s.insert(s.end(), {double(m.SolutionKind), m.SwitchTime, double(r.Paused), double(r.SwitchedSinceSample)});
        state.sweep = {double(r.SweepPhase), double(r.SampleStep), double(r.LastStep)};
        Append(s, r.ChannelOn);
        Append(s, r.VoltageTrace);
        Append(s, r.CurrentTrace);
    } else if (auto *b = dynamic_cast<Lab8Window *>(w)) {
        Append(s, b->Model().SwitchState);
        Append(s, b->Model().SourceOn);
    }
    return state;
}

// The breaker or the supply switch of an AC bench: 1 closed, 0 open; -1
// on a bench without one.
int Breaker(LabWindow *w)
{
    if (auto *b = dynamic_cast<SinglePhaseBench *>(w))
        return b->circuit().SwitchState[SinglePhaseCircuit::kBreaker];
    if (auto *b = dynamic_cast<ThreePhaseBench *>(w))
        return b->circuit().Switch(ThreePhaseCircuit::kSupply);
    return -1;
}

struct Run {
    std::vector<State> ticked;    // after each beat's tick (or its skipping)
    std::vector<bool> ran;        // whether the beat's tick ran
    std::vector<State> input;     // after each beat's input (empty without one)
    std::vector<int> trips;       // beats whose tick opened the breaker
    int ticks = 0;
    int rests = 0;
    int wakes = 0;
};

// Runs the session on lab `lab`; `quiet`: ticks only when its own timer
// is due, else on every beat.
void RunSession(int lab, const Session &session, bool quiet, Run &run)
{
    BenchFixture f;
    LabWindow *w = f.Open(lab, kStart);
    QVERIFY(w);
    QVERIFY(QTest::qWaitForWindowActive(w->form()));
    // The timer started when the window became active, at the start.
    const double period = w->frame().tickMs / 1000.0;
    QVERIFY(w->TimerRunning());
    QCOMPARE(w->NextTickTime(), kStart + period);
    std::size_t next = 0;
    for (int k = 1; k <= session.beats; ++k) {
        const double beat = kStart + double(k) * period;
        f.clock.set(beat);
        const int breaker = Breaker(w);
        const bool due = !quiet || w->TimerRunning();
        if (!quiet) {
            w->Tick();
        } else if (due) {
            QVERIFY2(w->NextTickTime() == beat, qPrintable(QStringLiteral("beat %1: the tick is due at %2")
                                                               .arg(k)
                                                               .arg(w->NextTickTime() - kStart, 0, 'f', 6)));
            w->TimerTick();
            run.rests += w->TimerRunning() ? 0 : 1;
        }
        run.ticks += due ? 1 : 0;
        if (breaker == 1 && Breaker(w) == 0)
            run.trips.push_back(k);
        run.ran.push_back(due);
        run.ticked.push_back(StateOf(w));
        bool any = false;
        for (; next < session.inputs.size() && session.inputs[next].beat == k; ++next) {
            f.clock.set(beat + period / 2);
            const bool resting = !w->TimerRunning();
            session.inputs[next].act(f);
            if (QTest::currentTestFailed())
                return;
            run.wakes += resting && w->TimerRunning() ? 1 : 0;
            any = true;
        }
        run.input.push_back(any ? StateOf(w) : State{});
    }
    QCOMPARE(next, session.inputs.size());
    f.Close();
}

// Records a failure at the first value that differs (compared as stored,
// so a value that is not a number matches itself).
void SameValues(const std::vector<double> &always, const std::vector<double> &quiet, const QString &where)
{
    QVERIFY2(always.size() == quiet.size(), qPrintable(where));
    for (std::size_t i = 0; i < always.size(); ++i)
        QVERIFY2(std::memcmp(&always[i], &quiet[i], sizeof(double)) == 0,
                 qPrintable(QStringLiteral("%1, value %2: %3 ticked on every beat, %4 by the quiet timer")
                                .arg(where)
                                .arg(i)
                                .arg(always[i], 0, 'g', 17)
                                .arg(quiet[i], 0, 'g', 17)));
}

} // namespace

class TestLabRest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { InstallFontSubstitutes(); }

    void quietTimerChangesNothing_data()
    {
        QTest::addColumn<int>("lab");
        LabTable::ForEach([]<class Lab>() {
            QTest::newRow(qPrintable(QStringLiteral("lab %1").arg(Lab::kNumber))) << Lab::kNumber;
        });
    }
    void quietTimerChangesNothing()
    {
        QFETCH(int, lab);
        const Session session = SessionFor(lab);
        QVERIFY2(session.beats > 0, "no session for this lab");
        Run always, quiet;
        RunSession(lab, session, false, always);
        if (QTest::currentTestFailed())
            return;
        RunSession(lab, session, true, quiet);
        if (QTest::currentTestFailed())
            return;

        QCOMPARE(quiet.ticked.size(), always.ticked.size());
        for (std::size_t k = 0; k < always.ticked.size(); ++k) {
            const QString beat = QStringLiteral("beat %1").arg(k + 1);
            // The bench on every beat; what lags behind the clock at rest
            // once the quiet timer ticks, and once an input woke it.
            SameValues(always.ticked[k].bench, quiet.ticked[k].bench, beat);
            if (quiet.ran[k])
                SameValues(always.ticked[k].sweep, quiet.ticked[k].sweep, beat + QStringLiteral(", sweep"));
            SameValues(always.input[k].bench, quiet.input[k].bench, beat + QStringLiteral(", after the input"));
            SameValues(always.input[k].sweep, quiet.input[k].sweep, beat + QStringLiteral(", sweep after the input"));
            if (QTest::currentTestFailed())
                return;
        }
        QCOMPARE(quiet.trips, always.trips);
        if (session.trips)
            QVERIFY2(!always.trips.empty(), "the session opened no breaker");
        // The quiet timer rested and was woken, and so ticked less.
        QVERIFY2(quiet.rests >= 3, qPrintable(QStringLiteral("%1 rests").arg(quiet.rests)));
        QVERIFY2(quiet.wakes >= 3, qPrintable(QStringLiteral("%1 wakes").arg(quiet.wakes)));
        QVERIFY(quiet.ticks < always.ticks);
        qInfo("lab %d: %d of %d beats ticked, %d rests, trips at beats %s", lab, quiet.ticks, always.ticks,
              quiet.rests, qPrintable([&] {
                  QStringList l;
                  for (int t : quiet.trips)
                      l << QString::number(t);
                  return l.join(QLatin1Char(' '));
              }()));
    }
};

QTEST_MAIN(TestLabRest)
#include "tst_lab_rest.moc"
