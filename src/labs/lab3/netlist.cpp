// SPDX-License-Identifier: GPL-3.0-or-later
// Lab 3 as an ngspice deck: supply, K-50, the coil branch with A1 and the
// capacitor branch with A2 and the switch S.
#include "labs/lab3/netlist.h"

#include "labs/common/singlephase_netlist.h"

namespace ohmaris {

QString Lab3Netlist(const Lab3Model &model)
{
    SpiceDeck deck = SinglePhaseDeck(QStringLiteral("Ohmaris lab 3: single-phase AC, coil in parallel with a capacitor"));
    SinglePhaseSupplyCards(deck, model.SwitchState[SinglePhaseCircuit::kStep],
                           model.SwitchState[SinglePhaseCircuit::kBreaker]);
    deck.Comment(QStringLiteral("Coil branch: A1 and the coil"));
    deck.Card(QStringLiteral("VA1 p a1 0"), QStringLiteral("ammeter A1"));
    VariantCoilCards(deck, model, QStringLiteral("a1"), QStringLiteral("q"), QStringLiteral("0"));
    deck.Comment(QStringLiteral("Capacitor branch: A2, the switch S and C"));
    deck.Card(QStringLiteral("VA2 p a2 0"), QStringLiteral("ammeter A2"));
    deck.Switch(QStringLiteral("S"), model.SwitchState[CoilCapacitorCircuit::kCapacitorSwitch], QStringLiteral("a2"),
                QStringLiteral("s"), QStringLiteral("connects the capacitor"));
    deck.Card(QStringLiteral("C s 0 %1").arg(MicrofaradValue(model.Capacitance)),
              QStringLiteral("C as the box stores it, %1 uF").arg(SpiceNumber(model.Capacitance)));
    SinglePhaseAnalysis(deck);
    deck.Quantity(QStringLiteral("CoilCurrent"), QStringLiteral("mag(i(VA1))"), QStringLiteral("the coil branch (A1)"));
    deck.Quantity(QStringLiteral("CapacitorCurrent"), QStringLiteral("mag(i(VA2))"),
                  QStringLiteral("the capacitor branch (A2)"));
    return deck.Text();
}

} // namespace ohmaris
