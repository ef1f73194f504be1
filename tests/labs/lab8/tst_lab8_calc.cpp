// SPDX-License-Identifier: GPL-3.0-or-later
// Lab 8 calculator descriptor: the sources and the filter switched from the
// command line and the bench's entry rules on every input (what it refuses:
// tests/labs/tst_lab_calc). CTest runs it under C.UTF-8 and again under
// ru_RU.UTF-8.
#include "testlocale.h"
#include "calc/labcalc.h"
#include "labs/lab8/lab.h"
#include "printed.h"

#include <QJsonArray>
#include <QTest>

using namespace ohmaris;

namespace {
// A run's outputs as the calculator's JSON gives them.
QJsonObject Outputs(const CalcResult &r)
{
    return CalcOutputsJson(Lab8::Calc(), r);
}
} // namespace

namespace {

CalcResult Run(const QMap<QString, QString> &args)
{
    return Lab8::Calc().run(args);
}

const QMap<QString, QString> kFullFilter{{"on1", "1"}, {"on2", "1"}, {"on3", "1"}, {"on4", "1"}, {"S1", "1"},
                                         {"S2", "0"},  {"S3", "0"},  {"S4", "1"},  {"S5", "1"}};

} // namespace

class TestLab8Calc : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QCOMPARE(test::AdoptEnvironmentLocale(), test::CommaLocaleExpected() ? ',' : '.');
    }

    void fullFilterWithAllSources()
    {
        const CalcResult r = Run(kFullFilter);
        QVERIFY2(r.error.isEmpty(), qPrintable(r.error));
        test::CheckPrinted("VoltageRms", Outputs(r).value(QStringLiteral("VoltageRms")).toDouble(), "14.789");
        test::CheckPrinted("CurrentRms", Outputs(r).value(QStringLiteral("CurrentRms")).toDouble(), "0.029577");
        const QJsonArray wave = Outputs(r).value(QStringLiteral("VoltageWave")).toArray();
        QCOMPARE(wave.size(), 101);
        // Whole periods of every component: the period's two ends agree.
        QVERIFY(std::fabs(wave.first().toDouble() - wave.last().toDouble()) < 1e-3);
        QVERIFY(std::fabs(wave.first().toDouble()) > 1.0);
    }

    void defaultsLeaveEverySourceOff()
    {
        const CalcResult r = Run({});
        QVERIFY2(r.error.isEmpty(), qPrintable(r.error));
        QCOMPARE(Outputs(r).value(QStringLiteral("VoltageRms")).toDouble(), 0.0);
        QCOMPARE(r.inputs.value(QStringLiteral("S2")).toInt(), 1);
        QCOMPARE(r.inputs.value(QStringLiteral("k4")).toDouble(), 7.0);
        QCOMPARE(float(r.inputs.value(QStringLiteral("phi2")).toDouble()), 180.00001f);
        QCOMPARE(float(r.inputs.value(QStringLiteral("R2")).toDouble()), 500.0001f);
    }

    // What a box of the bench would store for the same text.
    void entryRules_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<float>("stored");
        QTest::newRow("decimal comma") << "Em3" << "2,5" << 2.50001f;
        QTest::newRow("negative phase") << "phi1" << "-90" << 90.00001f;
        QTest::newRow("amplitude capped") << "Em1" << "5000" << 1000.0f;
        QTest::newRow("multiple zero") << "k2" << "0" << 1.0f;
        QTest::newRow("multiple capped") << "k3" << "99999" << 1000.0f;
        QTest::newRow("element zero") << "C1" << "0" << 0.0001f;
        QTest::newRow("element capped") << "R2" << "1e9" << 1000000.0f;
    }
    void entryRules()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(float, stored);
        const CalcResult r = Run({{name, text}});
        QVERIFY2(r.error.isEmpty(), qPrintable(r.error));
        // Inputs print as the shortest decimal of the stored 32-bit value.
        QCOMPARE(float(r.inputs.value(name).toDouble()), stored);
    }
};

QTEST_APPLESS_MAIN(TestLab8Calc)
#include "tst_lab8_calc.moc"
