// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing of the lab 4 schematic's load side: the two branches (switch,
// ammeter, coil with its winding dot, resistor), the double arrow of the
// mutual inductance between the coils and the wires the connection switch
// joins the branches with.
#pragma once

#include "labs/lab4/layout.h"

#include <QFont>

namespace ohmaris {

class Schematic;

struct Lab4SchematicState {
    std::array<int, 2> switches{}; // SwitchState[1], [2]
    std::array<int, 2> select{1, 1}; // VariantSelect, shown as the coils' subscripts
    int connection = 1;
};

void DrawLab4LoadSide(Schematic &s, const AcGrid &g, const Lab4SchematicState &state);

// Where the label of coil 1 (branch 0) or coil 2 (branch 1) stands.
QRectF CoilLabelArea(const AcGrid &g, const QFont &font, double points, int branch);

} // namespace ohmaris
