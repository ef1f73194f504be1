// SPDX-License-Identifier: GPL-3.0-or-later
// Lab 7 calculator descriptor: the simulated tick loop, event timing and
// sample selection (what it refuses: tests/labs/tst_lab_calc). CTest runs
// it under C.UTF-8 and again under ru_RU.UTF-8.
#include "testlocale.h"
#include "calc/labcalc.h"
#include "labs/lab7/lab.h"

#include <QJsonArray>
#include <QTest>
#include <cmath>

using namespace ohmaris;

namespace {
// A run's outputs as the calculator's JSON gives them.
QJsonObject Outputs(const CalcResult &r)
{
    return CalcOutputsJson(Lab7::Calc(), r);
}
} // namespace

namespace {

CalcResult Run(const QMap<QString, QString> &args)
{
    return Lab7::Calc().run(args);
}

QJsonObject Sample(const CalcResult &r, int k)
{
    return Outputs(r).value(QStringLiteral("samples")).toArray().at(k).toObject();
}

double Field(const QJsonObject &o, const char *name)
{
    return o.value(QLatin1String(name)).toDouble();
}

} // namespace

class TestLab7Calc : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // The locale the calculator runs under, taken as its start takes it.
        QCOMPARE(test::AdoptEnvironmentLocale(), test::CommaLocaleExpected() ? ',' : '.');
    }
    void chargeSample();
    void eventBetweenTicks();
    void s2ClosedLater();
};

void TestLab7Calc::chargeSample()
{
    const CalcResult r = Run({{QStringLiteral("circuit"), QStringLiteral("1")},
                              {QStringLiteral("events"), QStringLiteral("S1@0")},
                              {QStringLiteral("at"), QStringLiteral("2.4,2.47")}});
    QVERIFY2(r.error.isEmpty(), qPrintable(r.error));
    QCOMPARE(r.inputs.value(QStringLiteral("E")).toDouble(), 24.0001);
    QCOMPARE(Outputs(r).value(QStringLiteral("SolutionKind")).toInt(), 1);
    // 24.0001 (1 - e^(-2.4 / 2.400034)): the stored values carry the offset.
    const QJsonObject s = Sample(r, 0);
    QCOMPARE(Field(s, "t"), 2.4);
    QVERIFY(std::fabs(Field(s, "ScopeVoltage") - 15.1709) < 5e-5);
    QVERIFY(std::fabs(Field(s, "MeterTarget1") - (24.0001 - Field(s, "ScopeVoltage")) / 240.0001) < 1e-7);
    QCOMPARE(Field(s, "MeterTarget2"), 0.0);
    // A sample time between ticks takes the tick before it.
    QCOMPARE(Field(Sample(r, 1), "t"), 2.45);
}

void TestLab7Calc::eventBetweenTicks()
{
    // S1 at 0.02 s is computed by the tick at 0.05 s but counts from 0.02 s.
    const CalcResult r = Run({{QStringLiteral("events"), QStringLiteral("S1@0.02")},
                              {QStringLiteral("at"), QStringLiteral("0.049,0.05")}});
    QVERIFY2(r.error.isEmpty(), qPrintable(r.error));
    const QJsonObject before = Sample(r, 0);
    QCOMPARE(Field(before, "t"), 0.0);
    QCOMPARE(Field(before, "ScopeVoltage"), 0.0);
    const double alpha = Outputs(r).value(QStringLiteral("Alpha")).toDouble();
    const double uF = Outputs(r).value(QStringLiteral("FinalVoltage")).toDouble();
    const double expected = uF * (1.0 - std::exp(alpha * 0.001 * (0.05 - 0.02)));
    QVERIFY(std::fabs(Field(Sample(r, 1), "ScopeVoltage") - expected) < 1e-5);
}

void TestLab7Calc::s2ClosedLater()
{
    // S1 at 0 s, S2 at 3.5 s: the second transient starts from the voltage
    // the first one reached and heads for the divider voltage.
    const CalcResult r = Run({{QStringLiteral("events"), QStringLiteral("S1@0,S2@3.5")},
                              {QStringLiteral("at"), QStringLiteral("2.4,5")}});
    QVERIFY2(r.error.isEmpty(), qPrintable(r.error));
    const double E = 24.0001, R1 = 240.0001, R2 = 140.0001, C = 10.0001;
    const double uF = E * R2 / (R1 + R2);
    QVERIFY(std::fabs(Outputs(r).value(QStringLiteral("FinalVoltage")).toDouble() - uF) < 1e-5);
    const double u35 = E * (1.0 - std::exp(-3.45 / (R1 * C / 1000.0)));
    const double tau2 = (R1 * R2 / (R1 + R2)) * C / 1000.0;
    const double u5 = uF + (u35 - uF) * std::exp(-(5.0 - 3.5) / tau2);
    // The first transient's last value is the one of the tick at 3.45 s.
    const QJsonObject s = Sample(r, 1);
    QCOMPARE(Field(s, "t"), 5.0);
    QVERIFY2(std::fabs(Field(s, "ScopeVoltage") - u5) < 2e-4, qPrintable(QString::number(Field(s, "ScopeVoltage"))));
    QVERIFY(std::fabs(Field(s, "MeterTarget2") - Field(s, "ScopeVoltage") / R2) < 1e-6);
}

QTEST_APPLESS_MAIN(TestLab7Calc)
#include "tst_lab7_calc.moc"
