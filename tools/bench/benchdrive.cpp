// SPDX-License-Identifier: GPL-3.0-or-later
// The benchmark's lab driver: inputs found on the window, ticks measured.
#include "benchdrive.h"

#include "instruments/switcher.h"
#include "labs/registry.h"
#include "shell/controls.h"
#include "shell/labwindow.h"
#include "shell/shell.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <ctime>

namespace ohmaris::bench {

namespace {

double MsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

// This thread's processor time: what a tick costs without the time other
// processes take the processor away from it.
double ThreadCpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

// Index i of a click area "Image1(i)".
int AreaIndex(const QObject *area)
{
    const QString n = area->objectName();
    const qsizetype open = n.indexOf(QLatin1Char('('));
    return open < 0 ? -1 : n.mid(open + 1, n.size() - open - 2).toInt();
}

void Key(QWidget *w, int key, const QString &text = QString())
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(w, &press);
    QApplication::sendEvent(w, &release);
}

} // namespace

PaintCounter::PaintCounter()
{
    qApp->installEventFilter(this);
}

PaintCounter::~PaintCounter()
{
    qApp->removeEventFilter(this);
}

bool PaintCounter::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Paint && watched->isWidgetType()) {
        ++events;
        for (const QRect &r : static_cast<QPaintEvent *>(event)->region())
            pixels += std::int64_t(r.width()) * r.height();
    }
    return false;
}

void Flush()
{
    QCoreApplication::sendPostedEvents();
}

void ClickMiddle(QWidget *w, bool left)
{
    if (!w)
        return;
    const Qt::MouseButton b = left ? Qt::LeftButton : Qt::RightButton;
    const QPointF c(w->width() / 2.0, w->height() / 2.0);
    const QPointF g = w->mapToGlobal(c);
    QMouseEvent press(QEvent::MouseButtonPress, c, c, g, b, b, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, c, c, g, b, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &press);
    QApplication::sendEvent(w, &release);
}

LabDriver::LabDriver(int lab)
{
    Shell::reset();
    Shell &shell = Shell::instance();
    shell.setMessagesShown(false);
    int language = 1;
    shell.LoadLanguage(language);
    setAppClock(&m_clock);
    RegisterLabWindows();
    m_window = shell.LabWindowFor(lab);
    if (!m_window)
        return;
    m_window->setTimerHeld(true);
    m_window->Show();
    QCoreApplication::processEvents();
    for (const QString &name : m_window->BusyStateControls())
        ClickMiddle(m_window->Control(name));
    Flush();
    FindInputs();
}

LabDriver::~LabDriver()
{
    Shell::reset();
    setAppClock(nullptr);
}

void LabDriver::FindInputs()
{
    if (!m_window || !m_window->form())
        return;
    QWidget *form = m_window->form();
    // The schematic's click areas in their order, then the knobs, then the
    // first parameter box.
    QList<ClickArea *> areas = form->findChildren<ClickArea *>();
    std::sort(areas.begin(), areas.end(), [](ClickArea *a, ClickArea *b) { return AreaIndex(a) < AreaIndex(b); });
    // Only the areas whose click changes the picture (a switch) are inputs;
    // a click on the others only names what help would open. Each is tried
    // once and clicked again, so the circuit is left as loaded.
    for (ClickArea *a : areas) {
        Input probe{Input::Kind::Hotspot, a, 0, {}};
        if (Apply(probe)) {
            Apply(probe);
            m_inputs.push_back({Input::Kind::Hotspot, a, 0, {}});
        }
    }
    for (QWidget *w : form->findChildren<QWidget *>())
        if (Switcher::IsKnobBox(w))
            m_inputs.push_back({Input::Kind::Knob, w, 0, {}});
    const QList<ParamBox *> boxes = form->findChildren<ParamBox *>();
    if (!boxes.isEmpty())
        m_inputs.push_back({Input::Kind::Box, boxes.first(), 0, boxes.first()->text()});
}

bool LabDriver::Apply(Input &input)
{
    QWidget *w = input.target;
    if (!w)
        return false;
    m_paints.Reset();
    switch (input.kind) {
    case Input::Kind::Hotspot:
        ClickMiddle(w);
        break;
    case Input::Kind::Knob:
        // Three positions one way, three back.
        ClickMiddle(w, (input.uses / 3) % 2 == 0);
        break;
    case Input::Kind::Box: {
        // A digit typed after the value, and taken off again; a box that
        // will not take the focus (a locked one) is left alone.
        auto *box = static_cast<ParamBox *>(w);
        box->setFocus(Qt::MouseFocusReason);
        if (QApplication::focusWidget() != box)
            break;
        box->end(false);
        if (input.uses % 2 == 0)
            Key(box, Qt::Key_5, QStringLiteral("5"));
        else if (box->text() != input.text)
            Key(box, Qt::Key_Backspace);
        break;
    }
    }
    ++input.uses;
    Flush();
    return m_paints.events > 0;
}

TickCost LabDriver::MeasuredTick(bool attribute)
{
    TickCost cost;
    m_clock.advance(m_window->timer() ? m_window->timer()->interval() / 1000.0 : 0.03);
    m_paints.Reset();
    const double cpuStart = ThreadCpuMs();
    const auto start = std::chrono::steady_clock::now();
    {
        alloc::Counting tick(attribute);
        m_window->Tick();
        cost.tickAllocs = tick.counts();
    }
    {
        alloc::Counting repaint;
        Flush();
        cost.paintAllocs = repaint.counts().total;
    }
    cost.ms = MsSince(start);
    cost.cpuMs = ThreadCpuMs() - cpuStart;
    cost.paints = m_paints.events;
    cost.pixels = m_paints.pixels;
    ++m_tick;
    return cost;
}

LabDriver::BusyTick LabDriver::Busy(bool attribute)
{
    BusyTick t;
    if (!m_window)
        return t;
    if (!m_inputs.empty() && m_tick % kInputEvery == 0) {
        Input &input = m_inputs[m_next];
        m_next = (m_next + 1) % m_inputs.size();
        const auto start = std::chrono::steady_clock::now();
        t.recomputes = Apply(input);
        t.inputMs = MsSince(start);
    }
    t.cost = MeasuredTick(attribute);
    return t;
}

TickCost LabDriver::Rest(bool attribute)
{
    return m_window ? MeasuredTick(attribute) : TickCost{};
}

int LabDriver::Settle(int limit, int quiet, int *timerRest)
{
    int still = 0;
    int settled = -1;
    if (timerRest)
        *timerRest = -1;
    for (int k = 1; k <= limit; ++k) {
        const TickCost c = Rest();
        still = c.paints == 0 && c.tickAllocs.total == 0 && c.paintAllocs == 0 ? still + 1 : 0;
        if (settled < 0 && still >= quiet)
            settled = k;
        if (timerRest && *timerRest < 0 && m_window->AtRest())
            *timerRest = k;
        if (settled >= 0 && (!timerRest || *timerRest >= 0))
            break;
    }
    return settled;
}

} // namespace ohmaris::bench
