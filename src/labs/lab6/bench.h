// SPDX-License-Identifier: GPL-3.0-or-later
// The lab 6 bench, window Form5: a three-phase three-wire supply with the
// breaker SF, the K-50 measuring set in the line wires, switches S1..S3 in
// the lines and a delta load of three R-X_L-X_C branches, each with its
// switch S4..S6 and its ammeter A1..A3, on the shared three-phase bench.
#pragma once

#include "labs/common/bench_threephase.h"
#include "labs/lab6/layout.h"
#include "labs/lab6/model.h"

namespace ohmaris {

// Window state lives for the whole run: the load sequence resets the
// entries and the ranges; the switches and the overload clock stay.
class Lab6Window : public ThreePhaseWindow<Lab6Model, Lab6Grid> {
public:
    Lab6Window();

    // The branch ammeters A1 (AB), A2 (BC), A3 (CA), k = 0..2.
    Pribor &BranchAmmeter(int k) { return Meter(k); }
};

} // namespace ohmaris
