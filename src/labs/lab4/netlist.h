// SPDX-License-Identifier: GPL-3.0-or-later
// Lab 4 as an ngspice deck: the two coupled branches joined as the
// connection switch joins them on the schematic.
#pragma once

#include "labs/lab4/model.h"

#include <QString>

namespace ohmaris {

// The circuit in the state `model` holds; `model` has been computed, so it
// holds the selectors' inductances, coupling and winding resistances.
QString Lab4Netlist(const Lab4Model &model);

} // namespace ohmaris
