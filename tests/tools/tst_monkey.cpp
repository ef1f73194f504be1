// SPDX-License-Identifier: GPL-3.0-or-later
// The random-input driver: a short run over every window finds nothing,
// faults planted in a run are found at the event that made them, a seed
// replays the same events, and keys alone reach and work every control of
// a lab window.
#include "monkey.h"

#include "labs/lab2/bench.h"
#include "labs/lab7/bench.h"
#include "shell/shell.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QTest>
#include <cmath>
#include <limits>

using namespace ohmaris;
using namespace ohmaris::monkey;

class TestMonkey : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void runsCleanOverEveryWindow_data();
    void runsCleanOverEveryWindow();
    void worksTheNamedWindowOnly();
    void findsPlantedFaults_data();
    void findsPlantedFaults();
    void seedReplaysTheSameEvents();
    void keysAloneOperateEveryControl_data();
    void keysAloneOperateEveryControl();
};

namespace {

// The run's lines, kept rather than printed.
struct Quiet {
    explicit Quiet(Monkey &m)
    {
        m.print = [this](const QString &line) { lines.append(line); };
    }
    QStringList lines;
};

template <class Window> Window *Loaded(int lab)
{
    for (LabWindow *w : Shell::instance().labWindows())
        if (w->formName() == LabWindowNames().value(lab - 1) && w->isLoaded())
            return dynamic_cast<Window *>(w);
    return nullptr;
}

} // namespace

void TestMonkey::runsCleanOverEveryWindow_data()
{
    QTest::addColumn<QString>("window");
    QTest::newRow("whole program") << QString();
    for (const QString &window : LabWindowNames())
        QTest::newRow(qPrintable(window)) << window;
}

void TestMonkey::runsCleanOverEveryWindow()
{
    QFETCH(QString, window);
    const Options o{.seed = 20261210, .events = 400, .window = window};
    Monkey m(o);
    Quiet quiet(m);
    const int failures = m.Run();
    QVERIFY2(failures == 0, qPrintable(quiet.lines.join(QLatin1Char('\n'))));
    QCOMPARE(m.eventsDone(), o.events);
    QCOMPARE(quiet.lines.last(), QStringLiteral("400 events, 0 failures"));
}

// Form6 is lab 4's window: --window goes by the window's name, not by the
// number in it.
void TestMonkey::worksTheNamedWindowOnly()
{
    QCOMPARE(LabOfWindow(QStringLiteral("Form6")), 4);
    QCOMPARE(LabOfWindow(QStringLiteral("Form99")), 0);
    Monkey m(Options{.seed = 3, .events = 80, .window = QStringLiteral("Form6")});
    Quiet quiet(m);
    QStringList opened;
    m.afterEvent = [&opened](long) {
        for (LabWindow *w : Shell::instance().labWindows())
            if (w->isLoaded() && !opened.contains(w->formName()))
                opened << w->formName();
    };
    QCOMPARE(m.Run(), 0);
    QCOMPARE(opened, QStringList{QStringLiteral("Form6")});
}

void TestMonkey::findsPlantedFaults_data()
{
    // Each fault is planted once the window it needs is open (from event
    // 20 on), and must be reported at that very event.
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("fault");
    QTest::addColumn<QString>("report");
    QTest::newRow("Qt warning") << QStringLiteral("Form1") << 0 << QStringLiteral("Qt warning: planted");
    QTest::newRow("clipboard written") << QStringLiteral("Form3") << 1 << QStringLiteral("the clipboard was changed");
    QTest::newRow("model result not a number") << QStringLiteral("Form2") << 2 << QStringLiteral("is nan");
    QTest::newRow("display not showing its value") << QStringLiteral("Form7") << 3
                                                   << QStringLiteral("the display does not show");
}

