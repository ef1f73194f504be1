// SPDX-License-Identifier: GPL-3.0-or-later
// Lab 5 circuit model: the star load with and without the neutral wire, the
// wattmeter's phase powers, the meter targets, the entry rules, the overload
// flag, and the calculator descriptor that runs the model.
#include "calc/labcalc.h"
#include "labs/lab5/lab.h"
#include "labs/lab5/model.h"
#include "printed.h"

#include <QJsonArray>
#include <QTest>
#include <cmath>

using namespace ohmaris;
using ohmaris::test::CheckPrinted;

namespace {

const QStringList kElementNames{"RA", "XLA", "XCA", "RB", "XLB", "XCB", "RC", "XLC", "XCC"};

// A model set up from "NAME=VALUE" words as a student would type them
// (U, the element names, S0..S4), computed once at time `now`.
Lab5Model Computed(const QString &setup, double now = 1000.0)
{
    Lab5Model m;
    for (const QString &word : setup.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString name = word.section(QLatin1Char('='), 0, 0);
        const QString value = word.section(QLatin1Char('='), 1);
        if (name == QLatin1String("U"))
            m.EnterLineVoltage(value);
        else if (name.startsWith(QLatin1Char('S')))
            m.SwitchState[std::size_t(name.mid(1).toInt())] = std::int16_t(value.toInt());
        else
            m.EnterElement(int(kElementNames.indexOf(name)), value);
    }
    m.ComputeCircuit(now);
    return m;
}

} // namespace

class TestLab5Model : public QObject {
    Q_OBJECT

private slots:
    void defaults();
    void entryRules_data();
    void entryRules();
    void toggleSwitch();
    void circuit_data();
    void circuit();
    void meterTargets_data();
    void meterTargets();
    void calculator();
};

void TestLab5Model::defaults()
{
    const Lab5Model m;
    QCOMPARE(m.LineVoltage, 380.0f);
    const std::array<float, 3> phase{120.01f, 200.01f, 50.01f};
    for (std::size_t i = 0; i < 9; ++i)
        QCOMPARE(m.ElementValues[i], phase[i % 3]);
    QCOMPARE(m.SwitchState, (std::array<std::int16_t, 5>{0, 0, 0, 0, 0}));
    QCOMPARE(m.AmmeterRange, 5.0f);
    QCOMPARE(m.VoltmeterRange, 450.0f);
}

void TestLab5Model::entryRules_data()
{
    QTest::addColumn<int>("box"); // -1 line voltage, 0..8 elements
    QTest::addColumn<QString>("text");
    QTest::addColumn<float>("stored");
    QTest::addColumn<bool>("recalc");
    QTest::addColumn<QString>("rewrite"); // empty: the box keeps its text

    QTest::newRow("voltage as typed") << -1 << "220" << 220.0f << true << "";
    QTest::newRow("voltage capped at 1000") << -1 << "2000" << 1000.0f << true << "1000";
    QTest::newRow("voltage text not numeric") << -1 << "abc" << 380.0f << false << "";
    QTest::newRow("voltage box emptied") << -1 << "" << 380.0f << false << "";
    QTest::newRow("zero resistance gets the offset") << 0 << "0" << 0.01f << true << "";
    QTest::newRow("decimal comma") << 4 << "12,5" << 12.51f << true << "";
    QTest::newRow("element capped") << 8 << "2000000" << 1000000.0f << true << "1000000";
    QTest::newRow("negative taken by magnitude") << 3 << "-5" << 5.01f << true << "";
    QTest::newRow("lone comma") << 5 << "," << 50.01f << false << "";
}

void TestLab5Model::entryRules()
{
    QFETCH(int, box);
    QFETCH(QString, text);
    QFETCH(float, stored);
    QFETCH(bool, recalc);
    QFETCH(QString, rewrite);

    Lab5Model m;
    m.RecalcPending = false;
    const EntryResult r = box < 0 ? m.EnterLineVoltage(text) : m.EnterElement(box, text);
    QCOMPARE(box < 0 ? m.LineVoltage : m.ElementValues[std::size_t(box)], stored);
    QCOMPARE(m.RecalcPending, recalc);
    QCOMPARE(r.rewrite.value_or(QString()), rewrite);
}

