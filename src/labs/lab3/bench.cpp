// Lab 3 bench: its design table, load steps and schematic.
#include "labs/lab3/bench.h"

#include "labs/lab3/bench_draw.h"
#include "labs/lab3/lab.h"

namespace ohmaris {

namespace {

// The capacitance label "С =" stands 120 twips left of lab 2's, its box and
// unit with it.
constexpr double kCapacitanceBoxLeft = 11520;

SinglePhaseDesign Lab3Design()
{
    SinglePhaseDesign d;
    // Breaker, capacitor switch, regulator, K-50, coil, capacitor, A1, A2.
    d.hotspotKeys = {QStringLiteral("oSSSSS"), QStringLiteral("oS"), QStringLiteral("oAA"), QStringLiteral("oK"),
                     QStringLiteral("oL"),     QStringLiteral("oC"), QStringLiteral("oA"),  QStringLiteral("oA")};
    d.toggles = 2;
    d.railBottom = 8;
    d.railGap = 20;
    d.meters = {MeterSpec{QStringLiteral("A1"), 100, 10, 2, 0.5f, 1, 2, 2},
                MeterSpec{QStringLiteral("A2"), 100, 10, 2, 0.5f, 1, 2, 2}};
    d.meterHelpKey = QStringLiteral("oA");
    d.ranges = {0.5f, 1.0f, 5.0f, 10.0f};
    d.rangeCaptions = {QStringLiteral("0,5 A"), QStringLiteral("1 A"), QStringLiteral("5 A"), QStringLiteral("10 A")};
    return d;
}

} // namespace

std::unique_ptr<LabWindow> Lab3::CreateWindow()
{
    return std::make_unique<Lab3Window>();
}

Lab3Window::Lab3Window() : CoilCapacitorBench(LabSetup(3), Lab3Design(), kCapacitanceBoxLeft) {}

Lab3Window::~Lab3Window() = default;

void Lab3Window::LoadBench()
{
    CoilCapacitorBench::LoadBench();
    m_model.CoilCurrent = m_model.CapacitorCurrent = 0.0f;
}

void Lab3Window::DrawLoadSide(Schematic &s, const AcGrid &g)
{
    DrawLab3LoadSide(s, g,
                     {m_model.SwitchState[CoilCapacitorCircuit::kCapacitorSwitch],
                      m_model.SwitchState[CoilCapacitorCircuit::kVariant]});
}

std::vector<QRectF> Lab3Window::Hotspots(const AcGrid &g) const
{
    const auto spots = Lab3Hotspots(g);
    return {spots.begin(), spots.end()};
}

} // namespace ohmaris
