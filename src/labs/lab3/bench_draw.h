// Drawing of the lab 3 schematic's load side: the coil branch along the top
// rail with A1 and the coil in its dashed box, the capacitor branch with the
// switch "S", A2 and C in series, both between the rails.
#pragma once

#include "labs/lab3/layout.h"

namespace ohmaris {

class Schematic;

struct Lab3SchematicState {
    int capacitorSwitch = 0; // SwitchState[1]
    int variant = 1;         // SwitchState[2], shown as the coil's subscripts
};

void DrawLab3LoadSide(Schematic &s, const AcGrid &g, const Lab3SchematicState &state);

} // namespace ohmaris
