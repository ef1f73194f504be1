// SPDX-License-Identifier: GPL-3.0-or-later
// Polar phasor arithmetic: rectangular sums with 32-bit parts, products and
// quotients on magnitude and angle with the angle reduction, negation.
#include "calc/phasor.h"

#include <QtTest>

using ohmaris::Phasor;

Q_DECLARE_METATYPE(ohmaris::Phasor)

namespace {

enum class Op { Sum, Difference, Sum3, Product, Quotient, Negate };

Phasor apply(Op op, Phasor a, Phasor b, Phasor c)
{
    switch (op) {
    case Op::Sum: return ohmaris::PhasorSum(a, b);
    case Op::Difference: return ohmaris::PhasorDifference(a, b);
    case Op::Sum3: return ohmaris::PhasorSum3(a, b, c);
    case Op::Product: return ohmaris::PhasorProduct(a, b);
    case Op::Quotient: return ohmaris::PhasorQuotient(a, b);
    case Op::Negate: return ohmaris::PhasorNegate(a);
    }
    return {};
}

} // namespace

Q_DECLARE_METATYPE(Op)

class TestPhasor : public QObject {
    Q_OBJECT
private slots:
    void operations_data();
    void operations();
};

void TestPhasor::operations_data()
{
    QTest::addColumn<Op>("op");
    QTest::addColumn<Phasor>("a");
    QTest::addColumn<Phasor>("b");
    QTest::addColumn<Phasor>("c");
    QTest::addColumn<float>("magnitude"); // compared exactly: the 32-bit result
    QTest::addColumn<double>("angle");
    QTest::addColumn<double>("angleTolerance");

    const double halfPi = 1.570796327;
    const Phasor none{};
    QTest::newRow("sum 3 + j4") << Op::Sum << Phasor{3, 0} << Phasor{4, halfPi} << none
                                << 5.0f << 0.9272952180 << 5e-11;
    QTest::newRow("sum with re < 0 adds pi")
        << Op::Sum << Phasor{1, 3.141592654} << Phasor{1, halfPi} << none
        << 1.41421354f << 2.3561944906 << 5e-11;
    QTest::newRow("sum of (1, 0) and (1, pi/2)")
        << Op::Sum << Phasor{1, 0} << Phasor{1, halfPi} << none
        << 1.41421354f << 0.7853981634 << 5e-11;
    QTest::newRow("difference, im = 0 and re < 0")
        << Op::Difference << Phasor{1, 0} << Phasor{2, 0} << none << 1.0f << 3.141592654 << 0.0;
    QTest::newRow("sum of zeros") << Op::Sum << none << none << none << 0.0f << 0.0 << 0.0;
    QTest::newRow("difference, re tiny and positive")
        << Op::Difference << none << Phasor{1, halfPi} << none << 1.0f << -halfPi << 1e-9;
    QTest::newRow("sum3 takes its third term")
        << Op::Sum3 << Phasor{3, 0} << Phasor{2, halfPi} << Phasor{2, halfPi}
        << 5.0f << 0.9272952180 << 5e-11;
    QTest::newRow("product, one reduction")
        << Op::Product << Phasor{2, 4} << Phasor{3, 3} << none << 6.0f << 0.716814692 << 1e-12;
    QTest::newRow("product, two reductions")
        << Op::Product << Phasor{2, 7} << Phasor{3, 7} << none << 6.0f << 1.433629384 << 1e-12;
    QTest::newRow("product at exactly 2pi is kept")
        << Op::Product << Phasor{1, 6.283185308} << Phasor{1, 0} << none
        << 1.0f << 6.283185308 << 0.0;
    QTest::newRow("product at exactly -2pi is kept")
        << Op::Product << Phasor{1, -6.283185308} << Phasor{1, 0} << none
        << 1.0f << -6.283185308 << 0.0;
    QTest::newRow("quotient, reduction upwards")
        << Op::Quotient << Phasor{6, -4} << Phasor{3, 3} << none << 2.0f << -0.716814692 << 1e-12;
    QTest::newRow("negate turns by pi, no reduction")
        << Op::Negate << Phasor{2, 0.5} << none << none << 2.0f << 3.641592654 << 1e-15;
    QTest::newRow("negate leaves the range")
        << Op::Negate << Phasor{1, 6} << none << none << 1.0f << 9.141592654 << 1e-15;
}

void TestPhasor::operations()
{
    QFETCH(Op, op);
    QFETCH(Phasor, a);
    QFETCH(Phasor, b);
    QFETCH(Phasor, c);
    QFETCH(float, magnitude);
    QFETCH(double, angle);
    QFETCH(double, angleTolerance);

    const Phasor r = apply(op, a, b, c);
    // Exact: QCOMPARE on floats would forgive the rounding this checks.
    QVERIFY2(r.Magnitude == magnitude,
             qPrintable(QStringLiteral("magnitude %1, expected %2").arg(r.Magnitude, 0, 'g', 9)
                            .arg(magnitude, 0, 'g', 9)));
    QVERIFY2(std::abs(r.Angle - angle) <= angleTolerance,
             qPrintable(QStringLiteral("angle %1, expected %2").arg(r.Angle, 0, 'g', 17)
                            .arg(angle, 0, 'g', 17)));
}

QTEST_GUILESS_MAIN(TestPhasor)
#include "tst_phasor.moc"
