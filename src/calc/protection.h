// SPDX-License-Identifier: GPL-3.0-or-later
// Supply protection of the AC benches: the breaker opens at once above the
// instant threshold, or when the current has stayed above the delayed
// threshold for more than 8 seconds. Times come from the window's clock.
#pragma once

#include <cstdint>

namespace ohmaris {

struct SupplyProtection {
    static constexpr double kDelayedLimit = 5.0;   // A
    static constexpr double kInstantLimit = 15.0;  // A
    static constexpr double kDelaySeconds = 8.0;

    std::int16_t OverloadFlag = 0;
    double OverloadStart = 0.0; // 0: no overload running

    // The protected current is an intermediate of the models (for example
    // step x I / 12) and is compared in double, as computed: rounding it to
    // a float first could pull a current just above a limit onto it.

    // End of a recomputation: note whether the protected current is an
    // overload and when the overload began.
    void NoteCurrent(double protectedCurrent, double now)
    {
        OverloadFlag = protectedCurrent > kDelayedLimit ? 1 : 0;
        if (OverloadStart == 0.0 && OverloadFlag == 1)
            OverloadStart = now;
    }

    // Whether no overload is being timed: with the current as it is, no
    // later check can trip on the delay (the instant limit trips at the
    // first check after a computation, which asks for another one).
    bool Idle() const { return OverloadFlag == 0 && OverloadStart == 0.0; }

    // Every tick: true when the breaker must open. Forgets the overload
    // clock once the current is back within limits.
    bool Check(double protectedCurrent, double now)
    {
        bool trip = protectedCurrent > kInstantLimit;
        if (OverloadFlag == 1) {
            if (float(now) > float(OverloadStart + double(kDelaySeconds)))
                trip = true;
        } else {
            OverloadStart = 0.0;
        }
        return trip;
    }
};

} // namespace ohmaris
