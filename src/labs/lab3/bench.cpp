// SPDX-License-Identifier: GPL-3.0-or-later
// Lab 3 bench: its meters, load steps and schematic.
#include "labs/lab3/bench.h"

#include "labs/lab3/bench_draw.h"
#include "labs/lab3/lab.h"
#include "labs/registry.h"

namespace ohmaris {

namespace {

// A1 and A2: 100-division AC ammeters on the 0.5, 1, 5 and 10 A ranges.
SinglePhaseDesign Lab3Design()
{
    const MeterSpec ammeter{QStringLiteral("A1"), 100, 10, 2, 0.5f, 1, 2, 2};
    MeterSpec second = ammeter;
    second.caption = QStringLiteral("A2");
    return CoilCapacitorDesign({ammeter, second}, QStringLiteral("oA"), {0.5f, 1.0f, 5.0f, 10.0f},
                               {QStringLiteral("0,5 A"), QStringLiteral("1 A"), QStringLiteral("5 A"),
                                QStringLiteral("10 A")});
}

// The capacitance label "С =" stands 120 twips left of lab 2's, its box and
// unit with it.
CoilCapacitorLayout Lab3Layout()
{
    CoilCapacitorLayout l;
    l.boxLeft = 11520;
    l.hotspots = [](const AcGrid &g) {
        const auto spots = Lab3Hotspots(g);
        return std::vector<QRectF>(spots.begin(), spots.end());
    };
    l.drawLoadSide = &DrawLab3LoadSide;
    return l;
}

} // namespace

template <>
std::unique_ptr<LabWindow> CreateLabWindow<Lab3>()
{
    return std::make_unique<Lab3Window>();
}

Lab3Window::Lab3Window() : CoilCapacitorWindow(Lab3::kFrame, Lab3Design(), Lab3Layout()) {}

void Lab3Window::LoadBench()
{
    CoilCapacitorBench::LoadBench();
    Model().CoilCurrent = Model().CapacitorCurrent = 0.0f;
}

} // namespace ohmaris
