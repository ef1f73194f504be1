// SPDX-License-Identifier: GPL-3.0-or-later
// Lab 8 as an ngspice deck: the four harmonic sources, the filter and the
// load, solved source by source at each one's frequency and superposed in
// time.
#pragma once

#include "labs/lab8/model.h"

#include <QString>

namespace ohmaris {

// The circuit in the state `model` holds (sources, elements, switches).
QString Lab8Netlist(const Lab8Model &model);

} // namespace ohmaris
