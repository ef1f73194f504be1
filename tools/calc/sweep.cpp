// SPDX-License-Identifier: GPL-3.0-or-later
// Sweep lists and the walk over their combinations.
#include "sweep.h"

#include "calc/labcalc.h"

#include <charconv>
#include <cmath>

namespace ohmaris {

namespace {

// Range ends and steps are rounded to this many digits when they become
// texts, so 0.1:0.1:1 gives 0.3 and not 0.30000000000000004.
constexpr int kRangeDigits = 12;
// A range's last value may fall short of STOP by this part of a step.
constexpr double kRangeSlack = 1e-9;

// A number with a decimal point, whatever the locale: a comma is never a
// decimal mark here, since it separates the values.
bool ReadNumber(const QString &text, double &value)
{
    const QByteArray bytes = text.trimmed().toUtf8();
    if (bytes.isEmpty())
        return false;
    const char *end = bytes.constData() + bytes.size();
    const std::from_chars_result r = std::from_chars(bytes.constData(), end, value);
    return r.ec == std::errc() && r.ptr == end && std::isfinite(value);
}

QString ParseRange(const QString &name, const QString &list, QStringList &values)
{
    const QStringList parts = list.split(QLatin1Char(':'));
    if (parts.size() != 3)
        return QStringLiteral("--vary %1: a range is START:STEP:STOP, got %2").arg(name, QuotedArgument(list));
    double start = 0, step = 0, stop = 0;
    for (const auto &[text, value] : {std::pair{parts[0], &start}, {parts[1], &step}, {parts[2], &stop}})
        if (!ReadNumber(text, *value))
            return QStringLiteral("--vary %1: not a number (decimal point): %2").arg(name, QuotedArgument(text));
    if (step == 0.0)
        return QStringLiteral("--vary %1: the step of %2 is 0").arg(name, QuotedArgument(list));
    const double steps = (stop - start) / step;
    if (steps < -kRangeSlack)
        return QStringLiteral("--vary %1: the step of %2 leads away from STOP").arg(name, QuotedArgument(list));
    const double count = std::floor(steps + kRangeSlack) + 1;
    if (!(count <= kMaxSweepRows))
        return QStringLiteral("--vary %1: %2 makes %3 values, more than %4")
            .arg(name, QuotedArgument(list), QString::number(count, 'g', 6), QString::number(kMaxSweepRows));
    for (int i = 0; i < int(count); ++i)
        values << QString::number(start + double(i) * step, 'g', kRangeDigits);
    return {};
}

} // namespace

QString ParseVariation(const QString &given, Variation &variation)
{
    const qsizetype eq = given.indexOf(QLatin1Char('='));
    if (eq <= 0 || eq == given.size() - 1)
        return QStringLiteral("--vary: expected NAME=LIST, got %1").arg(QuotedArgument(given));
    variation.name = given.left(eq);
    variation.values.clear();
    const QString list = given.mid(eq + 1);
    const QString quotedName = QuotedArgument(variation.name);
    if (list.contains(QLatin1Char(':')))
        return ParseRange(quotedName, list, variation.values);
    for (const QString &item : list.split(QLatin1Char(','))) {
        double value = 0;
        if (!ReadNumber(item, value))
            return QStringLiteral("--vary %1: not a number (decimal point): %2").arg(quotedName, QuotedArgument(item));
        variation.values << item.trimmed();
    }
    return {};
}

double SweepRowCount(const std::vector<Variation> &variations)
{
    double rows = 1;
    for (const Variation &v : variations)
        rows *= double(v.values.size());
    return rows;
}

SweepCursor::SweepCursor(const std::vector<Variation> &variations)
    : m_variations(variations), m_index(variations.size(), 0)
{
}

bool SweepCursor::Next()
{
    for (std::size_t k = m_index.size(); k-- > 0;) {
        if (++m_index[k] < std::size_t(m_variations[k].values.size()))
            return true;
        m_index[k] = 0;
    }
    return false;
}

} // namespace ohmaris
