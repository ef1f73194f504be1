// SPDX-License-Identifier: GPL-3.0-or-later
// Three-phase pieces shared by the star and delta circuits.
#include "labs/common/threephase.h"

#include <cmath>

namespace ohmaris {

float SourcePhaseVoltage(float lineVoltage, std::int16_t supplySwitch)
{
    const double sqrt3 = std::pow(3.0, 0.5);
    return float(double(lineVoltage) * double(supplySwitch) / sqrt3);
}

Phasor BranchAdmittance(std::int16_t branchSwitch, float r, float xl, float xc)
{
    const double s = branchSwitch;
    const double x = double(xl) - double(xc);
    Phasor y;
    y.Magnitude = float(s / std::sqrt(x * x + double(r) * double(r)));
    y.Angle = s * std::atan((double(xc) - double(xl)) / double(r));
    return y;
}

void ThreePhaseCircuit::ResetInputs()
{
    EnterLineVoltage(GeneralNumber(kDefaultLineVoltage));
    const ElementArray &defaults = DefaultElements();
    for (int i = 0; i < int(ElementValues.size()); ++i)
        EnterElement(i, GeneralNumber(defaults[std::size_t(i)]));
}

EntryResult ThreePhaseCircuit::EnterLineVoltage(const QString &text)
{
    const EntryResult r = ApplyEntryRule(text, LineVoltage, kLineVoltageRule);
    LineVoltage = r.value;
    RecalcPending = RecalcPending || r.recalc;
    return r;
}

EntryResult ThreePhaseCircuit::EnterElement(int index, const QString &text)
{
    if (index < 0 || index >= int(ElementValues.size()))
        return {};
    const EntryResult r = ApplyEntryRule(text, ElementValues[std::size_t(index)], kElementRule);
    ElementValues[std::size_t(index)] = r.value;
    RecalcPending = RecalcPending || r.recalc;
    return r;
}

void ThreePhaseCircuit::ToggleSwitch(int index)
{
    if (index < 0 || index >= SwitchCount())
        return;
    std::int16_t &s = Switch(index);
    s = std::int16_t(1 - s);
    RecalcPending = true;
}

void ThreePhaseCircuit::AddPhaseVoltage(Quantities &q, const QString &what) const
{
    q.Add(QStringLiteral("PhaseVoltage"), QStringLiteral("V"), what, PhaseVoltage);
}

void ThreePhaseCircuit::AddPhasePower(Quantities &q) const
{
    q.Add(QStringLiteral("PhasePower"), QStringLiteral("W"), QStringLiteral("K-50 wattmeter readings of phases A, B, C"),
          PhasePower);
}

void ThreePhaseCircuit::AddMaxCurrentAndOverload(Quantities &q, const QString &largest) const
{
    q.Add(QStringLiteral("MaxPhaseCurrent"), QStringLiteral("A"), QStringLiteral("largest %1").arg(largest),
          MaxPhaseCurrent);
    q.Add(QStringLiteral("OverloadFlag"), QString(), QStringLiteral("1 while a %1 exceeds 5 A").arg(largest),
          int(Protection.OverloadFlag));
}

bool ThreePhaseCircuit::ApplyProtection(double now)
{
    if (!Protection.Check(MaxPhaseCurrent, now))
        return false;
    Switch(kSupply) = 0;
    RecalcPending = true;
    return true;
}

} // namespace ohmaris
