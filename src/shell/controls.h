// Controls of the lab windows: every control carries its design geometry in
// twips (on the 1024 x 768 design screen, 15 twips per pixel) and its design
// font size, so the frame can rescale the whole window from one pass. The
// factories here make every control a bench builds.
#pragma once

#include <QColor>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRectF>
#include <QString>
#include <QWidget>

#include "shell/scaling.h"

#include <array>
#include <cstddef>
#include <vector>

class QGroupBox;
class QLabel;

namespace ohmaris {

class PictureBox;

constexpr double kTwipsPerPixel = 15.0;

// Twips to the nearest whole pixels.
QRect TwipsToPixels(const QRectF &twips);

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

// The benches' controls, in their serif font.
inline const QString kBenchFont = QStringLiteral("Times New Roman");
PictureBox *MakePicture(QWidget *parent, const QString &name, const QRectF &twips, double points,
                        bool bold = false);
QLabel *MakeLabel(QWidget *parent, const QString &name, const QRectF &twips, const QString &caption,
                  double points, bool bold = false);
// Buttons take no keyboard focus: a click leaves the focus where the bench
// puts it.
QPushButton *MakeButton(QWidget *parent, const QString &name, const QRectF &twips, const QString &caption,
                        double points, bool bold = false);
QGroupBox *MakeFrame(QWidget *parent, const QString &name, const QRectF &twips, double points, bool bold = true);

QRectF DesignRect(const QWidget *w);       // invalid if none recorded
double DesignFontSize(const QWidget *w);   // 0 if none recorded

// Marks a control that is laid over a neighbour on purpose, such as a
// subscript set into the gap of its row's caption.
void MarkOverlay(QWidget *w);
bool IsOverlay(const QWidget *w);

// Marks a control its bench places itself after the scaling pass (beside an
// element of its schematic, say), not at its design rectangle scaled.
void MarkPlacedByBench(QWidget *w);
bool IsPlacedByBench(const QWidget *w);

// Rescales every control below `root` that has a design rectangle, by the
// name-prefix rule of the lab windows.
void ScaleDesignedControls(QWidget *root, ScaleFactors factors, ScalingVariant variant);

// Button colours of the benches: the system button face and window
// background, and a row of range buttons in which the chosen one is marked.
QColor ButtonFaceColour();
// System colour 10, the active window border: what an "off" button of the
// oscilloscope benches shows.
QColor ActiveBorderColour();
// A range row's colours: the chosen range white, the other ranges a grey
// dark enough for the chosen one to be seen at a glance (a contrast of
// 4.4 : 1 with the white, 3.2 : 1 with lab 7's green; the system button
// face was 1.15 : 1 with the white). Black captions read on both.
QColor SelectedRangeColour();
QColor OtherRangeColour();
// Sets a button's background colour, drawn as a flat fill of exactly that
// colour (the style's shading would lighten it); nothing happens when it is
// unchanged.
void SetButtonColour(QPushButton *button, const QColor &colour);
// The colour last set with SetButtonColour; invalid if none was.
QColor ButtonColour(const QPushButton *button);
// The button at `index` gets `selected`, every other button of the row `other`.
template <class Row>
void HighlightRow(const Row &row, int index, const QColor &selected = SelectedRangeColour(),
                  const QColor &other = OtherRangeColour())
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

Q_SIGNALS:
    void mouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers);

protected:
    void mousePressEvent(QMouseEvent *e) override;
    void mouseDoubleClickEvent(QMouseEvent *e) override;
};

// The click areas `Image1`(0..n-1) of a schematic: made at every load,
// laid over their elements whenever the layout changes.
class ClickAreas {
public:
    // Creates `count` areas in `picture`; `handler(index, button,
    // modifiers)` runs on each one's mouseDown, in `receiver`'s context.
    template <class Handler>
    void Build(QWidget *picture, int count, QObject *receiver, Handler handler)
    {
        m_areas.clear();
        for (int i = 0; i < count; ++i) {
            auto *area = new ClickArea(picture);
            area->setObjectName(ArrayName(QStringLiteral("Image1"), i));
            QObject::connect(area, &ClickArea::mouseDown, receiver,
                             [handler, i](Qt::MouseButton b, Qt::KeyboardModifiers m) { handler(i, b, m); });
            m_areas.emplace_back(area);
        }
    }
    // Places area i at twips[i] of the picture, on top of its other children.
    template <class Rects>
    void Place(const Rects &twips)
    {
        std::size_t i = 0;
        for (const QRectF &r : twips) {
            if (i < m_areas.size() && m_areas[i])
                m_areas[i]->setGeometry(TwipsToPixels(r));
            ++i;
        }
        Raise();
    }
    int count() const { return int(m_areas.size()); }
    ClickArea *operator[](int i) const { return i >= 0 && i < count() ? m_areas[std::size_t(i)].data() : nullptr; }

private:
    // Raises the areas in their order, unless they already are the
    // picture's topmost children in it: a raise repaints what lies under
    // the (transparent) area.
    void Raise();

    std::vector<QPointer<ClickArea>> m_areas;
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

ParamBox *MakeParamBox(QWidget *parent, const QString &name, const QRectF &twips, double points,
                       ParamBox::Filter filter = ParamBox::Filter::Decimal);

} // namespace ohmaris

namespace ohmaris {

// Context help on a control that is not a picture box: every press (and the
// second press of a double click) reports the control's help key with its
// button. A button still takes its left presses; every other press stops
// here, so it cannot reach the panel behind the control and set that
// panel's key instead. Lives as a child of its control.
class PressHelp : public QObject {
    Q_OBJECT
public:
    enum class Pass { LeftButton, Nothing };
    static PressHelp *Install(QWidget *control, const QString &key, Pass pass);
    const QString &key() const { return m_key; }

Q_SIGNALS:
    void helpRequested(const QString &key, Qt::MouseButton button);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    PressHelp(QWidget *control, const QString &key, Pass pass);
    QString m_key;
    Pass m_pass;
};

} // namespace ohmaris
