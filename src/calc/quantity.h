// SPDX-License-Identifier: GPL-3.0-or-later
// A model's results as data. Each model lists its results once, in the
// order they are printed: the field's name, its unit, a one-line
// description and its value, a number or an array of numbers. The
// calculator's help, text and JSON, the checking tools and any table of
// results read that one list, so a result cannot be named twice or left out
// of one of them.
#pragma once

#include <QJsonValue>
#include <QString>
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace ohmaris {

struct Quantity {
    // How the model holds the number; it decides how the number prints (a
    // 32-bit result as the shortest decimal that reads back as the same
    // float).
    enum class Type : std::uint8_t { Float, Double, Integer };

    QString name; // the model's field name
    QString unit; // empty for a count or a flag
    QString help; // one line
    Type type = Type::Float;
    bool isArray = false;
    std::vector<double> values; // one value unless isArray

    double value(std::size_t index = 0) const { return index < values.size() ? values[index] : 0.0; }
};

class Quantities {
public:
    using const_iterator = std::vector<Quantity>::const_iterator;

    // A number, as the model holds it.
    void Add(const QString &name, const QString &unit, const QString &help, float value);
    void Add(const QString &name, const QString &unit, const QString &help, double value);
    void Add(const QString &name, const QString &unit, const QString &help, int value);

    // An array, element by element.
    template <class T, std::size_t N>
    void Add(const QString &name, const QString &unit, const QString &help, const std::array<T, N> &values)
    {
        Quantity &q = Append(name, unit, help, TypeOf(T{}));
        q.isArray = true;
        q.values.reserve(N);
        for (const T &v : values)
            q.values.push_back(double(v));
    }

    // Every quantity of `other`, after these.
    void Add(const Quantities &other);

    // nullptr when no quantity has that name.
    const Quantity *Find(const QString &name) const;
    std::vector<QString> Names() const;

    std::size_t size() const { return m_items.size(); }
    bool empty() const { return m_items.empty(); }
    const Quantity &operator[](std::size_t i) const { return m_items[i]; }
    const_iterator begin() const { return m_items.begin(); }
    const_iterator end() const { return m_items.end(); }

private:
    static constexpr Quantity::Type TypeOf(float) { return Quantity::Type::Float; }
    static constexpr Quantity::Type TypeOf(double) { return Quantity::Type::Double; }
    static constexpr Quantity::Type TypeOf(int) { return Quantity::Type::Integer; }
    static constexpr Quantity::Type TypeOf(std::int16_t) { return Quantity::Type::Integer; }
    Quantity &Append(const QString &name, const QString &unit, const QString &help, Quantity::Type type);

    std::vector<Quantity> m_items;
};

// A 32-bit result as JSON: the shortest decimal that reads back as the same
// float, so 10.666f prints as 10.666 rather than 10.666000366210938.
QJsonValue FloatJson(float value);

// A quantity's value as JSON: a number, or an array of numbers.
QJsonValue QuantityJson(const Quantity &q);
// As text: the numbers in their shortest form, an array's separated by
// single spaces; a point for the decimal mark, whatever the locale.
QString QuantityText(const Quantity &q);
// One number of a quantity (element `index` of an array) in that form.
QString QuantityValueText(const Quantity &q, std::size_t index = 0);
// A number as the JSON and text forms print one of that type.
QString NumberText(Quantity::Type type, double value);

} // namespace ohmaris
