// SPDX-License-Identifier: GPL-3.0-or-later
// Lab 8 for the command-line calculator: the sources' switches, amplitudes,
// frequency multiples and phases, the six element values and the five
// filter switches, each through the bench's entry rule; the model runs
// once, as the first timer tick after the changes would run it.
#include "labs/lab8/lab.h"

#include "calc/labcalc.h"

#include "labs/lab8/model.h"
#include "labs/lab8/netlist.h"

#include <algorithm>

namespace ohmaris {

namespace {

using M = Lab8Model;

// A frequency box takes digits only.
QString CalcMultiple(const QString &name, const QString &text, float &stored)
{
    const QString digits = text.trimmed();
    if (digits.isEmpty() || !std::all_of(digits.begin(), digits.end(), [](QChar c) { return c.isDigit() && c.unicode() < 128; }))
        return QStringLiteral("%1: not a whole number (digits only): %2").arg(name, QuotedArgument(text));
    stored = ApplyMultipleRule(digits, stored).value;
    return {};
}

// Reads the inputs into the model and records them; false at the first bad one.
bool ReadLab8(const LabCalc &lab, const QMap<QString, QString> &args, M &model, CalcResult &result)
{
    std::size_t next = 0;
    const auto position = [&](std::int16_t &state) {
        const CalcInput &in = lab.inputs[next++];
        int s = 0;
        result.error = CalcPosition(in.name, CalcArgument(args, in), 0, 1, s);
        state = std::int16_t(s);
        result.inputs.insert(in.name, s);
        return result.error.isEmpty();
    };
    const auto entry = [&](float &stored, const EntryRule &rule) {
        const CalcInput &in = lab.inputs[next++];
        result.error = CalcEntry(in.name, CalcArgument(args, in), rule, stored);
        result.inputs.insert(in.name, FloatJson(stored));
        return result.error.isEmpty();
    };
    const auto multiple = [&](float &stored) {
        const CalcInput &in = lab.inputs[next++];
        result.error = CalcMultiple(in.name, CalcArgument(args, in), stored);
        result.inputs.insert(in.name, FloatJson(stored));
        return result.error.isEmpty();
    };

    for (std::int16_t &on : model.SourceOn)
        if (!position(on))
            return false;
    for (float &em : model.SourceParams[M::kAmplitude])
        if (!entry(em, kLab8SourceRule))
            return false;
    // The fundamental's multiple is never used: no input.
    for (int k = 1; k < M::kSources; ++k)
        if (!multiple(model.SourceParams[M::kMultiple][std::size_t(k)]))
            return false;
    for (float &phase : model.SourceParams[M::kPhase])
        if (!entry(phase, kLab8SourceRule))
            return false;
    for (float &element : model.ElementValues)
        if (!entry(element, kLab8ElementRule))
            return false;
    for (int s = M::kS1; s < M::kS1 + M::kSwitches; ++s)
        if (!position(model.SwitchState[std::size_t(s)]))
            return false;
    return true;
}

CalcResult NetlistLab8(const LabCalc &lab, const QMap<QString, QString> &args)
{
    CalcResult result;
    M model;
    if (ReadLab8(lab, args, model, result))
        result.deck = Lab8Netlist(model);
    return result;
}

CalcResult RunLab8(const LabCalc &lab, const QMap<QString, QString> &args)
{
    CalcResult result;
    M model;
    if (!ReadLab8(lab, args, model, result))
        return result;
    model.ComputeCircuit();
    result.outputs = model.Results();
    result.spectrum = model.Amplitudes();
    return result;
}

LabCalc MakeLab8Calc()
{
    LabCalc lab;
    lab.lab = 8;
    lab.title = QStringLiteral("Non-sinusoidal supply: four harmonic sources and a filter");
    const auto number = [](float v) { return GeneralNumber(double(v), 7, QLatin1Char('.')); };
    for (int k = 1; k <= M::kSources; ++k)
        lab.inputs.push_back({QStringLiteral("on%1").arg(k), QStringLiteral("0"), {},
                              QStringLiteral("source E%1 (0 off, 1 on)").arg(k)});
    for (int k = 1; k <= M::kSources; ++k)
        lab.inputs.push_back({QStringLiteral("Em%1").arg(k),
                              number(M::kDefaultSources[M::kAmplitude][std::size_t(k - 1)]), QStringLiteral("V"),
                              QStringLiteral("amplitude of E%1").arg(k)});
    for (int k = 2; k <= M::kSources; ++k)
        lab.inputs.push_back({QStringLiteral("k%1").arg(k),
                              number(M::kDefaultSources[M::kMultiple][std::size_t(k - 1)]), {},
                              QStringLiteral("frequency of E%1 as a whole multiple of 50 Hz (digits; 0 counts as 1)")
                                  .arg(k)});
    for (int k = 1; k <= M::kSources; ++k)
        lab.inputs.push_back({QStringLiteral("phi%1").arg(k),
                              number(M::kDefaultSources[M::kPhase][std::size_t(k - 1)]), QStringLiteral("deg"),
                              QStringLiteral("initial phase of E%1 (its magnitude, up to 1000)").arg(k)});
    const std::array<std::array<const char *, 3>, M::kElements> elements{{
        {"R1", "Ohm", "series resistor"},
        {"L", "mH", "filter coil, bypassed by S2"},
        {"R", "Ohm", "resistance of the coil branch, bypassed by S3"},
        {"C1", "uF", "input capacitor, connected by S1"},
        {"C2", "uF", "output capacitor, connected by S4"},
        {"R2", "Ohm", "load resistor, connected by S5 (open: 250 kOhm)"},
    }};
    for (int i = 0; i < M::kElements; ++i)
        lab.inputs.push_back({QLatin1String(elements[std::size_t(i)][0]), number(M::kDefaultElements[std::size_t(i)]),
                              QLatin1String(elements[std::size_t(i)][1]),
                              QLatin1String(elements[std::size_t(i)][2])});
    const std::array<const char *, M::kSwitches> switches{
        "switch S1, C1 in (0 open, 1 closed)", "switch S2, bypass of L (0 open, 1 closed)",
        "switch S3, bypass of R (0 open, 1 closed)", "switch S4, C2 in (0 open, 1 closed)",
        "switch S5, load R2 in (0 open, 1 closed)"};
    for (int s = 0; s < M::kSwitches; ++s)
        lab.inputs.push_back({QStringLiteral("S%1").arg(s + 1),
                              QString::number(M::kDefaultSwitches[std::size_t(M::kS1 + s)]), {},
                              QLatin1String(switches[std::size_t(s)])});
    lab.example = QStringLiteral("ohmaris-calc 8 on1=1 on2=1 on3=1 on4=1 S1=1 S2=0 S3=0 S4=1 S5=1  "
                                 "(all sources on, the whole filter in)");
    lab.notes = {
        QStringLiteral("An open load (S5 open) is taken as 250 kohm; the netlist carries that resistor."),
        QStringLiteral("The effective values are those of 101 samples over one period with both ends "
                       "included, not of the waveform: a pure sine reads sqrt(100/101) = 0.995 of its effective "
                       "value, and a component at a multiple of 50 (of 50 Hz) is sampled at its zeros or peaks "
                       "only. The netlist prints both."),
    };
    lab.outputs = M().Results();
    lab.drawing = CalcDrawing::Spectrum;
    return lab;
}

} // namespace

const LabCalc &Lab8::Calc()
{
    static const LabCalc lab = [] {
        LabCalc l = MakeLab8Calc();
        l.run = [](const QMap<QString, QString> &args) { return RunLab8(Lab8::Calc(), args); };
        l.netlist = [](const QMap<QString, QString> &args) { return NetlistLab8(Lab8::Calc(), args); };
        return l;
    }();
    return lab;
}


std::vector<CalcSetting> CalcSettings(const Lab8Model &model)
{
    // As RunLab8 reads them.
    CalcSettingWriter w(Lab8::Calc().inputs);
    for (std::int16_t on : model.SourceOn)
        w.Position(on);
    for (float em : model.SourceParams[M::kAmplitude])
        w.Entry(em, kLab8SourceRule);
    // A multiple is stored as a whole number of at least 1: its digits.
    for (int k = 1; k < M::kSources; ++k)
        w.Text(QString::number(qint64(model.SourceParams[M::kMultiple][std::size_t(k)])));
    for (float phase : model.SourceParams[M::kPhase])
        w.Entry(phase, kLab8SourceRule);
    for (float element : model.ElementValues)
        w.Entry(element, kLab8ElementRule);
    for (int s = M::kS1; s < M::kS1 + M::kSwitches; ++s)
        w.Position(model.SwitchState[std::size_t(s)]);
    return w.Settings();
}

} // namespace ohmaris
