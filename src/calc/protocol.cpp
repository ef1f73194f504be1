// SPDX-License-Identifier: GPL-3.0-or-later
// The protocol's rows, its table for a person and its CSV.
#include "calc/protocol.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace ohmaris {

void Protocol::Add(ProtocolRow row)
{
    m_rows.push_back({std::move(row), false});
}

bool Protocol::Remove(int index)
{
    if (index < 0 || index >= size())
        return false;
    m_rows.erase(m_rows.begin() + index);
    return true;
}

int Protocol::Unsaved() const
{
    return int(std::count_if(m_rows.begin(), m_rows.end(), [](const Entry &e) { return !e.saved; }));
}

void Protocol::MarkSaved()
{
    for (Entry &e : m_rows)
        e.saved = true;
}

QString ProtocolWords::Header(const QString &n, const QString &u) const
{
    return u.isEmpty() ? n : n + QStringLiteral(", ") + Unit(u);
}

namespace {

template <class T>
QString Shortest(T v)
{
    if (!std::isfinite(v))
        return std::isnan(v) ? QStringLiteral("nan") : (v < 0 ? QStringLiteral("-inf") : QStringLiteral("inf"));
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, v);
    return QString::fromLatin1(buf, int(r.ptr - buf));
}

// A fixed-point text without the zeros after the last digit that counts,
// and without a minus before a zero.
QString Trimmed(QString s)
{
    if (s.contains(QLatin1Char('.'))) {
        while (s.endsWith(QLatin1Char('0')))
            s.chop(1);
        if (s.endsWith(QLatin1Char('.')))
            s.chop(1);
    }
    if (s == QLatin1String("-0"))
        s = QStringLiteral("0");
    return s;
}

// Decimal places a reading with this error is worth: down to the error's
// first digit (0.005 gives 3, 0.0225 gives 2, 11.25 gives 0); -1 when the
// meter states no error.
int ReadDecimals(double error)
{
    if (!(error > 0.0) || !std::isfinite(error))
        return -1;
    return std::clamp(-int(std::floor(std::log10(error))), 0, 12);
}

QString WithMark(QString pointText, QChar mark)
{
    if (mark != QLatin1Char('.'))
        pointText.replace(QLatin1Char('.'), mark);
    return pointText;
}

QString General(double v, int digits)
{
    return v == 0.0 ? QStringLiteral("0") : QString::number(v, 'g', digits);
}

// The number a display shows, as it shows it (up to its nine digits);
// empty when it shows none.
QString IndicatorText(const InstrumentReading &r)
{
    return r.showsNumber() ? General(r.value, 10) : QString();
}

// A knob's position or a switch's direction as a number.
QString PositionNumber(const InstrumentReading &r)
{
    if (r.kind == InstrumentReading::Kind::Switch)
        return r.value < 0 ? QStringLiteral("-1") : QStringLiteral("1");
    return General(r.value, 4);
}

QString PositionText(const InstrumentReading &r, const ProtocolWords &words)
{
    if (words.position) {
        const QString said = words.position(r);
        if (!said.isEmpty())
            return said;
    }
    if (r.kind == InstrumentReading::Kind::Switch)
        return r.value < 0 ? QStringLiteral("\u2212") : QStringLiteral("+");
    return WithMark(PositionNumber(r), words.decimalMark);
}

bool IsPosition(InstrumentReading::Kind k)
{
    return k == InstrumentReading::Kind::Knob || k == InstrumentReading::Kind::Switch;
}

// The columns of a protocol: each setting and each instrument once, in the
// order the rows first give them.
struct Columns {
    struct Setting {
        QString name, unit;
    };
    struct Instrument {
        QString name, unit;
        InstrumentReading::Kind kind;
    };
    std::vector<Setting> settings;
    std::vector<Instrument> positions; // knobs and switches
    std::vector<Instrument> meters;    // meters and displays, in order
    bool anyMoving = false;
};

