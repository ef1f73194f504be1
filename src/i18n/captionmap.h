// Where every item of a language file goes: the caption table of all
// windows, as data.
//
// Each entry names a window by its objectName ("frmSplash", "frmAbout",
// "Spravka", "Form1".."Form8"), a control inside it by its objectName (empty
// for the window itself; menu items are the QAction names such as "MnuExit";
// control-array elements are "Command3(0)", "Image1(12)"), what to set, and
// how the text is made from the table. The window side walks the list and
// sets each text on the matching control; the list is complete, so nothing
// else needs to know item numbers.
//
// The formatting rules live here too: tool tips are " item ", window titles
// and the chooser's lab options " item", voltage-range buttons "150 " + item,
// and the few captions derived from part of an item (regulator and coil
// labels, the lab 4 coil names, the lab 7 source tip, the lab 8 source
// button tips).
#pragma once

#include "i18n/languagefile.h"

#include <QString>
#include <QStringList>

#include <functional>
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

// Every caption, tool tip, window title and list of every window, in the
// order of the nine blocks. Built once; the about box's three built-in lines
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
