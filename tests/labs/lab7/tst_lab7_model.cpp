// SPDX-License-Identifier: GPL-3.0-or-later
// Lab 7 transient model: time constants, end values and the circuit
// equations each solution form must satisfy, checked against independent
// closed forms and against the circuits' differential equations.
#include "calc/meterdrive.h"
#include "labs/lab7/model.h"

#include "calc/entry.h"

#include <QStringList>
#include <QTest>
#include <cmath>
#include <cstring>

using namespace ohmaris;

namespace {

using Values = std::array<float, 5>;
// Element values as the bench's parameter boxes store the given texts.
Values Stored(const QStringList &texts)
{
    Values v{};
    for (std::size_t k = 0; k < v.size(); ++k)
        v[k] = ApplyEntryRule(texts[qsizetype(k)], 0.0f, kLab7EntryRule).value;
    return v;
}

// The bench's defaults as its parameter boxes store them at load.
const Values kStoredDefaults = Stored({"24", "240", "140", "10", "200"});
const Values kRoundDefaults{24.0f, 240.0f, 140.0f, 10.0f, 200.0f};

constexpr double kTick = 0.05;

Lab7Model AtRest(int circuit, const Values &values)
{
    Lab7Model m;
    m.ElementValues = values;
    m.SwitchState[Lab7Model::kCircuit] = std::int16_t(circuit);
    m.Tick(1.0, std::int16_t(circuit));
    return m;
}

// Runs the tick loop from `from` up to and including `to` (seconds).
void RunTicks(Lab7Model &m, double from, double to)
{
    const long long n = std::llround((to - from) / kTick);
    for (long long k = 0; k <= n; ++k)
        m.Tick(from + double(k) * kTick, m.SwitchState[Lab7Model::kCircuit]);
}

void Close(Lab7Model &m, int index, double now)
{
    if (m.SwitchState[std::size_t(index)] == 0)
        m.ToggleSwitch(index, now);
}

struct Reading {
    double u = 0.0;
    double i = 0.0;
};

Reading At(Lab7Model m, double now)
{
    m.Evaluate(now);
    return {m.ScopeVoltage, m.ScopeCurrent};
}

bool Near(double actual, double expected, double relative, double absolute = 1e-9)
{
    return std::fabs(actual - expected) <= std::max(absolute, relative * std::fabs(expected));
}

} // namespace

class TestLab7Model : public QObject {
    Q_OBJECT

private slots:
    void restsAtLoad();
    void capacitorCharge_data();
    void capacitorCharge();
    void capacitorHoldsChargeWhenOpen();
    void inductorInterruption();
    void oscillatoryDefaults();
    void criticallyDampedAtZeroDiscriminant();
    void seriesDiscriminantFromStoredValues_data();
    void seriesDiscriminantFromStoredValues();
    void unsetFieldsKeepPreviousValues_data();
    void unsetFieldsKeepPreviousValues();
    void solutionsObeyTheCircuit_data();
    void solutionsObeyTheCircuit();
    void noTransientAtEndVoltage();
    void coincidingRootsStayFinite_data();
    void coincidingRootsStayFinite();
    void steadyStateMeters_data();
    void steadyStateMeters();
    void switchingCarriesStateOver();
    void selectorPutsCircuitAtRest();
    void meterDriveFollowsRange();
    void settledWhenNothingMoves_data();
    void settledWhenNothingMoves();
};

void TestLab7Model::restsAtLoad()
{
    Lab7Model m = AtRest(1, kStoredDefaults);
    QVERIFY(!m.RecalcPending);
    QCOMPARE(m.SolutionKind, std::int16_t(1));
    QCOMPARE(m.Alpha, 0.0f);
    RunTicks(m, 1.0, 30.0);
    QCOMPARE(m.ScopeVoltage, 0.0f);
    QCOMPARE(m.ScopeCurrent, 0.0f);
    QCOMPARE(m.MeterTarget1, 0.0f);
    QCOMPARE(m.MeterTarget2, 0.0f);
    // A second tick without a pending change does not recompute.
    QVERIFY(!m.Tick(31.0, 1));
}

