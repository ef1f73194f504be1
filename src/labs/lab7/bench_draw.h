// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing of the lab 7 bench: the schematic of each circuit with its red
// switch blades, the selector panel's labels, and the oscilloscope's
// screens and front panels. Each function paints a whole picture box.
#pragma once

#include "labs/lab7/layout.h"

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QStringList>
#include <array>

class QPainter;

namespace ohmaris {

// The schematic in the box's twips (the painter is in pixels); `points` is
// the label font size.
void DrawLab7Schematic(QPainter &p, const Lab7Grid &g, int circuit, int s1, int s2, const QFont &font,
                       double points, const QColor &back);

// Selector panel: the position labels "C", "L" and "LC" left of the knob,
// whose rectangle is given in the panel's twips.
void DrawSelectorPanel(QPainter &p, QSizeF panelTwips, QRectF knobTwips, const QFont &font, double points,
                       const QColor &back);

// Over an oscilloscope screen of widthPx x heightPx (its glass and grid,
// DrawScopeGrid of the shared scope drawing, which the bench keeps as a
// picture), for a channel that is on: the zero line and the trace.
void DrawScopeTrace(QPainter &p, double widthPx, double heightPx, const std::array<float, 141> &trace,
                    double gain);

// A channel's front panel: bevel, the "On" caption above the button
// (rectangle in the panel's twips) and the two-line title.
void DrawScopePanel(QPainter &p, QSizeF panelTwips, QRectF buttonTwips, const QString &buttonCaption,
                    const QString &title1, const QString &title2, const QFont &font, double points);

} // namespace ohmaris
