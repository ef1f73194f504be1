// SPDX-License-Identifier: GPL-3.0-or-later
// Geometry of a switch blade on a schematic (twips, y growing downwards):
// the blade starts at its pivot along its wire's direction when closed and
// is turned 30 degrees away when open, (1 - state) x pi/6 from the wire.
// Every bench draws its switches from this one rule; tests use it to find
// where a blade ends.
#pragma once

#include "calc/phasor.h"

#include <QPointF>
#include <cmath>

namespace ohmaris {

// Which way an open blade turns from its wire, as seen on the screen.
enum class BladeTurn { Counterclockwise, Clockwise };

// Common wire directions, counter-clockwise from the positive x axis.
inline constexpr double kWireRight = 0.0;
inline constexpr double kWireUp = kHalfPi;
inline constexpr double kWireLeft = kPi;

// Angle of the blade of a switch in `state` (1 closed, 0 open) on a wire
// leaving its pivot at `wireAngle`.
inline double BladeAngle(double wireAngle, int state, BladeTurn turn = BladeTurn::Counterclockwise)
{
    const double open = (1 - state) * kPi / 6;
    return turn == BladeTurn::Counterclockwise ? open + wireAngle : wireAngle - open;
}

// Free end of the blade.
inline QPointF BladeEnd(QPointF pivot, double length, double wireAngle, int state,
                        BladeTurn turn = BladeTurn::Counterclockwise)
{
    const double a = BladeAngle(wireAngle, state, turn);
    return {pivot.x() + length * std::cos(a), pivot.y() - length * std::sin(a)};
}

} // namespace ohmaris
