// SPDX-License-Identifier: GPL-3.0-or-later
// Every lab's calculator descriptor, in the lab table's order: the list the
// calculator's command line serves, made once for the program and its tests.
#pragma once

#include "calc/labcalc.h"
#include "labs/labtable.h"

#include <vector>

namespace ohmaris {

inline const std::vector<const LabCalc *> &LabCalcs()
{
    static const std::vector<const LabCalc *> labs = [] {
        std::vector<const LabCalc *> list;
        LabTable::ForEach([&list]<class Lab>() { list.push_back(&Lab::Calc()); });
        return list;
    }();
    return labs;
}

} // namespace ohmaris
