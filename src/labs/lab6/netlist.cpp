// SPDX-License-Identifier: GPL-3.0-or-later
// Lab 6 as an ngspice deck: supply, K-50, the switches S1..S3 in the lines
// to the load's corners A, B, C, and the three delta branches AB, BC, CA,
// each leaving its first corner through its switch and its ammeter.
#include "labs/lab6/netlist.h"

#include "labs/common/threephase_netlist.h"

namespace ohmaris {

QString Lab6Netlist(const Lab6Model &model)
{
    const auto &sw = model.SwitchState;
    SpiceDeck deck = ThreePhaseDeck(QStringLiteral("Ohmaris lab 6: three-phase delta load with line and branch switches"));
    ThreePhaseSupplyCards(deck, model.LineVoltage, sw[int(Lab6Switch::Supply)]);
    deck.Comment(QStringLiteral("Line wires: S1, S2, S3 to the corners A, B, C of the delta"));
    const QString corners[3] = {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")};
    for (int k = 1; k <= 3; ++k)
        deck.Switch(QStringLiteral("S%1").arg(k), sw[std::size_t(k)], QStringLiteral("m%1").arg(k), corners[k - 1],
                    QStringLiteral("line wire %1").arg(corners[k - 1]));
    for (int k = 1; k <= 3; ++k) {
        const QString &from = corners[k - 1];
        const QString &to = corners[k % 3];
        deck.Comment(QStringLiteral("Branch %1%2: S%3, A%4, R%4, X_L%4, X_C%4").arg(from, to).arg(k + 3).arg(k));
        deck.Switch(QStringLiteral("S%1").arg(k + 3), sw[std::size_t(k + 3)], from, QStringLiteral("d%1").arg(k),
                    QStringLiteral("branch %1%2").arg(from, to));
        deck.Card(QStringLiteral("VA%1 d%1 e%1 0").arg(k), QStringLiteral("ammeter A%1 in branch %2%3").arg(k).arg(from, to));
        LoadBranchCards(deck, k, model.ElementValues, QStringLiteral("e%1").arg(k), to);
    }

    ThreePhaseAnalysis(deck, QStringLiteral("LineCurrent"));
    deck.Quantity(QStringLiteral("BranchCurrent"),
                  QStringList{QStringLiteral("mag(i(VA1))"), QStringLiteral("mag(i(VA2))"), QStringLiteral("mag(i(VA3))")},
                  QStringLiteral("the branch currents AB, BC, CA (A1, A2, A3)"));
    deck.Command(QStringLiteral("let currents = vector(6)"),
                 QStringLiteral("all six currents, for the largest (not printed)"));
    for (int k = 0; k < 3; ++k) {
        deck.Command(QStringLiteral("let currents[%1] = BranchCurrent[%1]").arg(k), {});
        deck.Command(QStringLiteral("let currents[%1] = LineCurrent[%2]").arg(k + 3).arg(k), {});
    }
    deck.Quantity(QStringLiteral("MaxPhaseCurrent"), QStringLiteral("vecmax(currents)"),
                  QStringLiteral("the largest branch or line current, which the protection watches"));
    return deck.Text();
}

} // namespace ohmaris
