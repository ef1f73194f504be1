// SPDX-License-Identifier: GPL-3.0-or-later
// The set-up every bench test shares: a fresh shell in English with the
// fake clock installed and one lab's window open, its timer held so the
// test ticks it; and the ways a student touches a bench (hotspots, knobs,
// boxes) and looks at it (the help pop-up, a picture box's pixels).
#pragma once

#include "calc/clock.h"
#include "shell/labwindow.h"

#include <QColor>
#include <QImage>
#include <QObject>
#include <QList>
#include <QPoint>
#include <QPointF>
#include <QStringList>
#include <QString>
#include <initializer_list>

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
    // Closes the window back to the chooser (checking that it unloaded),
    // lets the clock run `away` seconds and opens it again, its timer
    // held.
    void Reopen(double away = 0.0);

    FakeClock clock;
    LabWindow *window() const { return m_window; }

    // `count` ticks, the clock moving `dt` seconds before each.
    void Ticks(int count, double dt = 0.03);
    // Ticks while the next one would still come at or before `time`.
    void TicksUntil(double time, double dt = 0.03);

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
    // A single-phase bench at full voltage: the regulator at position 1
    // (228 V) with a recomputation asked for, the hotspots `closed` clicked
    // (the breaker among them), then `ticks` ticks for the pointers.
    void FullVoltage(std::initializer_list<int> closed, int ticks);
    // On a single-phase bench with an overload running: the breaker stays
    // closed through the 8 seconds of the delay and opens at the first tick
    // after them, asking for a recomputation.
    void ExpectDelayedTrip();
    // Types keys into a box as a student would, after emptying it.
    void TypeInto(const QString &box, const QString &keys);

    // The context-help pop-up.
    bool MenuShown() const;
    void CloseMenu() const;
    // The columns "control" and "key" of a _data function, and a row
    // "Image1(i)" per hotspot help key.
    static void AddHotspotKeyRows(const QStringList &keys);
    // Rows for the controls every single-phase bench has: its two meter
    // boxes (`meterKey`), a button of each range row, the K-50's power
    // direction and wattmeter.
    static void AddSinglePhaseControlRows(const QString &meterKey);
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

// The slots every bench test shares: init() opens the lab's window (then
// runs Opened()), cleanup() closes everything.
class BenchTestBase : public QObject {
    Q_OBJECT
protected:
    BenchFixture f;
    virtual bool OpenWindow() = 0;
    // What a test class does after the window opened.
    virtual void Opened() {}

private Q_SLOTS:
    void init();
    void cleanup() { f.Close(); }
};

// The base of a bench test class: the window `w` of lab `Lab`, opened with
// the clock at `StartSeconds`, and short names for what every bench test
// does.
template <class Window, int Lab, int StartSeconds = 1000>
class BenchTest : public BenchTestBase {
protected:
    Window *w = nullptr;

    bool OpenWindow() override { return (w = f.Open<Window>(Lab, StartSeconds)) != nullptr; }
    QWidget *control(const QString &name) const { return f.Control(name); }
    ohmaris::ClickArea *area(int index) const { return f.Area(index); }
    bool menuShown() const { return f.MenuShown(); }
    void closeMenu() const { f.CloseMenu(); }
    void ticks(int n) { f.Ticks(n); }
    auto &model() const { return w->Model(); }
};

} // namespace ohmaris::test
