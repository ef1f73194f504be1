// SPDX-License-Identifier: GPL-3.0-or-later
// Lab 1 circuit model: node voltage, branch currents and voltmeter targets
// for the switch combinations a student sets up, and the meters' glide.
#include "calc/meterdrive.h"
#include "labs/lab1/model.h"
#include "labs/lab1/layout.h"

#include <QString>
#include <QTest>
#include <cmath>

using namespace ohmaris;

namespace {

using Values = std::array<float, 7>;
using Switches = std::array<int, 5>;
// U, I1, I2, I3, ab, ad, cb, cd
using Expected = std::array<double, 8>;
// A figure the reference table does not give.
const double kUnlisted = std::nan("");

// Rounds to five significant digits, the precision of the reference figures.
double FiveDigits(double v)
{
    return QString::number(v, 'g', 5).toDouble();
}

Lab1Model Computed(const Values &values, const Switches &closed)
{
    Lab1Model m;
    m.ElementValues = values;
    for (std::size_t k = 0; k < closed.size(); ++k)
        m.SwitchState[k] = std::int16_t(closed[k]);
    m.ComputeCircuit();
    return m;
}

} // namespace

class TestLab1Model : public QObject {
    Q_OBJECT

private slots:
    void initialState();
    void circuit_data();
    void circuit();
    void noEmfGivesNothing_data();
    void noEmfGivesNothing();
    void selectorPicksTarget();
    void meterGlide();
    void metersFollowTheirBranches();
    void voltmeterLeads_data();
    void voltmeterLeads();
    void switchBlades();
    void clickAreas();
};

void TestLab1Model::initialState()
{
    Lab1Model m;
    m.SwitchState = {1, 1, 1, 1, 1, 3};
    m.ElementValues[0] = 5.0f;
    m.RecalcPending = false;
    m.Reset();
    QCOMPARE(m.ElementValues, kLab1Defaults);
    QCOMPARE(m.SwitchState, (std::array<std::int16_t, 6>{0, 0, 0, 0, 0, 1}));
    QVERIFY(m.RecalcPending);
    QCOMPARE(m.NodeVoltage, 0.0f);
}

void TestLab1Model::circuit_data()
{
    QTest::addColumn<Values>("values");
    QTest::addColumn<Switches>("closed");
    QTest::addColumn<Expected>("expected");

    const Values d = kLab1Defaults;
    //                          S1 S2 S3 S4 S5          U        I1        I2        I3       ab       ad       cb       cd
    QTest::newRow("S2 S3 S4") << d << Switches{0, 1, 1, 1, 0}
                              << Expected{10.666, 1.1584, 0.16654, 1.3249, 11.596, 22.261, 2.5014, 13.167};
    QTest::newRow("S2 S3 S5, source 1 alone") << d << Switches{0, 1, 1, 0, 1}
                              << Expected{7.9870, 1.3911, -0.39892, 0.99218, 13.925, 21.912, -5.9918, 1.9952};
    QTest::newRow("S1 S3 S4, source 2 alone") << d << Switches{1, 0, 1, 1, 0}
                              << Expected{2.6787, -0.23271, 0.56546, 0.33275, -2.3294, 0.34929, 8.4932, 11.172};
    QTest::newRow("S2 S4, no load") << d << Switches{0, 1, 0, 1, 0}
                              << Expected{20.349, 0.31713, -0.31713, 0, 3.1745, 23.524, -4.7633, 15.586};
    QTest::newRow("S2 S3") << d << Switches{0, 1, 1, 0, 0}
                              << Expected{9.8768, 1.2269, 0, 1.2269, 12.282, 22.158, 0, 9.8768};
    QTest::newRow("S2 alone, open circuit") << d << Switches{0, 1, 0, 0, 0}
                              << Expected{24.000, 0, 0, 0, 0, 24.000, 0, 24.000};
    QTest::newRow("all five, sources halved") << d << Switches{1, 1, 1, 1, 1}
                              << Expected{5.5235, 0.60188, 0.084272, 0.68615, 6.0248, 11.548, 1.2658, 6.7893};
    QTest::newRow("none") << d << Switches{0, 0, 0, 0, 0}
                              << Expected{0, 0, 0, 0, 0, 0, 0, 0};
    QTest::newRow("zero resistances") << Values{24, 0, 14, 0, 0, 0, 0} << Switches{0, 1, 1, 1, 0}
                              << Expected{17.996, 545.80, -185.87, 359.92, kUnlisted, kUnlisted, kUnlisted, kUnlisted};
}

