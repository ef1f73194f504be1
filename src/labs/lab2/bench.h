// SPDX-License-Identifier: GPL-3.0-or-later
// Lab 2 bench, window `Form2`: the series coil-capacitor circuit on the
// shared single-phase bench, with voltmeters V1 and V2 and their range
// buttons. The window object lives for the whole run and owns the model and
// the instruments; the controls live from load to unload.
#pragma once

#include "labs/common/bench_singlephase.h"
#include "labs/lab2/model.h"

namespace ohmaris {

class Lab2Window : public CoilCapacitorWindow<Lab2Model> {
public:
    Lab2Window();

    Pribor &V1() { return Meter(0); }
    Pribor &V2() { return Meter(1); }

protected:
    void LoadBench() override;
};

} // namespace ohmaris
