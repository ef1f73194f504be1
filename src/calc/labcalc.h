// How a lab makes its model available to the command-line calculator:
// one descriptor per lab lists its inputs (with defaults and units) and runs
// the model from NAME=VALUE texts, applying the bench's entry rules.
#pragma once

#include "calc/entry.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QMap>
#include <QString>
#include <QStringList>
#include <array>
#include <cstddef>
#include <functional>
#include <vector>

namespace ohmaris {

struct CalcInput {
    QString name;
    QString defaultText; // as a student would type it on the bench
    QString unit;        // empty for switches and knob positions
    QString help;        // one short line
};

struct CalcOutput {
    QString name;        // the model's field name
    QString unit;
    QString help;        // one short line, with the array layout if any
};

struct CalcResult {
    QJsonObject inputs;  // stored values, after offsets and caps
    QJsonObject outputs; // model quantities under their own field names
    QString deck;        // the ngspice deck, from LabCalc::netlist
    QString error;       // non-empty: one line naming the problem
};

struct LabCalc {
    int lab = 0;
    QString title;
    std::vector<CalcInput> inputs;
    // A typical command line for the lab's help, when its defaults alone
    // show little (empty: none).
    QString example;
    // The quantities run() reports, in the order the text output lists them.
    std::vector<CalcOutput> outputs;
    // Where the bench is not a physical circuit: one paragraph each, for
    // the help and the manual page.
    QStringList notes;
    // Arguments hold only names listed in `inputs`; missing ones take their
    // defaults. Bad values are reported through CalcResult::error.
    std::function<CalcResult(const QMap<QString, QString> &args)> run;
    // The same arguments, read the same way, give the bench in that state
    // as an ngspice deck (CalcResult::deck; the lab's netlist.cpp).
    std::function<CalcResult(const QMap<QString, QString> &args)> netlist;
};

// A 32-bit result as JSON: the shortest decimal that reads back as the same
// float, so 10.666f prints as 10.666 rather than 10.666000366210938.
QJsonValue FloatJson(float value);

template <std::size_t N>
QJsonArray FloatJson(const std::array<float, N> &values)
{
    QJsonArray a;
    for (float v : values)
        a.append(FloatJson(v));
    return a;
}

// An argument as an error line echoes it: in single quotes, with a
// backslash before a quote or a backslash and every control, format or
// line-breaking character written as an escape, so whatever a caller
// passes, the message stays one line and cannot fake another.
QString QuotedArgument(const QString &text);

// The text given for an input, or its default when it was not given.
QString CalcArgument(const QMap<QString, QString> &args, const CalcInput &input);

// Reads a value as a parameter box of the bench would store it: a number
// (comma or point), its magnitude plus the offset, capped at the limit.
// Returns an empty string, or one line naming the problem.
QString CalcEntry(const QString &name, const QString &text, const EntryRule &rule,
                  float &stored);

// The items of a list input (such as lab 7's `at` and `events`): the text
// split at its commas, empty items skipped. "@FILE" reads them from FILE
// instead, one a line or comma-separated, blanks round an item and empty
// lines skipped: a list too long for one argument (the system caps the
// length of one) fits in a file.
struct CalcList {
    QStringList items;
    QString file;           // the file they came from; empty for a list given inline
    std::vector<int> lines; // from a file: the 1-based line of each item
    // Where item `index` came from, to end an error line: empty inline,
    // " (file 'times.txt', line 3)" from a file.
    QString place(qsizetype index) const;
};

// The largest list file read (a million samples take about 10 MiB).
constexpr qint64 kCalcListFileMaxBytes = 16 * 1024 * 1024;

// Fills `list` from the text given for input `name`. Returns an empty
// string, or one line naming the input, the file and what is wrong with it.
QString CalcListItems(const QString &name, const QString &text, CalcList &list);

// Reads a switch state or knob position: a whole number in min..max.
// Returns an empty string, or one line naming the problem.
QString CalcPosition(const QString &name, const QString &text, int min, int max,
                     int &position);

} // namespace ohmaris
