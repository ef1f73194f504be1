// SPDX-License-Identifier: GPL-3.0-or-later
// Table columns and the three formats.
#include "table.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QLocale>
#include <algorithm>
#include <cmath>

namespace ohmaris {

namespace {

// A column name as a JSON string, quotes and escapes included.
QString JsonString(const QString &text)
{
    const QByteArray array = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(array.mid(1, array.size() - 2));
}

void AddQuantityColumns(std::vector<TableColumn> &columns, const Quantity &q, std::size_t index,
                        TableColumn::Source source, const QString &prefix, std::size_t sample)
{
    const std::size_t count = q.isArray ? q.values.size() : 1;
    for (std::size_t e = 0; e < count; ++e) {
        TableColumn c;
        c.name = prefix + q.name + (q.isArray ? QStringLiteral("[%1]").arg(e) : QString());
        c.unit = q.unit;
        c.source = source;
        c.quantity = index;
        c.element = e;
        c.sample = sample;
        columns.push_back(c);
    }
}

bool IsUnder(const QString &column, const QString &name)
{
    return column == name
           || (column.size() > name.size() && column.startsWith(name)
               && (column.at(name.size()) == QLatin1Char('[') || column.at(name.size()) == QLatin1Char('.')));
}

const CalcInput *FindInput(const LabCalc &lab, const QString &name)
{
    for (const CalcInput &in : lab.inputs)
        if (in.name == name)
            return &in;
    return nullptr;
}

TableColumn InputColumn(const CalcInput &in)
{
    TableColumn c;
    c.name = in.name;
    c.unit = in.unit;
    c.source = TableColumn::Source::Input;
    return c;
}

} // namespace

bool ParseTableFormat(const QString &text, TableFormat &format)
{
    if (text == QLatin1String("text"))
        format = TableFormat::Text;
    else if (text == QLatin1String("csv"))
        format = TableFormat::Csv;
    else if (text == QLatin1String("json"))
        format = TableFormat::Json;
    else
        return false;
    return true;
}

std::vector<TableColumn> TableColumns(const LabCalc &lab, const QStringList &inputs, const CalcResult &run)
{
    std::vector<TableColumn> columns;
    for (const QString &name : inputs)
        if (const CalcInput *in = FindInput(lab, name))
            columns.push_back(InputColumn(*in));
    for (std::size_t i = 0; i < run.outputs.size(); ++i)
        AddQuantityColumns(columns, run.outputs[i], i, TableColumn::Source::Output, QString(), 0);
    for (std::size_t s = 0; s < run.samples.size(); ++s)
        for (std::size_t i = 0; i < run.samples[s].size(); ++i)
            AddQuantityColumns(columns, run.samples[s][i], i, TableColumn::Source::Sample,
                               QStringLiteral("%1[%2].").arg(kCalcSamples).arg(s), s);
    return columns;
}

QString SelectColumns(const LabCalc &lab, const QStringList &names, const std::vector<TableColumn> &all,
                      const CalcResult &run, std::vector<TableColumn> &chosen)
{
    chosen.clear();
    for (const QString &raw : names) {
        const QString name = raw.trimmed();
        const std::size_t before = chosen.size();
        for (const TableColumn &c : all)
            if (IsUnder(c.name, name))
                chosen.push_back(c);
        if (chosen.size() > before)
            continue;
        // An input that was not varied: its stored value, when it is one
        // number (lab 7's lists are not).
        const CalcInput *in = FindInput(lab, name);
        if (in && run.inputs.value(name).isDouble()) {
            chosen.push_back(InputColumn(*in));
            continue;
        }
        return QStringLiteral("--columns: lab %1 has no column %2 (inputs and outputs as --help lists them)")
            .arg(QString::number(lab.lab), QuotedArgument(name));
    }
    return {};
}

QString CellText(const TableColumn &column, const CalcResult &run)
{
    switch (column.source) {
    case TableColumn::Source::Input:
        return NumberText(Quantity::Type::Double, run.inputs.value(column.name).toDouble());
    case TableColumn::Source::Output:
        return column.quantity < run.outputs.size() ? QuantityValueText(run.outputs[column.quantity], column.element)
                                                    : QString();
    case TableColumn::Source::Sample:
        if (column.sample < run.samples.size() && column.quantity < run.samples[column.sample].size())
            return QuantityValueText(run.samples[column.sample][column.quantity], column.element);
        return {};
    }
    return {};
}

TableWriter::TableWriter(TableFormat format, std::vector<TableColumn> columns, CsvStyle csv)
    : m_format(format), m_columns(std::move(columns)), m_csv(csv)
{
    for (const TableColumn &c : m_columns) {
        m_widths.push_back(HeaderName(c).size());
        m_jsonNames.push_back(JsonString(c.name));
    }
}

QString TableWriter::HeaderName(const TableColumn &c) const
{
    return c.unit.isEmpty() ? c.name : QStringLiteral("%1 [%2]").arg(c.name, c.unit);
}

void TableWriter::Measure(const CalcResult &run)
{
    for (std::size_t i = 0; i < m_columns.size(); ++i)
        m_widths[i] = std::max(m_widths[i], CellText(m_columns[i], run).size());
}

QString TableWriter::Header() const
{
    QStringList cells;
    for (std::size_t i = 0; i < m_columns.size(); ++i) {
        const QString name = HeaderName(m_columns[i]);
        switch (m_format) {
        case TableFormat::Text: cells << name.rightJustified(m_widths[i]); break;
        case TableFormat::Csv: cells << CsvText(name, m_csv); break;
        case TableFormat::Json: return {};
        }
    }
    return m_format == TableFormat::Csv ? CsvRecord(cells, m_csv) : cells.join(QStringLiteral("  ")) + QLatin1Char('\n');
}

QString TableWriter::Row(const CalcResult &run) const
{
    QString line;
    if (m_format == TableFormat::Json)
        line += QLatin1Char('{');
    QStringList cells;
    for (std::size_t i = 0; i < m_columns.size(); ++i) {
        const QString cell = CellText(m_columns[i], run);
        switch (m_format) {
        case TableFormat::Text: cells << cell.rightJustified(m_widths[i]); break;
        case TableFormat::Csv: cells << CsvNumber(cell, m_csv); break;
        case TableFormat::Json: {
            // JSON has no infinity or NaN: those are null.
            bool ok = false;
            const double v = cell.toDouble(&ok);
            cells << m_jsonNames[i] + QLatin1Char(':') + (ok && std::isfinite(v) ? cell : QStringLiteral("null"));
            break;
        }
        }
    }
    switch (m_format) {
    case TableFormat::Text: return cells.join(QStringLiteral("  ")) + QLatin1Char('\n');
    case TableFormat::Csv: return CsvRecord(cells, m_csv);
    case TableFormat::Json: break;
    }
    return line + cells.join(QLatin1Char(',')) + QStringLiteral("}\n");
}

} // namespace ohmaris
