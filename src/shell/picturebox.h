// Picture box: a plain widget whose painting and input belong to whoever is
// bound to it (a bench for its schematic, an instrument for its face).
// Qt double-buffers the painting, so a face is presented once, whole.
#pragma once

#include <QColor>
#include <QWidget>
#include <functional>

namespace ohmaris {

class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget *parent = nullptr);

    // Handlers; any may be empty. Positions are in the widget's pixels.
    std::function<void(QPainter &)> onPaint;
    std::function<void(Qt::MouseButton, Qt::KeyboardModifiers, QPointF)> onMouseDown;
    std::function<void(Qt::MouseButtons, Qt::KeyboardModifiers, QPointF)> onMouseMove;
    std::function<void()> onClick;
    std::function<void()> onDblClick;
    std::function<void(int key)> onKeyPress;

    // Background filled before onPaint runs; an invalid colour leaves the
    // parent's drawing visible behind the box.
    void setBackColor(const QColor &c);
    QColor backColor() const { return m_back; }

    // Size in twips (15 per pixel), the unit schematics are drawn in.
    double twipsWidth() const { return width() * 15.0; }
    double twipsHeight() const { return height() * 15.0; }

    // Drops every handler, e.g. when the owning window unloads.
    void unbind();

protected:
    void paintEvent(QPaintEvent *) override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    void mouseDoubleClickEvent(QMouseEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;

private:
    QColor m_back;
    bool m_pressedInside = false;
};

} // namespace ohmaris
