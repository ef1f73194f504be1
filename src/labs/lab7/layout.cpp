// SPDX-License-Identifier: GPL-3.0-or-later
// Lab 7 schematic grid and click areas.
#include "labs/lab7/layout.h"

namespace ohmaris {

Lab7Grid Lab7GridFor(double width, double height, double drawUnit)
{
    Lab7Grid g;
    g.W = width;
    g.H = height;
    g.u = drawUnit;
    g.a = 4 * drawUnit;
    g.b = 8 * drawUnit;
    g.yb = height - g.b;
    g.xl = 2 * g.a;
    g.xr = width - 2 * g.a;
    g.xm = (g.xr + 2 * g.a) / 2;
    return g;
}

std::array<QRectF, kLab7ClickAreas> Lab7ClickAreas(int circuit, const Lab7Grid &g)
{
    const double a = g.a, b = g.b, yb = g.yb, xm = g.xm, xr = g.xr;
    const QRectF outOfReach(g.W + 0.5 * b, yb, b, b);
    const bool rc = circuit != 2 && circuit != 3;
    const bool rl = circuit == 2;

    std::array<QRectF, kLab7ClickAreas> r;
    r[0] = QRectF(2 * a - 0.4 * b, yb - 3.75 * b, 0.75 * b, 0.75 * b);
    r[1] = QRectF(xr - 0.4 * b, yb - 3.75 * b, 0.75 * b, 0.75 * b);
    r[2] = QRectF(2 * a - 0.4 * b, yb - 1.8 * b, 0.8 * b, 0.8 * b);
    r[3] = rc ? QRectF(3 * a, 0.6 * b, 0.8 * b, 0.8 * b) : QRectF(xm - 0.4 * b, yb - 3.75 * b, 0.8 * b, 0.8 * b);
    r[4] = QRectF(xr - a - 0.8 * b, 0.6 * b, 0.8 * b, 0.8 * b);
    r[5] = rc ? QRectF(xm - 0.4 * b, yb - 3.75 * b, 0.8 * b, 0.8 * b) : QRectF(3 * a, 0.6 * b, 0.8 * b, 0.8 * b);
    r[6] = rl ? QRectF(3 * a + 1.7 * b, yb - 4 * b, 0.8 * b, 0.8 * b)
              : QRectF(xm - 2.1 * b, yb - 2.5 * b, 0.8 * b, 0.8 * b);
    if (rc)
        r[7] = QRectF(3 * a + 1.5 * b, b - a / 2, b, a);
    else if (rl)
        r[7] = QRectF(xm - a / 2, yb - 2 * b, a, b);
    else
        r[7] = QRectF(xm - 3 * b, yb - a / 2, b, a);
    r[8] = QRectF(xr - a - 2.5 * b, b - a / 2, b, a);
    r[9] = rl ? outOfReach : QRectF(xm - 0.5 * b, yb - 2.15 * b, b, 0.5 * b);
    r[10] = rc ? outOfReach : QRectF(3 * a + 1.35 * b, b - b / 3, 1.5 * b, 0.5 * b);
    return r;
}

const char *Lab7ClickAreaKey(int index)
{
    static constexpr const char *keys[kLab7ClickAreas] = {"oS", "oS", "oE", "oA", "oA", "oVV",
                                                         "oVV", "oR", "oR", "oC", "oL"};
    return index >= 0 && index < kLab7ClickAreas ? keys[index] : "";
}

const char *Lab7ClickAreaLabel(int index)
{
    static constexpr const char *labels[kLab7ClickAreas] = {"S1", "S2", "E", "A1", "A2", "A",
                                                           "V", "R1", "R2", "C", "L"};
    return index >= 0 && index < kLab7ClickAreas ? labels[index] : "";
}

} // namespace ohmaris
