// SPDX-License-Identifier: GPL-3.0-or-later
// Lab 6 as an ngspice deck: the delta load on the three-wire supply.
#pragma once

#include "labs/lab6/model.h"

#include <QString>

namespace ohmaris {

// The circuit in the state `model` holds (line voltage, elements, switches).
QString Lab6Netlist(const Lab6Model &model);

} // namespace ohmaris
