// SPDX-License-Identifier: GPL-3.0-or-later
// Lab 8 as an ngspice deck. The sources E1..E4 are in series, E4 at the
// return and E1 next to R1; each gets its own AC analysis at its own
// frequency with the others at 0 V, and the control section adds the four
// responses in time at the model's 101 sample instants (superposition: the
// circuit is linear). Amplitudes are peak values. Besides the calculator's
// quantities the deck prints the waveforms' effective values over a whole
// period, VoltageRmsExact and CurrentRmsExact, which the 101 samples
// approximate.
#include "labs/lab8/netlist.h"

#include "calc/phasor.h"
#include "calc/spicedeck.h"

#include <numbers>

namespace ohmaris {

namespace {

using M = Lab8Model;

// Samples over one period for the exact effective values: more than twice
// the highest multiple (1000), so the mean of every product of two
// harmonics over them is exact.
constexpr int kFineSamples = 4096;

QString SourceName(int k)
{
    return QStringLiteral("VE%1").arg(k + 1);
}

} // namespace

QString Lab8Netlist(const Lab8Model &model)
{
    const auto &ev = model.ElementValues;
    const auto &sw = model.SwitchState;
    SpiceDeck deck(QStringLiteral("Ohmaris lab 8: non-sinusoidal supply, four harmonic sources and a filter"));
    deck.Comment(QStringLiteral("Node 0 is the return wire. Amplitudes are peak values; each source is solved at its"));
    deck.Comment(QStringLiteral("own frequency and the responses are added in time (the circuit is linear)."));
    deck.Comment(QStringLiteral("Frequencies are the model's: its 50 Hz angular frequency is 314.15927 rad/s, a 32-bit"));
    deck.Comment(QStringLiteral("float, and a component runs at a whole multiple of that."));
    deck.Comment({});

    deck.Comment(QStringLiteral("Sources in series, from the return wire up to R1; a source switched off is 0 V, a wire"));
    const auto lower = [](int k) { return k == M::kSources - 1 ? QStringLiteral("0") : QStringLiteral("e%1").arg(k + 1); };
    for (int k = M::kSources - 1; k >= 0; --k) {
        const SourceHarmonic h = model.GetSourceHarmonic(k);
        const float phase = model.SourceParams[M::kPhase][std::size_t(k)];
        const QString multiple = k == 0 ? QStringLiteral("50 Hz")
                                        : QStringLiteral("%1 x 50 Hz")
                                              .arg(SpiceNumber(model.SourceParams[M::kMultiple][std::size_t(k)]));
        deck.Card(QStringLiteral("%1 e%2 %3 DC 0 AC %4 %5")
                      .arg(SourceName(k)).arg(k).arg(lower(k), SpiceNumber(float(h.Amplitude)), SpiceNumber(phase)),
                  model.SourceOn[std::size_t(k)] != 0
                      ? QStringLiteral("E%1 on: %2 V peak at %3, initial phase %4 degrees")
                            .arg(k + 1).arg(SpiceNumber(float(h.Amplitude)), multiple, SpiceNumber(phase))
                      : QStringLiteral("E%1 off").arg(k + 1));
    }
    deck.Card(QStringLiteral("R1 e0 a %1").arg(SpiceNumber(ev[M::kR1])),
              QStringLiteral("R1 as stored, %1 ohm").arg(SpiceNumber(ev[M::kR1])));

    deck.Comment(QStringLiteral("Filter: C1 by S1 at node a; L (bypassed by S2) and R (bypassed by S3) from a to b;"));
    deck.Comment(QStringLiteral("C2 by S4 at node b"));
    deck.Switch(QStringLiteral("S1"), sw[M::kS1], QStringLiteral("a"), QStringLiteral("c1"), QStringLiteral("connects C1"));
    deck.Card(QStringLiteral("C1 c1 0 %1u").arg(SpiceNumber(ev[M::kC1])),
              QStringLiteral("C1 as stored, %1 uF").arg(SpiceNumber(ev[M::kC1])));
    deck.Card(QStringLiteral("L a m %1m").arg(SpiceNumber(ev[M::kL])),
              QStringLiteral("L as stored, %1 mH").arg(SpiceNumber(ev[M::kL])));
    deck.Switch(QStringLiteral("S2"), sw[M::kS2], QStringLiteral("a"), QStringLiteral("m"), QStringLiteral("bypass of L"));
    const float ra = float(double(ev[M::kR]) + 0.00001);
    deck.Card(QStringLiteral("R m b %1").arg(SpiceNumber(ra)),
              QStringLiteral("R as stored and the model's 0.00001 ohm, %1 ohm").arg(SpiceNumber(ra)));
    deck.Switch(QStringLiteral("S3"), sw[M::kS3], QStringLiteral("m"), QStringLiteral("b"), QStringLiteral("bypass of R"));
    deck.Switch(QStringLiteral("S4"), sw[M::kS4], QStringLiteral("b"), QStringLiteral("c2"), QStringLiteral("connects C2"));
    deck.Card(QStringLiteral("C2 c2 0 %1u").arg(SpiceNumber(ev[M::kC2])),
              QStringLiteral("C2 as stored, %1 uF").arg(SpiceNumber(ev[M::kC2])));

    deck.Comment(QStringLiteral("Load: the milliammeter from b to node d, where V1 and the oscilloscope's V2 take the"));
    deck.Comment(QStringLiteral("voltage, then S5 and R2"));
    deck.Card(QStringLiteral("VmA b d 0"), QStringLiteral("the milliammeter"));
    deck.Switch(QStringLiteral("S5"), sw[M::kS5], QStringLiteral("d"), QStringLiteral("l"), QStringLiteral("connects R2"));
    deck.Card(QStringLiteral("R2 l 0 %1").arg(SpiceNumber(ev[M::kR2])),
              QStringLiteral("R2 as stored, %1 ohm").arg(SpiceNumber(ev[M::kR2])));
    if (sw[M::kS5] == 0)
        deck.Card(QStringLiteral("Ropen d 0 250k"),
                  QStringLiteral("not on the schematic: the model takes the open load as 250 kohm"));

    deck.Comment({});
    deck.Card(QStringLiteral(".options noopac rshunt=1e12"),
              QStringLiteral("a linear circuit needs no operating point; 1 Tohm from every node to the return "
                             "keeps the part an open switch cuts off defined"));

    const double period = 2.0 * std::numbers::pi / double(kOmega);
    deck.Command(QStringLiteral("let t = vector(%1)*%2").arg(M::kSamples).arg(SpiceNumber(M::kSampleStep)),
                 QStringLiteral("the model's sample instants t = 0, 0.2, ..., 20 ms"));
    deck.Command(QStringLiteral("let VoltageWave = t*0"), QStringLiteral("load voltage samples, summed over the sources"));
    deck.Command(QStringLiteral("let current = t*0"), QStringLiteral("load current samples, summed over the sources"));
    deck.Command(QStringLiteral("let tf = vector(%1)*%2").arg(kFineSamples).arg(SpiceNumber(period / kFineSamples)),
                 QStringLiteral("%1 instants over one period of the fundamental, for the exact effective values")
                     .arg(kFineSamples));
    deck.Command(QStringLiteral("let ufine = tf*0"), QStringLiteral("the load voltage at those instants"));
    deck.Command(QStringLiteral("let ifine = tf*0"), QStringLiteral("the load current at those instants"));
    for (int k = 0; k < M::kSources; ++k) {
        if (model.SourceOn[std::size_t(k)] == 0)
            continue;
        const SourceHarmonic h = model.GetSourceHarmonic(k);
        const double w = double(h.Omega);
        const QString wt = SpiceNumber(w);
        for (int other = 0; other < M::kSources; ++other)
            deck.Command(QStringLiteral("alter %1 acmag = %2")
                             .arg(SourceName(other), other == k ? SpiceNumber(float(h.Amplitude)) : QStringLiteral("0")),
                         other == k ? QStringLiteral("E%1 alone: at its amplitude").arg(k + 1)
                                    : QStringLiteral("E%1 at 0 V while E%2 acts").arg(other + 1).arg(k + 1));
        deck.Command(QStringLiteral("ac lin 1 %1 %1").arg(SpiceNumber(w / (2.0 * std::numbers::pi))),
                     QStringLiteral("at its frequency, %1 rad/s").arg(wt));
        const auto add = [&](const QString &sum, const QString &time, const QString &phasor, const QString &what) {
            deck.Command(QStringLiteral("let const.%1 = const.%1 + mag(%3)*sin(%2*const.%4 + ph(%3))")
                             .arg(sum, wt, phasor, time),
                         QStringLiteral("E%1's part of %2: its phasor as a sine").arg(k + 1).arg(what));
        };
        add(QStringLiteral("VoltageWave"), QStringLiteral("t"), QStringLiteral("v(d)"), QStringLiteral("the voltage samples"));
        add(QStringLiteral("current"), QStringLiteral("t"), QStringLiteral("i(VmA)"), QStringLiteral("the current samples"));
        add(QStringLiteral("ufine"), QStringLiteral("tf"), QStringLiteral("v(d)"), QStringLiteral("the voltage over a period"));
        add(QStringLiteral("ifine"), QStringLiteral("tf"), QStringLiteral("i(VmA)"), QStringLiteral("the current over a period"));
    }
    deck.Command(QStringLiteral("setplot const"), QStringLiteral("back to the sums"));
    deck.VectorQuantity(QStringLiteral("VoltageWave"), M::kSamples, QStringLiteral("VoltageWave"),
                        QStringLiteral("the 101 load voltage samples (V1, the oscilloscope)"));
    deck.Quantity(QStringLiteral("VoltageRms"), QStringLiteral("sqrt(mean(VoltageWave*VoltageWave))"),
                  QStringLiteral("effective value of the 101 samples, as the digital voltmeter shows it"));
    deck.Quantity(QStringLiteral("CurrentRms"), QStringLiteral("sqrt(mean(current*current))"),
                  QStringLiteral("effective value of the 101 current samples (the milliammeter, in A)"));
    deck.Quantity(QStringLiteral("VoltageRmsExact"), QStringLiteral("sqrt(mean(ufine*ufine))"),
                  QStringLiteral("effective value of the load voltage over a whole period"));
    deck.Quantity(QStringLiteral("CurrentRmsExact"), QStringLiteral("sqrt(mean(ifine*ifine))"),
                  QStringLiteral("effective value of the load current over a whole period"));
    return deck.Text();
}

} // namespace ohmaris
