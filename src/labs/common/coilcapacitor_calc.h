// The calculator's side of the coil-and-capacitor benches (labs 2 and 3):
// the five things a student sets on either bench (the variant, the regulator
// step, the breaker, the capacitor's switch and the capacitance), the four
// quantities both report before their own, and one run of the model.
#pragma once

#include "calc/labcalc.h"
#include "labs/common/singlephase.h"

#include <functional>
#include <vector>

namespace ohmaris {

// variant, step, SF, S, C, with the bench's defaults; `switchHelp` says
// what S does on the bench.
std::vector<CalcInput> CoilCapacitorInputs(const QString &switchHelp);

// Reads those inputs into the circuit as the bench stores them: whole knob
// and switch positions, the capacitance through the box's entry rule.
// Records each stored value in `result`; false, with `result.error` set, at
// the first bad one.
bool ReadCoilCapacitorInputs(const std::vector<CalcInput> &inputs, const QMap<QString, QString> &args,
                             CoilCapacitorCircuit &circuit, CalcResult &result);

// SupplyVoltage, CoilResistance, CoilInductance, Capacitance; then a lab's
// own, then OverloadFlag.
std::vector<CalcOutput> CoilCapacitorOutputs(std::vector<CalcOutput> own);
void InsertCoilCapacitorOutputs(const CoilCapacitorCircuit &circuit, QJsonObject &out);

// Any non-zero time: the calculator runs no clock, and 0 means "no overload".
inline constexpr double kCoilCapacitorCalcTime = 1.0;

// A lab's descriptor: its inputs and outputs as above, a run that computes
// a fresh `Model` once, as the first timer tick after the changes would,
// reporting the common quantities, the lab's own (`own`) and the overload
// flag, and a netlist that writes the computed model as a deck (`deck`).
template <class Model>
LabCalc CoilCapacitorCalc(int number, const QString &title, const QString &switchHelp,
                          std::vector<CalcOutput> ownOutputs,
                          std::function<void(const Model &, QJsonObject &)> own,
                          std::function<QString(const Model &)> deck)
{
    LabCalc lab;
    lab.lab = number;
    lab.title = title;
    lab.inputs = CoilCapacitorInputs(switchHelp);
    lab.outputs = CoilCapacitorOutputs(std::move(ownOutputs));
    lab.run = [inputs = lab.inputs, own = std::move(own)](const QMap<QString, QString> &args) {
        CalcResult result;
        Model model;
        if (!ReadCoilCapacitorInputs(inputs, args, model, result))
            return result;
        model.ComputeCircuit(kCoilCapacitorCalcTime);
        InsertCoilCapacitorOutputs(model, result.outputs);
        own(model, result.outputs);
        result.outputs.insert(QStringLiteral("OverloadFlag"), int(model.Protection.OverloadFlag));
        return result;
    };
    lab.netlist = [inputs = lab.inputs, deck = std::move(deck)](const QMap<QString, QString> &args) {
        CalcResult result;
        Model model;
        if (!ReadCoilCapacitorInputs(inputs, args, model, result))
            return result;
        model.ComputeCircuit(kCoilCapacitorCalcTime);
        result.deck = deck(model);
        return result;
    };
    return lab;
}

} // namespace ohmaris
