// SPDX-License-Identifier: GPL-3.0-or-later
// Lab 2 as an ngspice deck: supply, K-50, the coil (V1 across it), the
// capacitor (V2 across it) and its bypass switch S.
#include "labs/lab2/netlist.h"

#include "labs/common/singlephase_netlist.h"

namespace ohmaris {

QString Lab2Netlist(const Lab2Model &model)
{
    SpiceDeck deck = SinglePhaseDeck(QStringLiteral("Ohmaris lab 2: single-phase AC, coil in series with a capacitor"));
    SinglePhaseSupplyCards(deck, model.SwitchState[SinglePhaseCircuit::kStep],
                           model.SwitchState[SinglePhaseCircuit::kBreaker]);
    deck.Comment(QStringLiteral("Load: the coil (V1 across it) in series with C (V2 across it)"));
    VariantCoilCards(deck, model, QStringLiteral("p"), QStringLiteral("q"), QStringLiteral("r"));
    deck.Card(QStringLiteral("C r 0 %1").arg(MicrofaradValue(model.Capacitance)),
              QStringLiteral("C as the box stores it, %1 uF").arg(SpiceNumber(model.Capacitance)));
    deck.Switch(QStringLiteral("S"), model.SwitchState[CoilCapacitorCircuit::kCapacitorSwitch], QStringLiteral("r"),
                QStringLiteral("0"), QStringLiteral("the bypass across C"));
    SinglePhaseAnalysis(deck);
    deck.Quantity(QStringLiteral("CoilVoltage"), QStringLiteral("mag(v(p)-v(r))"),
                  QStringLiteral("across the coil, R and L together (V1)"));
    deck.Quantity(QStringLiteral("CapacitorVoltage"), QStringLiteral("mag(v(r))"),
                  QStringLiteral("across the capacitor (V2)"));
    return deck.Text();
}

} // namespace ohmaris