void TestLab5Model::toggleSwitch()
{
    Lab5Model m;
    m.RecalcPending = false;
    m.ToggleSwitch(4);
    QCOMPARE(m.SwitchState, (std::array<std::int16_t, 5>{0, 0, 0, 0, 1}));
    QVERIFY(m.RecalcPending);
    m.ToggleSwitch(4);
    QCOMPARE(m.SwitchState[4], std::int16_t(0));
    m.ToggleSwitch(5); // no such switch
    QCOMPARE(m.SwitchState, (std::array<std::int16_t, 5>{0, 0, 0, 0, 0}));
}

void TestLab5Model::circuit_data()
{
    QTest::addColumn<QString>("setup");
    // Phase voltage; currents A, B, C; powers A, B, C; neutral current;
    // neutral voltage; largest phase current; overload flag.
    QTest::addColumn<QStringList>("expected");

    const auto row = [](const char *name, const char *setup, const char *expected) {
        QTest::newRow(name) << QString::fromLatin1(setup)
                            << QString::fromLatin1(expected).split(QLatin1Char(' '));
    };
    //                                                                   U      IA      IB      IC     PA     PB     PC    IN     UN         max   flag
    row("supply only, branches open", "S0=1",                      "219.3931 0 0 0 0 0 0 0 0 0 0");
    row("all branches open, neutral closed", "S0=1 S4=1",          "219.3931 0 0 0 0 0 0 0 0 0 0");
    row("balanced with neutral", "S0=1 S1=1 S2=1 S3=1 S4=1",       "219.3931 1.1421 1.1421 1.1421 156.53 156.53 156.53 ~0 0 1.1421 0");
    row("balanced, neutral open", "S0=1 S1=1 S2=1 S3=1",           "219.3931 1.1421 1.1421 1.1421 156.53 156.53 156.53 0 ~0 1.1421 0");
    row("A and B, neutral open", "S0=1 S1=1 S2=1",                 "219.3931 0.9891 0.9891 0 202.12 32.68 0 0 109.6965* 0.9891 0");
    row("A and B, neutral closed", "S0=1 S1=1 S2=1 S4=1",          "219.3931 1.1421 1.1421 0 156.53 156.53 0 1.1421 0 1.1421 0");
    row("only A, neutral open", "S0=1 S1=1",                       "219.3931 ~0 0 0 - 0 0 0 219.3931 ~0 0");
    row("supply open, neutral closed", "S1=1 S2=1 S3=1 S4=1",      "0 0 0 0 0 0 0 0 0 0 0");
    row("supply open, neutral open", "S1=1 S2=1 S3=1",             "0 0 0 0 0 0 0 0 0 0 0");
    row("10 ohm in A, neutral closed", "S0=1 S1=1 S2=1 S3=1 S4=1 RA=10 XLA=0 XCA=0",
        "219.3931 21.92 1.1421 1.1421 - 156.53 156.53 - 0 21.92 1");
    row("10 ohm in A, neutral open", "S0=1 S1=1 S2=1 S3=1 RA=10 XLA=0 XCA=0",
        "219.3931 3.2075* - - - - - 0 198.87 3.2075* 0");
}

void TestLab5Model::circuit()
{
    QFETCH(QString, setup);
    QFETCH(QStringList, expected);
    QCOMPARE(expected.size(), 11);

    const Lab5Model m = Computed(setup);
    for (float u : m.PhaseVoltage)
        CheckPrinted("PhaseVoltage", u, expected[0]);
    CheckPrinted("PhaseCurrent A", m.PhaseCurrent[0], expected[1]);
    CheckPrinted("PhaseCurrent B", m.PhaseCurrent[1], expected[2]);
    CheckPrinted("PhaseCurrent C", m.PhaseCurrent[2], expected[3]);
    CheckPrinted("PhasePower A", m.PhasePower[0], expected[4]);
    CheckPrinted("PhasePower B", m.PhasePower[1], expected[5]);
    CheckPrinted("PhasePower C", m.PhasePower[2], expected[6]);
    CheckPrinted("NeutralCurrent", m.NeutralCurrent, expected[7]);
    CheckPrinted("NeutralVoltage", m.NeutralVoltage, expected[8]);
    CheckPrinted("MaxPhaseCurrent", m.MaxPhaseCurrent, expected[9]);
    QCOMPARE(m.Protection.OverloadFlag, std::int16_t(expected[10].toInt()));
    QVERIFY(!m.RecalcPending);
}

