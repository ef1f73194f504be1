// SPDX-License-Identifier: GPL-3.0-or-later
// Shared pieces of the calculator descriptors.
#include "calc/labcalc.h"

#include "calc/boundedfile.h"

#include <QRegularExpression>

#include <charconv>
#include <system_error>

namespace ohmaris {

namespace {

QJsonObject JsonObject(const Quantities &quantities)
{
    QJsonObject o;
    for (const Quantity &q : quantities)
        o.insert(q.name, QuantityJson(q));
    return o;
}

} // namespace

QJsonObject CalcOutputsJson(const LabCalc &lab, const CalcResult &result)
{
    QJsonObject o = JsonObject(result.outputs);
    if (!lab.sampleFields.empty()) {
        QJsonArray samples;
        for (const Quantities &sample : result.samples)
            samples.append(JsonObject(sample));
        o.insert(kCalcSamples, samples);
    }
    return o;
}

void CalcSettingWriter::Text(const QString &text)
{
    // A settings function that writes more than its lab has inputs is
    // wrong; what it writes past them has no name to go under.
    if (m_next < m_inputs.size())
        m_settings.push_back({m_inputs[m_next].name, text, m_inputs[m_next].unit});
    ++m_next;
}

QString QuotedArgument(const QString &text)
{
    QString out = QStringLiteral("'");
    for (const char32_t c : text.toUcs4()) {
        switch (c) {
        case U'\\': out += QStringLiteral("\\\\"); continue;
        case U'\'': out += QStringLiteral("\\'"); continue;
        case U'\n': out += QStringLiteral("\\n"); continue;
        case U'\r': out += QStringLiteral("\\r"); continue;
        case U'\t': out += QStringLiteral("\\t"); continue;
        default: break;
        }
        switch (QChar::category(c)) {
        case QChar::Other_Control:
        case QChar::Other_Format:
        case QChar::Other_Surrogate:
        case QChar::Other_NotAssigned:
        case QChar::Separator_Line:
        case QChar::Separator_Paragraph:
            out += c <= 0xFF ? QStringLiteral("\\x%1").arg(uint(c), 2, 16, QLatin1Char('0'))
                             : QStringLiteral("\\u{%1}").arg(uint(c), 4, 16, QLatin1Char('0'));
            break;
        default:
            out += QString::fromUcs4(&c, 1);
        }
    }
    return out + QLatin1Char('\'');
}

QString CalcArgument(const QMap<QString, QString> &args, const CalcInput &input)
{
    return args.value(input.name, input.defaultText);
}

QString CalcList::place(qsizetype index) const
{
    if (file.isEmpty() || index < 0 || std::size_t(index) >= lines.size())
        return {};
    return QStringLiteral(" (file %1, line %2)").arg(QuotedArgument(file)).arg(lines[std::size_t(index)]);
}

QString CalcListItems(const QString &name, const QString &text, CalcList &list)
{
    list = CalcList();
    if (!text.startsWith(QLatin1Char('@'))) {
        list.items = text.split(QLatin1Char(','), Qt::SkipEmptyParts);
        return {};
    }
    list.file = text.mid(1);
    const BoundedFile file = ReadBoundedFile(list.file, kCalcListFileMaxBytes);
    if (!file.bytes)
        return QStringLiteral("%1: list file %2: %3").arg(name, QuotedArgument(list.file), file.error);
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\n|\r"));
    const QStringList lines = QString::fromUtf8(*file.bytes).split(lineEnd);
    for (qsizetype n = 0; n < lines.size(); ++n) {
        for (const QString &raw : lines.at(n).split(QLatin1Char(','))) {
            const QString item = raw.trimmed();
            if (item.isEmpty())
                continue;
            list.items << item;
            list.lines.push_back(int(n + 1));
        }
    }
    return {};
}

QString CalcEntry(const QString &name, const QString &text, const EntryRule &rule,
                  float &stored)
{
    if (!IsNumericText(text))
        return QStringLiteral("%1: not a number: %2").arg(name, QuotedArgument(text));
    stored = ApplyEntryRule(text, stored, rule).value;
    return {};
}

QString CalcPosition(const QString &name, const QString &text, int min, int max,
                     int &position)
{
    bool ok = false;
    const int p = text.trimmed().toInt(&ok);
    if (!ok)
        return QStringLiteral("%1: not a whole number: %2").arg(name, QuotedArgument(text));
    if (p < min || p > max)
        return QStringLiteral("%1: position %2 out of range %3..%4").arg(name).arg(p).arg(min).arg(max);
    position = p;
    return {};
}

} // namespace ohmaris
