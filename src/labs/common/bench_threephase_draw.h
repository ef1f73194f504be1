// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing both three-phase schematics share (labs 5 and 6): the supply
// terminals, the breaker's linkage and handle, the K-50 block and one
// R-X_L-X_C load branch, in the vocabulary of every schematic. Blades are
// drawn by the bench, last.
#pragma once

#include "labs/common/threephase_layout.h"

#include <QString>
#include <array>
#include <vector>

namespace ohmaris {

class Schematic;

// Terminals at x = 6u on the rows, each labelled to its left ("L" with the
// row's number, "N" for a neutral row), with the wire on to 10u.
void DrawSupplyTerminals(Schematic &s, double u, const std::vector<double> &rows, bool lastIsNeutral);
// The breaker's linkage (across the three blades) and its handle strokes
// (on the first blade), following the blades' state.
void DrawBreakerLinkage(Schematic &s, double u, const std::array<double, 3> &rows, int state);
// The three blades of the breaker, in red.
void DrawBreakerBlades(Schematic &s, double u, const std::array<double, 3> &rows, int state);
// The K-50 block with its three meters and the caption "K-50" above it.
void DrawK50Block(Schematic &s, const QRectF &block, double u);
// A load branch along row y from x0 (units) with its labels (index n), the
// wire after the capacitor running on to `tailEnd` (units).
void DrawLoadBranch(Schematic &s, double x0, double y, double u, const QString &n, double tailEnd);

} // namespace ohmaris
