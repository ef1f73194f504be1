// SPDX-License-Identifier: GPL-3.0-or-later
// Tables for a person's spreadsheet, as CSV (RFC 4180): fields quoted when
// they need it, records ending in CR LF, and numbers written with the
// decimal mark of the system locale, so a spreadsheet opened in that locale
// reads them as numbers. Where the mark is a comma, the fields are
// separated by semicolons, as spreadsheets in those locales expect. Every
// CSV file the program and its tools write goes through here.
#pragma once

#include <QChar>
#include <QLocale>
#include <QString>
#include <QStringList>

namespace ohmaris {

struct CsvStyle {
    QChar decimalMark = QLatin1Char('.');
    QChar separator = QLatin1Char(',');

    // The style of a locale: its decimal mark, and ';' between fields when
    // that mark is a comma.
    static CsvStyle ForLocale(const QLocale &locale);
    // The style of the system locale (LC_ALL, LC_NUMERIC, LANG).
    static CsvStyle System() { return ForLocale(QLocale::system()); }
};

// A text field: quoted, with its quotes doubled, when it holds the
// separator, a quote, a line break or leading or trailing blanks;
// otherwise as it is.
QString CsvText(const QString &text, const CsvStyle &style);

// A number written with a point (as the program's number formatting gives
// it, "1.5e-07") in the style's decimal mark ("1,5e-07"). An infinity or
// NaN is written as the text it is ("inf", "nan"), which a spreadsheet
// keeps as text.
QString CsvNumber(const QString &pointNumber, const CsvStyle &style);

// One record: the fields (already made with CsvText or CsvNumber) joined by
// the separator, ending in CR LF.
QString CsvRecord(const QStringList &fields, const CsvStyle &style);

} // namespace ohmaris