void TestLab5Model::meterTargets_data()
{
    QTest::addColumn<QString>("setup");
    QTest::addColumn<float>("ammeterRange");
    QTest::addColumn<float>("voltmeterRange");
    // A1, V1, in scale divisions.
    QTest::addColumn<QList<double>>("targets");

    const QString ab = QStringLiteral("S0=1 S1=1 S2=1");
    QTest::newRow("displacement, default ranges") << ab << 5.0f << 450.0f << QList<double>{0, 36.5655};
    QTest::newRow("displacement on 50 V") << ab << 5.0f << 50.0f << QList<double>{0, 329.090};
    QTest::newRow("displacement on 150 V") << ab << 5.0f << 150.0f << QList<double>{0, 109.6965};
    QTest::newRow("neutral current on 0.5 A") << ab + QStringLiteral(" S4=1") << 0.5f << 450.0f
        << QList<double>{228.42, 0};
}

void TestLab5Model::meterTargets()
{
    QFETCH(QString, setup);
    QFETCH(float, ammeterRange);
    QFETCH(float, voltmeterRange);
    QFETCH(QList<double>, targets);

    Lab5Model m = Computed(setup);
    const Lab5Model computed = m;
    m.AmmeterRange = ammeterRange;
    m.VoltmeterRange = voltmeterRange;

    const auto t = m.MeterTargets();
    const std::array<double, 2> got{t[0], t[1]};
    const char *names[2] = {"A1", "V1"};
    for (std::size_t i = 0; i < got.size(); ++i) {
        const double want = targets[qsizetype(i)];
        QVERIFY2(std::abs(double(got[i]) - want) <= 1e-4 * std::abs(want) + 1e-6,
                 qPrintable(QStringLiteral("%1: %2 instead of %3").arg(QLatin1String(names[i]))
                                .arg(double(got[i])).arg(want)));
    }
    // Ranges act on the targets only.
    QCOMPARE(m.NeutralCurrent, computed.NeutralCurrent);
    QCOMPARE(m.NeutralVoltage, computed.NeutralVoltage);
    QVERIFY(!m.RecalcPending);
}

void TestLab5Model::calculator()
{
    const LabCalc &calc = Lab5::Calc();
    QCOMPARE(calc.lab, 5);
    QStringList names;
    for (const CalcInput &in : calc.inputs)
        names << in.name;
    QCOMPARE(names, (QStringList{"U"} + kElementNames
                     + QStringList{"S0", "S1", "S2", "S3", "S4"}));
    QStringList outputs;
    for (const Quantity &out : calc.outputs)
        outputs << out.name;

    const CalcResult r = calc.run({{"S0", "1"}, {"S1", "1"}, {"S2", "1"}, {"U", "380"}});
    QVERIFY2(r.error.isEmpty(), qPrintable(r.error));
    QCOMPARE(QStringList(CalcOutputsJson(calc, r).keys()), (QStringList{"MaxPhaseCurrent", "NeutralCurrent",
             "NeutralVoltage", "OverloadFlag", "PhaseCurrent", "PhasePower", "PhaseVoltage"}));
    for (const QString &key : CalcOutputsJson(calc, r).keys())
        QVERIFY2(outputs.contains(key), qPrintable(key));
    CheckPrinted("NeutralVoltage", float(CalcOutputsJson(calc, r)["NeutralVoltage"].toDouble()), "109.6965*");
    const QJsonArray power = CalcOutputsJson(calc, r)["PhasePower"].toArray();
    CheckPrinted("PhasePower A", float(power[0].toDouble()), "202.12");
    CheckPrinted("PhasePower B", float(power[1].toDouble()), "32.68");
    QCOMPARE(float(r.inputs["RA"].toDouble()), 120.01f);
    QCOMPARE(r.inputs["S3"].toInt(), 0);

    // Through the entry rules: capped line voltage, offset on a typed 0,
    // and the trip condition visible in the flag.
    const CalcResult c = calc.run({{"U", "2000"}, {"S0", "1"}, {"S1", "1"}, {"S4", "1"},
                                   {"RA", "0"}, {"XLA", "0"}, {"XCA", "0"}});
    QVERIFY2(c.error.isEmpty(), qPrintable(c.error));
    QCOMPARE(c.inputs["U"].toDouble(), 1000.0);
    QCOMPARE(float(c.inputs["RA"].toDouble()), 0.01f);
    QCOMPARE(CalcOutputsJson(calc, c)["OverloadFlag"].toInt(), 1);
}

QTEST_GUILESS_MAIN(TestLab5Model)
#include "tst_lab5_model.moc"
