// SPDX-License-Identifier: GPL-3.0-or-later
// Lab 5 as an ngspice deck: the star load on the four-wire supply.
#pragma once

#include "labs/lab5/model.h"

#include <QString>

namespace ohmaris {

// The circuit in the state `model` holds (line voltage, elements, switches).
QString Lab5Netlist(const Lab5Model &model);

} // namespace ohmaris
