// Supply protection of the AC benches: the breaker opens at once above the
// instant threshold, or when the current has stayed above the delayed
// threshold for more than 8 seconds. Times come from the window's clock.
#pragma once

#include <cstdint>

namespace ohmaris {

struct SupplyProtection {
    static constexpr float kDelayedLimit = 5.0f;   // A
    static constexpr float kInstantLimit = 15.0f;  // A
    static constexpr float kDelaySeconds = 8.0f;

    std::int16_t OverloadFlag = 0;
    double OverloadStart = 0.0; // 0: no overload running

    // End of a recomputation: note whether the protected current is an
    // overload and when the overload began.
    void NoteCurrent(float protectedCurrent, double now)
    {
        OverloadFlag = protectedCurrent > kDelayedLimit ? 1 : 0;
        if (OverloadStart == 0.0 && OverloadFlag == 1)
            OverloadStart = now;
    }

    // Every tick: true when the breaker must open. Forgets the overload
    // clock once the current is back within limits.
    bool Check(float protectedCurrent, double now)
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
