// Lab 2 for the command-line calculator: the knobs and switches are whole
// positions, the capacitance goes through the box's entry rule, and the model
// runs once, as the first timer tick after the changes would run it.
#include "labs/lab2/lab.h"

#include "labs/common/coilcapacitor_calc.h"
#include "labs/lab2/model.h"
#include "labs/lab2/netlist.h"

namespace ohmaris {

const LabCalc &Lab2::Calc()
{
    static const LabCalc lab = [] {
        const QString volt = QStringLiteral("V");
        return CoilCapacitorCalc<Lab2Model>(
            2, QStringLiteral("Single-phase AC: coil in series with a capacitor"),
            QStringLiteral("bypass switch S across the capacitor (0 open, 1 closed)"),
            {
                {QStringLiteral("CircuitCurrent"), QStringLiteral("A"), QStringLiteral("the series current")},
                {QStringLiteral("ActivePower"), QStringLiteral("W"), QStringLiteral("I^2 R")},
                {QStringLiteral("CoilVoltage"), volt, QStringLiteral("across the coil, R and L together (V1)")},
                {QStringLiteral("CapacitorVoltage"), volt, QStringLiteral("across the capacitor (V2)")},
            },
            [](const Lab2Model &m, QJsonObject &out) {
                out.insert(QStringLiteral("CircuitCurrent"), FloatJson(m.CircuitCurrent));
                out.insert(QStringLiteral("ActivePower"), FloatJson(m.ActivePower));
                out.insert(QStringLiteral("CoilVoltage"), FloatJson(m.CoilVoltage));
                out.insert(QStringLiteral("CapacitorVoltage"), FloatJson(m.CapacitorVoltage));
            },
            &Lab2Netlist);
    }();
    return lab;
}

} // namespace ohmaris
