// SPDX-License-Identifier: GPL-3.0-or-later
// Lab 2 bench: its meters, load steps and schematic.
#include "labs/lab2/bench.h"

#include "labs/lab2/bench_draw.h"
#include "labs/lab2/lab.h"
#include "labs/registry.h"

namespace ohmaris {

namespace {

// V1 and V2: 150-division AC voltmeters on the 50, 150, 300 and 750 V ranges.
SinglePhaseDesign Lab2Design()
{
    const QString volt = QStringLiteral("V");
    return CoilCapacitorDesign({MeterSpec{QStringLiteral("V1"), 150, 25, 5, 0.5f, 1, 2, 2, 0, volt},
                                MeterSpec{QStringLiteral("V2"), 150, 25, 5, 0.5f, 1, 2, 2, 0, volt}},
                               QStringLiteral("oV"), {50.0f, 150.0f, 300.0f, 750.0f},
                               {QStringLiteral("50 В"), QStringLiteral("150 В"), QStringLiteral("300 В"),
                                QStringLiteral("750 В")});
}

CoilCapacitorLayout Lab2Layout()
{
    CoilCapacitorLayout l;
    l.boxLeft = 11640;
    l.hotspots = [](const AcGrid &g) {
        const auto spots = Lab2Hotspots(g);
        return std::vector<QRectF>(spots.begin(), spots.end());
    };
    l.drawLoadSide = &DrawLab2LoadSide;
    return l;
}

} // namespace

template <>
std::unique_ptr<LabWindow> CreateLabWindow<Lab2>()
{
    return std::make_unique<Lab2Window>();
}

Lab2Window::Lab2Window() : CoilCapacitorWindow(Lab2::kFrame, Lab2Design(), Lab2Layout()) {}

void Lab2Window::LoadBench()
{
    CoilCapacitorBench::LoadBench();
    Model().CoilVoltage = Model().CapacitorVoltage = 0.0f;
}

} // namespace ohmaris