void TestLab7Model::capacitorCharge_data()
{
    QTest::addColumn<bool>("withS2");
    QTest::addColumn<double>("end");         // V
    QTest::addColumn<double>("resistance");  // ohm, of the time constant
    const double E = kStoredDefaults[0], R1 = kStoredDefaults[1], R2 = kStoredDefaults[2];
    QTest::newRow("S1: to E with R1 C") << false << E << R1;
    QTest::newRow("S1 and S2: to the divider with R1||R2 C") << true << E * R2 / (R1 + R2)
                                                            << R1 * R2 / (R1 + R2);
}

void TestLab7Model::capacitorCharge()
{
    QFETCH(bool, withS2);
    QFETCH(double, end);
    QFETCH(double, resistance);
    const double C = kStoredDefaults[3];
    Lab7Model m = AtRest(1, kStoredDefaults);
    const double t0 = 2.0;
    Close(m, Lab7Model::kS1, t0);
    if (withS2)
        Close(m, Lab7Model::kS2, t0);
    QVERIFY(m.Tick(t0, 1));
    QCOMPARE(m.SolutionKind, std::int16_t(1));
    QVERIFY(Near(m.FinalVoltage, end, 1e-6));
    // R C in microseconds of circuit time is R C milliseconds of screen time.
    const double tau = resistance * C / 1000.0;
    if (!withS2)
        QVERIFY(Near(tau, 2.4, 1e-4));
    QVERIFY(Near(m.JumpCurrent, kStoredDefaults[0] / kStoredDefaults[1], 1e-5));
    const Reading r = At(m, t0 + tau);
    QVERIFY2(Near(r.u, end * (1.0 - std::exp(-1.0)), 1e-5), qPrintable(QString::number(r.u)));
    // The capacitor current is C du/dt.
    QVERIFY(Near(r.i, end / (resistance) * std::exp(-1.0), 1e-4));
    RunTicks(m, t0, t0 + 20 * tau);
    QVERIFY(Near(m.ScopeVoltage, end, 1e-6));
}

void TestLab7Model::capacitorHoldsChargeWhenOpen()
{
    Lab7Model m = AtRest(1, kStoredDefaults);
    Close(m, Lab7Model::kS1, 1.0);
    RunTicks(m, 1.0, 4.0); // stopped part way up
    const float held = m.ScopeVoltage;
    QVERIFY(held > 10.0f && held < 23.0f);
    m.ToggleSwitch(Lab7Model::kS1, 4.02);
    RunTicks(m, 4.05, 600.0);
    QCOMPARE(m.SolutionKind, std::int16_t(1));
    QCOMPARE(m.Alpha, 0.0f);
    QCOMPARE(m.FinalVoltage, held);
    QCOMPARE(m.ScopeVoltage, held);
    QCOMPARE(m.ScopeCurrent, 0.0f);
    QCOMPARE(m.MeterTarget1, 0.0f);
    QCOMPARE(m.MeterTarget2, 0.0f);

    // Closing S2 alone discharges it through R2.
    m.ToggleSwitch(Lab7Model::kS2, 601.0);
    m.Tick(601.0, 1);
    const double tau = double(kStoredDefaults[2]) * kStoredDefaults[3] / 1000.0;
    const Reading r = At(m, 601.0 + tau);
    QVERIFY(Near(r.u, held * std::exp(-1.0), 1e-4));
    QVERIFY(Near(m.JumpCurrent, -held / kStoredDefaults[2], 1e-5));
}

