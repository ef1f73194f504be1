// SPDX-License-Identifier: GPL-3.0-or-later
// Lab 6 circuit model: the delta load with every line and branch switch
// pattern, the wattmeter's phase powers, the branch ammeters' targets on
// their own ranges, what the K-50 reads, and the overload flag on the
// largest of the branch and line currents.
#include "labs/lab6/model.h"
#include "printed.h"

#include <QTest>
#include <cmath>

using namespace ohmaris;
using ohmaris::test::CheckPrinted;

namespace {

const QStringList kElementNames{"RAB", "XLAB", "XCAB", "RBC", "XLBC", "XCBC", "RCA", "XLCA", "XCCA"};

// A model set up from "NAME=VALUE" words as a student would set the bench
// (U, the element names, "switches=" with the seven digits S0..S6),
// computed once at time `now`.
Lab6Model Computed(const QString &setup, double now = 1000.0)
{
    Lab6Model m;
    for (const QString &word : setup.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString name = word.section(QLatin1Char('='), 0, 0);
        const QString value = word.section(QLatin1Char('='), 1);
        if (name == QLatin1String("U")) {
            m.EnterLineVoltage(value);
        } else if (name == QLatin1String("switches")) {
            for (int k = 0; k < Lab6Model::kSwitches; ++k)
                m.SwitchState[std::size_t(k)] = std::int16_t(value.at(k).digitValue());
        } else {
            m.EnterElement(int(kElementNames.indexOf(name)), value);
        }
    }
    m.ComputeCircuit(now);
    return m;
}

using Switches = std::array<std::int16_t, Lab6Model::kSwitches>;

} // namespace

class TestLab6Model : public QObject {
    Q_OBJECT

private slots:
    void defaults();
    void toggleSwitch();
    void circuit_data();
    void circuit();
    void meterTargets();
    void k50Readings();
};

void TestLab6Model::defaults()
{
    const Lab6Model m;
    QCOMPARE(m.LineVoltage, 380.0f);
    const std::array<float, 3> branch{120.01f, 150.01f, 50.01f};
    for (std::size_t i = 0; i < 9; ++i)
        QCOMPARE(m.ElementValues[i], branch[i % 3]);
    QCOMPARE(m.SwitchState, Switches{});
    QCOMPARE(m.AmmeterRange, (std::array<float, 3>{5, 5, 5}));
    QCOMPARE(m.MeterCount(), 3);
}

void TestLab6Model::toggleSwitch()
{
    Lab6Model m;
    m.RecalcPending = false;
    m.ToggleSwitch(6);
    QCOMPARE(m.SwitchState, (Switches{0, 0, 0, 0, 0, 0, 1}));
    QVERIFY(m.RecalcPending);
    m.ToggleSwitch(6);
    m.ToggleSwitch(7); // no such switch
    QCOMPARE(m.SwitchState, Switches{});
}

void TestLab6Model::circuit_data()
{
    QTest::addColumn<QString>("setup");
    // Phase voltage; branch currents AB, BC, CA; line currents A, B, C;
    // powers A, B, C; largest current; overload flag.
    QTest::addColumn<QStringList>("expected");

    const auto row = [](const char *name, const char *setup, const char *expected) {
        QTest::newRow(name) << QString::fromLatin1(setup) << QString::fromLatin1(expected).split(QLatin1Char(' '));
    };
    //                                                    U       IAB    IBC    ICA    IA     IB     IC     PA     PB     PC     max  flag
    row("balanced", "switches=1111111",            "219.3931 2.4326 2.4326 2.4326 4.2134 4.2134 4.2134 710.15 710.15 710.15 4.2134 0");
    row("line A broken", "switches=1011111",       "219.3931 1.2163 2.4326 1.2163 0 3.6489 3.6489 0 788.85 276.38 3.6489 0");
    row("line B broken", "switches=1101111",       "219.3931 1.2163 1.2163 2.4326 3.6489 0 3.6489 276.38 0 788.85 3.6489 0");
    row("line C broken", "switches=1110111",       "219.3931 2.4326 1.2163 1.2163 3.6489 3.6489 0 788.85 276.38 0 3.6489 0");
    row("branch AB open", "switches=1111011",      "219.3931 0 2.4326 2.4326 2.4326 2.4326 4.2134 184.25 525.90 710.15 4.2134 0");
    // Two or three lines broken: nothing flows, the supply still stands.
    row("lines A and B broken", "switches=1001111", "219.3931 0 0 0 0 0 0 0 0 0 0 0");
    row("lines A and C broken", "switches=1010111", "219.3931 0 0 0 0 0 0 0 0 0 0 0");
    row("lines B and C broken", "switches=1100111", "219.3931 0 0 0 0 0 0 0 0 0 0 0");
    row("every line broken", "switches=1000111",   "219.3931 0 0 0 0 0 0 0 0 0 0 0");
    row("supply open", "switches=0111111",         "0 0 0 0 0 0 0 0 0 0 0 0");
    row("20 ohm in AB", "switches=1111111 RAB=20 XLAB=0 XCAB=0",
        "219.3931 18.99 2.4326 2.4326 18.73 21.29 4.2134 - - 710.15 21.29 1");
    // Branches at 3.2 A, lines above 5 A: the line currents raise the flag.
    row("balanced at 500 V", "switches=1111111 U=500",
        "288.6751 3.2008 3.2008 3.2008 5.5439 5.5439 5.5439 1229.5 1229.5 1229.5 5.5439 1");
    // A line broken and a branch of the series pair open: that pair is cut,
    // the third branch keeps its line voltage.
    const char *lineACut = "219.3931 0 2.4326 0 0 2.4326 2.4326 0 - - 2.4326 0";
    const char *lineBCut = "219.3931 0 0 2.4326 2.4326 0 2.4326 - 0 - 2.4326 0";
    const char *lineCCut = "219.3931 2.4326 0 0 2.4326 2.4326 0 - - 0 2.4326 0";
    row("line A broken, branch AB open", "switches=1011011", lineACut);
    row("line A broken, branch CA open", "switches=1011110", lineACut);
    row("line B broken, branch AB open", "switches=1101011", lineBCut);
    row("line B broken, branch BC open", "switches=1101101", lineBCut);
    row("line C broken, branch BC open", "switches=1110101", lineCCut);
    row("line C broken, branch CA open", "switches=1110110", lineCCut);
}

