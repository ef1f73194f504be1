// SPDX-License-Identifier: GPL-3.0-or-later
// The window side of the caption loader: writes the texts of a language
// table into a window's controls, found by object name.
#pragma once

#include "i18n/captionmap.h"

class QString;
class QWidget;

namespace ohmaris {

// Writes every caption, tool tip, title and list of `window` (matched by its
// object name) that the table holds; the help window also gets its topics.
void ApplyLanguageTable(const LanguageTable &table, QWidget *window);

// Writes texts into the control named `control` of `window` (the window itself
// for an empty name). A name the window does not hold is skipped: a window
// holds only the controls of its own bench.
void ApplyCaption(QWidget *window, const QString &control, CaptionRole role, const QStringList &texts);

// A menu caption with its keyboard mnemonic: an ampersand already in the
// caption marks it; otherwise the first letter does ("Exit" becomes "&Exit").
QString WithMnemonic(const QString &caption);

} // namespace ohmaris
