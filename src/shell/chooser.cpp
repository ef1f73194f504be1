// SPDX-License-Identifier: GPL-3.0-or-later
// Lab chooser.
#include "shell/chooser.h"

#include "shell/controls.h"
#include "shell/labwindow.h"
#include "shell/shell.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <cmath>

namespace ohmaris {

namespace {
// Twips of the chooser's own design; it is not rescaled.
QRect px(int left, int top, int width, int height)
{
    return QRect(left / 15, top / 15, width / 15, height / 15);
}

class Logo : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent *) override
    {
        // A small drawn emblem: a sine wave crossing a resistor.
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const QRectF r = QRectF(rect()).adjusted(4, 4, -4, -4);
        p.setPen(QPen(QColor(0, 0, 128), 2));
        p.setBrush(QColor(255, 255, 224));
        p.drawEllipse(r);
        p.setPen(QPen(QColor(192, 0, 0), 2));
        QPainterPath wave;
        for (int i = 0; i <= 60; ++i) {
            const double x = r.left() + r.width() * 0.1 + r.width() * 0.8 * i / 60.0;
            const double y = r.center().y() - r.height() * 0.25 * std::sin(i / 60.0 * 2 * 3.141592654);
            if (i == 0)
                wave.moveTo(x, y);
            else
                wave.lineTo(x, y);
        }
        p.setBrush(Qt::NoBrush);
        p.drawPath(wave);
        p.setPen(QPen(QColor(0, 0, 128), 2));
        p.drawRect(QRectF(r.center().x() - r.width() * 0.2, r.center().y() + r.height() * 0.12,
                          r.width() * 0.4, r.height() * 0.14));
    }
};
} // namespace

Chooser::Chooser(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmSplash"));
    setModal(false);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0, 0, 192));
    setPalette(pal);
    setFixedSize(10560 / 15, 8055 / 15);

    m_frame = new QFrame(this);
    m_frame->setObjectName(QStringLiteral("Frame1"));
    m_frame->setGeometry(px(120, 120, 10320, 7815));
    m_frame->setAutoFillBackground(true);
    QPalette fp = m_frame->palette();
    fp.setColor(QPalette::Window, QColor(192, 192, 255));
    fp.setColor(QPalette::Button, QColor(192, 192, 255));
    m_frame->setPalette(fp);
    m_frame->setFrameShape(QFrame::Box);

    auto *logo = new Logo(m_frame);
    logo->setObjectName(QStringLiteral("imgLogo"));
    logo->setGeometry(px(480, 360, 2040, 2040));

    auto *product = new QLabel(m_frame);
    product->setObjectName(QStringLiteral("lblProductName"));
    product->setGeometry(px(2880, 360, 7080, 540));
    product->setFont(QFont(QStringLiteral("Monotype Corsiva"), 18, QFont::Bold));

    auto *title = new QLabel(m_frame);
    title->setObjectName(QStringLiteral("Label2"));
    // As wide as the frame leaves it, so the quoted title keeps to one line,
    // and high enough for two should a font make it wrap.
    title->setGeometry(px(3000, 960, 7200, 1140));
    QFont tf(QStringLiteral("Monotype Corsiva"));
    tf.setPointSizeF(21.75);
    tf.setBold(true);
    title->setFont(tf);
    title->setWordWrap(true);

    auto *version = new QLabel(m_frame);
    version->setObjectName(QStringLiteral("lblversion"));
    version->setGeometry(px(7920, 2160, 2055, 375));
    version->setFont(QFont(QStringLiteral("MS Sans Serif"), 12));
    version->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    QFont optionFont(QStringLiteral("Monotype Corsiva"), 12, QFont::Bold);
    for (int i = 0; i < LabCount; ++i) {
        auto *o = new QRadioButton(m_frame);
        o->setObjectName(ArrayName(QStringLiteral("Option1"), i));
        const QRect place = OptionPlace(i);
        o->setGeometry(px(place.x(), place.y(), place.width(), place.height()));
        o->setFont(optionFont);
        o->setAutoFillBackground(true);
        o->setPalette(fp);
        connect(o, &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                Option1_Click(i);
        });
        connect(o, &QRadioButton::clicked, this, [this, i] { Option1_Click(i); });
        m_options[size_t(i)] = o;
    }

    m_exit = new QPushButton(m_frame);
    m_exit->setObjectName(QStringLiteral("Command1"));
    m_exit->setGeometry(px(7680, 7320, 1095, 375));
    m_exit->setFont(QFont(QStringLiteral("Times New Roman"), 12));
    m_exit->setAutoDefault(false);
    connect(m_exit, &QPushButton::clicked, this, [this] { Command1_Click(); });

    m_next = new QPushButton(m_frame);
    m_next->setObjectName(QStringLiteral("Command2"));
    m_next->setGeometry(px(8880, 7320, 1095, 375));
    m_next->setFont(QFont(QStringLiteral("Times New Roman"), 12));
    m_next->setDefault(true);
    connect(m_next, &QPushButton::clicked, this, [this] { Command2_Click(); });

    // Load handler: captions, then every option black on the frame colour;
    // the top option starts selected and highlighted.
    Shell::instance().ApplyCaptions(this);
    for (int i = 0; i < LabCount; ++i)
        setCaptionColour(i, Qt::black);
    m_selectedLab = 0;
    m_options[0]->setChecked(true);
    m_options[0]->setFocus();
    Option1_Click(0);
}

