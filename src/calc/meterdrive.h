// SPDX-License-Identifier: GPL-3.0-or-later
// The pointer drive of every bench: on each tick a meter's value moves a
// fifth of the way to its target, the target being the reading in scale
// divisions. One function for every meter, so all pointers glide alike.
#pragma once

namespace ohmaris {

// One tick of a pointer: value + 0.2 x (target - value), worked in double
// and stored as the meter's 32-bit value.
constexpr float MeterStep(float value, double target)
{
    return float(double(value) + 0.2 * (target - double(value)));
}

// A reading in divisions of a scale with `divisions` at full range `range`
// (100 divisions for ammeters, 150 for voltmeters and wattmeters).
constexpr double ScaleDivisions(double reading, double divisions, double range)
{
    return reading * divisions / range;
}

} // namespace ohmaris
