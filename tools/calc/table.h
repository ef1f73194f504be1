// SPDX-License-Identifier: GPL-3.0-or-later
// ohmaris-calc's tables: one row per run (a sweep's combinations, or the one
// run), its columns the varied inputs and then every output quantity, an
// array by its elements ("BranchCurrent[0]") and a sampling lab's records
// by theirs ("samples[0].ScopeVoltage"), or the columns asked for. As
// aligned text, as CSV for a spreadsheet in the system locale's style, or as
// JSON, one object per line.
#pragma once

#include "calc/csv.h"
#include "calc/labcalc.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace ohmaris {

enum class TableFormat { Text, Csv, Json };

// "text", "csv" or "json"; false for anything else.
bool ParseTableFormat(const QString &text, TableFormat &format);

struct TableColumn {
    enum class Source { Input, Output, Sample };
    QString name; // as the header and JSON name it
    QString unit;
    Source source = Source::Output;
    std::size_t quantity = 0; // Output, Sample: index into the list
    std::size_t element = 0;  // Output, Sample: element of an array
    std::size_t sample = 0;   // Sample: which record
};

// Every column a run of `lab` gives, with the inputs `inputs` first (their
// stored values); the records of a sampling lab are counted from `run`.
std::vector<TableColumn> TableColumns(const LabCalc &lab, const QStringList &inputs, const CalcResult &run);

// The columns named by `names`, in that order, out of `all` and the lab's
// other inputs that hold a number in `run`: a name picks the column so
// named, or every column under it ("BranchCurrent" its elements,
// "samples[1]" that record's fields). Returns an empty string, or one line
// naming the first name that picks nothing.
QString SelectColumns(const LabCalc &lab, const QStringList &names, const std::vector<TableColumn> &all,
                      const CalcResult &run, std::vector<TableColumn> &chosen);

// A cell as text, with a point for the decimal mark, in the shortest form
// that reads back as the number the model holds.
QString CellText(const TableColumn &column, const CalcResult &run);

// Writes the rows in one format. Text needs every cell's width before its
// first row, so a text table is measured (Measure on every row) before it
// is written; CSV and JSON are written as the rows come.
class TableWriter {
public:
    TableWriter(TableFormat format, std::vector<TableColumn> columns, CsvStyle csv);

    bool needsMeasuring() const { return m_format == TableFormat::Text; }
    void Measure(const CalcResult &run);
    QString Header() const; // empty for JSON
    QString Row(const CalcResult &run) const;

private:
    QString HeaderName(const TableColumn &c) const;

    TableFormat m_format;
    std::vector<TableColumn> m_columns;
    CsvStyle m_csv;
    std::vector<qsizetype> m_widths;
    std::vector<QString> m_jsonNames; // each name as a JSON string, quotes included
};

} // namespace ohmaris
