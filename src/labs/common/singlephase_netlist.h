// SPDX-License-Identifier: GPL-3.0-or-later
// What the single-phase benches' decks (labs 2 to 4) share: the supply side
// (the regulator AT as a 50 Hz source, the breaker SF, the K-50's current
// coil), the AC analysis and the K-50's three quantities.
#pragma once

#include "calc/spicedeck.h"
#include "labs/common/singlephase.h"

#include <cstdint>

namespace ohmaris {

// Title and the header comments of a single-phase deck.
SpiceDeck SinglePhaseDeck(const QString &title);

// VAT, VSF and VK50: the load starts at node "p" and returns to node 0,
// the supply's neutral N; the K-50 measures node "k" against 0 and the
// current from k into p.
void SinglePhaseSupplyCards(SpiceDeck &deck, std::int16_t step, std::int16_t breaker);

// The coil of the chosen variant (labs 2 and 3) from `from` to `to`: its
// resistance R<v> and inductance L<v>, named as the schematic labels them,
// joined at node `middle`.
void VariantCoilCards(SpiceDeck &deck, const CoilCapacitorCircuit &circuit, const QString &from,
                      const QString &middle, const QString &to);

// The capacitance the box stores (uF) as a card value.
QString MicrofaradValue(float microfarads);

// The options and the analysis at 50 Hz, then SupplyVoltage,
// CircuitCurrent and ActivePower as the K-50 measures them.
void SinglePhaseAnalysis(SpiceDeck &deck);

} // namespace ohmaris
