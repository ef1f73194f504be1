// The lab 5 bench window Form4.
#include "labs/lab5/bench.h"

#include "calc/clock.h"
#include "calc/entry.h"
#include "labs/lab5/bench_draw.h"
#include "shell/controls.h"
#include "shell/picturebox.h"
#include "shell/schematic.h"

#include <QApplication>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

namespace ohmaris {

namespace {

const QString kSerif = QStringLiteral("Times New Roman");
constexpr double kSchematicFont = 12.0;
constexpr double kMeterFont = 9.75;
constexpr double kButtonFont = 9.75;
constexpr double kFrameFont = 12.0;
constexpr double kSubscriptFont = 9.0;

constexpr std::array<float, 4> kAmmeterRanges{0.5f, 1.0f, 2.5f, 5.0f};    // Command5(0..3)
constexpr std::array<float, 4> kVoltmeterRanges{50.0f, 150.0f, 300.0f, 450.0f}; // Command6(0..3)

const QColor kSelectedRange(255, 255, 255);

PictureBox *MakeBox(QWidget *parent, const QString &name, double l, double t, double w, double h, double points)
{
    return PlaceControl<PictureBox>(parent, name, {l, t, w, h}, kSerif, points);
}

QLabel *MakeLabel(QWidget *parent, const QString &name, double l, double t, double w, double h,
                  const QString &text, double points)
{
    auto *label = PlaceControl<QLabel>(parent, name, {l, t, w, h}, kSerif, points, true);
    label->setText(text);
    return label;
}

QPushButton *MakeButton(QWidget *parent, const QString &name, double l, double t, double w, double h,
                        const QString &text)
{
    auto *b = PlaceControl<QPushButton>(parent, name, {l, t, w, h}, kSerif, kButtonFont, true);
    b->setText(text);
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

ParamBox *MakeParamBox(QWidget *parent, const QString &name, double l, double t, double w, double h)
{
    return PlaceControl<ParamBox>(parent, name, {l, t, w, h}, kSerif, kFrameFont);
}

void ConfigureMeter(Pribor &m, PictureBox *box, const QString &caption, float max, float big, float small)
{
    m.setPicCtl(box);
    m.setCaption(caption);
    m.setMax(max);
    m.setMin(0);
    m.setBigchange(big);
    m.setSmallchange(small);
    m.setKlassT(1.5f);
    m.setShcala(1);
    m.setTok(2);
    m.setSystema(2);
    m.setValue(0);
}

float Approach(float value, float target)
{
    return float(double(value) + 0.2 * (double(target) - double(value)));
}

} // namespace

Lab5Window::Lab5Window()
    : LabWindow(LabSetup(5))
{
}

Lab5Window::~Lab5Window() = default;

void Lab5Window::BuildControls(QWidget *client)
{
    c = Controls{};

    m_k50 = std::make_unique<K50Panel>(
        client, [this](const QString &key, Qt::MouseButton b) { ContextHelp(key, b); });
    m_k50->SelectorClicked = [this] { model.RecalcPending = true; };

    // Ammeter A1 and voltmeter V1, each with four range buttons along its
    // bottom edge.
    c.Picture3 = MakeBox(client, QStringLiteral("Picture3"), 9000, 240, 3015, 2655, kMeterFont);
    c.Picture4 = MakeBox(client, QStringLiteral("Picture4"), 12120, 240, 3015, 2655, kMeterFont);
    const std::array<QString, 4> ampCaptions{QStringLiteral("0,5 A"), QStringLiteral("1 A"), QStringLiteral("2,5 A"),
                                             QStringLiteral("5 A")};
    const std::array<QString, 4> voltCaptions{QStringLiteral("50 В"), QStringLiteral("150 В"),
                                              QStringLiteral("300 В"), QStringLiteral("450 В")};
    for (int k = 0; k < 4; ++k) {
        const double left = 105 + 705 * k;
        c.Command5[std::size_t(k)] = MakeButton(c.Picture3, ArrayName(QStringLiteral("Command5"), k), left, 1800, 690,
                                                375, ampCaptions[std::size_t(k)]);
        c.Command6[std::size_t(k)] = MakeButton(c.Picture4, ArrayName(QStringLiteral("Command6"), k), left, 1800, 690,
                                                375, voltCaptions[std::size_t(k)]);
        connect(c.Command5[std::size_t(k)], &QPushButton::clicked, this, [this, k] { Command5_Click(k); });
        connect(c.Command6[std::size_t(k)], &QPushButton::clicked, this, [this, k] { Command6_Click(k); });
        c.Command5[std::size_t(k)]->installEventFilter(this);
        c.Command6[std::size_t(k)]->installEventFilter(this);
        // The default range (5 A, 450 V) carries the window colour at design.
        SetButtonColour(c.Command5[std::size_t(k)], k == 3 ? WindowBackColour() : ButtonFaceColour());
        SetButtonColour(c.Command6[std::size_t(k)], k == 3 ? WindowBackColour() : ButtonFaceColour());
    }
    c.Picture3->onMouseDown = [this](Qt::MouseButton b, Qt::KeyboardModifiers, QPointF) {
        ContextHelp(QStringLiteral("oA"), b);
    };
    c.Picture4->onMouseDown = [this](Qt::MouseButton b, Qt::KeyboardModifiers, QPointF) {
        ContextHelp(QStringLiteral("oV"), b);
    };

    // Line voltage.
    c.Frame1 = new QGroupBox(client);
    SetDesign(c.Frame1, QStringLiteral("Frame1"), 9120, 3120, 2775, 1095);
    SetDesignFont(c.Frame1, kSerif, kFrameFont, true);
    MakeLabel(c.Frame1, QStringLiteral("Label5"), 120, 480, 615, 375, QStringLiteral("U ="), kFrameFont);
    c.Text1 = MakeParamBox(c.Frame1, QStringLiteral("Text1"), 840, 480, 1215, 375);
    MakeLabel(c.Frame1, QStringLiteral("Label6"), 2160, 480, 495, 375, QString(), kFrameFont);
    connect(c.Text1, &QLineEdit::textChanged, this, [this] { Text1_Change(); });

    // Phases A, B, C: R, X_L, X_C top to bottom.
    const std::array<QString, 3> rowTexts{QStringLiteral("R   ="), QStringLiteral("X    ="), QStringLiteral("X    =")};
    for (int k = 0; k < 3; ++k) {
        auto *frame = new QGroupBox(client);
        SetDesign(frame, ArrayName(QStringLiteral("Frame2"), k), 12120, 3120 + 2160 * k, 2895, 1935);
        SetDesignFont(frame, kSerif, kFrameFont, true);
        c.Frame2[std::size_t(k)] = frame;
        for (int r = 0; r < 3; ++r) {
            const int i = 3 * k + r;
            const double top = 420 + 480 * r;
            MakeLabel(frame, ArrayName(QStringLiteral("Label7"), i), 120, top, 735, 375, rowTexts[std::size_t(r)],
                      kFrameFont);
            auto *box = MakeParamBox(frame, ArrayName(QStringLiteral("Text2"), i), 960, top, 1215, 375);
            connect(box, &QLineEdit::textChanged, this, [this, i] { Text2_Change(i); });
            c.Text2[std::size_t(i)] = box;
            MakeLabel(frame, ArrayName(QStringLiteral("Label8"), i), 2280, top, 495, 375, QString(), kFrameFont);
        }
        // Subscripts after the letters R and X, a little lower.
        const QString n = QString::number(k + 1);
        MarkOverlay(MakeLabel(frame, ArrayName(QStringLiteral("Label12"), k), 300, 420 + 120, 420, 255, n,
                              kSubscriptFont));
        MarkOverlay(MakeLabel(frame, ArrayName(QStringLiteral("Label10"), k), 300, 900 + 120, 420, 255,
                              QStringLiteral("L") + n, kSubscriptFont));
        MarkOverlay(MakeLabel(frame, ArrayName(QStringLiteral("Label11"), k), 300, 1380 + 120, 420, 255,
                              QStringLiteral("C") + n, kSubscriptFont));
    }

    // Schematic and its click areas.
    c.Picture1 = MakeBox(client, QStringLiteral("Picture1"), 240, 4440, 11655, 5895, kSchematicFont);
    c.Picture1->setFocusPolicy(Qt::StrongFocus);
    c.Picture1->onPaint = [this](QPainter &p) {
        BeginTwips(p);
        DrawLab5Schematic(p, m_grid, model.SwitchState, c.Picture1->font(), c.Picture1->font().pointSizeF(),
                          this->client()->palette().color(QPalette::Window));
    };
    for (int k = 0; k < kLab5ClickAreas; ++k) {
        auto *area = new ClickArea(c.Picture1);
        area->setObjectName(ArrayName(QStringLiteral("Image1"), k));
        area->onMouseDown = [this, k](Qt::MouseButton b, Qt::KeyboardModifiers) { Image1_MouseDown(k, b); };
        c.Image1[std::size_t(k)] = area;
    }
}

void Lab5Window::FormLoad()
{
    DrawUnit = float(c.Picture1->twipsWidth() / 90.0);
    LayoutClickAreas();

    // Writing a box runs its change handler: the stored values end as 380 V
    // and 120.01, 200.01, 50.01 ohms, and a recomputation is requested.
    c.Text1->setText(GeneralNumber(double(Lab5Model::kDefaultLineVoltage)));
    for (int i = 0; i < 9; ++i)
        c.Text2[std::size_t(i)]->setText(GeneralNumber(double(Lab5Model::kDefaultElements[std::size_t(i)])));
    model.ResetRanges(); // the K-50 panel starts at its own defaults

    ConfigureMeter(meterA1, c.Picture3, QStringLiteral("A1"), 100, 10, 2);
    ConfigureMeter(meterV1, c.Picture4, QStringLiteral("V1"), 150, 25, 5);
    // The K-50 panel was created with its load-time state: 5 A, 450 V,
    // power direction "+", phase A, pointers at 0.
}

void Lab5Window::FormUnload()
{
    m_k50.reset();
    c = Controls{};
}

void Lab5Window::LayoutClickAreas()
{
    if (!c.Picture1)
        return;
    m_grid = Lab5GridFor(c.Picture1->twipsWidth(), c.Picture1->twipsHeight(), double(DrawUnit));
    const auto areas = Lab5ClickAreas(m_grid);
    for (int k = 0; k < kLab5ClickAreas; ++k) {
        const QRectF &r = areas[std::size_t(k)];
        ClickArea *area = c.Image1[std::size_t(k)];
        area->setGeometry(QRectF(r.left() / kTwipsPerPixel, r.top() / kTwipsPerPixel, r.width() / kTwipsPerPixel,
                                 r.height() / kTwipsPerPixel)
                              .toRect());
        area->raise();
    }
}

void Lab5Window::Timer1_Timer()
{
    if (!isLoaded() || !m_k50)
        return;
    // The K-50 reads its phase selector when it moves its pointers; nothing
    // in the tick turns the selector, so that is the position the tick
    // began with.
    if (model.RecalcPending) {
        c.Picture1->update();
        model.ComputeCircuit(appClock().now());
    }
    UpdateInstruments();
}

void Lab5Window::UpdateInstruments()
{
    const Lab5Targets t = model.MeterTargets();
    meterA1.setValue(Approach(meterA1.Value(), t.ammeterA1));
    meterV1.setValue(Approach(meterV1.Value(), t.voltmeterV1));
    // The K-50 follows the panel's ranges and power direction on the phase
    // its selector stands at.
    m_k50->SetReadings(model.PhaseVoltage, model.PhaseCurrent, model.PhasePower);
    m_k50->Tick(true);

    if (model.ApplyProtection(appClock().now()) && c.Picture1)
        c.Picture1->update();
}

void Lab5Window::FocusSchematic()
{
    if (c.Picture1)
        c.Picture1->setFocus(Qt::OtherFocusReason);
}

void Lab5Window::Image1_MouseDown(int index, Qt::MouseButton button)
{
    ContextHelp(QString::fromLatin1(Lab5ClickAreaKey(index)), button);
    if (button != Qt::LeftButton || index < 0 || index >= Lab5Model::kSwitches)
        return;
    model.ToggleSwitch(index);
    if (c.Picture1)
        c.Picture1->update();
}

void Lab5Window::Text1_Change()
{
    if (!c.Text1)
        return;
    const EntryResult r = model.EnterLineVoltage(c.Text1->text());
    if (r.rewrite)
        c.Text1->setText(*r.rewrite);
}

void Lab5Window::Text2_Change(int index)
{
    if (index < 0 || index > 8 || !c.Text2[std::size_t(index)])
        return;
    ParamBox *box = c.Text2[std::size_t(index)];
    const EntryResult r = model.EnterElement(index, box->text());
    if (r.rewrite)
        box->setText(*r.rewrite);
}

void Lab5Window::RangeClick(std::array<QPushButton *, 4> &buttons, int index)
{
    HighlightRow(buttons, index, kSelectedRange);
    FocusSchematic();
}

void Lab5Window::Command5_Click(int index)
{
    if (index < 0 || index > 3)
        return;
    model.AmmeterRange = kAmmeterRanges[std::size_t(index)];
    RangeClick(c.Command5, index);
}

void Lab5Window::Command6_Click(int index)
{
    if (index < 0 || index > 3)
        return;
    model.VoltmeterRange = kVoltmeterRanges[std::size_t(index)];
    RangeClick(c.Command6, index);
}

bool Lab5Window::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick)
        return LabWindow::eventFilter(watched, event);
    const Qt::MouseButton button = static_cast<QMouseEvent *>(event)->button();
    for (int k = 0; k < 4; ++k)
        if (watched == c.Command5[std::size_t(k)] || watched == c.Command6[std::size_t(k)]) {
            ContextHelp(QStringLiteral("oSSS"), button);
            // Only the left button presses a range button.
            return button != Qt::LeftButton;
        }
    return LabWindow::eventFilter(watched, event);
}

LabWindow *CreateLab5Window()
{
    return new Lab5Window();
}

} // namespace ohmaris
