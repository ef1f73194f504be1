// SPDX-License-Identifier: GPL-3.0-or-later
// Lab 7 as an ngspice deck. Node 0 is the bottom rail next to the source;
// every circuit puts the oscilloscope's current input "A" (a 0 V source VA)
// where i flows and reads u where its "V" input sits. A switch is SPICE's
// voltage-controlled switch (1 uohm closed, 1 Tohm open) driven by a
// piecewise-linear control source: each toggle is a 1 ns step that ends at
// the event's instant, so a sample taken at that instant sees the new
// state, as the bench's tick after a click does.
#include "labs/lab7/netlist.h"

#include "calc/spicedeck.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace ohmaris {

namespace {

constexpr double kTimeScale = 0.001;      // circuit seconds per bench second
constexpr double kTick = 0.05 * kTimeScale; // the bench's 50 ms tick, in circuit time
constexpr double kStepWidth = 1e-9;       // a switch's control step
// The simulation starts this long before the bench's time 0, at rest with
// every switch open: a node that only the switches' 1 Tohm hold starts
// where the initial conditions leave it and has settled by time 0.
constexpr double kLead = kTick;

struct CircuitText {
    QString name;
    QString u;        // the voltage expression the oscilloscope's "V" input reads
    QString uText;    // what it is
    QString iText;
};

const CircuitText &TextOf(int circuit)
{
    static const CircuitText texts[3] = {
        {QStringLiteral("circuit 1 \"C\", RC"), QStringLiteral("v(c)"), QStringLiteral("the capacitor voltage"),
         QStringLiteral("the capacitor current")},
        {QStringLiteral("circuit 2 \"L\", RL"), QStringLiteral("v(q)-v(x)"), QStringLiteral("the coil voltage"),
         QStringLiteral("the coil (source) current")},
        {QStringLiteral("circuit 3 \"LC\", RLC"), QStringLiteral("v(x)-v(y)"),
         QStringLiteral("the capacitor voltage"), QStringLiteral("the coil (source) current")},
    };
    return texts[std::clamp(circuit, 1, 3) - 1];
}

// The control source of one switch: 0 V open, 1 V closed, from rest.
QString ControlWave(const std::vector<Lab7SwitchEvent> &events, int index, QString &text)
{
    // Toggles at the same instant cancel.
    std::map<double, int> toggles;
    for (const Lab7SwitchEvent &e : events)
        if (e.index == index)
            toggles[e.t * kTimeScale] ^= 1;
    int state = 0;
    QStringList points{QStringLiteral("0"), QStringLiteral("0")};
    QStringList when;
    double last = 0.0;
    for (const auto &[at, flip] : toggles) {
        if (!flip)
            continue;
        const int next = 1 - state;
        const double t = at + kLead;
        const double start = std::max(t - kStepWidth, (last + t) / 2);
        points << SpiceNumber(start) << QString::number(state) << SpiceNumber(t) << QString::number(next);
        last = t;
        when << QStringLiteral("%1 at %2 ms").arg(next ? QStringLiteral("closed") : QStringLiteral("opened"),
                                                   QString::number(at * 1000.0, 'g', 10));
        state = next;
    }
    text = when.isEmpty() ? QStringLiteral("never switched, open") : when.join(QStringLiteral(", "));
    if (when.isEmpty())
        return QStringLiteral("DC 0");
    return QStringLiteral("PWL(%1)").arg(points.join(QLatin1Char(' ')));
}

// The shortest time constant the circuit can show (circuit seconds). The
// simulation's longest step is a fiftieth of it: SPICE's own step control
// alone leaves errors of some 1e-4 in a decaying tail.
double ShortestTimeConstant(const Lab7Model &model, int circuit)
{
    using M = Lab7Model;
    const double r1 = model.ElementValues[M::kR1], r2 = model.ElementValues[M::kR2];
    const double c = model.ElementValues[M::kC] * 1e-6, l = model.ElementValues[M::kL] * 1e-3;
    switch (circuit) {
    case 2:
        return l / r1;
    case 3:
        return 1.0 / (r1 / l + 1.0 / (r2 * c) + 1.0 / std::sqrt(l * c));
    default:
        return c * r1 * r2 / (r1 + r2);
    }
}

constexpr double kStepsPerTimeConstant = 50.0;

} // namespace

