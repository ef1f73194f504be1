// SPDX-License-Identifier: GPL-3.0-or-later
// Phasor diagrams as data and as geometry. An AC model lists the phasors of
// its last computation (supply, element and branch voltages, currents), each
// with its symbol and what it is; the layout turns them into arrows on a
// grid of divisions, voltages and currents each on a scale of its own, and
// places the labels. Both are pure: the drawing (src/diagrams) only paints
// what the layout gives, and tests check the layout against the model.
#pragma once

#include "calc/phasor.h"

#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <vector>

namespace ohmaris {

struct NamedPhasor {
    enum class Kind { Voltage, Current };

    // As drawn: a letter and an optional subscript after '_' ("U_AB").
    QString symbol;
    // What it is, in English; a translation source text in the context
    // "PhasorDiagram" (marked with QT_TRANSLATE_NOOP where it is written).
    const char *meaning = "";
    Kind kind = Kind::Voltage;
    Phasor value;
    // The arrow starts at the tip of phasor `tail` (an index into the same
    // diagram), or at the origin when -1: a component drawn where it adds
    // up, or a load voltage drawn from a displaced star point.
    int tail = -1;
    // A construction line (a component of another phasor): drawn dashed.
    bool component = false;
};

struct PhasorDiagram {
    int lab = 0;
    std::vector<NamedPhasor> phasors;
    // Which phasor lies at angle 0, in English; a translation source text in
    // the context "PhasorDiagram", like the meanings.
    const char *reference = "";

    // Appends a phasor; returns its index (for a later one's tail).
    int Add(NamedPhasor::Kind kind, const QString &symbol, const char *meaning, Phasor value, int tail = -1,
            bool component = false);
    bool empty() const { return phasors.empty(); }
};

// A phasor as x + jy, with the angle in radians from the real axis.
QPointF PhasorPoint(Phasor p);

// The smallest value of the series 1, 1.5, 2, 2.5, 3, 4, 5, 6, 8, 10, 15,
// ... that is at least `atLeast` (and 1 for nothing to show).
double NiceScale(double atLeast);

struct PhasorArrow {
    bool drawn = false; // false for a zero phasor: no arrow, no label
    QPointF tail;       // in divisions, y up, the origin at (0, 0)
    QPointF tip;
    QRectF label;       // where its label goes, in divisions, y up
};

struct PhasorLayout {
    int divisions = 5;      // the grid reaches this many divisions from the origin
    double voltsPerDivision = 1;
    double ampsPerDivision = 1;
    std::vector<PhasorArrow> arrows; // one per phasor of the diagram, in its order
};

// Every arrow of `diagram` on the grid, voltages and currents each on the
// nicest scale that keeps all of them within `divisions` of the origin.
// `labelSizes` (one per phasor, in divisions) are the sizes of the labels as
// the drawing will set them; a label goes beyond its arrow's tip (beside the
// middle of a component) and steps aside from the labels placed before it
// and from the other arrows.
// `reserved` are places (in divisions) no label may cover, such as the
// captions of the axes.
PhasorLayout LayOutPhasors(const PhasorDiagram &diagram, const std::vector<QSizeF> &labelSizes, int divisions = 5,
                           const std::vector<QRectF> &reserved = {});

// An angle in degrees within (-180, 180], for labels.
double DisplayDegrees(double radians);

} // namespace ohmaris
