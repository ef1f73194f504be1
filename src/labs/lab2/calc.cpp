// SPDX-License-Identifier: GPL-3.0-or-later
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
    static const LabCalc lab = CoilCapacitorCalc<Lab2Model>(
        2, QStringLiteral("Single-phase AC: coil in series with a capacitor"),
        QStringLiteral("bypass switch S across the capacitor (0 open, 1 closed)"), &Lab2Netlist);
    return lab;
}


std::vector<CalcSetting> CalcSettings(const Lab2Model &model)
{
    return CoilCapacitorSettings(Lab2::Calc().inputs, model);
}

} // namespace ohmaris
