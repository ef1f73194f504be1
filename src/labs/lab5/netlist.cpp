// SPDX-License-Identifier: GPL-3.0-or-later
// Lab 5 as an ngspice deck: supply, K-50, the switches S1..S3 in the lines,
// the three R-X_L-X_C branches to the load's star point o, and the neutral
// wire from o through A1 and S4 back to N. V1 reads o against N.
#include "labs/lab5/netlist.h"

#include "labs/common/threephase_netlist.h"

namespace ohmaris {

QString Lab5Netlist(const Lab5Model &model)
{
    const auto &sw = model.SwitchState;
    SpiceDeck deck = ThreePhaseDeck(QStringLiteral("Ohmaris lab 5: three-phase star load with and without neutral wire"));
    ThreePhaseSupplyCards(deck, model.LineVoltage, sw[int(Lab5Switch::Supply)]);
    const char *const phases = "ABC";
    for (int k = 1; k <= 3; ++k) {
        const QChar phase = QLatin1Char(phases[k - 1]);
        deck.Comment(QStringLiteral("Phase %1: S%2 in line L%2, then the branch to the star point o").arg(phase).arg(k));
        deck.Switch(QStringLiteral("S%1").arg(k), sw[std::size_t(k)], QStringLiteral("m%1").arg(k),
                    QStringLiteral("b%1").arg(k), QStringLiteral("the branch of phase %1").arg(phase));
        LoadBranchCards(deck, k, model.ElementValues, QStringLiteral("b%1").arg(k), QStringLiteral("o"));
    }
    deck.Comment(QStringLiteral("Neutral wire: from the star point o through A1 and S4 to N"));
    deck.Card(QStringLiteral("VA1 o n 0"), QStringLiteral("ammeter A1 in the neutral wire"));
    deck.Switch(QStringLiteral("S4"), sw[int(Lab5Switch::Neutral)], QStringLiteral("n"), QStringLiteral("0"),
                QStringLiteral("the neutral wire"));

    ThreePhaseAnalysis(deck, QStringLiteral("PhaseCurrent"));
    deck.Quantity(QStringLiteral("NeutralCurrent"), QStringLiteral("mag(i(VA1))"),
                  QStringLiteral("the neutral-wire current (A1)"));
    deck.Quantity(QStringLiteral("NeutralVoltage"), QStringLiteral("mag(v(o))"),
                  QStringLiteral("the star point o against N (V1)"));
    deck.Quantity(QStringLiteral("MaxPhaseCurrent"), QStringLiteral("vecmax(PhaseCurrent)"),
                  QStringLiteral("the largest phase current, which the protection watches"));
    return deck.Text();
}

} // namespace ohmaris
