// Screen scaling of the lab windows: every control is designed for a
// 1024 x 768 screen (15360 x 11520 twips) and rescaled at load by the ratio of
// the real screen to the design one. The rule goes by the control's name
// prefix, with a few per-window variants (the lab's entry names its
// ScalingVariant, labs/labentry.h); it is a pure function so the arithmetic
// can be checked without a window.
#pragma once

#include "labs/labentry.h"

#include <QRectF>
#include <QString>

namespace ohmaris {

constexpr double kDesignWidthTwips = 15360.0;
constexpr double kDesignHeightTwips = 11520.0;

struct ScaleFactors {
    float ScaleX = 1.0f;
    float ScaleY = 1.0f;
};

ScaleFactors ScreenScale(double screenWidthTwips, double screenHeightTwips);

struct ScaledControl {
    bool skipped = false;  // timers and menus are left alone
    QRectF rect;           // twips
    double fontSize = 0.0; // points (0 when the control has none)
};

ScaledControl ScaleControl(const QString &name, const QRectF &designTwips, double fontSize,
                           ScaleFactors factors, ScalingVariant variant);

} // namespace ohmaris
