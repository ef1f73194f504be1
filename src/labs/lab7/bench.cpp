// The lab 7 bench window Form7.
#include "labs/lab7/bench.h"

#include "calc/clock.h"
#include "calc/entry.h"
#include "instruments/face.h"
#include "labs/lab7/bench_draw.h"
#include "shell/controls.h"
#include "shell/picturebox.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

namespace ohmaris {

namespace {

const QString kSerif = QStringLiteral("Times New Roman");
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

// System colour 10, the active window border.
QColor ActiveBorder()
{
    return QColor(180, 180, 180);
}

QRectF TwipsGeometry(const QWidget *w)
{
    const QRect g = w->geometry();
    return {g.x() * kTwipsPerPixel, g.y() * kTwipsPerPixel, g.width() * kTwipsPerPixel, g.height() * kTwipsPerPixel};
}

PictureBox *MakeBox(QWidget *parent, const QString &name, double l, double t, double w, double h,
                    double points = kPanelFont)
{
    return PlaceControl<PictureBox>(parent, name, {l, t, w, h}, kSerif, points);
}

QLabel *MakeLabel(QWidget *parent, const QString &name, double l, double t, double w, double h,
                  const QString &text, double points, bool bold = false)
{
    auto *label = PlaceControl<QLabel>(parent, name, {l, t, w, h}, kSerif, points, bold);
    label->setText(text);
    return label;
}

QPushButton *MakeButton(QWidget *parent, const QString &name, double l, double t, double w, double h,
                        const QString &text, double points)
{
    auto *b = PlaceControl<QPushButton>(parent, name, {l, t, w, h}, kSerif, points);
    b->setText(text);
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

} // namespace

Lab7Window::Lab7Window()
    : LabWindow(LabSetup(7))
{
}

Lab7Window::~Lab7Window() = default;

void Lab7Window::BuildControls(QWidget *client)
{
    c = Controls{};

    // Parameter panel.
    c.Frame1 = new QGroupBox(client);
    SetDesign(c.Frame1, QStringLiteral("Frame1"), 120, 120, 2775, 3615);
    SetDesignFont(c.Frame1, kSerif, kPanelFont, true);
    const std::array<const char *, 5> rowNames{"Label1", "Label3", "Label6", "Label9", "Label11"};
    const std::array<QString, 5> rowTexts{QStringLiteral("E  = "), QStringLiteral("R  = "), QStringLiteral("R  = "),
                                          QStringLiteral("\u0421  = "), QStringLiteral("L  = ")};
    const std::array<const char *, 5> unitNames{"Label2", "Label4", "Label7", "Label10", "Label12"};
    for (int row = 0; row < 5; ++row) {
        const double top = 480 + 600 * row;
        // Right-aligned, so the subscripts of the R rows fall between the
        // letter and the equals sign.
        MakeLabel(c.Frame1, QString::fromLatin1(rowNames[std::size_t(row)]), 120, top, 615, 375,
                  rowTexts[std::size_t(row)], kPanelFont, true)
            ->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        MakeLabel(c.Frame1, QString::fromLatin1(unitNames[std::size_t(row)]), 2040, top, 615, 375, QString(),
                  kPanelFont, true);
        auto *box = new ParamBox(c.Frame1);
        SetDesign(box, ArrayName(QStringLiteral("Text1"), row), 840, top, 1095, 375);
        SetDesignFont(box, kSerif, kPanelFont);
        box->installEventFilter(this);
        connect(box, &QLineEdit::textChanged, this, [this, row] { Text1_Change(row); });
        c.Text1[std::size_t(row)] = box;
    }
    MarkOverlay(MakeLabel(c.Frame1, QStringLiteral("Label5"), 435, 1200, 195, 255, QStringLiteral("1"), kSmallFont, true));
    MarkOverlay(MakeLabel(c.Frame1, QStringLiteral("Label8"), 435, 1800, 195, 255, QStringLiteral("2"), kSmallFont, true));

    // Ammeters with their range buttons.
    const std::array<QString, 3> rangeCaptions{QStringLiteral("0,25"), QStringLiteral("0,5"), QStringLiteral("1")};
    c.Picture3 = MakeBox(client, QStringLiteral("Picture3"), 3000, 120, 2895, 2535, kMeterFont);
    c.Picture2 = MakeBox(client, QStringLiteral("Picture2"), 6000, 120, 2895, 2535, kMeterFont);
    for (int k = 0; k < 3; ++k) {
        c.Command4[std::size_t(k)] = MakeButton(c.Picture3, ArrayName(QStringLiteral("Command4"), k),
                                                120 + 840 * k, 1800, 855, 375, rangeCaptions[std::size_t(k)], kSmallFont);
        c.Command6[std::size_t(k)] = MakeButton(c.Picture2, ArrayName(QStringLiteral("Command6"), k),
                                                120 + 840 * k, 1800, 855, 375, rangeCaptions[std::size_t(k)], kSmallFont);
        connect(c.Command4[std::size_t(k)], &QPushButton::clicked, this, [this, k] { Command4_Click(k); });
        connect(c.Command6[std::size_t(k)], &QPushButton::clicked, this, [this, k] { Command6_Click(k); });
        c.Command4[std::size_t(k)]->installEventFilter(this);
        c.Command6[std::size_t(k)]->installEventFilter(this);
    }
    c.Picture3->onMouseDown = [this](Qt::MouseButton b, Qt::KeyboardModifiers, QPointF) {
        ContextHelp(QStringLiteral("oA"), b);
    };
    c.Picture2->onMouseDown = c.Picture3->onMouseDown;

    // Circuit selector panel.
    c.Picture13 = MakeBox(client, QStringLiteral("Picture13"), 3000, 2880, 5415, 1335);
    c.Picture9 = MakeBox(c.Picture13, QStringLiteral("Picture9"), 720, 240, 855, 855);
    auto *label13 = MakeLabel(c.Picture13, QStringLiteral("Label13"), 1680, 240, 3615, 735, QString(), kPanelFont, true);
    label13->setWordWrap(true);
    c.Picture13->onPaint = [this](QPainter &p) {
        if (!c.Picture13 || !c.Picture9)
            return;
        DrawSelectorPanel(p, TwipsGeometry(c.Picture13).size(), TwipsGeometry(c.Picture9), c.Picture13->font(),
                          c.Picture13->font().pointSizeF(), this->client()->palette().color(QPalette::Window));
    };

    // Schematic and its click areas.
    c.Picture1 = MakeBox(client, QStringLiteral("Picture1"), 120, 4440, 8655, 5895);
    c.Picture1->setFocusPolicy(Qt::StrongFocus);
    c.Picture1->onPaint = [this](QPainter &p) {
        DrawLab7Schematic(p, m_grid, model.SwitchState[Lab7Model::kCircuit], model.SwitchState[Lab7Model::kS1],
                          model.SwitchState[Lab7Model::kS2], c.Picture1->font(), c.Picture1->font().pointSizeF(),
                          this->client()->palette().color(QPalette::Window));
    };
    for (int k = 0; k < kLab7ClickAreas; ++k) {
        auto *area = new ClickArea(c.Picture1);
        area->setObjectName(ArrayName(QStringLiteral("Image1"), k));
        area->onMouseDown = [this, k](Qt::MouseButton b, Qt::KeyboardModifiers m) { Image1_MouseDown(k, b, m); };
        c.Image1[std::size_t(k)] = area;
    }

    // Oscilloscope, channel 1 (voltage) and channel 2 (current).
    const auto scopeHelp = [this](Qt::MouseButton b, Qt::KeyboardModifiers, QPointF) {
        ContextHelp(QStringLiteral("oVV"), b);
    };
    for (int channel = 1; channel <= 2; ++channel) {
        const bool one = channel == 1;
        PictureBox *panel = MakeBox(client, one ? QStringLiteral("Picture5") : QStringLiteral("Picture11"), 9000,
                                    one ? 120 : 4200, 6135, 3855, kScopeFont);
        PictureBox *screen = MakeBox(panel, one ? QStringLiteral("Picture6") : QStringLiteral("Picture12"), 120, 720,
                                     4800, 3015);
        QPushButton *onOff = MakeButton(panel, one ? QStringLiteral("Command3") : QStringLiteral("Command5"), 360, 360,
                                        495, 255, QString(), kSmallFont);
        PictureBox *knob = MakeBox(panel, one ? QStringLiteral("Picture7") : QStringLiteral("Picture8"), 5280, 1560,
                                   615, 615);
        PictureBox *sensitivity = one ? MakeBox(panel, QStringLiteral("Picture4"), 5400, 600, 375, 495)
                                      : MakeBox(panel, QStringLiteral("Picture10"), 5160, 600, 750, 495);
        QLabel *sensitivityLabel = one ? MakeLabel(panel, QStringLiteral("Label14"), 5235, 1200, 645, 285, QString(),
                                                   kSmallFont)
                                       : MakeLabel(panel, QStringLiteral("Label15"), 5160, 1200, 825, 285, QString(),
                                                   kSmallFont);
        PictureBox *timeBase = one ? MakeBox(panel, QStringLiteral("Picture14"), 5400, 2760, 375, 495)
                                   : MakeBox(panel, QStringLiteral("Picture15"), 5340, 2760, 375, 495);
        QLabel *timeLabel = one ? MakeLabel(panel, QStringLiteral("Label16"), 5340, 3360, 510, 285, QString(),
                                            kSmallFont)
                                : MakeLabel(panel, QStringLiteral("Label17"), 5280, 3360, 510, 285, QString(),
                                            kSmallFont);
        for (QLabel *l : {sensitivityLabel, timeLabel}) {
            l->setAlignment(Qt::AlignCenter);
            l->installEventFilter(this);
        }
        c.scopeLabels[std::size_t(one ? 0 : 1)] = sensitivityLabel;
        c.scopeLabels[std::size_t(one ? 2 : 3)] = timeLabel;
        onOff->installEventFilter(this);
        connect(onOff, &QPushButton::clicked, this, [this, channel] { ChannelClick(channel); });
        for (PictureBox *box : {panel, screen, sensitivity, timeBase})
            box->onMouseDown = scopeHelp;
        panel->onPaint = [this, panel, onOff, channel](QPainter &p) {
            const auto entry = [this](int k) { return c.Combo1 ? c.Combo1->itemText(k) : QString(); };
            DrawScopePanel(p, TwipsGeometry(panel).size(), TwipsGeometry(onOff), entry(0),
                           entry(channel == 1 ? 2 : 1), entry(channel == 1 ? 3 : 4), panel->font(),
                           panel->font().pointSizeF());
        };
        screen->onPaint = [this, screen, channel](QPainter &p) {
            const bool v = channel == 1;
            const double indicator = v ? voltsPerDivision.Value() : milliampsPerDivision.Value();
            DrawScopeScreen(p, screen->width(), screen->height(), v ? scope.VoltageTrace : scope.CurrentTrace,
                            ScreenGain(channel, indicator), scope.ChannelOn[std::size_t(channel)] != 0);
        };
        if (one) {
            c.Picture5 = panel;
            c.Picture6 = screen;
            c.Command3 = onOff;
            c.Picture7 = knob;
            c.Picture4 = sensitivity;
            c.Picture14 = timeBase;
        } else {
            c.Picture11 = panel;
            c.Picture12 = screen;
            c.Command5 = onOff;
            c.Picture8 = knob;
            c.Picture10 = sensitivity;
            c.Picture15 = timeBase;
        }
    }
    c.Command1 = MakeButton(client, QStringLiteral("Command1"), 9240, 8280, 1335, 495, QString(), kPanelFont);
    connect(c.Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });

