// SPDX-License-Identifier: GPL-3.0-or-later
// Lab 2 schematic geometry.
#include "labs/lab2/layout.h"

#include "calc/blade.h"

namespace ohmaris {

AcGrid Lab2Grid(double drawUnit, double height)
{
    // Bottom rail H - 8u; the top rail y0 - 2a - 1.5b with a = 4u, b = 8u.
    return AcGridFor(drawUnit, height, 8, 20);
}

std::array<QRectF, kLab2HotspotCount> Lab2Hotspots(const AcGrid &g)
{
    const double u = g.u;
    const auto at = [&](double left, double aboveBottom, double w, double h) {
        return QRectF(left * u, g.h - aboveBottom * u, w * u, h * u);
    };
    return {
        BreakerHotspot(g),        // 0 breaker "SF"
        at(90, 21, 6, 6),         // 1 bypass switch "S"
        RegulatorHotspot(g),      // 2 regulator "AT"
        K50Hotspot(g),            // 3 K-50
        at(45.3, 34, 24, 10),     // 4 coil
        at(80, 21.2, 8, 5.6),     // 5 capacitor
        at(53.2, 22.8, 5.6, 5.6), // 6 voltmeter V1
        at(73.2, 20.8, 5.6, 5.6), // 7 voltmeter V2
    };
}

QPointF BypassPivot(const AcGrid &g)
{
    return {g.X(lab2::kBypassX), g.Mid() + lab2::kBypassHalf * g.u};
}

QPointF BypassBladeEnd(const AcGrid &g, int state)
{
    return BladeEnd(BypassPivot(g), lab2::kBypassLength * g.u, kWireUp, state);
}

} // namespace ohmaris
