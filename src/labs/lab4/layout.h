// SPDX-License-Identifier: GPL-3.0-or-later
// Geometry of the lab 4 schematic, in Picture1's twips on the grid of the
// single-phase benches (bottom rail H - 4u, top rail H - 32u): the two
// branches one above the other, each a switch, an ammeter, a coil and a
// resistor from left to right; the click areas over them; the switch
// blades; the winding dots; and the wires the connection switch draws to
// join the branches in each of its four positions.
#pragma once

#include "labs/common/singlephase_layout.h"

#include <QLineF>

#include <array>
#include <vector>

namespace ohmaris {

AcGrid Lab4Grid(double drawUnit, double height);

// Image1(0..10): breaker, S1, S2, regulator, K-50, A1, A2, coil 1, coil 2,
// R1, R2.
constexpr int kLab4HotspotCount = 11;
std::array<QRectF, kLab4HotspotCount> Lab4Hotspots(const AcGrid &g);

// Places along a branch and of the joining wires, in grid units.
namespace lab4 {
inline constexpr double kSwitchPivot = 48.5, kSwitchLength = 5.0;
inline constexpr double kAmmeterX = 60.8, kAmmeterRadius = 2.0;
inline constexpr double kCoilLeft = 66.0, kCoilRight = 78.0, kTurnRadius = 1.5; // four turns
inline constexpr double kResistorLeft = 82.0, kResistorRight = 90.0;
// Columns of the joining wires: the branch ends stand on the inner ones.
inline constexpr double kOuterLeft = 41.0, kInnerLeft = 44.0, kInnerRight = 95.0, kOuterRight = 98.0;
// Branch 2 and the channel under it, above the picture's bottom edge.
inline constexpr double kBranch2 = 17.0, kChannel = 10.0;
// The winding dot beside the start of each winding.
inline constexpr double kWindingDotRise = 2.0, kWindingDotRadius = 0.45;
} // namespace lab4

// The level of branch 1 (on the top rail) or branch 2.
double BranchY(const AcGrid &g, int branch);
// Pivot and free end of the blade of S1 (branch 0) or S2 (branch 1).
QPointF SwitchPivot(const AcGrid &g, int branch);
QPointF SwitchBladeEnd(const AcGrid &g, int branch, int state);
// The dot marking the start of a winding: coil 1 starts at its left end,
// coil 2 at its right end.
QPointF WindingDot(const AcGrid &g, int branch);

// The ends the joining wires connect: the top rail (fixed up to the
// switch S1, so branch 1 always starts on it), the bottom rail's end, the
// right end of branch 1 and both ends of branch 2.
struct Lab4Terminals {
    QLineF topRail;
    QPointF bottom;
    QPointF end1;   // right end of branch 1
    QPointF start2; // left end of branch 2
    QPointF end2;   // right end of branch 2
};
Lab4Terminals Lab4Ends(const AcGrid &g);

// What the connection switch draws at `position` (1..4): wires as
// polylines and the junction dots where three wires meet. Two wires that
// cross without a dot are not joined.
struct Lab4Joining {
    std::vector<std::vector<QPointF>> wires;
    std::vector<QPointF> dots;
};
Lab4Joining JoiningWires(const AcGrid &g, int position);

} // namespace ohmaris
