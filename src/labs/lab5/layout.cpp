// Lab 5 schematic geometry.
#include "labs/lab5/layout.h"

#include "calc/phasor.h"

#include <cmath>

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
    r[0] = QRectF(10 * u, H - 43.6 * u, 6 * u, 6 * u);
    for (int k = 0; k < 4; ++k)
        r[std::size_t(1 + k)] = QRectF(38 * u, g.Row(k) - 4 * u, 6 * u, 6 * u);
    r[5] = QRectF(24 * u, H - 42 * u, 10 * u, 24 * u);
    for (int k = 0; k < 3; ++k) {
        const double y = g.Row(k);
        r[std::size_t(6 + k)] = QRectF(48 * u, y - 1.6 * u, 8 * u, 3.2 * u);
        r[std::size_t(9 + k)] = QRectF(60 * u, y - 2.4 * u, 12 * u, 2.8 * u);
        r[std::size_t(12 + k)] = QRectF(74.8 * u, y - 8 * u / 3, 4 * u, 16 * u / 3);
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

QPointF Lab5BladeEnd(QPointF pivot, double length, int state)
{
    const double a = (1 - state) * kPi / 6;
    return {pivot.x() - length * std::cos(a), pivot.y() - length * std::sin(a)};
}

} // namespace ohmaris