void TestLab7Model::inductorInterruption()
{
    Lab7Model m = AtRest(2, kStoredDefaults);
    Close(m, Lab7Model::kS1, 1.0);
    RunTicks(m, 1.0, 30.0);
    const double E = kStoredDefaults[0], R1 = kStoredDefaults[1], L = kStoredDefaults[4];
    QVERIFY(Near(m.ScopeCurrent, E / R1, 1e-5));
    const float i0 = m.ScopeCurrent;

    m.ToggleSwitch(Lab7Model::kS1, 30.03);
    m.Tick(30.05, 2);
    QCOMPARE(m.Alpha, float(-15000000.0 / L));
    QVERIFY(Near(m.Alpha, -75000.0, 1e-6));
    QCOMPARE(m.JumpCurrent, i0);
    QCOMPARE(m.JumpVoltage, m.CoefA);
    QVERIFY(Near(m.JumpVoltage, L / 1000.0 * m.Alpha * i0, 1e-6));
    // 20 ms of screen time is 20 microseconds of circuit time: e^-1.5.
    QVERIFY(Near(At(m, 30.05).i, i0 * std::exp(-75000.0 * 0.00002), 1e-3));
    RunTicks(m, 30.05, 31.0);
    QVERIFY(std::fabs(m.ScopeCurrent) < 1e-12f);
    QCOMPARE(m.MeterTarget1, 0.0f);
}

void TestLab7Model::oscillatoryDefaults()
{
    // Series RLC (S1 closed, S2 open) with the round defaults.
    Lab7Model m = AtRest(3, kRoundDefaults);
    Close(m, Lab7Model::kS1, 1.0);
    m.Tick(1.0, 3);
    QCOMPARE(m.SolutionKind, std::int16_t(3));
    QCOMPARE(m.Alpha, -600.0f);
    QVERIFY(Near(m.FinalVoltage, 24.0, 1e-7));

    // Step response of the series circuit, u(0) = 0, i(0) = 0.
    const double E = 24.0, C = 10e-6, a = -600.0, b = std::sqrt(140000.0);
    for (double ms : {0.5, 2.0, 5.3, 8.4, 16.8}) {
        const double t = ms / 1000.0;
        const double u = E * (1.0 - std::exp(a * t) * (std::cos(b * t) - a / b * std::sin(b * t)));
        const double i = C * E * std::exp(a * t) * (a * a + b * b) / b * std::sin(b * t);
        const Reading r = At(m, 1.0 + ms);
        QVERIFY2(Near(r.u, u, 2e-4, 1e-4), qPrintable(QStringLiteral("%1 ms: %2 vs %3").arg(ms).arg(r.u).arg(u)));
        QVERIFY2(Near(r.i, i, 2e-4, 1e-6), qPrintable(QStringLiteral("%1 ms: %2 vs %3").arg(ms).arg(r.i).arg(i)));
    }
}

void TestLab7Model::criticallyDampedAtZeroDiscriminant()
{
    // R1^2 C = 4000 L makes b^2/4 - 1/(L C) exactly zero.
    Lab7Model m = AtRest(3, Values{24.0f, 200.0f, 140.0f, 10.0f, 100.0f});
    Close(m, Lab7Model::kS1, 1.0);
    m.Tick(1.0, 3);
    QCOMPARE(m.SolutionKind, std::int16_t(4));
    QCOMPARE(m.Alpha, -1000.0f);
    QCOMPARE(m.Beta, 1.0f);
    // Critically damped step response: u = E (1 - e^at (1 - a t)), i = C du/dt.
    const double E = 24.0, C = 10e-6, a = -1000.0;
    for (double ms : {0.3, 1.0, 2.5, 6.0}) {
        const double t = ms / 1000.0;
        const Reading r = At(m, 1.0 + ms);
        QVERIFY(Near(r.u, E * (1.0 - std::exp(a * t) * (1.0 - a * t)), 1e-5, 1e-5));
        QVERIFY(Near(r.i, C * E * a * a * t * std::exp(a * t), 1e-5, 1e-7));
    }
}

