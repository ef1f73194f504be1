// SPDX-License-Identifier: GPL-3.0-or-later
// What a person reads from an instrument of a bench, as data: a pointer
// meter's reading in its units at its range, with the scale's resolution
// and the error its accuracy class allows; the number a display shows; the
// position a knob stands at. Tools that record a bench or announce it read
// these, without knowing the lab.
#pragma once

#include <QString>
#include <cstdint>
#include <limits>

namespace ohmaris {

struct InstrumentReading {
    enum class Kind : std::uint8_t {
        Meter,     // a pointer meter
        Indicator, // a numeric display
        Knob,      // a rotary switch
        Switch,    // a two-way control (the K-50's power direction)
    };

    QString name; // as the bench names the instrument: "A1", "V2", "K-50 A"
    Kind kind = Kind::Meter;
    // Meter: the reading in its units. Indicator: the number it shows, NaN
    // while it shows none (dark, or an overflow's "Err"). Knob: its
    // position, 1..range. Switch: +1 or -1.
    double value = 0.0;
    QString unit; // a meter's or a display's unit ("A", "mA", "V", "W")
    // Meter: full scale in its units (the value at the scale's upper end).
    // Knob: its number of positions. Switch: 2.
    double range = 0.0;
    double resolution = 0.0; // meter: one tick step of its scale, in its units
    double error = 0.0;      // meter: class x full scale / 100, in its units

    bool showsNumber() const { return value == value; } // false for NaN
};

inline constexpr double kNoNumber = std::numeric_limits<double>::quiet_NaN();

// What a pointer at `position` (scale units) reads on a scale from `min` to
// `max` with ticks `smallchange` apart, whose upper end stands for `range`
// units (0: the scale is in its units already), of accuracy class `klass`:
// position x range / max, the tick step in units, and class x full scale /
// 100, full scale being the larger end's magnitude in units.
InstrumentReading MeterReadingAt(double position, double min, double max, double smallchange, double klass,
                                 double range, const QString &unit);

} // namespace ohmaris
