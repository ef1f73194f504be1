// SPDX-License-Identifier: GPL-3.0-or-later
// Lab 4 calculator descriptor: inputs read as the bench would store them,
// the model's quantities under their field names (what it refuses:
// tests/labs/tst_lab_calc). CTest runs it under C.UTF-8 and again under
// ru_RU.UTF-8.
#include "testlocale.h"
#include "calc/labcalc.h"
#include "labs/lab4/lab.h"

#include <QJsonArray>
#include <QtTest>

using namespace ohmaris;

namespace {
// A run's outputs as the calculator's JSON gives them.
QJsonObject Outputs(const CalcResult &r)
{
    return CalcOutputsJson(Lab4::Calc(), r);
}
} // namespace

namespace {

QString Printed(const QJsonValue &v) { return QString::number(v.toDouble(), 'g', 5); }

} // namespace

class TestLab4Calc : public QObject {
    Q_OBJECT
private slots:
    void localeOfTheRun()
    {
        QCOMPARE(*std::localeconv()->decimal_point, test::CommaLocaleExpected() ? ',' : '.');
    }
    void parallelAtFullVoltage();
    void defaults();
    void resistanceEntry();
};

void TestLab4Calc::parallelAtFullVoltage()
{
    const CalcResult r = Lab4::Calc().run({{"step", "12"}, {"SF", "1"}, {"S1", "1"}, {"S2", "1"}, {"conn", "3"}});
    QVERIFY2(r.error.isEmpty(), qPrintable(r.error));
    const QJsonObject o = Outputs(r);
    const QJsonArray branch = o["BranchCurrent"].toArray();
    QCOMPARE(branch.size(), 2);
    QCOMPARE(Printed(branch[0]), QStringLiteral("2.2551"));
    QCOMPARE(Printed(branch[1]), QStringLiteral("1.9108"));
    QCOMPARE(Printed(o["CircuitCurrent"]), QStringLiteral("4.1394"));
    QCOMPARE(Printed(o["ActivePower"]), QStringLiteral("900.02"));
    QCOMPARE(o["SupplyVoltage"].toDouble(), 228.0);
    QCOMPARE(o["OverloadFlag"].toInt(-1), 0);
    QCOMPARE(o.size(), qsizetype(Lab4::Calc().outputs.size()));

    // Series with M subtracted, through the other inputs' defaults.
    const CalcResult s = Lab4::Calc().run({{"step", "12"}, {"SF", "1"}, {"S1", "1"}, {"S2", "1"}, {"conn", "2"}});
    QCOMPARE(Printed(Outputs(s)["CircuitCurrent"]), QStringLiteral("1.0489"));
    QCOMPARE(Outputs(s)["BranchCurrent"].toArray()[1].toDouble(), Outputs(s)["CircuitCurrent"].toDouble());
}

void TestLab4Calc::defaults()
{
    // The bench at load: everything open, regulator at 0 V, selectors and
    // connection at 1, 100 ohm in each branch.
    const CalcResult r = Lab4::Calc().run({});
    QVERIFY2(r.error.isEmpty(), qPrintable(r.error));
    for (const char *name : {"sel1", "sel2", "conn"})
        QCOMPARE(r.inputs[QLatin1String(name)].toInt(), 1);
    for (const char *name : {"step", "SF", "S1", "S2"})
        QCOMPARE(r.inputs[QLatin1String(name)].toInt(-1), 0);
    QCOMPARE(r.inputs["R1"].toDouble(), 100.0);
    QCOMPARE(r.inputs["R2"].toDouble(), 100.0);
    QCOMPARE(Outputs(r)["CircuitCurrent"].toDouble(), 0.0);
}

void TestLab4Calc::resistanceEntry()
{
    // "0" is 0 ohm (no offset): 14.906 A in position 3, an overload.
    CalcResult r = Lab4::Calc().run(
        {{"step", "12"}, {"SF", "1"}, {"S1", "1"}, {"S2", "1"}, {"conn", "3"}, {"R1", "0"}, {"R2", "0"}});
    QVERIFY2(r.error.isEmpty(), qPrintable(r.error));
    QCOMPARE(r.inputs["R1"].toDouble(), 0.0);
    QCOMPARE(Printed(Outputs(r)["CircuitCurrent"]), QStringLiteral("14.906"));
    QCOMPARE(Outputs(r)["OverloadFlag"].toInt(), 1);

    // A decimal comma, the magnitude, then the cap.
    r = Lab4::Calc().run({{"R1", "12,5"}, {"R2", "-3e7"}});
    QVERIFY2(r.error.isEmpty(), qPrintable(r.error));
    QCOMPARE(r.inputs["R1"].toDouble(), 12.5);
    QCOMPARE(r.inputs["R2"].toDouble(), 1000000.0);
}

QTEST_GUILESS_MAIN(TestLab4Calc)
#include "tst_lab4_calc.moc"
