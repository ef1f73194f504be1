// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing of the lab 1 bench: the DC schematic with its switches and the
// voltmeter where the selector puts it, and the selector panel's captions.
#pragma once

#include "labs/lab1/layout.h"
#include "labs/lab1/model.h"

#include <QColor>
#include <QFont>
#include <QRectF>
#include <array>
#include <cstdint>

class QPainter;

namespace ohmaris {

// The schematic: `switches` are S1..S5 and the selector position.
void DrawLab1Schematic(QPainter &p, const Lab1Sheet &s, const std::array<std::int16_t, 6> &switches,
                       const QFont &font, double points, const QColor &background);
// The selector panel: "ab", "ad", "bd", "cb", "cd" around the knob (twips).
void DrawLab1SelectorPanel(QPainter &p, const QSizeF &panel, const QRectF &knob, const QFont &font, double points,
                           const QColor &background);

} // namespace ohmaris
