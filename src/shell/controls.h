// Controls of the lab windows: every control carries its design geometry in
// twips (on the 1024 x 768 design screen, 15 twips per pixel) and its design
// font size, so the frame can rescale the whole window from one pass.
#pragma once

#include <QColor>
#include <QLineEdit>
#include <QPushButton>
#include <QRectF>
#include <QString>
#include <QWidget>

#include "shell/scaling.h"
#include <functional>

namespace ohmaris {

constexpr double kTwipsPerPixel = 15.0;

// "Name(index)": the object name of an element of a control array.
QString ArrayName(const QString &name, int index);

// Names the control and records its design rectangle (twips, relative to its
// parent). The widget is placed at design size until the frame rescales it.
void SetDesign(QWidget *w, const QString &name, double left, double top, double width, double height);
// Records the design font (points); the scaling pass may scale the size.
void SetDesignFont(QWidget *w, const QString &family, double points, bool bold = false);

// Creates a control of type W under `parent`, named, at its design place
// (twips, relative to the parent) and in its design font: the first steps of
// every control a bench or panel builds.
template <class W>
W *PlaceControl(QWidget *parent, const QString &name, const QRectF &twips, const QString &family, double points,
                bool bold = false)
{
    auto *w = new W(parent);
    SetDesign(w, name, twips.left(), twips.top(), twips.width(), twips.height());
    SetDesignFont(w, family, points, bold);
    return w;
}

QRectF DesignRect(const QWidget *w);       // invalid if none recorded
double DesignFontSize(const QWidget *w);   // 0 if none recorded

// Marks a control that is laid over a neighbour on purpose, such as a
// subscript set into the gap of its row's caption.
void MarkOverlay(QWidget *w);
bool IsOverlay(const QWidget *w);

// Rescales every control below `root` that has a design rectangle, by the
// name-prefix rule of the lab windows.
void ScaleDesignedControls(QWidget *root, ScaleFactors factors, ScalingVariant variant);

// Button colours of the benches: the system button face and window
// background, and a row of range buttons in which the chosen one is marked.
QColor ButtonFaceColour();
QColor WindowBackColour();
// Sets a button's background colour, drawn as a flat fill of exactly that
// colour (the style's shading would lighten it); nothing happens when it is
// unchanged.
void SetButtonColour(QPushButton *button, const QColor &colour);
// The colour last set with SetButtonColour; invalid if none was.
QColor ButtonColour(const QPushButton *button);
// The button at `index` gets `selected`, every other button of the row `other`.
template <class Row>
void HighlightRow(const Row &row, int index, const QColor &selected = QColor(255, 255, 255),
                  const QColor &other = ButtonFaceColour())
{
    int k = 0;
    for (QPushButton *b : row)
        SetButtonColour(b, k++ == index ? selected : other);
}

// Transparent click area over a schematic element (`Image1`(index)): it has
// a tool tip and reports mouse presses with their button and modifiers.
class ClickArea : public QWidget {
    Q_OBJECT
public:
    explicit ClickArea(QWidget *parent = nullptr);
    std::function<void(Qt::MouseButton, Qt::KeyboardModifiers)> onMouseDown;

protected:
    void mousePressEvent(QMouseEvent *e) override;
    void mouseDoubleClickEvent(QMouseEvent *e) override;
};

// Parameter box: only a non-negative decimal (or whole) number gets in.
// Keys go through the key filter; paste (keyboard shortcuts, middle-button
// selection paste), drop and the context menu are refused, so nothing
// reaches the box around the filter. The student's clipboard is left alone.
// Every change of the text, the program's own writes included, is reported
// by textChanged.
class ParamBox : public QLineEdit {
    Q_OBJECT
public:
    enum class Filter { Decimal, Digits };
    explicit ParamBox(QWidget *parent = nullptr, Filter filter = Filter::Decimal);
    Filter filter() const { return m_filter; }

protected:
    void keyPressEvent(QKeyEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    void contextMenuEvent(QContextMenuEvent *e) override;
    void dragEnterEvent(QDragEnterEvent *e) override;
    void dropEvent(QDropEvent *e) override;

private:
    Filter m_filter;
};

} // namespace ohmaris