Columns ColumnsOf(const Protocol &p)
{
    Columns c;
    auto has = [](const auto &list, const QString &name) {
        return std::any_of(list.begin(), list.end(), [&](const auto &e) { return e.name == name; });
    };
    for (int i = 0; i < p.size(); ++i) {
        const ProtocolRow &row = p.row(i);
        for (const CalcSetting &s : row.settings)
            if (!has(c.settings, s.name))
                c.settings.push_back({s.name, s.unit});
        for (const InstrumentReading &r : row.readings) {
            auto &list = IsPosition(r.kind) ? c.positions : c.meters;
            if (!has(list, r.name))
                list.push_back({r.name, r.unit, r.kind});
        }
        c.anyMoving = c.anyMoving || row.moving;
    }
    // A knob the settings name already (the variant selector) is one
    // column, the setting's.
    std::erase_if(c.positions, [&](const Columns::Instrument &p) { return has(c.settings, p.name); });
    return c;
}

const CalcSetting *FindSetting(const ProtocolRow &row, const QString &name)
{
    for (const CalcSetting &s : row.settings)
        if (s.name == name)
            return &s;
    return nullptr;
}

const InstrumentReading *FindReading(const ProtocolRow &row, const QString &name, bool position)
{
    for (const InstrumentReading &r : row.readings)
        if (r.name == name && IsPosition(r.kind) == position)
            return &r;
    return nullptr;
}

QString TimeText(const QTime &t)
{
    return t.isValid() ? t.toString(QStringLiteral("HH:mm:ss")) : QString();
}

bool IsNumber(const QString &text)
{
    bool ok = false;
    text.toDouble(&ok); // QString's conversion takes only the C locale's form
    return ok;
}

} // namespace

QString ReadValueText(const InstrumentReading &r)
{
    if (!std::isfinite(r.value))
        return QString();
    const int d = ReadDecimals(r.error);
    return d < 0 ? General(r.value, 4) : Trimmed(QString::number(r.value, 'f', d));
}

QString ReadErrorText(const InstrumentReading &r)
{
    return ReadDecimals(r.error) < 0 ? QString() : General(r.error, 4);
}

QString ReadingText(const InstrumentReading &r, const ProtocolWords &words)
{
    switch (r.kind) {
    case InstrumentReading::Kind::Meter: {
        const QString value = WithMark(ReadValueText(r), words.decimalMark);
        const QString error = ReadErrorText(r);
        return error.isEmpty() ? value : value + QStringLiteral(" \u00b1 ") + WithMark(error, words.decimalMark);
    }
    case InstrumentReading::Kind::Indicator:
        return WithMark(IndicatorText(r), words.decimalMark);
    case InstrumentReading::Kind::Knob:
    case InstrumentReading::Kind::Switch:
        return PositionText(r, words);
    }
    return QString();
}

ProtocolTable ProtocolTableOf(const Protocol &protocol, const ProtocolWords &words)
{
    const Columns c = ColumnsOf(protocol);
    ProtocolTable t;
    t.headers << words.time;
    for (const auto &s : c.settings)
        t.headers << words.Header(s.name, s.unit);
    for (const auto &p : c.positions)
        t.headers << words.Name(p.name);
    for (const auto &m : c.meters)
        if (m.kind == InstrumentReading::Kind::Meter)
            t.headers << words.Header(words.Name(m.name) + QLatin1Char(' ') + words.range, m.unit);
    for (const auto &m : c.meters)
        t.headers << words.Header(words.Name(m.name), m.unit);
    t.headers << words.note;

    for (int i = 0; i < protocol.size(); ++i) {
        const ProtocolRow &row = protocol.row(i);
        QStringList cells;
        cells << TimeText(row.time);
        for (const auto &s : c.settings) {
            const CalcSetting *found = FindSetting(row, s.name);
            cells << (found ? WithMark(found->value, words.decimalMark) : QString());
        }
        for (const auto &p : c.positions) {
            const InstrumentReading *r = FindReading(row, p.name, true);
            cells << (r ? PositionText(*r, words) : QString());
        }
        for (const auto &m : c.meters)
            if (m.kind == InstrumentReading::Kind::Meter) {
                const InstrumentReading *r = FindReading(row, m.name, false);
                cells << (r ? WithMark(General(r->range, 6), words.decimalMark) : QString());
            }
        for (const auto &m : c.meters) {
            const InstrumentReading *r = FindReading(row, m.name, false);
            cells << (r ? ReadingText(*r, words) : QString());
        }
        cells << (row.moving ? words.moving : QString());
        t.rows.push_back(cells);
        t.moving.push_back(row.moving);
    }
    return t;
}

