// SPDX-License-Identifier: GPL-3.0-or-later
// Screen scaling of the lab windows: every control is designed for a
// 1024 x 768 screen (15360 x 11520 twips) and rescaled at load by one factor,
// the smaller of the screen's two ratios to the design one, so a bench keeps
// its proportions on any screen and is centred in it. The rule goes by the
// control's name prefix, with a few per-window variants (the lab's entry
// names its ScalingVariant, labs/labentry.h); it is a pure function so the
// arithmetic can be checked without a window.
#pragma once

#include "labs/labentry.h"

#include <QRectF>
#include <QString>

namespace ohmaris {

constexpr double kDesignWidthTwips = 15360.0;
constexpr double kDesignHeightTwips = 11520.0;

// The factors of the scaling pass. Both are the one factor of the screen
// (a bench stretched by two would lose its schematic's top or bottom: the
// schematics take their grid from the width alone); they stay two fields so
// the rule reads as the windows apply it.
struct ScaleFactors {
    float ScaleX = 1.0f;
    float ScaleY = 1.0f;
};

// The smaller of screen width / 15360 and screen height / 11520, in both
// fields: 4:3 screens scale as before, wider or taller ones are filled in
// one direction and leave a margin in the other.
ScaleFactors ScreenScale(double screenWidthTwips, double screenHeightTwips);

// Where the scaled design screen lies on the screen (twips): centred, the
// spare width or height shared equally by both sides.
QRectF BenchArea(double screenWidthTwips, double screenHeightTwips, ScaleFactors factors);

// The largest factor at which the part of the design screen a bench uses,
// from its top-left corner to `usedTwips`' bottom-right one, stands whole in
// a window's room for the bench (twips): for a desktop that gives a
// maximised window less than the screen (its panels, a title bar).
float FitScale(double roomWidthTwips, double roomHeightTwips, const QRectF &usedTwips);

struct ScaledControl {
    bool skipped = false;  // timers and menus are left alone
    QRectF rect;           // twips
    double fontSize = 0.0; // points (0 when the control has none)
};

ScaledControl ScaleControl(const QString &name, const QRectF &designTwips, double fontSize,
                           ScaleFactors factors, ScalingVariant variant);

} // namespace ohmaris
