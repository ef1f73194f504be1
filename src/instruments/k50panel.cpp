// SPDX-License-Identifier: GPL-3.0-or-later
// K-50 measuring set panel: controls, range state and pointer drive.
#include "instruments/k50panel.h"

#include "instruments/face.h"
#include "shell/controls.h"
#include "shell/spoken.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPalette>
#include <QPushButton>
#include <algorithm>
#include <tuple>

namespace ohmaris {

namespace k50 {

void Ranges::SetCurrentRange(int index)
{
    K50CurrentRange = kCurrentRanges.at(size_t(index));
    K50PowerRange = float(double(K50CurrentRange) * double(K50VoltageRange));
}

void Ranges::SetVoltageRange(int index)
{
    K50VoltageRange = kVoltageRanges.at(size_t(index));
    K50PowerRange = float(double(K50CurrentRange) * double(K50VoltageRange));
}

QString Ranges::TogglePowerDirection(const QString &caption)
{
    if (caption != QLatin1String("+")) {
        PowerSign = 1;
        return QStringLiteral("+");
    }
    PowerSign = -1;
    return QStringLiteral("-");
}

Targets TargetsFor(const Ranges &r, float u, float i, float p, bool applyPowerSign)
{
    Targets t;
    t.voltmeter = double(u) * 150.0 / double(r.K50VoltageRange);
    t.ammeter = double(i) * 100.0 / double(r.K50CurrentRange);
    t.wattmeter = double(p) * 150.0 * (applyPowerSign ? double(r.PowerSign) : 1.0) / double(r.K50PowerRange);
    return t;
}

bool SelectorPopsUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, float value, int positions)
{
    return button == Qt::RightButton && knob::HelpPopupAllowed(modifiers, value, float(positions));
}

} // namespace k50

namespace {

constexpr QRgb kPanelBack = face::Rgb(192, 192, 192);
constexpr double kMeterFont = 9.75;
constexpr double kButtonFont = 9.75;
constexpr double kDirectionFont = 12.0;

// The panel's three meters: systems 2 (moving iron) and 3 (the wattmeter),
// reading at the load-time ranges 450 V, 5 A and 2250 W.
const std::array<MeterSpec, 3> kMeters{{
    {QStringLiteral("V"), 150, 25, 5, 0.5f, 1, 2, 2, 0, QStringLiteral("V"), 450, QStringLiteral("K-50 V")},
    {QStringLiteral("А"), 100, 10, 2, 0.5f, 1, 2, 2, 0, QStringLiteral("A"), 5, QStringLiteral("K-50 A")},
    {QStringLiteral("W"), 150, 25, 5, 0.5f, 1, 2, 3, 0, QStringLiteral("W"), 2250, QStringLiteral("K-50 W")},
}};
// The meters stand in three columns 2775 twips wide and 2175 high from 1560
// down. A meter is 0.9 times as high as it is wide, so one as wide as its
// column would reach past the panel's bottom edge: each is 2415 twips wide
// (2173.5 high, within its column's height) and centred in its column.
constexpr std::array<double, 3> kMeterColumn{120, 3000, 5880};
constexpr double kMeterColumnWidth = 2775;
constexpr double kMeterTop = 1560;
constexpr double kMeterWidth = 2415;
constexpr double kMeterAspect = 0.9;

QRectF MeterPlace(double column)
{
    return {column + (kMeterColumnWidth - kMeterWidth) / 2, kMeterTop, kMeterWidth, kMeterAspect * kMeterWidth};
}

std::vector<RangeRow::Button> RowButtons(double left, const std::array<QString, 3> &captions)
{
    std::vector<RangeRow::Button> buttons;
    for (int i = 0; i < 3; ++i)
        buttons.push_back({QRectF(left + 720 * i, 1080, 735, 375), captions[std::size_t(i)]});
    return buttons;
}

} // namespace