void TestLab7Model::seriesDiscriminantFromStoredValues_data()
{
    // The boxes store 0.0001 above what they show, so the defaults give the
    // series circuit a discriminant a little off -140000; typing values
    // 0.0001 short of the round ones stores the round ones exactly.
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<Values>("stored");
    QTest::addColumn<QString>("discriminant"); // as a 32-bit float prints
    QTest::addColumn<QString>("beta");
    QTest::newRow("defaults") << QStringList{"24", "240", "140", "10", "200"}
                              << Values{24.0001f, 240.0001f, 140.0001f, 10.0001f, 200.0001f}
                              << "-139994,8" << "374,159";
    QTest::newRow("typed just short") << QStringList{"24", "239,9999", "140", "9,9999", "199,9999"}
                                      << Values{24.0001f, 240.0f, 140.0001f, 10.0f, 200.0f}
                                      << "-140000" << "374,166";
}

void TestLab7Model::seriesDiscriminantFromStoredValues()
{
    QFETCH(QStringList, texts);
    QFETCH(Values, stored);
    QFETCH(QString, discriminant);
    QFETCH(QString, beta);
    const Values values = Stored(texts);
    for (std::size_t k = 0; k < values.size(); ++k)
        QVERIFY2(values[k] == stored[k], qPrintable(QString::number(values[k], 'g', 9)));

    Lab7Model m = AtRest(3, values);
    Close(m, Lab7Model::kS1, 1.0);
    QCOMPARE(GeneralNumber(m.Discriminant()), discriminant);
    m.Tick(1.0, 3);
    QCOMPARE(m.SolutionKind, std::int16_t(3));
    QCOMPARE(GeneralNumber(m.Beta), beta);
    // Beta is the square root of the stored discriminant, to three decimals.
    QCOMPARE(double(m.Beta), double(float(std::nearbyint(std::sqrt(-double(m.Discriminant())) * 1000.0) / 1000.0)));
}

void TestLab7Model::unsetFieldsKeepPreviousValues_data()
{
    QTest::addColumn<int>("circuit");
    QTest::addColumn<Values>("values");
    QTest::addColumn<int>("k1");
    QTest::addColumn<int>("k2");
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("setsCoefB");
    QTest::addColumn<bool>("setsPhase");

    const Values d = kStoredDefaults;
    QTest::newRow("RC") << 1 << d << 1 << 0 << 1 << true << false;
    QTest::newRow("RL") << 2 << d << 1 << 0 << 2 << true << false;
    QTest::newRow("RLC, oscillatory") << 3 << d << 1 << 0 << 3 << false << true;
    QTest::newRow("RLC, critically damped") << 3 << Values{24.0f, 200.0f, 140.0f, 10.0f, 100.0f}
                                            << 1 << 0 << 4 << true << false;
    QTest::newRow("RLC, two exponents") << 3 << Values{24.0f, 2000.0f, 140.0f, 10.0f, 200.0f}
                                        << 1 << 0 << 5 << true << false;
    QTest::newRow("RLC, S2 only") << 3 << d << 0 << 1 << 6 << false << false;
    QTest::newRow("RLC, both open") << 3 << d << 0 << 0 << 6 << false << false;
}

void TestLab7Model::unsetFieldsKeepPreviousValues()
{
    QFETCH(int, circuit);
    QFETCH(Values, values);
    QFETCH(int, k1);
    QFETCH(int, k2);
    QFETCH(int, kind);
    QFETCH(bool, setsCoefB);
    QFETCH(bool, setsPhase);

    constexpr float kOldCoefB = 0.123f;
    constexpr double kOldPhase = 0.456;
    Lab7Model m;
    m.ElementValues = values;
    m.SwitchState = {std::int16_t(circuit), std::int16_t(k1), std::int16_t(k2)};
    m.ScopeVoltage = 5.0f;
    m.ScopeCurrent = 0.01f;
    m.CoefB = kOldCoefB;
    m.Phase = kOldPhase;
    m.ComputeCircuit();
    QCOMPARE(m.SolutionKind, std::int16_t(kind));
    QCOMPARE(m.CoefB == kOldCoefB, !setsCoefB);
    QCOMPARE(m.Phase == kOldPhase, !setsPhase);
}

