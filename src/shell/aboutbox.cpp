// SPDX-License-Identifier: GPL-3.0-or-later
// About box.
#include "shell/aboutbox.h"

#include "shell/shell.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

namespace ohmaris {

namespace {
// Fixed columns, in pixels: the logo at the top left, the title, version and
// description beside it, the credits under the separator, OK at the right.
constexpr int kWidth = 420;
constexpr int kMargin = 16;
constexpr int kTextLeft = 88;
constexpr int kTextWidth = kWidth - kTextLeft - kMargin;
constexpr int kCreditWidth = 300;
constexpr int kGap = 4;
constexpr QSize kOkSize(80, 26);

QLabel *label(QWidget *parent, const char *name, bool wrap = true)
{
    auto *l = new QLabel(parent);
    l->setObjectName(QLatin1String(name));
    l->setWordWrap(wrap);
    return l;
}

// Places a label at (left, top) with the height its text needs at `width`;
// returns the top of whatever comes next.
int stack(QWidget *box, const char *name, int left, int top, int width)
{
    auto *l = box->findChild<QLabel *>(QLatin1String(name));
    const int height = l->wordWrap() ? l->heightForWidth(width) : l->sizeHint().height();
    l->setGeometry(left, top, width, std::max(height, 1));
    return top + l->height() + kGap;
}
} // namespace

AboutBox::AboutBox(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAbout"));
    setModal(false);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(192, 192, 255));
    setPalette(pal);

    auto *logo = new QLabel(this);
    logo->setObjectName(QStringLiteral("Image1"));
    logo->setGeometry(kMargin, kMargin, 56, 56);
    logo->setText(QStringLiteral("Ω"));
    logo->setAlignment(Qt::AlignCenter);
    logo->setFont(QFont(QStringLiteral("Times New Roman"), 30, QFont::Bold));
    logo->setStyleSheet(QStringLiteral("color: rgb(0,0,128); border: 2px solid rgb(0,0,128); border-radius: 28px;"
                                       "background: rgb(255,255,224);"));

    QLabel *title = label(this, "lblTitle");
    QFont tf(QStringLiteral("Monotype Corsiva"));
    tf.setPointSizeF(14.25);
    tf.setBold(true);
    title->setFont(tf);
    QLabel *version = label(this, "lblVersion", false);
    QFont sf(QStringLiteral("MS Sans Serif"));
    sf.setPointSizeF(8.25);
    version->setFont(sf);
    label(this, "lblDescription");

    auto *line0 = new QFrame(this);
    line0->setObjectName(QStringLiteral("Line1(0)"));
    line0->setStyleSheet(QStringLiteral("background: rgb(128,128,128);"));
    auto *line1 = new QFrame(this);
    line1->setObjectName(QStringLiteral("Line1(1)"));
    line1->setStyleSheet(QStringLiteral("background: white;"));

    label(this, "lblDisclaimer");
    label(this, "Label1");
    label(this, "Label2");

    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setFont(sf);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    Shell::instance().ApplyCaptions(this);
    LayOut();
}

void AboutBox::LayOut()
{
    int top = stack(this, "lblTitle", kTextLeft, 12, kTextWidth);
    top = stack(this, "lblVersion", kTextLeft, top, kTextWidth);
    top = stack(this, "lblDescription", kTextLeft, top, kTextWidth);
    const int separator = std::max(top, findChild<QWidget *>(QStringLiteral("Image1"))->geometry().bottom()) + 8;
    findChild<QWidget *>(QStringLiteral("Line1(0)"))->setGeometry(kMargin, separator, kWidth - 2 * kMargin, 1);
    findChild<QWidget *>(QStringLiteral("Line1(1)"))->setGeometry(kMargin, separator + 1, kWidth - 2 * kMargin, 1);
    top = stack(this, "lblDisclaimer", kMargin, separator + 10, kCreditWidth);
    top = stack(this, "Label1", kMargin, top, kCreditWidth);
    top = stack(this, "Label2", kMargin, top, kCreditWidth);
    // OK level with the last credit line, never above the separator.
    const int okTop = std::max(separator + 10, top - kGap - kOkSize.height());
    findChild<QWidget *>(QStringLiteral("cmdOK"))->setGeometry(QRect(QPoint(kWidth - kMargin - kOkSize.width(), okTop), kOkSize));
    setFixedSize(kWidth, std::max(top, okTop + kOkSize.height()) + 14);
}

bool AboutBox::event(QEvent *e)
{
    // A text changed (a language switch while the box is open).
    if (e->type() == QEvent::LayoutRequest)
        LayOut();
    return QDialog::event(e);
}

void AboutBox::showEvent(QShowEvent *e)
{
    LayOut();
    QDialog::showEvent(e);
}

} // namespace ohmaris
