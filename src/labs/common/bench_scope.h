// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing shared by the oscilloscope benches (labs 7 and 8): the screen's
// dark glass with its grid, and the brown instrument housing with its
// bevelled edges.
#pragma once

#include <QSizeF>

class QPainter;

namespace ohmaris {

// A screen of widthPx x heightPx (the painter in pixels): the glass and a
// grid of `divisions` lines each way, from the top and the left edge.
void DrawScopeGrid(QPainter &p, double widthPx, double heightPx, int divisions);

// An instrument housing filling `twips` (the painter set up in twips): the
// brown face, a light edge along the left and the top, a dark one, three
// times as wide, along the bottom and the right.
void DrawInstrumentHousing(QPainter &p, QSizeF twips);

} // namespace ohmaris
