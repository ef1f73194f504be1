// Drawing pieces every schematic shares. Schematics are drawn in the picture
// box's own twips, y growing downwards: begin with SchematicPainter, which
// scales the painter so one unit is one twip.
#pragma once

#include <QColor>
#include <QFont>
#include <QPointF>
#include <QSizeF>
#include <QString>

class QPainter;
class QWidget;

namespace ohmaris {

// Sets the painter up to draw in the widget's twips (15 per pixel).
void BeginTwips(QPainter &p);

// A font of `points` expressed in twips for a painter set up by BeginTwips
// (one point is 20 twips on the design screen).
QFont TwipsFont(const QFont &base, double points);

// Red switch blade from its pivot: length `length` at the angle
// (1 - state) x pi/6 + pi/2 from the positive x axis, upwards on the screen.
// A closed switch (1) stands vertical; an open one leans 30 degrees left.
QPointF SwitchBladeEnd(QPointF pivot, double length, int state);
void DrawSwitchBlade(QPainter &p, QPointF pivot, double length, int state, double lineWidth = 2 * 15,
                     const QColor &colour = QColor(255, 0, 0));

// A letter with its index: the letter in the font of `points`, the index 2
// points smaller and a quarter of its own text height lower. `topLeft` is the
// letter's top-left corner. Returns the size of the whole label.
QSizeF SubscriptLabelSize(const QFont &base, double points, const QString &letter, const QString &index);
QSizeF DrawSubscriptLabel(QPainter &p, QPointF topLeft, const QFont &base, double points, const QString &letter,
                          const QString &index);

} // namespace ohmaris
