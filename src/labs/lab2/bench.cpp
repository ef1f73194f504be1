// Lab 2 bench: controls, load sequence, handlers and the timer tick.
#include "labs/lab2/bench.h"

#include "calc/clock.h"
#include "calc/entry.h"
#include "labs/lab2/benchpanels.h"
#include "labs/lab2/benchschematic.h"
#include "shell/controls.h"
#include "shell/picturebox.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <algorithm>
#include <cmath>

namespace ohmaris {

namespace {

const QString kSerif = QStringLiteral("Times New Roman");
constexpr double kSchematicFont = 12;
constexpr double kPanelFont = 12;
constexpr double kMeterFont = 9.75;
constexpr double kButtonFont = 9.75;

// Ranges of V1 and V2, `Command5`/`Command6` (0..3).
constexpr std::array<float, 4> kVoltmeterRanges{50.0f, 150.0f, 300.0f, 750.0f};

// The capacitance box: magnitude plus 0.0000001 uF, at most 1000000.
const EntryRule kCapacitanceRule{0.0000001, 1000000.0f, false};

// Help keys of `Image1`(0..7).
const std::array<QString, kLab2HotspotCount> kImageKeys{
    QStringLiteral("oSSSSS"), QStringLiteral("oS"), QStringLiteral("oAA"), QStringLiteral("oK"),
    QStringLiteral("oL"),     QStringLiteral("oC"), QStringLiteral("oV"),  QStringLiteral("oV")};

PictureBox *MakePicture(QWidget *parent, const QString &name, double l, double t, double w, double h,
                        double points, bool bold = false)
{
    return PlaceControl<PictureBox>(parent, name, {l, t, w, h}, kSerif, points, bold);
}

QLabel *MakeLabel(QWidget *parent, const QString &name, double l, double t, double w, double h,
                  const QString &caption, bool bold = true)
{
    auto *label = PlaceControl<QLabel>(parent, name, {l, t, w, h}, kSerif, kPanelFont, bold);
    label->setText(caption);
    return label;
}

// A unit label grows to its caption rather than cutting it (the Russian
// unit is wider than the box drawn for it).
void FitWidth(QLabel *label)
{
    if (label)
        label->resize(std::max(label->width(), label->sizeHint().width()), label->height());
}

void ConfigureVoltmeter(Pribor &m, PictureBox *box, const QString &caption)
{
    m.setPicCtl(box);
    m.setMax(150);
    m.setMin(0);
    m.setBigchange(25);
    m.setSmallchange(5);
    m.setCaption(caption);
    m.setKlassT(0.5f);
    m.setShcala(1);
    m.setTok(2);
    m.setSystema(2);
    m.setValue(0);
}

std::int16_t Rounded(double v)
{
    return std::int16_t(std::nearbyint(v)); // halves to even
}

} // namespace

LabWindow *CreateLab2Window()
{
    return new Lab2Bench;
}

Lab2Bench::Lab2Bench()
    : LabWindow(LabSetup(2))
{
    // A right click turns a knob back, so the help pop-up opens only with
    // Shift alone or at position 1, which a right click cannot pass.
    m_variant.onMouseDown = [this](Qt::MouseButton b, Qt::KeyboardModifiers m) {
        ContextHelp(QStringLiteral("oSS"), b, knob::HelpPopupAllowed(m, m_variant.Value(), 1));
    };
    m_regulator.onMouseDown = [this](Qt::MouseButton b, Qt::KeyboardModifiers m) {
        ContextHelp(QStringLiteral("oSS"), b, knob::HelpPopupAllowed(m, m_regulator.Value(), 1));
    };
    m_variant.onClick = m_variant.onDblClick = [this] { m_model.RecalcPending = true; };
    m_regulator.onClick = m_regulator.onDblClick = [this] { m_model.RecalcPending = true; };
}

Lab2Bench::~Lab2Bench() = default;

void Lab2Bench::BuildControls(QWidget *client)
{
    m_k50 = std::make_unique<K50Panel>(
        client, [this](const QString &key, Qt::MouseButton b) { ContextHelp(key, b); });

    m_picture1 = MakePicture(client, QStringLiteral("Picture1"), 120, 5880, 11175, 4215, kSchematicFont);
    m_picture1->onPaint = [this](QPainter &p) { PaintSchematic(p); };
    for (int i = 0; i < kLab2HotspotCount; ++i) {
        auto *area = new ClickArea(m_picture1);
        area->setObjectName(ArrayName(QStringLiteral("Image1"), i));
        area->onMouseDown = [this, i](Qt::MouseButton b, Qt::KeyboardModifiers) { Image1_MouseDown(i, b); };
        m_image1[size_t(i)] = area;
    }

    // Voltmeters with their range buttons inside.
    m_picture3 = MakePicture(client, QStringLiteral("Picture3"), 9000, 240, 3015, 2655, kMeterFont);
    m_picture4 = MakePicture(client, QStringLiteral("Picture4"), 12120, 240, 3015, 2655, kMeterFont);
    for (PictureBox *box : {m_picture3.data(), m_picture4.data()})
        box->onMouseDown = [this](Qt::MouseButton b, Qt::KeyboardModifiers, QPointF) {
            ContextHelp(QStringLiteral("oV"), b);
        };
    static const std::array<QString, 4> designCaptions{QStringLiteral("50 В"), QStringLiteral("150 В"),
                                                        QStringLiteral("300 В"), QStringLiteral("750 В")};
    for (int i = 0; i < 4; ++i) {
        const double x = i == 0 ? 120 : 720 * i;
        const double w = i == 0 ? 615 : 735;
        for (auto [row, box, name] : {std::tuple{&m_command5, m_picture3.data(), "Command5"},
                                      std::tuple{&m_command6, m_picture4.data(), "Command6"}}) {
            auto *b = new QPushButton(designCaptions[size_t(i)], box);
            SetDesign(b, ArrayName(QLatin1String(name), i), x, 1800, w, 375);
            SetDesignFont(b, kSerif, kButtonFont, true);
            b->setFocusPolicy(Qt::NoFocus);
            b->installEventFilter(this);
            // The highest range carries the window colour at design.
            SetButtonColour(b, i == 3 ? WindowBackColour() : ButtonFaceColour());
            (*row)[size_t(i)] = b;
        }
        connect(m_command5[size_t(i)].data(), &QPushButton::clicked, this, [this, i] { Command5_Click(i); });
        connect(m_command6[size_t(i)].data(), &QPushButton::clicked, this, [this, i] { Command6_Click(i); });
    }

    // Variant panel and regulator panel.
    m_picture5 = MakePicture(client, QStringLiteral("Picture5"), 11400, 4680, 3615, 2175, kPanelFont, true);
    m_label7 = MakeLabel(m_picture5, QStringLiteral("Label7"), 0, 0, 3615, 525, QString());
    m_picture9 = MakePicture(m_picture5, QStringLiteral("Picture9"), 1080, 720, 855, 855, kPanelFont);
    m_picture5->onPaint = [this](QPainter &p) {
        if (m_picture9)
            DrawVariantDigits(p, QRectF(m_picture9->geometry()));
    };
    m_picture10 = MakePicture(client, QStringLiteral("Picture10"), 1080, 4200, 3855, 1575, kPanelFont, true);
    m_label8 = MakeLabel(m_picture10, QStringLiteral("Label8"), 0, 0, 3855, 465, QString());
    m_picture12 = MakePicture(m_picture10, QStringLiteral("Picture12"), 1080, 480, 855, 855, kPanelFont);
    m_picture10->onPaint = [this](QPainter &p) {
        if (m_picture12)
            DrawRegulatorMarks(p, QRectF(m_picture12->geometry()));
    };
    for (QLabel *l : {m_label7.data(), m_label8.data()}) {
        l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        l->setWordWrap(true);
    }

    // Capacitance box.
    MakeLabel(client, QStringLiteral("Label5"), 11640, 7440, 735, 375, QStringLiteral("С ="), false);
    m_text1 = new ParamBox(client);
    SetDesign(m_text1, QStringLiteral("Text1"), 12480, 7440, 1095, 345);
    SetDesignFont(m_text1, kSerif, kPanelFont);
    connect(m_text1.data(), &QLineEdit::textChanged, this, [this] { Text1_Change(); });
    m_label6 = MakeLabel(client, QStringLiteral("Label6"), 13680, 7440, 435, 315, QString(), false);
}

void Lab2Bench::LanguageChanged()
{
    FitWidth(m_label6);
}

void Lab2Bench::FormLoad()
{
    m_drawUnit = float(m_picture1->twipsWidth() / 100.0);

    m_model.SupplyVoltage = 0.0f;
    m_model.CoilResistance = 20.0f;
    m_model.CoilInductance = 0.5f;
    m_model.Capacitance = 100.0f;
    m_text1->setText(QStringLiteral("100")); // through the entry rule

    // The K-50 panel was made with the controls at 5 A, 450 V, 2250 W, "+".
    m_model.V1Range = m_model.V2Range = 750.0f;
    m_model.CircuitCurrent = m_model.ActivePower = 0.0f;
    m_model.CoilVoltage = m_model.CapacitorVoltage = 0.0f;

    ConfigureVoltmeter(m_v1, m_picture3, QStringLiteral("V1"));
    ConfigureVoltmeter(m_v2, m_picture4, QStringLiteral("V2"));

    m_variant.setPicCtl(m_picture9);
    m_variant.setMax(315);
    m_variant.setMin(45);
    m_variant.setPolojenii(7);
    m_model.SwitchState[2] = 1;
    m_variant.setValue(m_model.SwitchState[2]);

    m_regulator.setPicCtl(m_picture12);
    m_regulator.setMax(315);
    m_regulator.setMin(45);
    m_regulator.setPolojenii(13);
    m_model.SwitchState[3] = 0;
    m_regulator.setValue(float(m_regulator.Polojenii() - m_model.SwitchState[3]));

    m_model.SwitchState[0] = 0;
    m_model.SwitchState[1] = 0;
    m_model.RecalcPending = true;

    LayoutKnobPanel(m_picture5, m_label7, m_picture9, kVariantPanelGap);
    LayoutKnobPanel(m_picture10, m_label8, m_picture12, kRegulatorPanelGap);
    LayoutHotspots();
    FitWidth(m_label6);
}

void Lab2Bench::FormUnload()
{
    m_k50.reset();
}

void Lab2Bench::LayoutHotspots()
{
    const AcGrid g = Lab2Grid(m_drawUnit, m_picture1->twipsHeight());
    const std::array<QRectF, kLab2HotspotCount> spots = Lab2Hotspots(g);
    for (int i = 0; i < kLab2HotspotCount; ++i) {
        const QRectF &r = spots[size_t(i)];
        m_image1[size_t(i)]->setGeometry(
            QRectF(r.left() / kTwipsPerPixel, r.top() / kTwipsPerPixel, r.width() / kTwipsPerPixel,
                   r.height() / kTwipsPerPixel)
                .toRect());
    }
}

void Lab2Bench::PaintSchematic(QPainter &p)
{
    const AcGrid g = Lab2Grid(m_drawUnit, m_picture1->twipsHeight());
    const Lab2SchematicState s{m_model.SwitchState[0], m_model.SwitchState[1], m_model.SwitchState[2]};
    const SchematicStyle style{m_picture1->font(), m_picture1->font().pointSizeF(),
                               m_picture1->palette().color(QPalette::Window)};
    DrawLab2Schematic(p, g, s, style);
}

void Lab2Bench::Picture1_Paint()
{
    m_model.SwitchState[2] = Rounded(m_variant.Value());
    m_model.RecalcPending = false;
    if (m_picture1)
        m_picture1->update();
}

void Lab2Bench::Image1_MouseDown(int index, Qt::MouseButton button)
{
    if (index < 0 || index >= kLab2HotspotCount)
        return;
    if (button == Qt::LeftButton && (index == 0 || index == 1)) {
        std::int16_t &s = m_model.SwitchState[size_t(index)];
        s = std::int16_t(1 - s);
        Picture1_Paint();
        m_model.RecalcPending = true;
    }
    ContextHelp(kImageKeys[size_t(index)], button);
}

void Lab2Bench::RangeClick(std::array<QPointer<QPushButton>, 4> &row, int index, float &range)
{
    if (index < 0 || index > 3)
        return;
    HighlightRow(row, index);
    range = kVoltmeterRanges[size_t(index)];
    if (m_picture1)
        m_picture1->setFocus();
}

void Lab2Bench::Command5_Click(int index)
{
    RangeClick(m_command5, index, m_model.V1Range);
}

void Lab2Bench::Command6_Click(int index)
{
    RangeClick(m_command6, index, m_model.V2Range);
}

void Lab2Bench::Text1_Change()
{
    if (!m_text1)
        return;
    const EntryResult r = ApplyEntryRule(m_text1->text(), m_model.Capacitance, kCapacitanceRule);
    if (r.recalc)
        m_model.RecalcPending = true;
    m_model.Capacitance = r.value;
    if (r.rewrite)
        m_text1->setText(*r.rewrite);
}

bool Lab2Bench::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick) {
        for (int i = 0; i < 4; ++i) {
            if (watched == m_command5[size_t(i)] || watched == m_command6[size_t(i)]) {
                const auto *me = static_cast<QMouseEvent *>(event);
                ContextHelp(QStringLiteral("oSSS"), me->button());
                // Only the left button presses a range button.
                return me->button() != Qt::LeftButton;
            }
        }
    }
    return LabWindow::eventFilter(watched, event);
}

void Lab2Bench::Timer1_Timer()
{
    if (!isLoaded())
        return;
    const double now = appClock().now();
    // The K-50 reads its phase selector when it moves its pointers; nothing
    // in the tick turns the selector, so that is the position the tick
    // began with.
    if (m_model.RecalcPending) {
        m_model.SwitchState[3] = Rounded(double(m_regulator.Polojenii()) - double(m_regulator.Value()));
        Picture1_Paint(); // takes the variant from its knob before the computation
        m_model.ComputeCircuit(now);
    }
    UpdateInstruments(now);
}

void Lab2Bench::UpdateInstruments(double now)
{
    Lab2MeterValues v{m_v1.Value(), m_v2.Value()};
    m_model.StepVoltmeters(v);
    m_v1.setValue(v.V1);
    m_v2.setValue(v.V2);
    // The K-50 follows the panel's ranges; the power direction enters no
    // target in this lab.
    const K50PhaseReadings r = m_model.K50Readings();
    m_k50->SetReadings(r.U, r.I, r.P);
    m_k50->Tick(false);
    m_model.ApplyProtection(now);
}

} // namespace ohmaris
