// SPDX-License-Identifier: GPL-3.0-or-later
// Lab 1 for the command-line calculator: the seven element values go through
// the parameter boxes' entry rule, the five switches are 0 or 1, and the
// model runs once, as the first timer tick after the changes would run it.
#include "labs/lab1/lab.h"

#include "calc/labcalc.h"

#include "labs/lab1/model.h"
#include "labs/lab1/netlist.h"

namespace ohmaris {

namespace {

constexpr int kElementCount = 7;
constexpr int kSwitchCount = 5;

// The parameter boxes store the magnitude, with no offset, capped at 1e6.
const EntryRule kLab1Entry{0.0, 1000000.0f, false};

// Reads the inputs into the model and records them; false at the first bad one.
bool ReadLab1(const LabCalc &lab, const QMap<QString, QString> &args, Lab1Model &model, CalcResult &result)
{
    for (int i = 0; i < kElementCount; ++i) {
        const CalcInput &in = lab.inputs[std::size_t(i)];
        float &stored = model.ElementValues[std::size_t(i)];
        result.error = CalcEntry(in.name, CalcArgument(args, in), kLab1Entry, stored);
        if (!result.error.isEmpty())
            return false;
        result.inputs.insert(in.name, FloatJson(stored));
    }
    for (int k = 0; k < kSwitchCount; ++k) {
        const CalcInput &in = lab.inputs[std::size_t(kElementCount + k)];
        int s = 0;
        result.error = CalcPosition(in.name, CalcArgument(args, in), 0, 1, s);
        if (!result.error.isEmpty())
            return false;
        model.SwitchState[std::size_t(k)] = std::int16_t(s);
        result.inputs.insert(in.name, s);
    }
    return true;
}

CalcResult RunLab1(const LabCalc &lab, const QMap<QString, QString> &args)
{
    CalcResult result;
    Lab1Model model;
    if (!ReadLab1(lab, args, model, result))
        return result;
    model.ComputeCircuit();
    result.outputs = model.Results();
    return result;
}

CalcResult NetlistLab1(const LabCalc &lab, const QMap<QString, QString> &args)
{
    CalcResult result;
    Lab1Model model;
    if (ReadLab1(lab, args, model, result))
        result.deck = Lab1Netlist(model);
    return result;
}

LabCalc MakeLab1Calc()
{
    LabCalc lab;
    lab.lab = 1;
    lab.title = QStringLiteral("Linear DC circuit with two sources");
    const QString volt = QStringLiteral("V");
    const QString ohm = QStringLiteral("Ohm");
    lab.inputs = {
        {QStringLiteral("E1"), QStringLiteral("24"), volt, QStringLiteral("EMF of source 1")},
        {QStringLiteral("R01"), QStringLiteral("1.5"), ohm, QStringLiteral("internal resistance of source 1")},
        {QStringLiteral("E2"), QStringLiteral("14"), volt, QStringLiteral("EMF of source 2")},
        {QStringLiteral("R02"), QStringLiteral("5"), ohm, QStringLiteral("internal resistance of source 2")},
        {QStringLiteral("R1"), QStringLiteral("10"), ohm, QStringLiteral("resistor of branch 1, a to b")},
        {QStringLiteral("R2"), QStringLiteral("15"), ohm, QStringLiteral("resistor of branch 2, c to b")},
        {QStringLiteral("R3"), QStringLiteral("8"), ohm, QStringLiteral("resistor of branch 3, b to d")},
        {QStringLiteral("S1"), QStringLiteral("0"), {}, QStringLiteral("switch S1, R01 alone in branch 1 (0 open, 1 closed)")},
        {QStringLiteral("S2"), QStringLiteral("0"), {}, QStringLiteral("switch S2, source 1 in branch 1 (0 open, 1 closed)")},
        {QStringLiteral("S3"), QStringLiteral("0"), {}, QStringLiteral("switch S3, branch 3 (0 open, 1 closed)")},
        {QStringLiteral("S4"), QStringLiteral("0"), {}, QStringLiteral("switch S4, source 2 in branch 2 (0 open, 1 closed)")},
        {QStringLiteral("S5"), QStringLiteral("0"), {}, QStringLiteral("switch S5, R02 alone in branch 2 (0 open, 1 closed)")},
    };
    lab.outputs = Lab1Model().Results();
    lab.notes = {
        QStringLiteral("The model adds 0.001 ohm to R01, 0.0015 to R02, 0.01 to R1, 0.02 to R2 and 0.05 to R3, "
                       "so an entered 0 leaves a finite path; the netlist carries the same values."),
    };
    return lab;
}

} // namespace

const LabCalc &Lab1::Calc()
{
    static const LabCalc lab = [] {
        LabCalc l = MakeLab1Calc();
        l.run = [](const QMap<QString, QString> &args) { return RunLab1(Lab1::Calc(), args); };
        l.netlist = [](const QMap<QString, QString> &args) { return NetlistLab1(Lab1::Calc(), args); };
        return l;
    }();
    return lab;
}


std::vector<CalcSetting> CalcSettings(const Lab1Model &model)
{
    CalcSettingWriter w(Lab1::Calc().inputs);
    for (int i = 0; i < kElementCount; ++i)
        w.Entry(model.ElementValues[std::size_t(i)], kLab1Entry);
    for (int k = 0; k < kSwitchCount; ++k)
        w.Position(model.SwitchState[std::size_t(k)]);
    return w.Settings();
}

} // namespace ohmaris
