// SPDX-License-Identifier: GPL-3.0-or-later
// Help window content and the keyboard selection of its topic list.
#include "i18n/helptopics.h"

namespace ohmaris {

namespace {

bool IsLetterO(QChar c)
{
    // Latin O/o and Cyrillic О/о: the student may type either layout.
    return c == QChar(u'O') || c == QChar(u'o') || c == QChar(u'\u041E') || c == QChar(u'\u043E');
}

bool TitleBeginsWith(const QString &title, QChar key)
{
    return !title.isEmpty() && title.at(0).toCaseFolded() == key.toCaseFolded();
}

} // namespace

HelpContent HelpTopics(const LanguageTable &table)
{
    HelpContent help;
    help.windowTitle = QLatin1Char(' ') + table.item(9, 1);
    for (int k = 2; k <= 34; k += 2) {
        help.titles.append(table.item(9, k));
        help.texts.append(table.item(9, k + 1));
    }
    return help;
}

int HelpTopicAfterKey(QChar key, const QStringList &titles, int current)
{
    const int n = int(titles.size());
    if (n == 0)
        return current;
    if (IsLetterO(key))
        current = 0;
    // The list's own search: the next title after the current one, wrapping.
    for (int step = 1; step <= n; ++step) {
        const int index = ((current + step) % n + n) % n;
        if (TitleBeginsWith(titles.at(index), key))
            return index;
    }
    return current;
}

int HelpTopicIndex(const QString &helpKey, const QStringList &titles, int current)
{
    current = HelpTopicAfterKey(QChar(u'O'), titles, current);
    for (const QChar c : helpKey)
        current = HelpTopicAfterKey(c, titles, current);
    return current;
}

} // namespace ohmaris
