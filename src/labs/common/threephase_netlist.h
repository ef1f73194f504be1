// SPDX-License-Identifier: GPL-3.0-or-later
// What the three-phase decks (labs 5 and 6) share: the star-connected
// supply with its phases at 0, -120 and +120 degrees, the breaker SF, the
// K-50's current coils in the three lines, an R-X_L-X_C branch, the AC
// analysis and the K-50's quantities.
#pragma once

#include "calc/spicedeck.h"
#include "labs/common/threephase.h"

#include <cstdint>

namespace ohmaris {

// Title and the header comments of a three-phase deck.
SpiceDeck ThreePhaseDeck(const QString &title);

// VL1..VL3 (the supply's phases, star point N = node 0), the breaker SF and
// the K-50 current coils VK50A..VK50C: the lines leave the K-50 at nodes
// m1, m2 and m3; the K-50 measures nodes k1, k2, k3 against N.
void ThreePhaseSupplyCards(SpiceDeck &deck, float lineVoltage, std::int16_t supplySwitch);

// A series R-X_L-X_C branch from `from` to `to` named R<k>, LXL<k> and
// CXC<k> as the schematic labels R, X_L and X_C of branch k (1..3): the
// reactances become an inductance and a capacitance at 50 Hz.
void LoadBranchCards(SpiceDeck &deck, int k, const ElementArray &elements, const QString &from, const QString &to);

// The options, the analysis at 50 Hz and the K-50's quantities:
// PhaseVoltage, the line currents under `currentName` and PhasePower.
void ThreePhaseAnalysis(SpiceDeck &deck, const QString &currentName);

} // namespace ohmaris
