// SPDX-License-Identifier: GPL-3.0-or-later
// Lab 3 as an ngspice deck: the coil of the variant in parallel with the
// capacitor on the regulated 50 Hz supply.
#pragma once

#include "labs/lab3/model.h"

#include <QString>

namespace ohmaris {

// The circuit in the state `model` holds; `model` has been computed, so it
// holds the variant's R and L.
QString Lab3Netlist(const Lab3Model &model);

} // namespace ohmaris
