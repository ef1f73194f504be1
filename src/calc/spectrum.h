// SPDX-License-Identifier: GPL-3.0-or-later
// An amplitude spectrum as data and as geometry: for each frequency present
// in a non-sinusoidal supply, the amplitude of the sources' EMF and of the
// load voltage at that frequency, and the bars that show them on a grid of
// divisions. Pure, like the phasor diagram's layout; src/diagrams paints it.
#pragma once

#include <QRectF>
#include <QString>
#include <vector>

namespace ohmaris {

struct SpectrumLine {
    double multiple = 1;        // the frequency as a multiple of 50 Hz
    QString sources;            // the sources at this frequency, "E2" or "E1+E2"
    double sourceAmplitude = 0; // V, of their EMFs together
    double loadAmplitude = 0;   // V, of the load voltage at this frequency
};

struct Spectrum {
    int lab = 0;
    std::vector<SpectrumLine> lines; // rising frequency
};

struct SpectrumLayout {
    int divisions = 5;           // the grid's height in divisions
    double voltsPerDivision = 1;
    // Per line, its two bars: x in slots (line i takes [i, i + 1]), y in
    // divisions upwards from 0.
    std::vector<QRectF> sourceBars;
    std::vector<QRectF> loadBars;
};

// The bars of every line, on the nicest scale (NiceScale) that keeps the
// tallest within `divisions`.
SpectrumLayout LayOutSpectrum(const Spectrum &spectrum, int divisions = 5);

} // namespace ohmaris