void TestLab1Model::circuit()
{
    QFETCH(Values, values);
    QFETCH(Switches, closed);
    QFETCH(Expected, expected);

    const Lab1Model m = Computed(values, closed);
    const std::array<float, 8> got{m.NodeVoltage, m.BranchCurrent[0], m.BranchCurrent[1],
                                   m.BranchCurrent[2], m.VoltmeterTarget[0], m.VoltmeterTarget[1],
                                   m.VoltmeterTarget[3], m.VoltmeterTarget[4]};
    static const char *names[] = {"U", "I1", "I2", "I3", "ab", "ad", "cb", "cd"};
    for (std::size_t i = 0; i < got.size(); ++i) {
        const QByteArray what = QByteArray(names[i]) + " = " + QByteArray::number(got[i], 'g', 9);
        if (std::isnan(expected[i]))
            continue;
        if (expected[i] == 0.0)
            QVERIFY2(std::fabs(got[i]) < 1e-5f, what.constData());
        else
            QVERIFY2(qFuzzyCompare(FiveDigits(got[i]), expected[i]), what.constData());
    }
    QCOMPARE(m.VoltmeterTarget[2], m.NodeVoltage);
    QVERIFY(!m.RecalcPending);
}

void TestLab1Model::noEmfGivesNothing_data()
{
    QTest::addColumn<Switches>("closed");
    QTest::newRow("all closed") << Switches{1, 1, 1, 1, 1};
    QTest::newRow("S2 S3 S4") << Switches{0, 1, 1, 1, 0};
    QTest::newRow("sources open, loads closed") << Switches{1, 0, 1, 0, 1};
}

void TestLab1Model::noEmfGivesNothing()
{
    QFETCH(Switches, closed);
    Values v = kLab1Defaults;
    v[0] = 0.0f;
    v[2] = 0.0f;
    const Lab1Model m = Computed(v, closed);
    QCOMPARE(m.NodeVoltage, 0.0f);
    for (float i : m.BranchCurrent)
        QCOMPARE(i, 0.0f);
    for (float t : m.VoltmeterTarget)
        QCOMPARE(t, 0.0f);
}

void TestLab1Model::selectorPicksTarget()
{
    Lab1Model m = Computed(kLab1Defaults, {0, 1, 1, 1, 0});
    for (int position = 1; position <= 5; ++position) {
        m.SwitchState[kLab1Selector] = std::int16_t(position);
        QCOMPARE(m.SelectedVoltage(), m.VoltmeterTarget[std::size_t(position - 1)]);
    }
}

void TestLab1Model::meterGlide()
{
    float v = 0.0f;
    const float expected[] = {0.2f, 0.36f, 0.488f, 0.5904f};
    for (float e : expected) {
        v = MeterStep(v, 1.0f);
        QCOMPARE(v, e);
    }
    // Downwards and across zero alike.
    QCOMPARE(MeterStep(1.0f, -1.0f), 0.6f);
}

void TestLab1Model::metersFollowTheirBranches()
{
    Lab1Model m = Computed(kLab1Defaults, {0, 1, 1, 1, 0});
    m.SwitchState[kLab1Selector] = 4;
    Lab1Meters meters;
    for (int tick = 0; tick < 200; ++tick)
        meters = Lab1MeterStep(meters, m);
    QCOMPARE(meters.A1, m.BranchCurrent[0]);
    QCOMPARE(meters.A3, m.BranchCurrent[2]);
    QCOMPARE(meters.A2, m.BranchCurrent[1]);
    QCOMPARE(meters.V, m.VoltmeterTarget[3]);
    // One tick from rest is a fifth of each target.
    const Lab1Meters first = Lab1MeterStep({}, m);
    QCOMPARE(first.A3, float(0.2 * double(m.BranchCurrent[2])));
}

namespace {
// The design schematic: 11055 x 5775 twips.
Lab1Sheet DesignSheet()
{
    Lab1Sheet s;
    s.W = 11055.0;
    s.H = 5775.0;
    s.u = Lab1DrawUnit(s.W);
    return s;
}
} // namespace