QString ProtocolCsv(const Protocol &protocol, const ProtocolWords &words, const CsvStyle &style)
{
    const Columns c = ColumnsOf(protocol);
    using Kind = InstrumentReading::Kind;
    auto text = [&style](const QString &s) { return CsvText(s, style); };
    auto number = [&style](const QString &s) { return s.isEmpty() ? QString() : CsvNumber(s, style); };

    QStringList header;
    header << text(words.time);
    for (const auto &s : c.settings)
        header << text(words.Header(s.name, s.unit));
    for (const auto &p : c.positions)
        header << text(words.Name(p.name));
    for (const auto &m : c.meters)
        if (m.kind == Kind::Meter)
            header << text(words.Header(words.Name(m.name) + QLatin1Char(' ') + words.range, m.unit));
    for (const auto &m : c.meters) {
        header << text(words.Header(words.Name(m.name), m.unit));
        if (m.kind == Kind::Meter)
            header << text(words.Header(words.Name(m.name) + QLatin1Char(' ') + words.error, m.unit));
    }
    header << text(words.note);

    QString out = CsvRecord(header, style);
    for (int i = 0; i < protocol.size(); ++i) {
        const ProtocolRow &row = protocol.row(i);
        QStringList f;
        f << text(TimeText(row.time));
        for (const auto &s : c.settings) {
            const CalcSetting *found = FindSetting(row, s.name);
            if (!found)
                f << QString();
            else
                f << (IsNumber(found->value) ? number(found->value) : text(found->value));
        }
        for (const auto &p : c.positions) {
            const InstrumentReading *r = FindReading(row, p.name, true);
            if (!r) {
                f << QString();
                continue;
            }
            // A position the reader says in words (the phase letter) stays
            // a word; a number stays a number.
            const QString said = words.position ? words.position(*r) : QString();
            f << (said.isEmpty() ? number(PositionNumber(*r)) : text(said));
        }
        for (const auto &m : c.meters)
            if (m.kind == Kind::Meter) {
                const InstrumentReading *r = FindReading(row, m.name, false);
                f << (r ? number(General(r->range, 6)) : QString());
            }
        for (const auto &m : c.meters) {
            const InstrumentReading *r = FindReading(row, m.name, false);
            if (m.kind == Kind::Meter) {
                f << (r ? number(ReadValueText(*r)) : QString());
                f << (r ? number(ReadErrorText(*r)) : QString());
            } else {
                f << (r ? number(IndicatorText(*r)) : QString());
            }
        }
        f << text(row.moving ? words.moving : QString());
        out += CsvRecord(f, style);
    }
    return out;
}

QString ScopeCsv(const ScopeTraces &traces, const ProtocolWords &words, const CsvStyle &style)
{
    QStringList header;
    header << CsvText(words.Header(QStringLiteral("t"), QStringLiteral("ms")), style);
    for (const ScopeChannel &ch : traces.channels)
        header << CsvText(words.Header(words.Name(ch.name), ch.unit), style);
    QString out = CsvRecord(header, style);
    for (std::size_t k = 0; k < traces.timeMs.size(); ++k) {
        QStringList f;
        f << CsvNumber(ShortestText(traces.timeMs[k]), style);
        for (const ScopeChannel &ch : traces.channels)
            f << (k < ch.samples.size() ? CsvNumber(ShortestText(ch.samples[k]), style) : QString());
        out += CsvRecord(f, style);
    }
    return out;
}

QString ShortestText(float v)
{
    return Shortest(v);
}

QString ShortestText(double v)
{
    return Shortest(v);
}

} // namespace ohmaris