K50Panel::K50Panel(QWidget *client, QRectF place)
{
    auto *panel = MakePicture(client, QStringLiteral("Picture2"), place, kButtonFont);
    m_picture2 = panel;
    panel->setBackColor(QColor(kPanelBack));
    panel->setFocusPolicy(Qt::ClickFocus);
    SetHelpKey(panel, QStringLiteral("oK"));
    Speech::Attach(panel, [] { return tr("K-50 measuring set"); });
    const auto help = [this](const QString &key) {
        return [this, key](Qt::MouseButton b) { Q_EMIT helpRequested(key, b); };
    };
    connect(panel, &PictureBox::mouseDown, this,
            [h = help(QStringLiteral("oK"))](Qt::MouseButton b, Qt::KeyboardModifiers, QPointF) { h(b); });

    for (auto [name, rect, caption, bold] :
         {std::tuple{"Label4", QRectF(480, 120, 4815, 255), QStringLiteral("Измер. комплекс К-50"), true},
          std::tuple{"Label9", QRectF(5880, 1200, 2175, 255), QStringLiteral("Направление мощности"), false}}) {
        QLabel *l = MakeLabel(panel, QLatin1String(name), rect, caption, kButtonFont, bold);
        connect(PressHelp::Install(l, QStringLiteral("oK"), PressHelp::Pass::Nothing), &PressHelp::helpRequested,
                this, &K50Panel::helpRequested);
    }
    MakeLabel(panel, QStringLiteral("Label3"), {6120, 120, 375, 255}, QStringLiteral("C"), kButtonFont, true);
    MakeLabel(panel, QStringLiteral("Label2"), {6000, 480, 375, 255}, QStringLiteral("B"), kButtonFont, true);
    MakeLabel(panel, QStringLiteral("Label1"), {6120, 840, 375, 255}, QStringLiteral("A"), kButtonFont, true);

    for (auto [row, name, left, captions] :
         {std::tuple{&m_command3, "Command3", 360.0,
                     std::array<QString, 3>{QStringLiteral("150 В"), QStringLiteral("300 В"), QStringLiteral("450 В")}},
          std::tuple{&m_command2, "Command2", 3240.0,
                     std::array<QString, 3>{QStringLiteral("1 А"), QStringLiteral("2,5 А"), QStringLiteral("5 А")}}}) {
        row->Build(panel, QLatin1String(name), RowButtons(left, captions), kButtonFont, true);
        row->setFocusTarget(panel);
        // The highest range of each row is the chosen one at design.
        row->Highlight(2);
        connect(row, &RangeRow::helpRequested, this, &K50Panel::helpRequested);
    }
    connect(&m_command2, &RangeRow::chosen, this, [this](int i) {
        const float before = m_ranges.K50PowerRange;
        m_ranges.SetCurrentRange(i);
        RangesChosen(before);
    });
    connect(&m_command3, &RangeRow::chosen, this, [this](int i) {
        const float before = m_ranges.K50PowerRange;
        m_ranges.SetVoltageRange(i);
        RangesChosen(before);
    });

    m_command1 = MakeButton(panel, QStringLiteral("Command1"), {8160, 1200, 375, 315}, QStringLiteral("+"),
                            kDirectionFont);
    connect(m_command1.data(), &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(PressHelp::Install(m_command1, QStringLiteral("oSSSS"), PressHelp::Pass::LeftButton),
            &PressHelp::helpRequested, this, &K50Panel::helpRequested);
    Speech::Attach(m_command1, [button = m_command1] {
        return tr("Power direction %1").arg(button ? button->text() : QString());
    });

    auto *selectorBox = new PictureBox(panel);
    SetDesign(selectorBox, QStringLiteral("Picture11"), 6480, 240, 735, 735);

    const std::array<Pribor *, 3> meters{&m_voltmeter, &m_ammeter, &m_wattmeter};
    const std::array<const char *, 3> boxes{"Picture6", "Picture7", "Picture8"};
    const std::array<const char *, 3> keys{"oV", "oA", "oW"};
    for (std::size_t k = 0; k < 3; ++k) {
        PictureBox *box = MakePicture(panel, QLatin1String(boxes[k]), MeterPlace(kMeterColumn[k]), kMeterFont);
        SetUpMeter(*meters[k], box, kMeters[k]);
        SetHelpKey(box, QLatin1String(keys[k]));
        connect(box, &PictureBox::mouseDown, this,
                [h = help(QLatin1String(keys[k]))](Qt::MouseButton b, Qt::KeyboardModifiers, QPointF) { h(b); });
    }

    m_voltmeter.setSpokenName([] { return tr("K-50 voltmeter"); });
    m_ammeter.setSpokenName([] { return tr("K-50 ammeter"); });
    m_wattmeter.setSpokenName([] { return tr("K-50 wattmeter"); });
    SetUpKnob(m_selector, selectorBox,
              {QStringLiteral("K-50 phase"), 225, 135, 3, 1, [] { return tr("K-50 phase selector"); },
               [](int p) { return tr("phase %1").arg(QChar(u'A' + std::clamp(p, 1, 3) - 1)); }});
    SetHelpKey(selectorBox, QStringLiteral("oSS"));
    connect(&m_selector, &Switcher::valueChanged, this, [this, phase = SelectedPhase()]() mutable {
        if (SelectedPhase() != phase)
            Q_EMIT phaseChanged(phase = SelectedPhase());
    });
    connect(&m_selector, &Switcher::mouseDown, this, [this](Qt::MouseButton b, Qt::KeyboardModifiers m) {
        const bool popup = k50::SelectorPopsUp(b, m, m_selector.Value(), m_selector.Polojenii());
        Q_EMIT helpRequested(QStringLiteral("oSS"), b == Qt::RightButton && !popup ? Qt::NoButton : b);
    });
    connect(&m_selector, &Switcher::clicked, this, &K50Panel::selectorTurned);
    connect(&m_selector, &Switcher::doubleClicked, this, &K50Panel::selectorTurned);
}

K50Panel::~K50Panel()
{
    // The controls belong to the panel; the window may already have
    // destroyed them.
    delete m_picture2.data();
}

void K50Panel::FocusPanel()
{
    FocusAfterClick(m_picture2);
}

void K50Panel::RangesChosen(float powerRangeBefore)
{
    m_voltmeter.setRange(m_ranges.K50VoltageRange);
    m_ammeter.setRange(m_ranges.K50CurrentRange);
    m_wattmeter.setRange(m_ranges.K50PowerRange);
    // One row changed at most, and with it the power range: a range chosen
    // again changes nothing.
    if (m_ranges.K50PowerRange != powerRangeBefore)
        Q_EMIT rangesChanged();
}

void K50Panel::Command1_Click()
{
    if (m_command1) {
        m_command1->setText(m_ranges.TogglePowerDirection(m_command1->text()));
    } else {
        m_ranges.TogglePowerDirection(m_ranges.PowerSign > 0 ? QStringLiteral("+") : QStringLiteral("-"));
    }
    FocusPanel();
    Q_EMIT powerSignChanged(m_ranges.PowerSign);
}

void K50Panel::Command2_Click(int index)
{
    m_command2.Click(index);
}

void K50Panel::Command3_Click(int index)
{
    m_command3.Click(index);
}

int K50Panel::SelectedPhase() const
{
    const int k = int(face::RoundHalfEven(double(m_selector.Value())));
    return std::clamp(k, 1, 3);
}

K50Reading K50Panel::Reading() const
{
    K50Reading r;
    r.phase = SelectedPhase();
    r.voltmeter = m_voltmeter.Reading();
    r.ammeter = m_ammeter.Reading();
    r.wattmeter = m_wattmeter.Reading();
    r.powerSign = m_ranges.PowerSign;
    return r;
}

InstrumentReading K50Panel::DirectionReading() const
{
    InstrumentReading r;
    r.name = QStringLiteral("K-50 direction");
    r.kind = InstrumentReading::Kind::Switch;
    r.value = m_ranges.PowerSign;
    r.range = 2;
    return r;
}

void K50Panel::SetReadings(const std::array<float, 3> &u, const std::array<float, 3> &i,
                           const std::array<float, 3> &p)
{
    m_u = u;
    m_i = i;
    m_p = p;
}

k50::Targets K50Panel::TargetsNow(bool applyPowerSign) const
{
    const size_t j = size_t(SelectedPhase() - 1);
    return k50::TargetsFor(m_ranges, m_u[j], m_i[j], m_p[j], applyPowerSign);
}

void K50Panel::Tick(bool applyPowerSign)
{
    const k50::Targets t = TargetsNow(applyPowerSign);
    m_voltmeter.StepTowards(t.voltmeter);
    m_ammeter.StepTowards(t.ammeter);
    m_wattmeter.StepTowards(t.wattmeter);
}

bool K50Panel::AtTargets(bool applyPowerSign) const
{
    const k50::Targets t = TargetsNow(applyPowerSign);
    return m_voltmeter.AtTarget(t.voltmeter) && m_ammeter.AtTarget(t.ammeter) && m_wattmeter.AtTarget(t.wattmeter);
}

} // namespace ohmaris
