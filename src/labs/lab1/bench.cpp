// SPDX-License-Identifier: GPL-3.0-or-later
// Lab 1 bench window: controls, load steps, handlers and the timer tick.
#include "labs/lab1/bench.h"

#include "calc/entry.h"
#include "labs/lab1/bench_draw.h"
#include "labs/lab1/lab.h"
#include "labs/registry.h"
#include "shell/picturebox.h"
#include "shell/spoken.h"

#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace ohmaris {

namespace {

constexpr double kMeterFont = 9.75;
constexpr double kSchematicFont = 14.25;
constexpr double kFrameFont = 12;

// Parameter boxes: magnitude, no offset, capped at one million.
const EntryRule kElementEntry{0.0, 1000000.0f, false};

// Help keys of the click areas Image1(0..17).
const std::array<const char *, kLab1AreaCount> kImage1Keys{
    "oR", "oR", "oE", "oR", "oA", "oR", "oE", "oR", "oA",
    "oR", "oR", "oA", "oV", "oS", "oS", "oS", "oS", "oS"};

// Labels of the elements the click areas lie over, as the schematic has them.
const std::array<const char *, kLab1AreaCount> kImage1Labels{
    "R01", "R01", "E1", "R3", "A3", "R02", "E2", "R02", "A1",
    "R1", "R2", "A2", "V", "S1", "S2", "S3", "S4", "S5"};
// The selector's positions: the pair of nodes the voltmeter is across.
const std::array<const char *, 5> kSelectorPairs{"ab", "ad", "bd", "cb", "cd"};

// Picture2..Picture5: A1, A3, A2, V, moving-coil DC meters of class 1.5.
const std::array<MeterSpec, 4> kMeters{{
    {QStringLiteral("A1"), 1.5f, 0.5f, 0.1f, 1.5f, 1, 1, 1, -1.5f},
    {QStringLiteral("A3"), 2.0f, 0.5f, 0.05f, 1.5f, 1, 1, 1, 0.0f},
    {QStringLiteral("A2"), 1.5f, 0.5f, 0.1f, 1.5f, 1, 1, 1, -1.5f},
    {QStringLiteral("V"), 25.0f, 5.0f, 1.0f, 1.5f, 1, 1, 1, -25.0f, QStringLiteral("V")},
}};
const std::array<const char *, 4> kMeterBoxes{"Picture2", "Picture3", "Picture4", "Picture5"};
const std::array<const char *, 4> kMeterKeys{"oA", "oA", "oA", "oV"};
constexpr std::array<double, 4> kMeterLeft{240, 3960, 7680, 11400};

// Parameter rows: fixed letter text, subscript, design font of the letter.
const std::array<const char *, 7> kLabel1Text{"E   =", "R    =", "E   =", "R    =", "R   =", "R   =", "R   ="};
const std::array<const char *, 7> kLabel2Text{"1", "01", "2", "02", "1", "2", "3"};

QRectF TwipsGeometry(const QWidget *w)
{
    const QRect g = w->geometry();
    return {g.x() * kTwipsPerPixel, g.y() * kTwipsPerPixel, g.width() * kTwipsPerPixel, g.height() * kTwipsPerPixel};
}

} // namespace

Lab1Window::Lab1Window()
    : LabWindow(Lab1::kFrame)
{
    connect(&m_selector, &Switcher::mouseDown, this, &Lab1Window::Picture15_MouseDown);
    connect(&m_selector, &Switcher::clicked, this, &Lab1Window::Picture15_Click);
    connect(&m_selector, &Switcher::doubleClicked, this, &Lab1Window::Picture15_Click);
}

template <>
std::unique_ptr<LabWindow> CreateLabWindow<Lab1>()
{
    return std::make_unique<Lab1Window>();
}

