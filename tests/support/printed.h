// SPDX-License-Identifier: GPL-3.0-or-later
// Comparing a computed value with a figure as it is printed (in a table of
// expected readings): within half a unit of the figure's last digit.
#pragma once

#include <QString>
#include <source_location>

namespace ohmaris::test {

// True when `value` matches the printed figure: within half a unit of its
// last digit, or a whole unit when the figure ends in "*" (a value on a
// rounding boundary). "0" is an exact zero, "~0" zero up to 32-bit rounding,
// "-" or an empty text a figure not given. On a mismatch `why` says so.
bool MatchesPrinted(double value, QString printed, QString *why = nullptr);

// Whether `value` lies within `tolerance` of `target`.
inline bool Near(double value, double target, double tolerance)
{
    return value - target <= tolerance && target - value <= tolerance;
}

// Records a test failure naming `what` when the value does not match, at
// the caller's file and line (a helper that calls it passes its own
// caller's `where` on).
void CheckPrinted(const char *what, double value, const QString &printed,
                  std::source_location where = std::source_location::current());

} // namespace ohmaris::test
