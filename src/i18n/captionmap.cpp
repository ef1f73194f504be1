// SPDX-License-Identifier: GPL-3.0-or-later
// The caption table: the shell's windows and the menus of every lab
// window here, each lab's own rows from its folder; and the formatting
// rules every row follows.
#include "i18n/captionmap.h"

#include "labs/labtable.h"

#include <utility>

namespace ohmaris {

QString CaptionElement(const QString &name, int index)
{
    return QStringLiteral("%1(%2)").arg(name).arg(index);
}

CaptionRows::CaptionRows(std::vector<CaptionTarget> &targets, QString window, int chooserOption)
    : m_targets(targets), m_window(std::move(window)), m_chooserOption(chooserOption)
{
}

void CaptionRows::add(const QString &control, CaptionRole role, Compute compute)
{
    m_targets.push_back(CaptionTarget{m_window, control, role, std::move(compute)});
}

void CaptionRows::addText(const QString &control, CaptionRole role, Make make)
{
    add(control, role, [make = std::move(make)](const LanguageTable &t) { return QStringList{make(t)}; });
}

void CaptionRows::text(const QString &control, int block, int item)
{
    addText(control, CaptionRole::Text, [=](const LanguageTable &t) { return t.item(block, item); });
}

void CaptionRows::tip(const QString &control, int block, int item)
{
    addText(control, CaptionRole::ToolTip, [=](const LanguageTable &t) {
        return QLatin1Char(' ') + t.item(block, item) + QLatin1Char(' ');
    });
}

void CaptionRows::tips(std::initializer_list<QString> controls, int block, int item)
{
    for (const QString &c : controls)
        tip(c, block, item);
}

void CaptionRows::rangeCaption(const QString &control, const QString &number, int block, int item)
{
    addText(control, CaptionRole::Text,
            [=](const LanguageTable &t) { return number + QLatin1Char(' ') + t.item(block, item); });
}

void CaptionRows::title(int block, int item)
{
    title([=](const LanguageTable &t) { return t.item(block, item); });
}

void CaptionRows::title(Make make)
{
    Make titled = [make = std::move(make)](const LanguageTable &t) { return QLatin1Char(' ') + make(t); };
    if (m_chooserOption >= 0)
        m_targets.push_back(CaptionTarget{QStringLiteral("frmSplash"),
                                          CaptionElement(QStringLiteral("Option1"), m_chooserOption),
                                          CaptionRole::Text,
                                          [titled](const LanguageTable &t) { return QStringList{titled(t)}; }});
    addText(QString(), CaptionRole::WindowTitle, titled);
}

namespace {

QString AsTip(const QString &text) { return QLatin1Char(' ') + text + QLatin1Char(' '); }
QString AsTitle(const QString &text) { return QLatin1Char(' ') + text; }

// The chooser, the about box and the help window.
void ShellRows(std::vector<CaptionTarget> &targets)
{
    CaptionRows splash(targets, QStringLiteral("frmSplash"));
    CaptionRows about(targets, QStringLiteral("frmAbout"));
    auto version = [](const LanguageTable &t) { return t.versionText(); };
    splash.addText(QStringLiteral("lblversion"), CaptionRole::Text, version);
    about.addText(QStringLiteral("lblVersion"), CaptionRole::Text, version);
    splash.text(QStringLiteral("lblProductName"), 1, 2);
    // The spaces inside the quotes do not break, so a wrapped title never
    // leaves a quote alone on a line.
    splash.addText(QStringLiteral("Label2"), CaptionRole::Text,
                   [](const LanguageTable &t) { return QStringLiteral("\"\u00A0%1\u00A0\"").arg(t.item(1, 3)); });
    // A line break between the product name and the quoted title.
    about.addText(QStringLiteral("lblTitle"), CaptionRole::Text, [](const LanguageTable &t) {
        return QStringLiteral("%1\n\"\u00A0%2\u00A0\"").arg(t.item(1, 2), t.item(1, 3));
    });
    splash.text(QStringLiteral("Command2"), 1, 7);
    about.addText(QStringLiteral("lblDescription"), CaptionRole::Text, [](const LanguageTable &t) {
        return QStringLiteral("%1 \"%2\". %3").arg(t.item(1, 8), t.item(1, 3), t.item(1, 9));
    });
    about.addText(QStringLiteral("lblDisclaimer"), CaptionRole::Text,
                  [](const LanguageTable &t) { return AboutDeveloperLine(t.language()); });
    about.addText(QStringLiteral("Label1"), CaptionRole::Text,
                  [](const LanguageTable &) { return AboutContactLine(); });
    about.addText(QStringLiteral("Label2"), CaptionRole::Text,
                  [](const LanguageTable &t) { return AboutTranslatorLine(t.language()); });

    splash.text(QStringLiteral("Command1"), 2, 2);
    about.addText(QString(), CaptionRole::WindowTitle, [](const LanguageTable &t) { return AsTip(t.item(2, 5)); });

    CaptionRows(targets, QStringLiteral("Spravka"))
        .addText(QString(), CaptionRole::WindowTitle, [](const LanguageTable &t) { return AsTitle(t.item(9, 1)); });
}

// The menus every lab window has.
void MenuRows(CaptionRows &rows)
{
    rows.text(QStringLiteral("MnuExit"), 2, 2);
    rows.text(QStringLiteral("MnuHelp"), 2, 3);
    rows.text(QStringLiteral("MnuHelpSpravka"), 2, 4);
    rows.text(QStringLiteral("MnuHelpAvtor"), 2, 5);
    rows.text(QStringLiteral("MnuLanguage"), 2, 6);
    rows.text(QStringLiteral("MnuQestionWhat"), 2, 7);
    rows.addText(QStringLiteral("MnuEnglish"), CaptionRole::Text,
                 [](const LanguageTable &) { return EnglishMenuCaption(); });
    rows.addText(QStringLiteral("MnuRussian"), CaptionRole::Text,
                 [](const LanguageTable &) { return RussianMenuCaption(); });
}

std::vector<CaptionTarget> BuildTargets()
{
    std::vector<CaptionTarget> targets;
    ShellRows(targets);
    LabTable::ForEach([&targets]<class Lab>() {
        CaptionRows rows(targets, QLatin1String(Lab::kFrame.form), Lab::kNumber - 1);
        MenuRows(rows);
        Lab::Captions(rows);
    });
    return targets;
}

} // namespace

const std::vector<CaptionTarget> &CaptionTargets()
{
    static const std::vector<CaptionTarget> targets = BuildTargets();
    return targets;
}

QString AboutDeveloperLine(Language language)
{
    if (language == Language::Russian)
        return QStringLiteral("Разработка: команда проекта Ohmaris. Программа предназначена для учебных целей. "
                              "Свободная программа: GNU GPL версии 3 или более поздней.");
    return QStringLiteral("Developed by the Ohmaris project team. The program is intended for teaching. "
                          "Free software under the GNU GPL, version 3 or later.");
}

QString AboutContactLine() { return QStringLiteral("E-mail: ohmaris@example.org"); }

QString AboutTranslatorLine(Language language)
{
    if (language == Language::Russian)
        return QStringLiteral("Перевод на английский язык: команда проекта Ohmaris.");
    return QStringLiteral("English translation: the Ohmaris project team.");
}

QString EnglishMenuCaption() { return QStringLiteral("English"); }

QString RussianMenuCaption() { return QStringLiteral("Русский"); }

} // namespace ohmaris
