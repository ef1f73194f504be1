// SPDX-License-Identifier: GPL-3.0-or-later
// The random-input driver: works the whole program in process, headless,
// with a seeded stream of clicks, keys, menu commands and waits (or, keys
// only, with the keys a student without a mouse has), and checks
// after every input and every timer tick what must always hold: meters,
// knobs and displays showing sound values, every model result finite, no
// recomputation left pending past a tick, no Qt warning, the clipboard
// untouched. The windows run on a fake clock that the driver moves, so one
// seed always gives the same run and a failure replays from its seed and
// event number.
#pragma once

#include "calc/clock.h"

#include <QPointer>
#include <QSet>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <random>
#include <vector>

class QWidget;

namespace ohmaris {
class LabWindow;
}

namespace ohmaris::monkey {

struct Options {
    std::uint64_t seed = 1;
    long events = 10000;
    // Name of the one lab window to work (one of LabWindowNames()), or
    // empty for the whole program (the chooser picks among every lab).
    QString window;
    // Events from this number on are printed as they are made.
    long traceFrom = -1;
    // Only keys: Tab and Shift+Tab, Space and Enter, the arrows, Home and
    // End, the menu key and Shift+F10, typing into boxes, F1, F12, F10 and
    // Esc, over every window; never the mouse, never a menu item triggered
    // from outside.
    bool keysOnly = false;
};

// What a keyboard-only run reached: the controls Tab stops at in the lab
// windows it showed ("Form2/Image1(0)"), those the focus came to, and
// those a key worked while they had the focus.
struct KeyboardReach {
    QSet<QString> controls;
    QSet<QString> reached;
    QSet<QString> operated;
};

// The lab windows of the lab table by name ("Form1", "Form2", ...), in
// the order of the table.
QStringList LabWindowNames();
// The number of the lab whose window is named `window`; 0 for none.
int LabOfWindow(const QString &window);

struct Failure {
    long event = 0;
    QString what;
};

class Monkey {
public:
    explicit Monkey(Options options);
    ~Monkey();
    Monkey(const Monkey &) = delete;
    Monkey &operator=(const Monkey &) = delete;

    // Makes every event and returns the number of failures. Each failure
    // is printed with the command line that replays it; after a failure
    // the program starts afresh and the run goes on.
    int Run();

    // Called after every event with its number, before the checks (a test
    // plants a fault here to see that the checks find it).
    std::function<void(long event)> afterEvent;
    // Where the driver's lines go (stdout unless set).
    std::function<void(const QString &line)> print;

    const std::vector<Failure> &failures() const { return m_failures; }
    const KeyboardReach &keyboardReach() const { return m_reach; }
    long eventsDone() const { return m_done; }
    double seconds() const { return m_seconds; }
    // The command line that replays the run up to event `event`.
    QString ReplayCommand(long event) const;

    // Resident memory of this process in KiB (0 where it cannot be read).
    static long ResidentKiB();
    // What the program's allocations hold, in KiB (the C library's count).
    static long HeapInUseKiB();

private:
    void Start();
    void Stop();
    QString Event();
    QString ChooserEvent();
    QString LabEvent(LabWindow *lab);
    QString PopupEvent(QWidget *popup);
    QString HelpEvent(QWidget *help);
    QString AboutEvent(QWidget *about);
    QString Wait(LabWindow *lab);
    // The keyboard-only events.
    QString KeyEvent();
    QString ChooserKey();
    QString LabKey(LabWindow *lab);
    QString PopupKey(QWidget *popup);
    QString Key(QWidget *target, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
                const QString &text = QString());
    // Notes the lab's Tab stops and where the focus is.
    void NoteReach(LabWindow *lab);
    // What must hold of the keyboard focus in a lab window.
    void CheckFocus(LabWindow *lab);
    QString Click(QWidget *w, bool allowDouble);
    QString TypeKey(QWidget *target);
    // One tick after `seconds` (0: the window's timer interval).
    void Tick(LabWindow *lab, double seconds = 0);
    void Settle();
    void Check(const char *when);
    void Fail(const QString &what);
    LabWindow *ShownLab() const;

    int Below(int n);
    bool Chance(int percent);

    Options m_options;
    int m_lab = 0; // the one lab of --window, else 0
    std::mt19937_64 m_random;
    FakeClock m_clock{1000.0};
    QString m_clipboard;
    std::vector<Failure> m_failures;
    QStringList m_pending; // what failed in the present event
    long m_event = 0;
    long m_done = 0;
    double m_seconds = 0;
    // Ticks in a row after which the ticked bench still had a recomputation due.
    const LabWindow *m_pendingLab = nullptr;
    int m_pendingTicks = 0;
    KeyboardReach m_reach;
};

} // namespace ohmaris::monkey
