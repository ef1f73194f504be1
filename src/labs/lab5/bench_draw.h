// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing of the lab 5 schematic: supply, breaker SF, the K-50 block,
// switches S1..S4, the three R-X_L-X_C branches of the star, the ammeter in
// the neutral wire and the voltmeter from the star point to the neutral.
#pragma once

#include "labs/lab5/layout.h"

#include <array>
#include <cstdint>

namespace ohmaris {

class Schematic;

// `switches` are S0..S4 (0 open, 1 closed).
void DrawLab5Schematic(Schematic &s, const Lab5Grid &g, const std::array<std::int16_t, 5> &switches);

} // namespace ohmaris
