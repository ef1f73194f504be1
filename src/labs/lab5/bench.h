// SPDX-License-Identifier: GPL-3.0-or-later
// The lab 5 bench, window Form4: a three-phase four-wire supply with the
// breaker SF, the K-50 measuring set, switches S1..S4, a star load of three
// R-X_L-X_C branches, the ammeter A1 in the neutral wire and the voltmeter V1
// between the star point and the neutral, on the shared three-phase bench.
#pragma once

#include "labs/common/bench_threephase.h"
#include "labs/lab5/layout.h"
#include "labs/lab5/model.h"

namespace ohmaris {

// Window state lives for the whole run: the load sequence resets the
// entries and the ranges; the switches and the overload clock stay.
class Lab5Window : public ThreePhaseWindow<Lab5Model, Lab5Grid> {
public:
    Lab5Window();

    Pribor &MeterA1() { return Meter(0); }
    Pribor &MeterV1() { return Meter(1); }
};

} // namespace ohmaris