void TestLab7Model::solutionsObeyTheCircuit_data()
{
    QTest::addColumn<int>("circuit");
    QTest::addColumn<Values>("values");
    QTest::addColumn<int>("k1");
    QTest::addColumn<int>("k2");
    QTest::addColumn<float>("u0");
    QTest::addColumn<float>("i0");
    QTest::addColumn<int>("kind");

    const Values d = kStoredDefaults;
    QTest::newRow("RC, S1") << 1 << d << 1 << 0 << 3.0f << 0.0f << 1;
    QTest::newRow("RC, S1 and S2") << 1 << d << 1 << 1 << 20.0f << 0.01f << 1;
    QTest::newRow("RC, S2") << 1 << d << 0 << 1 << 20.0f << 0.0f << 1;
    QTest::newRow("RL, S1 and S2") << 2 << d << 1 << 1 << 0.0f << 0.02f << 2;
    QTest::newRow("RL, interrupted") << 2 << d << 0 << 1 << 0.0f << 0.1f << 2;
    QTest::newRow("RLC, series, oscillatory") << 3 << d << 1 << 0 << 5.0f << 0.02f << 3;
    QTest::newRow("RLC, both closed, oscillatory") << 3 << d << 1 << 1 << 15.0f << -0.03f << 3;
    QTest::newRow("RLC, critically damped") << 3 << Values{24.0f, 200.0f, 140.0f, 10.0f, 100.0f}
                                            << 1 << 0 << 5.0f << 0.02f << 4;
    QTest::newRow("RLC, two exponents") << 3 << Values{24.0f, 2000.0f, 140.0f, 10.0f, 200.0f}
                                        << 1 << 0 << 5.0f << 0.004f << 5;
    QTest::newRow("RLC, two exponents, both closed") << 3 << Values{24.0f, 2000.0f, 500.0f, 10.0f, 200.0f}
                                                     << 1 << 1 << 5.0f << -0.004f << 5;
    QTest::newRow("RLC, S2 only") << 3 << d << 0 << 1 << 12.0f << 0.0f << 6;
}

void TestLab7Model::solutionsObeyTheCircuit()
{
    QFETCH(int, circuit);
    QFETCH(Values, values);
    QFETCH(int, k1);
    QFETCH(int, k2);
    QFETCH(float, u0);
    QFETCH(float, i0);
    QFETCH(int, kind);

    Lab7Model m;
    m.ElementValues = values;
    m.SwitchState = {std::int16_t(circuit), std::int16_t(k1), std::int16_t(k2)};
    m.ScopeVoltage = u0;
    m.ScopeCurrent = i0;
    const double t0 = 3.0;
    m.SwitchTime = t0;
    m.ComputeCircuit();
    QCOMPARE(m.SolutionKind, std::int16_t(kind));

    const double E = values[0], R1 = values[1], R2 = values[2];
    const double C = values[3] * 1e-6, L = values[4] * 1e-3;

    // The state variables carry over the switching instant.
    const Reading start = At(m, t0);
    if (circuit != 2)
        QVERIFY(Near(start.u, u0, 1e-6, 1e-6));
    if (circuit == 2 || (circuit == 3 && k1 == 1))
        QVERIFY(Near(start.i, i0, 1e-5, 1e-8));

    // The residual of each circuit equation at a few instants, using central
    // differences over a small fraction of the slowest time constant (the
    // fast exponent has died away where it would matter). The model reads
    // the clock as a 32-bit float, so the differences use the rounded
    // instants.
    const double alpha = std::fabs(double(m.Alpha)), beta = std::fabs(double(m.Beta));
    const double slowest = 1000.0 / (m.SolutionKind == 5 ? std::min(alpha, beta) : alpha);
    for (double f : {0.05, 0.4, 1.5}) {
        const double t = t0 + f * slowest;
        const double h = 0.002 * slowest;
        const Reading r = At(m, t);
        const Reading lo = At(m, t - h), hi = At(m, t + h);
        const double span = (double(float(t + h)) - double(float(t - h))) * 0.001; // circuit seconds
        const double dudt = (hi.u - lo.u) / span;
        const double didt = (hi.i - lo.i) / span;
        double lhs = 0.0, rhs = 0.0;
        switch (circuit) {
        case 1: // the capacitor current feeds from R1 and leaks through R2
            QVERIFY(Near(C * dudt, r.i, 2e-3, 1e-6));
            lhs = r.i;
            rhs = k1 * (E - r.u) / R1 - k2 * r.u / R2;
            break;
        case 2: // u is the inductor voltage
            lhs = L * didt;
            rhs = r.u;
            if (k1 == 1)
                QVERIFY(Near(r.u, E - r.i * (k2 ? R1 * R2 / (R1 + R2) : R1), 2e-3, 1e-4));
            else
                QVERIFY(Near(r.u, -15000.0 * r.i, 2e-3, 1e-4));
            break;
        default:
            lhs = C * dudt;
            rhs = r.i - k2 * r.u / R2;
            if (k1 == 1)
                QVERIFY2(Near(L * didt, E - R1 * r.i - r.u, 3e-3, 1e-4),
                         qPrintable(QStringLiteral("%1 vs %2").arg(L * didt).arg(E - R1 * r.i - r.u)));
            else
                QCOMPARE(r.i, 0.0);
            break;
        }
        const double scale = std::fabs(lhs) + std::fabs(rhs) + 1e-6;
        QVERIFY2(std::fabs(lhs - rhs) <= 3e-3 * scale,
                 qPrintable(QStringLiteral("t=%1: %2 vs %3").arg(t).arg(lhs).arg(rhs)));
    }
}

