// SPDX-License-Identifier: GPL-3.0-or-later
// The shared single-phase AC bench: controls, load steps, handlers, tick.
#include "labs/common/bench_singlephase.h"

#include "calc/clock.h"
#include "labs/common/bench_singlephase_draw.h"
#include "shell/picturebox.h"
#include "shell/schematic.h"
#include "shell/spoken.h"

#include <QLabel>
#include <QPainter>
#include <cmath>

namespace ohmaris {

namespace {

using namespace acfont;

// The range buttons inside a meter box: the first one narrower.
std::vector<RangeRow::Button> RangeButtons(const std::array<QString, 4> &captions)
{
    std::vector<RangeRow::Button> buttons;
    for (int i = 0; i < 4; ++i)
        buttons.push_back({QRectF(i == 0 ? 120 : 720 * i, 1800, i == 0 ? 615 : 735, 375), captions[std::size_t(i)]});
    return buttons;
}

QRectF Geometry(const QWidget *w)
{
    return QRectF(w->geometry());
}

std::int16_t Rounded(double v)
{
    return std::int16_t(std::nearbyint(v)); // halves to even
}

} // namespace

QLabel *MakePanelCaption(QWidget *panel, const QString &name, double height)
{
    QLabel *l = MakeLabel(panel, name, {0, 0, DesignRect(panel).width(), height}, QString(), kPanel, true);
    l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    l->setWordWrap(true);
    return l;
}

std::int16_t SinglePhaseBench::KnobPosition(const Switcher &knob)
{
    return Rounded(double(knob.Value()));
}

SinglePhaseBench::SinglePhaseBench(const LabFrame &frame, SinglePhaseDesign design)
    : AcBench(frame, 2,
              [this](int meter, int button) {
                  return Circuit().MeterRange(meter) = m_design.ranges[std::size_t(button)];
              }),
      m_design(std::move(design))
{
    BindKnob(m_regulator);
}

SinglePhaseBench::~SinglePhaseBench() = default;

void SinglePhaseBench::BindKnob(Switcher &knob)
{
    // A right click turns a knob back, so the help pop-up opens only with
    // Shift alone or at position 1, which a right click cannot pass.
    connect(&knob, &Switcher::mouseDown, this, [this, &knob](Qt::MouseButton b, Qt::KeyboardModifiers m) {
        ContextHelp(QStringLiteral("oSS"), b, knob::HelpPopupAllowed(m, knob.Value(), 1));
    });
    connect(&knob, &Switcher::clicked, this, [this] { Circuit().RecalcPending = true; });
    connect(&knob, &Switcher::doubleClicked, this, [this] { Circuit().RecalcPending = true; });
}

AcGrid SinglePhaseBench::Grid() const
{
    return AcGridFor(DrawUnit(), m_picture1 ? m_picture1->twipsHeight() : 0.0, m_design.railBottom,
                     m_design.railGap);
}

void SinglePhaseBench::BuildControls(QWidget *client)
{
    BuildK50(client, K50Panel::kStandardPlace);

    m_picture1 = MakePicture(client, QStringLiteral("Picture1"), {120, 5880, 11175, 4215}, kSchematic);
    connect(m_picture1.data(), &PictureBox::painting, this, &SinglePhaseBench::PaintSchematic);
    m_image1.Build(m_picture1, int(m_design.hotspotKeys.size()), this,
                   [this](int i, Qt::MouseButton b, Qt::KeyboardModifiers) { Image1_MouseDown(i, b); },
                   [this](int i) { return HotspotAt(i); });

    // The two meters with their range buttons inside.
    const std::array<const char *, 2> boxes{"Picture3", "Picture4"};
    const std::array<const char *, 2> rows{"Command5", "Command6"};
    const std::array<double, 2> lefts{9000, 12120};
    for (std::size_t k = 0; k < 2; ++k) {
        PictureBox *box = MakePicture(client, QLatin1String(boxes[k]), {lefts[k], 240, 3015, 2655}, kMeter);
        HelpOnPress(box, m_design.meterHelpKey);
        m_meterBoxes[k] = box;
        RangeRow &row = Ranges(int(k));
        row.Build(box, QLatin1String(rows[k]), RangeButtons(m_design.rangeCaptions), kButton, true);
        // The highest range is the chosen one at design.
        row.Highlight(3);
    }

    FocusRangesOn(m_picture1);
    BuildBench(client);

    // The regulator panel: caption on top, the knob, "max" and "min".
    m_picture10 = MakePicture(client, QStringLiteral("Picture10"), m_design.regulatorPanel, kPanel, true);
    m_label8 = MakePanelCaption(m_picture10, QStringLiteral("Label8"), 465);
    m_picture12 = MakePicture(m_picture10, QStringLiteral("Picture12"), {1080, 480, 855, 855}, kPanel);
    SetHelpKey(m_picture12, QStringLiteral("oSS"));
    connect(m_picture10.data(), &PictureBox::painting, this, [this](QPainter &p) {
        if (m_picture12)
            DrawRegulatorMarks(p, Geometry(m_picture12));
    });
}

void SinglePhaseBench::FormLoad()
{
    setDrawUnit(float(m_picture1->twipsWidth() / 100.0));
    SinglePhaseCircuit &c = Circuit();
    for (int k = 0; k < 2; ++k) {
        c.MeterRange(k) = m_design.ranges[3];
        MeterSpec setup = m_design.meters[std::size_t(k)];
        setup.range = c.MeterRange(k);
        SetUpMeter(Meter(k), m_meterBoxes[std::size_t(k)], setup);
    }
    // The K-50 panel was made with the controls at 5 A, 450 V, 2250 W, "+".

    c.SwitchState[SinglePhaseCircuit::kStep] = 0;
    SetUpKnob(m_regulator, m_picture12,
              {QStringLiteral("AT"), 45, 315, kRegulatorPositions,
               float(kRegulatorPositions - c.SwitchState[SinglePhaseCircuit::kStep]),
               [] { return tr("Voltage regulator"); },
               [](int p) {
                   // Position 1 is the highest voltage; the step counts up from min.
                   if (p <= 1)
                       return tr("max");
                   if (p >= kRegulatorPositions)
                       return tr("min");
                   return tr("step %1 of %2").arg(kRegulatorPositions - p).arg(kRegulatorPositions - 1);
               }});

    LoadBench();
    for (int k = 0; k < m_design.toggles; ++k)
        c.SwitchState[std::size_t(k)] = 0;
    c.RecalcPending = true;
    // The window is painted whole when it shows.
    m_schematicShown = Shown();

    LayoutKnobPanel(m_picture10, m_label8, m_picture12, kRegulatorPanelGap);
    LayoutHotspots();
}

void SinglePhaseBench::LayoutHotspots()
{
    if (m_picture1)
        m_image1.Place(Hotspots(Grid()));
}

void SinglePhaseBench::RedrawSchematic()
{
    m_schematicShown = Shown();
    if (m_picture1)
        m_picture1->update();
    m_image1.NoteChanges();
}

Hotspot SinglePhaseBench::HotspotAt(int index)
{
    Hotspot h;
    if (index < 0 || index >= int(m_design.hotspotKeys.size()))
        return h;
    h.key = m_design.hotspotKeys[std::size_t(index)];
    if (index < int(m_design.hotspotLabels.size()))
        h.label = m_design.hotspotLabels[std::size_t(index)];
    if (index < m_design.toggles)
        h.closed = Circuit().SwitchState[std::size_t(index)];
    return h;
}

QString SinglePhaseBench::VariantWords(int variant)
{
    return tr("variant %1").arg(variant);
}

SinglePhaseBench::SchematicState SinglePhaseBench::Shown()
{
    const SinglePhaseCircuit &c = Circuit();
    SchematicState s{};
    for (std::size_t k = 0; k < c.SwitchState.size(); ++k)
        if (k != std::size_t(SinglePhaseCircuit::kStep))
            s[k] = c.SwitchState[k];
    return s;
}

bool SinglePhaseBench::SchematicChanged()
{
    return Shown() != m_schematicShown;
}

void SinglePhaseBench::PaintSchematic(QPainter &p)
{
    const AcGrid g = Grid();
    Schematic s(p, QRectF(0, 0, g.X(100), g.h), m_picture1->palette().color(QPalette::Window),
                m_picture1->font(), m_picture1->font().pointSizeF());
    DrawSupplySide(s, g, Circuit().SwitchState[SinglePhaseCircuit::kBreaker]);
    DrawLoadSide(s, g);
}

void SinglePhaseBench::Image1_MouseDown(int index, Qt::MouseButton button)
{
    if (index < 0 || index >= int(m_design.hotspotKeys.size()))
        return;
    SinglePhaseCircuit &c = Circuit();
    if (button == Qt::LeftButton && index < m_design.toggles) {
        std::int16_t &s = c.SwitchState[std::size_t(index)];
        s = std::int16_t(1 - s);
        RedrawSchematic();
        c.RecalcPending = true;
    }
    ContextHelp(m_design.hotspotKeys[std::size_t(index)], button);
}

void SinglePhaseBench::Timer1_Timer()
{
    if (!isLoaded())
        return;
    const double now = appClock().now();
    SinglePhaseCircuit &c = Circuit();
    // The K-50 reads its phase selector when it moves its pointers; nothing
    // in the tick turns the selector, so that is the position the tick
    // began with. The knobs are read before the computation, which is the
    // only place that clears RecalcPending.
    if (c.RecalcPending) {
        ReadKnobsInto(c);
        // A switch's click has redrawn the schematic already; a breaker the
        // protection opened, or a new variant, is drawn here.
        if (SchematicChanged())
            RedrawSchematic();
        c.ComputeCircuit(now);
    }
    UpdateInstruments(now);
}

void SinglePhaseBench::ReadKnobsInto(SinglePhaseCircuit &c) const
{
    c.SwitchState[SinglePhaseCircuit::kStep] =
        Rounded(double(m_regulator.Polojenii()) - double(m_regulator.Value()));
    ReadOwnKnobs(c);
}

void SinglePhaseBench::UpdateInstruments(double now)
{
    SinglePhaseCircuit &c = Circuit();
    const std::array<double, 2> t = c.MeterTargets();
    for (int k = 0; k < 2; ++k)
        Meter(k).StepTowards(t[std::size_t(k)]);
    // The K-50 follows the panel's ranges; the power direction enters the
    // wattmeter's target only where the bench says so.
    const K50PhaseReadings r = c.K50Readings();
    K50()->SetReadings(r.U, r.I, r.P);
    K50()->Tick(m_design.powerSignEnters);
    c.ApplyProtection(now);
}

bool SinglePhaseBench::AtRest()
{
    SinglePhaseCircuit &c = Circuit();
    if (c.RecalcPending || !c.Protection.Idle() || !K50())
        return false;
    const std::array<double, 2> t = c.MeterTargets();
    return Meter(0).AtTarget(t[0]) && Meter(1).AtTarget(t[1]) && K50()->AtTargets(m_design.powerSignEnters);
}

SinglePhaseDesign CoilCapacitorDesign(const std::array<MeterSpec, 2> &meters, const QString &meterHelpKey,
                                      const std::array<float, 4> &ranges,
                                      const std::array<QString, 4> &rangeCaptions)
{
    SinglePhaseDesign d;
    d.hotspotKeys = {QStringLiteral("oSSSSS"), QStringLiteral("oS"), QStringLiteral("oAA"), QStringLiteral("oK"),
                     QStringLiteral("oL"),     QStringLiteral("oC"), meterHelpKey,          meterHelpKey};
    // The coil is named by its variant, which its subscripts show.
    d.hotspotLabels = {QStringLiteral("SF"), QStringLiteral("S"), QStringLiteral("AT"), QStringLiteral("K-50"),
                       QString(),            QStringLiteral("C"), meters[0].caption,    meters[1].caption};
    d.toggles = 2;
    d.railBottom = 8;
    d.railGap = 20;
    d.meters = meters;
    d.meterHelpKey = meterHelpKey;
    d.ranges = ranges;
    d.rangeCaptions = rangeCaptions;
    return d;
}

CoilCapacitorBench::CoilCapacitorBench(const LabFrame &frame, SinglePhaseDesign design, CoilCapacitorLayout layout)
    : SinglePhaseBench(frame, std::move(design)), m_layout(std::move(layout))
{
    BindKnob(m_variant);
}

void CoilCapacitorBench::BuildBench(QWidget *client)
{
    // The variant panel: caption on top, the knob, the digits around it.
    m_picture5 = MakePicture(client, QStringLiteral("Picture5"), {11400, 4680, 3615, 2175}, kPanel, true);
    m_label7 = MakePanelCaption(m_picture5, QStringLiteral("Label7"), 525);
    m_picture9 = MakePicture(m_picture5, QStringLiteral("Picture9"), {1080, 720, 855, 855}, kPanel);
    SetHelpKey(m_picture9, QStringLiteral("oSS"));
    connect(m_picture5.data(), &PictureBox::painting, this, [this](QPainter &p) {
        if (m_picture9)
            DrawVariantDigits(p, Geometry(m_picture9));
    });

    // The capacitance box with its label and unit.
    MakeLabel(client, QStringLiteral("Label5"), {m_layout.boxLeft, 7440, 735, 375}, QStringLiteral("С ="), kPanel);
    m_text1 = MakeParamBox(client, QStringLiteral("Text1"), {m_layout.boxLeft + 840, 7440, 1095, 345}, kPanel);
    connect(m_text1.data(), &QLineEdit::textChanged, this, [this] { Text1_Change(); });
    m_label6 = MakeLabel(client, QStringLiteral("Label6"), {m_layout.boxLeft + 2040, 7440, 435, 315}, QString(), kPanel);
    SpeakBox(m_text1, QStringLiteral("C"), m_label6);
}

Hotspot CoilCapacitorBench::HotspotAt(int index)
{
    Hotspot h = SinglePhaseBench::HotspotAt(index);
    if (h.key == QLatin1String("oL"))
        h.detail = VariantWords(Coil().SwitchState[CoilCapacitorCircuit::kVariant]);
    return h;
}

namespace {
// A unit label grows to its caption rather than cutting it (the Russian
// unit is wider than the box drawn for it).
void FitWidth(QLabel *label)
{
    if (!label)
        return;
    label->resize(std::max(label->width(), label->sizeHint().width()), label->height());
    MarkPlacedByBench(label);
}
} // namespace

void CoilCapacitorBench::LanguageChanged()
{
    FitWidth(m_label6);
}

void CoilCapacitorBench::LoadBench()
{
    CoilCapacitorCircuit &c = Coil();
    c.SupplyVoltage = 0.0f;
    c.CoilResistance = 20.0f;
    c.CoilInductance = 0.5f;
    c.Capacitance = 100.0f;
    m_text1->setText(QStringLiteral("100")); // through the entry rule
    c.CircuitCurrent = c.ActivePower = 0.0f;

    c.SwitchState[CoilCapacitorCircuit::kVariant] = 1;
    SetUpKnob(m_variant, m_picture9,
              {QStringLiteral("variant"), 45, 315, kVariantCount, float(c.SwitchState[CoilCapacitorCircuit::kVariant]),
               [] { return tr("Variant selector"); }, [](int p) { return VariantWords(p); }});

    LayoutKnobPanel(m_picture5, m_label7, m_picture9, kVariantPanelGap);
    FitWidth(m_label6);
}

void CoilCapacitorBench::ReadOwnKnobs(SinglePhaseCircuit &c) const
{
    c.SwitchState[CoilCapacitorCircuit::kVariant] = Rounded(m_variant.Value());
}

void CoilCapacitorBench::Text1_Change()
{
    if (!m_text1)
        return;
    CoilCapacitorCircuit &c = Coil();
    const EntryResult r = ApplyEntryRule(m_text1->text(), c.Capacitance, CoilCapacitorCircuit::kCapacitanceRule);
    if (r.recalc)
        c.RecalcPending = true;
    c.Capacitance = r.value;
    if (r.rewrite)
        m_text1->setText(*r.rewrite);
}

} // namespace ohmaris
