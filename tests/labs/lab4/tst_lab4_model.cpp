// SPDX-License-Identifier: GPL-3.0-or-later
// Lab 4 model: the coupled coils in the four connections against
// hand-checked readings, the element values the selectors give, what the
// meters and the K-50 are handed, and which currents the supply protection
// watches: the overload on the current itself, the instant trip on the
// regulated one (the protection itself: tests/calc/tst_protection).
#include "calc/meterdrive.h"
#include "labs/lab4/model.h"
#include "printed.h"

#include <QtTest>
#include <cmath>

using namespace ohmaris;
using ohmaris::test::CheckPrinted;

namespace {

constexpr double kStart = 1000.0;

struct Setting {
    int connection = 1;
    int sel1 = 1, sel2 = 1;
    int s1 = 1, s2 = 1;
    float r1 = 100.0f, r2 = 100.0f;
    int step = 12;
    int breaker = 1;
};

Lab4Model Computed(const Setting &s, double now = kStart)
{
    Lab4Model m;
    m.SwitchState = {std::int16_t(s.breaker), std::int16_t(s.s1), std::int16_t(s.s2), std::int16_t(s.step)};
    m.VariantSelect = {std::int16_t(s.sel1), std::int16_t(s.sel2)};
    m.Connection = s.connection;
    m.ExternalResistance = {s.r1, s.r2};
    m.ComputeCircuit(now);
    return m;
}

} // namespace

Q_DECLARE_METATYPE(Setting)

class TestLab4Model : public QObject {
    Q_OBJECT
private slots:
    void circuit_data();
    void circuit();
    void elementsOfTheSelectors();
    void everySelectorKeepsTheCircuitFinite();
    void targets();
    void instantTripOnTheScaledCurrent();
};

void TestLab4Model::circuit_data()
{
    QTest::addColumn<Setting>("setting");
    QTest::addColumn<QString>("current");
    QTest::addColumn<QString>("branch1");
    QTest::addColumn<QString>("branch2");
    QTest::addColumn<QString>("power");
    QTest::addColumn<int>("overload");

    // Step 12 (228 V), breaker, S1 and S2 closed, R1 = R2 = 100 ohm, both
    // selectors at 1, unless a row says otherwise.
    const auto at = [](int connection) {
        Setting s;
        s.connection = connection;
        return s;
    };
    QTest::newRow("1: series, M added") << at(1) << "0.88697" << "0.88697" << "0.88697" << "162.08" << 0;
    QTest::newRow("2: series, M subtracted") << at(2) << "1.0489" << "1.0489" << "1.0489" << "226.66" << 0;
    QTest::newRow("3: parallel, s = +1") << at(3) << "4.1394" << "2.2551" << "1.9108" << "900.02" << 0;
    QTest::newRow("4: parallel, s = -1") << at(4) << "3.5003" << "1.8626" << "1.6811" << "648.52" << 0;

    Setting open2 = at(3);
    open2.s2 = 0;
    QTest::newRow("3 with S2 open") << open2 << "2.0776" << "2.0776" << "0" << "" << 0;
    open2.connection = 1;
    QTest::newRow("1 with S2 open: a series circuit needs both") << open2 << "0" << "0" << "0" << "0" << 0;
    Setting open1 = at(2);
    open1.s1 = 0;
    QTest::newRow("2 with S1 open") << open1 << "0" << "0" << "0" << "0" << 0;

    Setting shorted = at(3);
    shorted.r1 = shorted.r2 = 0.0f;
    QTest::newRow("3 with R1 = R2 = 0") << shorted << "14.906" << "" << "" << "" << 1;
    // An overload on the current itself, although step x I / 12 is only 3.73 A.
    shorted.step = 6;
    QTest::newRow("3 with R1 = R2 = 0 at step 6") << shorted << "7.453" << "" << "" << "" << 1;

    Setting coils = at(1);
    coils.sel1 = 4;
    coils.sel2 = 7;
    QTest::newRow("selectors 4 and 7, position 1") << coils << "0.27132" << "0.27132" << "0.27132" << "" << 0;
    coils.connection = 2;
    QTest::newRow("selectors 4 and 7, position 2") << coils << "0.81187" << "0.81187" << "0.81187" << "" << 0;

    Setting off = at(3);
    off.breaker = 0;
    QTest::newRow("breaker open") << off << "0" << "0" << "0" << "0" << 0;
    Setting oneStep = at(4);
    oneStep.step = 1; // 19 V: every current a twelfth
    QTest::newRow("4 at step 1") << oneStep << "0.29169" << "0.15522" << "0.14009" << "" << 0;
}

void TestLab4Model::circuit()
{
    QFETCH(Setting, setting);
    QFETCH(QString, current);
    QFETCH(QString, branch1);
    QFETCH(QString, branch2);
    QFETCH(QString, power);
    QFETCH(int, overload);

    const Lab4Model m = Computed(setting);
    QCOMPARE(m.SupplyVoltage, float(19 * setting.step * setting.breaker));
    CheckPrinted("CircuitCurrent", m.CircuitCurrent, current);
    CheckPrinted("BranchCurrent[0]", m.BranchCurrent[0], branch1);
    CheckPrinted("BranchCurrent[1]", m.BranchCurrent[1], branch2);
    CheckPrinted("ActivePower", m.ActivePower, power);
    if (!Lab4Model::IsParallel(setting.connection)) {
        // One current through both branches.
        QCOMPARE(m.BranchCurrent[0], m.CircuitCurrent);
        QCOMPARE(m.BranchCurrent[1], m.CircuitCurrent);
    }
    QCOMPARE(m.Protection.OverloadFlag, std::int16_t(overload));
    QCOMPARE(m.Protection.OverloadStart, overload ? kStart : 0.0);
    QVERIFY(!m.RecalcPending);
}

