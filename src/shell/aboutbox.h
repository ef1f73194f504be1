// SPDX-License-Identifier: GPL-3.0-or-later
// The about box `frmAbout`: title, description, version, credits, OK.
#pragma once

#include <QDialog>

namespace ohmaris {

class AboutBox : public QDialog {
    Q_OBJECT
public:
    explicit AboutBox(QWidget *parent = nullptr);

protected:
    bool event(QEvent *e) override;
    void showEvent(QShowEvent *e) override;

private:
    // Stacks the texts, each as high as it needs in the current language,
    // and fits the box around them.
    void LayOut();
};

} // namespace ohmaris