void TestMonkey::findsPlantedFaults()
{
    QFETCH(QString, window);
    QFETCH(int, fault);
    QFETCH(QString, report);
    long planted = -1;
    auto plant = [&](Monkey &m) {
        m.afterEvent = [&, fault](long event) {
            if (planted >= 0 || event < 20)
                return;
            switch (fault) {
            case 0:
                if (!Loaded<LabWindow>(1))
                    return;
                qWarning("planted");
                break;
            case 1:
                if (!Loaded<LabWindow>(3))
                    return;
                QGuiApplication::clipboard()->setText(QStringLiteral("planted"));
                break;
            case 2: {
                Lab2Window *w = Loaded<Lab2Window>(2);
                if (!w)
                    return;
                w->Model().CircuitCurrent = std::numeric_limits<float>::quiet_NaN();
                break;
            }
            case 3: {
                Lab7Window *w = Loaded<Lab7Window>(7);
                if (!w)
                    return;
                w->TimeBase1().setDigits(w->TimeBase1().Digits() == 3 ? 4 : 3);
                break;
            }
            }
            planted = event;
        };
    };

    Options o{.seed = 7, .events = 300, .window = window};
    {
        Monkey m(o);
        Quiet quiet(m);
        plant(m);
        m.Run();
        QVERIFY2(planted > 0, "the window never opened");
        QVERIFY(!m.failures().empty());
        QCOMPARE(m.failures().front().event, planted);
        QVERIFY2(m.failures().front().what.contains(report), qPrintable(m.failures().front().what));
        // The report names the seed and the event, and how to replay them.
        const QString replay = m.ReplayCommand(planted);
        QVERIFY(quiet.lines.contains(QStringLiteral("  replay: ") + replay));
        QVERIFY(replay.contains(QStringLiteral("--seed 7 --events %1 --window %2").arg(planted).arg(window)));
        QVERIFY(quiet.lines.last().endsWith(QStringLiteral("failures")));
        QVERIFY(!quiet.lines.last().endsWith(QStringLiteral(" 0 failures")));
    }
    // The replay stops at the failing event and fails there again.
    const long first = planted;
    planted = -1;
    o.events = first;
    Monkey again(o);
    Quiet quiet(again);
    plant(again);
    QCOMPARE(again.Run(), 1);
    QCOMPARE(again.failures().front().event, first);
}

void TestMonkey::seedReplaysTheSameEvents()
{
    auto trace = [](std::uint64_t seed) {
        Monkey m(Options{.seed = seed, .events = 150, .window = {}, .traceFrom = 1});
        Quiet quiet(m);
        m.Run();
        QStringList events;
        for (const QString &line : quiet.lines)
            if (line.startsWith(QStringLiteral("event ")))
                events.append(line);
        return events;
    };
    const QStringList first = trace(11);
    QCOMPARE(first.size(), 150);
    QCOMPARE(trace(11), first);
    QVERIFY(trace(12) != first);
}


void TestMonkey::keysAloneOperateEveryControl_data()
{
    QTest::addColumn<QString>("window");
    // A bench with a schematic of switches and knobs, and the largest one
    // (two K-50 sets, a variant and a switch per phase).
    QTest::newRow("Form2") << QStringLiteral("Form2");
    QTest::newRow("Form6") << QStringLiteral("Form6");
}

void TestMonkey::keysAloneOperateEveryControl()
{
    QFETCH(QString, window);
    Monkey m(Options{.seed = 1, .events = 2500, .window = window, .keysOnly = true});
    Quiet quiet(m);
    const int failures = m.Run();
    QVERIFY2(failures == 0, qPrintable(quiet.lines.join(QLatin1Char('\n'))));
    const KeyboardReach &reach = m.keyboardReach();
    QVERIFY(reach.controls.size() > 10);
    const QStringList missed = (reach.controls - reach.operated).values();
    QVERIFY2(missed.isEmpty(), qPrintable(QStringLiteral("not operated: ") + missed.join(QStringLiteral(", "))));
    QCOMPARE(reach.reached, reach.controls);
}
QTEST_MAIN(TestMonkey)
#include "tst_monkey.moc"
