// SPDX-License-Identifier: GPL-3.0-or-later
// Program-wide clock selection.
#include "calc/clock.h"

namespace ohmaris {

namespace {
SteadyClock &steadyClock()
{
    static SteadyClock clock;
    return clock;
}
Clock *g_clock = nullptr;
} // namespace

Clock &appClock()
{
    return g_clock ? *g_clock : steadyClock();
}

void setAppClock(Clock *clock)
{
    g_clock = clock;
}

} // namespace ohmaris
