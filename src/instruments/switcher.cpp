// SPDX-License-Identifier: GPL-3.0-or-later
// Rotary knob: turning rule, mouse handling and drawing.
#include "instruments/switcher.h"

#include "calc/phasor.h"
#include "instruments/accessible.h"
#include "instruments/face.h"
#include "shell/accessible.h"
#include "shell/controls.h"

#include <QCoreApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace ohmaris {

namespace knob {

namespace {
// A click never takes more one-degree moves than two full turns.
constexpr long kMaxDegreesPerClick = 720;
} // namespace

float Step(float min, float max, int positions)
{
    const double span = double(max) - double(min);
    if (std::fabs(span) >= 360.0)
        return float(span / positions);
    return float(span / (positions - 1));
}

double PositionAngle(double v, float min, float step)
{
    return (v - 1.0) * double(step) + double(min);
}

float Turn(float value, float min, float max, float step, int button)
{
    if (button != Left && button != Right)
        return value;
    const int d = button == Left ? 1 : -1;
    const int g = step > 0 ? 1 : (step < 0 ? -1 : 0);
    if (g == 0)
        return value;
    double h = PositionAngle(value, min, step);
    // The number of moves is capped while still a double: converting a
    // step beyond the range of long (a huge Max - Min) is undefined.
    double moves = std::fabs(face::RoundHalfEven(double(step)));
    if (step < 0)
        moves += 2;
    const long n = moves < double(kMaxDegreesPerClick) ? long(moves) : kMaxDegreesPerClick;
    for (long i = 0; i < n; ++i) {
        h += d;
        if (h >= 360.0)
            h -= 360.0;
        if (h < 0.0)
            h += 360.0;
        if (g * h > g * double(max))
            h = max;
        if (g * h <= g * double(min))
            h = min;
        value = float(face::RoundHalfEven((h - double(min)) / double(step) + 1.0));
    }
    return value;
}

bool HelpPopupAllowed(Qt::KeyboardModifiers modifiers, float value, float endPosition)
{
    const Qt::KeyboardModifiers held = modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    return held == Qt::ShiftModifier || value == endPosition;
}

Geometry GeometryFor(double width, double height)
{
    Geometry g;
    g.w = width;
    g.h = height;
    g.cx = width / 2;
    g.cy = height / 2;
    g.r = 3.0 * width / 7.0;
    g.b = height / 10.0;
    return g;
}

bool OverKnob(const Geometry &g, QPointF pos)
{
    return std::hypot(pos.x() - g.cx, pos.y() - g.cy) <= g.r;
}

} // namespace knob

namespace {
constexpr QRgb kOutline = face::Rgb(255, 255, 255);
} // namespace

bool Switcher::IsKnobBox(const QWidget *w)
{
    const auto *box = qobject_cast<const PictureBox *>(w);
    return box && qobject_cast<const Switcher *>(box->instrument());
}

// The knob stands on its parent's drawing: it does not fill its box.
Switcher::Switcher(QObject *parent) : Instrument({.opaque = false, .repaintOnBind = false}, parent)
{
    m_step = knob::Step(m_min, m_max, m_positions);
}

Switcher::~Switcher() = default;

void Switcher::Bound(PictureBox *box)
{
    if (!box)
        return;
    box->setBackColor(QColor());
    box->setMouseTracking(true);
    Track(connect(box, &PictureBox::mouseDown, this, &Switcher::Pic1_MouseDown));
    Track(connect(box, &PictureBox::mouseMoved, this,
                  [this](Qt::MouseButtons, Qt::KeyboardModifiers, QPointF pos) { Pic1_MouseMove(pos); }));
    Track(connect(box, &PictureBox::clicked, this, &Switcher::Pic1_Click));
    Track(connect(box, &PictureBox::doubleClicked, this, &Switcher::Pic1_DblClick));
    Track(connect(box, &PictureBox::mouseLeft, box, &QWidget::unsetCursor));
    Track(connect(box, &PictureBox::keyPressed, this, &Switcher::Pic1_KeyDown));
}

void Switcher::ValueMayHaveChanged(float before)
{
    const float now = Value();
    if (now == before)
        return;
    Q_EMIT valueChanged(now);
    TellValue(m_box, double(face::RoundHalfEven(double(now))));
}

QAccessibleInterface *Switcher::CreateAccessible(PictureBox *box)
{
    return KnobAccessible(box, this);
}