Lab1Sheet Lab1Window::sheet() const
{
    Lab1Sheet s;
    s.u = m_drawUnit;
    if (c.Picture1) {
        s.W = c.Picture1->twipsWidth();
        s.H = c.Picture1->twipsHeight();
    }
    return s;
}

void Lab1Window::BuildControls(QWidget *client)
{
    c = Controls{};
    for (std::size_t i = 0; i < kMeters.size(); ++i) {
        PictureBox *box =
            MakePicture(client, QLatin1String(kMeterBoxes[i]), {kMeterLeft[i], 120, 3495, 3135}, kMeterFont);
        HelpOnPress(box, QLatin1String(kMeterKeys[i]));
        c.meterBoxes[i] = box;
    }

    c.Picture1 = MakePicture(client, QStringLiteral("Picture1"), {240, 3840, 11055, 5775}, kSchematicFont);
    connect(c.Picture1.data(), &PictureBox::painting, this, [this](QPainter &p) {
        DrawLab1Schematic(p, sheet(), m_model.SwitchState, c.Picture1->font(), c.Picture1->font().pointSizeF(),
                          c.Picture1->palette().color(QPalette::Window));
    });
    m_image1.Build(c.Picture1, kLab1AreaCount, this,
                   [this](int i, Qt::MouseButton b, Qt::KeyboardModifiers) { Image1_MouseDown(i, b); },
                   [this](int i) {
                       Hotspot h{QLatin1String(kImage1Keys[std::size_t(i)]),
                                 QLatin1String(kImage1Labels[std::size_t(i)]), {}};
                       if (i > 12)
                           h.closed = m_model.SwitchState[std::size_t(i - 13)];
                       return h;
                   });

    c.Picture16 = MakePicture(client, QStringLiteral("Picture16"), {11880, 3480, 2535, 1695}, kSchematicFont);
    c.Picture15 = new PictureBox(c.Picture16);
    SetDesign(c.Picture15, QStringLiteral("Picture15"), 960, 480, 735, 735);
    SetHelpKey(c.Picture15, QStringLiteral("oSS"));
    connect(c.Picture16.data(), &PictureBox::painting, this, [this](QPainter &p) {
        DrawLab1SelectorPanel(p, TwipsGeometry(c.Picture16).size(), TwipsGeometry(c.Picture15),
                              c.Picture16->font(), c.Picture16->font().pointSizeF(),
                              c.Picture16->palette().color(QPalette::Window));
    });

    QGroupBox *frame = MakeFrame(client, QStringLiteral("Frame1"), {11640, 5400, 3255, 4095}, kFrameFont, false);
    for (int i = 0; i < 7; ++i) {
        const double top = 480 + 480 * i;
        MakeLabel(frame, ArrayName(QStringLiteral("Label1"), i), {240, top, 960, 375},
                  QString::fromLatin1(kLabel1Text[std::size_t(i)]), kSchematicFont);
        MakeLabel(frame, ArrayName(QStringLiteral("Label3"), i), {2280, top, 855, 375}, QString(), kSchematicFont);
        ParamBox *box = MakeParamBox(frame, ArrayName(QStringLiteral("Text1"), i), {1200, top, 975, 375}, kFrameFont);
        connect(box, &QLineEdit::textChanged, this, [this, i] { Text1_Change(i); });
        c.Text1[std::size_t(i)] = box;
        SpeakBox(box, QString::fromLatin1(kLabel1Text[std::size_t(i)]).left(1) + QLatin1String(kLabel2Text[std::size_t(i)]),
                 frame->findChild<QLabel *>(ArrayName(QStringLiteral("Label3"), i)));
        // The subscript sits just right of the letter and a little lower.
        QLabel *index = MakeLabel(frame, ArrayName(QStringLiteral("Label2"), i), {405, top + 150, 330, 270},
                                  QString::fromLatin1(kLabel2Text[std::size_t(i)]), kFrameFont);
        index->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        MarkOverlay(index);
    }
}

