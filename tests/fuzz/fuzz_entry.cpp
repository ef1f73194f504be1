// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz harness of the parameter boxes: keys typed into a box through its key
// filter, with the caret and selection moving as in a line edit, and the
// change rule applied after every edit with an offset, a limit and a style
// taken from the input. Checks that a box only ever holds digits and one
// comma, that a box text with a digit always reads as a number, that the
// stored value stays finite within the rule's range, that a capped box's new
// text reads back as the cap, and that the numeric reading agrees with the
// C++ library's own locale-free conversion.
//
// Input: byte 0 picks the mode (bit 7: text, bits 0-1: box style), bytes
// 1-8 the offset (double), 9-12 the limit (float), the rest the keys.
#include "fuzzcheck.h"

#include "calc/entry.h"

#include <QString>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

using namespace ohmaris;
using ohmaris::fuzz::Shown;

namespace {

// Key bytes at and above this one are editing keys, not characters.
enum EditKey : std::uint8_t {
    kLeft = 0xF0, kRight, kHome, kEnd, kDelete, kShiftLeft, kShiftRight, kSelectAll,
    kWideKey,  // the next two bytes are a 16-bit character
    kAnyKey,   // the next four bytes are any key code, negative ones included
};

bool IsBoxText(const QString &text, bool digitsOnly)
{
    int commas = 0;
    for (const QChar c : text) {
        if (c == QLatin1Char(','))
            ++commas;
        else if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return commas == 0 || (!digitsOnly && commas == 1);
}

bool HasDigit(const QString &text)
{
    for (const QChar c : text)
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            return true;
    return false;
}

// The reading the C++ library gives: blanks trimmed, comma as point, a
// leading plus dropped (from_chars takes none). Empty when out of range,
// where the two conversions legitimately differ (infinity, underflow).
std::optional<float> LibraryReading(const QString &text)
{
    QString s = text.trimmed();
    s.replace(QLatin1Char(','), QLatin1Char('.'));
    if (s.startsWith(QLatin1Char('+')))
        s.remove(0, 1);
    const QByteArray latin = s.toLatin1();
    float value = 0.0f;
    const auto [end, ec] = std::from_chars(latin.constData(), latin.constData() + latin.size(), value);
    if (ec != std::errc() || end != latin.constData() + latin.size())
        return std::nullopt;
    // Denormal results round differently in some libraries; leave them out.
    if (value != 0.0f && std::fabs(value) < std::numeric_limits<float>::min())
        return std::nullopt;
    return value;
}

void CheckReading(const QString &text)
{
    const bool numeric = IsNumericText(text);
    const std::optional<float> value = TextToFloat(text);
    FUZZ_CHECK(numeric == value.has_value(), Shown(text));
    if (!value)
        return;
    FUZZ_CHECK(!std::isnan(*value), Shown(text));
    const std::optional<float> library = LibraryReading(text);
    if (library && std::isfinite(*value))
        FUZZ_CHECK(*library == *value,
                   QStringLiteral("%1 reads %2, the library %3").arg(Shown(text)).arg(*value, 0, 'g', 9).arg(*library, 0, 'g', 9));
}

bool Near(double a, double b, double tolerance) { return std::fabs(a - b) <= tolerance; }

// One change of a box's text. Returns the change rule's result after its
// checks; `current` is the value stored before.
EntryResult CheckRule(const QString &text, float current, const EntryRule &rule)
{
    CheckReading(text);
    const EntryResult r = ApplyEntryRule(text, current, rule);
    const std::optional<float> parsed = TextToFloat(text);
    const float low = float(rule.offset);
    if (!parsed) {
        FUZZ_CHECK(!r.rewrite, Shown(text));
        FUZZ_CHECK(r.recalc == rule.transientStyle, Shown(text));
        FUZZ_CHECK(r.value == (rule.transientStyle ? low : current), Shown(text));
        return r;
    }
    const QString detail = QStringLiteral("%1 offset %2 limit %3 value %4")
                               .arg(Shown(text))
                               .arg(rule.offset, 0, 'g', 17)
                               .arg(rule.limit, 0, 'g', 9)
                               .arg(r.value, 0, 'g', 9);
    FUZZ_CHECK(r.recalc, detail);
    FUZZ_CHECK(std::isfinite(r.value) && r.value >= low && r.value <= rule.limit, detail);
    const double wanted = std::fabs(double(*parsed)) + rule.offset;
    if (!r.rewrite) {
        // Stored as typed, to float precision.
        FUZZ_CHECK(Near(r.value, wanted, 1e-7 * wanted + 1e-44), detail);
        return r;
    }
    // Capped only at or above the limit, and the new text reads back as it.
    FUZZ_CHECK(r.value == rule.limit && wanted >= double(rule.limit) * (1.0 - 1e-7), detail);
    const QString rewritten = *r.rewrite;
    FUZZ_CHECK(IsNumericText(rewritten), detail + QStringLiteral(" rewrite ") + Shown(rewritten));
    // Shown without an exponent where the number has a plain form, so the
    // box holds what a student could have typed.
    const double shown = rule.transientStyle ? double(rule.limit) - rule.offset : double(rule.limit);
    if (shown == 0.0 || (shown >= 1e-4 && shown < (rule.transientStyle ? 1e15 : 1e7)))
        FUZZ_CHECK(IsBoxText(rewritten, false), detail + QStringLiteral(" rewrite ") + Shown(rewritten));
    const EntryResult again = ApplyEntryRule(rewritten, r.value, rule);
    const QString againDetail = detail + QStringLiteral(" rewrite %1 reads %2").arg(Shown(rewritten)).arg(again.value, 0, 'g', 9);
    FUZZ_CHECK(again.value <= rule.limit && Near(again.value, rule.limit, 1e-6 * double(rule.limit) + 1e-44),
               againDetail);
    // A second rewrite, if any, writes the same text, so the box settles.
    FUZZ_CHECK(!again.rewrite || *again.rewrite == rewritten, againDetail);
    return r;
}

// A line edit as far as the filter sees it: text, caret, selection.
struct Box {
    QString text;
    int caret = 0;
    int anchor = 0;

    bool hasSelection() const { return anchor != caret; }
    int selStart() const { return std::min(anchor, caret); }
    int selEnd() const { return std::max(anchor, caret); }
    void moveTo(int position, bool mark)
    {
        caret = std::clamp(position, 0, int(text.size()));
        if (!mark)
            anchor = caret;
    }
    void removeSelection()
    {
        const int start = selStart();
        text.remove(start, selEnd() - start);
        caret = anchor = start;
    }
    void insert(QChar c)
    {
        removeSelection();
        text.insert(caret, c);
        caret = anchor = caret + 1;
    }
    void backspace()
    {
        if (hasSelection())
            removeSelection();
        else if (caret > 0) {
            text.remove(caret - 1, 1);
            caret = anchor = caret - 1;
        }
    }
    void del()
    {
        if (hasSelection())
            removeSelection();
        else if (caret < text.size())
            text.remove(caret, 1);
    }
    void setText(const QString &t)
    {
        text = t;
        caret = anchor = int(t.size());
    }
};

template <class T>
T Read(const std::uint8_t *data)
{
    T value;
    std::memcpy(&value, data, sizeof value);
    return value;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    constexpr std::size_t kHeader = 13;
    if (size < kHeader)
        return 0;
    const std::uint8_t mode = data[0];
    EntryRule rule;
    rule.offset = Read<double>(data + 1);
    rule.limit = Read<float>(data + 9);
    // The rules a box can have: a finite cap, a non-negative offset below it.
    if (!std::isfinite(rule.offset) || !std::isfinite(rule.limit) || rule.limit <= 0.0f || rule.offset < 0.0
        || rule.offset > double(rule.limit))
        return -1;
    rule.transientStyle = (mode & 1) != 0;
    const bool digitsOnly = (mode & 2) != 0;
    const std::uint8_t *keys = data + kHeader;
    const std::size_t keyCount = size - kHeader;

    if (mode & 0x80) {
        // Pasted or given on the calculator's command line: any text.
        CheckRule(QString::fromUtf8(reinterpret_cast<const char *>(keys), qsizetype(keyCount)), float(rule.offset), rule);
        return 0;
    }

    Box box;
    float stored = float(rule.offset);
    // The bench's change handler: the rule, the stored value, and a capped
    // text written back, which is a change of its own.
    const auto changed = [&] {
        for (int round = 0;; ++round) {
            const EntryResult r = CheckRule(box.text, stored, rule);
            if (r.recalc || rule.transientStyle)
                stored = r.value;
            if (!r.rewrite || *r.rewrite == box.text)
                return;
            FUZZ_CHECK(round == 0, QStringLiteral("the box does not settle at %1").arg(Shown(box.text)));
            box.setText(*r.rewrite);
        }
    };

    bool boxText = true; // holds only what typing can produce
    for (std::size_t i = 0; i < keyCount; ++i) {
        const QString before = box.text;
        const std::uint8_t k = keys[i];
        int key = k;
        switch (k) {
        case kLeft:
            box.moveTo(box.hasSelection() ? box.selStart() : box.caret - 1, false);
            continue;
        case kRight:
            box.moveTo(box.hasSelection() ? box.selEnd() : box.caret + 1, false);
            continue;
        case kHome: box.moveTo(0, false); continue;
        case kEnd: box.moveTo(int(box.text.size()), false); continue;
        case kShiftLeft: box.moveTo(box.caret - 1, true); continue;
        case kShiftRight: box.moveTo(box.caret + 1, true); continue;
        case kSelectAll:
            box.anchor = 0;
            box.caret = int(box.text.size());
            continue;
        case kDelete:
            box.del();
            break;
        case kWideKey:
            if (i + 2 >= keyCount)
                return 0;
            key = keys[i + 1] | keys[i + 2] << 8;
            i += 2;
            break;
        case kAnyKey:
            if (i + 4 >= keyCount)
                return 0;
            key = Read<std::int32_t>(keys + i + 1);
            i += 4;
            break;
        default:
            break;
        }
        if (k != kDelete) {
            const int filtered = digitsOnly ? DigitKeyFilter(key) : DecimalKeyFilter(key, box.text, box.caret);
            const QString detail = QStringLiteral("key %1 at %2 in %3 gives %4").arg(key).arg(box.caret).arg(Shown(box.text)).arg(filtered);
            // A key passes as itself; only the point may become the comma.
            FUZZ_CHECK(filtered == 0 || filtered == key || (filtered == kComma && key == '.'), detail);
            if (filtered == kBackspace)
                box.backspace();
            else if (filtered != 0)
                box.insert(QChar(filtered));
        }
        if (boxText) {
            FUZZ_CHECK(IsBoxText(box.text, digitsOnly), QStringLiteral("%1 after key %2").arg(Shown(box.text)).arg(key));
            // Whatever a student types that has a digit is a number.
            FUZZ_CHECK(IsNumericText(box.text) == HasDigit(box.text), Shown(box.text));
            if (HasDigit(box.text))
                FUZZ_CHECK(*TextToFloat(box.text) >= 0.0f, Shown(box.text));
        }
        if (box.text != before) {
            changed();
            boxText = boxText && IsBoxText(box.text, digitsOnly);
        }
    }
    return 0;
}
