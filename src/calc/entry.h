// SPDX-License-Identifier: GPL-3.0-or-later
// Key filters and the change rule of the parameter boxes.
// A box lets only a non-negative decimal number through (comma as the
// decimal separator); an accepted text is stored as its magnitude plus a
// small offset and capped, so a typed 0 never reaches a model as zero.
#pragma once

#include <QString>
#include <optional>

namespace ohmaris {

constexpr int kBackspace = 8;
constexpr int kComma = 44;

// Returns the key code to use, 0 to discard the key. `text` and `selStart`
// are the box's current text and caret position.
int DecimalKeyFilter(int key, const QString &text, int selStart);
int DigitKeyFilter(int key);

// Numeric test and conversion that read the decimal comma and the point the
// same way, whatever the system locale. Accepts surrounding blanks, a sign
// and an exponent; refuses empty text, a lone separator and anything else.
bool IsNumericText(const QString &text);
// 32-bit conversion of a text that IsNumericText accepts, independent of the
// C library's locale; a number beyond the float range gives an infinity.
std::optional<float> TextToFloat(const QString &text);

// Per-box constants of the change rule.
struct EntryRule {
    double offset = 0.0;
    float limit = 1000000.0f;
    // The transients bench: recalculate on every change, store the offset
    // for a non-numeric text, and write a capped value back less the offset.
    bool transientStyle = false;
};

struct EntryResult {
    bool recalc = false;            // set the window's RecalcPending
    float value = 0.0f;             // the stored value after the change
    std::optional<QString> rewrite; // new box text when the value was capped
};

// Applies the change rule to a box's new text; `current` is the value the
// box stored before.
EntryResult ApplyEntryRule(const QString &text, float current, const EntryRule &rule);

// A text the rule stores as `stored`: the shortest decimal (point as the
// separator) that does, so a box's stored value can be handed on as what
// to type; the value less the offset, at full precision, when none does.
QString EntryText(float stored, const EntryRule &rule);

// General number format: shortest text of up to `digits` significant digits,
// comma or point as separator, no trailing zeros.
QString GeneralNumber(double value, int digits = 7, QChar separator = QLatin1Char(','));

} // namespace ohmaris