void Switcher::setMax(float v)
{
    if (!std::isfinite(v) || v == m_max)
        return;
    m_max = v;
    Repaint();
    Q_EMIT positionsChanged();
}

void Switcher::setMin(float v)
{
    if (!std::isfinite(v) || v == m_min)
        return;
    m_min = v;
    Repaint();
    Q_EMIT positionsChanged();
}

void Switcher::setValue(float v)
{
    if (std::isnan(v))
        return;
    if (v > Polojenii())
        v = float(Polojenii());
    if (v < 1.0f)
        v = 1.0f;
    if (v == m_value)
        return;
    const float before = Value();
    m_value = v;
    Repaint();
    ValueMayHaveChanged(before);
}

InstrumentReading Switcher::Reading() const
{
    InstrumentReading r;
    r.name = Name();
    r.kind = InstrumentReading::Kind::Knob;
    r.value = double(Value());
    r.range = double(Polojenii());
    return r;
}

QString Switcher::PositionText() const
{
    const int p = int(face::RoundHalfEven(double(Value())));
    if (m_positionWords)
        return m_positionWords(p);
    return QCoreApplication::translate("ohmaris::Spoken", "position %1 of %2").arg(p).arg(Polojenii());
}

void SetUpKnob(Switcher &knob, PictureBox *box, const KnobSpec &setup)
{
    knob.setPicCtl(box);
    knob.setName(setup.name);
    knob.setSpokenName(setup.spokenName);
    knob.setPositionWords(setup.spokenPosition);
    knob.setMax(setup.max);
    knob.setMin(setup.min);
    knob.setPolojenii(setup.positions);
    knob.setValue(setup.value);
}

float Switcher::Value() const
{
    float v = m_value;
    if (v > Polojenii())
        v = float(Polojenii());
    if (v < 1.0f)
        v = 1.0f;
    return v;
}

void Switcher::setPolojenii(int v)
{
    // The step is taken again even for the same count: Max and Min alone
    // do not take it.
    v = std::clamp(v, 2, 32767);
    const float before = Value();
    const float step = knob::Step(m_min, m_max, v);
    if (v == m_positions && step == m_step)
        return;
    m_positions = v;
    m_step = step;
    Repaint();
    Q_EMIT positionsChanged();
    ValueMayHaveChanged(before);
}

void Switcher::Pic1_MouseMove(QPointF pos)
{
    if (!m_box)
        return;
    if (knob::OverKnob(knob::GeometryFor(m_box->width(), m_box->height()), pos))
        m_box->setCursor(Qt::PointingHandCursor);
    else
        m_box->unsetCursor();
}

void Switcher::Pic1_MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPointF pos)
{
    if (m_box && knob::OverKnob(knob::GeometryFor(m_box->width(), m_box->height()), pos)) {
        m_box->setCursor(Qt::PointingHandCursor);
        switch (button) {
        case Qt::LeftButton: m_lastButton = knob::Left; break;
        case Qt::RightButton: m_lastButton = knob::Right; break;
        case Qt::MiddleButton: m_lastButton = knob::Middle; break;
        default: break;
        }
    }
    Q_EMIT mouseDown(button, modifiers);
}

void Switcher::Pic1_KeyDown(QKeyEvent *e)
{
    switch (BenchKeyOf(e->key(), e->modifiers())) {
    case BenchKey::Clockwise:
        KeyTurn(knob::Right);
        break;
    case BenchKey::Anticlockwise:
        KeyTurn(knob::Left);
        break;
    case BenchKey::First:
        KeyTurnTo(1);
        break;
    case BenchKey::Last:
        KeyTurnTo(Polojenii());
        break;
    case BenchKey::Help: {
        // As Shift with the right button, without that button's turn.
        const KeyboardPress press(m_box);
        Q_EMIT mouseDown(Qt::RightButton, Qt::ShiftModifier);
        break;
    }
    case BenchKey::Press:
        break; // a knob is turned, not pressed
    case BenchKey::None:
        return;
    }
    e->accept();
}

void Switcher::KeyTurn(int button)
{
    const KeyboardPress press(m_box);
    Q_EMIT mouseDown(Qt::NoButton, Qt::NoModifier);
    m_lastButton = button;
    Pic1_Click();
}

void Switcher::KeyTurnTo(int position)
{
    position = std::clamp(position, 1, Polojenii());
    // The button that raises the position: the left one turns towards
    // larger angles, which are larger positions when the step is positive.
    const int up = knob::Step(m_min, m_max, Polojenii()) >= 0 ? knob::Left : knob::Right;
    const int down = up == knob::Left ? knob::Right : knob::Left;
    for (int k = 0; k < Polojenii(); ++k) {
        const float before = Value();
        const int now = int(face::RoundHalfEven(double(before)));
        if (now == position)
            return;
        KeyTurn(now < position ? up : down);
        if (Value() == before)
            return; // stopped at an end
    }
}

