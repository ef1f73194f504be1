// SPDX-License-Identifier: GPL-3.0-or-later
// Parameter box filters and change rule.
#include "calc/entry.h"

#include <QRegularExpression>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <locale.h>

namespace ohmaris {

int DecimalKeyFilter(int key, const QString &text, int selStart)
{
    static const QString accepted = QStringLiteral("1234567890.,");
    if (key != kBackspace && (key <= 0 || key > 0xFFFF || !accepted.contains(QChar(key))))
        return 0;
    if (key == '.')
        key = kComma;
    if (key != kComma)
        return key;
    if (text.contains(QLatin1Char(',')) || selStart == 0)
        return 0;
    return kComma;
}

int DigitKeyFilter(int key)
{
    if (key == kBackspace || (key >= '0' && key <= '9'))
        return key;
    return 0;
}

namespace {
QString normalised(const QString &text)
{
    QString s = text.trimmed();
    s.replace(QLatin1Char(','), QLatin1Char('.'));
    return s;
}
} // namespace

bool IsNumericText(const QString &text)
{
    static const QRegularExpression number(
        QStringLiteral("^[+-]?(\\d+\\.?\\d*|\\.\\d+)([eE][+-]?\\d+)?$"));
    return number.match(normalised(text)).hasMatch();
}

std::optional<float> TextToFloat(const QString &text)
{
    if (!IsNumericText(text))
        return std::nullopt;
    // The application sets the C library's numeric locale from the
    // environment, where the separator may be a comma; the normalised text
    // always uses the point, so read it in the "C" locale.
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    const QByteArray latin = normalised(text).toLatin1();
    return strtof_l(latin.constData(), nullptr, cLocale);
}

EntryResult ApplyEntryRule(const QString &text, float current, const EntryRule &rule)
{
    EntryResult r;
    r.value = current;
    if (rule.transientStyle)
        r.recalc = true;
    const std::optional<float> parsed = TextToFloat(text);
    if (!parsed) {
        if (rule.transientStyle)
            r.value = float(rule.offset);
        return r;
    }
    r.recalc = true;
    // A number beyond the float range converts to infinity and is capped.
    r.value = float(double(std::fabs(*parsed)) + rule.offset);
    if (!(r.value <= rule.limit)) {
        r.value = rule.limit;
        r.rewrite = rule.transientStyle ? GeneralNumber(double(r.value) - rule.offset, 15)
                                        : GeneralNumber(double(r.value), 7);
    }
    return r;
}

QString EntryText(float stored, const EntryRule &rule)
{
    // What was typed: the stored value less the offset. The shortest of
    // its fixed-point texts the rule takes back to the same float.
    const double typed = std::max(0.0, double(stored) - rule.offset);
    constexpr int kMostDecimals = 12;
    for (int decimals = 0; decimals <= kMostDecimals; ++decimals) {
        const QString text = QString::number(typed, 'f', decimals);
        if (ApplyEntryRule(text, stored, rule).value == stored)
            return text;
    }
    for (int digits = 1; digits <= 17; ++digits) {
        const QString text = QString::number(typed, 'g', digits);
        if (ApplyEntryRule(text, stored, rule).value == stored)
            return text;
    }
    return QString::number(typed, 'g', 17);
}

QString GeneralNumber(double value, int digits, QChar separator)
{
    if (value == 0.0)
        return QStringLiteral("0");
    QString s = QString::number(value, 'g', digits);
    s.replace(QLatin1Char('.'), separator);
    return s;
}

} // namespace ohmaris
