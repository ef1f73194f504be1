// SPDX-License-Identifier: GPL-3.0-or-later
// The supply side and the load branches of the three-phase decks.
#include "labs/common/threephase_netlist.h"

#include <numbers>

namespace ohmaris {

namespace {

// The frequency of the decks; the models work with reactances, so an
// element's L and C follow from it exactly.
constexpr double kFrequency = 50.0;
constexpr double kAngular = 2.0 * std::numbers::pi * kFrequency;

} // namespace

SpiceDeck ThreePhaseDeck(const QString &title)
{
    SpiceDeck deck(title);
    deck.Comment(QStringLiteral("Node 0 is the supply's star point N. Phasors are r.m.s. values at 50 Hz."));
    deck.Comment({});
    return deck;
}

void ThreePhaseSupplyCards(SpiceDeck &deck, float lineVoltage, std::int16_t supplySwitch)
{
    const float phase = SourcePhaseVoltage(lineVoltage, 1);
    const int angles[3] = {0, -120, 120};
    deck.Comment(QStringLiteral("Supply: three phases in star, %1 V between lines, %2 V per phase")
                     .arg(SpiceNumber(lineVoltage), SpiceNumber(phase)));
    for (int k = 1; k <= 3; ++k)
        deck.Card(QStringLiteral("VL%1 s%1 0 DC 0 AC %2 %3").arg(k).arg(SpiceNumber(phase)).arg(angles[k - 1]),
                  QStringLiteral("phase L%1 of the supply, at %2 degrees").arg(k).arg(angles[k - 1]));
    for (int k = 1; k <= 3; ++k)
        deck.Switch(QStringLiteral("SF%1").arg(k), supplySwitch, QStringLiteral("s%1").arg(k),
                    QStringLiteral("k%1").arg(k), QStringLiteral("blade %1 of the breaker SF, the switch S0").arg(k));
    const char *const phases = "ABC";
    for (int k = 1; k <= 3; ++k)
        deck.Card(QStringLiteral("VK50%1 k%2 m%2 0").arg(QLatin1Char(phases[k - 1])).arg(k),
                  QStringLiteral("K-50 current coil in line L%1 (phase %2); its voltage coil takes node k%1 "
                                 "against N")
                      .arg(k).arg(QLatin1Char(phases[k - 1])));
}

void LoadBranchCards(SpiceDeck &deck, int k, const ElementArray &elements, const QString &from, const QString &to)
{
    const float r = elements[std::size_t(3 * (k - 1))];
    const float xl = elements[std::size_t(3 * (k - 1) + 1)];
    const float xc = elements[std::size_t(3 * (k - 1) + 2)];
    const QString x = QStringLiteral("x%1").arg(k), y = QStringLiteral("y%1").arg(k);
    deck.Card(QStringLiteral("R%1 %2 %3 %4").arg(k).arg(from, x, SpiceNumber(r)),
              QStringLiteral("R%1 as the box stores it, %2 ohm").arg(k).arg(SpiceNumber(r)));
    deck.Card(QStringLiteral("LXL%1 %2 %3 %4").arg(k).arg(x, y, SpiceNumber(double(xl) / kAngular)),
              QStringLiteral("X_L%1 = %2 ohm at 50 Hz").arg(k).arg(SpiceNumber(xl)));
    deck.Card(QStringLiteral("CXC%1 %2 %3 %4").arg(k).arg(y, to, SpiceNumber(1.0 / (kAngular * double(xc)))),
              QStringLiteral("X_C%1 = %2 ohm at 50 Hz").arg(k).arg(SpiceNumber(xc)));
}

void ThreePhaseAnalysis(SpiceDeck &deck, const QString &currentName)
{
    deck.Comment({});
    deck.Card(QStringLiteral(".options noopac rshunt=1e12"),
              QStringLiteral("a linear circuit needs no operating point; 1 Tohm from every node to N keeps "
                             "the part an open switch cuts off defined"));
    deck.Command(QStringLiteral("ac lin 1 50 50"), QStringLiteral("AC analysis at 50 Hz"));
    deck.Quantity(QStringLiteral("PhaseVoltage"),
                  QStringList{QStringLiteral("mag(v(k1))"), QStringLiteral("mag(v(k2))"), QStringLiteral("mag(v(k3))")},
                  QStringLiteral("the supply's phase voltages at the K-50 (its voltmeter)"));
    deck.Quantity(currentName,
                  QStringList{QStringLiteral("mag(i(VK50A))"), QStringLiteral("mag(i(VK50B))"),
                              QStringLiteral("mag(i(VK50C))")},
                  QStringLiteral("the line currents A, B, C (the K-50 ammeter)"));
    QStringList powers;
    for (int k = 1; k <= 3; ++k)
        powers << ActivePowerExpression(QStringLiteral("v(k%1)").arg(k),
                                        QStringLiteral("i(VK50%1)").arg(QLatin1Char("ABC"[k - 1])));
    deck.Quantity(QStringLiteral("PhasePower"), powers,
                  QStringLiteral("Re(U conj I) of each phase against N (the K-50 wattmeter)"));
}

} // namespace ohmaris
