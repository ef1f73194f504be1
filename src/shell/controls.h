// SPDX-License-Identifier: GPL-3.0-or-later
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
#include <functional>
#include <vector>

class QGroupBox;
class QLabel;
class QPainter;

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
// Buttons take the focus from the keyboard (Tab) only: a click leaves the
// focus where the bench puts it.
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

// What a key does on a control of a bench, as a mouse would: Space and
// Enter press (a left click), the menu key and Shift+F10 ask for help (a
// right click); on a knob Right and Up turn it clockwise (as the right
// button does) and Left and Down anticlockwise (the left button), Home and
// End take it to its first and its last position.
enum class BenchKey { None, Press, Help, Clockwise, Anticlockwise, First, Last };
BenchKey BenchKeyOf(int key, Qt::KeyboardModifiers modifiers);

// A key press that stands for a mouse press, while its handlers run: the
// help pop-up opens at the control instead of the mouse pointer, and a
// handler that hands the focus elsewhere after a click leaves it on the
// control the keyboard is working (FocusAfterClick).
class KeyboardPress {
public:
    explicit KeyboardPress(QWidget *control);
    ~KeyboardPress();
    KeyboardPress(const KeyboardPress &) = delete;
    KeyboardPress &operator=(const KeyboardPress &) = delete;
    // The control of the key press being handled, or nullptr.
    static QWidget *Control();

private:
    QWidget *m_previous;
};

// Where a bench puts the focus after a click (a panel, the schematic);
// nothing moves while a key press is being handled.
void FocusAfterClick(QWidget *target);

// The order a person reads boxes in, as indices into `rects`: in lines
// (rows top to bottom, each left to right, for Qt::Horizontal; columns
// left to right, each top to bottom, for Qt::Vertical). A box joins the
// line begun by the first one not yet placed when it begins before that
// one's middle across the lines.
std::vector<int> ReadingOrder(const std::vector<QRectF> &rects, Qt::Orientation lines);

// The context-help key of a control, recorded where the bench gives it.
void SetHelpKey(QWidget *w, const QString &key);
QString HelpKeyOf(const QWidget *w);

// The mark of the control that has the keyboard focus: a blue frame with a
// white inner line along the control's edge, in logical pixels `width`
// wide (FocusMarkWidth: 2 on a 768-pixel screen, growing with the screen).
int FocusMarkWidth(int screenHeight);
// Draws the mark into a control's painter when the control has the focus.
void DrawFocusMark(QPainter &p, const QWidget *w);

// A bench's button (range, power, channel, pause, source): the focus comes
// from Tab only; Space and Enter press it; the menu key or Shift+F10 asks
// for its help as a right click does; it shows the focus mark. A button
// that shows a state by its colour (a chosen range, a channel or a supply
// switched on) says it with `on`, for screen readers.
class BenchButton : public QPushButton {
    Q_OBJECT
    Q_PROPERTY(bool on READ isOn WRITE setOn)
public:
    explicit BenchButton(QWidget *parent = nullptr);
    void setOn(bool on);
    bool isOn() const { return m_on; }
    // Whether the button has a state at all (setOn was called).
    bool showsState() const { return m_showsState; }

protected:
    void keyPressEvent(QKeyEvent *e) override;
    void keyReleaseEvent(QKeyEvent *e) override;
    void paintEvent(QPaintEvent *e) override;

private:
    bool m_on = false;
    bool m_showsState = false;
};
// setOn on a bench button; nothing for another button.
void SetButtonOn(QPushButton *button, bool on);

// What a click area stands for: the element's help key and its label on
// the schematic ("SF", "S1", "R3"), what the schematic shows of it besides
// ("variant 3"), and for a switch whether it is closed (1) or open (0);
// -1 for any other element.
struct Hotspot {
    QString key;
    QString label;
    QString detail;
    int closed = -1;
    bool isSwitch() const { return closed >= 0; }
};

// Transparent click area over a schematic element (`Image1`(index)): it has
// a tool tip and reports mouse presses with their button and modifiers.
// The keyboard reaches it with Tab: Space or Enter press it as the left
// button does, the menu key or Shift+F10 as the right one does.
class ClickArea : public QWidget {
    Q_OBJECT
public:
    using Describe = std::function<Hotspot()>;
    explicit ClickArea(QWidget *parent = nullptr);

    void setDescribe(Describe describe);
    Hotspot describe() const { return m_describe ? m_describe() : Hotspot{}; }
    // A press of `button` as the mouse makes it (with no modifiers).
    void Press(Qt::MouseButton button);
    // Tells a screen reader, if one listens, what changed in what the area
    // shows (a switch opened or closed, another variant) since it last did.
    void NoteChange();

Q_SIGNALS:
    void mouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers);

protected:
    void mousePressEvent(QMouseEvent *e) override;
    void mouseDoubleClickEvent(QMouseEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;
    void paintEvent(QPaintEvent *e) override;

private:
    Describe m_describe;
    int m_toldClosed = -1;
    QString m_toldDetail;
};

// The click areas `Image1`(0..n-1) of a schematic: made at every load,
// laid over their elements whenever the layout changes.
class ClickAreas {
public:
    // Creates `count` areas in `picture`; `handler(index, button,
    // modifiers)` runs on each one's mouseDown, in `receiver`'s context;
    // `describe(index)` says what area `index` stands for.
    template <class Handler>
    void Build(QWidget *picture, int count, QObject *receiver, Handler handler,
               std::function<Hotspot(int index)> describe)
    {
        m_areas.clear();
        for (int i = 0; i < count; ++i) {
            auto *area = new ClickArea(picture);
            area->setObjectName(ArrayName(QStringLiteral("Image1"), i));
            QObject::connect(area, &ClickArea::mouseDown, receiver,
                             [handler, i](Qt::MouseButton b, Qt::KeyboardModifiers m) { handler(i, b, m); });
            if (describe)
                area->setDescribe([describe, i] { return describe(i); });
            m_areas.emplace_back(area);
        }
    }
    // Places area i at twips[i] of the picture, on top of its other
    // children. An area placed outside the picture (an element the circuit
    // lacks) is out of the keyboard's reach too.
    template <class Rects>
    void Place(const Rects &twips)
    {
        std::size_t i = 0;
        for (const QRectF &r : twips) {
            if (i < m_areas.size() && m_areas[i])
                PlaceArea(m_areas[i], TwipsToPixels(r));
            ++i;
        }
        Raise();
    }
    int count() const { return int(m_areas.size()); }
    ClickArea *operator[](int i) const { return i >= 0 && i < count() ? m_areas[std::size_t(i)].data() : nullptr; }
    // NoteChange on every area.
    void NoteChanges();

private:
    static void PlaceArea(ClickArea *area, const QRect &pixels);
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
    void paintEvent(QPaintEvent *e) override;

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
    // Also records the key as the control's help key (SetHelpKey).
    static PressHelp *Install(QWidget *control, const QString &key, Pass pass);
    const QString &key() const { return m_key; }
    // The press of `button` the keyboard stands for.
    void Request(Qt::MouseButton button) { Q_EMIT helpRequested(m_key, button); }

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
