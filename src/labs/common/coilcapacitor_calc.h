// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator's side of the coil-and-capacitor benches (labs 2 and 3):
// the five things a student sets on either bench (the variant, the regulator
// step, the breaker, the capacitor's switch and the capacitance) and one run
// of the model.
#pragma once

#include "calc/labcalc.h"
#include "labs/common/singlephase.h"

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

// The same inputs as a circuit holds them, for the calculator to read back.
std::vector<CalcSetting> CoilCapacitorSettings(const std::vector<CalcInput> &inputs,
                                               const CoilCapacitorCircuit &circuit);

// Any non-zero time: the calculator runs no clock, and 0 means "no overload".
inline constexpr double kCoilCapacitorCalcTime = 1.0;

// A lab's descriptor: its inputs as above, the model's results as its
// outputs, a run that computes a fresh `Model` once, as the first timer
// tick after the changes would, and a netlist that writes the computed
// model as a deck (`deck`).
template <class Model>
LabCalc CoilCapacitorCalc(int number, const QString &title, const QString &switchHelp,
                          std::function<QString(const Model &)> deck)
{
    LabCalc lab;
    lab.lab = number;
    lab.title = title;
    lab.inputs = CoilCapacitorInputs(switchHelp);
    lab.outputs = Model().Results();
    lab.drawing = CalcDrawing::Phasors;
    lab.run = [inputs = lab.inputs](const QMap<QString, QString> &args) {
        CalcResult result;
        Model model;
        if (!ReadCoilCapacitorInputs(inputs, args, model, result))
            return result;
        model.ComputeCircuit(kCoilCapacitorCalcTime);
        result.outputs = model.Results();
        result.phasors = model.Phasors();
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
