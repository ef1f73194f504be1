// SPDX-License-Identifier: GPL-3.0-or-later
// Lab 2 model: the series circuit against hand-checked readings (with the
// current the supply protection watches), what the K-50 is handed and the
// voltmeter drive. The protection itself is tested on its own
// (tests/calc/tst_protection); the bench test shows the breaker it opens.
#include "calc/entry.h"
#include "calc/meterdrive.h"
#include "labs/lab2/model.h"
#include "printed.h"
#include "labs/common/supply.h"

#include <QtTest>
#include <cmath>

using namespace ohmaris;
using ohmaris::test::CheckPrinted;

namespace {

const EntryRule kCapacitanceRule{0.0000001, 1000000.0f, false};

Lab2Model Circuit(int variant, int step, int bypass, const QString &capacitance, int breaker = 1)
{
    Lab2Model m;
    m.SwitchState = {std::int16_t(breaker), std::int16_t(bypass), std::int16_t(variant),
                     std::int16_t(step)};
    m.Capacitance = ApplyEntryRule(capacitance, m.Capacitance, kCapacitanceRule).value;
    return m;
}

constexpr double kStart = 1000.0;

} // namespace

class TestLab2Model : public QObject {
    Q_OBJECT
private slots:
    void circuit_data();
    void circuit();
    void targets();
    void pointersSettle();
};

void TestLab2Model::circuit_data()
{
    QTest::addColumn<int>("variant");
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("bypass");
    QTest::addColumn<int>("breaker");
    QTest::addColumn<QString>("capacitance");
    QTest::addColumn<QString>("current");
    QTest::addColumn<QString>("power");
    QTest::addColumn<QString>("coilVoltage");
    QTest::addColumn<QString>("capacitorVoltage");
    QTest::addColumn<QString>("protectedCurrent");
    QTest::addColumn<int>("overload");

    QTest::newRow("variant 1") << 1 << 12 << 0 << 1 << "100"
                               << "0.96588" << "18.659" << "258.65" << "30.745" << "" << 0;
    QTest::newRow("variant 1, bypass closed") << 1 << 12 << 1 << 1 << "100"
                               << "0.85143" << "" << "228.00" << "0" << "" << 0;
    QTest::newRow("variant 2") << 2 << 12 << 0 << 1 << "100"
                               << "6.7710" << "" << "" << "" << "6.77" << 1;
    QTest::newRow("variant 2, step 10") << 2 << 10 << 0 << 1 << "100"
                               << "5.6425" << "" << "" << "" << "4.70" << 0;
    QTest::newRow("variant 6 at resonance") << 6 << 12 << 0 << 1 << "40.53"
                               << "12.667" << "2888.0" << "1020.6" << "994.8" << "12.67" << 1;
    QTest::newRow("variant 4, C 63.66") << 4 << 12 << 0 << 1 << "63.66"
                               << "1.9885" << "" << "" << "99.43" << "" << 0;
    QTest::newRow("step 1") << 1 << 1 << 0 << 1 << "100"
                               << "0.080490" << "" << "" << "" << "" << 0;
    QTest::newRow("breaker open") << 6 << 12 << 0 << 0 << "40.53"
                               << "0" << "0" << "0" << "0" << "0" << 0;
    // An entered 0 is stored as 0.0000001 uF: the capacitor takes it all.
    QTest::newRow("C entered as 0") << 1 << 12 << 0 << 1 << "0"
                               << "0.0000" << "0.000" << "" << "228.00" << "" << 0;
}

void TestLab2Model::circuit()
{
    QFETCH(int, variant);
    QFETCH(int, step);
    QFETCH(int, bypass);
    QFETCH(int, breaker);
    QFETCH(QString, capacitance);
    QFETCH(QString, current);
    QFETCH(QString, power);
    QFETCH(QString, coilVoltage);
    QFETCH(QString, capacitorVoltage);
    QFETCH(QString, protectedCurrent);
    QFETCH(int, overload);

    Lab2Model m = Circuit(variant, step, bypass, capacitance, breaker);
    m.ComputeCircuit(kStart);

    QCOMPARE(m.SupplyVoltage, float(19 * step * breaker));
    QCOMPARE(m.CoilResistance, float(kVariantResistance[variant]));
    QCOMPARE(m.CoilInductance, float(kVariantInductance[variant]));
    CheckPrinted("m.CircuitCurrent", m.CircuitCurrent, current);
    CheckPrinted("m.ActivePower", m.ActivePower, power);
    CheckPrinted("m.CoilVoltage", m.CoilVoltage, coilVoltage);
    CheckPrinted("m.CapacitorVoltage", m.CapacitorVoltage, capacitorVoltage);
    CheckPrinted("m.ProtectedCurrent()", m.ProtectedCurrent(), protectedCurrent);
    QCOMPARE(m.Protection.OverloadFlag, std::int16_t(overload));
    QCOMPARE(m.Protection.OverloadStart, overload ? kStart : 0.0);
    if (bypass == 1 || breaker == 0)
        QCOMPARE(m.CapacitorVoltage, 0.0f);
}

void TestLab2Model::targets()
{
    // Variant 1 at 228 V: I = 0.96588 A, P = 18.659 W.
    Lab2Model m = Circuit(1, 12, 0, "100");
    m.ComputeCircuit(kStart);

    // The K-50 sees the circuit on phase A only.
    const K50PhaseReadings r = m.K50Readings();
    QCOMPARE(r.U, (std::array<float, 3>{228.0f, 0.0f, 0.0f}));
    CheckPrinted("r.I[0]", r.I[0], QStringLiteral("0.96588"));
    CheckPrinted("r.P[0]", r.P[0], QStringLiteral("18.659"));
    QCOMPARE(r.I, (std::array<float, 3>{m.CircuitCurrent, 0.0f, 0.0f}));
    QCOMPARE(r.P, (std::array<float, 3>{m.ActivePower, 0.0f, 0.0f}));

    // V1 and V2 hang on the circuit itself.
    const std::array<double, 2> t = m.MeterTargets();
    CheckPrinted("V1 target", t[0], QStringLiteral("51.730"));
    CheckPrinted("V2 target", t[1], QStringLiteral("6.149"));
    m.V1Range = 300.0f;
    CheckPrinted("V1 target at 300 V", m.MeterTargets()[0], QStringLiteral("129.32"));
}

void TestLab2Model::pointersSettle()
{
    Lab2Model m = Circuit(1, 12, 0, "100");
    m.ComputeCircuit(kStart);
    const std::array<double, 2> t = m.MeterTargets();

    std::array<float, 2> v{};
    for (std::size_t k = 0; k < 2; ++k)
        v[k] = MeterStep(v[k], t[k]);
    QCOMPARE(v[0], float(0.2 * t[0]));
    QCOMPARE(v[1], float(0.2 * t[1]));

    // About a second of 30 ms ticks brings both pointers onto their readings.
    for (int tick = 1; tick < 40; ++tick)
        for (std::size_t k = 0; k < 2; ++k)
            v[k] = MeterStep(v[k], t[k]);
    QVERIFY(test::MatchesPrinted(v[0], QStringLiteral("51.7")));
    QVERIFY(test::MatchesPrinted(v[1] * 750.0 / 150.0, QStringLiteral("30.7")));
}

QTEST_GUILESS_MAIN(TestLab2Model)
#include "tst_lab2_model.moc"
