// SPDX-License-Identifier: GPL-3.0-or-later
// Lab 2 calculator descriptor: inputs read as the bench would store them,
// the model's quantities under their field names (what it refuses:
// tests/labs/tst_lab_calc). CTest runs it under C.UTF-8 and again under
// ru_RU.UTF-8.
#include "testlocale.h"
#include "calc/labcalc.h"
#include "labs/lab2/lab.h"

#include <QtTest>

using namespace ohmaris;

namespace {
// A run's outputs as the calculator's JSON gives them.
QJsonObject Outputs(const CalcResult &r)
{
    return CalcOutputsJson(Lab2::Calc(), r);
}
} // namespace

class TestLab2Calc : public QObject {
    Q_OBJECT
private slots:
    void localeOfTheRun()
    {
        // QCoreApplication has taken the C library's locale from the
        // environment, as the calculator's start does.
        QCOMPARE(*std::localeconv()->decimal_point, test::CommaLocaleExpected() ? ',' : '.');
    }
    void fullVoltage();
    void defaults();
    void capacitanceEntry();
};

void TestLab2Calc::fullVoltage()
{
    const CalcResult r = Lab2::Calc().run({{"variant", "1"}, {"step", "12"}, {"SF", "1"}});
    QVERIFY2(r.error.isEmpty(), qPrintable(r.error));
    const QJsonObject o = Outputs(r);
    // Shortest decimals of the stored floats, checked to the printed digits.
    QCOMPARE(QString::number(o["CircuitCurrent"].toDouble(), 'g', 5), QStringLiteral("0.96588"));
    QCOMPARE(QString::number(o["ActivePower"].toDouble(), 'g', 5), QStringLiteral("18.659"));
    QCOMPARE(QString::number(o["CoilVoltage"].toDouble(), 'g', 5), QStringLiteral("258.65"));
    QCOMPARE(QString::number(o["CapacitorVoltage"].toDouble(), 'g', 5), QStringLiteral("30.745"));
    QCOMPARE(o["SupplyVoltage"].toDouble(), 228.0);
    QCOMPARE(o["CoilResistance"].toDouble(), 20.0);
    QCOMPARE(o["CoilInductance"].toDouble(), 0.85); // shortest text of 0.85f
    QCOMPARE(o["Capacitance"].toDouble(), 100.0);
    QCOMPARE(o["OverloadFlag"].toInt(-1), 0);
    QCOMPARE(o.size(), qsizetype(Lab2::Calc().outputs.size()));
}

void TestLab2Calc::defaults()
{
    // The bench at load: breaker open, regulator at 0 V, variant 1, 100 uF.
    const CalcResult r = Lab2::Calc().run({});
    QVERIFY2(r.error.isEmpty(), qPrintable(r.error));
    QCOMPARE(r.inputs["variant"].toInt(), 1);
    QCOMPARE(r.inputs["step"].toInt(), 0);
    QCOMPARE(r.inputs["SF"].toInt(), 0);
    QCOMPARE(r.inputs["S"].toInt(), 0);
    QCOMPARE(r.inputs["C"].toDouble(), 100.0);
    QCOMPARE(Outputs(r)["CircuitCurrent"].toDouble(), 0.0);
}

void TestLab2Calc::capacitanceEntry()
{
    // Variant 6 at resonance takes a decimal comma; a protected current of
    // 12.67 A raises the overload flag.
    CalcResult r = Lab2::Calc().run({{"variant", "6"}, {"step", "12"}, {"SF", "1"}, {"C", "40,53"}});
    QVERIFY2(r.error.isEmpty(), qPrintable(r.error));
    QCOMPARE(QString::number(Outputs(r)["CircuitCurrent"].toDouble(), 'g', 5), QStringLiteral("12.667"));
    QCOMPARE(Outputs(r)["OverloadFlag"].toInt(), 1);

    // "0" is stored as 0.0000001 uF: the capacitor takes the whole supply.
    r = Lab2::Calc().run({{"step", "12"}, {"SF", "1"}, {"C", "0"}});
    QCOMPARE(r.inputs["C"].toDouble(), 0.0000001);
    QCOMPARE(QString::number(Outputs(r)["CapacitorVoltage"].toDouble(), 'f', 2), QStringLiteral("228.00"));

    // Magnitude, then the cap.
    r = Lab2::Calc().run({{"C", "-2e7"}});
    QCOMPARE(r.inputs["C"].toDouble(), 1000000.0);
}

QTEST_GUILESS_MAIN(TestLab2Calc)
#include "tst_lab2_calc.moc"
