// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing of the lab 3 schematic's load side: the coil branch along the top
// rail with A1 and the coil in its dashed box, the capacitor branch with the
// switch "S", A2 and C in series, both between the rails.
#pragma once

#include "labs/lab3/layout.h"

namespace ohmaris {

class CoilCapacitorCircuit;
class Schematic;

// The load side of the circuit `c` (its capacitor switch and variant).
void DrawLab3LoadSide(Schematic &s, const AcGrid &g, const CoilCapacitorCircuit &c);

} // namespace ohmaris
