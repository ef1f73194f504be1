// SPDX-License-Identifier: GPL-3.0-or-later
// Lab 7 for the command-line calculator: the bench's timer loop on a
// simulated clock. Ticks come every 0.05 s from t = 0 with the circuit at
// rest; a switch event at time t happens just before the first tick at or
// after t, sets the switch time to t and leaves the recomputation to that
// tick, exactly as a click on the bench would.
#include "labs/lab7/lab.h"

#include "calc/labcalc.h"

#include "labs/lab7/model.h"
#include "labs/lab7/netlist.h"

#include <QJsonArray>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <numeric>
#include <vector>

namespace ohmaris {

namespace {

constexpr int kElementCount = 5;
constexpr double kTicksPerSecond = 20.0;
constexpr double kTimeSlack = 1e-9;       // seconds
constexpr double kLongestRun = 86400.0;   // seconds of simulated time

using SwitchEvent = Lab7SwitchEvent;

QString ParseTime(const QString &what, const QString &text, double &t)
{
    bool ok = false;
    t = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(t))
        return QStringLiteral("%1: not a time in seconds (decimal point): %2").arg(what, QuotedArgument(text));
    if (t < 0.0 || t > kLongestRun)
        return QStringLiteral("%1: time %2 outside 0..%3 s").arg(what, QuotedArgument(text), QString::number(kLongestRun));
    return {};
}

QString ParseEvents(const CalcList &list, std::vector<SwitchEvent> &events)
{
    for (qsizetype k = 0; k < list.items.size(); ++k) {
        const QString item = list.items.at(k).trimmed();
        const qsizetype at = item.indexOf(QLatin1Char('@'));
        const QString name = item.left(at).trimmed().toUpper();
        SwitchEvent e;
        if (at < 0 || (name != QLatin1String("S1") && name != QLatin1String("S2")))
            return QStringLiteral("events: expected S1@SECONDS or S2@SECONDS, got %1%2")
                .arg(QuotedArgument(item), list.place(k));
        e.index = name == QLatin1String("S1") ? Lab7Model::kS1 : Lab7Model::kS2;
        const QString error = ParseTime(QStringLiteral("events"), item.mid(at + 1), e.t);
        if (!error.isEmpty())
            return error + list.place(k);
        if (!events.empty() && e.t < events.back().t)
            return QStringLiteral("events: times must be ascending, %1 comes too late%2")
                .arg(QuotedArgument(item), list.place(k));
        events.push_back(e);
    }
    return {};
}

QString ParseTimes(const CalcList &list, std::vector<double> &times)
{
    times.reserve(std::size_t(list.items.size()));
    for (qsizetype k = 0; k < list.items.size(); ++k) {
        double t = 0.0;
        const QString error = ParseTime(QStringLiteral("at"), list.items.at(k), t);
        if (!error.isEmpty())
            return error + list.place(k);
        times.push_back(t);
    }
    return {};
}

// The tick an event comes before, and the last tick at or before a sample.
long long TickAfter(double t)
{
    return std::max(0LL, (long long)std::ceil((t - kTimeSlack) * kTicksPerSecond));
}
long long TickBefore(double t)
{
    return (long long)std::floor((t + kTimeSlack) * kTicksPerSecond);
}

// One sample: the tick's time, then what the model gives at it.
Quantities Sample(const Lab7Model &m, double t)
{
    Quantities q;
    q.Add(QStringLiteral("t"), QStringLiteral("s"), QStringLiteral("time of the tick sampled"), t);
    q.Add(m.PresentResults());
    return q;
}

// What a run reads from its arguments.
struct Lab7Inputs {
    int circuit = 1;
    std::vector<SwitchEvent> events;
    std::vector<double> times;
};

// Reads the inputs into the model and `in`, and records them; false at the
// first bad one.
bool ReadLab7(const LabCalc &lab, const QMap<QString, QString> &args, Lab7Model &model, Lab7Inputs &in,
              CalcResult &result)
{
    const CalcInput &circuitIn = lab.inputs[0];
    result.error = CalcPosition(circuitIn.name, CalcArgument(args, circuitIn), 1, 3, in.circuit);
    if (!result.error.isEmpty())
        return false;
    result.inputs.insert(circuitIn.name, in.circuit);

    for (int i = 0; i < kElementCount; ++i) {
        const CalcInput &input = lab.inputs[std::size_t(1 + i)];
        float &stored = model.ElementValues[std::size_t(i)];
        result.error = CalcEntry(input.name, CalcArgument(args, input), kLab7EntryRule, stored);
        if (!result.error.isEmpty())
            return false;
        result.inputs.insert(input.name, FloatJson(stored));
    }

    const CalcInput &eventsIn = lab.inputs[6];
    CalcList eventList;
    result.error = CalcListItems(eventsIn.name, CalcArgument(args, eventsIn), eventList);
    if (!result.error.isEmpty())
        return false;
    result.error = ParseEvents(eventList, in.events);
    if (!result.error.isEmpty())
        return false;
    const CalcInput &atIn = lab.inputs[7];
    CalcList timeList;
    result.error = CalcListItems(atIn.name, CalcArgument(args, atIn), timeList);
    if (!result.error.isEmpty())
        return false;
    result.error = ParseTimes(timeList, in.times);
    if (!result.error.isEmpty())
        return false;

    QJsonArray eventsJson;
    for (const SwitchEvent &e : in.events) {
        QJsonObject o;
        o.insert(QStringLiteral("switch"), e.index == Lab7Model::kS1 ? QStringLiteral("S1") : QStringLiteral("S2"));
        o.insert(QStringLiteral("t"), e.t);
        eventsJson.append(o);
    }
    result.inputs.insert(QStringLiteral("events"), eventsJson);
    QJsonArray timesJson;
    for (double t : in.times)
        timesJson.append(t);
    result.inputs.insert(QStringLiteral("at"), timesJson);
    return true;
}

CalcResult NetlistLab7(const LabCalc &lab, const QMap<QString, QString> &args)
{
    CalcResult result;
    Lab7Model model;
    Lab7Inputs in;
    if (!ReadLab7(lab, args, model, in, result))
        return result;
    // Each sample as the run takes it: at the last tick at or before it.
    std::vector<double> ticks;
    for (double t : in.times)
        ticks.push_back(double(TickBefore(t)) / kTicksPerSecond);
    result.deck = Lab7Netlist(model, in.circuit, in.events, ticks);
    return result;
}

CalcResult RunLab7(const LabCalc &lab, const QMap<QString, QString> &args)
{
    CalcResult result;
    Lab7Model model;
    Lab7Inputs in;
    if (!ReadLab7(lab, args, model, in, result))
        return result;
    const int circuit = in.circuit;
    const std::vector<SwitchEvent> &events = in.events;
    const std::vector<double> &times = in.times;

    // Run until every sample is taken and every event has been computed.
    long long lastTick = 0;
    for (double t : times)
        lastTick = std::max(lastTick, TickBefore(t));
    for (const SwitchEvent &e : events)
        lastTick = std::max(lastTick, TickAfter(e.t));

    // The samples in the order their ticks come, so the loop walks both
    // lists once: the work grows with ticks + samples, not their product.
    std::vector<std::size_t> order(times.size());
    std::iota(order.begin(), order.end(), std::size_t(0));
    std::stable_sort(order.begin(), order.end(),
                     [&times](std::size_t a, std::size_t b) { return TickBefore(times[a]) < TickBefore(times[b]); });

    model.SwitchState[Lab7Model::kCircuit] = std::int16_t(circuit);
    std::vector<Quantities> samples(times.size());
    std::size_t nextEvent = 0;
    std::size_t nextSample = 0;
    for (long long k = 0; k <= lastTick; ++k) {
        const double now = double(k) / kTicksPerSecond;
        for (; nextEvent < events.size() && TickAfter(events[nextEvent].t) == k; ++nextEvent)
            model.ToggleSwitch(events[nextEvent].index, events[nextEvent].t);
        model.Tick(now, std::int16_t(circuit));
        for (; nextSample < order.size() && TickBefore(times[order[nextSample]]) == k; ++nextSample)
            samples[order[nextSample]] = Sample(model, now);
    }

    result.outputs = model.Results();
    result.samples = std::move(samples);
    return result;
}

LabCalc MakeLab7Calc()
{
    LabCalc lab;
    lab.lab = 7;
    lab.title = QStringLiteral("Switching transients in RC, RL and RLC circuits (1 ms per second)");
    lab.inputs = {
        {QStringLiteral("circuit"), QStringLiteral("1"), {}, QStringLiteral("circuit selector: 1 \"C\", 2 \"L\", 3 \"LC\"")},
        {QStringLiteral("E"), QStringLiteral("24"), QStringLiteral("V"), QStringLiteral("source voltage")},
        {QStringLiteral("R1"), QStringLiteral("240"), QStringLiteral("Ohm"), QStringLiteral("resistor R1")},
        {QStringLiteral("R2"), QStringLiteral("140"), QStringLiteral("Ohm"), QStringLiteral("load resistor R2, switched by S2")},
        {QStringLiteral("C"), QStringLiteral("10"), QStringLiteral("uF"), QStringLiteral("capacitor")},
        {QStringLiteral("L"), QStringLiteral("200"), QStringLiteral("mH"), QStringLiteral("inductor")},
        {QStringLiteral("events"), {}, QStringLiteral("s"),
         QStringLiteral("switch toggles SWITCH@SECONDS, comma-separated, ascending, decimal point, "
                        "or @FILE to read them from FILE; none: the circuit stays at rest")},
        {QStringLiteral("at"), {}, QStringLiteral("s"),
         QStringLiteral("sample times, comma-separated, decimal point, or @FILE to read them from FILE; "
                        "each takes the last 50 ms tick at or before it; none: no samples")},
    };
    lab.example = QStringLiteral("ohmaris-calc 7 circuit=1 events=S1@0,S2@3.5 at=2.4,5  "
                                 "(close S1 at 0 s and S2 at 3.5 s, sample at 2.4 s and 5 s)");
    lab.notes = {
        QStringLiteral("A switch flip starts its transient from the u and i of the tick before it, up to 50 ms "
                       "(50 us of circuit time) earlier: after a second switch the readings lag the circuit's by "
                       "up to one tick. Only the first switch from rest is exact."),
        QStringLiteral("In circuit 2 a coil current that S1 interrupts dies out through 15 kohm the schematic "
                       "does not draw (time constant L / 15 kohm), the coil voltage jumping to -15 kohm times the "
                       "current; in the circuit as drawn the current stops at once."),
        QStringLiteral("In circuit 3 opening S1 stops the coil current at once; the coil's energy L i^2 / 2 "
                       "goes nowhere, where a real switch would spark."),
    };
    lab.outputs = Lab7Model().Results();
    lab.sampleFields = Sample(Lab7Model(), 0.0);
    return lab;
}

} // namespace

const LabCalc &Lab7::Calc()
{
    static const LabCalc lab = [] {
        LabCalc l = MakeLab7Calc();
        l.run = [](const QMap<QString, QString> &args) { return RunLab7(Lab7::Calc(), args); };
        l.netlist = [](const QMap<QString, QString> &args) { return NetlistLab7(Lab7::Calc(), args); };
        return l;
    }();
    return lab;
}


std::vector<CalcSetting> CalcSettings(const Lab7Model &model)
{
    // As RunLab7 reads them: the circuit, the five elements, then the
    // switches, which the calculator takes as toggles; a closed switch is
    // one thrown at 0 s from rest. No sample times.
    CalcSettingWriter w(Lab7::Calc().inputs);
    w.Position(model.SwitchState[Lab7Model::kCircuit]);
    for (float element : model.ElementValues)
        w.Entry(element, kLab7EntryRule);
    QStringList closed;
    for (int s : {Lab7Model::kS1, Lab7Model::kS2})
        if (model.SwitchState[std::size_t(s)] != 0)
            closed << QStringLiteral("S%1@0").arg(s);
    w.Text(closed.join(QLatin1Char(',')));
    w.Skip();
    return w.Settings();
}

} // namespace ohmaris
