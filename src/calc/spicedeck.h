// SPDX-License-Identifier: GPL-3.0-or-later
// Writing a bench as an ngspice deck. Each lab's netlist (labN/netlist.cpp)
// lays out its circuit in the state a calculator run describes: elements
// named as on the schematic, with the values the model computes with, a
// comment on every line, and a control section that runs the analysis and
// prints the calculator's quantities under the calculator's names (ngspice
// prints vector names in lower case). The deck runs as it stands in
// `ngspice -b` and leaves it with status 0.
#pragma once

#include <QString>
#include <QStringList>

namespace ohmaris {

// A number as SPICE reads it: the shortest text that reads back as the same
// value, with a decimal point and an exponent where one is shorter,
// whatever the locale. A float prints as the float it is (0.85, not
// 0.8500000238...).
QString SpiceNumber(double value);
QString SpiceNumber(float value);

// The active power a wattmeter reads with its voltage coil on the phasor
// `voltage` and its current coil carrying `current`: Re(V conj I), as an
// expression of the control language.
QString ActivePowerExpression(const QString &voltage, const QString &current);

class SpiceDeck {
public:
    // The first line of a deck is its title; a comment saying where the
    // deck comes from and how to run it follows.
    explicit SpiceDeck(const QString &title);

    // "* text" in the circuit part; an empty text gives a bare "*".
    void Comment(const QString &text);
    // An element or dot card, with its comment after " $ ".
    void Card(const QString &card, const QString &comment);

    // A switch as the deck draws it: closed, a 0 V source named V<name>
    // (a wire SPICE can name); open, left out with a comment saying so.
    void Switch(const QString &name, int state, const QString &from, const QString &to, const QString &what);

    // A control command, with its comment on a "*" line above it.
    void Command(const QString &command, const QString &comment);
    // `let NAME = EXPRESSION` (a comment above it), and NAME printed at the
    // end of the deck: one "name = value" line for a scalar.
    void Quantity(const QString &name, const QString &expression, const QString &comment);
    // An array of `count` values: `let NAME = vector(count)`, then one
    // `let NAME[i] = EXPRESSION` per entry; printed at the end as one
    // "name = ( v0 v1 ... )" line.
    void Quantity(const QString &name, const QStringList &expressions, const QString &comment);
    // A vector computed whole (its length given, for the print width).
    void VectorQuantity(const QString &name, int length, const QString &expression, const QString &comment);

    // The deck: title, cards, the control section (number format, the
    // commands, the prints, quit) and .end.
    QString Text() const;

private:
    struct Printed {
        QString name;
        int length = 1; // 1: printed as a scalar
    };
    QString title_;
    QStringList cards_;
    QStringList commands_;
    QList<Printed> printed_;
};

} // namespace ohmaris
