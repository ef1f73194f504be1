// SPDX-License-Identifier: GPL-3.0-or-later
// Spectrum layout: the scale and the bars.
#include "calc/spectrum.h"

#include "calc/phasordiagram.h"

#include <algorithm>

namespace ohmaris {

namespace {
// Where a line's two bars sit within its slot.
constexpr double kSourceLeft = 0.14, kLoadLeft = 0.52, kBarWidth = 0.34;
} // namespace

SpectrumLayout LayOutSpectrum(const Spectrum &spectrum, int divisions)
{
    SpectrumLayout layout;
    layout.divisions = std::max(1, divisions);
    double tallest = 0;
    for (const SpectrumLine &line : spectrum.lines)
        tallest = std::max({tallest, line.sourceAmplitude, line.loadAmplitude});
    layout.voltsPerDivision = NiceScale(tallest / layout.divisions);
    for (std::size_t i = 0; i < spectrum.lines.size(); ++i) {
        const SpectrumLine &line = spectrum.lines[i];
        const double x = double(i);
        layout.sourceBars.emplace_back(x + kSourceLeft, 0.0, kBarWidth, line.sourceAmplitude / layout.voltsPerDivision);
        layout.loadBars.emplace_back(x + kLoadLeft, 0.0, kBarWidth, line.loadAmplitude / layout.voltsPerDivision);
    }
    return layout;
}

} // namespace ohmaris