void Lab1Window::FormLoad()
{
    m_drawUnit = Lab1DrawUnit(c.Picture1->twipsWidth());
    for (std::size_t i = 0; i < kMeters.size(); ++i)
        SetUpMeter(m_meters[i], c.meterBoxes[i], kMeters[i]);

    m_model.Reset();
    SetUpKnob(m_selector, c.Picture15,
              {QStringLiteral("V selector"), 45.0f, 315.0f, 5, 1.0f, [] { return tr("Voltmeter selector"); },
               [](int p) {
                   return tr("voltmeter across %1").arg(QLatin1String(kSelectorPairs[std::size_t(std::clamp(p, 1, 5) - 1)]));
               }});
    m_model.SwitchState[kLab1Selector] = std::int16_t(std::lrint(m_selector.Value()));

    for (int i = 0; i < 7; ++i) {
        m_model.ElementValues[std::size_t(i)] = kLab1Defaults[std::size_t(i)];
        c.Text1[std::size_t(i)]->setText(GeneralNumber(double(kLab1Defaults[std::size_t(i)])));
    }
    m_model.RecalcPending = true;
    LayoutImage1();
}

void Lab1Window::Timer1_Timer()
{
    if (m_model.RecalcPending)
        m_model.ComputeCircuit();
    const Lab1Meters t = Lab1MeterTargets(m_model);
    m_meters[0].StepTowards(t.A1);
    m_meters[1].StepTowards(t.A3);
    m_meters[2].StepTowards(t.A2);
    m_meters[3].StepTowards(t.V);
}

bool Lab1Window::AtRest()
{
    if (m_model.RecalcPending)
        return false;
    const Lab1Meters t = Lab1MeterTargets(m_model);
    return m_meters[0].AtTarget(t.A1) && m_meters[1].AtTarget(t.A3) && m_meters[2].AtTarget(t.A2) &&
           m_meters[3].AtTarget(t.V);
}

void Lab1Window::Image1_MouseDown(int index, Qt::MouseButton button)
{
    if (index < 0 || index >= kLab1AreaCount)
        return;
    const QString key = QLatin1String(kImage1Keys[std::size_t(index)]);
    if (button == Qt::LeftButton && index > 12) {
        std::int16_t &s = m_model.SwitchState[std::size_t(index - 13)];
        s = std::int16_t(1 - s);
        m_model.RecalcPending = true;
        RedrawPicture1();
    }
    // Sets the help key for any button; the right button only offers help.
    ContextHelp(key, button);
}

void Lab1Window::Picture15_MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift)
{
    ContextHelp(QStringLiteral("oSS"), button, knob::HelpPopupAllowed(shift, m_selector.Value(), 1.0f));
}

void Lab1Window::Picture15_Click()
{
    // The turned selector moves the voltmeter on the schematic at once and
    // asks for the readings of its new place.
    m_model.SwitchState[kLab1Selector] = std::int16_t(std::lrint(m_selector.Value()));
    m_selector.setChanged(false);
    LayoutImage1();
    RedrawPicture1();
    m_model.RecalcPending = true;
}

void Lab1Window::Text1_Change(int index)
{
    ParamBox *box = c.Text1[std::size_t(index)];
    if (!box)
        return;
    float &stored = m_model.ElementValues[std::size_t(index)];
    const EntryResult r = ApplyEntryRule(box->text(), stored, kElementEntry);
    if (!r.recalc)
        return;
    m_model.RecalcPending = true;
    stored = r.value;
    if (r.rewrite)
        box->setText(*r.rewrite);
}

void Lab1Window::RedrawPicture1()
{
    if (c.Picture1)
        c.Picture1->update();
    m_image1.NoteChanges();
}

void Lab1Window::LayoutImage1()
{
    if (c.Picture1)
        m_image1.Place(Lab1ClickAreas(sheet(), m_model.SwitchState[kLab1Selector]));
}

} // namespace ohmaris
