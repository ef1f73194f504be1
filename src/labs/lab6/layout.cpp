// SPDX-License-Identifier: GPL-3.0-or-later
// Lab 6 schematic geometry.
#include "labs/lab6/layout.h"

namespace ohmaris {

Lab6Grid Lab6GridFor(double width, double height, double drawUnit)
{
    return Lab6Grid{width, height, drawUnit};
}

std::array<QRectF, kLab6ClickAreas> Lab6ClickAreas(const Lab6Grid &g)
{
    const double u = g.u;
    std::array<QRectF, kLab6ClickAreas> areas;
    areas[0] = ThreePhaseBreakerHotspot(u, g.Row(0));
    areas[7] = K50BlockHotspot(20 * u, g.Row(0), u);
    for (int k = 0; k < 3; ++k) {
        const auto at = [k](int first) { return std::size_t(first + k); };
        areas[at(1)] = LineSwitchHotspot(g.LineSwitchPivot(k), u);
        areas[at(4)] = LineSwitchHotspot(g.BranchSwitchPivot(k), u);
        areas[at(8)] = QRectF(58 * u, g.Row(k) - 2.8 * u, 5.6 * u, 5.6 * u);
        const BranchHotspots b = LoadBranchHotspots(lab6::kBranchStart, g.Row(k), u);
        areas[at(11)] = b.R;
        areas[at(14)] = b.XL;
        areas[at(17)] = b.XC;
    }
    return areas;
}

const char *Lab6ClickAreaKey(int index)
{
    if (index == 0)
        return "oSSSSS";
    if (index >= 1 && index <= 6)
        return "oS";
    if (index == 7)
        return "oK";
    if (index >= 8 && index <= 10)
        return "oA";
    if (index >= 11 && index <= 13)
        return "oR";
    if (index >= 14 && index <= 16)
        return "oL";
    if (index >= 17 && index <= 19)
        return "oC";
    return "";
}

const char *Lab6ClickAreaLabel(int index)
{
    static constexpr const char *labels[kLab6ClickAreas] = {
        "SF", "S1", "S2", "S3", "S4", "S5", "S6", "K-50", "A1", "A2",
        "A3", "R1", "R2", "R3", "XL1", "XL2", "XL3", "XC1", "XC2", "XC3"};
    return index >= 0 && index < kLab6ClickAreas ? labels[index] : "";
}

} // namespace ohmaris
