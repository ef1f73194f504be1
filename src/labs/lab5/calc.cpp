// Lab 5 for the command-line calculator: the line voltage and the nine
// element values go through the parameter boxes' entry rules, the five
// switches are 0 or 1, and the model runs once, as the first timer tick
// after the changes would run it.
#include "labs/lab5/lab.h"

#include "calc/labcalc.h"

#include "labs/lab5/model.h"

namespace ohmaris {

namespace {

constexpr int kElementCount = 9;

// Any non-zero time serves: the calculator computes once and never waits
// for the delayed trip.
constexpr double kCalcTime = 1.0;

CalcResult RunLab5(const LabCalc &lab, const QMap<QString, QString> &args)
{
    CalcResult result;
    Lab5Model model;

    const CalcInput &u = lab.inputs[0];
    result.error = CalcEntry(u.name, CalcArgument(args, u), kLineVoltageRule, model.LineVoltage);
    if (!result.error.isEmpty())
        return result;
    result.inputs.insert(u.name, FloatJson(model.LineVoltage));

    for (int i = 0; i < kElementCount; ++i) {
        const CalcInput &in = lab.inputs[std::size_t(1 + i)];
        float &stored = model.ElementValues[std::size_t(i)];
        result.error = CalcEntry(in.name, CalcArgument(args, in), kElementRule, stored);
        if (!result.error.isEmpty())
            return result;
        result.inputs.insert(in.name, FloatJson(stored));
    }
    for (int k = 0; k < Lab5Model::kSwitches; ++k) {
        const CalcInput &in = lab.inputs[std::size_t(1 + kElementCount + k)];
        int s = 0;
        result.error = CalcPosition(in.name, CalcArgument(args, in), 0, 1, s);
        if (!result.error.isEmpty())
            return result;
        model.SwitchState[std::size_t(k)] = std::int16_t(s);
        result.inputs.insert(in.name, s);
    }

    model.ComputeCircuit(kCalcTime);
    result.outputs.insert(QStringLiteral("PhaseVoltage"), FloatJson(model.PhaseVoltage));
    result.outputs.insert(QStringLiteral("PhaseCurrent"), FloatJson(model.PhaseCurrent));
    result.outputs.insert(QStringLiteral("PhasePower"), FloatJson(model.PhasePower));
    result.outputs.insert(QStringLiteral("NeutralCurrent"), FloatJson(model.NeutralCurrent));
    result.outputs.insert(QStringLiteral("NeutralVoltage"), FloatJson(model.NeutralVoltage));
    result.outputs.insert(QStringLiteral("MaxPhaseCurrent"), FloatJson(model.MaxPhaseCurrent));
    result.outputs.insert(QStringLiteral("OverloadFlag"), int(model.Protection.OverloadFlag));
    return result;
}

LabCalc MakeLab5Calc()
{
    LabCalc lab;
    lab.lab = 5;
    lab.title = QStringLiteral("Three-phase star load with and without neutral wire");
    const QString volt = QStringLiteral("V");
    const QString ohm = QStringLiteral("Ohm");
    const QString amp = QStringLiteral("A");
    lab.inputs.push_back({QStringLiteral("U"), GeneralNumber(Lab5Model::kDefaultLineVoltage), volt,
                          QStringLiteral("line voltage")});
    const char *const phases = "ABC";
    for (int k = 0; k < 3; ++k) {
        const QChar p = QLatin1Char(phases[k]);
        const auto def = [&](int i) { return GeneralNumber(Lab5Model::kDefaultElements[std::size_t(3 * k + i)]); };
        lab.inputs.push_back({QStringLiteral("R%1").arg(p), def(0), ohm,
                              QStringLiteral("resistance of phase %1").arg(p)});
        lab.inputs.push_back({QStringLiteral("XL%1").arg(p), def(1), ohm,
                              QStringLiteral("inductive reactance of phase %1").arg(p)});
        lab.inputs.push_back({QStringLiteral("XC%1").arg(p), def(2), ohm,
                              QStringLiteral("capacitive reactance of phase %1").arg(p)});
    }
    lab.inputs.push_back({QStringLiteral("S0"), QStringLiteral("0"), {},
                          QStringLiteral("supply breaker SF (0 open, 1 closed)")});
    for (int k = 0; k < 3; ++k)
        lab.inputs.push_back({QStringLiteral("S%1").arg(k + 1), QStringLiteral("0"), {},
                              QStringLiteral("switch S%1, branch of phase %2 (0 open, 1 closed)")
                                  .arg(k + 1).arg(QLatin1Char(phases[k]))});
    lab.inputs.push_back({QStringLiteral("S4"), QStringLiteral("0"), {},
                          QStringLiteral("switch S4, neutral wire (0 open, 1 closed)")});
    lab.outputs = {
        {QStringLiteral("PhaseVoltage"), volt, QStringLiteral("source phase voltages A, B, C")},
        {QStringLiteral("PhaseCurrent"), amp, QStringLiteral("phase currents A, B, C")},
        {QStringLiteral("PhasePower"), QStringLiteral("W"),
         QStringLiteral("K-50 wattmeter readings of phases A, B, C")},
        {QStringLiteral("NeutralCurrent"), amp, QStringLiteral("neutral-wire current, ammeter A1")},
        {QStringLiteral("NeutralVoltage"), volt,
         QStringLiteral("star-point displacement, voltmeter V1")},
        {QStringLiteral("MaxPhaseCurrent"), amp, QStringLiteral("largest phase current")},
        {QStringLiteral("OverloadFlag"), {}, QStringLiteral("1 while a phase current exceeds 5 A")},
    };
    return lab;
}

} // namespace

const LabCalc &Lab5::Calc()
{
    static const LabCalc lab = [] {
        LabCalc l = MakeLab5Calc();
        l.run = [](const QMap<QString, QString> &args) { return RunLab5(Lab5::Calc(), args); };
        return l;
    }();
    return lab;
}

} // namespace ohmaris
