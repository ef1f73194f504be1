// The about box `frmAbout`: title, description, version, credits, OK.
#pragma once

#include <QDialog>

namespace ohmaris {

class AboutBox : public QDialog {
    Q_OBJECT
public:
    explicit AboutBox(QWidget *parent = nullptr);
};

} // namespace ohmaris
