// SPDX-License-Identifier: GPL-3.0-or-later
// The shared three-phase bench: controls, load steps, handlers, tick.
#include "labs/common/bench_threephase.h"

#include "calc/clock.h"
#include "shell/picturebox.h"
#include "shell/schematic.h"
#include "shell/spoken.h"

#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <algorithm>

namespace ohmaris {

namespace {

using namespace acfont;
constexpr double kFrameFont = 12.0;
constexpr double kSubscriptFont = 9.0;

} // namespace

ThreePhaseBench::ThreePhaseBench(const LabFrame &frame, ThreePhaseDesign design)
    : AcBench(frame, int(design.meters.size()),
              [this](int meter, int button) {
                  return Circuit().MeterRange(meter) =
                             m_design.meters[std::size_t(meter)].ranges[std::size_t(button)];
              }),
      m_design(std::move(design))
{
}

ThreePhaseBench::~ThreePhaseBench() = default;

void ThreePhaseBench::BuildControls(QWidget *client)
{
    BuildK50(client, m_design.k50Place, [this] { Circuit().RecalcPending = true; });

    // The bench's meters, each with its range buttons along its bottom edge.
    for (std::size_t k = 0; k < m_design.meters.size(); ++k) {
        const ThreePhaseMeter &m = m_design.meters[k];
        PictureBox *box = MakePicture(client, m.box, m.place, kMeter);
        m_meterBoxes[k] = box;
        RangeRow &row = Ranges(int(k));
        row.Build(box, m.row, m.buttons, kButton, true);
        // The load-time range is the chosen one at design.
        row.Highlight(row.count() - 1);
        HelpOnPress(box, m.helpKey);
    }

    // Line voltage.
    QGroupBox *frame1 = MakeFrame(client, QStringLiteral("Frame1"), m_design.frame1, kFrameFont);
    MakeLabel(frame1, QStringLiteral("Label5"), {120, 480, 615, 375}, QStringLiteral("U ="), kFrameFont, true);
    m_text1 = MakeParamBox(frame1, QStringLiteral("Text1"), {840, 480, 1215, 375}, kFrameFont);
    SpeakBox(m_text1, QStringLiteral("U"),
             MakeLabel(frame1, QStringLiteral("Label6"), {2160, 480, 495, 375}, QString(), kFrameFont, true));
    connect(m_text1.data(), &QLineEdit::textChanged, this, [this] { Text1_Change(); });

    // The three branches: R, X_L, X_C top to bottom.
    const std::array<QString, 3> rowTexts{QStringLiteral("R   ="), QStringLiteral("X    ="), QStringLiteral("X    =")};
    for (int k = 0; k < 3; ++k) {
        QGroupBox *frame = MakeFrame(client, ArrayName(QStringLiteral("Frame2"), k),
                                     {m_design.frame2Left, m_design.frame2Tops[std::size_t(k)], 2895, 1935},
                                     kFrameFont);
        for (int r = 0; r < 3; ++r) {
            const int i = 3 * k + r;
            const double top = 420 + 480 * r;
            MakeLabel(frame, ArrayName(QStringLiteral("Label7"), i), {120, top, 735, 375}, rowTexts[std::size_t(r)],
                      kFrameFont, true);
            ParamBox *box = MakeParamBox(frame, ArrayName(QStringLiteral("Text2"), i), {960, top, 1215, 375},
                                         kFrameFont);
            connect(box, &QLineEdit::textChanged, this, [this, i] { Text2_Change(i); });
            m_text2[std::size_t(i)] = box;
            static const std::array<const char *, 3> letters{"R", "XL", "XC"};
            SpeakBox(box, QLatin1String(letters[std::size_t(r)]) + QString::number(k + 1),
                     MakeLabel(frame, ArrayName(QStringLiteral("Label8"), i), {2280, top, 495, 375}, QString(),
                               kFrameFont, true));
        }
        // Subscripts after the letters R and X, a little lower.
        const QString n = QString::number(k + 1);
        MarkOverlay(MakeLabel(frame, ArrayName(QStringLiteral("Label12"), k), {300, 420 + 120, 420, 255}, n,
                              kSubscriptFont, true));
        MarkOverlay(MakeLabel(frame, ArrayName(QStringLiteral("Label10"), k), {300, 900 + 120, 420, 255},
                              QStringLiteral("L") + n, kSubscriptFont, true));
        MarkOverlay(MakeLabel(frame, ArrayName(QStringLiteral("Label11"), k), {300, 1380 + 120, 420, 255},
                              QStringLiteral("C") + n, kSubscriptFont, true));
    }

    // Schematic and its click areas.
    m_picture1 = MakePicture(client, QStringLiteral("Picture1"), m_design.picture1, kSchematic);
    m_picture1->setFocusPolicy(Qt::StrongFocus);
    FocusRangesOn(m_picture1);
    connect(m_picture1.data(), &PictureBox::painting, this, [this](QPainter &p) {
        const double w = m_picture1->twipsWidth(), h = m_picture1->twipsHeight();
        Schematic s(p, QRectF(0, 0, w, h), this->client()->palette().color(QPalette::Window), m_picture1->font(),
                    m_picture1->font().pointSizeF(), WireStyle{Qt::RoundCap, Qt::BevelJoin});
        DrawSchematic(s, w, h, DrawUnit());
    });
    m_image1.Build(m_picture1, m_design.hotspots, this,
                   [this](int i, Qt::MouseButton b, Qt::KeyboardModifiers) { Image1_MouseDown(i, b); },
                   [this](int i) {
                       Hotspot h{QString::fromLatin1(m_design.clickAreaKey(i)),
                                 m_design.clickAreaLabel ? QString::fromLatin1(m_design.clickAreaLabel(i)) : QString(), {}};
                       if (i < Circuit().SwitchCount())
                           h.closed = Circuit().Switch(i);
                       return h;
                   });
}

void ThreePhaseBench::FormLoad()
{
    setDrawUnit(float(m_picture1->twipsWidth() / m_design.drawUnitDivisor));
    LayoutClickAreas();

    // Writing a box runs its change handler: the stored values end as the
    // defaults through the entry rules, and a recomputation is requested.
    ThreePhaseCircuit &c = Circuit();
    m_text1->setText(GeneralNumber(double(ThreePhaseCircuit::kDefaultLineVoltage)));
    for (int i = 0; i < 9; ++i)
        m_text2[std::size_t(i)]->setText(GeneralNumber(double(c.DefaultElements()[std::size_t(i)])));
    // The K-50 panel was created with its load-time state: 5 A, 450 V,
    // power direction "+", phase A, pointers at 0.
    for (std::size_t k = 0; k < m_design.meters.size(); ++k) {
        c.MeterRange(int(k)) = m_design.meters[k].ranges.back();
        MeterSpec setup = m_design.meters[k].setup;
        setup.range = c.MeterRange(int(k));
        SetUpMeter(Meter(int(k)), m_meterBoxes[k], setup);
    }
    // The window is painted whole when it shows.
    m_schematicShown = SwitchesNow();
}

double ThreePhaseBench::PictureWidth() const
{
    return m_picture1 ? m_picture1->twipsWidth() : 0.0;
}

double ThreePhaseBench::PictureHeight() const
{
    return m_picture1 ? m_picture1->twipsHeight() : 0.0;
}

void ThreePhaseBench::LayoutClickAreas()
{
    if (m_picture1)
        m_image1.Place(m_design.clickAreas(m_picture1->twipsWidth(), m_picture1->twipsHeight(), DrawUnit()));
}

void ThreePhaseBench::RedrawSchematic()
{
    m_schematicShown = SwitchesNow();
    if (m_picture1)
        m_picture1->update();
    m_image1.NoteChanges();
}

ThreePhaseBench::Switches ThreePhaseBench::SwitchesNow()
{
    Switches s{};
    ThreePhaseCircuit &c = Circuit();
    for (int k = 0; k < std::min(c.SwitchCount(), int(s.size())); ++k)
        s[std::size_t(k)] = c.Switch(k);
    return s;
}

void ThreePhaseBench::Timer1_Timer()
{
    if (!isLoaded() || !K50())
        return;
    // The K-50 reads its phase selector when it moves its pointers; nothing
    // in the tick turns the selector, so that is the position the tick
    // began with.
    ThreePhaseCircuit &c = Circuit();
    if (c.RecalcPending) {
        // A switch's click has redrawn the schematic already.
        if (SwitchesNow() != m_schematicShown)
            RedrawSchematic();
        c.ComputeCircuit(appClock().now());
    }
    UpdateInstruments();
}

void ThreePhaseBench::UpdateInstruments()
{
    ThreePhaseCircuit &c = Circuit();
    const std::array<double, ThreePhaseCircuit::kMaxMeters> t = c.MeterTargets();
    for (int k = 0; k < meterCount(); ++k)
        Meter(k).StepTowards(t[std::size_t(k)]);
    // The K-50 follows the panel's ranges and power direction on the phase
    // its selector stands at.
    const K50PhaseReadings r = c.K50Readings();
    K50()->SetReadings(r.U, r.I, r.P);
    K50()->Tick(true);
    if (c.ApplyProtection(appClock().now()))
        RedrawSchematic();
}

bool ThreePhaseBench::AtRest()
{
    ThreePhaseCircuit &c = Circuit();
    if (c.RecalcPending || !c.Protection.Idle() || !K50())
        return false;
    const std::array<double, ThreePhaseCircuit::kMaxMeters> t = c.MeterTargets();
    for (int k = 0; k < meterCount(); ++k)
        if (!Meter(k).AtTarget(t[std::size_t(k)]))
            return false;
    return K50()->AtTargets(true);
}

void ThreePhaseBench::Image1_MouseDown(int index, Qt::MouseButton button)
{
    ContextHelp(QString::fromLatin1(m_design.clickAreaKey(index)), button);
    ThreePhaseCircuit &c = Circuit();
    if (button != Qt::LeftButton || index < 0 || index >= c.SwitchCount())
        return;
    c.ToggleSwitch(index);
    RedrawSchematic();
}

void ThreePhaseBench::Text1_Change()
{
    if (!m_text1)
        return;
    const EntryResult r = Circuit().EnterLineVoltage(m_text1->text());
    if (r.rewrite)
        m_text1->setText(*r.rewrite);
}

void ThreePhaseBench::Text2_Change(int index)
{
    if (index < 0 || index > 8 || !m_text2[std::size_t(index)])
        return;
    ParamBox *box = m_text2[std::size_t(index)];
    const EntryResult r = Circuit().EnterElement(index, box->text());
    if (r.rewrite)
        box->setText(*r.rewrite);
}

} // namespace ohmaris
