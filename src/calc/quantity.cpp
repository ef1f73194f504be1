// SPDX-License-Identifier: GPL-3.0-or-later
// A model's results as data: the list and its JSON and text forms.
#include "calc/quantity.h"

#include <QJsonArray>
#include <QLocale>
#include <QStringList>
#include <charconv>
#include <system_error>

namespace ohmaris {

Quantity &Quantities::Append(const QString &name, const QString &unit, const QString &help, Quantity::Type type)
{
    Quantity &q = m_items.emplace_back();
    q.name = name;
    q.unit = unit;
    q.help = help;
    q.type = type;
    return q;
}

void Quantities::Add(const QString &name, const QString &unit, const QString &help, float value)
{
    Append(name, unit, help, Quantity::Type::Float).values = {double(value)};
}

void Quantities::Add(const QString &name, const QString &unit, const QString &help, double value)
{
    Append(name, unit, help, Quantity::Type::Double).values = {value};
}

void Quantities::Add(const QString &name, const QString &unit, const QString &help, int value)
{
    Append(name, unit, help, Quantity::Type::Integer).values = {double(value)};
}

void Quantities::Add(const Quantities &other)
{
    m_items.insert(m_items.end(), other.m_items.begin(), other.m_items.end());
}

const Quantity *Quantities::Find(const QString &name) const
{
    for (const Quantity &q : m_items)
        if (q.name == name)
            return &q;
    return nullptr;
}

std::vector<QString> Quantities::Names() const
{
    std::vector<QString> names;
    names.reserve(m_items.size());
    for (const Quantity &q : m_items)
        names.push_back(q.name);
    return names;
}

QJsonValue FloatJson(float value)
{
    // Both conversions ignore the C library's locale: under a locale with a
    // decimal comma, strtod would stop reading at the point.
    char buf[64];
    const std::to_chars_result text = std::to_chars(buf, buf + sizeof buf, value);
    double widened = 0.0;
    if (text.ec != std::errc() || std::from_chars(buf, text.ptr, widened).ec != std::errc())
        return QJsonValue(double(value)); // an infinity or NaN has no shortest decimal
    return QJsonValue(widened);
}

namespace {

QJsonValue NumberJson(Quantity::Type type, double v)
{
    switch (type) {
    case Quantity::Type::Float: return FloatJson(float(v));
    case Quantity::Type::Integer: return QJsonValue(qint64(v));
    case Quantity::Type::Double: break;
    }
    return QJsonValue(v);
}

} // namespace

QJsonValue QuantityJson(const Quantity &q)
{
    if (!q.isArray)
        return NumberJson(q.type, q.value());
    QJsonArray a;
    for (double v : q.values)
        a.append(NumberJson(q.type, v));
    return a;
}

QString NumberText(Quantity::Type type, double value)
{
    return QString::number(NumberJson(type, value).toDouble(), 'g', QLocale::FloatingPointShortest);
}

QString QuantityValueText(const Quantity &q, std::size_t index)
{
    return NumberText(q.type, q.value(index));
}

QString QuantityText(const Quantity &q)
{
    QStringList parts;
    for (double v : q.values)
        parts << NumberText(q.type, v);
    return parts.join(QLatin1Char(' '));
}

} // namespace ohmaris
