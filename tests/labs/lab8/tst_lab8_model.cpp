// SPDX-License-Identifier: GPL-3.0-or-later
// Lab 8 model: the readings of the filter bench to their printed digits,
// the effective value of 101 samples of one period, and what the entry
// rules and the phase do to a source's component.
#include "labs/lab8/model.h"
#include "printed.h"

#include "calc/phasor.h"

#include <QTest>
#include <algorithm>
#include <cmath>

using namespace ohmaris;

namespace {

// "1011": sources E1, E3 and E4 on; "10011": S1, S4 and S5 closed.
Lab8Model Computed(const QString &sources, const QString &switches)
{
    Lab8Model m;
    for (int k = 0; k < Lab8Model::kSources; ++k)
        m.SourceOn[std::size_t(k)] = std::int16_t(sources.at(k) == QLatin1Char('1'));
    for (int s = 0; s < Lab8Model::kSwitches; ++s)
        m.SwitchState[std::size_t(Lab8Model::kS1 + s)] = std::int16_t(switches.at(s) == QLatin1Char('1'));
    m.ComputeCircuit();
    return m;
}

double Peak(const Lab8Model &m)
{
    double peak = 0.0;
    for (float u : m.VoltageWave)
        peak = std::max(peak, std::fabs(double(u)));
    return peak;
}

float Stored(const QString &text, const EntryRule &rule)
{
    return ApplyEntryRule(text, 0.0f, rule).value;
}

} // namespace