void TestLab1Model::voltmeterLeads_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<QPointF>("first");
    QTest::addColumn<QPointF>("second");
    QTest::addColumn<QPointF>("centre");
    const Lab1Sheet s = DesignSheet();
    const double u = s.u, W = s.W, H = s.H;
    QTest::newRow("1 ab") << 1 << Lab1NodeA(s) << Lab1NodeB(s) << QPointF(W / 4 + 10 * u, H - 38 * u);
    QTest::newRow("2 ad") << 2 << Lab1NodeA(s) << Lab1NodeD(s) << QPointF(W / 4 + 14 * u, H - 26 * u);
    QTest::newRow("3 bd") << 3 << Lab1NodeB(s) << Lab1NodeD(s) << QPointF(W / 4 + 14 * u, H - 26 * u);
    QTest::newRow("4 cb") << 4 << Lab1NodeC(s) << Lab1NodeB(s) << QPointF(W / 4 + 46 * u, H - 38 * u);
    QTest::newRow("5 cd") << 5 << Lab1NodeC(s) << Lab1NodeD(s) << QPointF(W / 4 + 44 * u, H - 26 * u);
}

void TestLab1Model::voltmeterLeads()
{
    QFETCH(int, position);
    QFETCH(QPointF, first);
    QFETCH(QPointF, second);
    QFETCH(QPointF, centre);
    const Lab1Sheet s = DesignSheet();
    const Lab1VoltmeterPlace p = Lab1VoltmeterAt(s, position);
    QCOMPARE(p.centre, centre);
    QCOMPARE(p.lead[0].p2(), first);
    QCOMPARE(p.lead[1].p2(), second);
    for (std::size_t k = 0; k < 2; ++k) {
        // A 4u stub from the circle's edge, then the lead from its end.
        QVERIFY(qFuzzyCompare(QLineF(p.centre, p.stub[k].p1()).length(), 4 * s.u));
        QVERIFY(qFuzzyCompare(p.stub[k].length(), 4 * s.u));
        QCOMPARE(p.lead[k].p1(), p.stub[k].p2());
    }
    // Sideways placements lead left and right, with the first node's lead
    // on the side of that node.
    const bool sideways = position == 1 || position == 4;
    QCOMPARE(p.stub[0].dy() == 0.0, sideways);
    QCOMPARE(p.stub[0].p2().x() < p.centre.x(), position == 1);
}

void TestLab1Model::switchBlades()
{
    const Lab1Sheet s = DesignSheet();
    const double xs[] = {6 * s.u, 18 * s.u, 54 * s.u, s.W - 22 * s.u, s.W - 10 * s.u};
    for (int k = 1; k <= 5; ++k) {
        const QLineF closed = Lab1SwitchBlade(s, k, 1);
        QCOMPARE(closed.p1(), QPointF(xs[k - 1], s.H - 34 * s.u));
        // A closed blade stands vertical and reaches the wire at H - 40u.
        QVERIFY(qAbs(closed.p2().x() - xs[k - 1]) < 1e-6);
        QVERIFY(qAbs(closed.p2().y() - (s.H - 40 * s.u)) < 1e-3);
        // An open one leans 30 degrees to the left.
        const QLineF open = Lab1SwitchBlade(s, k, 0);
        QVERIFY(qAbs(open.angle() - 120.0) < 1e-6);
        QVERIFY(qFuzzyCompare(open.length(), 6 * s.u));
    }
}

void TestLab1Model::clickAreas()
{
    const Lab1Sheet s = DesignSheet();
    const QRectF picture(0, 0, s.W, s.H);
    for (int position = 1; position <= 5; ++position) {
        const auto a = Lab1ClickAreas(s, position);
        for (const QRectF &r : a)
            QVERIFY(picture.contains(r));
        QVERIFY(a[12].contains(Lab1VoltmeterAt(s, position).centre));
        // Each switch area holds its blade open and closed, and no other.
        for (int k = 1; k <= 5; ++k) {
            const QRectF &r = a[std::size_t(12 + k)];
            for (int state : {0, 1}) {
                const QLineF b = Lab1SwitchBlade(s, k, state);
                QVERIFY(r.contains(b.p1()) && r.contains(b.p2()));
            }
            for (int j = k + 1; j <= 5; ++j)
                QVERIFY(!r.intersects(a[std::size_t(12 + j)]));
        }
    }
    // Element areas sit over their symbols: E1's over its circle, R1's over its box.
    const auto a = Lab1ClickAreas(s, 1);
    QVERIFY(a[2].contains(s.P(18, 24)));
    QVERIFY(a[9].contains(s.P(46, 48)));
    QVERIFY(a[7].contains(QPointF(s.W - 10 * s.u, s.Y(16))));
}

QTEST_APPLESS_MAIN(TestLab1Model)
#include "tst_lab1_model.moc"
