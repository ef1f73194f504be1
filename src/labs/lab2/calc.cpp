// Lab 2 for the command-line calculator: the knobs and switches are whole
// positions, the capacitance goes through the box's entry rule, and the model
// runs once, as the first timer tick after the changes would run it.
#include "labs/lab2/lab.h"

#include "calc/labcalc.h"

#include "labs/lab2/model.h"
#include "labs/common/supply.h"

namespace ohmaris {

namespace {

// The capacitance box stores the magnitude plus 0.0000001 uF, capped at 1e6.
const EntryRule kCapacitanceEntry{0.0000001, 1000000.0f, false};

// Any non-zero time: the calculator runs no clock, and 0 means "no overload".
constexpr double kCalcTime = 1.0;

enum InputIndex : std::size_t { kVariant, kStep, kBreaker, kBypass, kCapacitance };

CalcResult RunLab2(const LabCalc &lab, const QMap<QString, QString> &args)
{
    CalcResult result;
    Lab2Model model;

    struct Position {
        InputIndex input;
        int min;
        int max;
        std::size_t slot; // SwitchState index
    };
    const Position positions[] = {
        {kVariant, 1, kVariantCount, 2},
        {kStep, 0, kRegulatorSteps, 3},
        {kBreaker, 0, 1, 0},
        {kBypass, 0, 1, 1},
    };
    for (const Position &p : positions) {
        const CalcInput &in = lab.inputs[p.input];
        int value = 0;
        result.error = CalcPosition(in.name, CalcArgument(args, in), p.min, p.max, value);
        if (!result.error.isEmpty())
            return result;
        model.SwitchState[p.slot] = std::int16_t(value);
        result.inputs.insert(in.name, value);
    }
    const CalcInput &c = lab.inputs[kCapacitance];
    result.error = CalcEntry(c.name, CalcArgument(args, c), kCapacitanceEntry, model.Capacitance);
    if (!result.error.isEmpty())
        return result;
    result.inputs.insert(c.name, FloatJson(model.Capacitance));

    model.ComputeCircuit(kCalcTime);
    QJsonObject &out = result.outputs;
    out.insert(QStringLiteral("SupplyVoltage"), FloatJson(model.SupplyVoltage));
    out.insert(QStringLiteral("CoilResistance"), FloatJson(model.CoilResistance));
    out.insert(QStringLiteral("CoilInductance"), FloatJson(model.CoilInductance));
    out.insert(QStringLiteral("Capacitance"), FloatJson(model.Capacitance));
    out.insert(QStringLiteral("CircuitCurrent"), FloatJson(model.CircuitCurrent));
    out.insert(QStringLiteral("ActivePower"), FloatJson(model.ActivePower));
    out.insert(QStringLiteral("CoilVoltage"), FloatJson(model.CoilVoltage));
    out.insert(QStringLiteral("CapacitorVoltage"), FloatJson(model.CapacitorVoltage));
    out.insert(QStringLiteral("OverloadFlag"), int(model.Protection.OverloadFlag));
    return result;
}

LabCalc MakeLab2Calc()
{
    LabCalc lab;
    lab.lab = 2;
    lab.title = QStringLiteral("Single-phase AC: coil in series with a capacitor");
    const QString volt = QStringLiteral("V");
    lab.inputs = {
        {QStringLiteral("variant"), QStringLiteral("1"), {}, QStringLiteral("variant switch 1..7, picks the coil's R and L")},
        {QStringLiteral("step"), QStringLiteral("0"), {}, QStringLiteral("regulator AT step 0..12, 19 V per step")},
        {QStringLiteral("SF"), QStringLiteral("0"), {}, QStringLiteral("breaker SF (0 open, 1 closed)")},
        {QStringLiteral("S"), QStringLiteral("0"), {}, QStringLiteral("bypass switch S across the capacitor (0 open, 1 closed)")},
        {QStringLiteral("C"), QStringLiteral("100"), QStringLiteral("uF"), QStringLiteral("capacitance")},
    };
    lab.outputs = {
        {QStringLiteral("SupplyVoltage"), volt, QStringLiteral("U after the breaker")},
        {QStringLiteral("CoilResistance"), QStringLiteral("Ohm"), QStringLiteral("R of the variant")},
        {QStringLiteral("CoilInductance"), QStringLiteral("H"), QStringLiteral("L of the variant")},
        {QStringLiteral("Capacitance"), QStringLiteral("uF"), QStringLiteral("C as stored")},
        {QStringLiteral("CircuitCurrent"), QStringLiteral("A"), QStringLiteral("the series current")},
        {QStringLiteral("ActivePower"), QStringLiteral("W"), QStringLiteral("I^2 R")},
        {QStringLiteral("CoilVoltage"), volt, QStringLiteral("across the coil, R and L together (V1)")},
        {QStringLiteral("CapacitorVoltage"), volt, QStringLiteral("across the capacitor (V2)")},
        {QStringLiteral("OverloadFlag"), {}, QStringLiteral("1 while step x I / 12 exceeds 5 A")},
    };
    return lab;
}

} // namespace

const LabCalc &Lab2::Calc()
{
    static const LabCalc lab = [] {
        LabCalc l = MakeLab2Calc();
        l.run = [](const QMap<QString, QString> &args) { return RunLab2(Lab2::Calc(), args); };
        return l;
    }();
    return lab;
}

} // namespace ohmaris