void TestLab6Model::circuit()
{
    QFETCH(QString, setup);
    QFETCH(QStringList, expected);
    QCOMPARE(expected.size(), 12);

    const Lab6Model m = Computed(setup);
    for (float u : m.PhaseVoltage)
        CheckPrinted("PhaseVoltage", u, expected[0]);
    const char *const branch[3] = {"BranchCurrent AB", "BranchCurrent BC", "BranchCurrent CA"};
    const char *const line[3] = {"LineCurrent A", "LineCurrent B", "LineCurrent C"};
    const char *const power[3] = {"PhasePower A", "PhasePower B", "PhasePower C"};
    for (std::size_t k = 0; k < 3; ++k) {
        CheckPrinted(branch[k], m.BranchCurrent[k], expected[qsizetype(1 + k)]);
        CheckPrinted(line[k], m.LineCurrent[k], expected[qsizetype(4 + k)]);
        CheckPrinted(power[k], m.PhasePower[k], expected[qsizetype(7 + k)]);
    }
    CheckPrinted("MaxPhaseCurrent", m.MaxPhaseCurrent, expected[10]);
    QCOMPARE(m.Protection.OverloadFlag, std::int16_t(expected[11].toInt()));
    QVERIFY(!m.RecalcPending);
}

void TestLab6Model::meterTargets()
{
    // Line A broken: A1 and A3 carry 1.2163 A, A2 2.4326 A, each ammeter
    // on its own range.
    Lab6Model m = Computed(QStringLiteral("switches=1011111"));
    const Lab6Model computed = m;
    m.MeterRange(0) = 1.0f;
    m.MeterRange(1) = 2.5f;
    QCOMPARE(m.AmmeterRange, (std::array<float, 3>{1.0f, 2.5f, 5.0f}));
    const auto t = m.MeterTargets();
    const std::array<double, 3> want{121.63, 97.30, 24.33};
    for (std::size_t k = 0; k < 3; ++k)
        QVERIFY2(std::abs(t[k] - want[k]) <= 0.01, qPrintable(QStringLiteral("A%1: %2").arg(k + 1).arg(t[k])));
    // Ranges act on the targets only.
    QCOMPARE(m.BranchCurrent, computed.BranchCurrent);
    QVERIFY(!m.RecalcPending);
}

void TestLab6Model::k50Readings()
{
    // The K-50 sits in the lines: line currents, the star-equivalent phase
    // voltage and the powers worked from them.
    const Lab6Model broken = Computed(QStringLiteral("switches=1011111"));
    const K50PhaseReadings r = broken.K50Readings();
    QCOMPARE(r.U, broken.PhaseVoltage);
    QCOMPARE(r.I, broken.LineCurrent);
    QCOMPARE(r.P, broken.PhasePower);
    QCOMPARE(r.I[0], 0.0f);
    QVERIFY(r.I[1] > broken.BranchCurrent[1]);

    // Two lines broken: no current, yet the voltmeter reads the phase voltage.
    const K50PhaseReadings idle = Computed(QStringLiteral("switches=1100111")).K50Readings();
    for (std::size_t k = 0; k < 3; ++k) {
        CheckPrinted("K-50 U", idle.U[k], QStringLiteral("219.3931"));
        QCOMPARE(idle.I[k], 0.0f);
        QCOMPARE(idle.P[k], 0.0f);
    }
}

QTEST_GUILESS_MAIN(TestLab6Model)
#include "tst_lab6_model.moc"
