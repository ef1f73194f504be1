// SPDX-License-Identifier: GPL-3.0-or-later
// Lab 4 bench: its design table, panels, resistance boxes and schematic.
#include "labs/lab4/bench.h"

#include "labs/common/bench_singlephase_draw.h"
#include "labs/lab4/bench_draw.h"
#include "labs/lab4/lab.h"
#include "labs/registry.h"
#include "shell/picturebox.h"
#include "shell/spoken.h"

#include <QLabel>
#include <QPainter>

namespace ohmaris {

namespace {

using namespace acfont;

constexpr double kSubscriptFont = 9.0;
// The coil selectors' knobs stand lower under their captions than lab 2's.
constexpr double kSelectorPanelGap = 1.5;

SinglePhaseDesign Lab4Design()
{
    SinglePhaseDesign d;
    // Breaker, S1, S2, regulator, K-50, A1, A2, coil 1, coil 2, R1, R2.
    d.hotspotKeys = {QStringLiteral("oSSSSS"), QStringLiteral("oS"), QStringLiteral("oS"), QStringLiteral("oAA"),
                     QStringLiteral("oK"),     QStringLiteral("oA"), QStringLiteral("oA"), QStringLiteral("oL"),
                     QStringLiteral("oL"),     QStringLiteral("oR"), QStringLiteral("oR")};
    d.hotspotLabels = {QStringLiteral("SF"), QStringLiteral("S1"), QStringLiteral("S2"), QStringLiteral("AT"),
                       QStringLiteral("K-50"), QStringLiteral("A1"), QStringLiteral("A2"), QStringLiteral("L1"),
                       QStringLiteral("L2"), QStringLiteral("R1"), QStringLiteral("R2")};
    d.toggles = 3;
    d.railBottom = 4;
    d.railGap = 28;
    d.meters = {MeterSpec{QStringLiteral("A1"), 100, 10, 2, 0.5f, 1, 2, 2},
                MeterSpec{QStringLiteral("A2"), 100, 10, 2, 0.5f, 1, 2, 2}};
    d.meterHelpKey = QStringLiteral("oA");
    d.ranges = {1.0f, 2.5f, 5.0f, 10.0f};
    d.rangeCaptions = {QStringLiteral("1 A"), QStringLiteral("2,5 A"), QStringLiteral("5 A"), QStringLiteral("10 A")};
    d.regulatorPanel = QRectF(240, 4200, 2895, 1575);
    d.powerSignEnters = true;
    return d;
}

// A knob panel: the caption on top and the knob's box inside.
struct KnobPanel {
    PictureBox *panel;
    QLabel *caption;
    PictureBox *knob;
};

KnobPanel MakeKnobPanel(QWidget *client, const QString &panel, const QRectF &place, const QString &caption,
                        double captionHeight, const QString &knob, QPointF knobAt)
{
    PictureBox *p = MakePicture(client, panel, place, kPanel, true);
    QLabel *c = MakePanelCaption(p, caption, captionHeight);
    PictureBox *k = MakePicture(p, knob, {knobAt.x(), knobAt.y(), 855, 855}, kPanel);
    SetHelpKey(k, QStringLiteral("oSS"));
    return {p, c, k};
}


} // namespace

template <>
std::unique_ptr<LabWindow> CreateLabWindow<Lab4>()
{
    return std::make_unique<Lab4Window>();
}

Lab4Window::Lab4Window() : SinglePhaseBench(Lab4::kFrame, Lab4Design())
{
    BindKnob(m_select1);
    BindKnob(m_select2);
    BindKnob(m_connection);
}

Lab4Window::~Lab4Window() = default;

void Lab4Window::BuildBench(QWidget *client)
{
    // The two coil selectors with the digits 1 to 7 around their knobs.
    const KnobPanel first = MakeKnobPanel(client, QStringLiteral("Picture5"), {11760, 3120, 3255, 2175},
                                          QStringLiteral("Label7"), 615, QStringLiteral("Picture9"), {1200, 840});
    const KnobPanel second = MakeKnobPanel(client, QStringLiteral("Picture15"), {11760, 5880, 3255, 2295},
                                           QStringLiteral("Label11"), 615, QStringLiteral("Picture16"), {1200, 840});
    m_picture5 = first.panel;
    m_label7 = first.caption;
    m_picture9 = first.knob;
    m_picture15 = second.panel;
    m_label11 = second.caption;
    m_picture16 = second.knob;
    for (const KnobPanel &k : {first, second}) {
        connect(k.panel, &PictureBox::painting, this, [knob = QPointer<PictureBox>(k.knob)](QPainter &p) {
            if (knob)
                DrawVariantDigits(p, QRectF(knob->geometry()));
        });
    }
    // The connection switch: its caption and knob, nothing drawn.
    const KnobPanel connection = MakeKnobPanel(client, QStringLiteral("Picture13"), {3840, 4200, 3255, 1575},
                                               QStringLiteral("Label10"), 375, QStringLiteral("Picture14"),
                                               {1200, 480});
    m_picture13 = connection.panel;
    m_picture14 = connection.knob;

    // R1 and R2: "R", the branch number as a subscript, "=", the box and
    // the unit.
    for (int k = 0; k < 2; ++k) {
        const double top = 4440 + 480 * k;
        QLabel *letter = MakeLabel(client, k == 0 ? QStringLiteral("Label5") : QStringLiteral("Label12"),
                                   {7920, top, 735, 375}, QStringLiteral("R   ="), kPanel);
        letter->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        MarkOverlay(MakeLabel(client, k == 0 ? QStringLiteral("Label13") : QStringLiteral("Label14"),
                              {8355, top + 120, 150, 225}, QString::number(k + 1), kSubscriptFont));
        ParamBox *box = MakeParamBox(client, ArrayName(QStringLiteral("Text1"), k), {8760, top, 1215, 345}, kPanel);
        connect(box, &QLineEdit::textChanged, this, [this, k] { Text1_Change(k); });
        m_text1[std::size_t(k)] = box;
        SpeakBox(box, QStringLiteral("R%1").arg(k + 1),
                 MakeLabel(client, ArrayName(QStringLiteral("Label6"), k), {10080, top, 435, 375}, QString(), kPanel));
    }
}

void Lab4Window::LoadBench()
{
    Lab4Model &m = m_model;
    m.SupplyVoltage = 0.0f;
    // Through the entry rule: both resistances 100, a recomputation asked.
    for (const QPointer<ParamBox> &box : m_text1)
        box->setText(GeneralNumber(double(Lab4Model::kDefaultResistance)));
    m.CircuitCurrent = m.ActivePower = 0.0f;
    m.BranchCurrent = {0.0f, 0.0f};

    const auto variant = [](int p) { return VariantWords(p); };
    SetUpKnob(m_select1, m_picture9,
              {QStringLiteral("coil L1"), 45, 315, kVariantCount, 1, [] { return tr("Variant selector of coil L1"); },
               variant});
    SetUpKnob(m_connection, m_picture14,
              {QStringLiteral("connection"), 90, 225, Lab4Model::kConnections, 1,
               [] { return tr("Connection of the coils"); }, [](int p) {
                   switch (p) {
                   case 1: return tr("in series, aiding");
                   case 2: return tr("in series, opposing");
                   case 3: return tr("in parallel, opposing");
                   default: return tr("in parallel, aiding");
                   }
               }});
    SetUpKnob(m_select2, m_picture16,
              {QStringLiteral("coil L2"), 45, 315, kVariantCount, 1, [] { return tr("Variant selector of coil L2"); },
               variant});
    m.VariantSelect = {1, 1};
    m.Connection = 1;

    LayoutKnobPanel(m_picture5, m_label7, m_picture9, kSelectorPanelGap);
    LayoutKnobPanel(m_picture15, m_label11, m_picture16, kSelectorPanelGap);
}

void Lab4Window::ReadOwnKnobs(SinglePhaseCircuit &c) const
{
    auto &m = static_cast<Lab4Model &>(c);
    m.VariantSelect = {KnobPosition(m_select1), KnobPosition(m_select2)};
    m.Connection = KnobPosition(m_connection);
}

std::vector<CalcSetting> Lab4Window::Settings() const
{
    Lab4Model now = m_model;
    ReadKnobsInto(now);
    return CalcSettings(now);
}

SinglePhaseBench::SchematicState Lab4Window::Shown()
{
    SchematicState s = SinglePhaseBench::Shown();
    s[4] = m_model.VariantSelect[0];
    s[5] = m_model.VariantSelect[1];
    s[6] = std::int16_t(m_model.Connection);
    return s;
}

Hotspot Lab4Window::HotspotAt(int index)
{
    Hotspot h = SinglePhaseBench::HotspotAt(index);
    if (h.key == QLatin1String("oL"))
        h.detail = VariantWords(m_model.VariantSelect[index == 7 ? 0 : 1]);
    return h;
}

void Lab4Window::Text1_Change(int index)
{
    if (index < 0 || index > 1 || !m_text1[std::size_t(index)])
        return;
    ParamBox *box = m_text1[std::size_t(index)];
    float &stored = m_model.ExternalResistance[std::size_t(index)];
    const EntryResult r = ApplyEntryRule(box->text(), stored, Lab4Model::kResistanceRule);
    if (r.recalc)
        m_model.RecalcPending = true;
    stored = r.value;
    if (r.rewrite)
        box->setText(*r.rewrite);
}

void Lab4Window::DrawLoadSide(Schematic &s, const AcGrid &g)
{
    Lab4SchematicState state;
    state.switches = {m_model.SwitchState[Lab4Model::kS1], m_model.SwitchState[Lab4Model::kS2]};
    state.select = {m_model.VariantSelect[0], m_model.VariantSelect[1]};
    state.connection = m_model.Connection;
    DrawLab4LoadSide(s, g, state);
}

std::vector<QRectF> Lab4Window::Hotspots(const AcGrid &g) const
{
    const auto spots = Lab4Hotspots(g);
    return {spots.begin(), spots.end()};
}

} // namespace ohmaris
