// SPDX-License-Identifier: GPL-3.0-or-later
// Lab 3 calculator descriptor: inputs read as the bench would store them,
// the model's quantities under their field names. CTest runs it under
// C.UTF-8 and again under ru_RU.UTF-8.
#include "testlocale.h"
#include "calc/labcalc.h"
#include "labs/lab3/lab.h"

#include <QtTest>

using namespace ohmaris;

namespace {
// A run's outputs as the calculator's JSON gives them.
QJsonObject Outputs(const CalcResult &r)
{
    return CalcOutputsJson(Lab3::Calc(), r);
}
} // namespace

namespace {
QString FiveDigits(const QJsonValue &v)
{
    return QString::number(v.toDouble(), 'g', 5);
}
} // namespace

class TestLab3Calc : public QObject {
    Q_OBJECT
private slots:
    void localeOfTheRun()
    {
        QCOMPARE(*std::localeconv()->decimal_point, test::CommaLocaleExpected() ? ',' : '.');
    }
    void fullVoltage();
    void defaults();
    void resonance();
};

void TestLab3Calc::fullVoltage()
{
    const CalcResult r = Lab3::Calc().run({{"variant", "1"}, {"step", "12"}, {"SF", "1"}, {"S", "1"}});
    QVERIFY2(r.error.isEmpty(), qPrintable(r.error));
    const QJsonObject o = Outputs(r);
    QCOMPARE(FiveDigits(o["CircuitCurrent"]), QStringLiteral("6.3141"));
    QCOMPARE(FiveDigits(o["CoilCurrent"]), QStringLiteral("0.85143"));
    QCOMPARE(FiveDigits(o["CapacitorCurrent"]), QStringLiteral("7.1628"));
    QCOMPARE(FiveDigits(o["ActivePower"]), QStringLiteral("14.499"));
    QCOMPARE(o["SupplyVoltage"].toDouble(), 228.0);
    QCOMPARE(o["CoilResistance"].toDouble(), 20.0);
    QCOMPARE(o["CoilInductance"].toDouble(), 0.85);
    QCOMPARE(o["Capacitance"].toDouble(), 100.0);
    // 12 x 6.3141 / 12 is past 5 A.
    QCOMPARE(o["OverloadFlag"].toInt(-1), 1);
    // Every listed output is given, in the descriptor's names.
    QCOMPARE(o.size(), qsizetype(Lab3::Calc().outputs.size()));
    for (const Quantity &out : Lab3::Calc().outputs)
        QVERIFY2(o.contains(out.name), qPrintable(out.name));
}

void TestLab3Calc::defaults()
{
    // The bench at load: breaker and capacitor switch open, 0 V, variant 1,
    // 100 uF.
    const CalcResult r = Lab3::Calc().run({});
    QVERIFY2(r.error.isEmpty(), qPrintable(r.error));
    QCOMPARE(r.inputs["variant"].toInt(), 1);
    QCOMPARE(r.inputs["step"].toInt(), 0);
    QCOMPARE(r.inputs["SF"].toInt(), 0);
    QCOMPARE(r.inputs["S"].toInt(), 0);
    QCOMPARE(r.inputs["C"].toDouble(), 100.0);
    QCOMPARE(Outputs(r)["CircuitCurrent"].toDouble(), 0.0);
    QCOMPARE(Outputs(r)["CapacitorCurrent"].toDouble(), 0.0);
}

void TestLab3Calc::resonance()
{
    // A decimal comma, as typed into the box; the total at its minimum.
    const CalcResult r = Lab3::Calc().run({{"step", "12"}, {"SF", "1"}, {"S", "1"}, {"C", "11,8536"}});
    QVERIFY2(r.error.isEmpty(), qPrintable(r.error));
    QCOMPARE(FiveDigits(Outputs(r)["CircuitCurrent"]), QStringLiteral("0.063591"));
    QCOMPARE(FiveDigits(Outputs(r)["CapacitorCurrent"]), QStringLiteral("0.84905"));
    QCOMPARE(Outputs(r)["OverloadFlag"].toInt(-1), 0);
}

QTEST_GUILESS_MAIN(TestLab3Calc)
#include "tst_lab3_calc.moc"
