// SPDX-License-Identifier: GPL-3.0-or-later
// Lab 6 for the command-line calculator: the line voltage and the nine
// element values go through the parameter boxes' entry rules, the seven
// switches are 0 or 1, and the model runs once, as the first timer tick
// after the changes would run it.
#include "labs/lab6/lab.h"

#include "calc/labcalc.h"
#include "labs/common/threephase_calc.h"
#include "labs/lab6/model.h"
#include "labs/lab6/netlist.h"

namespace ohmaris {

namespace {

const std::array<QString, 3> kBranches{QStringLiteral("AB"), QStringLiteral("BC"), QStringLiteral("CA")};

CalcResult NetlistLab6(const LabCalc &lab, const QMap<QString, QString> &args)
{
    CalcResult result;
    Lab6Model model;
    result.error = ReadThreePhaseInputs(lab, args, model, result);
    if (result.error.isEmpty())
        result.deck = Lab6Netlist(model);
    return result;
}

CalcResult RunLab6(const LabCalc &lab, const QMap<QString, QString> &args)
{
    CalcResult result;
    Lab6Model model;
    result.error = ReadThreePhaseInputs(lab, args, model, result);
    if (!result.error.isEmpty())
        return result;

    model.ComputeCircuit(kThreePhaseCalcTime);
    result.outputs = model.Results();
    result.phasors = model.Phasors();
    return result;
}

LabCalc MakeLab6Calc()
{
    LabCalc lab;
    lab.lab = 6;
    lab.title = QStringLiteral("Three-phase delta load with line and branch switches");
    AddThreePhaseInputs(lab, Lab6Model::kDefaultElements, kBranches, QStringLiteral("branch"));
    lab.inputs.push_back({QStringLiteral("S0"), QStringLiteral("0"), {},
                          QStringLiteral("supply breaker SF (0 open, 1 closed)")});
    const char *const lines = "ABC";
    for (int k = 0; k < 3; ++k)
        lab.inputs.push_back({QStringLiteral("S%1").arg(k + 1), QStringLiteral("0"), {},
                              QStringLiteral("switch S%1, line wire %2 (0 open, 1 closed)")
                                  .arg(k + 1).arg(QLatin1Char(lines[k]))});
    for (int k = 0; k < 3; ++k)
        lab.inputs.push_back({QStringLiteral("S%1").arg(k + 4), QStringLiteral("0"), {},
                              QStringLiteral("switch S%1, branch %2 (0 open, 1 closed)")
                                  .arg(k + 4).arg(kBranches[std::size_t(k)])});
    lab.example = QStringLiteral("ohmaris-calc 6 S0=1 S1=1 S2=1 S3=1 S4=1 S5=1 S6=1  "
                                 "(every switch closed: the balanced delta)");
    lab.outputs = Lab6Model().Results();
    lab.drawing = CalcDrawing::Phasors;
    return lab;
}

} // namespace

const LabCalc &Lab6::Calc()
{
    static const LabCalc lab = [] {
        LabCalc l = MakeLab6Calc();
        l.run = [](const QMap<QString, QString> &args) { return RunLab6(Lab6::Calc(), args); };
        l.netlist = [](const QMap<QString, QString> &args) { return NetlistLab6(Lab6::Calc(), args); };
        return l;
    }();
    return lab;
}


std::vector<CalcSetting> CalcSettings(const Lab6Model &model)
{
    return ThreePhaseSettings(Lab6::Calc(), model);
}

} // namespace ohmaris