void TestLab7Model::noTransientAtEndVoltage()
{
    Lab7Model m;
    m.ElementValues = kRoundDefaults;
    m.SwitchState = {3, 1, 0};
    m.ScopeVoltage = 24.0004f; // the end value to three decimals
    m.ScopeCurrent = 0.05f;    // although the current differs
    m.SwitchTime = 2.0;
    m.ComputeCircuit();
    QCOMPARE(m.SolutionKind, std::int16_t(3));
    QCOMPARE(m.CoefA, 0.0f);
    QCOMPARE(m.Phase, 0.0);
    for (double t : {2.0, 3.0, 10.0}) {
        const Reading r = At(m, t);
        QCOMPARE(r.u, double(m.FinalVoltage));
        QCOMPARE(r.i, double(m.FinalCurrent));
    }
}

void TestLab7Model::coincidingRootsStayFinite_data()
{
    // Values just beside the critical damping, where the discriminant is a
    // rounding residue: the two exponents coincide in 32 bits, or the
    // frequency rounds to zero. Either would divide by zero.
    QTest::addColumn<Values>("values");
    QTest::newRow("exponents coincide") << Values{24.0f, 280.0f, 140.0f, 2.5f, 49.0f};
    QTest::newRow("frequency rounds to zero") << Values{24.0f, 200.0f, 140.0f, 7.5f, 75.0f};
}

void TestLab7Model::coincidingRootsStayFinite()
{
    QFETCH(Values, values);
    Lab7Model m;
    m.ElementValues = values;
    m.SwitchState = {3, 1, 0};
    m.ScopeVoltage = 3.0f;
    m.ScopeCurrent = 0.01f;
    m.SwitchTime = 1.0;
    m.ComputeCircuit();
    QCOMPARE(m.SolutionKind, std::int16_t(4));
    const Reading start = At(m, 1.0);
    QVERIFY(Near(start.u, 3.0, 1e-6));
    QVERIFY(Near(start.i, 0.01, 1e-5));
    const Reading later = At(m, 5.0);
    QVERIFY(std::isfinite(later.u) && std::isfinite(later.i));
    QVERIFY(Near(At(m, 100.0).u, 24.0, 1e-5));
}

