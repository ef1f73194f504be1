// The set-up every bench test shares: a fresh shell in English with the
// fake clock installed and one lab's window open, its timer stopped so the
// test ticks it; and the ways a student touches a bench (hotspots, knobs,
// boxes) and looks at it (the help pop-up, a picture box's pixels).
#pragma once

#include "calc/clock.h"
#include "shell/labwindow.h"

#include <QColor>
#include <QImage>
#include <QList>
#include <QPoint>
#include <QPointF>
#include <QStringList>
#include <QString>

class QLineEdit;
class QPushButton;

namespace ohmaris {
class ClickArea;

}

namespace ohmaris::test {

class BenchFixture {
public:
    // Opens lab `lab`'s window as the chooser would; the clock starts at
    // `start` seconds. Fails the test (returns nullptr) when it cannot.
    LabWindow *Open(int lab, double start = 1000.0);
    template <class W>
    W *Open(int lab, double start = 1000.0)
    {
        return static_cast<W *>(Open(lab, start));
    }
    // Every window gone, the steady clock back.
    void Close();

    FakeClock clock;
    LabWindow *window() const { return m_window; }

    // `count` ticks, the clock moving `dt` seconds before each.
    void Ticks(int count, double dt = 0.03);

    QWidget *Control(const QString &name) const;
    ohmaris::ClickArea *Area(int index) const;
    QLineEdit *Box(const QString &name) const;
    // Element `index` of the button array `row` ("Command5(2)").
    QPushButton *Button(const QString &row, int index) const;
    // A mouse click on hotspot Image1(index), on the middle of a knob's box,
    // or on any control.
    void ClickHotspot(int index, Qt::MouseButton button = Qt::LeftButton,
                   Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    void ClickKnob(const QString &box, Qt::MouseButton button = Qt::LeftButton,
                   Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    void Click(const QString &control, Qt::MouseButton button = Qt::LeftButton,
               Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    // Types keys into a box as a student would, after emptying it.
    void TypeInto(const QString &box, const QString &keys);

    // The context-help pop-up.
    bool MenuShown() const;
    void CloseMenu() const;
    // Data rows "Image1(i)" of a _data function with the columns "control"
    // and "key", one per hotspot help key.
    static void AddHotspotKeyRows(const QStringList &keys);
    // A right click on the middle of `control`, which has a tool tip: the
    // help key becomes `key` and the help pop-up opens (and is closed
    // again). Records a test failure when not.
    void RightClickForHelp(const QString &control, const QString &key);
    // A right click on the middle of a control: the help key it leaves;
    // `menu` says whether the pop-up opened (it is closed again).
    QString RightClickKey(const QString &control, bool *menu);

    // What a picture box shows now.
    QImage Grab(const QString &control) const;
    static bool IsRed(const QColor &c) { return c.red() > 200 && c.green() < 128 && c.blue() < 128; }
    // Whether the schematic (Picture1) shows a red blade from `pivot` to
    // `end` (twips): its middle is red.
    bool BladeRed(QPointF pivot, QPointF end) const;
    // The smallest rectangle holding every pixel that differs between two
    // pictures of the same size; empty when none does.
    static QRect ChangedArea(const QImage &before, const QImage &after);
    // The pixels in which two pictures of one box differ.
    static QList<QPoint> ChangedPixels(const QImage &before, const QImage &after);
    // Every text a student can read besides the drawings: the window title,
    // tool tips, and the texts of labels, buttons and boxes.
    QStringList VisibleTexts() const;

private:
    LabWindow *m_window = nullptr;
};

} // namespace ohmaris::test
