// Drawing of the lab 2 schematic's load side: the coil in its dashed box
// with the variant as subscript, the voltmeters V1 and V2, the capacitor and
// its bypass switch "S".
#pragma once

#include "labs/lab2/layout.h"

namespace ohmaris {

class Schematic;

struct Lab2SchematicState {
    int bypass = 0;  // SwitchState[1]
    int variant = 1; // SwitchState[2], shown as the coil's subscripts
};

void DrawLab2LoadSide(Schematic &s, const AcGrid &g, const Lab2SchematicState &state);

} // namespace ohmaris
