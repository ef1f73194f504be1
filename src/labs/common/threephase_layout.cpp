// SPDX-License-Identifier: GPL-3.0-or-later
// Three-phase schematic geometry shared by labs 5 and 6.
#include "labs/common/threephase_layout.h"

namespace ohmaris {

QRectF ThreePhaseBreakerHotspot(double u, double firstRow)
{
    return {10 * u, firstRow - 3.6 * u, 6 * u, 6 * u};
}

QRectF K50Block(double left, double firstRow, double u)
{
    return QRectF(QPointF(left, firstRow - 2 * u), QPointF(left + 10 * u, firstRow + 26 * u));
}

QRectF K50BlockHotspot(double left, double firstRow, double u)
{
    return {left, firstRow - 2 * u, 10 * u, 24 * u};
}

std::array<QPointF, 3> K50BlockMeters(const QRectF &block, double u)
{
    const double x = block.left() + 5 * u;
    return {QPointF(x, block.top() + 4.8 * u), QPointF(x, block.top() + 14 * u), QPointF(x, block.top() + 23.2 * u)};
}

QRectF LineSwitchHotspot(QPointF pivot, double u)
{
    return {pivot.x() - 6 * u, pivot.y() - 4 * u, 6 * u, 6 * u};
}

QPointF LineBladeEnd(QPointF pivot, double u, int state)
{
    // Along the row to the left when closed, raised 30 degrees when open.
    return BladeEnd(pivot, threephase::kBladeLength * u, kWireLeft, state, BladeTurn::Clockwise);
}

BranchHotspots LoadBranchHotspots(double x0, double y, double u)
{
    return {QRectF(x0 * u, y - 1.6 * u, 8 * u, 3.2 * u), QRectF((x0 + 12) * u, y - 2.4 * u, 12 * u, 2.8 * u),
            QRectF((x0 + 26.8) * u, y - 8 * u / 3, 4 * u, 16 * u / 3)};
}

} // namespace ohmaris
