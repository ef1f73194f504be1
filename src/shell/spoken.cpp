// SPDX-License-Identifier: GPL-3.0-or-later
// The words a bench says aloud.
#include "shell/spoken.h"

#include "shell/shell.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QLabel>
#include <QLocale>
#include <QRegularExpression>
#include <QWidget>
#include <algorithm>
#include <array>
#include <cmath>

namespace ohmaris {

namespace {

QString Tr(const char *text)
{
    return QCoreApplication::translate("ohmaris::Spoken", text);
}

QLocale LocaleOf(Language language)
{
    QLocale l(language == Language::Russian ? QLocale::Russian : QLocale::English,
              language == Language::Russian ? QLocale::Russia : QLocale::UnitedStates);
    l.setNumberOptions(QLocale::OmitGroupSeparator);
    return l;
}

// Unit symbols in English and in Russian. The English column also takes
// the letters of the Russian one that a caption may carry in an English
// text ("1 А" with a Cyrillic A).
struct UnitPair {
    const char16_t *english;
    const char16_t *russian;
};
constexpr std::array<UnitPair, 16> kUnits{{
    {u"A", u"А"},
    {u"mA", u"мА"},
    {u"V", u"В"},
    {u"mV", u"мВ"},
    {u"W", u"Вт"},
    {u"\u03A9", u"Ом"},
    {u"\u2126", u"Ом"},
    {u"\u00B5F", u"мкФ"},
    {u"\u03BCF", u"мкФ"},
    {u"F", u"Ф"},
    {u"mH", u"мГн"},
    {u"H", u"Гн"},
    {u"ms", u"мс"},
    {u"s", u"с"},
    {u"Hz", u"Гц"},
    {u"div", u"дел"},
}};

QString UnitPart(const QString &part, Language language)
{
    for (const UnitPair &u : kUnits) {
        const QString en = QString::fromUtf16(u.english);
        const QString ru = QString::fromUtf16(u.russian);
        if (part == en || part == ru)
            return language == Language::Russian ? ru : en;
    }
    return part;
}

} // namespace

Language SpokenLanguage()
{
    return Shell::instance().CurrentLanguage == 2 ? Language::Russian : Language::English;
}

QString ElementKind(const QString &helpKey)
{
    struct Kind {
        const char *key;
        const char *words;
    };
    static const Kind kinds[] = {
        {"oA", QT_TRANSLATE_NOOP("ohmaris::Spoken", "Ammeter")},
        {"oAA", QT_TRANSLATE_NOOP("ohmaris::Spoken", "Voltage regulator")},
        {"oV", QT_TRANSLATE_NOOP("ohmaris::Spoken", "Voltmeter")},
        {"oVV", QT_TRANSLATE_NOOP("ohmaris::Spoken", "Oscilloscope input")},
        {"oR", QT_TRANSLATE_NOOP("ohmaris::Spoken", "Resistor")},
        {"oE", QT_TRANSLATE_NOOP("ohmaris::Spoken", "EMF source")},
        {"oL", QT_TRANSLATE_NOOP("ohmaris::Spoken", "Inductive coil")},
        {"oC", QT_TRANSLATE_NOOP("ohmaris::Spoken", "Capacitor")},
        {"oS", QT_TRANSLATE_NOOP("ohmaris::Spoken", "Switch")},
        {"oSS", QT_TRANSLATE_NOOP("ohmaris::Spoken", "Rotary switch")},
        {"oSSS", QT_TRANSLATE_NOOP("ohmaris::Spoken", "Range")},
        {"oSSSS", QT_TRANSLATE_NOOP("ohmaris::Spoken", "Power direction")},
        {"oSSSSS", QT_TRANSLATE_NOOP("ohmaris::Spoken", "Breaker")},
        {"oK", QT_TRANSLATE_NOOP("ohmaris::Spoken", "Measuring set")},
        {"oW", QT_TRANSLATE_NOOP("ohmaris::Spoken", "Wattmeter")},
    };
    for (const Kind &k : kinds)
        if (helpKey == QLatin1String(k.key))
            return Tr(k.words);
    return QString();
}

QString MeterKind(const QString &unit)
{
    const QString u = SpokenUnit(unit, Language::English);
    if (u == QLatin1String("A"))
        return Tr(QT_TRANSLATE_NOOP("ohmaris::Spoken", "Ammeter"));
    if (u == QLatin1String("mA"))
        return Tr(QT_TRANSLATE_NOOP("ohmaris::Spoken", "Milliammeter"));
    if (u == QLatin1String("V"))
        return Tr(QT_TRANSLATE_NOOP("ohmaris::Spoken", "Voltmeter"));
    if (u == QLatin1String("W"))
        return Tr(QT_TRANSLATE_NOOP("ohmaris::Spoken", "Wattmeter"));
    return QString();
}

QString ElementName(const QString &helpKey, const QString &label, const QString &detail)
{
    QString name = ElementKind(helpKey);
    const QString spokenLabel = SpokenLabel(label, SpokenLanguage());
    if (!spokenLabel.isEmpty())
        name = name.isEmpty() ? spokenLabel : name + QLatin1Char(' ') + spokenLabel;
    if (!detail.isEmpty())
        name = name.isEmpty() ? detail : name + QStringLiteral(", ") + detail;
    return name;
}

QString SpokenLabel(const QString &label, Language language)
{
    // The set's name, with a Latin or a Cyrillic K.
    static const QRegularExpression k50(QStringLiteral("^[K\u041A]-50"));
    QString s = label;
    if (k50.match(s).hasMatch())
        s.replace(0, 4, language == Language::Russian ? QStringLiteral("\u041A-50") : QStringLiteral("K-50"));
    return s;
}

QString SpokenUnit(const QString &unit, Language language)
{
    const QStringList parts = unit.split(QLatin1Char('/'));
    QStringList spoken;
    for (const QString &p : parts)
        spoken.append(UnitPart(p, language));
    return spoken.join(QLatin1Char('/'));
}

QString SpokenNumber(double value, int decimals, Language language)
{
    if (!std::isfinite(value))
        return QString();
    QString s = LocaleOf(language).toString(value, 'f', std::max(0, decimals));
    // No minus before a zero that rounding made.
    static const QRegularExpression negativeZero(QStringLiteral("^-0([.,]0*)?$"));
    if (negativeZero.match(s).hasMatch())
        s.remove(0, 1);
    return s;
}

int ReadingDecimals(double resolution)
{
    if (!(resolution > 0) || !std::isfinite(resolution))
        return 2;
    const int d = int(std::ceil(-std::log10(resolution / 2) - 1e-9));
    return std::clamp(d, 0, 4);
}

QString MeterSentence(const QString &label, const InstrumentReading &reading, Language language)
{
    const QLocale locale = LocaleOf(language);
    const QString unit = SpokenUnit(reading.unit, language);
    const auto withUnit = [&unit](const QString &number) {
        return unit.isEmpty() ? number : number + QLatin1Char(' ') + unit;
    };
    const QString value = withUnit(SpokenNumber(reading.value, ReadingDecimals(reading.resolution), language));
    const QString range = withUnit(locale.toString(reading.range, 'g', 6));
    //: A pointer meter's reading: its label, what the pointer shows, its range.
    return QCoreApplication::translate("ohmaris::Spoken", "%1: %2, range %3")
        .arg(SpokenLabel(label, language), value, range);
}

QString DisplaySentence(const QString &label, const InstrumentReading &reading, Language language)
{
    const QString name = SpokenLabel(label, language);
    if (!reading.showsNumber())
        //: A numeric display that is dark or shows an overflow.
        return QCoreApplication::translate("ohmaris::Spoken", "%1: no number shown").arg(name);
    const QString unit = SpokenUnit(reading.unit, language);
    QString number = LocaleOf(language).toString(reading.value, 'g', 9);
    if (!unit.isEmpty())
        number += QLatin1Char(' ') + unit;
    return QStringLiteral("%1: %2").arg(name, number);
}

QString SpokenCaption(const QString &caption, Language language)
{
    static const QRegularExpression numberAndUnit(QStringLiteral("^\\s*([0-9]+)(?:[.,]([0-9]+))?\\s*(\\S*)\\s*$"));
    const QRegularExpressionMatch m = numberAndUnit.match(caption);
    if (!m.hasMatch())
        return caption.trimmed();
    const QString fraction = m.captured(2);
    const double value = (m.captured(1) + QLatin1Char('.') + (fraction.isEmpty() ? QStringLiteral("0") : fraction)).toDouble();
    const QString number = SpokenNumber(value, int(fraction.size()), language);
    const QString unit = m.captured(3);
    return unit.isEmpty() ? number : number + QLatin1Char(' ') + SpokenUnit(unit, language);
}

Speech::Speech(QWidget *control, Words name, Words description)
    : QObject(control), m_control(control), m_name(std::move(name)), m_description(std::move(description))
{
    setObjectName(QStringLiteral("Speech"));
}

Speech *Speech::Attach(QWidget *control, Words name, Words description)
{
    if (!control)
        return nullptr;
    delete control->findChild<Speech *>(QString(), Qt::FindDirectChildrenOnly);
    auto *s = new Speech(control, std::move(name), std::move(description));
    s->Push();
    return s;
}

const Speech *Speech::Of(const QObject *control)
{
    return control ? control->findChild<const Speech *>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
}

void Speech::Push()
{
    // Qt's own accessible widgets (an entry box) read these.
    m_control->setAccessibleName(Name());
    if (m_description)
        m_control->setAccessibleDescription(Description());
}

void Speech::RefreshAll(QWidget *root)
{
    if (!root)
        return;
    for (Speech *s : root->findChildren<Speech *>())
        s->Push();
    if (!QAccessible::isActive())
        return;
    for (QWidget *w : root->findChildren<QWidget *>()) {
        QAccessibleEvent name(w, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&name);
        QAccessibleEvent description(w, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&description);
    }
}

void SpeakBox(QWidget *box, const QString &symbol, QLabel *unit)
{
    Speech::Attach(box, [symbol, unit = QPointer<QLabel>(unit)] {
        const QString u = unit ? unit->text().trimmed() : QString();
        return u.isEmpty() ? symbol : QStringLiteral("%1 (%2)").arg(symbol, u);
    });
}

} // namespace ohmaris
