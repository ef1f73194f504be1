// SPDX-License-Identifier: GPL-3.0-or-later
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
    static const LabCalc lab = CoilCapacitorCalc<Lab3Model>(
        3, QStringLiteral("Single-phase AC: coil in parallel with a capacitor"),
        QStringLiteral("switch S in series with the capacitor (0 open, 1 connected)"), &Lab3Netlist);
    return lab;
}


std::vector<CalcSetting> CalcSettings(const Lab3Model &model)
{
    return CoilCapacitorSettings(Lab3::Calc().inputs, model);
}

} // namespace ohmaris
