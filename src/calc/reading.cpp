// SPDX-License-Identifier: GPL-3.0-or-later
// A pointer meter's reading, from its scale and its range.
#include "calc/reading.h"

#include <algorithm>
#include <cmath>

namespace ohmaris {

InstrumentReading MeterReadingAt(double position, double min, double max, double smallchange, double klass,
                                 double range, const QString &unit)
{
    // Units per scale unit: the range spread over the scale's divisions up
    // to its upper end. A scale without a positive upper end, or without a
    // range, reads in its own units.
    const double perDivision = range > 0.0 && max > 0.0 ? range / max : 1.0;
    InstrumentReading r;
    r.kind = InstrumentReading::Kind::Meter;
    r.unit = unit;
    r.value = position * perDivision;
    r.range = max * perDivision;
    r.resolution = smallchange * perDivision;
    r.error = klass * std::max(std::fabs(min), std::fabs(max)) * perDivision / 100.0;
    return r;
}

} // namespace ohmaris
