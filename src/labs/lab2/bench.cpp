// Lab 2 bench: its design table, load steps and schematic.
#include "labs/lab2/bench.h"

#include "labs/lab2/bench_draw.h"
#include "labs/lab2/lab.h"

namespace ohmaris {

namespace {

SinglePhaseDesign Lab2Design()
{
    SinglePhaseDesign d;
    // Breaker, bypass switch, regulator, K-50, coil, capacitor, V1, V2.
    d.hotspotKeys = {QStringLiteral("oSSSSS"), QStringLiteral("oS"), QStringLiteral("oAA"), QStringLiteral("oK"),
                     QStringLiteral("oL"),     QStringLiteral("oC"), QStringLiteral("oV"),  QStringLiteral("oV")};
    d.toggles = 2;
    d.railBottom = 8;
    d.railGap = 20;
    d.meters = {MeterSpec{QStringLiteral("V1"), 150, 25, 5, 0.5f, 1, 2, 2},
                MeterSpec{QStringLiteral("V2"), 150, 25, 5, 0.5f, 1, 2, 2}};
    d.meterHelpKey = QStringLiteral("oV");
    d.ranges = {50.0f, 150.0f, 300.0f, 750.0f};
    d.rangeCaptions = {QStringLiteral("50 В"), QStringLiteral("150 В"), QStringLiteral("300 В"),
                       QStringLiteral("750 В")};
    return d;
}

} // namespace

std::unique_ptr<LabWindow> Lab2::CreateWindow()
{
    return std::make_unique<Lab2Window>();
}

Lab2Window::Lab2Window() : CoilCapacitorBench(LabSetup(2), Lab2Design(), 11640) {}

Lab2Window::~Lab2Window() = default;

void Lab2Window::LoadBench()
{
    CoilCapacitorBench::LoadBench();
    m_model.CoilVoltage = m_model.CapacitorVoltage = 0.0f;
}

void Lab2Window::DrawLoadSide(Schematic &s, const AcGrid &g)
{
    DrawLab2LoadSide(s, g, {m_model.SwitchState[1], m_model.SwitchState[2]});
}

std::vector<QRectF> Lab2Window::Hotspots(const AcGrid &g) const
{
    const auto spots = Lab2Hotspots(g);
    return {spots.begin(), spots.end()};
}

} // namespace ohmaris
