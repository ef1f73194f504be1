// SPDX-License-Identifier: GPL-3.0-or-later
// The help window `Spravka`: a list of topic titles and the text of the
// selected topic. It opens at the topic of the program-wide help key: a
// leading "o" picks the first topic, each further letter moves on to the next
// topic whose title begins with it.
#pragma once

#include <QComboBox>
#include <QStringList>
#include <QWidget>

class QPlainTextEdit;
class QPushButton;

namespace ohmaris {

// The topic list: typing "o" (Latin or Cyrillic) selects the first topic,
// then the list's own search moves to the next title with that initial.
class TopicCombo : public QComboBox {
    Q_OBJECT
public:
    using QComboBox::QComboBox;
    // One typed character, as the keyboard would deliver it.
    void TypeCharacter(QChar c);

protected:
    void keyPressEvent(QKeyEvent *e) override;
};

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget *parent = nullptr);

    TopicCombo *Combo1 = nullptr;
    QStringList List1; // topic texts, same index as the titles
    QPlainTextEdit *Text1 = nullptr;

    // Fills titles and texts, keeping the selected index.
    void SetTopics(const QStringList &titles, const QStringList &texts);
    // Selects the topic of a help key as typing "O" + key would.
    void SelectForKey(const QString &helpKey);
    void Combo1_Click();

protected:
    bool event(QEvent *e) override;
    bool eventFilter(QObject *watched, QEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;

private:
    QPushButton *m_cancel = nullptr;
};

} // namespace ohmaris
