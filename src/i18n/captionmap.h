// SPDX-License-Identifier: GPL-3.0-or-later
// Where every item of a language file goes: the caption table of all
// windows, as data. The shell's windows and the menus every lab window
// has are listed in captionmap.cpp; each lab lists its own window's rows
// in its folder (labs/labN/captions.cpp, through CaptionRows), and the
// table gathers them from the lab table.
//
// Each entry names a window by its objectName ("frmSplash", "frmAbout",
// "Spravka", "Form1".."Form8"), a control inside it by its objectName (empty
// for the window itself; menu items are the QAction names such as "MnuExit";
// control-array elements are "Command3(0)", "Image1(12)"), what to set, and
// how the text is made from the table. The window side walks the list and
// sets each text on the matching control; the list is complete, so nothing
// else needs to know item numbers.
//
// The formatting rules live here too (CaptionRows): tool tips are " item ",
// window titles and the chooser's lab options " item", voltage-range buttons
// "150 " + item. The few captions made from part of an item (regulator and
// coil labels, the lab 4 coil names, the lab 7 source tip, the lab 8 source
// button tips) are made by the lab that shows them.
#pragma once

#include "i18n/languagefile.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <initializer_list>
#include <vector>

namespace ohmaris {

enum class CaptionRole {
    Text,        // caption of a label, button, frame or option; menu item text
    ToolTip,     // the control's tool tip
    WindowTitle, // the window's title (control is empty)
    ComboItems,  // empty the list and add items() in order; the selection is not restored
};

struct CaptionTarget {
    QString window;
    QString control; // empty: the window itself
    CaptionRole role = CaptionRole::Text;
    std::function<QStringList(const LanguageTable &)> compute;

    // The text to set (first of items() for the roles that take one text).
    QString text(const LanguageTable &table) const { return compute(table).value(0); }
    QStringList items(const LanguageTable &table) const { return compute(table); }
};

// Control-array element `index` of `name`: "Image1(12)".
QString CaptionElement(const QString &name, int index);
inline QString CaptionElement(const char *name, int index)
{
    return CaptionElement(QLatin1String(name), index);
}

// The caption rows of one window, with the formatting rules. A lab's
// Captions() gets one for its window; title() also writes the lab's option
// in the chooser.
class CaptionRows {
public:
    using Compute = std::function<QStringList(const LanguageTable &)>;
    using Make = std::function<QString(const LanguageTable &)>;

    // Rows of `window`, appended to `targets`; `chooserOption` is the
    // index of the lab's option in the chooser (-1: none).
    CaptionRows(std::vector<CaptionTarget> &targets, QString window, int chooserOption = -1);

    const QString &window() const { return m_window; }

    void add(const QString &control, CaptionRole role, Compute compute);
    void addText(const QString &control, CaptionRole role, Make make);
    // Caption as the item stands.
    void text(const QString &control, int block, int item);
    // Tool tip: one space, the item, one space.
    void tip(const QString &control, int block, int item);
    void tips(std::initializer_list<QString> controls, int block, int item);
    // A number and a unit symbol: "150 " + item.
    void rangeCaption(const QString &control, const QString &number, int block, int item);
    // The lab's title, one space before it: the window title and the
    // chooser's option. From an item of the language files, or, for a
    // title they do not have, made by the lab (a text of its own through
    // QCoreApplication::translate, whose translators switch with the files).
    void title(int block, int item);
    void title(Make make);

private:
    std::vector<CaptionTarget> &m_targets;
    QString m_window;
    int m_chooserOption;
};

// Every caption, tool tip, window title and list of every window: the
// shell's windows and the lab windows' menus, then each lab of the lab
// table with its own rows. Built once; the about box's three built-in lines
// (developer, contact, translator) are included, chosen by table.language().
// The help window's title is included; its topics come from HelpContent()
// (helptopics.h), because refilling them keeps the selected topic.
const std::vector<CaptionTarget> &CaptionTargets();

// The about box's built-in lines, which are not in the language files.
QString AboutDeveloperLine(Language language);
QString AboutContactLine(); // the same in both languages
QString AboutTranslatorLine(Language language);

// Fixed captions of the language menu items.
QString EnglishMenuCaption(); // "English"
QString RussianMenuCaption(); // "Русский"

} // namespace ohmaris