void TestLab7Model::steadyStateMeters_data()
{
    QTest::addColumn<int>("circuit");
    QTest::addColumn<double>("u");
    QTest::addColumn<double>("i");
    QTest::addColumn<double>("a1");
    QTest::addColumn<double>("a2");
    const double E = kStoredDefaults[0], R1 = kStoredDefaults[1], R2 = kStoredDefaults[2];
    const double divider = E * R2 / (R1 + R2), through = E / (R1 + R2);
    // A2 reads the R2 current; A1 the R1 current (circuits 1, 2) or the
    // capacitor current (circuit 3), which has died away.
    QTest::newRow("C") << 1 << divider << 0.0 << through << through;
    QTest::newRow("L") << 2 << 0.0 << E / R1 + E / R2 << E / R1 << E / R2;
    QTest::newRow("LC") << 3 << divider << through << 0.0 << through;
}

void TestLab7Model::steadyStateMeters()
{
    QFETCH(int, circuit);
    QFETCH(double, u);
    QFETCH(double, i);
    QFETCH(double, a1);
    QFETCH(double, a2);
    Lab7Model m = AtRest(circuit, kStoredDefaults);
    Close(m, Lab7Model::kS1, 1.0);
    Close(m, Lab7Model::kS2, 1.0);
    RunTicks(m, 1.0, 80.0);
    QVERIFY(Near(m.ScopeVoltage, u, 1e-5, 1e-6));
    QVERIFY(Near(m.ScopeCurrent, i, 1e-5, 1e-7));
    QVERIFY(Near(m.MeterTarget1, a1, 1e-5, 1e-7));
    QVERIFY(Near(m.MeterTarget2, a2, 1e-5, 1e-7));
}

void TestLab7Model::switchingCarriesStateOver()
{
    // Closing S2 part way through the charge: the capacitor voltage carries
    // over, the capacitor current jumps by the new R2 current.
    Lab7Model m = AtRest(1, kStoredDefaults);
    Close(m, Lab7Model::kS1, 1.0);
    RunTicks(m, 1.0, 3.0);
    const float u0 = m.ScopeVoltage;
    m.ToggleSwitch(Lab7Model::kS2, 3.02);
    QCOMPARE(m.SwitchTime, 3.02);
    QVERIFY(m.RecalcPending);
    QVERIFY(m.Tick(3.05, 1));
    QCOMPARE(m.JumpVoltage, u0);
    const double E = kStoredDefaults[0], R1 = kStoredDefaults[1], R2 = kStoredDefaults[2];
    QVERIFY(Near(m.JumpCurrent, (E - u0) / R1 - u0 / R2, 1e-5));
    QVERIFY(Near(At(m, 3.02).u, u0, 1e-6));

    // The same in the RLC circuit: u and the inductor current both carry over.
    Lab7Model r = AtRest(3, kStoredDefaults);
    Close(r, Lab7Model::kS1, 1.0);
    RunTicks(r, 1.0, 7.3);
    const Reading before{r.ScopeVoltage, r.ScopeCurrent};
    r.ToggleSwitch(Lab7Model::kS2, 7.3);
    r.Tick(7.3, 3);
    QCOMPARE(r.JumpVoltage, float(before.u));
    QCOMPARE(r.JumpCurrent, float(before.i));
    QVERIFY(Near(r.ScopeVoltage, before.u, 1e-5));
    QVERIFY(Near(r.ScopeCurrent, before.i, 1e-4));
}

void TestLab7Model::selectorPutsCircuitAtRest()
{
    Lab7Model m = AtRest(1, kStoredDefaults);
    Close(m, Lab7Model::kS1, 1.0);
    RunTicks(m, 1.0, 10.0);
    m.ToggleSwitch(Lab7Model::kS1, 10.0);
    RunTicks(m, 10.0, 11.0);
    QVERIFY(m.ScopeVoltage > 20.0f);
    m.SelectorTurned();
    QVERIFY(m.RecalcPending);
    QVERIFY(m.Tick(11.05, 3)); // the selector's position is taken at the tick
    QCOMPARE(m.SwitchState[Lab7Model::kCircuit], std::int16_t(3));
    QCOMPARE(m.SolutionKind, std::int16_t(6));
    RunTicks(m, 11.05, 20.0);
    QCOMPARE(m.ScopeVoltage, 0.0f);
    QCOMPARE(m.ScopeCurrent, 0.0f);
}