class TestLab8Model : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void defaultsAsTheBoxesStoreThem()
    {
        const Lab8Model m;
        QCOMPARE(m.ElementValues[Lab8Model::kR1], 13.0001f);
        QCOMPARE(m.ElementValues[Lab8Model::kR2], 500.0001f);
        QCOMPARE(m.SourceParams[Lab8Model::kAmplitude][3], 1.78501f);
        QCOMPARE(m.SourceParams[Lab8Model::kPhase][1], 180.00001f);
        QCOMPARE(m.SourceParams[Lab8Model::kMultiple][2], 5.0f);
        QCOMPARE(m.SwitchState, Lab8Model::kDefaultSwitches);
        QVERIFY(m.RecalcPending);
        QVERIFY(!m.AnySourceOn());
    }

    // With the default elements and sources.
    void printedReadings_data()
    {
        QTest::addColumn<QString>("sources");
        QTest::addColumn<QString>("switches"); // S1..S5
        QTest::addColumn<QString>("volts");
        QTest::addColumn<QString>("milliamps");
        QTest::newRow("no filter, no load, E1") << "1000" << "01100" << "25.328" << "0.1013";
        QTest::newRow("no filter, no load, all") << "1111" << "01100" << "25.551" << "0.1022";
        QTest::newRow("no filter, load, all") << "1111" << "01101" << "24.905" << "49.810";
        // Printed as 29.578 from the rounded 14.789 V over 500 ohm; the
        // samples themselves give 29.577.
        QTest::newRow("full filter, all") << "1111" << "10011" << "14.789" << "29.577";
        QTest::newRow("full filter, E1") << "1000" << "10011" << "14.784" << "29.568";
        QTest::newRow("all sources off") << "0000" << "10011" << "0" << "0";
    }
    void printedReadings()
    {
        QFETCH(QString, sources);
        QFETCH(QString, switches);
        QFETCH(QString, volts);
        QFETCH(QString, milliamps);
        const Lab8Model m = Computed(sources, switches);
        test::CheckPrinted("VoltageRms", m.VoltageRms, volts);
        test::CheckPrinted("CurrentRms (mA)", m.CurrentRms * 1000.0, milliamps);
        QVERIFY(!m.RecalcPending);
        if (sources == QLatin1String("0000"))
            QCOMPARE(Peak(m), 0.0);
    }

    // The samples take in both ends of the period, so a pure 50 Hz sine's
    // effective value is its amplitude times sqrt(50/101), not over sqrt(2).
    void effectiveValueOf101Samples()
    {
        Lab8Model m;
        m.ElementValues[Lab8Model::kR1] = Stored(QStringLiteral("0"), kLab8ElementRule);
        m.SourceOn[0] = 1;
        m.ComputeCircuit();
        test::CheckPrinted("VoltageRms", m.VoltageRms, QStringLiteral("25.3295"));
        QVERIFY(std::fabs(m.VoltageRms / Peak(m) - std::sqrt(50.0 / 101.0)) < 1e-6);
        QVERIFY(std::fabs(m.VoltageRms - 36.0 / std::sqrt(2.0)) > 0.1);
    }

    void harmonicsOfTheSources()
    {
        Lab8Model m;
        m.SourceOn = {1, 0, 1, 1};
        // The fundamental's box holds 50, which its frequency never uses.
        QCOMPARE(m.SourceParams[Lab8Model::kMultiple][0], 50.0f);
        const SourceHarmonic e1 = m.GetSourceHarmonic(0);
        QCOMPARE(e1.Omega, kOmega);
        QCOMPARE(e1.Amplitude, double(36.00001f));
        QCOMPARE(e1.Phase, double(0.00001f) / 180.0 * kPi);
        // A source that is off contributes nothing.
        QCOMPARE(m.GetSourceHarmonic(1).Amplitude, 0.0);
        QCOMPARE(m.GetSourceHarmonic(1).Phase, double(180.00001f) / 180.0 * kPi);
        QCOMPARE(m.GetSourceHarmonic(3).Omega, float(7.0 * double(kOmega)));
    }

    // A multiple typed as 0 becomes 1: that component then runs at 50 Hz
    // beside E1 and adds to it, in phase at 0 degrees, against it at 180.
    void multipleOfZeroRunsAtTheFundamental_data()
    {
        QTest::addColumn<QString>("phase");
        QTest::addColumn<double>("amplitude"); // of the one sine it matches
        QTest::newRow("in phase") << "0" << 40.0;
        QTest::newRow("inverted") << "180" << 32.0;
    }
    void multipleOfZeroRunsAtTheFundamental()
    {
        QFETCH(QString, phase);
        QFETCH(double, amplitude);
        const EntryResult typed = ApplyMultipleRule(QStringLiteral("0"), 3.0f);
        QCOMPARE(typed.value, 1.0f);
        QCOMPARE(typed.rewrite, std::optional<QString>(QStringLiteral("1")));

        Lab8Model both;
        both.SourceOn = {1, 1, 0, 0};
        both.SourceParams[Lab8Model::kMultiple][1] = typed.value;
        both.SourceParams[Lab8Model::kPhase][1] = Stored(phase, kLab8SourceRule);
        both.ComputeCircuit();
        Lab8Model one;
        one.SourceOn = {1, 0, 0, 0};
        one.SourceParams[Lab8Model::kAmplitude][0] = float(amplitude);
        one.ComputeCircuit();
        for (int t = 0; t < Lab8Model::kSamples; ++t)
            QVERIFY2(std::fabs(both.VoltageWave[std::size_t(t)] - one.VoltageWave[std::size_t(t)]) < 2e-4,
                     qPrintable(QString::number(t)));
        QVERIFY(std::fabs(both.VoltageRms - one.VoltageRms) < 1e-4);
    }

    // 180 degrees turns a component upside down, sample by sample.
    void phaseOf180InvertsItsComponent()
    {
        Lab8Model upright;
        upright.SourceOn = {0, 0, 1, 0};
        upright.SwitchState = {0, 1, 1, 0, 0, 1, 1}; // C1 in, L and R in, C2 and the load in
        Lab8Model inverted = upright;
        upright.SourceParams[Lab8Model::kPhase][2] = Stored(QStringLiteral("0"), kLab8SourceRule);
        inverted.SourceParams[Lab8Model::kPhase][2] = Stored(QStringLiteral("180"), kLab8SourceRule);
        upright.ComputeCircuit();
        inverted.ComputeCircuit();
        QVERIFY(Peak(upright) > 0.01);
        for (int t = 0; t < Lab8Model::kSamples; ++t)
            QVERIFY2(std::fabs(upright.VoltageWave[std::size_t(t)] + inverted.VoltageWave[std::size_t(t)]) < 1e-6,
                     qPrintable(QString::number(t)));
        QVERIFY(std::fabs(inverted.VoltageRms - upright.VoltageRms) < 1e-7);
    }

    // The lab's own offsets and caps; a frequency multiple has no offset
    // and never falls below 1.
    void entryRules_data()
    {
        QTest::addColumn<int>("kind"); // 0 element, 1 amplitude or phase, 2 multiple
        QTest::addColumn<QString>("text");
        QTest::addColumn<float>("stored");
        QTest::addColumn<QString>("rewrite"); // empty: none
        QTest::newRow("element zero") << 0 << "0" << 0.0001f << "";
        QTest::newRow("element over the cap") << 0 << "2000000" << 1000000.0f << "1000000";
        QTest::newRow("amplitude negative") << 1 << "-5" << 5.00001f << "";
        QTest::newRow("phase over the cap") << 1 << "1000,5" << 1000.0f << "1000";
        QTest::newRow("multiple zero") << 2 << "0" << 1.0f << "1";
        QTest::newRow("multiple over the cap") << 2 << "5000" << 1000.0f << "1000";
        QTest::newRow("multiple as typed") << 2 << "9" << 9.0f << "";
    }
    void entryRules()
    {
        QFETCH(int, kind);
        QFETCH(QString, text);
        QFETCH(float, stored);
        QFETCH(QString, rewrite);
        const EntryResult r = kind == 2 ? ApplyMultipleRule(text, 3.0f)
                                        : ApplyEntryRule(text, 3.0f, kind == 0 ? kLab8ElementRule : kLab8SourceRule);
        QVERIFY(r.recalc);
        QCOMPARE(r.value, stored);
        QCOMPARE(r.rewrite.value_or(QString()), rewrite);
    }

    void emptyMultipleKeepsItsValue()
    {
        const EntryResult r = ApplyMultipleRule(QString(), 5.0f);
        QVERIFY(!r.recalc);
        QCOMPARE(r.value, 5.0f);
        QVERIFY(!r.rewrite);
    }
};

QTEST_APPLESS_MAIN(TestLab8Model)
#include "tst_lab8_model.moc"
