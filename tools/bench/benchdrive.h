// SPDX-License-Identifier: GPL-3.0-or-later
// Drives one lab window the way a student keeps a bench busy, and measures
// what each timer tick costs, repaint included. The driver knows no lab: it
// finds the window's own controls (the schematic's click areas, the knobs,
// the parameter boxes) and works them in turn, one input every few ticks,
// with the buttons the window names as its busy state pressed first. The
// window runs on a fake clock that moves by the timer's interval before
// every tick, so the same inputs give the same bench on every run.
#pragma once

#include "allocations.h"
#include "calc/clock.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <cstdint>
#include <vector>

class QWidget;

namespace ohmaris {
class LabWindow;
}

namespace ohmaris::bench {

// Paint events (and the pixels they cover) delivered to widgets.
class PaintCounter : public QObject {
public:
    PaintCounter();
    ~PaintCounter() override;
    void Reset() { events = 0, pixels = 0; }
    int events = 0;
    std::int64_t pixels = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

// What one tick cost.
struct TickCost {
    double ms = 0;              // the tick and the repaint it asked for
    double cpuMs = 0;           // the same in this thread's processor time
    int paints = 0;             // paint events
    std::int64_t pixels = 0;    // pixels they covered
    alloc::Counts tickAllocs;   // allocations in the tick itself
    std::int64_t paintAllocs = 0; // allocations in the repaint
};

class LabDriver {
public:
    // Opens lab `lab` as the chooser would (English, message boxes off),
    // on a fake clock, its timer stopped: the driver ticks it.
    explicit LabDriver(int lab);
    ~LabDriver();
    LabDriver(const LabDriver &) = delete;
    LabDriver &operator=(const LabDriver &) = delete;

    LabWindow *window() const { return m_window; }
    int inputCount() const { return int(m_inputs.size()); }

    // One tick of the busy bench: every `kInputEvery` ticks the next input
    // first (its own repaint done before the tick, as the event loop does
    // it). `recomputes` tells whether the input changed what the bench
    // shows, so that this tick recomputes; `inputMs` is what the input and
    // its repaint cost (0 without one).
    struct BusyTick {
        TickCost cost;
        bool recomputes = false;
        double inputMs = 0;
    };
    static constexpr int kInputEvery = 8;
    BusyTick Busy(bool attribute = false);
    // One tick without any input.
    TickCost Rest(bool attribute = false);
    // Ticks without input until `quiet` ticks in a row neither paint nor
    // allocate; returns the ticks taken, or -1 when `limit` ticks did not
    // bring the bench to rest. With `timerRest`, goes on (within `limit`)
    // until the window says nothing is due any more, where its timer would
    // stop, and stores the ticks taken to that (-1: not within `limit`).
    int Settle(int limit, int quiet = 50, int *timerRest = nullptr);

private:
    struct Input {
        enum class Kind { Hotspot, Knob, Box } kind;
        QPointer<QWidget> target;
        int uses = 0;
        QString text; // a box's text as loaded
    };
    void FindInputs();
    // Applies an input and its repaint; true when anything was painted.
    bool Apply(Input &input);
    TickCost MeasuredTick(bool attribute);

    FakeClock m_clock;
    LabWindow *m_window = nullptr;
    PaintCounter m_paints;
    std::vector<Input> m_inputs;
    std::size_t m_next = 0;
    long m_tick = 0;
};

// Delivers every posted event, the repaint requests among them: what the
// event loop does after a tick.
void Flush();

// A left or right click (press and release) on the middle of a widget.
void ClickMiddle(QWidget *w, bool left = true);

} // namespace ohmaris::bench
