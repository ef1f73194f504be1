// Picture box event forwarding.
#include "shell/picturebox.h"

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

void PictureBox::unbind()
{
    onPaint = nullptr;
    onMouseDown = nullptr;
    onMouseMove = nullptr;
    onClick = nullptr;
    onDblClick = nullptr;
    onKeyPress = nullptr;
}

void PictureBox::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    if (m_back.isValid())
        p.fillRect(rect(), m_back);
    if (onPaint)
        onPaint(p);
}

void PictureBox::mousePressEvent(QMouseEvent *e)
{
    m_pressedInside = true;
    if (onMouseDown)
        onMouseDown(e->button(), e->modifiers(), e->position());
}

void PictureBox::mouseReleaseEvent(QMouseEvent *e)
{
    const bool inside = m_pressedInside && rect().contains(e->position().toPoint());
    m_pressedInside = false;
    if (inside && onClick)
        onClick();
}

void PictureBox::mouseMoveEvent(QMouseEvent *e)
{
    if (onMouseMove)
        onMouseMove(e->buttons(), e->modifiers(), e->position());
}

void PictureBox::mouseDoubleClickEvent(QMouseEvent *e)
{
    // The second press of a double click is also a press, as on the bench.
    if (onMouseDown)
        onMouseDown(e->button(), e->modifiers(), e->position());
    if (onDblClick)
        onDblClick();
}

void PictureBox::keyPressEvent(QKeyEvent *e)
{
    if (onKeyPress && !e->text().isEmpty())
        onKeyPress(e->text().at(0).unicode());
    else
        QWidget::keyPressEvent(e);
}

} // namespace ohmaris
