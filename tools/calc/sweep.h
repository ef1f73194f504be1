// SPDX-License-Identifier: GPL-3.0-or-later
// Sweeps of ohmaris-calc: `--vary NAME=LIST` gives an input a list of
// values, and several of them give every combination. LIST is values
// separated by commas (so a value takes a decimal point, as lab 7's lists
// do) or a range START:STEP:STOP.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace ohmaris {

// No sweep runs more rows than this; a larger one is refused before any
// row is computed.
inline constexpr double kMaxSweepRows = 100000;

struct Variation {
    QString name;
    QStringList values; // texts handed to the lab, as if typed NAME=VALUE
};

// Reads "NAME=LIST". Returns an empty string, or one line naming the
// problem (a range whose values would pass kMaxSweepRows is refused before
// they are made).
QString ParseVariation(const QString &given, Variation &variation);

// The number of rows the variations make together (a double: the product
// of long lists must not overflow before it is compared).
double SweepRowCount(const std::vector<Variation> &variations);

// Walks every combination, the first variation changing slowest: the
// values of row `r` are values[index[k]] of each variation k.
class SweepCursor {
public:
    explicit SweepCursor(const std::vector<Variation> &variations);
    const std::vector<std::size_t> &index() const { return m_index; }
    // The next combination; false after the last.
    bool Next();

private:
    const std::vector<Variation> &m_variations;
    std::vector<std::size_t> m_index;
};

} // namespace ohmaris
