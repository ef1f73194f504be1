// SPDX-License-Identifier: GPL-3.0-or-later
// The supply side of the single-phase decks.
#include "labs/common/singlephase_netlist.h"

#include "labs/common/supply.h"

namespace ohmaris {

SpiceDeck SinglePhaseDeck(const QString &title)
{
    SpiceDeck deck(title);
    deck.Comment(QStringLiteral("Node 0 is the supply's neutral N. Phasors are r.m.s. values at 50 Hz."));
    deck.Comment({});
    return deck;
}

void SinglePhaseSupplyCards(SpiceDeck &deck, std::int16_t step, std::int16_t breaker)
{
    const float u = SupplyVoltageFor(step, 1);
    deck.Comment(QStringLiteral("Supply side: the regulator AT, the breaker SF and the K-50"));
    deck.Card(QStringLiteral("VAT at 0 DC 0 AC %1").arg(SpiceNumber(u)),
              QStringLiteral("regulator AT at step %1: %2 V per step, %3 V r.m.s.")
                  .arg(step).arg(kVoltsPerStep).arg(SpiceNumber(u)));
    deck.Switch(QStringLiteral("SF"), breaker, QStringLiteral("at"), QStringLiteral("k"),
                QStringLiteral("the breaker after the regulator"));
    deck.Card(QStringLiteral("VK50 k p 0"),
              QStringLiteral("K-50 current coil; its voltmeter and wattmeter take node k against N"));
}

void VariantCoilCards(SpiceDeck &deck, const CoilCapacitorCircuit &circuit, const QString &from,
                      const QString &middle, const QString &to)
{
    const int v = VariantIndex(circuit.SwitchState[CoilCapacitorCircuit::kVariant]);
    deck.Card(QStringLiteral("R%1 %2 %3 %4").arg(v).arg(from, middle, SpiceNumber(circuit.CoilResistance)),
              QStringLiteral("winding resistance of the coil of variant %1, %2 ohm (hidden on the bench)")
                  .arg(v).arg(SpiceNumber(circuit.CoilResistance)));
    deck.Card(QStringLiteral("L%1 %2 %3 %4").arg(v).arg(middle, to, SpiceNumber(circuit.CoilInductance)),
              QStringLiteral("inductance of the coil of variant %1, %2 H (hidden on the bench)")
                  .arg(v).arg(SpiceNumber(circuit.CoilInductance)));
}

QString MicrofaradValue(float microfarads)
{
    return SpiceNumber(microfarads) + QLatin1Char('u');
}

void SinglePhaseAnalysis(SpiceDeck &deck)
{
    deck.Comment({});
    deck.Card(QStringLiteral(".options noopac rshunt=1e12"),
              QStringLiteral("a linear circuit needs no operating point; 1 Tohm from every node to N keeps "
                             "the part an open switch cuts off defined"));
    deck.Command(QStringLiteral("ac lin 1 50 50"), QStringLiteral("AC analysis at 50 Hz"));
    deck.Quantity(QStringLiteral("SupplyVoltage"), QStringLiteral("mag(v(k))"),
                  QStringLiteral("U after the breaker (the K-50 voltmeter)"));
    deck.Quantity(QStringLiteral("CircuitCurrent"), QStringLiteral("mag(i(VK50))"),
                  QStringLiteral("the current drawn from the supply (the K-50 ammeter)"));
    deck.Quantity(QStringLiteral("ActivePower"), ActivePowerExpression(QStringLiteral("v(k)"), QStringLiteral("i(VK50)")),
                  QStringLiteral("the active power Re(U conj I) (the K-50 wattmeter)"));
}

} // namespace ohmaris
