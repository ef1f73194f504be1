// SPDX-License-Identifier: GPL-3.0-or-later
// Lab 2 as an ngspice deck: the coil of the variant in series with the
// capacitor on the regulated 50 Hz supply.
#pragma once

#include "labs/lab2/model.h"

#include <QString>

namespace ohmaris {

// The circuit in the state `model` holds; `model` has been computed, so it
// holds the variant's R and L.
QString Lab2Netlist(const Lab2Model &model);

} // namespace ohmaris
