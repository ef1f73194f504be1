// SPDX-License-Identifier: GPL-3.0-or-later
// Lab 4 for the command-line calculator: the selectors, the connection
// switch, the regulator and the switches are whole positions, R1 and R2 go
// through the boxes' entry rule, and the model runs once, as the first timer
// tick after the changes would run it.
#include "labs/lab4/lab.h"

#include "calc/labcalc.h"

#include "labs/lab4/model.h"
#include "labs/lab4/netlist.h"
#include "labs/common/supply.h"

namespace ohmaris {

namespace {

// Any non-zero time: the calculator runs no clock, and 0 means "no overload".
constexpr double kCalcTime = 1.0;

enum InputIndex : std::size_t { kSel1, kSel2, kConn, kStep, kBreaker, kS1, kS2, kR1, kR2 };

// Reads the inputs into the model and records them; false at the first bad one.
bool ReadLab4(const LabCalc &lab, const QMap<QString, QString> &args, Lab4Model &model, CalcResult &result)
{
    struct Position {
        InputIndex input;
        int min;
        int max;
        int *target;
    };
    int sel1 = 1, sel2 = 1, step = 0, breaker = 0, s1 = 0, s2 = 0;
    const Position positions[] = {
        {kSel1, 1, kVariantCount, &sel1},
        {kSel2, 1, kVariantCount, &sel2},
        {kConn, 1, Lab4Model::kConnections, &model.Connection},
        {kStep, 0, kRegulatorSteps, &step},
        {kBreaker, 0, 1, &breaker},
        {kS1, 0, 1, &s1},
        {kS2, 0, 1, &s2},
    };
    for (const Position &p : positions) {
        const CalcInput &in = lab.inputs[p.input];
        result.error = CalcPosition(in.name, CalcArgument(args, in), p.min, p.max, *p.target);
        if (!result.error.isEmpty())
            return false;
        result.inputs.insert(in.name, *p.target);
    }
    model.VariantSelect = {std::int16_t(sel1), std::int16_t(sel2)};
    model.SwitchState = {std::int16_t(breaker), std::int16_t(s1), std::int16_t(s2), std::int16_t(step)};

    for (std::size_t k = 0; k < 2; ++k) {
        const CalcInput &in = lab.inputs[kR1 + k];
        result.error = CalcEntry(in.name, CalcArgument(args, in), Lab4Model::kResistanceRule,
                                 model.ExternalResistance[k]);
        if (!result.error.isEmpty())
            return false;
        result.inputs.insert(in.name, FloatJson(model.ExternalResistance[k]));
    }
    return true;
}

CalcResult RunLab4(const LabCalc &lab, const QMap<QString, QString> &args)
{
    CalcResult result;
    Lab4Model model;
    if (!ReadLab4(lab, args, model, result))
        return result;
    model.ComputeCircuit(kCalcTime);
    result.outputs = model.Results();
    result.phasors = model.Phasors();
    return result;
}

CalcResult NetlistLab4(const LabCalc &lab, const QMap<QString, QString> &args)
{
    CalcResult result;
    Lab4Model model;
    if (!ReadLab4(lab, args, model, result))
        return result;
    model.ComputeCircuit(kCalcTime);
    result.deck = Lab4Netlist(model);
    return result;
}

LabCalc MakeLab4Calc()
{
    LabCalc lab;
    lab.lab = 4;
    lab.title = QStringLiteral("Single-phase AC: magnetically coupled coils in series and in parallel");
    const QString ohm = QStringLiteral("Ohm");
    const QString r = GeneralNumber(double(Lab4Model::kDefaultResistance));
    lab.inputs = {
        {QStringLiteral("sel1"), QStringLiteral("1"), {},
         QStringLiteral("first selector 1..7, picks L1, L2 and part of the coupling")},
        {QStringLiteral("sel2"), QStringLiteral("1"), {},
         QStringLiteral("second selector 1..7, picks the other part of the coupling")},
        {QStringLiteral("conn"), QStringLiteral("1"), {},
         QStringLiteral("connection 1..4: 1 series aiding, 2 series opposing, 3 parallel opposing, "
                        "4 parallel aiding")},
        {QStringLiteral("step"), QStringLiteral("0"), {}, QStringLiteral("regulator AT step 0..12, 19 V per step")},
        {QStringLiteral("SF"), QStringLiteral("0"), {}, QStringLiteral("breaker SF (0 open, 1 closed)")},
        {QStringLiteral("S1"), QStringLiteral("0"), {}, QStringLiteral("switch S1 of branch 1 (0 open, 1 closed)")},
        {QStringLiteral("S2"), QStringLiteral("0"), {}, QStringLiteral("switch S2 of branch 2 (0 open, 1 closed)")},
        {QStringLiteral("R1"), r, ohm, QStringLiteral("external resistor of branch 1 (0 allowed)")},
        {QStringLiteral("R2"), r, ohm, QStringLiteral("external resistor of branch 2 (0 allowed)")},
    };
    lab.example = QStringLiteral("ohmaris-calc 4 step=12 SF=1 S1=1 S2=1 conn=3  "
                                 "(both branches in parallel at 228 V)");
    lab.notes = {
        QStringLiteral("In the equations positions 1 and 3 take the mutual inductance with the sign +1 and 2 and 4 "
                       "with -1, but in parallel +1 is the opposing connection: position 3 joins the coils so that "
                       "the mutual voltage subtracts, position 4 so that it adds. The schematic's winding dots and "
                       "the netlist show the coils joined that way."),
    };
    lab.outputs = Lab4Model().Results();
    lab.drawing = CalcDrawing::Phasors;
    return lab;
}

} // namespace

const LabCalc &Lab4::Calc()
{
    static const LabCalc lab = [] {
        LabCalc l = MakeLab4Calc();
        l.run = [](const QMap<QString, QString> &args) { return RunLab4(Lab4::Calc(), args); };
        l.netlist = [](const QMap<QString, QString> &args) { return NetlistLab4(Lab4::Calc(), args); };
        return l;
    }();
    return lab;
}


std::vector<CalcSetting> CalcSettings(const Lab4Model &model)
{
    // In the order of InputIndex, as RunLab4 reads them.
    CalcSettingWriter w(Lab4::Calc().inputs);
    w.Position(model.VariantSelect[0]);
    w.Position(model.VariantSelect[1]);
    w.Position(model.Connection);
    w.Position(model.SwitchState[SinglePhaseCircuit::kStep]);
    w.Position(model.SwitchState[SinglePhaseCircuit::kBreaker]);
    w.Position(model.SwitchState[Lab4Model::kS1]);
    w.Position(model.SwitchState[Lab4Model::kS2]);
    for (float r : model.ExternalResistance)
        w.Entry(r, Lab4Model::kResistanceRule);
    return w.Settings();
}

} // namespace ohmaris
