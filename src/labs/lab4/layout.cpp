// SPDX-License-Identifier: GPL-3.0-or-later
// Lab 4 schematic geometry.
#include "labs/lab4/layout.h"

#include "calc/blade.h"

#include <QLineF>

namespace ohmaris {

using namespace lab4;

AcGrid Lab4Grid(double drawUnit, double height)
{
    // Bottom rail H - 4u; the top rail y0 - 3a - 2b with a = 4u, b = 8u.
    return AcGridFor(drawUnit, height, 4, 28);
}

double BranchY(const AcGrid &g, int branch)
{
    return branch == 0 ? g.y1 : g.h - kBranch2 * g.u;
}

std::array<QRectF, kLab4HotspotCount> Lab4Hotspots(const AcGrid &g)
{
    const double u = g.u;
    const auto on = [&](int branch, double left, double above, double w, double h) {
        return QRectF(left * u, BranchY(g, branch) - above * u, w * u, h * u);
    };
    return {
        BreakerHotspot(g),                                 // 0 breaker "SF"
        on(0, kSwitchPivot - 0.5, 3.6, 6, 6),              // 1 switch S1
        on(1, kSwitchPivot - 0.5, 3.6, 6, 6),              // 2 switch S2
        RegulatorHotspot(g),                               // 3 regulator "AT"
        K50Hotspot(g),                                     // 4 K-50
        on(0, kAmmeterX - 2.8, 2.8, 5.6, 5.6),             // 5 ammeter A1
        on(1, kAmmeterX - 2.8, 2.8, 5.6, 5.6),             // 6 ammeter A2
        on(0, kCoilLeft, 3, kCoilRight - kCoilLeft, 4),    // 7 coil 1
        on(1, kCoilLeft, 3, kCoilRight - kCoilLeft, 4),    // 8 coil 2
        on(0, kResistorLeft - 1, 2, kResistorRight - kResistorLeft + 2, 4), // 9 R1
        on(1, kResistorLeft - 1, 2, kResistorRight - kResistorLeft + 2, 4), // 10 R2
    };
}

QPointF SwitchPivot(const AcGrid &g, int branch)
{
    return {g.X(kSwitchPivot), BranchY(g, branch)};
}

QPointF SwitchBladeEnd(const AcGrid &g, int branch, int state)
{
    // Along the branch when closed, turned 30 degrees up when open.
    return BladeEnd(SwitchPivot(g, branch), kSwitchLength * g.u, kWireRight, state);
}

QPointF WindingDot(const AcGrid &g, int branch)
{
    return {g.X(branch == 0 ? kCoilLeft : kCoilRight), BranchY(g, branch) - kWindingDotRise * g.u};
}

Lab4Terminals Lab4Ends(const AcGrid &g)
{
    const double y2 = BranchY(g, 1);
    return {QLineF(g.X(acsupply::kK50Right), g.y1, g.X(kSwitchPivot), g.y1), QPointF(g.X(kInnerLeft), g.y0),
            QPointF(g.X(kInnerRight), g.y1), QPointF(g.X(kInnerLeft), y2), QPointF(g.X(kInnerRight), y2)};
}

Lab4Joining JoiningWires(const AcGrid &g, int position)
{
    const Lab4Terminals t = Lab4Ends(g);
    const double y2 = BranchY(g, 1);
    const double yc = g.h - kChannel * g.u;
    const double ol = g.X(kOuterLeft), il = g.X(kInnerLeft), ir = g.X(kInnerRight), orr = g.X(kOuterRight);
    switch (position) {
    case 1:
        // Branch 1's end on branch 2's right end; branch 2 runs back to the
        // bottom rail on the left.
        return {{{t.end1, t.end2}, {t.start2, t.bottom}}, {}};
    case 2:
        // Branch 1's end round the right and under branch 2 to its left
        // end; branch 2's right end down to the bottom rail, crossing it.
        return {{{t.end1, {orr, g.y1}, {orr, yc}, {ol, yc}, {ol, y2}, t.start2},
                 {t.end2, {ir, g.y0}, t.bottom}},
                {}};
    case 3:
        // Both left ends on the top rail, both right ends on the bottom one.
        return {{{QPointF(il, g.y1), t.start2}, {t.end1, {ir, g.y0}, t.bottom}}, {QPointF(il, g.y1), t.end2}};
    default:
        // The top rail to branch 2's right end under branch 2; branch 2's
        // left end down to the bottom rail, crossing that wire; branch 1's
        // end round the right to the bottom rail.
        return {{{QPointF(ol, g.y1), {ol, yc}, {ir, yc}, t.end2},
                 {t.start2, t.bottom},
                 {t.end1, {orr, g.y1}, {orr, g.y0}, t.bottom}},
                {QPointF(ol, g.y1), t.bottom}};
    }
}

} // namespace ohmaris
