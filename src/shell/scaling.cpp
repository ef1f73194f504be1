// SPDX-License-Identifier: GPL-3.0-or-later
// Name-prefix scaling rule of the lab windows.
#include "shell/scaling.h"

#include <algorithm>

namespace ohmaris {

ScaleFactors ScreenScale(double screenWidthTwips, double screenHeightTwips)
{
    const float scale =
        std::min(float(screenWidthTwips / kDesignWidthTwips), float(screenHeightTwips / kDesignHeightTwips));
    return {scale, scale};
}

float FitScale(double roomWidthTwips, double roomHeightTwips, const QRectF &usedTwips)
{
    if (!(usedTwips.right() > 0) || !(usedTwips.bottom() > 0))
        return 1.0f;
    return std::min(float(roomWidthTwips / usedTwips.right()), float(roomHeightTwips / usedTwips.bottom()));
}

QRectF BenchArea(double screenWidthTwips, double screenHeightTwips, ScaleFactors factors)
{
    const double width = kDesignWidthTwips * double(factors.ScaleX);
    const double height = kDesignHeightTwips * double(factors.ScaleY);
    return {(screenWidthTwips - width) / 2, (screenHeightTwips - height) / 2, width, height};
}

ScaledControl ScaleControl(const QString &name, const QRectF &designTwips, double fontSize,
                           ScaleFactors f, ScalingVariant variant)
{
    ScaledControl out;
    if (name.startsWith(QLatin1String("Timer")) || name.startsWith(QLatin1String("Mnu"))) {
        out.skipped = true;
        out.rect = designTwips;
        out.fontSize = fontSize;
        return out;
    }
    const double sx = double(f.ScaleX);
    const double sy = double(f.ScaleY);

    // Position and size are stored as 32-bit values, as the window keeps them.
    float width = float(designTwips.width() * sx);
    float height = float(designTwips.height());
    bool keepHeight = false;
    switch (variant) {
    case ScalingVariant::ThreePhase:
    case ScalingVariant::Harmonics:
        keepHeight = name.startsWith(QLatin1String("Comb"));
        break;
    case ScalingVariant::Transients:
        keepHeight = name.startsWith(QLatin1String("Combo"));
        break;
    case ScalingVariant::Plain:
        break;
    }
    if (!keepHeight)
        height = float(double(height) * sy);
    const float top = float(designTwips.top() * sy);
    const float left = float(designTwips.left() * sx);

    float font = float(fontSize);
    bool scaleFont = name.startsWith(QLatin1String("Lab")) || name.startsWith(QLatin1String("Pic"))
                     || name.startsWith(QLatin1String("Com"));
    if (variant == ScalingVariant::ThreePhase && name.startsWith(QLatin1String("Fram")))
        scaleFont = true;
    if (variant == ScalingVariant::Harmonics && name.startsWith(QLatin1String("Tex")))
        scaleFont = true;
    if (scaleFont)
        font = float(double(font) * sy);
    if (variant == ScalingVariant::ThreePhase && name.startsWith(QLatin1String("Text"))) {
        font = float(double(font) * sy);
        height = float(double(height) * sy);
    }

    out.rect = QRectF(left, top, width, height);
    out.fontSize = double(font);
    return out;
}

} // namespace ohmaris
