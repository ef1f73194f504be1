// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing of the lab 6 schematic: supply, breaker SF, the K-50 block, line
// switches S1..S3, and the delta of three R-X_L-X_C branches, each leaving
// its line through a switch and an ammeter and closing on the next line.
#pragma once

#include "labs/lab6/layout.h"

#include <array>
#include <cstdint>

namespace ohmaris {

class Schematic;

// `switches` are S0..S6 (0 open, 1 closed).
void DrawLab6Schematic(Schematic &s, const Lab6Grid &g, const std::array<std::int16_t, 7> &switches);

} // namespace ohmaris
