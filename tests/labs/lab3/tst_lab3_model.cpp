// SPDX-License-Identifier: GPL-3.0-or-later
// Lab 3 model: the parallel circuit against hand-checked readings, what the
// K-50 and the ammeters are handed, and the overload noted on the regulated
// total current (the protection itself: tests/calc/tst_protection).
#include "calc/entry.h"
#include "labs/common/supply.h"
#include "labs/lab3/model.h"
#include "printed.h"

#include <QtTest>

using namespace ohmaris;
using ohmaris::test::CheckPrinted;

namespace {

Lab3Model Circuit(int variant, int step, int capacitorSwitch, const QString &capacitance, int breaker = 1)
{
    Lab3Model m;
    m.SwitchState = {std::int16_t(breaker), std::int16_t(capacitorSwitch), std::int16_t(variant),
                     std::int16_t(step)};
    m.Capacitance = ApplyEntryRule(capacitance, m.Capacitance, CoilCapacitorCircuit::kCapacitanceRule).value;
    return m;
}

constexpr double kStart = 1000.0;

} // namespace

class TestLab3Model : public QObject {
    Q_OBJECT
private slots:
    void circuit_data();
    void circuit();
    void targets();
};

void TestLab3Model::circuit_data()
{
    QTest::addColumn<int>("variant");
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("capacitorSwitch");
    QTest::addColumn<int>("breaker");
    QTest::addColumn<QString>("capacitance");
    QTest::addColumn<QString>("total");
    QTest::addColumn<QString>("coil");
    QTest::addColumn<QString>("capacitor");
    QTest::addColumn<QString>("power");
    QTest::addColumn<QString>("protectedCurrent");
    QTest::addColumn<int>("overload");

    QTest::newRow("variant 1") << 1 << 12 << 1 << 1 << "100"
                               << "6.3141" << "0.85143" << "7.1628" << "14.499" << "6.31" << 1;
    QTest::newRow("variant 1, capacitor open") << 1 << 12 << 0 << 1 << "100"
                               << "0.85143" << "0.85143" << "0" << "14.499" << "" << 0;
    QTest::newRow("variant 1, step 10") << 1 << 10 << 1 << 1 << "100"
                               << "5.2617" << "" << "" << "" << "4.38" << 0;
    QTest::newRow("variant 2") << 2 << 12 << 1 << 1 << "100"
                               << "4.3176" << "4.0814" << "" << "499.74" << "" << 0;
    // Current resonance, D x B = XL: the total at its minimum. As typed,
    // 11.8536 uF gives 0.84905 A in the capacitor; 0.84906 A is the value at
    // the exact resonance capacitance.
    QTest::newRow("resonance, C 11.8536") << 1 << 12 << 1 << 1 << "11,8536"
                               << "0.063591" << "0.85143" << "0.84905" << "" << "" << 0;
    QTest::newRow("exact resonance, C 11.853646") << 1 << 12 << 1 << 1 << "11.853646"
                               << "0.063591" << "0.85143" << "0.84906" << "" << "" << 0;
    QTest::newRow("variant 6, C 1000000") << 6 << 12 << 1 << 1 << "1000000"
                               << "" << "" << "71628" << "" << "" << 1;
    QTest::newRow("breaker open") << 6 << 12 << 1 << 0 << "1000000"
                               << "0" << "0" << "0" << "0" << "0" << 0;
}

void TestLab3Model::circuit()
{
    QFETCH(int, variant);
    QFETCH(int, step);
    QFETCH(int, capacitorSwitch);
    QFETCH(int, breaker);
    QFETCH(QString, capacitance);
    QFETCH(QString, total);
    QFETCH(QString, coil);
    QFETCH(QString, capacitor);
    QFETCH(QString, power);
    QFETCH(QString, protectedCurrent);
    QFETCH(int, overload);

    Lab3Model m = Circuit(variant, step, capacitorSwitch, capacitance, breaker);
    m.ComputeCircuit(kStart);

    QVERIFY(!m.RecalcPending);
    QCOMPARE(m.SupplyVoltage, float(19 * step * breaker));
    QCOMPARE(m.CoilResistance, float(kVariantResistance[variant]));
    QCOMPARE(m.CoilInductance, float(kVariantInductance[variant]));
    CheckPrinted("m.CircuitCurrent", m.CircuitCurrent, total);
    CheckPrinted("m.CoilCurrent", m.CoilCurrent, coil);
    CheckPrinted("m.CapacitorCurrent", m.CapacitorCurrent, capacitor);
    CheckPrinted("m.ActivePower", m.ActivePower, power);
    CheckPrinted("m.ProtectedCurrent()", m.ProtectedCurrent(), protectedCurrent);
    QCOMPARE(m.Protection.OverloadFlag, std::int16_t(overload));
    QCOMPARE(m.Protection.OverloadStart, overload ? kStart : 0.0);
    // The active power is the coil's alone, I1^2 R.
    QCOMPARE(m.ActivePower, float(double(m.CoilCurrent) * double(m.CoilCurrent) * double(m.CoilResistance)));
    // With the capacitor connected the branch currents partly cancel: the
    // total is smaller than their sum.
    if (capacitorSwitch == 1 && breaker == 1)
        QVERIFY(m.CircuitCurrent < m.CoilCurrent + m.CapacitorCurrent);
}

void TestLab3Model::targets()
{
    Lab3Model m = Circuit(1, 12, 1, "100");
    m.ComputeCircuit(kStart);

    // The K-50 sees the total current and the coil's power on phase A only.
    const K50PhaseReadings r = m.K50Readings();
    QCOMPARE(r.U, (std::array<float, 3>{228.0f, 0.0f, 0.0f}));
    QCOMPARE(r.I, (std::array<float, 3>{m.CircuitCurrent, 0.0f, 0.0f}));
    QCOMPARE(r.P, (std::array<float, 3>{m.ActivePower, 0.0f, 0.0f}));

    // A1 and A2 on their 10 A ranges, then A2 on 0.5 A: far past the end.
    std::array<double, 2> t = m.MeterTargets();
    CheckPrinted("A1 target", t[0], QStringLiteral("8.5143"));
    CheckPrinted("A2 target", t[1], QStringLiteral("71.628"));
    m.A2Range = 0.5f;
    m.A1Range = 1.0f;
    t = m.MeterTargets();
    CheckPrinted("A1 target at 1 A", t[0], QStringLiteral("85.143"));
    CheckPrinted("A2 target at 0.5 A", t[1], QStringLiteral("1433"));
}

QTEST_GUILESS_MAIN(TestLab3Model)
#include "tst_lab3_model.moc"
