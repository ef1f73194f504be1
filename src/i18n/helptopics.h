// SPDX-License-Identifier: GPL-3.0-or-later
// The help window's content and its topic selection.
//
// Block 9 of a language file holds the window title and 17 topics, each a
// title and a text. The window chooses a topic by "typing" the letter O and
// then the help key of the element last pressed (HelpKey) into its topic
// list: an O (Latin or Cyrillic, either case) jumps to the first topic, and
// every character then moves to the next topic after the current one
// (wrapping at the end) whose title begins with that character, letter case
// ignored; a character that begins no title leaves the selection alone.
#pragma once

#include "i18n/languagefile.h"

#include <QChar>
#include <QString>
#include <QStringList>

namespace ohmaris {

constexpr int kHelpTopicCount = 17;

struct HelpContent {
    QString windowTitle; // " " + block 9 item 1
    QStringList titles;  // items 2, 4, ..., 34
    QStringList texts;   // items 3, 5, ..., 35, same index as the titles
};

HelpContent HelpTopics(const LanguageTable &table);

// One typed character: the topic index that is selected afterwards, given
// the one selected before (-1 for none). Also what a student's own typing in
// the open list does.
int HelpTopicAfterKey(QChar key, const QStringList &titles, int current);

// The topic for a help key: "O" followed by `helpKey`, typed from `current`.
// An empty key gives topic 0 (when there are topics).
int HelpTopicIndex(const QString &helpKey, const QStringList &titles, int current = -1);

} // namespace ohmaris
