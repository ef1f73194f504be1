// SPDX-License-Identifier: GPL-3.0-or-later
// Lab 4 as an ngspice deck. Each branch runs left to right as the schematic
// draws it: switch, ammeter, coil (with its winding resistance), external
// resistor. Coil 1's winding starts at its left end, coil 2's at its right
// end (the dots on the schematic); a SPICE inductor's first node is the start
// of its winding, so the coupling K12 is positive and the joining wires alone
// decide whether the mutual voltage adds or subtracts, as on the bench.
#include "labs/lab4/netlist.h"

#include "labs/common/singlephase_netlist.h"

#include <cmath>

namespace ohmaris {

namespace {

struct Joining {
    QString end1;   // branch 1's right end
    QString start2; // branch 2's left end
    QString end2;   // branch 2's right end
    QString text;
};

// The nodes the joining wires of each position connect. Node p is the top
// rail after the K-50, node 0 the bottom rail.
Joining JoiningOf(int connection)
{
    switch (connection) {
    case 1:
        return {QStringLiteral("j"), QStringLiteral("0"), QStringLiteral("j"),
                QStringLiteral("position 1, in series: branch 1's right end on branch 2's right end, branch 2's "
                               "left end to the bottom rail; both currents enter their coils at the dots, M adds")};
    case 2:
        return {QStringLiteral("j"), QStringLiteral("j"), QStringLiteral("0"),
                QStringLiteral("position 2, in series: branch 1's right end on branch 2's left end, branch 2's "
                               "right end to the bottom rail; coil 2's current leaves at its dot, M subtracts")};
    case 3:
        return {QStringLiteral("0"), QStringLiteral("p"), QStringLiteral("0"),
                QStringLiteral("position 3, in parallel: both left ends on the top rail, both right ends on the "
                               "bottom rail; coil 2's current leaves at its dot, the coils oppose")};
    default:
        return {QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("p"),
                QStringLiteral("position 4, in parallel: branch 2 turned round, its right end on the top rail; "
                               "both currents enter at the dots, the coils aid")};
    }
}

} // namespace

QString Lab4Netlist(const Lab4Model &model)
{
    const QString coil1 = QStringLiteral("L1%1").arg(VariantIndex(model.VariantSelect[0]));
    const QString coil2 = QStringLiteral("L2%1").arg(VariantIndex(model.VariantSelect[1]));
    const Joining j = JoiningOf(model.Connection);

    SpiceDeck deck = SinglePhaseDeck(QStringLiteral("Ohmaris lab 4: single-phase AC, magnetically coupled coils"));
    SinglePhaseSupplyCards(deck, model.SwitchState[SinglePhaseCircuit::kStep],
                           model.SwitchState[SinglePhaseCircuit::kBreaker]);
    deck.Comment(QStringLiteral("Joining wires of the connection switch at %1").arg(j.text));

    const auto branch = [&](int n, const QString &coil, double inductance, float winding, float external,
                            const QString &start, const QString &end, bool dotOnRight) {
        deck.Comment(QStringLiteral("Branch %1, left to right: S%1, A%1, coil %2 (winding starts at its %3 end), R%1")
                         .arg(n).arg(coil, dotOnRight ? QStringLiteral("right") : QStringLiteral("left")));
        deck.Switch(QStringLiteral("S%1").arg(n), model.SwitchState[std::size_t(n)], start,
                    QStringLiteral("a%1").arg(n), QStringLiteral("branch %1").arg(n));
        deck.Card(QStringLiteral("VA%1 a%1 m%1 0").arg(n), QStringLiteral("ammeter A%1").arg(n));
        const QString left = QStringLiteral("m%1").arg(n), right = QStringLiteral("w%1").arg(n);
        deck.Card(QStringLiteral("%1 %2 %3 %4").arg(coil, dotOnRight ? right : left, dotOnRight ? left : right,
                                                   SpiceNumber(inductance)),
                  QStringLiteral("coil %1, %2 H, first node at the start of its winding")
                      .arg(coil, SpiceNumber(inductance)));
        deck.Card(QStringLiteral("R%1 %2 r%3 %4").arg(coil, right).arg(n).arg(SpiceNumber(winding)),
                  QStringLiteral("winding resistance of %1, %2 ohm (inside the coil, hidden on the bench)")
                      .arg(coil, SpiceNumber(winding)));
        deck.Card(QStringLiteral("R%1 r%1 %2 %3").arg(n).arg(end, SpiceNumber(external)),
                  QStringLiteral("R%1 as entered, %2 ohm").arg(n).arg(SpiceNumber(external)));
    };
    branch(1, coil1, model.Inductance[0], model.WindingResistance[0], model.ExternalResistance[0],
           QStringLiteral("p"), j.end1, false);
    branch(2, coil2, model.Inductance[1], model.WindingResistance[1], model.ExternalResistance[1], j.start2, j.end2,
           true);
    deck.Card(QStringLiteral("K12 %1 %2 %3").arg(coil1, coil2, SpiceNumber(model.Coupling)),
              QStringLiteral("coupling k = %1 of the two selectors, M12 = k sqrt(L1 L2) = %2 H")
                  .arg(SpiceNumber(model.Coupling), SpiceNumber(std::abs(model.MutualInductance))));

    SinglePhaseAnalysis(deck);
    deck.Quantity(QStringLiteral("BranchCurrent"),
                  QStringList{QStringLiteral("mag(i(VA1))"), QStringLiteral("mag(i(VA2))")},
                  QStringLiteral("currents of branches 1 and 2 (A1, A2)"));
    return deck.Text();
}

} // namespace ohmaris
