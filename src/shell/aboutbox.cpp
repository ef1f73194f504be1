// About box.
#include "shell/aboutbox.h"

#include "shell/shell.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace ohmaris {

namespace {
QLabel *label(QWidget *parent, const char *name, QRect r, bool wrap = true)
{
    auto *l = new QLabel(parent);
    l->setObjectName(QLatin1String(name));
    l->setGeometry(r);
    l->setWordWrap(wrap);
    return l;
}
} // namespace

AboutBox::AboutBox(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAbout"));
    setModal(false);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setFixedSize(420, 300);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(192, 192, 255));
    setPalette(pal);

    auto *logo = new QLabel(this);
    logo->setObjectName(QStringLiteral("Image1"));
    logo->setGeometry(16, 16, 56, 56);
    logo->setText(QStringLiteral("Ω"));
    logo->setAlignment(Qt::AlignCenter);
    logo->setFont(QFont(QStringLiteral("Times New Roman"), 30, QFont::Bold));
    logo->setStyleSheet(QStringLiteral("color: rgb(0,0,128); border: 2px solid rgb(0,0,128); border-radius: 28px;"
                                       "background: rgb(255,255,224);"));

    QLabel *title = label(this, "lblTitle", QRect(88, 12, 320, 64));
    QFont tf(QStringLiteral("Monotype Corsiva"));
    tf.setPointSizeF(14.25);
    tf.setBold(true);
    title->setFont(tf);
    QLabel *version = label(this, "lblVersion", QRect(88, 80, 320, 18));
    QFont sf(QStringLiteral("MS Sans Serif"));
    sf.setPointSizeF(8.25);
    version->setFont(sf);
    label(this, "lblDescription", QRect(88, 102, 320, 70));

    auto *line0 = new QFrame(this);
    line0->setObjectName(QStringLiteral("Line1(0)"));
    line0->setGeometry(16, 180, 388, 1);
    line0->setStyleSheet(QStringLiteral("background: rgb(128,128,128);"));
    auto *line1 = new QFrame(this);
    line1->setObjectName(QStringLiteral("Line1(1)"));
    line1->setGeometry(16, 181, 388, 1);
    line1->setStyleSheet(QStringLiteral("background: white;"));

    label(this, "lblDisclaimer", QRect(16, 190, 300, 34));
    label(this, "Label1", QRect(16, 226, 300, 18));
    label(this, "Label2", QRect(16, 246, 300, 34));

    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setFont(sf);
    ok->setGeometry(324, 256, 80, 26);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    Shell::instance().ApplyCaptions(this);
}

} // namespace ohmaris