QString Lab7Netlist(const Lab7Model &model, int circuit, const std::vector<Lab7SwitchEvent> &events,
                    const std::vector<double> &sampleTimes)
{
    using M = Lab7Model;
    const auto &ev = model.ElementValues;
    const CircuitText &text = TextOf(circuit);
    const QString E = SpiceNumber(ev[M::kE]), R1 = SpiceNumber(ev[M::kR1]), R2 = SpiceNumber(ev[M::kR2]);
    const QString C = SpiceNumber(ev[M::kC]) + QLatin1Char('u'), L = SpiceNumber(ev[M::kL]) + QLatin1Char('m');

    SpiceDeck deck(QStringLiteral("Ohmaris lab 7: switching transients, %1").arg(text.name));
    deck.Comment(QStringLiteral("Time is circuit time: the bench runs 1000 times slower, so an event at T s on the"));
    deck.Comment(QStringLiteral("bench's clock is at T ms here; the simulation starts at rest 50 us (one tick) earlier."));
    deck.Comment(QStringLiteral("Node 0 is the bottom rail at the source."));
    deck.Comment(QStringLiteral("u is %1, i is %2.").arg(text.uText, text.iText));
    deck.Comment({});
    deck.Card(QStringLiteral("VE e 0 DC %1").arg(E), QStringLiteral("source E, %1 V").arg(E));
    deck.Card(QStringLiteral("S1 e p1 cs1 0 SW"), QStringLiteral("switch S1"));
    const QString r1 = QStringLiteral("R1 as stored, %1 ohm").arg(R1), r2 = QStringLiteral("R2 as stored, %1 ohm").arg(R2);
    const QString c = QStringLiteral("C as stored, %1 uF").arg(SpiceNumber(ev[M::kC]));
    const QString l = QStringLiteral("L as stored, %1 mH").arg(SpiceNumber(ev[M::kL]));
    switch (std::clamp(circuit, 1, 3)) {
    case 1:
        deck.Comment(QStringLiteral("Top rail: A1 and R1 to node x; the middle column: the input \"A\" and C"));
        deck.Card(QStringLiteral("VA1 p1 a 0"), QStringLiteral("ammeter A1: the R1 current"));
        deck.Card(QStringLiteral("R1 a x %1").arg(R1), r1);
        deck.Card(QStringLiteral("VA x c 0"), QStringLiteral("the oscilloscope's input \"A\": the capacitor current i"));
        deck.Card(QStringLiteral("C c 0 %1").arg(C), c + QStringLiteral("; its voltage is u (the input \"V\")"));
        break;
    case 2:
        deck.Comment(QStringLiteral("Top rail: the input \"A\" and L to node x; the middle column: A1 and R1"));
        deck.Card(QStringLiteral("VA p1 q 0"), QStringLiteral("the oscilloscope's input \"A\": the coil current i"));
        deck.Card(QStringLiteral("L q x %1").arg(L), l + QStringLiteral("; its voltage is u (the input \"V\")"));
        deck.Card(QStringLiteral("VA1 x a 0"), QStringLiteral("ammeter A1: the R1 current"));
        deck.Card(QStringLiteral("R1 a 0 %1").arg(R1), r1);
        break;
    default:
        deck.Comment(QStringLiteral("Top rail: the input \"A\" and L to node x; the middle column: A1 and C down to"));
        deck.Comment(QStringLiteral("node y; R1 lies on the bottom rail from y back to the source"));
        deck.Card(QStringLiteral("VA p1 q 0"), QStringLiteral("the oscilloscope's input \"A\": the coil current i"));
        deck.Card(QStringLiteral("L q x %1").arg(L), l);
        deck.Card(QStringLiteral("VA1 x c 0"), QStringLiteral("ammeter A1: the capacitor current"));
        deck.Card(QStringLiteral("C c y %1").arg(C), c + QStringLiteral("; x against y is u (the input \"V\")"));
        deck.Card(QStringLiteral("R1 y 0 %1").arg(R1), r1);
        break;
    }
    const QString bottom = circuit == 3 ? QStringLiteral("y") : QStringLiteral("0");
    deck.Comment(QStringLiteral("Right branch: R2 and A2 from node x down through S2"));
    deck.Card(QStringLiteral("R2 x r %1").arg(R2), r2);
    deck.Card(QStringLiteral("VA2 r s2 0"), QStringLiteral("ammeter A2: the R2 current"));
    deck.Card(QStringLiteral("S2 s2 %1 cs2 0 SW").arg(bottom), QStringLiteral("switch S2"));

    deck.Comment({});
    deck.Comment(QStringLiteral("Not part of the bench: the switches' control sources (1 V closed, 0 V open)"));
    for (int k : {M::kS1, M::kS2}) {
        QString when;
        const QString wave = ControlWave(events, k, when);
        deck.Card(QStringLiteral("VCS%1 cs%1 0 %2").arg(k).arg(wave), QStringLiteral("S%1: %2").arg(k).arg(when));
    }
    deck.Card(QStringLiteral(".model SW sw vt=0.5 vh=0.1 ron=1e-6 roff=1e12"),
              QStringLiteral("the switches: 1 uohm closed, 1 Tohm open, closing above 0.6 V and opening below 0.4 V"));

    // The samples land on the bench's ticks; the simulation stops at each.
    std::vector<long long> ticks;
    long long lastTick = 1;
    for (double t : sampleTimes) {
        ticks.push_back(std::llround(t * kTimeScale / kTick));
        lastTick = std::max(lastTick, ticks.back());
    }
    for (const Lab7SwitchEvent &e : events)
        lastTick = std::max(lastTick, (long long)std::ceil(e.t * kTimeScale / kTick));
    std::vector<long long> corners(ticks);
    std::sort(corners.begin(), corners.end());
    corners.erase(std::unique(corners.begin(), corners.end()), corners.end());
    QStringList pwl{QStringLiteral("0"), QStringLiteral("0")};
    for (long long k : corners)
        pwl << SpiceNumber(double(k) * kTick + kLead) << QString::number(pwl.size() / 2 % 2);
    deck.Card(QStringLiteral("VSAMPLE tk 0 PWL(%1)").arg(pwl.join(QLatin1Char(' '))),
              QStringLiteral("its corners make the simulation stop exactly at the sample instants"));

    deck.Comment({});
    // A coil current that S1 cuts sets the trapezoidal rule ringing; Gear's
    // method damps it, at some accuracy elsewhere.
    bool cut = false;
    if (circuit != 1) {
        int s1 = 0;
        for (const Lab7SwitchEvent &e : events)
            if (e.index == M::kS1)
                cut = cut || (s1 = 1 - s1) == 0;
    }
    if (cut)
        deck.Card(QStringLiteral(".options reltol=1e-6 method=gear rshunt=1e12"),
                  QStringLiteral("Gear's method, since S1 cuts the coil current; 1 Tohm from every node to the "
                                 "bottom rail"));
    else
        deck.Card(QStringLiteral(".options reltol=1e-6 rshunt=1e12"),
                  QStringLiteral("1 Tohm from every node to the bottom rail"));
    const QString stop = SpiceNumber(double(lastTick) * kTick + kLead);
    const double step = std::min(kTick / 5, ShortestTimeConstant(model, circuit) / kStepsPerTimeConstant);
    deck.Command(QStringLiteral("tran %1 %2 0 %3 uic").arg(SpiceNumber(kTick), stop, SpiceNumber(float(step))),
                 QStringLiteral("transient from rest (uic: every capacitor and coil at 0), from 50 us before the "
                                "bench's time 0 to %1 ms after it, in steps of at most 1/%2 of the circuit's shortest "
                                "time constant")
                     .arg(SpiceNumber(double(lastTick) * kTick * 1000.0))
                     .arg(kStepsPerTimeConstant));
    deck.Command(QStringLiteral("let u = %1").arg(text.u), QStringLiteral("u, the oscilloscope's \"V\" input"));
    deck.Command(QStringLiteral("linearize u i(VA) i(VA1) i(VA2)"),
                 QStringLiteral("onto the bench's ticks, 50 us of circuit time apart"));
    QStringList t, us, is, a1, a2;
    for (long long k : ticks) {
        // Index 0 is the lead-in before the bench's time 0.
        t << QStringLiteral("(time[%1]-%2)*1000").arg(k + 1).arg(SpiceNumber(kLead));
        us << QStringLiteral("u[%1]").arg(k + 1);
        is << QStringLiteral("i(VA)[%1]").arg(k + 1);
        a1 << QStringLiteral("i(VA1)[%1]").arg(k + 1);
        a2 << QStringLiteral("i(VA2)[%1]").arg(k + 1);
    }
    if (!ticks.empty()) {
        deck.Quantity(QStringLiteral("t"), t, QStringLiteral("the sample instants on the bench's clock (s)"));
        deck.Quantity(QStringLiteral("ScopeVoltage"), us, QStringLiteral("u at each sample (V)"));
        deck.Quantity(QStringLiteral("ScopeCurrent"), is, QStringLiteral("i at each sample (A)"));
        deck.Quantity(QStringLiteral("MeterTarget1"), a1, QStringLiteral("the current of ammeter A1 (A)"));
        deck.Quantity(QStringLiteral("MeterTarget2"), a2, QStringLiteral("the current of ammeter A2 (A)"));
    }
    return deck.Text();
}

} // namespace ohmaris
