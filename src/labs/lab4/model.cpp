// SPDX-License-Identifier: GPL-3.0-or-later
// Lab 4 model: the coupled coils in series or in parallel, the ammeter
// targets and the protection.
#include "labs/lab4/model.h"

#include "calc/meterdrive.h"

#include <QCoreApplication>
#include <cmath>

namespace ohmaris {

namespace {

// Admittance of a branch with its switch `closed` (0 or 1): 1 / (R + r + jwL),
// the zero phasor with the switch open.
Phasor BranchAdmittance(std::int16_t closed, double resistance, double reactance)
{
    const double s = double(closed);
    return {float(s / std::sqrt(resistance * resistance + reactance * reactance)),
            s * std::atan(-reactance / resistance)};
}

// Current per volt of one branch of the parallel connection, with `own` and
// `other` the two branch admittances and `z` the mutual impedance this
// branch sees: own x (1 - other x z) / (1 - (z x own) x (z x other)). The
// order of the operations fixes the 32-bit roundings of every step.
Phasor ParallelBranch(Phasor own, Phasor other, Phasor z)
{
    const Phasor one = Lab4Model::UnitPhasor;
    Phasor t = PhasorProduct(other, z);
    t = PhasorDifference(one, t);
    const Phasor n = PhasorProduct(own, t);
    const Phasor p = PhasorProduct(z, own);
    const Phasor q = PhasorProduct(z, other);
    Phasor d = PhasorProduct(p, q);
    d = PhasorDifference(one, d);
    return PhasorQuotient(n, d);
}

} // namespace

void Lab4Model::ComputeCircuit(double now)
{
    const double omega = double(kOmega);
    const int s = Sign(Connection);

    const int first = VariantIndex(VariantSelect[0]);
    const int second = VariantIndex(VariantSelect[1]);
    const double l1 = lab4::kInductance1[std::size_t(first)];
    const double l2 = lab4::kInductance2[std::size_t(first)];
    Inductance = {l1, l2};
    Coupling = float(lab4::kCouplingA[std::size_t(first)] + lab4::kCouplingB[std::size_t(second)]);
    const double k = double(Coupling);
    WindingResistance[0] = float(omega * l1 / (2 * k + 11.5));
    WindingResistance[1] = float(omega * l2 / (5 * k + 23));
    MutualInductance = float(std::pow(l2 * l1, 0.5) * k * double(s));
    const double r1 = double(WindingResistance[0]);
    const double r2 = double(WindingResistance[1]);
    const double m = double(MutualInductance);

    const std::int16_t s1 = SwitchState[kS1];
    const std::int16_t s2 = SwitchState[kS2];
    const double ext1 = double(ExternalResistance[0]);
    const double ext2 = double(ExternalResistance[1]);
    const Phasor y1 = BranchAdmittance(s1, ext1 + r1, omega * l1);
    const Phasor y2 = BranchAdmittance(s2, ext2 + r2, omega * l2);

    SupplyVoltage = SupplyVoltageFor(SwitchState[kStep], SwitchState[kBreaker]);
    const double u = double(SupplyVoltage);

    Phasor y;
    if (!IsParallel(Connection)) {
        // One current through both branches: it flows only with both
        // switches closed.
        if (s1 + s2 >= 1) {
            const double both = double(s1 * s2);
            const double rs = r1 + ext1 + ext2 + r2;
            const double xs = (l2 + l1 + 2 * m) * omega;
            y = {float(both / std::sqrt(rs * rs + xs * xs)), both * std::atan(-xs / rs)};
        }
        CircuitCurrent = float(double(y.Magnitude) * u);
        BranchCurrent = {CircuitCurrent, CircuitCurrent};
        BranchCurrentAngle = {y.Angle, y.Angle};
    } else {
        // The mutual impedance a branch sees, present only while the other
        // branch carries a current.
        const auto mutual = [&](std::int16_t otherClosed) {
            return Phasor{float(std::fabs(m) * omega * double(otherClosed)),
                          -double(otherClosed) * double(s) * kHalfPi};
        };
        const Phasor a1 = ParallelBranch(y1, y2, mutual(s2));
        const Phasor a2 = ParallelBranch(y2, y1, mutual(s1));
        y = PhasorSum(a1, a2);
        CircuitCurrent = float(double(y.Magnitude) * u);
        BranchCurrent = {float(double(a1.Magnitude) * u), float(double(a2.Magnitude) * u)};
        BranchCurrentAngle = {a1.Angle, a2.Angle};
    }
    CurrentAngle = y.Angle;

    ActivePower = float(u * double(CircuitCurrent) * std::cos(y.Angle));
    // The delayed trip watches the current itself in this lab.
    Protection.NoteCurrent(double(CircuitCurrent), now);
    RecalcPending = false;
}

std::array<double, 2> Lab4Model::MeterTargets() const
{
    return {ScaleDivisions(BranchCurrent[0], 100.0, A1Range), ScaleDivisions(BranchCurrent[1], 100.0, A2Range)};
}

K50PhaseReadings Lab4Model::K50Readings() const
{
    return SinglePhaseReadings(SupplyVoltage, CircuitCurrent, ActivePower);
}

bool Lab4Model::ApplyProtection(double now)
{
    return TripOn(RegulatedCurrent(SwitchState[kStep], CircuitCurrent), now);
}

PhasorDiagram Lab4Model::Phasors() const
{
    using K = NamedPhasor::Kind;
    PhasorDiagram d = SupplyDiagram(4, SupplyVoltage);
    if (!IsParallel(Connection)) {
        d.Add(K::Current, QStringLiteral("I"), QT_TRANSLATE_NOOP("PhasorDiagram", "current (K-50 A, A1, A2)"),
              {CircuitCurrent, CurrentAngle});
        // Each branch's voltage: I (R + r + jw(L + M)); the two add up to U.
        const double omega = double(kOmega);
        const double m = double(MutualInductance);
        const std::array<const char *, 2> meanings{QT_TRANSLATE_NOOP("PhasorDiagram", "voltage of branch 1"),
                                                   QT_TRANSLATE_NOOP("PhasorDiagram", "voltage of branch 2")};
        for (std::size_t k = 0; k < 2; ++k) {
            const double r = double(ExternalResistance[k]) + double(WindingResistance[k]);
            const double x = omega * (Inductance[k] + m);
            d.Add(K::Voltage, QStringLiteral("U_%1").arg(k + 1), meanings[k],
                  {float(double(CircuitCurrent) * std::hypot(r, x)), CurrentAngle + std::atan2(x, r)});
        }
    } else {
        d.Add(K::Current, QStringLiteral("I"), QT_TRANSLATE_NOOP("PhasorDiagram", "total current (K-50 A)"),
              {CircuitCurrent, CurrentAngle});
        d.Add(K::Current, QStringLiteral("I_1"), QT_TRANSLATE_NOOP("PhasorDiagram", "current of branch 1 (A1)"),
              {BranchCurrent[0], BranchCurrentAngle[0]});
        d.Add(K::Current, QStringLiteral("I_2"), QT_TRANSLATE_NOOP("PhasorDiagram", "current of branch 2 (A2)"),
              {BranchCurrent[1], BranchCurrentAngle[1]});
    }
    return d;
}

Quantities Lab4Model::Results() const
{
    const QString amp = QStringLiteral("A");
    const QString henry = QStringLiteral("H");
    Quantities q;
    q.Add(QStringLiteral("SupplyVoltage"), QStringLiteral("V"), QStringLiteral("U after the breaker"), SupplyVoltage);
    q.Add(QStringLiteral("CircuitCurrent"), amp, QStringLiteral("total current from the supply (K-50)"),
          CircuitCurrent);
    q.Add(QStringLiteral("BranchCurrent"), amp, QStringLiteral("currents of branches 1 and 2 (A1, A2)"),
          BranchCurrent);
    q.Add(QStringLiteral("ActivePower"), QStringLiteral("W"), QStringLiteral("U I cos(angle of the admittance)"),
          ActivePower);
    q.Add(QStringLiteral("Inductance"), henry, QStringLiteral("L1 and L2, by the first selector"), Inductance);
    q.Add(QStringLiteral("Coupling"), QString(), QStringLiteral("coupling coefficient k, by both selectors"), Coupling);
    q.Add(QStringLiteral("WindingResistance"), QStringLiteral("Ohm"), QStringLiteral("winding resistances r1 and r2"),
          WindingResistance);
    q.Add(QStringLiteral("MutualInductance"), henry, QStringLiteral("M, negative where the connection subtracts it"),
          MutualInductance);
    AddOverloadFlag(q, QStringLiteral("1 while the total current exceeds 5 A"));
    return q;
}

} // namespace ohmaris
