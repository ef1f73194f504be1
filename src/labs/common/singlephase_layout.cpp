// SPDX-License-Identifier: GPL-3.0-or-later
// Single-phase AC bench geometry.
#include "labs/common/singlephase_layout.h"

#include "calc/blade.h"

#include <cmath>

namespace ohmaris {

AcGrid AcGridFor(double drawUnit, double height, double bottom, double gap)
{
    AcGrid g;
    g.u = drawUnit;
    g.h = height;
    g.x0 = 6 * drawUnit;
    g.y0 = height - bottom * drawUnit;
    g.y1 = g.y0 - gap * drawUnit;
    return g;
}

QRectF BreakerHotspot(const AcGrid &g)
{
    return {g.X(10), g.y1 - 3.6 * g.u, g.X(6), g.X(6)};
}

QRectF RegulatorHotspot(const AcGrid &g)
{
    return {g.X(18), g.Mid() - 6 * g.u, g.X(6), g.X(12)};
}

QRectF K50Hotspot(const AcGrid &g)
{
    using namespace acsupply;
    return {g.X(kK50Left), g.y1 - 2 * g.u, g.X(kK50Right - kK50Left), g.y0 - g.y1 + 4 * g.u};
}

QPointF BreakerPivot(const AcGrid &g)
{
    return {g.X(acsupply::kBreakerPivot), g.y1};
}

QPointF BreakerBladeEnd(const AcGrid &g, int state)
{
    // Along the rail when closed, turned 30 degrees up when open.
    return BladeEnd(BreakerPivot(g), acsupply::kBreakerLength * g.u, kWireRight, state);
}

QPointF VariantDigitTopLeft(int position, const QRectF &knob, const QSizeF &text)
{
    const double tw = text.width(), th = text.height();
    const double cx = knob.center().x(), cy = knob.center().y();
    switch (position) {
    case 1: return {knob.right(), knob.top() - th / 2};        // upper right
    case 2: return {cx - tw / 2, knob.top() - th};             // above
    case 3: return {knob.left() - tw, knob.top() - th / 2};    // upper left
    case 4: return {knob.left() - tw, cy - th / 2};            // left
    case 5: return {knob.left() - tw, knob.bottom() - th / 2}; // lower left
    case 6: return {cx - tw / 2, knob.bottom()};               // below
    default: return {knob.right(), knob.bottom() - th / 2};    // 7, lower right
    }
}

} // namespace ohmaris