QRect Chooser::OptionPlace(int index, int count)
{
    constexpr int kDesignLabs = 8, kTop = 2640, kPitch = 600, kHeight = 495;
    constexpr int kButtonsTop = 7320;
    const int pitch = count <= kDesignLabs ? kPitch : (kButtonsTop - kTop) / count;
    return QRect(480, kTop + pitch * index, 9615, std::min(kHeight, pitch - 30));
}

void Chooser::setCaptionColour(int index, const QColor &c)
{
    QRadioButton *o = m_options[size_t(index)];
    QPalette p = o->palette();
    p.setColor(QPalette::WindowText, c);
    p.setColor(QPalette::ButtonText, c);
    o->setPalette(p);
}

void Chooser::Option1_Click(int index)
{
    if (index < 0 || index >= LabCount)
        return;
    if (!m_options[size_t(index)]->isChecked())
        m_options[size_t(index)]->setChecked(true);
    setCaptionColour(m_selectedLab, Qt::black);
    m_selectedLab = index;
    setCaptionColour(m_selectedLab, HighlightColour());
}

void Chooser::Command2_Click()
{
    LabWindow *chosen = Shell::instance().LabWindowFor(m_selectedLab + 1);
    if (!chosen)
        return;
    hide();
    chosen->Show();
}

QString Chooser::ExitPrompt() const
{
    QString prompt = Shell::instance().Messages.value(3);
    const auto unsaved = Shell::instance().UnsavedProtocolRows();
    if (unsaved.empty())
        return prompt;
    prompt += QStringLiteral("\n\n") + tr("Protocol rows not yet saved, lost when the program ends:");
    for (const auto &[lab, rows] : unsaved)
        prompt += QLatin1Char('\n') + tr("lab %1: %n row(s)", nullptr, rows).arg(lab);
    return prompt;
}

bool Chooser::ConfirmExit()
{
    int answer = m_testAnswer;
    if (answer < 0) {
        const QStringList &m = Shell::instance().Messages;
        answer = QMessageBox::question(this, m.value(4), ExitPrompt(), QMessageBox::Ok | QMessageBox::Cancel,
                                       QMessageBox::Cancel);
    }
    return answer == QMessageBox::Ok;
}

void Chooser::Command1_Click()
{
    if (ConfirmExit()) {
        m_closing = true;
        Shell::instance().UnloadAll();
    }
}

void Chooser::reject()
{
    Command1_Click();
}

void Chooser::closeEvent(QCloseEvent *e)
{
    // The window's own close command ends the program without asking,
    // unless protocol rows not yet saved would be lost with it.
    if (!m_closing) {
        if (!Shell::instance().UnsavedProtocolRows().empty() && !ConfirmExit()) {
            e->ignore();
            return;
        }
        m_closing = true;
        Shell::instance().UnloadAll();
    }
    e->accept();
}

} // namespace ohmaris
