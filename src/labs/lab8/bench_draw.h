// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing of the lab 8 bench: the schematic of the sources, the filter and
// the load with its red switch blades, the oscilloscope screen and the
// instrument housings' titles. Each function paints a whole picture box.
#pragma once

#include "labs/lab8/layout.h"
#include "labs/lab8/model.h"

#include <QColor>
#include <QFont>
#include <QSizeF>
#include <QString>
#include <array>
#include <cstdint>

class QPainter;

namespace ohmaris {

// The schematic, in the box's twips (the painter is in pixels); `points`
// is the label font size.
void DrawLab8Schematic(QPainter &p, QSizeF boxTwips, double v, const Lab8Anchors &anchors,
                       const std::array<std::int16_t, kLab8Slots> &switches, const QFont &font, double points,
                       const QColor &back);

// The screen of widthPx x heightPx: a 12 x 12 grid, and while the
// oscilloscope is on the axes and the load voltage, one period over ten
// divisions, drawn three times side by side.
constexpr int kLab8ScreenDivisions = 12;
void DrawLab8Screen(QPainter &p, double widthPx, double heightPx,
                    const std::array<float, Lab8Model::kSamples> &wave, double voltsPerDivision, bool on);

// How a housing's title goes on: the tip's text from its fifth character,
// then `unit`, the subscript one point smaller and a quarter text height
// lower, and the sign of alternating current if `tilde`. `centring` is the
// ending the title is centred with.
struct HousingTitle {
    QString unit;
    QString centring;
    QString subscript;
    bool tilde = false;
};
// A housing of `twips` with its title from `tip`.
void DrawLab8Housing(QPainter &p, QSizeF twips, const QString &tip, const HousingTitle &title, const QFont &font,
                     double points);

} // namespace ohmaris
