// SPDX-License-Identifier: GPL-3.0-or-later
// Lab 5 for the command-line calculator: the line voltage and the nine
// element values go through the parameter boxes' entry rules, the five
// switches are 0 or 1, and the model runs once, as the first timer tick
// after the changes would run it.
#include "labs/lab5/lab.h"

#include "calc/labcalc.h"
#include "labs/common/threephase_calc.h"
#include "labs/lab5/model.h"
#include "labs/lab5/netlist.h"

namespace ohmaris {

namespace {

const std::array<QString, 3> kPhases{QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")};

CalcResult NetlistLab5(const LabCalc &lab, const QMap<QString, QString> &args)
{
    CalcResult result;
    Lab5Model model;
    result.error = ReadThreePhaseInputs(lab, args, model, result);
    if (result.error.isEmpty())
        result.deck = Lab5Netlist(model);
    return result;
}

CalcResult RunLab5(const LabCalc &lab, const QMap<QString, QString> &args)
{
    CalcResult result;
    Lab5Model model;
    result.error = ReadThreePhaseInputs(lab, args, model, result);
    if (!result.error.isEmpty())
        return result;

    model.ComputeCircuit(kThreePhaseCalcTime);
    result.outputs = model.Results();
    result.phasors = model.Phasors();
    return result;
}

LabCalc MakeLab5Calc()
{
    LabCalc lab;
    lab.lab = 5;
    lab.title = QStringLiteral("Three-phase star load with and without neutral wire");
    AddThreePhaseInputs(lab, Lab5Model::kDefaultElements, kPhases, QStringLiteral("phase"));
    lab.inputs.push_back({QStringLiteral("S0"), QStringLiteral("0"), {},
                          QStringLiteral("supply breaker SF (0 open, 1 closed)")});
    for (int k = 0; k < 3; ++k)
        lab.inputs.push_back({QStringLiteral("S%1").arg(k + 1), QStringLiteral("0"), {},
                              QStringLiteral("switch S%1, branch of phase %2 (0 open, 1 closed)")
                                  .arg(k + 1).arg(kPhases[std::size_t(k)])});
    lab.inputs.push_back({QStringLiteral("S4"), QStringLiteral("0"), {},
                          QStringLiteral("switch S4, neutral wire (0 open, 1 closed)")});
    lab.outputs = Lab5Model().Results();
    lab.drawing = CalcDrawing::Phasors;
    return lab;
}

} // namespace

const LabCalc &Lab5::Calc()
{
    static const LabCalc lab = [] {
        LabCalc l = MakeLab5Calc();
        l.run = [](const QMap<QString, QString> &args) { return RunLab5(Lab5::Calc(), args); };
        l.netlist = [](const QMap<QString, QString> &args) { return NetlistLab5(Lab5::Calc(), args); };
        return l;
    }();
    return lab;
}


std::vector<CalcSetting> CalcSettings(const Lab5Model &model)
{
    return ThreePhaseSettings(Lab5::Calc(), model);
}

} // namespace ohmaris
