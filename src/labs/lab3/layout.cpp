// SPDX-License-Identifier: GPL-3.0-or-later
// Lab 3 schematic geometry.
#include "labs/lab3/layout.h"

#include "calc/blade.h"

namespace ohmaris {

AcGrid Lab3Grid(double drawUnit, double height)
{
    // Bottom rail H - 8u; the top rail y0 - 2a - 1.5b with a = 4u, b = 8u.
    return AcGridFor(drawUnit, height, 8, 20);
}

std::array<QRectF, kLab3HotspotCount> Lab3Hotspots(const AcGrid &g)
{
    const double u = g.u;
    const auto at = [&](double left, double aboveBottom, double w, double h) {
        return QRectF(left * u, g.h - aboveBottom * u, w * u, h * u);
    };
    return {
        BreakerHotspot(g),        // 0 breaker "SF"
        at(43, 26, 6, 6),         // 1 capacitor switch "S"
        RegulatorHotspot(g),      // 2 regulator "AT"
        K50Hotspot(g),            // 3 K-50
        at(57.3, 34, 24, 10),     // 4 coil
        at(61.6, 22, 6.4, 8),     // 5 capacitor
        at(50, 30.8, 5.6, 5.6),   // 6 ammeter A1
        at(50, 20.8, 5.6, 5.6),   // 7 ammeter A2
    };
}

QPointF CapacitorSwitchPivot(const AcGrid &g)
{
    using namespace lab3;
    return {g.X(kBranchX), g.y1 + (kSwitchContactDrop + kSwitchLength) * g.u};
}

QPointF CapacitorSwitchBladeEnd(const AcGrid &g, int state)
{
    return BladeEnd(CapacitorSwitchPivot(g), lab3::kSwitchLength * g.u, kWireUp, state);
}

} // namespace ohmaris
