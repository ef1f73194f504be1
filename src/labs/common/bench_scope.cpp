// SPDX-License-Identifier: GPL-3.0-or-later
// Oscilloscope screen grid and instrument housings.
#include "labs/common/bench_scope.h"

#include <QColor>
#include <QPainter>
#include <QPen>

namespace ohmaris {

void DrawScopeGrid(QPainter &p, double widthPx, double heightPx, int divisions)
{
    p.fillRect(QRectF(0, 0, widthPx, heightPx), QColor(40, 70, 40));
    const double dx = widthPx / divisions, dy = heightPx / divisions;
    p.setPen(QPen(QColor(50, 80, 50), 1));
    for (int k = 0; k < divisions; ++k) {
        p.drawLine(QPointF(0, k * dy), QPointF(widthPx, k * dy));
        p.drawLine(QPointF(k * dx, 0), QPointF(k * dx, heightPx));
    }
}

void DrawInstrumentHousing(QPainter &p, QSizeF twips)
{
    const double W = twips.width(), H = twips.height();
    p.fillRect(QRectF(0, 0, W, H), QColor(150, 130, 120));
    // The edge lines lie on the housing's edges: only their inner halves
    // belong to the housing.
    p.save();
    p.setClipRect(QRectF(0, 0, W, H), Qt::IntersectClip);
    p.setPen(QPen(Qt::white, 15));
    p.drawLine(QPointF(0, 0), QPointF(0, H));
    p.drawLine(QPointF(0, 0), QPointF(W, 0));
    p.setPen(QPen(Qt::black, 45));
    p.drawLine(QPointF(W, H), QPointF(0, H));
    p.drawLine(QPointF(W, H), QPointF(W, 0));
    p.restore();
}

} // namespace ohmaris
