// SPDX-License-Identifier: GPL-3.0-or-later
// Help window.
#include "shell/helpwindow.h"

#include "i18n/helptopics.h"
#include "shell/shell.h"

#include <QAbstractItemView>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>

namespace ohmaris {

void TopicCombo::TypeCharacter(QChar c)
{
    QStringList titles;
    titles.reserve(count());
    for (int i = 0; i < count(); ++i)
        titles.append(itemText(i));
    const int next = HelpTopicAfterKey(c, titles, currentIndex());
    if (next != currentIndex())
        setCurrentIndex(next);
}

void TopicCombo::keyPressEvent(QKeyEvent *e)
{
    const QString text = e->text();
    if (text.size() == 1 && text.at(0).isPrint() && !text.at(0).isSpace()) {
        TypeCharacter(text.at(0));
        e->accept();
        return;
    }
    QComboBox::keyPressEvent(e);
}

// A dialog-type window, the kind a window manager keeps above its owner,
// with the frame buttons of an ordinary window (it can be resized and
// minimised).
HelpWindow::HelpWindow(QWidget *parent)
    : QWidget(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint
                          | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("Spravka"));
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    resize(5355 / 15, int(0.75 * screen.height()));
    move(screen.width() - width(), 0);

    Combo1 = new TopicCombo(this);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->setEditable(false);
    QFont cf(QStringLiteral("Times New Roman"));
    cf.setPointSizeF(9.75);
    Combo1->setFont(cf);
    Combo1->move(120 / 15, 240 / 15);
    connect(Combo1, &QComboBox::currentIndexChanged, this, [this] { Combo1_Click(); });

    Text1 = new QPlainTextEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setReadOnly(true);
    Text1->setFont(QFont(QStringLiteral("Times New Roman"), 12));
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text1->move(120 / 15, 720 / 15);

    m_cancel = new QPushButton(this);
    m_cancel->setObjectName(QStringLiteral("Command1"));
    m_cancel->resize(1, 1);
    auto *esc = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(esc, &QShortcut::activated, this, &QWidget::close);
    // Esc in the open topic list belongs to the list, which closes, as any
    // drop-down list does; the window stays.
    Combo1->view()->installEventFilter(this);

    Shell::instance().ApplyCaptions(this);
}

void HelpWindow::SetTopics(const QStringList &titles, const QStringList &texts)
{
    const int keep = Combo1->currentIndex();
    {
        const QSignalBlocker block(Combo1);
        Combo1->clear();
        Combo1->addItems(titles);
        Combo1->setCurrentIndex(-1);
    }
    List1 = texts;
    if (keep >= 0 && keep < Combo1->count()) {
        Combo1->setCurrentIndex(keep);
        Combo1_Click(); // the new language's text, at once
    }
}

void HelpWindow::SelectForKey(const QString &helpKey)
{
    const QString typed = QStringLiteral("O") + helpKey;
    for (QChar c : typed)
        Combo1->TypeCharacter(c);
}

void HelpWindow::Combo1_Click()
{
    const int i = Combo1->currentIndex();
    Text1->setPlainText(i >= 0 && i < List1.size() ? List1.at(i) : QString());
}

bool HelpWindow::eventFilter(QObject *watched, QEvent *e)
{
    if (watched == Combo1->view() && e->type() == QEvent::ShortcutOverride
        && static_cast<QKeyEvent *>(e)->key() == Qt::Key_Escape) {
        e->accept(); // not the window's Esc: the key goes on to the list
        return true;
    }
    return QWidget::eventFilter(watched, e);
}

bool HelpWindow::event(QEvent *e)
{
    if (e->type() == QEvent::WindowActivate) {
        Combo1->setFocus();
        SelectForKey(Shell::instance().HelpKey);
    }
    return QWidget::event(e);
}

void HelpWindow::resizeEvent(QResizeEvent *e)
{
    QWidget::resizeEvent(e);
    if (isMinimized())
        return;
    const double k = width() * 15.0 / 5355.0;
    const int w = int(4935.0 * k / 15.0);
    Combo1->setGeometry((width() - w) / 2, Combo1->y(), w, Combo1->sizeHint().height());
    m_cancel->move(m_cancel->width() + width(), 0);
    Text1->setGeometry((width() - w) / 2, Text1->y(), w, height() - (2 * Text1->y() - Combo1->y()));
}

} // namespace ohmaris
