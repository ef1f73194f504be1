// SPDX-License-Identifier: GPL-3.0-or-later
// Lab 5 schematic geometry.
#include "labs/lab5/layout.h"


namespace ohmaris {

Lab5Grid Lab5GridFor(double width, double height, double drawUnit)
{
    return Lab5Grid{width, height, drawUnit};
}

std::array<QRectF, kLab5ClickAreas> Lab5ClickAreas(const Lab5Grid &g)
{
    const double u = g.u;
    const double H = g.H;
    std::array<QRectF, kLab5ClickAreas> r;
    r[0] = ThreePhaseBreakerHotspot(u, g.Row(0));
    for (int k = 0; k < 4; ++k)
        r[std::size_t(1 + k)] = LineSwitchHotspot(g.SwitchPivot(k), u);
    r[5] = K50BlockHotspot(24 * u, g.Row(0), u);
    for (int k = 0; k < 3; ++k) {
        const BranchHotspots b = LoadBranchHotspots(48, g.Row(k), u);
        r[std::size_t(6 + k)] = b.R;
        r[std::size_t(9 + k)] = b.XL;
        r[std::size_t(12 + k)] = b.XC;
    }
    r[15] = QRectF(68 * u, H - 10.8 * u, 5.6 * u, 5.6 * u);
    r[16] = QRectF(56 * u, H - 18.8 * u, 5.6 * u, 5.6 * u);
    return r;
}

const char *Lab5ClickAreaKey(int index)
{
    if (index == 0)
        return "oSSSSS";
    if (index >= 1 && index <= 4)
        return "oS";
    if (index == 5)
        return "oK";
    if (index >= 6 && index <= 8)
        return "oR";
    if (index >= 9 && index <= 11)
        return "oL";
    if (index >= 12 && index <= 14)
        return "oC";
    if (index == 15)
        return "oV";
    if (index == 16)
        return "oA";
    return "";
}

const char *Lab5ClickAreaLabel(int index)
{
    static constexpr const char *labels[kLab5ClickAreas] = {
        "SF", "S1", "S2", "S3", "S4", "K-50", "R1", "R2", "R3", "XL1", "XL2", "XL3", "XC1", "XC2", "XC3", "V1", "A1"};
    return index >= 0 && index < kLab5ClickAreas ? labels[index] : "";
}

} // namespace ohmaris
