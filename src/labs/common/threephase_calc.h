// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator's side of the three-phase labs: the line voltage and the
// nine element boxes as inputs with the bench's defaults, read through the
// boxes' entry rules, and the switches S0, S1, ... as 0 or 1.
#pragma once

#include "calc/labcalc.h"
#include "labs/common/threephase.h"

#include <QMap>
#include <QString>
#include <array>

namespace ohmaris {

// Any non-zero time serves: the calculator computes once and never waits
// for the delayed trip.
inline constexpr double kThreePhaseCalcTime = 1.0;

// Adds U and, for each of the three load groups (such as "A" or "AB"), its
// R, X_L and X_C as R<group>, XL<group>, XC<group>, with the circuit's
// defaults; `groupWord` names a group in the help ("phase", "branch").
void AddThreePhaseInputs(LabCalc &lab, const ElementArray &defaults, const std::array<QString, 3> &groups,
                         const QString &groupWord);

// Reads U, the nine elements and then the circuit's switches from the
// inputs in that order (the lab lists its switches right after the
// elements) into the circuit and the result's inputs. Returns an empty
// string, or one line naming the problem.
QString ReadThreePhaseInputs(const LabCalc &lab, const QMap<QString, QString> &args, ThreePhaseCircuit &circuit,
                             CalcResult &result);

// The same inputs as a circuit holds them, for the calculator to read back.
std::vector<CalcSetting> ThreePhaseSettings(const LabCalc &lab, const ThreePhaseCircuit &circuit);

} // namespace ohmaris
