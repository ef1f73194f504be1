// SPDX-License-Identifier: GPL-3.0-or-later
// How a lab makes its model available to the command-line calculator:
// one descriptor per lab lists its inputs (with defaults and units) and runs
// the model from NAME=VALUE texts, applying the bench's entry rules.
#pragma once

#include "calc/entry.h"
#include "calc/phasordiagram.h"
#include "calc/quantity.h"
#include "calc/spectrum.h"

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

struct CalcResult {
    QJsonObject inputs;  // stored values, after offsets and caps
    Quantities outputs;  // the model's results, as its list gives them
    // A lab that samples its model in time: one record per sample time, in
    // the order the times were given, each with the fields of
    // LabCalc::sampleFields.
    std::vector<Quantities> samples;
    // What the lab's drawing shows (LabCalc::drawing): the phasors or the
    // spectrum of the run.
    PhasorDiagram phasors;
    Spectrum spectrum;
    QString deck;        // the ngspice deck, from LabCalc::netlist
    QString error;       // non-empty: one line naming the problem
};

// The picture a lab's run can be drawn as.
enum class CalcDrawing { None, Phasors, Spectrum };

// One thing a student has set on a bench, as the calculator takes it: the
// input's name and the text to give it (NAME=VALUE).
struct CalcSetting {
    QString name;
    QString value;
    QString unit = QString(); // the input's unit, empty for a position
};

// Writes a bench's settings in the order of its lab's inputs, each as the
// text the calculator reads back to the same stored value: a position as
// its number, an entry through the box's rule (EntryText). Each call takes
// the next input; the lab's settings function mirrors the order in which
// its run reads them.
class CalcSettingWriter {
public:
    explicit CalcSettingWriter(const std::vector<CalcInput> &inputs) : m_inputs(inputs) {}

    void Position(int position) { Text(QString::number(position)); }
    void Entry(float stored, const EntryRule &rule) { Text(EntryText(stored, rule)); }
    void Text(const QString &text);
    // An input the bench holds no setting for (it is left out).
    void Skip() { ++m_next; }

    std::vector<CalcSetting> Settings() const { return m_settings; }

private:
    const std::vector<CalcInput> &m_inputs;
    std::size_t m_next = 0;
    std::vector<CalcSetting> m_settings;
};

// A sampling lab's records are printed under this name, with this line of
// help above their fields.
inline constexpr QLatin1String kCalcSamples("samples");
inline constexpr QLatin1String kCalcSamplesHelp("one record per sample time (at=), in the order given:");

struct LabCalc {
    int lab = 0;
    QString title;
    std::vector<CalcInput> inputs;
    // A typical command line for the lab's help, when its defaults alone
    // show little (empty: none).
    QString example;
    // The quantities run() reports, in the order the text output lists
    // them: the model's own list, as a freshly made model gives it (the
    // values are of no account here).
    Quantities outputs;
    // For a lab that samples its model in time, the fields of one sample
    // record (empty: the lab takes no samples).
    Quantities sampleFields;
    // What CalcResult::phasors or ::spectrum holds after a run.
    CalcDrawing drawing = CalcDrawing::None;
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

// The outputs of a run as the calculator's JSON gives them: each result
// under its name, and a sampling lab's records, as an array of objects,
// under kCalcSamples.
QJsonObject CalcOutputsJson(const LabCalc &lab, const CalcResult &result);

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
