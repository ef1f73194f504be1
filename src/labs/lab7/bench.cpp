// SPDX-License-Identifier: GPL-3.0-or-later
// The lab 7 bench window Form7.
#include "labs/lab7/bench.h"

#include "calc/clock.h"
#include "calc/entry.h"
#include "calc/meterdrive.h"
#include "instruments/face.h"
#include "labs/common/bench_scope.h"
#include "labs/lab7/bench_draw.h"
#include "labs/lab7/lab.h"
#include "labs/registry.h"
#include "shell/picturebox.h"
#include "shell/accessible.h"
#include "shell/spoken.h"

#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <algorithm>
#include <cstring>

namespace ohmaris {

namespace {

constexpr double kPanelFont = 12.0;   // parameter panel, selector panel, schematic
constexpr double kScopeFont = 10.0;   // oscilloscope panels
constexpr double kSmallFont = 8.0;    // oscilloscope captions, range buttons
constexpr double kNoteFont = 12.0;
constexpr double kMeterFont = 9.75;

constexpr std::array<float, 5> kDefaults{24.0f, 240.0f, 140.0f, 10.0f, 200.0f};
constexpr std::array<float, 3> kRanges{0.25f, 0.5f, 1.0f};
const QColor kSelectedRange(0, 255, 0);
const QColor kChannelOn(255, 0, 0);
const QColor kPausedColour(200, 100, 100);

// The ammeters A1 and A2: DC moving-coil meters of class 1.
const MeterSpec kAmmeter{QString(), 100, 10, 2, 1.0f, 1, 1, 1};

QRectF TwipsGeometry(const QWidget *w)
{
    const QRect g = w->geometry();
    return {g.x() * kTwipsPerPixel, g.y() * kTwipsPerPixel, g.width() * kTwipsPerPixel, g.height() * kTwipsPerPixel};
}

MeterSpec Ammeter(const QString &caption, float range)
{
    MeterSpec m = kAmmeter;
    m.caption = caption;
    m.range = range;
    return m;
}

// Values can be edited only with both switches open: while one is closed,
// a box gives its focus and its presses to the schematic.
class EditLock : public QObject {
public:
    EditLock(ParamBox *box, std::function<bool()> locked, std::function<void()> away)
        : QObject(box), m_locked(std::move(locked)), m_away(std::move(away))
    {
        box->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // Installed on its parent box only.
        const QEvent::Type type = event->type();
        if (!m_locked())
            return false;
        if (type == QEvent::FocusIn) {
            m_away();
        } else if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick) {
            static_cast<QLineEdit *>(parent())->deselect();
            m_away();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<bool()> m_locked;
    std::function<void()> m_away;
};

} // namespace

template <>
std::unique_ptr<LabWindow> CreateLabWindow<Lab7>()
{
    return std::make_unique<Lab7Window>();
}

Lab7Window::Lab7Window()
    : LabWindow(Lab7::kFrame)
{
    for (auto [row, range, meter] : {std::tuple{&m_command4, &m_a1Range, &m_meterA1},
                                     std::tuple{&m_command6, &m_a2Range, &m_meterA2}}) {
        row->setColours(kSelectedRange, OtherRangeColour());
        connect(row, &RangeRow::chosen, this, [range, meter](int i) {
            *range = kRanges[std::size_t(i)];
            meter->setRange(*range);
        });
        connect(row, &RangeRow::helpRequested, this, [this](const QString &key, Qt::MouseButton b) {
            ContextHelp(key, b);
        });
    }
    for (Switcher *k : {&m_knob1, &m_knob2, &m_selector})
        connect(k, &Switcher::mouseDown, this,
                [this, k](Qt::MouseButton b, Qt::KeyboardModifiers m) { KnobMouseDown(*k, b, m); });
    connect(&m_selector, &Switcher::clicked, this, &Lab7Window::Picture9_Click);
    connect(&m_selector, &Switcher::doubleClicked, this, &Lab7Window::Picture9_Click);
}

Lab7Window::~Lab7Window() = default;

void Lab7Window::BuildControls(QWidget *client)
{
    c = Controls{};
    const auto help = [this](QWidget *control, const char *key, PressHelp::Pass pass) {
        connect(PressHelp::Install(control, QLatin1String(key), pass), &PressHelp::helpRequested, this,
                [this](const QString &k, Qt::MouseButton b) { ContextHelp(k, b); });
    };

    // Parameter panel.
    c.Frame1 = MakeFrame(client, QStringLiteral("Frame1"), {120, 120, 2775, 3615}, kPanelFont);
    const std::array<const char *, 5> rowNames{"Label1", "Label3", "Label6", "Label9", "Label11"};
    const std::array<QString, 5> rowTexts{QStringLiteral("E  = "), QStringLiteral("R  = "), QStringLiteral("R  = "),
                                          QStringLiteral("\u0421  = "), QStringLiteral("L  = ")};
    const std::array<const char *, 5> unitNames{"Label2", "Label4", "Label7", "Label10", "Label12"};
    for (int row = 0; row < 5; ++row) {
        const double top = 480 + 600 * row;
        // Right-aligned, so the subscripts of the R rows fall between the
        // letter and the equals sign.
        MakeLabel(c.Frame1, QString::fromLatin1(rowNames[std::size_t(row)]), {120, top, 615, 375},
                  rowTexts[std::size_t(row)], kPanelFont, true)
            ->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        MakeLabel(c.Frame1, QString::fromLatin1(unitNames[std::size_t(row)]), {2040, top, 615, 375}, QString(),
                  kPanelFont, true);
        ParamBox *box = MakeParamBox(c.Frame1, ArrayName(QStringLiteral("Text1"), row), {840, top, 1095, 375},
                                     kPanelFont);
        new EditLock(box, [this] { return EditingLocked(); }, [this] {
            if (c.Picture1)
                c.Picture1->setFocus(Qt::OtherFocusReason);
        });
        connect(box, &QLineEdit::textChanged, this, [this, row] { Text1_Change(row); });
        c.Text1[std::size_t(row)] = box;
        static const std::array<const char *, 5> symbols{"E", "R1", "R2", "C", "L"};
        SpeakBox(box, QLatin1String(symbols[std::size_t(row)]),
                 c.Frame1->findChild<QLabel *>(QString::fromLatin1(unitNames[std::size_t(row)])));
    }
    MarkOverlay(MakeLabel(c.Frame1, QStringLiteral("Label5"), {435, 1200, 195, 255}, QStringLiteral("1"), kSmallFont, true));
    MarkOverlay(MakeLabel(c.Frame1, QStringLiteral("Label8"), {435, 1800, 195, 255}, QStringLiteral("2"), kSmallFont, true));

    // Ammeters with their range buttons.
    std::vector<RangeRow::Button> rangeButtons;
    const std::array<QString, 3> rangeCaptions{QStringLiteral("0,25"), QStringLiteral("0,5"), QStringLiteral("1")};
    for (int k = 0; k < 3; ++k)
        rangeButtons.push_back({QRectF(120 + 840 * k, 1800, 855, 375), rangeCaptions[std::size_t(k)]});
    c.Picture3 = MakePicture(client, QStringLiteral("Picture3"), {3000, 120, 2895, 2535}, kMeterFont);
    c.Picture2 = MakePicture(client, QStringLiteral("Picture2"), {6000, 120, 2895, 2535}, kMeterFont);
    m_command4.Build(c.Picture3, QStringLiteral("Command4"), rangeButtons, kSmallFont, false);
    m_command6.Build(c.Picture2, QStringLiteral("Command6"), rangeButtons, kSmallFont, false);
    for (PictureBox *box : {c.Picture3.data(), c.Picture2.data()})
        HelpOnPress(box, QStringLiteral("oA"));

    // Circuit selector panel.
    c.Picture13 = MakePicture(client, QStringLiteral("Picture13"), {3000, 2880, 5415, 1335}, kPanelFont);
    c.Picture9 = MakePicture(c.Picture13, QStringLiteral("Picture9"), {720, 240, 855, 855}, kPanelFont);
    SetHelpKey(c.Picture9, QStringLiteral("oSS"));
    MakeLabel(c.Picture13, QStringLiteral("Label13"), {1680, 240, 3615, 735}, QString(), kPanelFont, true)
        ->setWordWrap(true);
    connect(c.Picture13.data(), &PictureBox::painting, this, [this](QPainter &p) {
        if (!c.Picture13 || !c.Picture9)
            return;
        DrawSelectorPanel(p, TwipsGeometry(c.Picture13).size(), TwipsGeometry(c.Picture9), c.Picture13->font(),
                          c.Picture13->font().pointSizeF(), this->client()->palette().color(QPalette::Window));
    });

    // Schematic and its click areas.
    c.Picture1 = MakePicture(client, QStringLiteral("Picture1"), {120, 4440, 8655, 5895}, kPanelFont);
    c.Picture1->setFocusPolicy(Qt::StrongFocus);
    m_command4.setFocusTarget(c.Picture1);
    m_command6.setFocusTarget(c.Picture1);
    connect(c.Picture1.data(), &PictureBox::painting, this, [this](QPainter &p) {
        DrawLab7Schematic(p, m_grid, m_model.SwitchState[Lab7Model::kCircuit], m_model.SwitchState[Lab7Model::kS1],
                          m_model.SwitchState[Lab7Model::kS2], c.Picture1->font(), c.Picture1->font().pointSizeF(),
                          this->client()->palette().color(QPalette::Window));
    });
    m_image1.Build(c.Picture1, kLab7ClickAreas, this,
                   [this](int k, Qt::MouseButton b, Qt::KeyboardModifiers m) { Image1_MouseDown(k, b, m); },
                   [this](int k) {
                       Hotspot h{QString::fromLatin1(Lab7ClickAreaKey(k)), QString::fromLatin1(Lab7ClickAreaLabel(k)), {}};
                       if (k == 0 || k == 1)
                           h.closed = m_model.SwitchState[k == 0 ? Lab7Model::kS1 : Lab7Model::kS2];
                       return h;
                   });

    // Oscilloscope, channel 1 (voltage) and channel 2 (current).
    for (int channel = 1; channel <= 2; ++channel) {
        const bool one = channel == 1;
        PictureBox *panel = MakePicture(client, one ? QStringLiteral("Picture5") : QStringLiteral("Picture11"),
                                        {9000, one ? 120.0 : 4200.0, 6135, 3855}, kScopeFont);
        PictureBox *screen = MakePicture(panel, one ? QStringLiteral("Picture6") : QStringLiteral("Picture12"),
                                         {120, 720, 4800, 3015}, kPanelFont);
        QPushButton *onOff = MakeButton(panel, one ? QStringLiteral("Command3") : QStringLiteral("Command5"),
                                        {360, 360, 495, 255}, QString(), kSmallFont);
        PictureBox *knob = MakePicture(panel, one ? QStringLiteral("Picture7") : QStringLiteral("Picture8"),
                                       {5280, 1560, 615, 615}, kPanelFont);
        SetHelpKey(knob, QStringLiteral("oSS"));
        PictureBox *sensitivity = one ? MakePicture(panel, QStringLiteral("Picture4"), {5400, 600, 375, 495}, kPanelFont)
                                      : MakePicture(panel, QStringLiteral("Picture10"), {5160, 600, 750, 495}, kPanelFont);
        QLabel *sensitivityLabel =
            one ? MakeLabel(panel, QStringLiteral("Label14"), {5235, 1200, 645, 285}, QString(), kSmallFont)
                : MakeLabel(panel, QStringLiteral("Label15"), {5160, 1200, 825, 285}, QString(), kSmallFont);
        PictureBox *timeBase = one ? MakePicture(panel, QStringLiteral("Picture14"), {5400, 2760, 375, 495}, kPanelFont)
                                   : MakePicture(panel, QStringLiteral("Picture15"), {5340, 2760, 375, 495}, kPanelFont);
        QLabel *timeLabel = one ? MakeLabel(panel, QStringLiteral("Label16"), {5340, 3360, 510, 285}, QString(),
                                            kSmallFont)
                                : MakeLabel(panel, QStringLiteral("Label17"), {5280, 3360, 510, 285}, QString(),
                                            kSmallFont);
        for (QLabel *l : {sensitivityLabel, timeLabel}) {
            l->setAlignment(Qt::AlignCenter);
            help(l, "oVV", PressHelp::Pass::Nothing);
        }
        help(onOff, "oVV", PressHelp::Pass::LeftButton);
        connect(onOff, &QPushButton::clicked, this, [this, channel] { ChannelClick(channel); });
        for (PictureBox *box : {panel, screen, sensitivity, timeBase})
            HelpOnPress(box, QStringLiteral("oVV"));
        Speech::Attach(screen, [this, channel] { return ScreenName(channel); },
                       [this, channel] { return ScreenSettings(channel); });
        Speech::Attach(onOff, [this, channel] {
            const auto entry = [this](int k) { return c.Combo1 ? c.Combo1->itemText(k) : QString(); };
            return QStringLiteral("%1: %2").arg(entry(channel == 1 ? 2 : 1), entry(0));
        });
        connect(panel, &PictureBox::painting, this, [this, panel, onOff, channel](QPainter &p) {
            const auto entry = [this](int k) { return c.Combo1 ? c.Combo1->itemText(k) : QString(); };
            DrawScopePanel(p, TwipsGeometry(panel).size(), TwipsGeometry(onOff), entry(0),
                           entry(channel == 1 ? 2 : 1), entry(channel == 1 ? 3 : 4), panel->font(),
                           panel->font().pointSizeF());
        });
        // The screen covers its box; its grid is drawn once per size.
        screen->setAttribute(Qt::WA_OpaquePaintEvent);
        connect(screen, &PictureBox::painting, this, [this, screen, channel](QPainter &p) {
            QPixmap &grid = m_screenGrid[std::size_t(channel - 1)];
            const qreal dpr = screen->devicePixelRatioF();
            if (grid.size() != screen->size() * dpr || grid.devicePixelRatio() != dpr) {
                grid = QPixmap(screen->size() * dpr);
                grid.setDevicePixelRatio(dpr);
                QPainter g(&grid);
                DrawScopeGrid(g, screen->width(), screen->height(), kScreenDivisions);
            }
            p.drawPixmap(0, 0, grid);
            const ScreenShows shows = ScreenNow(channel);
            if (shows.on)
                DrawScopeTrace(p, screen->width(), screen->height(), shows.trace, shows.gain);
        });
        c.scope[std::size_t(channel - 1)] = {panel, screen, onOff, knob, sensitivity, timeBase};
    }
    c.Command1 = MakeButton(client, QStringLiteral("Command1"), {9240, 8280, 1335, 495}, QString(), kPanelFont);
    connect(c.Command1.data(), &QPushButton::clicked, this, [this] { Command1_Click(); });

    c.Combo1 = new QComboBox(client);
    SetDesign(c.Combo1, QStringLiteral("Combo1"), 1080, 3840, 1335, 315);
    c.Combo1->hide();

    QLabel *note = MakeLabel(client, QStringLiteral("Label18"), {9000, 9000, 5895, 1455}, QString(), kNoteFont, true);
    note->setWordWrap(true);
    note->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void Lab7Window::FormLoad()
{
    // The window's own load steps: the circuit at rest with its defaults.
    m_drawUnit = float(c.Picture1->twipsWidth() / 80.0);
    m_model.ScopeVoltage = 0.0f;
    m_model.ScopeCurrent = 0.0f;
    m_model.SwitchTime = 0.0;
    for (int k = 0; k < 5; ++k) {
        m_model.ElementValues[std::size_t(k)] = kDefaults[std::size_t(k)];
        // Writing the text runs the change handler, which stores the value
        // plus the box's offset.
        c.Text1[std::size_t(k)]->setText(GeneralNumber(double(kDefaults[std::size_t(k)])));
    }

    m_a1Range = 1.0f;
    m_a2Range = 1.0f;
    SetUpMeter(m_meterA2, c.Picture2, Ammeter(QStringLiteral("A2"), m_a2Range));
    SetUpMeter(m_meterA1, c.Picture3, Ammeter(QStringLiteral("A1"), m_a1Range));

    const QString volts = QStringLiteral("V/div"), milliamps = QStringLiteral("mA/div");
    SetUpKnob(m_knob1, c.scope[0].knob,
              {QStringLiteral("channel 1 sensitivity"), 300, 30, 9, 9,
               [] { return tr("Channel 1 sensitivity selector"); },
               [volts](int p) { return QStringLiteral("%1 %2").arg(p).arg(SpokenUnit(volts, SpokenLanguage())); }});
    SetUpKnob(m_knob2, c.scope[1].knob,
              {QStringLiteral("channel 2 sensitivity"), 300, 30, 9, 9,
               [] { return tr("Channel 2 sensitivity selector"); },
               [milliamps](int p) {
                   return QStringLiteral("%1 %2").arg(10 * p).arg(SpokenUnit(milliamps, SpokenLanguage()));
               }});
    SetUpKnob(m_selector, c.Picture9,
              {QStringLiteral("circuit"), 220, 140, 3, 1, [] { return tr("Circuit selector"); }, [](int p) {
                   static const std::array<const char *, 3> circuits{"C", "L", "LC"};
                   return tr("circuit %1").arg(QLatin1String(circuits[std::size_t(std::clamp(p, 1, 3) - 1)]));
               }});

    // Dark until their channel is switched on.
    const QString perDivision = QStringLiteral("%1/div");
    const QString ms = perDivision.arg(QStringLiteral("ms"));
    SetUpIndicator(m_voltsPerDivision, c.scope[0].sensitivity,
                   {QStringLiteral("channel 1 V/div"), 1, 9, false, perDivision.arg(QStringLiteral("V")),
                    [] { return tr("Channel 1 sensitivity"); }});
    SetUpIndicator(m_milliampsPerDivision, c.scope[1].sensitivity,
                   {QStringLiteral("channel 2 mA/div"), 2, 90, false, perDivision.arg(QStringLiteral("mA")),
                    [] { return tr("Channel 2 sensitivity"); }});
    SetUpIndicator(m_timeBase1, c.scope[0].timeBase,
                   {QStringLiteral("channel 1 ms/div"), 1, 2, false, ms, [] { return tr("Channel 1 time base"); }});
    SetUpIndicator(m_timeBase2, c.scope[1].timeBase,
                   {QStringLiteral("channel 2 ms/div"), 1, 2, false, ms, [] { return tr("Channel 2 time base"); }});

    m_model.SwitchState = {std::int16_t(face::RoundHalfEven(m_selector.Value())), 0, 0};
    // The window is painted whole when it shows.
    m_schematicShown = m_model.SwitchState;
    m_screenShown = {};
    c.Picture9->setEnabled(true);

    m_command4.Highlight(2);
    m_command6.Highlight(2);
    for (const Controls::Channel &ch : c.scope)
        SetButtonOn(ch.onOff, false);
    m_scope.ChannelOn = {0, 0, 0};
    m_model.RecalcPending = true;
    m_scope.SampleStep = 1;
    // The pause survives a reload; its button shows it.
    SetButtonColour(c.Command1, m_scope.Paused ? kPausedColour : ButtonFaceColour());
    SetButtonOn(c.Command1, m_scope.Paused);
    LayoutClickAreas();
    LockBoxes();
}

void Lab7Window::LockBoxes()
{
    const bool locked = EditingLocked();
    for (ParamBox *box : c.Text1)
        if (box)
            box->setFocusPolicy(locked ? Qt::NoFocus : Qt::StrongFocus);
}

QString Lab7Window::ScreenName(int channel) const
{
    const auto entry = [this](int k) { return c.Combo1 ? c.Combo1->itemText(k) : QString(); };
    return QStringLiteral("%1: %2").arg(entry(channel == 1 ? 2 : 1), entry(channel == 1 ? 3 : 4));
}

QString Lab7Window::ScreenSettings(int channel) const
{
    if (m_scope.ChannelOn[std::size_t(channel)] == 0)
        return tr("switched off");
    const Language language = SpokenLanguage();
    const bool v = channel == 1;
    const double sensitivity = v ? m_voltsPerDivision.Value() : m_milliampsPerDivision.Value();
    const QString unit = SpokenUnit(v ? QStringLiteral("V/div") : QStringLiteral("mA/div"), language);
    const Znak &timeBase = v ? m_timeBase1 : m_timeBase2;
    QString s = tr("switched on, %1 %2, time base %3 %4")
                    .arg(SpokenNumber(sensitivity, 0, language), unit, SpokenNumber(timeBase.Value(), 0, language),
                         SpokenUnit(QStringLiteral("ms/div"), language));
    if (m_scope.Paused)
        s += tr(", paused");
    return s;
}

void Lab7Window::LanguageChanged()
{
    // The panel texts are entries of the hidden list, refilled by the loader.
    for (const Controls::Channel &ch : c.scope)
        if (ch.panel)
            ch.panel->update();
}

void Lab7Window::LayoutClickAreas()
{
    if (!c.Picture1)
        return;
    m_grid = Lab7GridFor(c.Picture1->twipsWidth(), c.Picture1->twipsHeight(), m_drawUnit);
    m_image1.Place(Lab7ClickAreas(m_model.SwitchState[Lab7Model::kCircuit], m_grid));
}

void Lab7Window::Timer1_Timer()
{
    if (!isLoaded())
        return;
    Clock &clock = appClock();
    // Recompute if asked (taking the selector's position), evaluate the
    // transient now, and derive the meter targets.
    m_tickTime = clock.now();
    if (m_model.Tick(m_tickTime, std::int16_t(face::RoundHalfEven(m_selector.Value())))) {
        LayoutClickAreas();
        // A switch's click has redrawn its blade already; a new circuit
        // is drawn here.
        if (m_model.SwitchState != m_schematicShown)
            RedrawSchematic();
    }
    // Sweep step and sample (the screen paint only draws what was recorded
    // here), then the readouts; a screen is repainted when what it shows
    // has changed: a sample that moved its trace, its channel, its scale.
    m_scope.OnTick(clock, m_model);
    m_voltsPerDivision.setValue(m_knob1.Value());
    m_milliampsPerDivision.setValue(double(m_knob2.Value()) * 10.0);
    for (int channel = 1; channel <= 2; ++channel) {
        ScreenShows &shown = m_screenShown[std::size_t(channel - 1)];
        const ScreenShows now = ScreenNow(channel);
        if (SameScreen(now, shown))
            continue;
        shown = now;
        if (QWidget *screen = c.scope[std::size_t(channel - 1)].screen)
            screen->update();
    }
    // Pointers a fifth of the way to their targets, or onto them once there.
    const std::array<double, 2> t = PointerTargets();
    m_meterA1.StepTowards(t[0]);
    m_meterA2.StepTowards(t[1]);
}

std::array<double, 2> Lab7Window::PointerTargets() const
{
    return {ScaleDivisions(m_model.MeterTarget1, 100.0, m_a1Range),
            ScaleDivisions(m_model.MeterTarget2, 100.0, m_a2Range)};
}

bool Lab7Window::AtRest()
{
    // The indicators and the screens take what the tick gave them, which
    // only input changes from here on.
    const std::array<double, 2> t = PointerTargets();
    return !m_model.RecalcPending && m_model.Settled(m_tickTime) && m_scope.Steady(m_model) &&
           m_meterA1.AtTarget(t[0]) && m_meterA2.AtTarget(t[1]);
}

void Lab7Window::CatchUp(double time)
{
    m_scope.CatchUp(time, m_model);
}

void Lab7Window::FormUnload()
{
    m_screenGrid = {};
}

std::vector<CalcSetting> Lab7Window::Settings() const
{
    Lab7Model now = m_model;
    now.SwitchState[Lab7Model::kCircuit] = std::int16_t(face::RoundHalfEven(m_selector.Value()));
    return CalcSettings(now);
}

std::optional<ScopeTraces> Lab7Window::ScopeData() const
{
    ScopeTraces t;
    // Ten samples to a division of 2 ms.
    for (int k = 0; k < ScopeRecorder::kSamples; ++k)
        t.timeMs.push_back(k / 5.0);
    if (m_scope.ChannelOn[1])
        t.channels.push_back({QStringLiteral("u"), QStringLiteral("V"),
                              std::vector<float>(m_scope.VoltageTrace.begin(), m_scope.VoltageTrace.end())});
    if (m_scope.ChannelOn[2]) {
        // The trace holds amperes; the channel reads in milliamperes.
        ScopeChannel i{QStringLiteral("i"), QStringLiteral("mA"), {}};
        for (float a : m_scope.CurrentTrace)
            i.samples.push_back(a * 1000.0f);
        t.channels.push_back(std::move(i));
    }
    return t;
}

void Lab7Window::RedrawSchematic()
{
    m_schematicShown = m_model.SwitchState;
    if (c.Picture1)
        c.Picture1->update();
    m_image1.NoteChanges();
}

Lab7Window::ScreenShows Lab7Window::ScreenNow(int channel) const
{
    ScreenShows s;
    s.on = m_scope.ChannelOn[std::size_t(channel)] != 0;
    if (!s.on)
        return s;
    const bool v = channel == 1;
    s.gain = ScreenGain(channel, v ? m_voltsPerDivision.Value() : m_milliampsPerDivision.Value());
    s.trace = v ? m_scope.VoltageTrace : m_scope.CurrentTrace;
    return s;
}

bool Lab7Window::SameScreen(const ScreenShows &a, const ScreenShows &b)
{
    // Compared as stored, so a sample that is not a number still compares
    // equal to itself.
    return a.on == b.on && std::memcmp(&a.gain, &b.gain, sizeof a.gain) == 0 &&
           std::memcmp(a.trace.data(), b.trace.data(), sizeof a.trace) == 0;
}

void Lab7Window::FocusSchematic()
{
    FocusAfterClick(c.Picture1);
}

void Lab7Window::Image1_MouseDown(int index, Qt::MouseButton button, Qt::KeyboardModifiers)
{
    ContextHelp(QString::fromLatin1(Lab7ClickAreaKey(index)), button);
    if (button != Qt::LeftButton || (index != 0 && index != 1))
        return;
    m_model.ToggleSwitch(index == 0 ? Lab7Model::kS1 : Lab7Model::kS2, appClock().now());
    m_schematicShown = m_model.SwitchState;
    if (c.Picture1)
        c.Picture1->repaint();
    m_scope.NoteSwitch();
    // The circuit can be changed only while both switches are open.
    if (c.Picture9)
        c.Picture9->setEnabled(!m_model.anySwitchClosed());
    LockBoxes();
    FocusSchematic();
}

void Lab7Window::Picture9_Click()
{
    m_model.SelectorTurned();
}

void Lab7Window::KnobMouseDown(Switcher &knob, Qt::MouseButton button, Qt::KeyboardModifiers modifiers)
{
    // A right click turns the knob; help pops up only where it cannot turn
    // any further (the last position) or with Shift alone.
    ContextHelp(QStringLiteral("oSS"), button, knob::HelpPopupAllowed(modifiers, knob.Value(), float(knob.Polojenii())));
}

void Lab7Window::ChannelClick(int channel)
{
    const bool v = channel == 1;
    const Controls::Channel &ch = c.scope[std::size_t(channel - 1)];
    QPushButton *button = ch.onOff;
    Znak &sensitivity = v ? m_voltsPerDivision : m_milliampsPerDivision;
    Znak &timeBase = v ? m_timeBase1 : m_timeBase2;
    const bool on = m_scope.ChannelOn[std::size_t(channel)] == 0;
    SetButtonColour(button, on ? kChannelOn : ActiveBorderColour());
    SetButtonOn(button, on);
    m_scope.SetChannel(channel, on);
    sensitivity.setEnable(on);
    timeBase.setEnable(on);
    if (ch.screen)
        ch.screen->update();
    TellDescription(ch.screen);
    FocusSchematic();
}

void Lab7Window::Command3_Click()
{
    ChannelClick(1);
}

void Lab7Window::Command5_Click()
{
    ChannelClick(2);
}

void Lab7Window::Command1_Click()
{
    m_scope.TogglePause();
    SetButtonColour(c.Command1, m_scope.Paused ? kPausedColour : ButtonFaceColour());
    SetButtonOn(c.Command1, m_scope.Paused);
}

void Lab7Window::Text1_Change(int index)
{
    if (index < 0 || index > 4 || !c.Text1[std::size_t(index)])
        return;
    ParamBox *box = c.Text1[std::size_t(index)];
    float &stored = m_model.ElementValues[std::size_t(index)];
    const EntryResult r = ApplyEntryRule(box->text(), stored, kLab7EntryRule);
    stored = r.value;
    if (r.recalc)
        m_model.RecalcPending = true;
    if (r.rewrite)
        box->setText(*r.rewrite);
}

} // namespace ohmaris
