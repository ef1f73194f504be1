// SPDX-License-Identifier: GPL-3.0-or-later
// Picture box event forwarding.
#include "shell/picturebox.h"

#include "shell/controls.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace ohmaris {

PictureBox::PictureBox(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void PictureBox::setBackColor(const QColor &c)
{
    if (c == m_back)
        return;
    m_back = c;
    update();
}

void PictureBox::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    if (m_back.isValid())
        p.fillRect(rect(), m_back);
    Q_EMIT painting(p);
    DrawFocusMark(p, this);
}

void PictureBox::mousePressEvent(QMouseEvent *e)
{
    m_pressedInside = true;
    Q_EMIT mouseDown(e->button(), e->modifiers(), e->position());
}

void PictureBox::mouseReleaseEvent(QMouseEvent *e)
{
    const bool inside = m_pressedInside && rect().contains(e->position().toPoint());
    m_pressedInside = false;
    if (inside)
        Q_EMIT clicked();
}

void PictureBox::mouseMoveEvent(QMouseEvent *e)
{
    Q_EMIT mouseMoved(e->buttons(), e->modifiers(), e->position());
}

void PictureBox::mouseDoubleClickEvent(QMouseEvent *e)
{
    // The second press of a double click is also a press, as on the bench.
    Q_EMIT mouseDown(e->button(), e->modifiers(), e->position());
    Q_EMIT doubleClicked();
}

void PictureBox::resizeEvent(QResizeEvent *e)
{
    QWidget::resizeEvent(e);
    Q_EMIT resized();
}

void PictureBox::leaveEvent(QEvent *e)
{
    QWidget::leaveEvent(e);
    Q_EMIT mouseLeft();
}

void PictureBox::keyPressEvent(QKeyEvent *e)
{
    e->ignore();
    Q_EMIT keyPressed(e);
    if (e->isAccepted())
        return;
    const BenchKey k = BenchKeyOf(e->key(), e->modifiers());
    if (k != BenchKey::Press && k != BenchKey::Help) {
        QWidget::keyPressEvent(e);
        return;
    }
    const KeyboardPress press(this);
    Press(k == BenchKey::Press ? Qt::LeftButton : Qt::RightButton);
    e->accept();
}

void PictureBox::Press(Qt::MouseButton button)
{
    Q_EMIT mouseDown(button, Qt::NoModifier, QRectF(rect()).center());
    if (button == Qt::LeftButton)
        Q_EMIT clicked();
}

void BoxBinding::Release()
{
    for (const QMetaObject::Connection &c : m_connections)
        QObject::disconnect(c);
    m_connections.clear();
}

} // namespace ohmaris