void TestLab4Model::elementsOfTheSelectors()
{
    // Both selectors at 1: L1 = 0.12 H, L2 = 0.235 H, k = 0.4.
    Lab4Model m = Computed({});
    QCOMPARE(m.Inductance, (std::array<double, 2>{0.12, 0.235}));
    QCOMPARE(m.Coupling, 0.4f);
    CheckPrinted("r1", m.WindingResistance[0], QStringLiteral("3.0650"));
    CheckPrinted("r2", m.WindingResistance[1], QStringLiteral("2.9531"));
    CheckPrinted("M", m.MutualInductance, QStringLiteral("0.067171"));

    // M carries the sign of the connection: subtracted at 2 and 4.
    for (int c = 1; c <= 4; ++c) {
        Setting s;
        s.connection = c;
        const float mutual = Computed(s).MutualInductance;
        QCOMPARE(mutual, c % 2 == 0 ? -m.MutualInductance : m.MutualInductance);
    }

    // The second selector sets part B of k only; the first sets L1, L2 and part A.
    Setting second;
    second.sel2 = 7;
    const Lab4Model b = Computed(second);
    QCOMPARE(b.Inductance, m.Inductance);
    QCOMPARE(b.Coupling, 0.52f);
    Setting first;
    first.sel1 = 4;
    first.sel2 = 7;
    const Lab4Model a = Computed(first);
    QCOMPARE(a.Inductance, (std::array<double, 2>{0.86, 0.685}));
    QCOMPARE(a.Coupling, 0.67f);
}

void TestLab4Model::everySelectorKeepsTheCircuitFinite()
{
    // The smallest winding resistances keep every denominator positive with
    // R1 = R2 = 0; every current of every connection is a finite number.
    float r1 = 1e9f, r2 = 1e9f;
    for (int a = 1; a <= 7; ++a)
        for (int b = 1; b <= 7; ++b)
            for (int c = 1; c <= 4; ++c) {
                Setting s;
                s.sel1 = a;
                s.sel2 = b;
                s.connection = c;
                s.r1 = s.r2 = 0.0f;
                const Lab4Model m = Computed(s);
                r1 = std::min(r1, m.WindingResistance[0]);
                r2 = std::min(r2, m.WindingResistance[1]);
                const QString where = QStringLiteral("%1 %2 %3").arg(a).arg(b).arg(c);
                for (float i : {m.CircuitCurrent, m.BranchCurrent[0], m.BranchCurrent[1], m.ActivePower})
                    QVERIFY2(std::isfinite(i) && i >= 0.0f, qPrintable(where));
                QVERIFY2(m.Coupling >= 0.4f && m.Coupling <= 0.82f, qPrintable(where));
            }
    // The bounds as stated: r1 >= 3.006 ohm and r2 >= 1.947 ohm, reached.
    QVERIFY2(r1 >= 3.006f && r1 < 3.007f, qPrintable(QString::number(r1)));
    QVERIFY2(r2 >= 1.947f && r2 < 1.948f, qPrintable(QString::number(r2)));
}

void TestLab4Model::targets()
{
    Setting s;
    s.connection = 3;
    Lab4Model m = Computed(s);

    // A1 and A2 read the branch currents on their own ranges.
    m.A1Range = 2.5f;
    const std::array<double, 2> t = m.MeterTargets();
    CheckPrinted("A1 target", t[0], QStringLiteral("90.20"));
    CheckPrinted("A2 target", t[1], QStringLiteral("19.108"));
    QCOMPARE(t[0], ScaleDivisions(m.BranchCurrent[0], 100.0, 2.5));

    // The K-50 sees the supply on phase A only.
    const K50PhaseReadings r = m.K50Readings();
    QCOMPARE(r.U, (std::array<float, 3>{228.0f, 0.0f, 0.0f}));
    QCOMPARE(r.I, (std::array<float, 3>{m.CircuitCurrent, 0.0f, 0.0f}));
    QCOMPARE(r.P, (std::array<float, 3>{m.ActivePower, 0.0f, 0.0f}));
}

void TestLab4Model::instantTripOnTheScaledCurrent()
{
    // The second selector at 7 couples the coils more tightly: at step 10 the
    // current exceeds 15 A but step x I / 12 does not, so only the delayed
    // trip runs; at step 12 the scaled current is past 15 A and the breaker
    // opens at the same tick.
    Setting s;
    s.connection = 3;
    s.sel2 = 7;
    s.r1 = s.r2 = 0.0f;
    s.step = 10;
    Lab4Model m = Computed(s);
    QVERIFY(m.CircuitCurrent > 15.0f);
    QVERIFY(!m.ApplyProtection(kStart + 0.03));
    QCOMPARE(m.SwitchState[0], std::int16_t(1));

    m.SwitchState[3] = 12;
    m.ComputeCircuit(kStart + 0.06);
    QVERIFY(12.0 * m.CircuitCurrent / 12.0 > 15.0);
    QVERIFY(m.ApplyProtection(kStart + 0.09));
    QCOMPARE(m.SwitchState[0], std::int16_t(0));
    QVERIFY(m.RecalcPending);
}

QTEST_GUILESS_MAIN(TestLab4Model)
#include "tst_lab4_model.moc"
