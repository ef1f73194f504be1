// SPDX-License-Identifier: GPL-3.0-or-later
// The drawing vocabulary of every schematic: wires, junction dots,
// terminals, resistor boxes, coil turns, capacitor plates, meter circles,
// labels with subscripts and red switch blades. Schematics are drawn in the
// picture box's own twips, y growing downwards; a Schematic sets the painter
// up for that and draws each element the same way on every bench.
#pragma once

#include "calc/blade.h"

#include <QColor>
#include <QFont>
#include <QPen>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <initializer_list>

class QPainter;

namespace ohmaris {

// Sets the painter up to draw in the widget's twips (15 per pixel).
void BeginTwips(QPainter &p);

// A font of `points` expressed in twips for a painter set up by BeginTwips
// (one point is 20 twips on the design screen).
QFont TwipsFont(const QFont &base, double points);

// A letter with its index: the letter in the font of `points`, the index 2
// points smaller and a quarter of its own text height lower. `topLeft` is the
// letter's top-left corner. Returns the size of the whole label.
QSizeF SubscriptLabelSize(const QFont &base, double points, const QString &letter, const QString &index);
QSizeF DrawSubscriptLabel(QPainter &p, QPointF topLeft, const QFont &base, double points, const QString &letter,
                          const QString &index);

// Wire pen of a bench's schematics: two pixels wide in black; the ends and
// corners are a bench's choice.
struct WireStyle {
    Qt::PenCapStyle cap = Qt::FlatCap;
    Qt::PenJoinStyle join = Qt::MiterJoin;
};

inline constexpr double kWireWidth = 2 * 15.0; // two pixels, in twips
inline const QColor kBladeColour(255, 0, 0);

// Which half of a circle a coil turn is.
enum class TurnSide {
    Upper, // along a horizontal wire, bulging upwards
    Right, // along a vertical wire, bulging to the right
};

class Schematic {
public:
    // Saves the painter, fills `area` (twips) with `background`, and sets up
    // twips, antialiasing, the wire pen and the label font.
    Schematic(QPainter &p, const QRectF &area, const QColor &background, const QFont &font, double points,
              WireStyle style = {});
    // A schematic on a painter already set up in twips: draws with the wire
    // pen and the font, filling nothing.
    Schematic(QPainter &p, const QFont &font, double points, WireStyle style = {});
    ~Schematic();
    Schematic(const Schematic &) = delete;
    Schematic &operator=(const Schematic &) = delete;

    QPainter &painter() { return m_p; }
    const QFont &font() const { return m_font; }
    double points() const { return m_points; }
    QPen wirePen() const { return m_pen; }

    void Wire(QPointF a, QPointF b);
    void Wire(double x1, double y1, double x2, double y2) { Wire(QPointF(x1, y1), QPointF(x2, y2)); }
    // A wire through several points.
    void Wires(std::initializer_list<QPointF> points);
    // A junction dot: a filled circle in the wire pen.
    void Dot(QPointF centre, double radius);
    // A filled dot without an outline.
    void Spot(QPointF centre, double radius);
    // An open circle: a terminal, a source, a meter.
    void Circle(QPointF centre, double radius);
    // A resistor or any rectangle.
    void Box(const QRectF &r);
    // A rectangle in a dashed thin line (the enclosure of a coil's symbols).
    void DashedBox(const QRectF &r, double width);
    // One turn of a coil: half a circle on the wire.
    void CoilTurn(QPointF centre, double radius, TurnSide side);
    // Two capacitor plates, each 2 x halfLength long, centred on `first`
    // and `second`, lying across the wire (horizontal plates on a vertical
    // wire when `horizontal`).
    void Plates(QPointF first, QPointF second, double halfLength, bool horizontal);

    // Text in the label font, by its top-left corner; its size.
    void Text(QPointF topLeft, const QString &text);
    QSizeF TextSize(const QString &text) const;
    // Text centred on a point, by the text's own height.
    void TextCentred(QPointF centre, const QString &text);

    // Labels with subscripts.
    QSizeF LabelSize(const QString &letter, const QString &index = {}) const;
    void Label(QPointF topLeft, const QString &letter, const QString &index = {});
    void LabelCentred(QPointF centre, const QString &letter, const QString &index = {});
    // Left edge at x, centred vertically on cy.
    void LabelRightOf(double x, double cy, const QString &letter, const QString &index = {});
    // Centred on cx, bottom edge at y.
    void LabelAbove(double cx, double y, const QString &letter, const QString &index = {});
    // Centred on cx, top edge at y.
    void LabelBelow(double cx, double y, const QString &letter, const QString &index = {});
    // A meter: a circle with its letter and index centred in it.
    void Meter(QPointF centre, double radius, const QString &letter, const QString &index = {});

    // A red switch blade from its pivot (see calc/blade.h for the angle).
    void Blade(QPointF pivot, double length, double wireAngle, int state,
               BladeTurn turn = BladeTurn::Counterclockwise);

private:
    QPainter &m_p;
    QFont m_font;
    double m_points;
    QPen m_pen;
};

} // namespace ohmaris
