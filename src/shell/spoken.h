// SPDX-License-Identifier: GPL-3.0-or-later
// What a bench says aloud, for screen readers (through Qt's accessibility):
// the kind of each schematic element by its help key ("Breaker SF",
// "Inductive coil, variant 3"), numbers and units as the current language
// writes them, a meter's or a display's reading as a sentence ("A1: 0.85 A,
// range 1 A"), and range captions read in the language's script ("1 А" with
// a Cyrillic letter reads "1 A" in English). The words come through Qt's
// translators, which switch with the language files; the numbers and units
// are pure functions of the language.
//
// A bench attaches its own words to a control with Speech: a name (and a
// description) computed when asked, so they are always in the language of
// the moment and follow what the control shows.
#pragma once

#include "calc/reading.h"
#include "i18n/languagefile.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>

class QLabel;
class QWidget;

namespace ohmaris {

// The language the program speaks now (the shell's current language).
Language SpokenLanguage();

// The kind of element a help key stands for ("Breaker", "Switch",
// "Ammeter" ...); empty for a key the frame does not know.
QString ElementKind(const QString &helpKey);
// The kind of meter that reads in `unit` ("Ammeter" for A, "Voltmeter"
// for V, "Wattmeter" for W, "Milliammeter" for mA); empty for another.
QString MeterKind(const QString &unit);
// A schematic element's name: its kind and its label, then what it shows
// ("Breaker SF", "Switch S1", "Inductive coil, variant 3").
QString ElementName(const QString &helpKey, const QString &label, const QString &detail = QString());

// A label of the bench as the language spells it: the K-50 set is "К-50"
// in Russian; other labels ("A1", "SF") are the schematic's own.
QString SpokenLabel(const QString &label, Language language);
// A unit symbol in the language's script, whichever script it was written
// in ("А", "A" -> "A" in English, "А" in Russian; "V/div" -> "В/дел").
// A unit the table does not know is returned as it stands.
QString SpokenUnit(const QString &unit, Language language);
// A number with `decimals` places in the language's format (a decimal
// point in English, a comma in Russian).
QString SpokenNumber(double value, int decimals, Language language);
// Decimal places a reading is spoken with: enough for half a tick step of
// the scale (0.02 A steps read 0.85 A, 5 V steps read 259 V), at most 4.
int ReadingDecimals(double resolution);
// What a pointer meter shows: "A1: 0.85 A, range 1 A".
QString MeterSentence(const QString &label, const InstrumentReading &reading, Language language);
// What a numeric display shows: "V1: 12.345 V", or that it is dark.
QString DisplaySentence(const QString &label, const InstrumentReading &reading, Language language);
// A button's caption read in the language: a number and a unit ("1 А",
// "2,5 A", "150 В") in the language's number format and script; any other
// caption as it stands.
QString SpokenCaption(const QString &caption, Language language);

// The words a bench gives one of its controls: a name and a description,
// computed whenever a screen reader asks. Lives as a child of the control.
// A control Qt itself makes accessible (an entry box) is given the name as
// its accessible name, again at every language switch (RefreshAll).
class Speech : public QObject {
    Q_OBJECT
public:
    using Words = std::function<QString()>;
    static Speech *Attach(QWidget *control, Words name, Words description = {});
    // The speech attached to `control`, if any.
    static const Speech *Of(const QObject *control);
    QString Name() const { return m_name ? m_name() : QString(); }
    QString Description() const { return m_description ? m_description() : QString(); }
    bool hasDescription() const { return bool(m_description); }

    // Gives every control below `root` its words again, after a language
    // switch, and tells a screen reader that every accessible name and
    // description there may have changed.
    static void RefreshAll(QWidget *root);

private:
    Speech(QWidget *control, Words name, Words description);
    void Push();

    QWidget *m_control;
    Words m_name;
    Words m_description;
};

// An entry box named by its symbol and the unit label beside it: "E1 (V)",
// "C (µF)".
void SpeakBox(QWidget *box, const QString &symbol, QLabel *unit);

} // namespace ohmaris
