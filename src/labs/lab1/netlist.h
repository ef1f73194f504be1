// SPDX-License-Identifier: GPL-3.0-or-later
// Lab 1 as an ngspice deck: the DC circuit with its two sources, the five
// switches as wires or gaps, and an operating point that prints the
// calculator's quantities.
#pragma once

#include "labs/lab1/model.h"

#include <QString>

namespace ohmaris {

// The circuit in the state `model` holds (element values and S1..S5).
QString Lab1Netlist(const Lab1Model &model);

} // namespace ohmaris
