// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing of the lab 2 schematic's load side: the coil in its dashed box
// with the variant as subscript, the voltmeters V1 and V2, the capacitor and
// its bypass switch "S".
#pragma once

#include "labs/lab2/layout.h"

namespace ohmaris {

class CoilCapacitorCircuit;
class Schematic;

// The load side of the circuit `c` (its capacitor switch and variant).
void DrawLab2LoadSide(Schematic &s, const AcGrid &g, const CoilCapacitorCircuit &c);

} // namespace ohmaris
