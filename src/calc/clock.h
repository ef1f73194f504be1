// The one time source of the program: monotonic seconds as a double.
// Models never read a clock; windows ask the clock they were given, so tests
// can drive the breaker delay, the transients and the sweep without waiting.
#pragma once

#include <chrono>

namespace ohmaris {

class Clock {
public:
    virtual ~Clock() = default;
    // Seconds on a monotonic scale. Never 0, so 0 can mean "not started".
    virtual double now() const = 0;
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

// Clock that moves only when told to.
class FakeClock final : public Clock {
public:
    explicit FakeClock(double start = 1000.0) : m_now(start) {}
    double now() const override { return m_now; }
    void set(double t) { m_now = t; }
    void advance(double dt) { m_now += dt; }

private:
    double m_now;
};

// The program-wide clock: a steady one unless a test installs its own.
Clock &appClock();
void setAppClock(Clock *clock); // nullptr restores the steady clock

} // namespace ohmaris