    c.Combo1 = new QComboBox(client);
    SetDesign(c.Combo1, QStringLiteral("Combo1"), 1080, 3840, 1335, 315);
    c.Combo1->hide();

    auto *note = MakeLabel(client, QStringLiteral("Label18"), 9000, 9000, 5895, 1455, QString(), kNoteFont, true);
    note->setWordWrap(true);
    note->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void Lab7Window::FormLoad()
{
    // The window's own load steps: the circuit at rest with its defaults.
    DrawUnit = float(c.Picture1->twipsWidth() / 80.0);
    model.ScopeVoltage = 0.0f;
    model.ScopeCurrent = 0.0f;
    model.SwitchTime = 0.0;
    for (int k = 0; k < 5; ++k) {
        model.ElementValues[std::size_t(k)] = kDefaults[std::size_t(k)];
        // Writing the text runs the change handler, which stores the value
        // plus the box's offset.
        c.Text1[std::size_t(k)]->setText(GeneralNumber(double(kDefaults[std::size_t(k)])));
    }

    const auto setUpMeter = [](Pribor &m, PictureBox *box, const QString &caption) {
        m.setPicCtl(box);
        m.setMax(100);
        m.setMin(0);
        m.setBigchange(10);
        m.setSmallchange(2);
        m.setCaption(caption);
        m.setKlassT(1);
        m.setShcala(1);
        m.setTok(1);
        m.setSystema(1);
        m.setValue(0);
    };
    setUpMeter(meterA2, c.Picture2, QStringLiteral("A2"));
    setUpMeter(meterA1, c.Picture3, QStringLiteral("A1"));

    const auto setUpKnob = [this](Switcher &k, PictureBox *box, float max, float min, int positions, float value) {
        k.setPicCtl(box);
        k.setMax(max);
        k.setMin(min);
        k.setPolojenii(positions);
        k.setValue(value);
        k.onMouseDown = [this, &k](Qt::MouseButton b, Qt::KeyboardModifiers m) { KnobMouseDown(k, b, m); };
    };
    setUpKnob(knob1, c.Picture7, 30, 300, 9, 9);
    setUpKnob(knob2, c.Picture8, 30, 300, 9, 9);
    setUpKnob(selector, c.Picture9, 140, 220, 3, 1);
    selector.onClick = [this] { Picture9_Click(); };
    selector.onDblClick = [this] { Picture9_Click(); };

    const auto setUpIndicator = [](Znak &z, PictureBox *box, int digits, double value) {
        z.setPicCtl(box);
        z.setDigits(digits);
        z.setValue(value);
        z.setEnable(false);
    };
    setUpIndicator(voltsPerDivision, c.Picture4, 1, 9);
    setUpIndicator(milliampsPerDivision, c.Picture10, 2, 90);
    setUpIndicator(timeBase1, c.Picture14, 1, 2);
    setUpIndicator(timeBase2, c.Picture15, 1, 2);

    model.SwitchState = {std::int16_t(face::RoundHalfEven(selector.Value())), 0, 0};
    c.Picture9->setEnabled(true);

    A1Range = 1.0f;
    A2Range = 1.0f;
    SetButtonColour(c.Command4[2], kSelectedRange);
    SetButtonColour(c.Command6[2], kSelectedRange);
    scope.ChannelOn = {0, 0, 0};
    model.RecalcPending = true;
    scope.SampleStep = 1;
    // The pause survives a reload; its button shows it.
    SetButtonColour(c.Command1, scope.Paused ? kPausedColour : ButtonFaceColour());
    LayoutClickAreas();
}

void Lab7Window::FormUnload()
{
    c = Controls{};
}

void Lab7Window::LanguageChanged()
{
    // The panel texts are entries of the hidden list, refilled by the loader.
    if (c.Picture5)
        c.Picture5->update();
    if (c.Picture11)
        c.Picture11->update();
}

void Lab7Window::LayoutClickAreas()
{
    if (!c.Picture1)
        return;
    m_grid = Lab7GridFor(c.Picture1->twipsWidth(), c.Picture1->twipsHeight(), DrawUnit);
    const auto areas = Lab7ClickAreas(model.SwitchState[Lab7Model::kCircuit], m_grid);
    for (int k = 0; k < kLab7ClickAreas; ++k) {
        const QRectF &r = areas[std::size_t(k)];
        c.Image1[std::size_t(k)]->setGeometry(QRectF(r.left() / kTwipsPerPixel, r.top() / kTwipsPerPixel,
                                                     r.width() / kTwipsPerPixel, r.height() / kTwipsPerPixel)
                                                  .toRect());
        c.Image1[std::size_t(k)]->raise();
    }
}

void Lab7Window::Timer1_Timer()
{
    if (!isLoaded())
        return;
    Clock &clock = appClock();
    // Recompute if asked (taking the selector's position), evaluate the
    // transient now, and derive the meter targets.
    if (model.Tick(clock.now(), std::int16_t(face::RoundHalfEven(selector.Value())))) {
        LayoutClickAreas();
        c.Picture1->update();
    }
    // Sweep step from two readings of the clock, the readouts, and the
    // sample (the screen paint only draws what was recorded here).
    const double t1 = clock.now();
    const double t2 = clock.now();
    scope.UpdateSweep(t1, t2);
    voltsPerDivision.setValue(knob1.Value());
    milliampsPerDivision.setValue(double(knob2.Value()) * 10.0);
    scope.Record(model);
    c.Picture6->update();
    c.Picture12->update();
    // Pointers a fifth of the way to their targets.
    meterA1.setValue(DriveMeter(meterA1.Value(), model.MeterTarget1, A1Range));
    meterA2.setValue(DriveMeter(meterA2.Value(), model.MeterTarget2, A2Range));
}

void Lab7Window::FocusSchematic()
{
    if (c.Picture1)
        c.Picture1->setFocus(Qt::OtherFocusReason);
}

void Lab7Window::Image1_MouseDown(int index, Qt::MouseButton button, Qt::KeyboardModifiers)
{
    ContextHelp(QString::fromLatin1(Lab7ClickAreaKey(index)), button);
    if (button != Qt::LeftButton || (index != 0 && index != 1))
        return;
    model.ToggleSwitch(index == 0 ? Lab7Model::kS1 : Lab7Model::kS2, appClock().now());
    if (c.Picture1)
        c.Picture1->repaint();
    scope.NoteSwitch();
    // The circuit can be changed only while both switches are open.
    if (c.Picture9)
        c.Picture9->setEnabled(!model.anySwitchClosed());
    FocusSchematic();
}

void Lab7Window::Picture9_Click()
{
    model.SelectorTurned();
}

void Lab7Window::KnobMouseDown(Switcher &knob, Qt::MouseButton button, Qt::KeyboardModifiers modifiers)
{
    // A right click turns the knob; help pops up only where it cannot turn
    // any further (the last position) or with Shift alone.
    ContextHelp(QStringLiteral("oSS"), button, knob::HelpPopupAllowed(modifiers, knob.Value(), float(knob.Polojenii())));
}

void Lab7Window::RangeClick(std::array<QPushButton *, 3> &buttons, float &range, int index)
{
    if (index < 0 || index > 2)
        return;
    HighlightRow(buttons, index, kSelectedRange, ActiveBorder());
    range = kRanges[std::size_t(index)];
    FocusSchematic();
}

void Lab7Window::Command4_Click(int index)
{
    RangeClick(c.Command4, A1Range, index);
}

void Lab7Window::Command6_Click(int index)
{
    RangeClick(c.Command6, A2Range, index);
}

void Lab7Window::ChannelClick(int channel)
{
    const bool v = channel == 1;
    QPushButton *button = v ? c.Command3 : c.Command5;
    Znak &sensitivity = v ? voltsPerDivision : milliampsPerDivision;
    Znak &timeBase = v ? timeBase1 : timeBase2;
    const bool on = scope.ChannelOn[std::size_t(channel)] == 0;
    SetButtonColour(button, on ? kChannelOn : ActiveBorder());
    scope.SetChannel(channel, on);
    sensitivity.setEnable(on);
    timeBase.setEnable(on);
    if (PictureBox *screen = v ? c.Picture6 : c.Picture12)
        screen->update();
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
    scope.TogglePause();
    SetButtonColour(c.Command1, scope.Paused ? kPausedColour : ButtonFaceColour());
}

void Lab7Window::Text1_Change(int index)
{
    if (index < 0 || index > 4 || !c.Text1[std::size_t(index)])
        return;
    ParamBox *box = c.Text1[std::size_t(index)];
    float &stored = model.ElementValues[std::size_t(index)];
    const EntryResult r = ApplyEntryRule(box->text(), stored, kLab7EntryRule);
    stored = r.value;
    if (r.recalc)
        model.RecalcPending = true;
    if (r.rewrite)
        box->setText(*r.rewrite);
}

bool Lab7Window::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    for (ParamBox *box : c.Text1) {
        if (watched != box)
            continue;
        if (type == QEvent::FocusIn && model.anySwitchClosed()) {
            // Values can only be edited with both switches open.
            FocusSchematic();
        } else if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick) {
            if (model.anySwitchClosed()) {
                box->deselect();
                FocusSchematic();
                return true;
            }
        }
        return false;
    }
    if (type != QEvent::MouseButtonPress)
        return LabWindow::eventFilter(watched, event);
    // Buttons and labels pass a press they do not use on to the panel below,
    // which would set its own key: the press stops here once handled.
    const Qt::MouseButton button = static_cast<QMouseEvent *>(event)->button();
    for (int k = 0; k < 3; ++k)
        if (watched == c.Command4[std::size_t(k)] || watched == c.Command6[std::size_t(k)]) {
            ContextHelp(QStringLiteral("oSSS"), button);
            return button != Qt::LeftButton;
        }
    if (watched == c.Command3 || watched == c.Command5) {
        ContextHelp(QStringLiteral("oVV"), button);
        return button != Qt::LeftButton;
    }
    for (QLabel *l : c.scopeLabels)
        if (watched == l) {
            ContextHelp(QStringLiteral("oVV"), button);
            return true;
        }
    return LabWindow::eventFilter(watched, event);
}

LabWindow *CreateLab7Window()
{
    return new Lab7Window();
}

} // namespace ohmaris
