// SPDX-License-Identifier: GPL-3.0-or-later
// The lab 8 bench window Form8.
#include "labs/lab8/bench.h"

#include "calc/entry.h"
#include "instruments/face.h"
#include "labs/lab8/bench_draw.h"
#include "labs/lab8/lab.h"
#include "labs/registry.h"
#include "shell/picturebox.h"
#include "shell/spoken.h"

#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <cmath>
#include <tuple>

namespace ohmaris {

namespace {

constexpr double kPanelFont = 12.0;   // frames, their boxes and labels, the schematic
constexpr double kHousingFont = 12.0; // the instruments' titles
constexpr double kIndexFont = 8.0;    // subscripts laid over the row captions
constexpr double kButtonFont = 12.0;  // the sources' buttons
constexpr double kCaptionFont = 8.0;  // power and unit captions on the housings

const QColor kOn(255, 0, 0);

// A frame's rows: letter (and its subscript), box and unit, top to bottom.
constexpr double kRowLeft = 120;
constexpr double kSourceRowTop = 390, kSourceRowStep = 450;
constexpr double kElementRowTop = 390, kElementRowStep = 510;
constexpr double kRowHeight = 375;
// Where a subscript stands after the row's letter, relative to the row.
constexpr double kIndexLeft = 165, kIndexDown = 150;
constexpr double kIndexWidth = 225, kIndexHeight = 225;

struct ElementRow {
    const char *name;  // the letter's label
    const char *text;
    const char *index; // subscript label, if any
    const char *sub;
    const char *unit;  // the unit's label (captioned from the language file)
};
const std::array<ElementRow, Lab8Model::kElements> kElementRows{{
    {"Label5", "R   =", "Label6", "1", "Label1"},
    {"Label7", "L   =", nullptr, nullptr, "Label2"},
    {"Label8", "R   =", nullptr, nullptr, "Label15"},
    {"Label11", "C   =", "Label12", "1", "Label3"},
    {"Label13", "C   =", "Label14", "2", "Label4"},
    {"Label16", "R   =", "Label54", "2", "Label17"},
}};

// A source frame's labels are numbered from 18 + 9 k: per row its letter,
// a subscript and its unit.
QString SourceLabel(int source, int offset)
{
    return QStringLiteral("Label%1").arg(18 + 9 * source + offset);
}

QString SourceBoxName(int source, int row)
{
    return ArrayName(QStringLiteral("Text%1").arg(2 + source), row);
}

QLabel *Subscript(QWidget *parent, const QString &name, double left, double top, const QString &text)
{
    QLabel *l = MakeLabel(parent, name, {left, top, kIndexWidth, kIndexHeight}, text, kIndexFont);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    MarkOverlay(l);
    return l;
}

// The housings' titles: voltmeter V1 ~, milliammeter mA ~, oscilloscope V2.
const HousingTitle kVoltmeterTitle{QStringLiteral(" V"), QStringLiteral(" V   ~"), QStringLiteral("1     "), true};
const HousingTitle kMilliammeterTitle{QStringLiteral(" mA     "), QStringLiteral(" mA     ~"), QString(), true};
const HousingTitle kScopeTitle{QStringLiteral(" V"), QStringLiteral(" V2"), QStringLiteral("2"), false};

} // namespace

template <>
std::unique_ptr<LabWindow> CreateLabWindow<Lab8>()
{
    return std::make_unique<Lab8Window>();
}

Lab8Window::Lab8Window()
    : LabWindow(Lab8::kFrame)
{
    connect(&m_knob, &Switcher::mouseDown, this, [this](Qt::MouseButton b, Qt::KeyboardModifiers m) {
        // A right click turns the knob; help pops up only where it cannot
        // turn any further or with Shift alone.
        ContextHelp(QStringLiteral("oSS"), b, knob::HelpPopupAllowed(m, m_knob.Value(), float(m_knob.Polojenii())));
    });
    connect(&m_knob, &Switcher::clicked, this, &Lab8Window::Picture10_Click);
    connect(&m_knob, &Switcher::doubleClicked, this, &Lab8Window::Picture10_Click);
}

Lab8Window::~Lab8Window() = default;

void Lab8Window::Help(QWidget *control, const char *key, bool button)
{
    const QString k = QLatin1String(key);
    if (auto *box = qobject_cast<PictureBox *>(control)) {
        HelpOnPress(box, k);
        return;
    }
    connect(PressHelp::Install(control, k, button ? PressHelp::Pass::LeftButton : PressHelp::Pass::Nothing),
            &PressHelp::helpRequested, this, [this](const QString &key, Qt::MouseButton b) { ContextHelp(key, b); });
}

void Lab8Window::BuildControls(QWidget *client)
{
    c = Controls{};
    for (int k = 0; k < Lab8Model::kSources; ++k)
        BuildSourceFrame(client, k);
    BuildHousings(client);
    BuildParameterFrame(client);

    // The schematic, its click areas and the sources' buttons on it.
    c.Picture1 = MakePicture(client, QStringLiteral("Picture1"), {120, 4440, 12015, 5775}, kPanelFont);
    c.Picture1->setFocusPolicy(Qt::StrongFocus);
    connect(c.Picture1.data(), &PictureBox::painting, this, [this](QPainter &p) {
        DrawLab8Schematic(p, QSizeF(c.Picture1->twipsWidth(), c.Picture1->twipsHeight()), m_drawUnit, m_anchors,
                          m_model.SwitchState, c.Picture1->font(), c.Picture1->font().pointSizeF(),
                          this->client()->palette().color(QPalette::Window));
    });
    for (int k = 0; k < Lab8Model::kSources; ++k) {
        QPushButton *b = MakeButton(c.Picture1, ArrayName(QStringLiteral("Command2"), k),
                                    {600, 1200.0 + 600 * k, 855, 465}, QString(), kButtonFont);
        Help(b, "oS", true);
        connect(b, &QPushButton::clicked, this, [this, k] { Command2_Click(k); });
        c.Command2[std::size_t(k)] = b;
        Speech::Attach(b, [k] { return tr("Source E%1").arg(k + 1); });
    }
    m_image1.Build(c.Picture1, kLab8ClickAreas, this,
                   [this](int k, Qt::MouseButton b, Qt::KeyboardModifiers) { Image1_MouseDown(k, b); },
                   [this](int k) {
                       Hotspot h{QString::fromLatin1(Lab8ClickAreaKey(k)), QString::fromLatin1(Lab8ClickAreaLabel(k)), {}};
                       if (k >= 0 && k <= 4)
                           h.closed = m_model.SwitchState[std::size_t(k + 2)];
                       return h;
                   });

    // The captions of the sources' buttons, off and on.
    for (int s = 0; s < 2; ++s) {
        QLabel *l = MakeLabel(client, ArrayName(QStringLiteral("Label58"), s), {120, 10440, 855, 255}, QString(),
                              kButtonFont);
        l->hide();
        c.Label58[std::size_t(s)] = l;
    }
}

void Lab8Window::BuildSourceFrame(QWidget *client, int source)
{
    const bool left = source % 2 == 0;
    const double width = left ? 2325 : 2445;
    QGroupBox *frame = MakeFrame(client, ArrayName(QStringLiteral("Frame2"), source),
                                 {left ? 120.0 : 2640.0, source < 2 ? 240.0 : 2280.0, width, 1815}, kPanelFont);
    c.Frame2[std::size_t(source)] = frame;
    // Amplitude, frequency, phase; the fundamental's frequency (50 Hz) is fixed.
    const std::array<QString, 3> letters{QStringLiteral("E   ="), QStringLiteral("f    ="),
                                         QStringLiteral("\u03C6   =")};
    const double unitLeft = 1635;
    for (int row = 0; row < 3; ++row) {
        const double top = kSourceRowTop + kSourceRowStep * row;
        MakeLabel(frame, SourceLabel(source, 3 * row), {kRowLeft, top, 555, kRowHeight},
                  letters[std::size_t(row)], kPanelFont);
        ParamBox *box = MakeParamBox(frame, SourceBoxName(source, row), {720, top, 855, kRowHeight}, kPanelFont,
                                     row == 1 ? ParamBox::Filter::Digits : ParamBox::Filter::Decimal);
        if (source == 0 && row == 1)
            box->setReadOnly(true);
        connect(box, &QLineEdit::textChanged, this, [this, source, row] { SourceText_Change(source, row); });
        c.source[std::size_t(source)][std::size_t(row)] = box;
        QLabel *unit = MakeLabel(frame, SourceLabel(source, 3 * row + 2),
                                 {unitLeft, top, width - unitLeft - 90, kRowHeight}, QString(), kPanelFont);
        // The amplitude, the multiple of the fundamental's frequency and the
        // phase of source E1..E4.
        const QString n = QString::number(source + 1);
        if (row == 0)
            SpeakBox(box, QStringLiteral("Em") + n, unit);
        else if (row == 1 && source == 0)
            SpeakBox(box, QStringLiteral("f1"), unit);
        else if (row == 1)
            Speech::Attach(box, [n] { return tr("f%1, multiple of f1").arg(n); });
        else
            SpeakBox(box, QStringLiteral("\u03C6") + n, unit);
        // A higher component's frequency is a multiple of the fundamental's.
        if (row == 1 && source > 0) {
            unit->setText(QStringLiteral("\u00D7 f"));
            Subscript(frame, SourceLabel(source, 4), unitLeft + kIndexLeft + 105, top + kIndexDown,
                      QStringLiteral("1"));
        }
    }
    Subscript(frame, SourceLabel(source, 1), kRowLeft + kIndexLeft, kSourceRowTop + kIndexDown, QStringLiteral("m"));
}

void Lab8Window::BuildParameterFrame(QWidget *client)
{
    c.Frame1 = MakeFrame(client, QStringLiteral("Frame1"), {12360, 4800, 2655, 3495}, kPanelFont);
    for (int row = 0; row < Lab8Model::kElements; ++row) {
        const ElementRow &r = kElementRows[std::size_t(row)];
        const double top = kElementRowTop + kElementRowStep * row;
        MakeLabel(c.Frame1, QLatin1String(r.name), {kRowLeft, top, 675, kRowHeight}, QLatin1String(r.text),
                  kPanelFont);
        if (r.index)
            Subscript(c.Frame1, QLatin1String(r.index), kRowLeft + kIndexLeft, top + kIndexDown,
                      QLatin1String(r.sub));
        ParamBox *box = MakeParamBox(c.Frame1, ArrayName(QStringLiteral("Text1"), row), {840, top, 975, kRowHeight},
                                     kPanelFont);
        connect(box, &QLineEdit::textChanged, this, [this, row] { Text1_Change(row); });
        c.Text1[std::size_t(row)] = box;
        SpeakBox(box, QString::fromLatin1(r.text).left(1) + (r.sub ? QLatin1String(r.sub) : QLatin1String("")),
                 MakeLabel(c.Frame1, QLatin1String(r.unit), {1875, top, 690, kRowHeight}, QString(), kPanelFont));
    }
}

void Lab8Window::BuildHousings(QWidget *client)
{
    // A power button with its caption centred above it.
    const auto power = [](PictureBox *housing, const QString &button, const QString &label, QRectF place) {
        QPushButton *b = MakeButton(housing, button, place, QString(), kCaptionFont);
        const double w = 735, h = 255;
        QLabel *l = MakeLabel(housing, label, {place.left() + (place.width() - w) / 2, place.top() - h, w, h},
                              QString(), kCaptionFont, true);
        l->setAlignment(Qt::AlignCenter);
        return std::pair{b, l};
    };
    const auto paint = [this](PictureBox *housing, const HousingTitle &title) {
        connect(housing, &PictureBox::painting, this, [housing, &title](QPainter &p) {
            DrawLab8Housing(p, QSizeF(housing->twipsWidth(), housing->twipsHeight()), housing->toolTip(), title,
                            housing->font(), housing->font().pointSizeF());
        });
    };

    // The digital voltmeter and milliammeter.
    c.Picture2 = MakePicture(client, QStringLiteral("Picture2"), {5160, 120, 3975, 1935}, kHousingFont);
    c.Picture4 = MakePicture(c.Picture2, QStringLiteral("Picture4"), {120, 1080, 3735, 855}, kHousingFont);
    c.Command1 = power(c.Picture2, QStringLiteral("Command1"), QStringLiteral("Label55"), {240, 720, 495, 255}).first;
    c.Picture3 = MakePicture(client, QStringLiteral("Picture3"), {5160, 2280, 3975, 1935}, kHousingFont);
    c.Picture8 = MakePicture(c.Picture3, QStringLiteral("Picture8"), {120, 1080, 3735, 855}, kHousingFont);
    c.Command4 = power(c.Picture3, QStringLiteral("Command4"), QStringLiteral("Label56"), {240, 720, 495, 255}).first;
    paint(c.Picture2, kVoltmeterTitle);
    paint(c.Picture3, kMilliammeterTitle);
    for (PictureBox *box : {c.Picture2.data(), c.Picture4.data()})
        Help(box, "oV", false);
    for (PictureBox *box : {c.Picture3.data(), c.Picture8.data()})
        Help(box, "oA", false);
    connect(c.Command1.data(), &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(c.Command4.data(), &QPushButton::clicked, this, [this] { Command4_Click(); });
    Speech::Attach(c.Command1, [] { return tr("Voltmeter V1 on"); });
    Speech::Attach(c.Command4, [] { return tr("Milliammeter on"); });

    // The oscilloscope: screen, volts-per-division knob and readouts.
    c.Picture5 = MakePicture(client, QStringLiteral("Picture5"), {9240, 120, 5775, 4095}, kHousingFont);
    c.Picture6 = MakePicture(c.Picture5, QStringLiteral("Picture6"), {120, 840, 4455, 3135}, kHousingFont);
    c.Picture11 = MakePicture(c.Picture5, QStringLiteral("Picture11"), {5040, 240, 375, 615}, kHousingFont);
    c.Picture10 = MakePicture(c.Picture5, QStringLiteral("Picture10"), {4920, 1320, 615, 615}, kHousingFont);
    c.Picture9 = MakePicture(c.Picture5, QStringLiteral("Picture9"), {5040, 2880, 375, 615}, kHousingFont);
    QLabel *perDivision =
        MakeLabel(c.Picture5, QStringLiteral("Label9"), {4680, 840, 1005, 255}, QString(), kCaptionFont);
    QLabel *timeBase = MakeLabel(c.Picture5, QStringLiteral("Label10"), {4680, 3480, 1005, 255}, QString(), kCaptionFont);
    const auto [onOff, powerLabel] =
        power(c.Picture5, QStringLiteral("Command3"), QStringLiteral("Label57"), {240, 480, 495, 255});
    c.Command3 = onOff;
    for (QLabel *l : {perDivision, timeBase})
        l->setAlignment(Qt::AlignCenter);
    paint(c.Picture5, kScopeTitle);
    connect(c.Picture6.data(), &PictureBox::painting, this, [this](QPainter &p) {
        DrawLab8Screen(p, c.Picture6->width(), c.Picture6->height(), m_model.VoltageWave, m_screenVoltsPerDivision,
                       m_scopeOn);
    });
    for (QWidget *w : std::initializer_list<QWidget *>{c.Picture5, c.Picture6, c.Picture9, c.Picture11, perDivision,
                                                       timeBase, powerLabel})
        Help(w, "oVV", false);
    Help(c.Command3, "oVV", true);
    connect(c.Command3.data(), &QPushButton::clicked, this, [this] { Command3_Click(); });
    Speech::Attach(c.Command3, [] { return tr("Oscilloscope V2 on"); });
    SetHelpKey(c.Picture10, QStringLiteral("oSS"));
    Speech::Attach(c.Picture6, [] { return tr("Oscilloscope V2 screen"); }, [this] {
        if (!m_scopeOn)
            return tr("switched off");
        const Language language = SpokenLanguage();
        return tr("switched on, %1 %2, time base %3 %4")
            .arg(SpokenNumber(m_screenVoltsPerDivision, 0, language), SpokenUnit(QStringLiteral("V/div"), language),
                 SpokenNumber(m_timeBase.Value(), 0, language), SpokenUnit(QStringLiteral("ms/div"), language));
    });
}

void Lab8Window::FormLoad()
{
    m_drawUnit = Lab8DrawUnit(c.Picture1->twipsWidth());
    m_anchors = Lab8SwitchAnchors(m_drawUnit);

    // Writing a box runs its change handler, which stores the value by the
    // box's rule.
    for (int i = 0; i < Lab8Model::kElements; ++i) {
        const float value = Lab8Model::kDefaultElements[std::size_t(i)];
        m_model.ElementValues[std::size_t(i)] = value;
        c.Text1[std::size_t(i)]->setText(GeneralNumber(double(value)));
    }
    for (int row = 0; row < 3; ++row)
        for (int k = 0; k < Lab8Model::kSources; ++k) {
            const float value = Lab8Model::kDefaultSources[std::size_t(row)][std::size_t(k)];
            m_model.SourceParams[std::size_t(row)][std::size_t(k)] = value;
            c.source[std::size_t(k)][std::size_t(row)]->setText(GeneralNumber(double(value)));
        }

    m_model.SwitchState = Lab8Model::kDefaultSwitches;
    m_model.RecalcPending = true;
    m_voltmeterOn = m_milliammeterOn = m_scopeOn = false;
    for (QPushButton *b : {c.Command1.data(), c.Command4.data(), c.Command3.data()}) {
        SetButtonColour(b, ActiveBorderColour());
        SetButtonOn(b, false);
    }

    // The displays, all dark: the two meters, the time base (2 ms per
    // division, never changed) and the knob's reading.
    SetUpIndicator(m_voltmeter, c.Picture4,
                   {QStringLiteral("V1"), 8, 0.0, false, QStringLiteral("V"), [] { return tr("Voltmeter V1"); }});
    SetUpIndicator(m_milliammeter, c.Picture8,
                   {QStringLiteral("mA"), 8, 0.0, false, QStringLiteral("mA"), [] { return tr("Milliammeter"); }});
    SetUpIndicator(m_timeBase, c.Picture9,
                   {QStringLiteral("V2 ms/div"), 1, 2.0, false, QStringLiteral("ms/div"),
                    [] { return tr("Oscilloscope V2 time base"); }});
    SetUpIndicator(m_voltsPerDivision, c.Picture11,
                   {QStringLiteral("V2 V/div"), 1, 3.0, false, QStringLiteral("V/div"),
                    [] { return tr("Oscilloscope V2 sensitivity"); }});
    SetUpKnob(m_knob, c.Picture10,
              {QStringLiteral("V2 sensitivity"), 300.0f, 30.0f, 9, 9.0f,
               [] { return tr("Oscilloscope V2 sensitivity selector"); }, [](int p) {
                   return QStringLiteral("%1 %2").arg(p).arg(SpokenUnit(QStringLiteral("V/div"), SpokenLanguage()));
               }});
    m_screenVoltsPerDivision = m_knob.Value();

    m_model.SourceOn.fill(0);
    for (int k = 0; k < Lab8Model::kSources; ++k) {
        CaptionSourceButton(k);
        SetButtonColour(c.Command2[std::size_t(k)], ActiveBorderColour());
        SetButtonOn(c.Command2[std::size_t(k)], false);
    }
    LockBoxes();
    PlaceSourceButtons();
    m_image1.Place(Lab8ClickAreas(m_anchors, m_drawUnit));
}

void Lab8Window::PlaceSourceButtons()
{
    // Left of each source's circle, centred on it.
    for (int k = 0; k < Lab8Model::kSources; ++k) {
        QPushButton *b = c.Command2[std::size_t(k)];
        const double centre = Lab8SourceY(k) * m_drawUnit / kTwipsPerPixel;
        b->move(int(std::lround(kLab8SourceButtonLeft * m_drawUnit / kTwipsPerPixel)),
                int(std::lround(centre - b->height() / 2.0)));
        MarkPlacedByBench(b);
    }
}

void Lab8Window::CaptionSourceButton(int source)
{
    QPushButton *b = c.Command2[std::size_t(source)];
    QLabel *caption = c.Label58[std::size_t(m_model.SourceOn[std::size_t(source)] != 0 ? 1 : 0)];
    if (b && caption)
        b->setText(caption->text());
}

void Lab8Window::LanguageChanged()
{
    if (!isLoaded())
        return;
    // The buttons show their state's caption in the new language at once;
    // the housings print their titles from their new tips.
    for (int k = 0; k < Lab8Model::kSources; ++k)
        CaptionSourceButton(k);
    for (PictureBox *housing : {c.Picture2.data(), c.Picture3.data(), c.Picture5.data()})
        housing->update();
}

std::optional<ScopeTraces> Lab8Window::ScopeData() const
{
    ScopeTraces t;
    for (int k = 0; k < Lab8Model::kSamples; ++k)
        t.timeMs.push_back(k / 5.0);
    if (m_scopeOn)
        t.channels.push_back({QStringLiteral("u"), QStringLiteral("V"),
                              std::vector<float>(m_model.VoltageWave.begin(), m_model.VoltageWave.end())});
    return t;
}

void Lab8Window::LockBoxes()
{
    const bool editable = !m_model.AnySourceOn();
    for (const auto &boxes : c.source)
        for (ParamBox *box : boxes)
            box->setEnabled(editable);
    for (ParamBox *box : c.Text1)
        box->setEnabled(editable);
}

void Lab8Window::Timer1_Timer()
{
    if (!isLoaded())
        return;
    if (m_model.RecalcPending) {
        // The knob is read before the computation; the screen follows it.
        m_screenVoltsPerDivision = m_knob.Value();
        m_model.ComputeCircuit();
        c.Picture6->update();
    }
    m_voltmeter.setValue(face::RoundPlaces(m_model.VoltageRms, 3));
    m_milliammeter.setValue(face::RoundPlaces(m_model.CurrentRms * 1000.0, 3));
    m_voltsPerDivision.setValue(double(m_knob.Value()));
}

void Lab8Window::FocusSchematic()
{
    FocusAfterClick(c.Picture1);
}

void Lab8Window::Image1_MouseDown(int index, Qt::MouseButton button)
{
    ContextHelp(QString::fromLatin1(Lab8ClickAreaKey(index)), button);
    if (button != Qt::LeftButton || index < 0 || index > 4)
        return;
    std::int16_t &s = m_model.SwitchState[std::size_t(index + 2)];
    s = std::int16_t(1 - s);
    m_model.RecalcPending = true;
    if (c.Picture1)
        c.Picture1->repaint();
    m_image1.NoteChanges();
}

void Lab8Window::Command2_Click(int index)
{
    if (index < 0 || index >= Lab8Model::kSources)
        return;
    std::int16_t &on = m_model.SourceOn[std::size_t(index)];
    on = std::int16_t(1 - on);
    SetButtonColour(c.Command2[std::size_t(index)], on != 0 ? kOn : ActiveBorderColour());
    SetButtonOn(c.Command2[std::size_t(index)], on != 0);
    CaptionSourceButton(index);
    m_model.RecalcPending = true;
    LockBoxes();
    FocusSchematic();
}

void Lab8Window::Command1_Click()
{
    m_voltmeterOn = !m_voltmeterOn;
    SetButtonColour(c.Command1, m_voltmeterOn ? kOn : ActiveBorderColour());
    SetButtonOn(c.Command1, m_voltmeterOn);
    m_voltmeter.setEnable(m_voltmeterOn);
    FocusSchematic();
}

void Lab8Window::Command4_Click()
{
    m_milliammeterOn = !m_milliammeterOn;
    SetButtonColour(c.Command4, m_milliammeterOn ? kOn : ActiveBorderColour());
    SetButtonOn(c.Command4, m_milliammeterOn);
    m_milliammeter.setEnable(m_milliammeterOn);
    FocusSchematic();
}

void Lab8Window::Command3_Click()
{
    m_scopeOn = !m_scopeOn;
    SetButtonColour(c.Command3, m_scopeOn ? kOn : ActiveBorderColour());
    SetButtonOn(c.Command3, m_scopeOn);
    m_timeBase.setEnable(m_scopeOn);
    m_voltsPerDivision.setEnable(m_scopeOn);
    m_model.RecalcPending = true;
    if (c.Picture6)
        c.Picture6->update();
    FocusSchematic();
}

void Lab8Window::Text1_Change(int index)
{
    if (index < 0 || index >= Lab8Model::kElements || !c.Text1[std::size_t(index)])
        return;
    ParamBox *box = c.Text1[std::size_t(index)];
    float &stored = m_model.ElementValues[std::size_t(index)];
    Store(box, stored, ApplyEntryRule(box->text(), stored, kLab8ElementRule));
}

void Lab8Window::SourceText_Change(int source, int row)
{
    if (source < 0 || source >= Lab8Model::kSources || row < 0 || row > 2)
        return;
    ParamBox *box = c.source[std::size_t(source)][std::size_t(row)];
    if (!box)
        return;
    float &stored = m_model.SourceParams[std::size_t(row)][std::size_t(source)];
    Store(box, stored, row == Lab8Model::kMultiple ? ApplyMultipleRule(box->text(), stored)
                                                   : ApplyEntryRule(box->text(), stored, kLab8SourceRule));
}

void Lab8Window::Store(ParamBox *box, float &stored, const EntryResult &r)
{
    stored = r.value;
    if (r.recalc)
        m_model.RecalcPending = true;
    // A capped value rewrites the box, which runs its handler once more.
    if (r.rewrite)
        box->setText(*r.rewrite);
}

void Lab8Window::Picture10_Click()
{
    m_model.RecalcPending = true;
}

} // namespace ohmaris
