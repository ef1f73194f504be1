// SPDX-License-Identifier: GPL-3.0-or-later
// Lab 6 calculator descriptor: its inputs and their defaults, the model's
// quantities under their field names and the entry rules on the inputs
// (what it refuses: tests/labs/tst_lab_calc). CTest runs it under C.UTF-8
// and again under ru_RU.UTF-8.
#include "calc/labcalc.h"
#include "labs/lab6/lab.h"
#include "printed.h"
#include "testlocale.h"

#include <QJsonArray>
#include <QTest>

using namespace ohmaris;

namespace {
// A run's outputs as the calculator's JSON gives them.
QJsonObject Outputs(const CalcResult &r)
{
    return CalcOutputsJson(Lab6::Calc(), r);
}
} // namespace
using ohmaris::test::CheckPrinted;

class TestLab6Calc : public QObject {
    Q_OBJECT
private slots:
    void localeOfTheRun()
    {
        QCOMPARE(*std::localeconv()->decimal_point, test::CommaLocaleExpected() ? ',' : '.');
    }
    void descriptor();
    void everythingClosed();
    void entryRules();
};

void TestLab6Calc::descriptor()
{
    const LabCalc &calc = Lab6::Calc();
    QCOMPARE(calc.lab, 6);
    QStringList names, defaults;
    for (const CalcInput &in : calc.inputs) {
        names << in.name;
        defaults << in.defaultText;
    }
    QCOMPARE(names, (QStringList{"U", "RAB", "XLAB", "XCAB", "RBC", "XLBC", "XCBC", "RCA", "XLCA", "XCCA",
                                 "S0", "S1", "S2", "S3", "S4", "S5", "S6"}));
    QCOMPARE(defaults, (QStringList{"380", "120", "150", "50", "120", "150", "50", "120", "150", "50",
                                    "0", "0", "0", "0", "0", "0", "0"}));
    QStringList outputs;
    for (const Quantity &out : calc.outputs)
        outputs << out.name;
    QCOMPARE(outputs, (QStringList{"PhaseVoltage", "BranchCurrent", "LineCurrent", "PhasePower",
                                   "MaxPhaseCurrent", "OverloadFlag"}));

    // The bench at load: the supply open, every switch open.
    const CalcResult r = calc.run({});
    QVERIFY2(r.error.isEmpty(), qPrintable(r.error));
    QCOMPARE(float(r.inputs["XLBC"].toDouble()), 150.01f);
    QCOMPARE(Outputs(r)["PhaseVoltage"].toArray()[0].toDouble(), 0.0);
    QCOMPARE(Outputs(r)["LineCurrent"].toArray()[2].toDouble(), 0.0);
    QCOMPARE(QStringList(Outputs(r).keys()).size(), outputs.size());
    for (const QString &key : Outputs(r).keys())
        QVERIFY2(outputs.contains(key), qPrintable(key));
}

void TestLab6Calc::everythingClosed()
{
    QMap<QString, QString> args;
    for (int k = 0; k <= 6; ++k)
        args.insert(QStringLiteral("S%1").arg(k), QStringLiteral("1"));
    const CalcResult r = Lab6::Calc().run(args);
    QVERIFY2(r.error.isEmpty(), qPrintable(r.error));
    for (int k = 0; k < 3; ++k) {
        CheckPrinted("PhaseVoltage", Outputs(r)["PhaseVoltage"].toArray()[k].toDouble(), "219.3931");
        CheckPrinted("BranchCurrent", Outputs(r)["BranchCurrent"].toArray()[k].toDouble(), "2.4326");
        CheckPrinted("LineCurrent", Outputs(r)["LineCurrent"].toArray()[k].toDouble(), "4.2134");
        CheckPrinted("PhasePower", Outputs(r)["PhasePower"].toArray()[k].toDouble(), "710.15");
    }
    CheckPrinted("MaxPhaseCurrent", Outputs(r)["MaxPhaseCurrent"].toDouble(), "4.2134");
    QCOMPARE(Outputs(r)["OverloadFlag"].toInt(-1), 0);
    QCOMPARE(r.inputs["S6"].toInt(), 1);
}

void TestLab6Calc::entryRules()
{
    // Capped line voltage, offset on a typed 0 and a decimal comma, as the
    // boxes store them; 20 ohm in AB raises the overload flag.
    const CalcResult r = Lab6::Calc().run({{"U", "2000"}, {"RAB", "20"}, {"XLAB", "0"}, {"XCAB", "0,5"},
                                           {"S0", "1"}, {"S1", "1"}, {"S2", "1"}, {"S4", "1"}});
    QVERIFY2(r.error.isEmpty(), qPrintable(r.error));
    QCOMPARE(r.inputs["U"].toDouble(), 1000.0);
    QCOMPARE(float(r.inputs["RAB"].toDouble()), 20.01f);
    QCOMPARE(float(r.inputs["XLAB"].toDouble()), 0.01f);
    QCOMPARE(float(r.inputs["XCAB"].toDouble()), 0.51f);
    QCOMPARE(Outputs(r)["OverloadFlag"].toInt(), 1);
}

QTEST_GUILESS_MAIN(TestLab6Calc)
#include "tst_lab6_calc.moc"
