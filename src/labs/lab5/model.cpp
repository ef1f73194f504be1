// SPDX-License-Identifier: GPL-3.0-or-later
// Lab 5 circuit model: star load, neutral wire, wattmeter and breaker.
#include "labs/lab5/model.h"

#include "calc/meterdrive.h"

#include <QCoreApplication>
#include <cmath>

namespace ohmaris {

Lab5Model::Lab5Model()
{
    ResetInputs();
    ResetRanges();
}

void Lab5Model::ResetRanges()
{
    AmmeterRange = 5.0f;
    VoltmeterRange = 450.0f;
}

void Lab5Model::ComputeCircuit(double now)
{
    const std::int16_t s0 = SwitchState[int(Lab5Switch::Supply)];
    for (float &u : PhaseVoltage)
        u = SourcePhaseVoltage(LineVoltage, s0);

    const std::int16_t branches = std::int16_t(SwitchState[1] + SwitchState[2] + SwitchState[3]);
    if (branches == 0) {
        PhaseCurrent.fill(0.0f);
        PhasePower.fill(0.0f);
        NeutralVoltage = 0.0f;
        NeutralCurrent = 0.0f;
        PhaseCurrentPhasor.fill(Phasor{});
        NeutralVoltagePhasor = Phasor{};
        NeutralCurrentPhasor = Phasor{};
    } else {
        std::array<Phasor, 3> y;
        for (int k = 0; k < 3; ++k)
            y[k] = BranchAdmittance(SwitchState[k + 1], ElementValues[3 * k],
                                    ElementValues[3 * k + 1], ElementValues[3 * k + 2]);

        const std::array<Phasor, 3> u = SourcePhasors();
        std::array<Phasor, 3> p;
        for (int k = 0; k < 3; ++k)
            p[k] = PhasorProduct(u[k], y[k]);
        const Phasor sumUY = PhasorSum3(p[0], p[1], p[2]);
        const Phasor sumY = PhasorSum3(y[0], y[1], y[2]);
        const Phasor un = PhasorQuotient(sumUY, sumY);

        std::array<Phasor, 3> i;
        if (SwitchState[int(Lab5Switch::Neutral)] != 0) {
            // The neutral wire holds the star point at the supply neutral.
            NeutralVoltage = 0.0f;
            i = p;
            NeutralCurrent = sumUY.Magnitude;
            NeutralVoltagePhasor = Phasor{};
            NeutralCurrentPhasor = sumUY;
        } else {
            NeutralCurrent = 0.0f;
            NeutralVoltage = un.Magnitude;
            NeutralVoltagePhasor = un;
            NeutralCurrentPhasor = Phasor{};
            for (int k = 0; k < 3; ++k)
                i[k] = PhasorProduct(PhasorDifference(u[k], un), y[k]);
        }

        // The wattmeter multiplies the phase current by the source phase
        // voltage, also when the star point is displaced.
        PhaseCurrentPhasor = i;
        for (int k = 0; k < 3; ++k) {
            PhaseCurrent[k] = i[k].Magnitude;
            PhasePower[k] = float(double(i[k].Magnitude) * double(PhaseVoltage[k])
                                  * std::cos(u[k].Angle - i[k].Angle));
        }
    }

    MaxPhaseCurrent = PhaseCurrent[0];
    for (int k = 1; k < 3; ++k)
        if (PhaseCurrent[k] > MaxPhaseCurrent)
            MaxPhaseCurrent = PhaseCurrent[k];

    Protection.NoteCurrent(MaxPhaseCurrent, now);
    RecalcPending = false;
}

std::array<double, ThreePhaseCircuit::kMaxMeters> Lab5Model::MeterTargets() const
{
    // Each target is held as a float, as the bench's meters take it.
    return {float(ScaleDivisions(NeutralCurrent, 100.0, AmmeterRange)),
            float(ScaleDivisions(NeutralVoltage, 150.0, VoltmeterRange)), 0.0};
}

K50PhaseReadings Lab5Model::K50Readings() const
{
    return {PhaseVoltage, PhaseCurrent, PhasePower};
}

std::array<Phasor, 3> Lab5Model::SourcePhasors() const
{
    return {Phasor{PhaseVoltage[0], 0.0}, Phasor{PhaseVoltage[1], -2.0 / 3.0 * kPi},
            Phasor{PhaseVoltage[2], 2.0 / 3.0 * kPi}};
}

PhasorDiagram Lab5Model::Phasors() const
{
    using K = NamedPhasor::Kind;
    PhasorDiagram d;
    d.lab = 5;
    d.reference = QT_TRANSLATE_NOOP("PhasorDiagram", "phase A's source voltage at 0°");
    const std::array<Phasor, 3> u = SourcePhasors();
    const std::array<QString, 3> phases{QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")};
    for (std::size_t k = 0; k < 3; ++k)
        d.Add(K::Voltage, QStringLiteral("U_") + phases[k],
              QT_TRANSLATE_NOOP("PhasorDiagram", "source phase voltage (K-50 V)"), u[k]);
    for (std::size_t k = 0; k < 3; ++k)
        d.Add(K::Current, QStringLiteral("I_") + phases[k], QT_TRANSLATE_NOOP("PhasorDiagram", "phase current (K-50 A)"),
              PhaseCurrentPhasor[k]);
    if (SwitchState[int(Lab5Switch::Neutral)] != 0) {
        d.Add(K::Current, QStringLiteral("I_N"), QT_TRANSLATE_NOOP("PhasorDiagram", "neutral-wire current (A1)"),
              NeutralCurrentPhasor);
    } else if (NeutralVoltage > 0.0f) {
        // The load's phase voltages run from the displaced star point to the
        // source's phase terminals.
        const int shift = d.Add(K::Voltage, QStringLiteral("U_N"),
                                QT_TRANSLATE_NOOP("PhasorDiagram", "star point's shift (V1)"), NeutralVoltagePhasor);
        const std::array<QString, 3> load{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")};
        for (std::size_t k = 0; k < 3; ++k)
            d.Add(K::Voltage, QStringLiteral("U_") + load[k],
                  QT_TRANSLATE_NOOP("PhasorDiagram", "load phase voltage"),
                  PhasorDifference(u[k], NeutralVoltagePhasor), shift);
    }
    return d;
}

Quantities Lab5Model::Results() const
{
    const QString amp = QStringLiteral("A");
    Quantities q;
    AddPhaseVoltage(q, QStringLiteral("source phase voltages A, B, C"));
    q.Add(QStringLiteral("PhaseCurrent"), amp, QStringLiteral("phase currents A, B, C"), PhaseCurrent);
    AddPhasePower(q);
    q.Add(QStringLiteral("NeutralCurrent"), amp, QStringLiteral("neutral-wire current, ammeter A1"), NeutralCurrent);
    q.Add(QStringLiteral("NeutralVoltage"), QStringLiteral("V"), QStringLiteral("star-point displacement, voltmeter V1"),
          NeutralVoltage);
    AddMaxCurrentAndOverload(q, QStringLiteral("phase current"));
    return q;
}

} // namespace ohmaris
