// SPDX-License-Identifier: GPL-3.0-or-later
// Accessible interfaces of the meter, the knob and the numeric display.
#include "instruments/accessible.h"

#include "calc/reading.h"
#include "instruments/face.h"
#include "instruments/pribor.h"
#include "instruments/switcher.h"
#include "instruments/znak.h"
#include "shell/accessible.h"
#include "shell/picturebox.h"
#include "shell/spoken.h"

#include <QPointer>
#include <algorithm>
#include <cmath>

namespace ohmaris {

namespace {

// An instrument's box: its name, its reading as value and description.
template <class I>
class AccessibleInstrument : public AccessibleControl, public QAccessibleValueInterface {
public:
    AccessibleInstrument(PictureBox *box, I *instrument, QAccessible::Role role)
        : AccessibleControl(box, role), m_instrument(instrument)
    {
    }
    void *interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface *>(this);
        return AccessibleControl::interface_cast(t);
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return OwnDescription();
        return AccessibleControl::text(t);
    }
    void setCurrentValue(const QVariant &) override {}
    QVariant minimumStepSize() const override { return QVariant(); }

protected:
    QString OwnName() const override { return m_instrument ? m_instrument->SpokenName() : QString(); }
    bool Presses() const override { return false; }
    I *instrument() const { return m_instrument; }

private:
    QPointer<I> m_instrument;
};

class AccessibleMeter final : public AccessibleInstrument<Pribor> {
public:
    AccessibleMeter(PictureBox *box, Pribor *meter) : AccessibleInstrument(box, meter, QAccessible::ProgressBar) {}
    QVariant currentValue() const override { return instrument() ? instrument()->Reading().value : QVariant(); }
    QVariant maximumValue() const override { return instrument() ? instrument()->Reading().range : QVariant(); }
    QVariant minimumValue() const override
    {
        if (!instrument())
            return QVariant();
        const InstrumentReading r = instrument()->Reading();
        const double perDivision = instrument()->Max() > 0 && r.range > 0 ? r.range / double(instrument()->Max()) : 1.0;
        return double(instrument()->Min()) * perDivision;
    }
    QVariant minimumStepSize() const override
    {
        return instrument() ? QVariant(instrument()->Reading().resolution) : QVariant();
    }

protected:
    QString OwnDescription() const override
    {
        return instrument() ? MeterSentence(instrument()->Name(), instrument()->Reading(), SpokenLanguage())
                            : QString();
    }
};

class AccessibleKnob final : public AccessibleInstrument<Switcher> {
public:
    AccessibleKnob(PictureBox *box, Switcher *knob) : AccessibleInstrument(box, knob, QAccessible::Dial) {}
    QVariant currentValue() const override
    {
        return instrument() ? QVariant(int(face::RoundHalfEven(double(instrument()->Value())))) : QVariant();
    }
    QVariant maximumValue() const override { return instrument() ? QVariant(instrument()->Polojenii()) : QVariant(); }
    QVariant minimumValue() const override { return 1; }
    QVariant minimumStepSize() const override { return 1; }
    // A position set from outside is reached as the keyboard reaches it,
    // one turn at a time.
    void setCurrentValue(const QVariant &value) override
    {
        Switcher *k = instrument();
        if (!k || !value.canConvert<double>())
            return;
        const int target = std::clamp(int(std::lround(value.toDouble())), 1, k->Polojenii());
        // The key that raises the position: Left (the left button) on a
        // knob whose positions grow with the angle.
        const bool leftRaises = k->Step() >= 0;
        for (int n = 0; n < k->Polojenii() && k->Pic1(); ++n) {
            const int now = currentValue().toInt();
            if (now == target)
                return;
            SendKey(k->Pic1(), (now < target) == leftRaises ? Qt::Key_Left : Qt::Key_Right);
            if (currentValue().toInt() == now)
                return;
        }
    }

protected:
    QString OwnDescription() const override { return instrument() ? instrument()->PositionText() : QString(); }
};

class AccessibleDisplay final : public AccessibleInstrument<Znak> {
public:
    AccessibleDisplay(PictureBox *box, Znak *display) : AccessibleInstrument(box, display, QAccessible::StaticText)
    {
    }
    QVariant currentValue() const override
    {
        if (!instrument())
            return QVariant();
        const InstrumentReading r = instrument()->Reading();
        return r.showsNumber() ? QVariant(r.value) : QVariant();
    }
    QVariant maximumValue() const override { return QVariant(); }
    QVariant minimumValue() const override { return QVariant(); }

protected:
    QString OwnDescription() const override
    {
        return instrument() ? DisplaySentence(instrument()->SpokenName(), instrument()->Reading(), SpokenLanguage())
                            : QString();
    }
};

} // namespace

QAccessibleInterface *MeterAccessible(PictureBox *box, Pribor *meter)
{
    return new AccessibleMeter(box, meter);
}

QAccessibleInterface *KnobAccessible(PictureBox *box, Switcher *knob)
{
    return new AccessibleKnob(box, knob);
}

QAccessibleInterface *DisplayAccessible(PictureBox *box, Znak *display)
{
    return new AccessibleDisplay(box, display);
}

} // namespace ohmaris
