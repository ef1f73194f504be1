// SPDX-License-Identifier: GPL-3.0-or-later
// Writing captions into windows.
#include "shell/captions.h"

#include "i18n/helptopics.h"
#include "shell/helpwindow.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

namespace ohmaris {

void ApplyLanguageTable(const LanguageTable &table, QWidget *window)
{
    if (!window)
        return;
    const QString name = window->objectName();
    for (const CaptionTarget &t : CaptionTargets())
        if (t.window == name)
            ApplyCaption(window, t.control, t.role, t.items(table));
    if (auto *help = qobject_cast<HelpWindow *>(window)) {
        const HelpContent content = HelpTopics(table);
        help->SetTopics(content.titles, content.texts);
    }
}

void ApplyCaption(QWidget *window, const QString &control, CaptionRole kind, const QStringList &texts)
{
    const QString text = texts.value(0);
    if (!window)
        return;
    if (control.isEmpty()) {
        if (kind == CaptionRole::WindowTitle || kind == CaptionRole::Text)
            window->setWindowTitle(text);
        else if (kind == CaptionRole::ToolTip)
            window->setToolTip(text);
        return;
    }
    if (QAction *a = window->findChild<QAction *>(control)) {
        if (kind == CaptionRole::ToolTip)
            a->setToolTip(text);
        else
            a->setText(WithMnemonic(text));
        return;
    }
    QWidget *w = window->findChild<QWidget *>(control);
    if (!w)
        return;
    switch (kind) {
    case CaptionRole::ToolTip:
        w->setToolTip(text);
        return;
    case CaptionRole::WindowTitle:
        w->setWindowTitle(text);
        return;
    case CaptionRole::ComboItems:
        if (auto *c = qobject_cast<QComboBox *>(w)) {
            // The list is emptied and refilled; the selection is not kept.
            const QSignalBlocker block(c);
            c->clear();
            c->addItems(texts);
        }
        return;
    case CaptionRole::Text:
        if (auto *l = qobject_cast<QLabel *>(w))
            l->setText(text);
        else if (auto *b = qobject_cast<QAbstractButton *>(w))
            b->setText(text);
        else if (auto *g = qobject_cast<QGroupBox *>(w))
            g->setTitle(text);
        else if (auto *e = qobject_cast<QLineEdit *>(w))
            e->setText(text);
        else
            w->setProperty("caption", text);
        return;
    }
}

QString WithMnemonic(const QString &caption)
{
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption.at(i) != QLatin1Char('&'))
            continue;
        if (caption.at(i + 1) != QLatin1Char('&'))
            return caption; // the language file marks it
        ++i;                // "&&" is an ampersand shown as such
    }
    QString out = caption;
    for (qsizetype i = 0; i < out.size(); ++i)
        if (out.at(i).isLetter()) {
            out.insert(i, QLatin1Char('&'));
            break;
        }
    return out;
}

} // namespace ohmaris
