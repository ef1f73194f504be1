// SPDX-License-Identifier: GPL-3.0-or-later
// Lab 6 circuit model: delta load, line and branch switches, wattmeter and
// breaker.
#include "labs/lab6/model.h"

#include "calc/meterdrive.h"

#include <QCoreApplication>
#include <cmath>

namespace ohmaris {

namespace {

// Branch indexes of ElementValues and of the branch currents.
constexpr int kAB = 0;
constexpr int kBC = 1;
constexpr int kCA = 2;

// Admittance of branches p and q in series, each behind its switch: both
// must be closed for the pair to conduct.
Phasor SeriesAdmittance(const ElementArray &e, std::int16_t sp, std::int16_t sq, int p, int q)
{
    const double s = double(int(sp) * int(sq));
    const double rp = e[std::size_t(3 * p)], xlp = e[std::size_t(3 * p + 1)], xcp = e[std::size_t(3 * p + 2)];
    const double rq = e[std::size_t(3 * q)], xlq = e[std::size_t(3 * q + 1)], xcq = e[std::size_t(3 * q + 2)];
    const double x = xlp + xlq - xcp - xcq;
    const double r = rp + rq;
    Phasor y;
    y.Magnitude = float(s / std::sqrt(x * x + r * r));
    y.Angle = s * std::atan((xcp + xcq - xlp - xlq) / r);
    return y;
}

} // namespace

Lab6Model::Lab6Model()
{
    ResetInputs();
}

void Lab6Model::ComputeCircuit(double now)
{
    const std::int16_t s0 = SwitchState[int(Lab6Switch::Supply)];
    for (float &u : PhaseVoltage)
        u = SourcePhaseVoltage(LineVoltage, s0);

    const auto branchSwitch = [this](int k) { return SwitchState[std::size_t(int(Lab6Switch::BranchAB) + k)]; };
    std::array<Phasor, 3> y;
    for (int k = 0; k < 3; ++k)
        y[std::size_t(k)] = BranchAdmittance(branchSwitch(k), ElementValues[std::size_t(3 * k)],
                                             ElementValues[std::size_t(3 * k + 1)],
                                             ElementValues[std::size_t(3 * k + 2)]);

    // Line voltages U_AB, U_BC, U_CA.
    const float uLine = float(double(LineVoltage) * double(s0));
    const std::array<Phasor, 3> u{Phasor{uLine, kPi / 6}, Phasor{uLine, -kPi / 2}, Phasor{uLine, 5.0 / 6.0 * kPi}};
    const auto series = [&](int p, int q) {
        return SeriesAdmittance(ElementValues, branchSwitch(p), branchSwitch(q), p, q);
    };

    // With one line broken, the branch between the two lines still
    // connected takes its line voltage, and the other two branches carry
    // one current in series across the same voltage, against their own
    // direction. With two or more broken nothing flows.
    const bool a = SwitchState[int(Lab6Switch::LineA)] != 0;
    const bool b = SwitchState[int(Lab6Switch::LineB)] != 0;
    const bool c = SwitchState[int(Lab6Switch::LineC)] != 0;
    std::array<Phasor, 3> i;
    bool flows = true;
    if (a && b && c) {
        for (std::size_t k = 0; k < 3; ++k)
            i[k] = PhasorProduct(u[k], y[k]);
    } else if (!a && b && c) {
        i[kAB] = PhasorNegate(PhasorProduct(u[kBC], series(kAB, kCA)));
        i[kBC] = PhasorProduct(u[kBC], y[kBC]);
        i[kCA] = i[kAB];
    } else if (a && !b && c) {
        i[kAB] = PhasorNegate(PhasorProduct(u[kCA], series(kAB, kBC)));
        i[kBC] = i[kAB];
        i[kCA] = PhasorProduct(u[kCA], y[kCA]);
    } else if (a && b && !c) {
        i[kAB] = PhasorProduct(u[kAB], y[kAB]);
        i[kBC] = PhasorNegate(PhasorProduct(u[kAB], series(kBC, kCA)));
        i[kCA] = i[kBC];
    } else {
        flows = false;
    }

    if (flows) {
        const std::array<Phasor, 3> line{PhasorDifference(i[kAB], i[kCA]), PhasorDifference(i[kBC], i[kAB]),
                                         PhasorDifference(i[kCA], i[kBC])};
        BranchCurrentPhasor = i;
        LineCurrentPhasor = line;
        for (std::size_t k = 0; k < 3; ++k) {
            BranchCurrent[k] = i[k].Magnitude;
            LineCurrent[k] = line[k].Magnitude;
        }
        // The wattmeter takes the line current with the star-equivalent
        // phase voltage, at 0, -2pi/3 and +2pi/3.
        const double third = kTwoPi / 3;
        const std::array<double, 3> cosines{std::cos(line[0].Angle), std::cos(third + line[1].Angle),
                                            std::cos(third - line[2].Angle)};
        for (std::size_t k = 0; k < 3; ++k)
            PhasePower[k] = float(double(line[k].Magnitude) * double(PhaseVoltage[k]) * cosines[k]);
    } else {
        BranchCurrent.fill(0.0f);
        LineCurrent.fill(0.0f);
        BranchCurrentPhasor.fill(Phasor{});
        LineCurrentPhasor.fill(Phasor{});
        PhasePower.fill(0.0f);
    }

    // The largest of the six, a later one replacing only when greater.
    MaxPhaseCurrent = BranchCurrent[0];
    for (const std::array<float, 3> *group : {&BranchCurrent, &LineCurrent})
        for (float current : *group)
            if (current > MaxPhaseCurrent)
                MaxPhaseCurrent = current;

    Protection.NoteCurrent(MaxPhaseCurrent, now);
    RecalcPending = false;
}

std::array<double, ThreePhaseCircuit::kMaxMeters> Lab6Model::MeterTargets() const
{
    // Each target is held as a float, as the bench's meters take it.
    std::array<double, kMaxMeters> t{};
    for (std::size_t k = 0; k < 3; ++k)
        t[k] = float(ScaleDivisions(BranchCurrent[k], 100.0, AmmeterRange[k]));
    return t;
}

K50PhaseReadings Lab6Model::K50Readings() const
{
    return {PhaseVoltage, LineCurrent, PhasePower};
}

PhasorDiagram Lab6Model::Phasors() const
{
    using K = NamedPhasor::Kind;
    PhasorDiagram d;
    d.lab = 6;
    d.reference = QT_TRANSLATE_NOOP("PhasorDiagram", "phase A's star-equivalent voltage at 0°, the line voltage AB at 30°");
    const float uLine = float(double(LineVoltage) * double(SwitchState[int(Lab6Switch::Supply)]));
    const std::array<double, 3> angles{kPi / 6, -kPi / 2, 5.0 / 6.0 * kPi};
    const std::array<QString, 3> branches{QStringLiteral("AB"), QStringLiteral("BC"), QStringLiteral("CA")};
    const std::array<QString, 3> lines{QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")};
    for (std::size_t k = 0; k < 3; ++k)
        d.Add(K::Voltage, QStringLiteral("U_") + branches[k], QT_TRANSLATE_NOOP("PhasorDiagram", "line voltage"),
              {uLine, angles[k]});
    for (std::size_t k = 0; k < 3; ++k)
        d.Add(K::Current, QStringLiteral("I_") + branches[k],
              QT_TRANSLATE_NOOP("PhasorDiagram", "branch (phase) current (A1, A2, A3)"), BranchCurrentPhasor[k]);
    for (std::size_t k = 0; k < 3; ++k)
        d.Add(K::Current, QStringLiteral("I_") + lines[k], QT_TRANSLATE_NOOP("PhasorDiagram", "line current (K-50 A)"),
              LineCurrentPhasor[k]);
    return d;
}

Quantities Lab6Model::Results() const
{
    const QString amp = QStringLiteral("A");
    Quantities q;
    AddPhaseVoltage(q, QStringLiteral("star-equivalent source phase voltages A, B, C"));
    q.Add(QStringLiteral("BranchCurrent"), amp, QStringLiteral("branch currents AB, BC, CA, ammeters A1, A2, A3"),
          BranchCurrent);
    q.Add(QStringLiteral("LineCurrent"), amp, QStringLiteral("line currents A, B, C, the K-50 ammeter"), LineCurrent);
    AddPhasePower(q);
    AddMaxCurrentAndOverload(q, QStringLiteral("branch or line current"));
    return q;
}

} // namespace ohmaris
