// SPDX-License-Identifier: GPL-3.0-or-later
// Inputs and common outputs of the coil-and-capacitor calculators.
#include "labs/common/coilcapacitor_calc.h"

#include "labs/common/supply.h"

namespace ohmaris {

namespace {
enum InputIndex : std::size_t { kVariant, kStep, kBreaker, kSwitch, kCapacitance };
} // namespace

std::vector<CalcInput> CoilCapacitorInputs(const QString &switchHelp)
{
    return {
        {QStringLiteral("variant"), QStringLiteral("1"), {}, QStringLiteral("variant switch 1..7, picks the coil's R and L")},
        {QStringLiteral("step"), QStringLiteral("0"), {}, QStringLiteral("regulator AT step 0..12, 19 V per step")},
        {QStringLiteral("SF"), QStringLiteral("0"), {}, QStringLiteral("breaker SF (0 open, 1 closed)")},
        {QStringLiteral("S"), QStringLiteral("0"), {}, switchHelp},
        {QStringLiteral("C"), QStringLiteral("100"), QStringLiteral("uF"), QStringLiteral("capacitance")},
    };
}

bool ReadCoilCapacitorInputs(const std::vector<CalcInput> &inputs, const QMap<QString, QString> &args,
                             CoilCapacitorCircuit &circuit, CalcResult &result)
{
    struct Position {
        InputIndex input;
        int min;
        int max;
        std::size_t slot; // SwitchState index
    };
    const Position positions[] = {
        {kVariant, 1, kVariantCount, CoilCapacitorCircuit::kVariant},
        {kStep, 0, kRegulatorSteps, SinglePhaseCircuit::kStep},
        {kBreaker, 0, 1, SinglePhaseCircuit::kBreaker},
        {kSwitch, 0, 1, CoilCapacitorCircuit::kCapacitorSwitch},
    };
    for (const Position &p : positions) {
        const CalcInput &in = inputs[p.input];
        int value = 0;
        result.error = CalcPosition(in.name, CalcArgument(args, in), p.min, p.max, value);
        if (!result.error.isEmpty())
            return false;
        circuit.SwitchState[p.slot] = std::int16_t(value);
        result.inputs.insert(in.name, value);
    }
    const CalcInput &c = inputs[kCapacitance];
    result.error = CalcEntry(c.name, CalcArgument(args, c), CoilCapacitorCircuit::kCapacitanceRule, circuit.Capacitance);
    if (!result.error.isEmpty())
        return false;
    result.inputs.insert(c.name, FloatJson(circuit.Capacitance));
    return true;
}


std::vector<CalcSetting> CoilCapacitorSettings(const std::vector<CalcInput> &inputs,
                                               const CoilCapacitorCircuit &circuit)
{
    // In the order of InputIndex, as ReadCoilCapacitorInputs reads them.
    CalcSettingWriter w(inputs);
    w.Position(circuit.SwitchState[CoilCapacitorCircuit::kVariant]);
    w.Position(circuit.SwitchState[SinglePhaseCircuit::kStep]);
    w.Position(circuit.SwitchState[SinglePhaseCircuit::kBreaker]);
    w.Position(circuit.SwitchState[CoilCapacitorCircuit::kCapacitorSwitch]);
    w.Entry(circuit.Capacitance, CoilCapacitorCircuit::kCapacitanceRule);
    return w.Settings();
}

} // namespace ohmaris
