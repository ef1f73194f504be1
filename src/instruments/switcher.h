// SPDX-License-Identifier: GPL-3.0-or-later
// Switcher: the rotary knob of the benches (variant selectors, voltage
// regulators, phase selectors, oscilloscope knobs). It draws itself over its
// host picture box's parent and turns one position per click: the left
// button towards larger angles, the right button towards smaller ones. The
// keyboard turns it as the mouse does: Right or Up as the right button
// (clockwise), Left or Down as the left one, Home and End to its first and
// last position; the menu key asks for its help as Shift with the right
// button does. The turning rule and the geometry are pure functions in
// ohmaris::knob.
#pragma once

#include "instruments/instrument.h"

#include <QObject>
#include <QPointF>
#include <QPointer>
#include <functional>

class QKeyEvent;

namespace ohmaris {

namespace knob {

// Degrees per position: a full-turn knob (|Max - Min| >= 360) spreads its
// positions round the circle, a partial-turn knob puts the last position
// on Max. Negative when Max < Min.
float Step(float min, float max, int positions);
// Angle in degrees of (possibly fractional) position v.
double PositionAngle(double v, float min, float step);
// Mouse buttons as the knob records them.
enum Button : int { NoButton = 0, Left = 1, Right = 2, Middle = 4 };
// One click with the last recorded button: moves the angle one degree at a
// time, stopping at the ends of a partial-turn knob and wrapping round on a
// full-turn one, and returns the new Value. Other buttons change nothing.
float Turn(float value, float min, float max, float step, int button);

// Context help on a knob: a right click turns it, so the help pop-up opens
// only with Shift alone held, or at the end position a right click cannot
// pass (`endPosition`: 1 or Polojenii, as the bench says).
bool HelpPopupAllowed(Qt::KeyboardModifiers modifiers, float value, float endPosition);

// Geometry of a knob in a square box of the given width (any unit).
struct Geometry {
    double w = 0, h = 0;   // box size
    double cx = 0, cy = 0; // centre
    double r = 0;          // knob radius, 3/7 of the width
    double b = 0;          // half-width of the bar, a tenth of the height
};
Geometry GeometryFor(double width, double height);
// Whether a point (same unit, any y direction) lies on the knob.
bool OverKnob(const Geometry &g, QPointF pos);

} // namespace knob

class Switcher : public Instrument {
    Q_OBJECT
    Q_PROPERTY(float Max READ Max WRITE setMax NOTIFY positionsChanged)
    Q_PROPERTY(float Min READ Min WRITE setMin NOTIFY positionsChanged)
    Q_PROPERTY(int Polojenii READ Polojenii WRITE setPolojenii NOTIFY positionsChanged)
    Q_PROPERTY(float Value READ Value WRITE setValue NOTIFY valueChanged)
    // Plain storage the owner polls and clears; a click's own signal says
    // when it is set.
    Q_PROPERTY(bool Changed READ Changed WRITE setChanged)

public:
    explicit Switcher(QObject *parent = nullptr);
    ~Switcher() override;

    // Binding (PicCtl) is the instrument's: its paint, click, double-click,
    // mouse-down and mouse-move events are handled here from then on. The
    // host is made square and transparent, so the knob stands on its
    // parent's drawing; binding does not repaint.

    // Whether a knob has been bound to the widget (tools that work a bench
    // through its controls find its knobs so).
    static bool IsKnobBox(const QWidget *w);

    float Max() const { return m_max; }
    void setMax(float v);
    float Min() const { return m_min; }
    void setMin(float v);
    // Stored clamped into 1..Polojenii; read back clamped the same way.
    void setValue(float v);
    float Value() const;
    bool Changed() const { return m_changed; }
    void setChanged(bool v) { m_changed = v; }
    // At least 2 positions; setting it recomputes Step (Max and Min do not).
    void setPolojenii(int v);
    int Polojenii() const { return m_positions < 2 ? 2 : m_positions; }

    // The position the knob stands at, of its positions.
    InstrumentReading Reading() const override;
    QAccessibleInterface *CreateAccessible(PictureBox *box) override;

    float Step() const { return m_step; }
    int LastButton() const { return m_lastButton; }

    // What is said of the knob's position aloud, by the bench that owns it
    // ("variant 3", "max"); position p of Polojenii when none is given.
    using PositionWords = std::function<QString(int position)>;
    void setPositionWords(PositionWords words) { m_positionWords = std::move(words); }
    QString PositionText() const;

    // Host event handlers (positions in the host's pixels).
    void Pic1_MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPointF pos);
    // A key on the focused host: a turn, the ends, help (accepted), or
    // nothing of the knob's.
    void Pic1_KeyDown(QKeyEvent *e);
    // One turn with `button` (knob::Left or knob::Right) made from the
    // keyboard: the press the owner hears says no button, so it opens no
    // help pop-up, and the click turns the knob as the mouse's would.
    void KeyTurn(int button);
    // Turns position by position to `position`, as far as the knob goes.
    void KeyTurnTo(int position);
    void Pic1_MouseMove(QPointF pos);
    void Pic1_Click();
    void Pic1_DblClick();
    void Pic1_Paint(QPainter &p) override;

Q_SIGNALS:
    // The position (as Value reads it) changed, by a click or a setter.
    void valueChanged(float value);
    // Max, Min, Polojenii or the step between positions changed.
    void positionsChanged();
    // The host's events, for the owner, after the knob's own handling: a
    // press anywhere on the host, and a click or double click (which has
    // turned the knob by then).
    void mouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    void clicked();
    void doubleClicked();

protected:
    int ShapeHeight(int width) const override { return width; }
    void Bound(PictureBox *box) override;

private:
    void TurnOnePosition();
    // Signals a new position when Value reads other than `before`.
    void ValueMayHaveChanged(float before);

    float m_min = 0.0f;
    float m_max = 360.0f;
    int m_positions = 8;
    float m_value = 1.0f;
    bool m_changed = false;
    float m_step = 45.0f;
    int m_lastButton = knob::NoButton;
    PositionWords m_positionWords;
};

// The one place a knob is set up: binds it to its box (PicCtl first), then
// Max, Min, Polojenii (which takes the step from them) and the position.
struct KnobSpec {
    QString name;
    float min = 0.0f;
    float max = 360.0f;
    int positions = 8;
    float value = 1.0f;
    // What the knob is called aloud and what its positions are (in the
    // language of the moment); Name and "position p of n" when not given.
    Instrument::Words spokenName = {};
    Switcher::PositionWords spokenPosition = {};
};
void SetUpKnob(Switcher &knob, PictureBox *box, const KnobSpec &setup);

} // namespace ohmaris
