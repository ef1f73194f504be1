// SPDX-License-Identifier: GPL-3.0-or-later
// The instruments as a screen reader meets them: a pointer meter is a
// progress bar whose value is its reading in its unit (what the pointer
// shows, up to its range), described by the sentence a person would say
// ("A1: 0.85 A, range 1 A"); a knob is a dial whose value is its position;
// a numeric display reads as its number. Each is made by the instrument
// drawn in the box (Instrument::CreateAccessible) for the program's one
// factory (shell/accessible.h).
#pragma once

class QAccessibleInterface;

namespace ohmaris {

class PictureBox;
class Pribor;
class Switcher;
class Znak;

QAccessibleInterface *MeterAccessible(PictureBox *box, Pribor *meter);
QAccessibleInterface *KnobAccessible(PictureBox *box, Switcher *knob);
QAccessibleInterface *DisplayAccessible(PictureBox *box, Znak *display);

} // namespace ohmaris
