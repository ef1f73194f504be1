// SPDX-License-Identifier: GPL-3.0-or-later
// The one time source of the program: monotonic seconds as a double, and
// the date and time of day a person reads (a protocol row's time, a printed
// page's date). Models never read a clock; windows ask the clock they were
// given, so tests can drive the breaker delay, the transients and the sweep
// without waiting, and fix the time of day a protocol records.
#pragma once

#include <QDateTime>
#include <chrono>
#include <cmath>

namespace ohmaris {

class Clock {
public:
    virtual ~Clock() = default;
    // Seconds on a monotonic scale. Never 0, so 0 can mean "not started".
    virtual double now() const = 0;
    // The local date and time of day, for what a person reads; nothing is
    // timed by it (it may jump). The system's, unless a clock says else.
    virtual QDateTime dateTime() const { return QDateTime::currentDateTime(); }
};

// Steady clock, counted from a fixed base a little above zero.
class SteadyClock final : public Clock {
public:
    SteadyClock() : m_start(std::chrono::steady_clock::now()) {}
    double now() const override
    {
        const std::chrono::duration<double> d = std::chrono::steady_clock::now() - m_start;
        return kBase + d.count();
    }

private:
    static constexpr double kBase = 1.0;
    std::chrono::steady_clock::time_point m_start;
};

// Clock that moves only when told to. Its date and time of day move with
// it, from a fixed local date and time at its start (setDateTime moves it).
class FakeClock final : public Clock {
public:
    explicit FakeClock(double start = 1000.0) : m_now(start), m_wallAt(start) {}
    double now() const override { return m_now; }
    void set(double t) { m_now = t; }
    void advance(double dt) { m_now += dt; }

    QDateTime dateTime() const override
    {
        return m_wall.addMSecs(std::llround((m_now - m_wallAt) * 1000.0));
    }
    // The date and time of day now; later ones follow the clock.
    void setDateTime(const QDateTime &t)
    {
        m_wall = t;
        m_wallAt = m_now;
    }

private:
    double m_now;
    double m_wallAt;
    QDateTime m_wall{QDate(2025, 3, 14), QTime(10, 0)};
};

// The program-wide clock: a steady one unless a test installs its own.
Clock &appClock();
void setAppClock(Clock *clock); // nullptr restores the steady clock

} // namespace ohmaris
