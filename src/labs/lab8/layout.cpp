// SPDX-License-Identifier: GPL-3.0-or-later
// Lab 8 schematic geometry.
#include "labs/lab8/layout.h"

#include "calc/blade.h"

namespace ohmaris {

float Lab8DrawUnit(double pictureWidth)
{
    return float(pictureWidth / 110.0);
}

Lab8Anchors Lab8SwitchAnchors(float drawUnit)
{
    static constexpr std::array<std::array<float, 2>, kLab8Slots> kUnits{
        {{4.5f, 15.0f}, {0.0f, 0.0f}, {42.0f, 24.5f}, {49.5f, 8.0f}, {65.5f, 8.0f}, {71.0f, 24.5f}, {93.5f, 15.0f}}};
    Lab8Anchors a;
    for (std::size_t s = 0; s < a.size(); ++s)
        if (s != 1)
            a[s] = QPointF(double(kUnits[s][0] * drawUnit), double(kUnits[s][1] * drawUnit));
    return a;
}

Lab8Blade Lab8SwitchBlade(const Lab8Anchors &anchors, double v, int slot)
{
    const QPointF a = anchors[std::size_t(slot)];
    const bool shunt = slot == 2 || slot == 5;
    if (shunt)
        return {QPointF(a.x(), a.y() + 2.5 * v), 5 * v, kWireUp};
    return {QPointF(a.x() - 2.5 * v, a.y()), 5 * v, kWireRight};
}

std::array<QRectF, kLab8ClickAreas> Lab8ClickAreas(const Lab8Anchors &anchors, double v)
{
    // From a corner in twips (off an anchor), or wholly in units.
    const auto at = [v](double x, double y, double w, double h) { return QRectF(x, y, w * v, h * v); };
    const auto units = [v](double x, double y, double w, double h) { return QRectF(x * v, y * v, w * v, h * v); };
    const QPointF s1 = anchors[2], s2 = anchors[3], s3 = anchors[4], s4 = anchors[5], s5 = anchors[6];

    std::array<QRectF, kLab8ClickAreas> r;
    r[0] = at(s1.x() - 3 * v, s1.y() - 2.5 * v, 4, 5);
    r[1] = at(s2.x() - 2.5 * v, s2.y() - 3 * v, 5, 4);
    r[2] = at(s3.x() - 2.5 * v, s3.y() - 3 * v, 5, 4);
    r[3] = at(s4.x() - 3 * v, s4.y() - 2.5 * v, 4, 5);
    r[4] = at(s5.x() - 2.5 * v, s5.y() - 3 * v, 5, 4);
    r[5] = units(31, 13, 8, 4);
    r[6] = at(s3.x() - 4.5 * v, 13 * v, 8, 4);
    r[7] = units(99, 30, 4, 8);
    r[8] = units(75, 12, 6, 6);
    r[9] = units(75, 24, 6, 6);
    r[10] = units(82.5, 32, 5, 5);
    r[11] = at(s1.x() - 3 * v, s1.y() + 6 * v, 6, 5);
    r[12] = at(s4.x() - 3 * v, s4.y() + 6 * v, 6, 5);
    r[13] = at(s2.x() - 4.5 * v, s2.y() + 3 * v, 12, 5);
    for (int k = 0; k < 4; ++k)
        r[std::size_t(14 + k)] = units(19, Lab8SourceY(k) - 3, 6, 6);
    return r;
}

const char *Lab8ClickAreaKey(int index)
{
    static constexpr const char *keys[kLab8ClickAreas] = {"oS", "oS", "oS", "oS", "oS", "oR", "oR", "oR", "oA",
                                                         "oV", "oVV", "oC", "oC", "oL", "oE", "oE", "oE", "oE"};
    return index >= 0 && index < kLab8ClickAreas ? keys[index] : "";
}

const char *Lab8ClickAreaLabel(int index)
{
    static constexpr const char *labels[kLab8ClickAreas] = {"S1", "S2", "S3", "S4", "S5", "R1",
                                                           "R", "R2", "mA", "V1", "V2", "C1",
                                                           "C2", "L", "E1", "E2", "E3", "E4"};
    return index >= 0 && index < kLab8ClickAreas ? labels[index] : "";
}

} // namespace ohmaris
