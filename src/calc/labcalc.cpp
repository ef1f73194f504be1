// Shared pieces of the calculator descriptors.
#include "calc/labcalc.h"

#include <charconv>
#include <cstdlib>

namespace ohmaris {

QJsonValue FloatJson(float value)
{
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf - 1, value);
    *res.ptr = '\0';
    return QJsonValue(std::strtod(buf, nullptr));
}

QString CalcArgument(const QMap<QString, QString> &args, const CalcInput &input)
{
    return args.value(input.name, input.defaultText);
}

QString CalcEntry(const QString &name, const QString &text, const EntryRule &rule,
                  float &stored)
{
    if (!IsNumericText(text))
        return QStringLiteral("%1: not a number: '%2'").arg(name, text);
    stored = ApplyEntryRule(text, stored, rule).value;
    return {};
}

QString CalcPosition(const QString &name, const QString &text, int min, int max,
                     int &position)
{
    bool ok = false;
    const int p = text.trimmed().toInt(&ok);
    if (!ok)
        return QStringLiteral("%1: not a whole number: '%2'").arg(name, text);
    if (p < min || p > max)
        return QStringLiteral("%1: position %2 out of range %3..%4").arg(name).arg(p).arg(min).arg(max);
    position = p;
    return {};
}

} // namespace ohmaris
