// Lab 3 for the command-line calculator: the knobs and switches are whole
// positions, the capacitance goes through the box's entry rule, and the model
// runs once, as the first timer tick after the changes would run it.
#include "labs/lab3/lab.h"

#include "labs/common/coilcapacitor_calc.h"
#include "labs/lab3/model.h"
#include "labs/lab3/netlist.h"

namespace ohmaris {

const LabCalc &Lab3::Calc()
{
    static const LabCalc lab = [] {
        const QString amp = QStringLiteral("A");
        return CoilCapacitorCalc<Lab3Model>(
            3, QStringLiteral("Single-phase AC: coil in parallel with a capacitor"),
            QStringLiteral("switch S in series with the capacitor (0 open, 1 connected)"),
            {
                {QStringLiteral("CircuitCurrent"), amp, QStringLiteral("the total current drawn from the supply (K-50)")},
                {QStringLiteral("CoilCurrent"), amp, QStringLiteral("the coil branch (A1)")},
                {QStringLiteral("CapacitorCurrent"), amp, QStringLiteral("the capacitor branch (A2)")},
                {QStringLiteral("ActivePower"), QStringLiteral("W"), QStringLiteral("I_coil^2 R")},
            },
            [](const Lab3Model &m, QJsonObject &out) {
                out.insert(QStringLiteral("CircuitCurrent"), FloatJson(m.CircuitCurrent));
                out.insert(QStringLiteral("CoilCurrent"), FloatJson(m.CoilCurrent));
                out.insert(QStringLiteral("CapacitorCurrent"), FloatJson(m.CapacitorCurrent));
                out.insert(QStringLiteral("ActivePower"), FloatJson(m.ActivePower));
            },
            &Lab3Netlist);
    }();
    return lab;
}

} // namespace ohmaris
