// SPDX-License-Identifier: GPL-3.0-or-later
// Picture box: a plain widget whose painting and input belong to whoever is
// bound to it (a bench for its schematic, an instrument for its face). It
// announces its events as signals; a binding is a set of connections, which
// Qt drops by itself when either side goes away, so nothing ever reaches a
// box that is being destroyed. Qt double-buffers the painting, so a face is
// presented once, whole. A key the bound object does not take presses the
// box as the mouse would (Space or Enter the left button, the menu key or
// Shift+F10 the right one); a box with the focus shows the focus mark.
#pragma once

#include <QColor>
#include <QPointer>
#include <QWidget>
#include <vector>

class QPainter;

namespace ohmaris {

class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget *parent = nullptr);

    // Background filled before `painting` is emitted; an invalid colour
    // leaves the parent's drawing visible behind the box.
    void setBackColor(const QColor &c);
    QColor backColor() const { return m_back; }

    // Size in twips (15 per pixel), the unit schematics are drawn in.
    double twipsWidth() const { return width() * 15.0; }
    double twipsHeight() const { return height() * 15.0; }

    // The instrument drawn into the box, if any (a meter, a knob, a
    // display): it records itself when it binds the box, so tools that work
    // or check a window find its instruments from its boxes.
    void setInstrument(QObject *instrument) { m_instrument = instrument; }
    QObject *instrument() const { return m_instrument; }

Q_SIGNALS:
    // Emitted from paintEvent with the box's painter; receivers draw and
    // change nothing else.
    void painting(QPainter &p);
    // Positions are in the widget's pixels.
    void mouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPointF pos);
    void mouseMoved(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, QPointF pos);
    // A press and a release inside the box.
    void clicked();
    void doubleClicked();
    void resized();
    void mouseLeft();
    // A key pressed while the box has the focus; a receiver that handles
    // it accepts the event.
    void keyPressed(QKeyEvent *event);

public:
    // A press of `button` in the middle of the box, as the mouse makes it;
    // the left button clicks too.
    void Press(Qt::MouseButton button);

protected:
    void paintEvent(QPaintEvent *) override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    void mouseDoubleClickEvent(QMouseEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;
    void leaveEvent(QEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;

private:
    QColor m_back;
    bool m_pressedInside = false;
    QPointer<QObject> m_instrument;
};

// The connections that bind an object to one picture box at a time.
class BoxBinding {
public:
    BoxBinding() = default;
    BoxBinding(const BoxBinding &) = delete;
    BoxBinding &operator=(const BoxBinding &) = delete;
    ~BoxBinding() { Release(); }

    void Add(QMetaObject::Connection c) { m_connections.push_back(std::move(c)); }
    // Disconnects every connection; the box itself is left alone.
    void Release();

private:
    std::vector<QMetaObject::Connection> m_connections;
};

} // namespace ohmaris
