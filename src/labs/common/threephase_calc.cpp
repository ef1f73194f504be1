// SPDX-License-Identifier: GPL-3.0-or-later
// Three-phase inputs of the calculator.
#include "labs/common/threephase_calc.h"

namespace ohmaris {

void AddThreePhaseInputs(LabCalc &lab, const ElementArray &defaults, const std::array<QString, 3> &groups,
                         const QString &groupWord)
{
    const QString ohm = QStringLiteral("Ohm");
    lab.inputs.push_back({QStringLiteral("U"), GeneralNumber(ThreePhaseCircuit::kDefaultLineVoltage),
                          QStringLiteral("V"), QStringLiteral("line voltage")});
    for (std::size_t k = 0; k < groups.size(); ++k) {
        const QString &g = groups[k];
        const auto def = [&](std::size_t i) { return GeneralNumber(defaults[3 * k + i]); };
        lab.inputs.push_back({QStringLiteral("R") + g, def(0), ohm,
                              QStringLiteral("resistance of %1 %2").arg(groupWord, g)});
        lab.inputs.push_back({QStringLiteral("XL") + g, def(1), ohm,
                              QStringLiteral("inductive reactance of %1 %2").arg(groupWord, g)});
        lab.inputs.push_back({QStringLiteral("XC") + g, def(2), ohm,
                              QStringLiteral("capacitive reactance of %1 %2").arg(groupWord, g)});
    }
}

QString ReadThreePhaseInputs(const LabCalc &lab, const QMap<QString, QString> &args, ThreePhaseCircuit &circuit,
                             CalcResult &result)
{
    const CalcInput &u = lab.inputs[0];
    QString error = CalcEntry(u.name, CalcArgument(args, u), kLineVoltageRule, circuit.LineVoltage);
    if (!error.isEmpty())
        return error;
    result.inputs.insert(u.name, FloatJson(circuit.LineVoltage));

    const int elements = int(circuit.ElementValues.size());
    for (int i = 0; i < elements; ++i) {
        const CalcInput &in = lab.inputs[std::size_t(1 + i)];
        float &stored = circuit.ElementValues[std::size_t(i)];
        error = CalcEntry(in.name, CalcArgument(args, in), kElementRule, stored);
        if (!error.isEmpty())
            return error;
        result.inputs.insert(in.name, FloatJson(stored));
    }
    for (int k = 0; k < circuit.SwitchCount(); ++k) {
        const CalcInput &in = lab.inputs[std::size_t(1 + elements + k)];
        int s = 0;
        error = CalcPosition(in.name, CalcArgument(args, in), 0, 1, s);
        if (!error.isEmpty())
            return error;
        circuit.Switch(k) = std::int16_t(s);
        result.inputs.insert(in.name, s);
    }
    return {};
}


std::vector<CalcSetting> ThreePhaseSettings(const LabCalc &lab, const ThreePhaseCircuit &circuit)
{
    // U, the nine elements, the switches: as ReadThreePhaseInputs reads them.
    CalcSettingWriter w(lab.inputs);
    w.Entry(circuit.LineVoltage, kLineVoltageRule);
    for (float element : circuit.ElementValues)
        w.Entry(element, kElementRule);
    for (int k = 0; k < circuit.SwitchCount(); ++k)
        w.Position(circuit.Switch(k));
    return w.Settings();
}

} // namespace ohmaris
