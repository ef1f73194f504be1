// SPDX-License-Identifier: GPL-3.0-or-later
// The lab chooser `frmSplash`: the first window and the hub every lab
// window returns to. A column of options, one per lab of the lab table,
// Next and Exit.
#pragma once

#include "labs/labtable.h"

#include <QDialog>
#include <QRect>
#include <array>

class QFrame;
class QLabel;
class QPushButton;
class QRadioButton;

namespace ohmaris {

class Chooser : public QDialog {
    Q_OBJECT
public:
    explicit Chooser(QWidget *parent = nullptr);

    static constexpr int LabCount = kLabCount;
    // Design place of Option1(index) in Frame1 (twips) when the chooser
    // lists `count` labs: 600 twips apart from the top one, as designed for
    // eight; more labs share the band above the buttons more closely.
    static QRect OptionPlace(int index, int count = LabCount);
    int SelectedLab() const { return m_selectedLab; }
    QRadioButton *option(int index) const { return m_options[size_t(index)]; }

    void Option1_Click(int index);
    void Command2_Click(); // Next
    void Command1_Click(); // Exit, after confirmation

    // The exit confirmation's text: the language file's question, and
    // which labs have protocol rows not yet saved, which the end of the
    // program would lose.
    QString ExitPrompt() const;

    // Colour of a selected option's caption.
    static QColor HighlightColour() { return QColor(90, 40, 150); }

    // Test hook: answers the exit confirmation without a message box.
    void setExitAnswerForTest(int answer) { m_testAnswer = answer; }

protected:
    void reject() override; // Esc acts as Exit
    void closeEvent(QCloseEvent *e) override;

private:
    void setCaptionColour(int index, const QColor &c);
    // Asks before the end; true when the answer is OK.
    bool ConfirmExit();

    QFrame *m_frame = nullptr;
    std::array<QRadioButton *, LabCount> m_options{};
    QPushButton *m_next = nullptr;
    QPushButton *m_exit = nullptr;
    int m_selectedLab = 0;
    int m_testAnswer = -1;
    bool m_closing = false;
};

} // namespace ohmaris