void Switcher::TurnOnePosition()
{
    if (m_lastButton != knob::Left && m_lastButton != knob::Right)
        return;
    const float before = Value();
    const float step = knob::Step(m_min, m_max, Polojenii());
    const bool newStep = step != m_step;
    m_step = step;
    m_value = knob::Turn(m_value, m_min, m_max, m_step, m_lastButton);
    Repaint();
    if (newStep)
        Q_EMIT positionsChanged();
    ValueMayHaveChanged(before);
}

void Switcher::Pic1_Click()
{
    TurnOnePosition();
    m_changed = true;
    Q_EMIT clicked();
}

void Switcher::Pic1_DblClick()
{
    TurnOnePosition();
    m_changed = true;
    Q_EMIT doubleClicked();
}

void Switcher::Pic1_Paint(QPainter &p)
{
    if (!m_box)
        return;
    // Laid out in twips, like the bench it stands on.
    const double scale = 1.0 / kTwipsPerPixel;
    const knob::Geometry g = knob::GeometryFor(m_box->width() * kTwipsPerPixel, m_box->height() * kTwipsPerPixel);
    face::Canvas cv(p, g.h, scale);

    double theta = knob::PositionAngle(m_value, m_min, m_step) * kPi / 180.0;
    while (theta < 0)
        theta += kTwoPi;
    while (theta > kTwoPi)
        theta -= kTwoPi;

    p.setRenderHint(QPainter::Antialiasing);
    const double rim = 0.8 * g.r;
    for (double r = rim; r >= 2 * g.b; r -= 3.0) {
        const int k = int(face::RoundHalfEven(255.0 - 145.0 * r / rim));
        cv.Disc(g.cx, g.cy, r, QColor(k, k, k));
    }

    const double ux = std::cos(theta), uy = std::sin(theta);
    const double nx = std::cos(theta + kHalfPi), ny = std::sin(theta + kHalfPi);
    const auto corner = [&](double su, double sn) {
        return QPointF(g.cx + su * g.r * ux + sn * g.b * nx, g.cy + su * g.r * uy + sn * g.b * ny);
    };
    const QPointF c1 = corner(1, 1), c2 = corner(1, -1), c3 = corner(-1, -1), c4 = corner(-1, 1);
    cv.Line(c1.x(), c1.y(), c2.x(), c2.y(), QColor(kOutline), 1);
    cv.Line(c2.x(), c2.y(), c3.x(), c3.y(), QColor(kOutline), 1);
    cv.Line(c3.x(), c3.y(), c4.x(), c4.y(), QColor(kOutline), 1);
    cv.Line(c4.x(), c4.y(), c1.x(), c1.y(), QColor(kOutline), 1);
    // The bar: lines one twip apart along its length, darker towards its
    // long edges.
    p.setRenderHint(QPainter::Antialiasing, false);
    const int kFrom = int(face::RoundHalfEven(1.0 - g.b));
    const int kTo = int(face::RoundHalfEven(g.b - 1.0));
    for (int k = kFrom; k <= kTo; ++k) {
        const int s = int(face::RoundHalfEven(std::fabs(k / g.b) * 100.0));
        cv.Line(g.cx - g.r * ux + k * nx, g.cy - g.r * uy + k * ny, g.cx + g.r * ux + k * nx,
                g.cy + g.r * uy + k * ny, QColor(245 - s, 255 - s, 255 - s), 1);
    }
    p.setRenderHint(QPainter::Antialiasing);
    cv.Line(g.cx + 0.5 * g.r * ux, g.cy + 0.5 * g.r * uy, g.cx + 0.9 * g.r * ux, g.cy + 0.9 * g.r * uy, Qt::black, 2);

    for (int pos = 1; pos <= Polojenii(); ++pos) {
        const double a = knob::PositionAngle(pos, m_min, m_step) * kPi / 180.0;
        const double px = std::cos(a), py = std::sin(a);
        cv.Line(g.cx + 1.1 * g.r * px, g.cy + 1.1 * g.r * py, g.cx + 1.17 * g.r * px, g.cy + 1.17 * g.r * py,
                Qt::black, 2);
    }
}

} // namespace ohmaris
