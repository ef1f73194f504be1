// SPDX-License-Identifier: GPL-3.0-or-later
// CSV records in the style of a locale.
#include "calc/csv.h"

namespace ohmaris {

CsvStyle CsvStyle::ForLocale(const QLocale &locale)
{
    CsvStyle style;
    // QLocale::decimalPoint() is a string in Qt 6; every locale Qt knows
    // has a one-character mark.
    const QString mark = locale.decimalPoint();
    style.decimalMark = mark.size() == 1 ? mark.front() : QLatin1Char('.');
    style.separator = style.decimalMark == QLatin1Char(',') ? QLatin1Char(';') : QLatin1Char(',');
    return style;
}

QString CsvText(const QString &text, const CsvStyle &style)
{
    const bool quote = text.contains(style.separator) || text.contains(QLatin1Char('"'))
                       || text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r'))
                       || (!text.isEmpty() && (text.front().isSpace() || text.back().isSpace()));
    if (!quote)
        return text;
    QString s = text;
    s.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + s + QLatin1Char('"');
}

QString CsvNumber(const QString &pointNumber, const CsvStyle &style)
{
    QString s = pointNumber;
    if (style.decimalMark != QLatin1Char('.'))
        s.replace(QLatin1Char('.'), style.decimalMark);
    // A mark that is the separator itself cannot happen (ForLocale picks
    // ';' then), but a hand-made style might: quote rather than split.
    return s.contains(style.separator) ? CsvText(s, style) : s;
}

QString CsvRecord(const QStringList &fields, const CsvStyle &style)
{
    return fields.join(style.separator) + QLatin1String("\r\n");
}

} // namespace ohmaris
