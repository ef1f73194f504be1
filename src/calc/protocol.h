// SPDX-License-Identifier: GPL-3.0-or-later
// A lab protocol as data: one row per measurement the student records,
// holding the time of day, what the bench was set to (under the
// calculator's input names, as the texts it reads back) and what every
// instrument showed. From it come the table a person reads (a meter's
// reading as "0.85 ± 0.005") and the CSV a spreadsheet reads (the reading,
// its error and its range as numbers); the oscilloscope's traces have a CSV
// of their own. The words of the headers come from the window side, in the
// language of the day.
#pragma once

#include "calc/csv.h"
#include "calc/labcalc.h"
#include "calc/reading.h"

#include <QChar>
#include <QString>
#include <QStringList>
#include <QTime>
#include <cstdint>
#include <functional>
#include <vector>

namespace ohmaris {

struct ProtocolRow {
    QTime time; // time of day of the record
    std::vector<CalcSetting> settings;
    std::vector<InstrumentReading> readings;
    // A pointer was still moving (or the bench had a recomputation due),
    // so a reading may not be the one it settles on.
    bool moving = false;
};

// The rows of one lab's protocol, and which of them are in a file yet.
class Protocol {
public:
    void Add(ProtocolRow row);
    // Removes row `index`; false when there is none.
    bool Remove(int index);
    int size() const { return int(m_rows.size()); }
    bool empty() const { return m_rows.empty(); }
    const ProtocolRow &row(int index) const { return m_rows[std::size_t(index)].row; }
    // Rows recorded since the last save that wrote them.
    int Unsaved() const;
    // Every row is in a file now.
    void MarkSaved();

private:
    struct Entry {
        ProtocolRow row;
        bool saved = false;
    };
    std::vector<Entry> m_rows;
};

// How the protocol speaks in the reader's language: the words of its
// headers, how names and units are written, and the decimal mark of the
// table a person reads (the CSV takes its style's). The defaults are the
// names as the bench gives them.
struct ProtocolWords {
    QString time = QStringLiteral("Time");
    QString range = QStringLiteral("range");  // "A1 range, A"
    QString error = QStringLiteral("error");  // "A1 error, A" (CSV)
    QString note = QStringLiteral("Note");
    QString moving = QStringLiteral("pointer moving");
    QChar decimalMark = QLatin1Char('.');
    std::function<QString(const QString &)> name;  // an instrument's name; null: as it is
    std::function<QString(const QString &)> unit;  // a unit; null: as it is
    // A knob's or a switch's position as the reader says it (the K-50's
    // phase letter); null, or an empty answer: its number.
    std::function<QString(const InstrumentReading &)> position;

    QString Name(const QString &n) const { return name ? name(n) : n; }
    QString Unit(const QString &u) const { return unit ? unit(u) : u; }
    // "name, unit", or the name alone when there is no unit.
    QString Header(const QString &n, const QString &u) const;
};

// What a person reads from a meter: the value rounded to the place of the
// first digit of the error its class allows (the digits beyond say
// nothing), in a point-decimal text without trailing zeros, and that error.
// A meter without a class error reads to four significant digits.
QString ReadValueText(const InstrumentReading &r);
QString ReadErrorText(const InstrumentReading &r);
// A reading as a person writes it in the table: "0.85 ± 0.005" for a
// meter, the number a display shows (empty when it shows none), a knob's
// position, "+" or "−" for a two-way switch; in `words`' decimal mark.
QString ReadingText(const InstrumentReading &r, const ProtocolWords &words);

// The table a person reads: one header per column (units in the headers),
// one list of texts per row. Columns: the time; the settings; the positions
// of knobs and switches (but for a knob a setting of the same name gives
// already); each meter's range; each instrument's reading; the note that
// marks a row taken while a pointer still moved. A column is there when any
// row has it, in the order the rows first give them.
struct ProtocolTable {
    QStringList headers;
    std::vector<QStringList> rows;
    std::vector<bool> moving;
};
ProtocolTable ProtocolTableOf(const Protocol &protocol, const ProtocolWords &words);

// The protocol as CSV in `style`: a header record, then one record per row,
// the columns of the table with a meter's reading split into its value and
// its error, every number a number in the style's decimal mark.
QString ProtocolCsv(const Protocol &protocol, const ProtocolWords &words, const CsvStyle &style);

// What an oscilloscope shows: its time axis in milliseconds of circuit
// time and the trace of each channel that is on, sample for sample as the
// screen draws them, in the channel's unit.
struct ScopeChannel {
    QString name; // "u", "i"
    QString unit; // "V", "mA"
    std::vector<float> samples;
};
struct ScopeTraces {
    std::vector<double> timeMs;
    std::vector<ScopeChannel> channels;
};
// A header "t, ms", then one column per channel; each number as the
// shortest decimal that reads back as the same value.
QString ScopeCsv(const ScopeTraces &traces, const ProtocolWords &words, const CsvStyle &style);

// The shortest point-decimal text that reads back as the same float or
// double ("0.1", "1e-07").
QString ShortestText(float v);
QString ShortestText(double v);

} // namespace ohmaris
