// SPDX-License-Identifier: GPL-3.0-or-later
// Lab 7 transient model: closed-form solutions and their evaluation.
// Intermediate arithmetic is double; every store into a 32-bit field rounds.
#include "labs/lab7/model.h"

#include "calc/phasor.h"

#include <cmath>
#include <cstring>

namespace ohmaris {

namespace {

// Rounds to three decimals, halves to even.
double round3(double x)
{
    return std::nearbyint(x * 1000.0) / 1000.0;
}

} // namespace

float Lab7Model::Discriminant() const
{
    const double R1 = ElementValues[kR1];
    const double R2 = ElementValues[kR2];
    const double C = ElementValues[kC];
    const double L = ElementValues[kL];
    const std::int16_t K1 = SwitchState[kS1];
    const std::int16_t K2 = SwitchState[kS2];
    const double b = K2 / (C * R2 / 1000000.0) + std::int32_t(K1 * 1000) * R1 / L;
    return float(b * b / 4.0 - (K2 * R1 * 1000000000.0 / (R2 * L * C) + 1000000000.0 / (C * L)) * K1);
}

void Lab7Model::ComputeCircuit()
{
    const double E = ElementValues[kE];
    const double R1 = ElementValues[kR1];
    const double R2 = ElementValues[kR2];
    const double C = ElementValues[kC];
    const double L = ElementValues[kL];
    const std::int16_t K1 = SwitchState[kS1];
    const std::int16_t K2 = SwitchState[kS2];
    const float u0 = ScopeVoltage;
    const float i0 = ScopeCurrent;

    // Both switches open leaves the capacitor with its charge.
    const auto capacitorEnd = [&]() -> float {
        if (K1 + K2 > 0)
            return float(K1 * E / (K2 * R1 / R2 + 1));
        return u0;
    };

    switch (SwitchState[kCircuit]) {
    case 2: { // RL
        SolutionKind = std::int16_t(Lab7Solution::FirstOrderRL);
        if (K1 == 1)
            Alpha = float(-1.0 / ((K2 / R2 + 1.0 / R1) * (L / 1000.0)));
        else
            Alpha = float(-15000000.0 / L); // the interrupted current dies out through 15 kOhm
        Beta = 0.0f;
        FinalVoltage = 0.0f;
        const std::int16_t K12 = std::int16_t(K1 * K2);
        FinalCurrent = float(K12 * E / R2 + K1 * E / R1);
        CoefB = float(double(i0) - FinalCurrent);
        CoefA = float(double(CoefB) * L / 1000.0 * Alpha);
        JumpCurrent = i0;
        JumpVoltage = CoefA;
        break;
    }
    case 3: { // RLC
        const float D = Discriminant();
        FinalVoltage = capacitorEnd();
        FinalCurrent = float(std::int16_t(K1 * K2) * E / (R1 + R2));
        const double du = double(u0) - FinalVoltage;
        const double di = double(i0) - FinalCurrent;
        const auto criticallyDamped = [&] {
            SolutionKind = std::int16_t(Lab7Solution::CriticallyDamped);
            Alpha = float(-(K2 * 500000.0 / (C * R2) + K1 * R1 * 500.0 / L));
            Beta = 1.0f;
            CoefA = float(du);
            CoefB = float(di - (Alpha * C / 1000000.0 + K2 / R2) * CoefA);
        };
        if (D > 0.0f && K1 == 1) {
            const double h = (K2 * 1000000.0 / (C * R2) + R1 * 1000.0 / L) * -0.5;
            Alpha = float(h - std::sqrt(double(D)));
            Beta = float(h + std::sqrt(double(D)));
            if (Alpha == Beta) {
                // The exponents coincide in 32 bits: the two-exponent
                // amplitudes would divide by zero, and the circuit is
                // critically damped in all but name.
                criticallyDamped();
            } else {
                SolutionKind = std::int16_t(Lab7Solution::TwoExponents);
                CoefA = float((di - (C / 1000000.0 * Beta + K2 / R2) * du)
                              / ((double(Alpha) - Beta) * C / 1000000.0));
                CoefB = float(du - CoefA);
            }
        } else if (D > 0.0f) {
            // S1 open: the inductor branch carries no current.
            SolutionKind = std::int16_t(Lab7Solution::VoltageOnly);
            Alpha = float(-(std::int32_t(K2 * 1000000)) / (C * R2));
            Beta = 0.0f;
            CoefA = float(du);
        } else if (D == 0.0f && K1 + K2 <= 0) {
            SolutionKind = std::int16_t(Lab7Solution::VoltageOnly);
            Alpha = 0.0f;
            Beta = 0.0f;
            CoefA = float(du);
        } else if (D == 0.0f) {
            criticallyDamped();
        } else {
            const float beta = float(round3(std::sqrt(std::fabs(double(D)))));
            if (beta == 0.0f) {
                // A frequency that rounds to zero is no oscillation; the
                // phase would divide by it.
                criticallyDamped();
            } else {
                SolutionKind = std::int16_t(Lab7Solution::Oscillatory);
                Beta = beta;
                Alpha = float(-(K2 * 500000.0 / (C * R2) + K1 * R1 * 500.0 / L));
                if (round3(du) == 0.0) {
                    Phase = 0.0;
                    CoefA = 0.0f;
                } else {
                    const double x = (di - (K2 / R2 + C / 1000000.0 * Alpha) * du) * 1000000.0
                                     / (du * Beta * C);
                    Phase = kHalfPi - std::atan(x);
                    CoefA = float(du / std::sin(Phase));
                }
            }
        }
        JumpVoltage = u0;
        JumpCurrent = i0;
        break;
    }
    default: { // RC
        SolutionKind = std::int16_t(Lab7Solution::FirstOrderRC);
        Alpha = float(-std::int32_t(K1 * 1000000) / (C * R1) - std::int32_t(K2 * 1000000) / (C * R2));
        Beta = 0.0f;
        FinalVoltage = capacitorEnd();
        FinalCurrent = 0.0f;
        CoefA = float(double(u0) - FinalVoltage);
        CoefB = float(double(CoefA) * C / 1000000.0 * Alpha);
        JumpVoltage = u0;
        JumpCurrent = CoefB;
        break;
    }
    }
    RecalcPending = false;
}

float Lab7Model::Decay(double now) const
{
    const float tau = float(now);
    return float(std::exp(double(Alpha) * double(kTimeScale) * (double(tau) - SwitchTime)));
}

double Lab7Model::Turn(double now) const
{
    const float tau = float(now);
    return double(Beta) * double(kTimeScale) * (double(tau) - SwitchTime);
}

bool Lab7Model::Settled(double now) const
{
    if (RecalcPending)
        return false;
    if (Alpha == 0.0f && Beta == 0.0f)
        return true;
    // A decaying solution. e1 never grows again (time only grows), and once
    // it is exactly zero it stays so.
    if (!(Alpha < 0.0f))
        return false;
    const auto same = [](float a, float b) { return std::memcmp(&a, &b, sizeof a) == 0; };
    // Where u and i are one decaying term away from their end values, they
    // move towards them from one side, and rounding keeps that order: once
    // they show the end values, they stay there. In kind 5 the first
    // exponential must have run out, which leaves the second one alone.
    const auto reachedEnd = [&](float e1, double endW) {
        const Lab7Values end = ValuesAt(e1, endW);
        return same(end.u, ScopeVoltage) && same(end.i, ScopeCurrent);
    };
    switch (Lab7Solution(SolutionKind)) {
    case Lab7Solution::FirstOrderRC:
    case Lab7Solution::FirstOrderRL:
    case Lab7Solution::VoltageOnly:
        return reachedEnd(0.0f, 0.0);
    case Lab7Solution::TwoExponents:
        return Beta < 0.0f && Decay(now) == 0.0f && reachedEnd(0.0f, -HUGE_VAL);
    default: {
        // An oscillation, or a decay that rises first: only once e1 is
        // zero; the vanished terms are zeros whose sign may follow a sine,
        // which added to an end value of minus zero could flip it.
        const auto minusZero = [](float v) { return v == 0.0f && std::signbit(v); };
        return Decay(now) == 0.0f && !minusZero(FinalVoltage) && !minusZero(FinalCurrent);
    }
    }
}

void Lab7Model::Evaluate(double now)
{
    const Lab7Values v = ValuesAt(Decay(now), Turn(now));
    ScopeVoltage = v.u;
    ScopeCurrent = v.i;
}

Lab7Model::Lab7Values Lab7Model::ValuesAt(float e1, double w) const
{
    const double C = ElementValues[kC];
    const double R2 = ElementValues[kR2];
    const std::int16_t K2 = SwitchState[kS2];
    const double A = CoefA;
    const double B = CoefB;
    const double uF = FinalVoltage;
    const double iF = FinalCurrent;
    Lab7Values v;
    switch (Lab7Solution(SolutionKind)) {
    case Lab7Solution::Oscillatory: {
        const double s = std::sin(w + Phase);
        const double c = std::cos(w + Phase);
        v.u = float(e1 * A * s + uF);
        v.i = float(((Beta * c + Alpha * s) * C / 1000000.0 + (K2 / R2) * s) * (e1 * A) + iF);
        break;
    }
    case Lab7Solution::CriticallyDamped: {
        // B is the current's amplitude, so the capacitor voltage that goes
        // with the current below rises with slope B / Cf, not B.
        const double Cf = C / 1000000.0;
        v.u = float(uF + e1 * (A + (B / Cf) * w));
        v.i = float((C * Alpha / 1000000.0 + K2 / R2) * e1 * A + iF
                    + ((K2 * 1000000.0 / (C * R2) + Alpha) * w + 1.0) * e1 * B);
        break;
    }
    case Lab7Solution::TwoExponents: {
        const double e2 = std::exp(w);
        v.u = float(e1 * A + uF + B * e2);
        v.i = float((C / 1000000.0 * Alpha + K2 / R2) * e1 * A + iF
                    + (K2 / R2 + C / 1000000.0 * Beta) * B * e2);
        break;
    }
    case Lab7Solution::VoltageOnly:
        v.u = float(e1 * A + uF);
        v.i = float(iF);
        break;
    case Lab7Solution::FirstOrderRC:
    case Lab7Solution::FirstOrderRL:
    default:
        v.u = float(e1 * A + uF);
        v.i = float(e1 * B + iF);
        break;
    }
    return v;
}

void Lab7Model::UpdateMeterTargets()
{
    const double E = ElementValues[kE];
    const double R1 = ElementValues[kR1];
    const double R2 = ElementValues[kR2];
    const std::int16_t K1 = SwitchState[kS1];
    const std::int16_t K2 = SwitchState[kS2];
    const double u = ScopeVoltage;
    const double i = ScopeCurrent;
    switch (SwitchState[kCircuit]) {
    case 2:
        MeterTarget2 = float((E - u) * std::int16_t(K1 * K2) / R2);
        MeterTarget1 = float((E - u) * K1 / R1);
        break;
    case 3:
        MeterTarget2 = float(K2 * u / R2);
        MeterTarget1 = float(K1 * i - MeterTarget2);
        break;
    default:
        MeterTarget2 = float(K2 * u / R2);
        MeterTarget1 = float((E - u) * K1 / R1);
        break;
    }
}

bool Lab7Model::Tick(double now, std::int16_t selectorPosition)
{
    const bool recompute = RecalcPending;
    if (recompute) {
        SwitchState[kCircuit] = selectorPosition;
        ComputeCircuit();
    }
    Evaluate(now);
    UpdateMeterTargets();
    return recompute;
}

void Lab7Model::ToggleSwitch(int index, double now)
{
    if (index != kS1 && index != kS2)
        return;
    SwitchState[index] = std::int16_t(1 - SwitchState[index]);
    SwitchTime = now;
    RecalcPending = true;
}

void Lab7Model::SelectorTurned()
{
    ScopeVoltage = 0.0f;
    ScopeCurrent = 0.0f;
    RecalcPending = true;
}

Quantities Lab7Model::Results() const
{
    const QString perSecond = QStringLiteral("1/s");
    Quantities q;
    q.Add(QStringLiteral("SolutionKind"), QString(),
          QStringLiteral("1 RC, 2 RL, 3 oscillatory, 4 critically damped, 5 two exponents, 6 u only"), SolutionKind);
    q.Add(QStringLiteral("Alpha"), perSecond, QStringLiteral("first exponent, circuit time"), Alpha);
    q.Add(QStringLiteral("Beta"), perSecond, QStringLiteral("angular frequency (3), second exponent (5), 1 (4)"), Beta);
    q.Add(QStringLiteral("Phase"), QStringLiteral("rad"), QStringLiteral("phase of the oscillatory solution"), Phase);
    q.Add(QStringLiteral("CoefA"), QString(), QStringLiteral("amplitude of the first term"), CoefA);
    q.Add(QStringLiteral("CoefB"), QString(), QStringLiteral("amplitude of the second term"), CoefB);
    q.Add(QStringLiteral("FinalVoltage"), QStringLiteral("V"), QStringLiteral("steady-state u"), FinalVoltage);
    q.Add(QStringLiteral("FinalCurrent"), QStringLiteral("A"), QStringLiteral("steady-state i"), FinalCurrent);
    q.Add(QStringLiteral("JumpVoltage"), QStringLiteral("V"), QStringLiteral("u just after the last switching"),
          JumpVoltage);
    q.Add(QStringLiteral("JumpCurrent"), QStringLiteral("A"), QStringLiteral("i just after the last switching"),
          JumpCurrent);
    return q;
}

Quantities Lab7Model::PresentResults() const
{
    const QString amp = QStringLiteral("A");
    Quantities q;
    q.Add(QStringLiteral("ScopeVoltage"), QStringLiteral("V"), QStringLiteral("u, oscilloscope channel 1"), ScopeVoltage);
    q.Add(QStringLiteral("ScopeCurrent"), amp, QStringLiteral("i, oscilloscope channel 2"), ScopeCurrent);
    q.Add(QStringLiteral("MeterTarget1"), amp, QStringLiteral("where ammeter A1 heads"), MeterTarget1);
    q.Add(QStringLiteral("MeterTarget2"), amp, QStringLiteral("where ammeter A2 heads"), MeterTarget2);
    return q;
}

} // namespace ohmaris
