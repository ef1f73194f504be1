// SPDX-License-Identifier: GPL-3.0-or-later
// Drawings of a lab's computed state, painted with QPainter on any paint
// device (ohmaris-calc paints them into SVG files; a window could paint them
// on screen): the phasor diagram of labs 2 to 6 and the amplitude spectrum
// of lab 8. What goes where is worked out first, without painting, from the
// pure layouts of src/calc; the painting only draws it. The words come from
// the installed translator (context "PhasorDiagram"), the numbers follow
// the caption's locale.
#pragma once

#include "calc/phasordiagram.h"
#include "calc/spectrum.h"

#include <QLocale>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <vector>

class QPainter;

namespace ohmaris {

struct DiagramCaption {
    QString state;   // the state drawn, such as the inputs given ("step=12 SF=1")
    QLocale numbers; // decimal mark of the labels' numbers
};

// The page both drawings are laid out for, in pixels (at 96 dpi).
QSizeF DiagramPageSize();
// The drawings' titles, in the current language.
QString PhasorDiagramTitle(int lab);
QString SpectrumTitle(int lab);

// The phasor diagram as it will be painted on `page`: the layout in
// divisions and where the grid lies on the page.
struct PhasorPicture {
    PhasorLayout layout;
    QPointF origin;              // page position of the diagram's origin
    double pixelsPerDivision = 0;
    std::vector<QString> labels; // each phasor's label after its symbol: " = 230 V, 0°"

    // A point of the layout (divisions, y up) on the page (y down).
    QPointF ToPage(QPointF divisions) const;
};

PhasorPicture ArrangePhasorDiagram(const PhasorDiagram &diagram, const DiagramCaption &caption, const QRectF &page);
void PaintPhasorDiagram(QPainter &painter, const QRectF &page, const PhasorDiagram &diagram,
                        const DiagramCaption &caption);

// The spectrum as it will be painted: the bars' layout and where the slots
// and the zero line lie on the page.
struct SpectrumPicture {
    SpectrumLayout layout;
    QPointF zero;                // page position of slot 0 at 0 V
    double pixelsPerSlot = 0;
    double pixelsPerDivision = 0;

    QRectF ToPage(const QRectF &bar) const;
};

SpectrumPicture ArrangeSpectrum(const Spectrum &spectrum, const DiagramCaption &caption, const QRectF &page);
void PaintSpectrum(QPainter &painter, const QRectF &page, const Spectrum &spectrum, const DiagramCaption &caption);

// A number for a label: `significant` digits (all of a larger whole
// number), no grouping, the locale's decimal mark.
QString DiagramNumber(double value, int significant, const QLocale &locale);

} // namespace ohmaris
