// SPDX-License-Identifier: GPL-3.0-or-later
// Lab 7 as an ngspice deck: the selected circuit with its two switches
// driven by time-controlled sources, a transient from rest through the
// switch events, and the oscilloscope's u and i and the two ammeters'
// currents at the sample instants.
#pragma once

#include "labs/lab7/model.h"

#include <QString>
#include <vector>

namespace ohmaris {

// A click on S1 or S2 at `t` seconds of the bench's clock.
struct Lab7SwitchEvent {
    int index = Lab7Model::kS1; // Lab7Model::kS1 or kS2
    double t = 0.0;
};

// Circuit `circuit` (1..3) with the element values of `model`, at rest at
// time 0, each event toggling its switch; u, i and the currents of A1 and
// A2 printed at `sampleTimes` (bench seconds, ascending or not). The deck
// runs in circuit time, a thousand times faster: an event at T s on the
// bench's clock happens at T ms.
QString Lab7Netlist(const Lab7Model &model, int circuit, const std::vector<Lab7SwitchEvent> &events,
                    const std::vector<double> &sampleTimes);

} // namespace ohmaris
