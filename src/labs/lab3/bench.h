// SPDX-License-Identifier: GPL-3.0-or-later
// Lab 3 bench, window `Form3`: the parallel coil-capacitor circuit on the
// shared single-phase bench, with ammeters A1 and A2 and their range
// buttons. The window object lives for the whole run and owns the model and
// the instruments; the controls live from load to unload.
#pragma once

#include "labs/common/bench_singlephase.h"
#include "labs/lab3/model.h"

namespace ohmaris {

class Lab3Window : public CoilCapacitorWindow<Lab3Model> {
public:
    Lab3Window();

    Pribor &A1() { return Meter(0); }
    Pribor &A2() { return Meter(1); }

protected:
    void LoadBench() override;
};

} // namespace ohmaris
