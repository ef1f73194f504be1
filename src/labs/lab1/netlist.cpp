// SPDX-License-Identifier: GPL-3.0-or-later
// Lab 1 as an ngspice deck. Nodes a, b, c and d are the schematic's; d is
// SPICE's ground 0. Each source path runs from d up to its switch, the
// branches along the top rail carry the ammeters in their reading
// direction, so i(VA1), i(VA2) and i(VA3) are I1, I2 and I3 with their signs.
#include "labs/lab1/netlist.h"

#include "calc/spicedeck.h"

namespace ohmaris {

namespace {

QString Ohm(float value, const QString &what)
{
    return QStringLiteral("%1 = %2 ohm").arg(what, SpiceNumber(value));
}

} // namespace

QString Lab1Netlist(const Lab1Model &model)
{
    const auto &ev = model.ElementValues;
    const auto &sw = model.SwitchState;
    const Lab1Resistances r = model.Resistances();

    SpiceDeck deck(QStringLiteral("Ohmaris lab 1: linear DC circuit with two sources"));
    deck.Comment(QStringLiteral("Node 0 is node d (the bottom rail); a, b and c are the schematic's nodes."));
    deck.Comment(QStringLiteral("Resistances carry the small constants the model adds to every entry."));
    deck.Comment({});

    deck.Comment(QStringLiteral("Branch 1, path of S1: R01 alone, source 1 replaced by its internal resistance"));
    deck.Card(QStringLiteral("R01_S1 0 p1 %1").arg(SpiceNumber(r.r1)), Ohm(r.r1, QStringLiteral("R01 + 0.001")));
    deck.Switch(QStringLiteral("S1"), sw[0], QStringLiteral("p1"), QStringLiteral("a"), QStringLiteral("R01 alone to node a"));
    deck.Comment(QStringLiteral("Branch 1, path of S2: source 1, E1 behind its internal resistance"));
    deck.Card(QStringLiteral("R01_S2 0 e1n %1").arg(SpiceNumber(r.r1)), Ohm(r.r1, QStringLiteral("R01 + 0.001")));
    deck.Card(QStringLiteral("VE1 e1p e1n DC %1").arg(SpiceNumber(ev[0])),
              QStringLiteral("E1 = %1 V, its arrow points up to S2").arg(SpiceNumber(ev[0])));
    deck.Switch(QStringLiteral("S2"), sw[1], QStringLiteral("e1p"), QStringLiteral("a"), QStringLiteral("source 1 to node a"));

    deck.Comment(QStringLiteral("Top rail: A1 and R1 from a to b, R2 and A2 from c to b"));
    deck.Card(QStringLiteral("VA1 a p2 0"), QStringLiteral("ammeter A1, + on node a: reads I1 from a to b"));
    deck.Card(QStringLiteral("R1 p2 b %1").arg(SpiceNumber(r.R1p)), Ohm(r.R1p, QStringLiteral("R1 + 0.01")));
    deck.Card(QStringLiteral("VA2 c p3 0"), QStringLiteral("ammeter A2, + on node c: reads I2 from c to b"));
    deck.Card(QStringLiteral("R2 p3 b %1").arg(SpiceNumber(r.R2p)), Ohm(r.R2p, QStringLiteral("R2 + 0.02")));

    deck.Comment(QStringLiteral("Branch 3: S3, A3 and R3 from b down to d"));
    deck.Switch(QStringLiteral("S3"), sw[2], QStringLiteral("b"), QStringLiteral("p4"), QStringLiteral("branch 3 to node b"));
    deck.Card(QStringLiteral("VA3 p4 p5 0"), QStringLiteral("ammeter A3, + on top: reads I3 from b to d"));
    deck.Card(QStringLiteral("R3 p5 0 %1").arg(SpiceNumber(r.R3p)), Ohm(r.R3p, QStringLiteral("R3 + 0.05")));

    deck.Comment(QStringLiteral("Branch 2, path of S4: source 2, E2 behind its internal resistance"));
    deck.Card(QStringLiteral("R02_S4 0 e2n %1").arg(SpiceNumber(r.r2)), Ohm(r.r2, QStringLiteral("R02 + 0.0015")));
    deck.Card(QStringLiteral("VE2 e2p e2n DC %1").arg(SpiceNumber(ev[2])),
              QStringLiteral("E2 = %1 V, its arrow points up to S4").arg(SpiceNumber(ev[2])));
    deck.Switch(QStringLiteral("S4"), sw[3], QStringLiteral("e2p"), QStringLiteral("c"), QStringLiteral("source 2 to node c"));
    deck.Comment(QStringLiteral("Branch 2, path of S5: R02 alone, source 2 replaced by its internal resistance"));
    deck.Card(QStringLiteral("R02_S5 0 p6 %1").arg(SpiceNumber(r.r2)), Ohm(r.r2, QStringLiteral("R02 + 0.0015")));
    deck.Switch(QStringLiteral("S5"), sw[4], QStringLiteral("p6"), QStringLiteral("c"), QStringLiteral("R02 alone to node c"));

    deck.Comment({});
    deck.Card(QStringLiteral(".options rshunt=1e12"),
              QStringLiteral("1 Tohm from every node to d, so a part the open switches cut off stays defined"));

    deck.Command(QStringLiteral("op"), QStringLiteral("DC operating point"));
    deck.Quantity(QStringLiteral("NodeVoltage"), QStringLiteral("v(b)"), QStringLiteral("U, node b against node d"));
    deck.Quantity(QStringLiteral("BranchCurrent"),
                  QStringList{QStringLiteral("i(VA1)"), QStringLiteral("i(VA2)"), QStringLiteral("i(VA3)")},
                  QStringLiteral("I1 (a to b), I2 (c to b), I3 (b to d): the ammeters A1, A2, A3"));
    deck.Quantity(QStringLiteral("VoltmeterTarget"),
                  QStringList{QStringLiteral("v(a)-v(b)"), QStringLiteral("v(a)"), QStringLiteral("v(b)"),
                              QStringLiteral("v(c)-v(b)"), QStringLiteral("v(c)")},
                  QStringLiteral("the voltages the selector of V picks: ab, ad, bd, cb, cd"));
    return deck.Text();
}

} // namespace ohmaris
