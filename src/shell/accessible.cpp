// SPDX-License-Identifier: GPL-3.0-or-later
// The accessibility factory and the interfaces of the shell's controls.
#include "shell/accessible.h"

#include "instruments/instrument.h"
#include "shell/controls.h"
#include "shell/picturebox.h"
#include "shell/spoken.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QPointer>

namespace ohmaris {

namespace {

// A schematic element's click area: a check box for a switch, checked
// while it is closed; a graphic for any other element.
class AccessibleHotspot final : public AccessibleControl {
public:
    explicit AccessibleHotspot(ClickArea *area)
        : AccessibleControl(area, area->describe().isSwitch() ? QAccessible::CheckBox : QAccessible::Graphic)
    {
    }
    QAccessible::Role role() const override
    {
        return area()->describe().isSwitch() ? QAccessible::CheckBox : QAccessible::Graphic;
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = AccessibleControl::state();
        const Hotspot h = area()->describe();
        if (h.isSwitch()) {
            s.checkable = true;
            s.checked = h.closed == 1;
        }
        return s;
    }
    QStringList actionNames() const override
    {
        QStringList names = AccessibleControl::actionNames();
        if (area()->describe().isSwitch())
            names.prepend(toggleAction());
        return names;
    }
    void doAction(const QString &action) override
    {
        if (action == toggleAction())
            SendKey(area(), Qt::Key_Space);
        else
            AccessibleControl::doAction(action);
    }

protected:
    QString OwnName() const override
    {
        const Hotspot h = area()->describe();
        return ElementName(h.key, h.label, h.detail);
    }
    QString OwnDescription() const override { return TipText(area()); }
    bool Presses() const override { return area()->describe().isSwitch(); }

private:
    ClickArea *area() const { return static_cast<ClickArea *>(widget()); }
};

// A bench button: its caption read in the language (or the bench's words
// for it), its state where it shows one.
class AccessibleBenchButton final : public AccessibleControl {
public:
    explicit AccessibleBenchButton(BenchButton *b) : AccessibleControl(b, QAccessible::PushButton) {}
    QAccessible::State state() const override
    {
        QAccessible::State s = AccessibleControl::state();
        const auto *b = static_cast<const BenchButton *>(widget());
        if (b->showsState()) {
            s.checkable = true;
            s.checked = b->isOn();
        }
        if (b->isDown())
            s.pressed = true;
        return s;
    }

protected:
    QString OwnName() const override
    {
        return SpokenCaption(static_cast<const BenchButton *>(widget())->text(), SpokenLanguage());
    }
    QString OwnDescription() const override { return TipText(widget()); }
};

// A picture box without an instrument: a panel, a screen, the schematic;
// the words are the bench's. One with a help key is an element a student
// reaches (the K-50 set, an oscilloscope screen).
class AccessibleBox final : public AccessibleControl {
public:
    explicit AccessibleBox(PictureBox *box) : AccessibleControl(box, QAccessible::Pane) {}
    QAccessible::Role role() const override
    {
        return HelpKeyOf(widget()).isEmpty() ? QAccessible::Pane : QAccessible::Graphic;
    }

protected:
    QString OwnName() const override { return TipText(widget()); }
    bool Presses() const override { return false; }
};

QAccessibleInterface *BenchAccessible(const QString &, QObject *object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    if (auto *box = qobject_cast<PictureBox *>(object)) {
        if (auto *instrument = qobject_cast<Instrument *>(box->instrument()))
            return instrument->CreateAccessible(box);
        return new AccessibleBox(box);
    }
    if (auto *area = qobject_cast<ClickArea *>(object))
        return new AccessibleHotspot(area);
    if (auto *button = qobject_cast<BenchButton *>(object))
        return new AccessibleBenchButton(button);
    return nullptr;
}

} // namespace

void InstallAccessibility()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(&BenchAccessible);
}

void SendKey(QWidget *widget, int key, Qt::KeyboardModifiers modifiers)
{
    if (!widget)
        return;
    const QString text = key == Qt::Key_Space ? QStringLiteral(" ") : QString();
    QPointer<QWidget> alive(widget);
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QCoreApplication::sendEvent(widget, &press);
    if (!alive)
        return;
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QCoreApplication::sendEvent(widget, &release);
}

void TellValue(QWidget *widget, double value)
{
    if (!widget || !QAccessible::isActive())
        return;
    QAccessibleValueChangeEvent v(widget, value);
    QAccessible::updateAccessibility(&v);
    TellDescription(widget);
}

void TellDescription(QWidget *widget)
{
    if (!widget || !QAccessible::isActive())
        return;
    QAccessibleEvent d(widget, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&d);
}

void ForgetAccessible(QWidget *widget)
{
    if (!widget || !QAccessible::isActive())
        return;
    if (QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(widget))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(iface));
}

QString TipText(const QWidget *widget)
{
    return widget ? widget->toolTip().trimmed() : QString();
}

AccessibleControl::AccessibleControl(QWidget *w, QAccessible::Role role) : QAccessibleWidget(w, role) {}

QString AccessibleControl::text(QAccessible::Text t) const
{
    const Speech *speech = Speech::Of(widget());
    switch (t) {
    case QAccessible::Name:
        return speech ? speech->Name() : OwnName();
    case QAccessible::Description:
        return speech && speech->hasDescription() ? speech->Description() : OwnDescription();
    case QAccessible::Help:
        return TipText(widget());
    default:
        return QAccessibleWidget::text(t);
    }
}

bool AccessibleControl::HasHelp() const
{
    return !HelpKeyOf(widget()).isEmpty();
}

QStringList AccessibleControl::actionNames() const
{
    QStringList names;
    if (Presses())
        names << pressAction();
    if (HasHelp())
        names << showMenuAction();
    names << QAccessibleWidget::actionNames();
    return names;
}

void AccessibleControl::doAction(const QString &action)
{
    if (action == pressAction())
        SendKey(widget(), Qt::Key_Return);
    else if (action == showMenuAction())
        SendKey(widget(), Qt::Key_Menu);
    else
        QAccessibleWidget::doAction(action);
}

QStringList AccessibleControl::keyBindingsForAction(const QString &action) const
{
    if (action == pressAction())
        return {QStringLiteral("Space"), QStringLiteral("Return")};
    if (action == toggleAction())
        return {QStringLiteral("Space")};
    if (action == showMenuAction())
        return {QStringLiteral("Menu"), QStringLiteral("Shift+F10")};
    return QAccessibleWidget::keyBindingsForAction(action);
}

} // namespace ohmaris
