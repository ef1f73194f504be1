// SPDX-License-Identifier: GPL-3.0-or-later
// The benches as a screen reader meets them, through Qt's accessibility
// (AT-SPI on Linux). One factory, installed once, gives every control that
// paints itself a small interface: a schematic's click area (a check box
// when it is a switch, checked while closed), a bench button (with its
// state where it shows one), a picture box (a meter, a knob or a display
// through the instrument drawn in it, else a panel or a screen named by the
// bench); the boxes and labels keep Qt's own. Names and descriptions are
// computed when asked, in the language of the moment (shell/spoken.h).
// What an interface does (toggle, press, turn, help) it does by sending the
// control the key the keyboard would press, so it runs the same handlers.
#pragma once

#include <QAccessibleWidget>
#include <QString>

class QObject;
class QWidget;

namespace ohmaris {

// Installs the factory (once; later calls do nothing).
void InstallAccessibility();

// Sends `widget` a press and a release of `key`, as the keyboard would.
void SendKey(QWidget *widget, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

// Tells a screen reader, if one listens, that what `widget` shows changed:
// its value (`value`, in the units of its value interface) and with it its
// description; or only its description.
void TellValue(QWidget *widget, double value);
void TellDescription(QWidget *widget);
// Drops an interface Qt may keep for `widget` from before it changed kind
// (a box that an instrument has bound since).
void ForgetAccessible(QWidget *widget);

// A tool tip as a sentence: without the blanks the language file's tips
// carry around them.
QString TipText(const QWidget *widget);

// The base of the program's own interfaces: the name and description a
// bench attached (Speech) come first, the tool tip is the help text, and
// the actions a control takes from the keyboard are its actions.
class AccessibleControl : public QAccessibleWidget {
public:
    AccessibleControl(QWidget *w, QAccessible::Role role);
    QString text(QAccessible::Text t) const override;
    QStringList actionNames() const override;
    void doAction(const QString &action) override;
    QStringList keyBindingsForAction(const QString &action) const override;

protected:
    // The name and description when the bench attached none.
    virtual QString OwnName() const { return QString(); }
    virtual QString OwnDescription() const { return QString(); }
    // Whether the control takes a press (Space or Enter) and help.
    virtual bool Presses() const { return true; }
    virtual bool HasHelp() const;
};

} // namespace ohmaris