void TestLab7Model::meterDriveFollowsRange()
{
    // 0.1 A is 40 divisions on the 0.25 A range, 10 on the 1 A range; the
    // pointer covers a fifth of the remaining distance per tick.
    const auto drive = [](float value, float current, float range) {
        return MeterStep(value, ScaleDivisions(current, 100.0, range));
    };
    float v = 0.0f;
    v = drive(v, 0.1f, 1.0f);
    QVERIFY(Near(v, 2.0, 1e-6));
    v = drive(v, 0.1f, 0.25f);
    QVERIFY(Near(v, 2.0 + 0.2 * 38.0, 1e-6));
    for (int k = 0; k < 60; ++k)
        v = drive(v, 0.1f, 0.25f);
    QVERIFY(Near(v, 40.0, 1e-4));
}

void TestLab7Model::settledWhenNothingMoves_data()
{
    QTest::addColumn<int>("circuit");
    QTest::addColumn<float>("r1");
    QTest::addColumn<bool>("closeS1");
    QTest::addColumn<double>("after"); // seconds after S1 was closed
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("settled");
    QTest::newRow("at load") << 1 << 240.0f << false << 0.0 << 1 << true;
    QTest::newRow("RC charging") << 1 << 240.0f << true << 1.0 << 1 << false;
    // The voltage has long reached 24 V; the current still decays in the
    // smallest floats until its exponential is out.
    QTest::newRow("RC, current still decaying") << 1 << 240.0f << true << 100.0 << 1 << false;
    QTest::newRow("RC, both at their ends") << 1 << 240.0f << true << 400.0 << 1 << true;
    QTest::newRow("RL, voltage still decaying") << 2 << 240.0f << true << 30.0 << 2 << false;
    QTest::newRow("RL, both at their ends") << 2 << 240.0f << true << 100.0 << 2 << true;
    QTest::newRow("RLC oscillating") << 3 << 240.0f << true << 100.0 << 3 << false;
    QTest::newRow("RLC, oscillation died out") << 3 << 240.0f << true << 200.0 << 3 << true;
    // R1 = 2000 ohm: two real exponents, -9950 and -50 per second.
    QTest::newRow("RLC aperiodic, slow exponent running") << 3 << 2000.0f << true << 100.0 << 5 << false;
    QTest::newRow("RLC aperiodic, at its ends") << 3 << 2000.0f << true << 3000.0 << 5 << true;
}

void TestLab7Model::settledWhenNothingMoves()
{
    QFETCH(int, circuit);
    QFETCH(float, r1);
    QFETCH(bool, closeS1);
    QFETCH(double, after);
    QFETCH(int, kind);
    QFETCH(bool, settled);
    Values values = kRoundDefaults;
    values[Lab7Model::kR1] = r1;
    Lab7Model m = AtRest(circuit, values);
    const double t0 = 2.0;
    if (closeS1)
        Close(m, Lab7Model::kS1, t0);
    m.Tick(t0, std::int16_t(circuit));
    const double now = t0 + after;
    m.Tick(now, std::int16_t(circuit));
    QCOMPARE(m.SolutionKind, std::int16_t(kind));
    QCOMPARE(m.Settled(now), settled);
    // Settled exactly when no later evaluation gives other bits.
    const auto same = [](double a, float b) {
        const float f = float(a);
        return std::memcmp(&f, &b, sizeof b) == 0;
    };
    bool still = true;
    for (double later : {0.05, 1.0, 60.0, 20000.0}) {
        const Reading r = At(m, now + later);
        still = still && same(r.u, m.ScopeVoltage) && same(r.i, m.ScopeCurrent);
    }
    QCOMPARE(still, settled);
}

QTEST_APPLESS_MAIN(TestLab7Model)
#include "tst_lab7_model.moc"
