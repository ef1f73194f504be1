// K-50 measuring set panel: controls, range state and pointer drive.
#include "instruments/k50panel.h"

#include "instruments/face.h"
#include "shell/controls.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPalette>
#include <QPushButton>
#include <algorithm>

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

float Approach(float value, double target)
{
    return float(double(value) + 0.2 * (target - double(value)));
}

bool SelectorPopsUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, float value, int positions)
{
    return button == Qt::RightButton && knob::HelpPopupAllowed(modifiers, value, float(positions));
}

} // namespace k50

namespace {

constexpr QRgb kPanelBack = face::Rgb(192, 192, 192);
constexpr QRgb kSelected = face::Rgb(255, 255, 255);
const QString kSerif = QStringLiteral("Times New Roman");
constexpr double kMeterFont = 9.75;
constexpr double kButtonFont = 9.75;
constexpr double kDirectionFont = 12.0;

QPushButton *MakeButton(QWidget *parent, const QString &name, double x, double y, double w, double h,
                        const QString &caption, double points, bool bold)
{
    auto *b = PlaceControl<QPushButton>(parent, name, {x, y, w, h}, kSerif, points, bold);
    b->setText(caption);
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

QLabel *MakeLabel(QWidget *parent, const QString &name, double x, double y, double w, double h,
                  const QString &caption, bool bold)
{
    auto *l = PlaceControl<QLabel>(parent, name, {x, y, w, h}, kSerif, kButtonFont, bold);
    l->setText(caption);
    return l;
}

// The meters stand in three columns 2775 twips wide and 2175 high from 1560
// down. A meter is 0.9 times as high as it is wide, so one as wide as its
// column would reach past the panel's bottom edge: each is 2415 twips wide
// (2173.5 high, within its column's height) and centred in its column.
constexpr double kMeterColumn = 2775;
constexpr double kMeterTop = 1560;
constexpr double kMeterWidth = 2415;
constexpr double kMeterAspect = 0.9;

PictureBox *MakeMeterBox(QWidget *parent, const QString &name, double column)
{
    const double left = column + (kMeterColumn - kMeterWidth) / 2;
    return PlaceControl<PictureBox>(parent, name, {left, kMeterTop, kMeterWidth, kMeterAspect * kMeterWidth}, kSerif,
                                    kMeterFont);
}

// On a screen relatively wider than the design one the meters, scaled by
// the width, could again be too high for the panel, scaled by the height:
// such a meter is narrowed to what the panel's height leaves it, keeping its
// centre and the design's bottom margin.
void FitMeterInPanel(QWidget *box, const QWidget *panel, double marginPx)
{
    const double room = panel->height() - marginPx - box->y();
    if (room <= 0 || kMeterAspect * box->width() <= room + 1) // a pixel of rounding
        return;
    const int width = int(room / kMeterAspect);
    box->setGeometry(box->x() + (box->width() - width) / 2, box->y(), width, int(kMeterAspect * width));
}

void ConfigureMeter(Pribor &m, PictureBox *box, const QString &caption, float max, float big, float small,
                    int systema)
{
    m.setPicCtl(box);
    m.setCaption(caption);
    m.setMax(max);
    m.setMin(0);
    m.setBigchange(big);
    m.setSmallchange(small);
    m.setKlassT(0.5f);
    m.setShcala(1);
    m.setTok(2);
    m.setSystema(systema);
    m.setValue(0);
}

} // namespace

K50Panel::K50Panel(QWidget *client, HelpCallback help, QRectF place) : m_help(std::move(help))
{
    auto *panel = new PictureBox(client);
    m_picture2 = panel;
    SetDesign(panel, QStringLiteral("Picture2"), place.left(), place.top(), place.width(), place.height());
    SetDesignFont(panel, kSerif, kButtonFont);
    panel->setBackColor(QColor(kPanelBack));
    panel->setFocusPolicy(Qt::ClickFocus);
    panel->installEventFilter(this);
    panel->onMouseDown = [this](Qt::MouseButton b, Qt::KeyboardModifiers, QPointF) { Help(QStringLiteral("oK"), b); };

    m_label4 = MakeLabel(panel, QStringLiteral("Label4"), 480, 120, 4815, 255,
                         QStringLiteral("Измер. комплекс К-50"), true);
    m_label9 = MakeLabel(panel, QStringLiteral("Label9"), 5880, 1200, 2175, 255,
                         QStringLiteral("Направление мощности"), false);
    MakeLabel(panel, QStringLiteral("Label3"), 6120, 120, 375, 255, QStringLiteral("C"), true);
    MakeLabel(panel, QStringLiteral("Label2"), 6000, 480, 375, 255, QStringLiteral("B"), true);
    MakeLabel(panel, QStringLiteral("Label1"), 6120, 840, 375, 255, QStringLiteral("A"), true);
    m_label4->installEventFilter(this);
    m_label9->installEventFilter(this);

    static const std::array<QString, 3> voltCaptions{QStringLiteral("150 В"), QStringLiteral("300 В"),
                                                     QStringLiteral("450 В")};
    static const std::array<QString, 3> ampCaptions{QStringLiteral("1 А"), QStringLiteral("2,5 А"),
                                                    QStringLiteral("5 А")};
    for (int i = 0; i < 3; ++i) {
        QPushButton *v = MakeButton(panel, ArrayName(QStringLiteral("Command3"), i), 360 + 720 * i, 1080, 735, 375,
                                    voltCaptions[size_t(i)], kButtonFont, true);
        QPushButton *a = MakeButton(panel, ArrayName(QStringLiteral("Command2"), i), 3240 + 720 * i, 1080, 735, 375,
                                    ampCaptions[size_t(i)], kButtonFont, true);
        // The highest range of each row carries the window colour at design.
        SetButtonColour(v, i == 2 ? WindowBackColour() : ButtonFaceColour());
        SetButtonColour(a, i == 2 ? WindowBackColour() : ButtonFaceColour());
        connect(v, &QPushButton::clicked, this, [this, i] { Command3_Click(i); });
        connect(a, &QPushButton::clicked, this, [this, i] { Command2_Click(i); });
        v->installEventFilter(this);
        a->installEventFilter(this);
        m_command3[size_t(i)] = v;
        m_command2[size_t(i)] = a;
    }
    m_command1 = MakeButton(panel, QStringLiteral("Command1"), 8160, 1200, 375, 315, QStringLiteral("+"),
                            kDirectionFont, false);
    connect(m_command1.data(), &QPushButton::clicked, this, [this] { Command1_Click(); });
    m_command1->installEventFilter(this);

    auto *selectorBox = new PictureBox(panel);
    SetDesign(selectorBox, QStringLiteral("Picture11"), 6480, 240, 735, 735);

    PictureBox *v = MakeMeterBox(panel, QStringLiteral("Picture6"), 120);
    PictureBox *a = MakeMeterBox(panel, QStringLiteral("Picture7"), 3000);
    PictureBox *w = MakeMeterBox(panel, QStringLiteral("Picture8"), 5880);
    ConfigureMeter(m_voltmeter, v, QStringLiteral("V"), 150, 25, 5, 2);
    ConfigureMeter(m_ammeter, a, QStringLiteral("А"), 100, 10, 2, 2);
    ConfigureMeter(m_wattmeter, w, QStringLiteral("W"), 150, 25, 5, 3);
    v->onMouseDown = [this](Qt::MouseButton b, Qt::KeyboardModifiers, QPointF) { Help(QStringLiteral("oV"), b); };
    a->onMouseDown = [this](Qt::MouseButton b, Qt::KeyboardModifiers, QPointF) { Help(QStringLiteral("oA"), b); };
    w->onMouseDown = [this](Qt::MouseButton b, Qt::KeyboardModifiers, QPointF) { Help(QStringLiteral("oW"), b); };

    m_selector.setPicCtl(selectorBox);
    m_selector.setMin(225);
    m_selector.setMax(135);
    m_selector.setPolojenii(3);
    m_selector.setValue(1);
    m_selector.onMouseDown = [this](Qt::MouseButton b, Qt::KeyboardModifiers m) {
        const bool popup = k50::SelectorPopsUp(b, m, m_selector.Value(), m_selector.Polojenii());
        Help(QStringLiteral("oSS"), b == Qt::RightButton && !popup ? Qt::NoButton : b);
    };
    m_selector.onClick = [this] {
        if (SelectorClicked)
            SelectorClicked();
    };
    m_selector.onDblClick = m_selector.onClick;
}

K50Panel::~K50Panel()
{
    // The controls belong to the panel; the window may already have
    // destroyed them.
    delete m_picture2.data();
}

void K50Panel::Help(const QString &key, Qt::MouseButton button) const
{
    if (m_help)
        m_help(key, button);
}

bool K50Panel::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_picture2 && event->type() == QEvent::Resize) {
        // The bottom margin, scaled as the panel is from its design height.
        const double design = DesignRect(m_picture2).height();
        const double margin = design > 0 ? (design - kMeterTop - kMeterAspect * kMeterWidth) / design : 0;
        for (const char *name : {"Picture6", "Picture7", "Picture8"})
            if (auto *box = m_picture2->findChild<PictureBox *>(QLatin1String(name), Qt::FindDirectChildrenOnly))
                FitMeterInPanel(box, m_picture2, std::max(0.0, margin * m_picture2->height()));
        return QObject::eventFilter(watched, event);
    }
    if (event->type() != QEvent::MouseButtonPress && event->type() != QEvent::MouseButtonDblClick)
        return QObject::eventFilter(watched, event);
    const auto *me = static_cast<QMouseEvent *>(event);
    if (watched == m_label4 || watched == m_label9) {
        Help(QStringLiteral("oK"), me->button());
        return true;
    }
    QString key;
    if (watched == m_command1)
        key = QStringLiteral("oSSSS");
    for (int i = 0; i < 3; ++i)
        if (watched == m_command2[size_t(i)] || watched == m_command3[size_t(i)])
            key = QStringLiteral("oSSS");
    if (key.isEmpty())
        return QObject::eventFilter(watched, event);
    Help(key, me->button());
    // Only the left button presses a button; other presses stop here so
    // they do not reach the panel behind it.
    return me->button() != Qt::LeftButton;
}

void K50Panel::Highlight(const std::array<QPointer<QPushButton>, 3> &row, int index)
{
    // The clicked button white, its neighbours (the rest of the row) button face.
    HighlightRow(row, index, QColor(kSelected));
}

void K50Panel::FocusPanel()
{
    if (m_picture2)
        m_picture2->setFocus();
}

void K50Panel::Command1_Click()
{
    if (m_command1) {
        m_command1->setText(m_ranges.TogglePowerDirection(m_command1->text()));
    } else {
        m_ranges.TogglePowerDirection(m_ranges.PowerSign > 0 ? QStringLiteral("+") : QStringLiteral("-"));
    }
    FocusPanel();
}

void K50Panel::Command2_Click(int index)
{
    if (index < 0 || index > 2)
        return;
    m_ranges.SetCurrentRange(index);
    Highlight(m_command2, index);
    FocusPanel();
}

void K50Panel::Command3_Click(int index)
{
    if (index < 0 || index > 2)
        return;
    m_ranges.SetVoltageRange(index);
    Highlight(m_command3, index);
    FocusPanel();
}

int K50Panel::SelectedPhase() const
{
    const int k = int(face::RoundHalfEven(double(m_selector.Value())));
    return std::clamp(k, 1, 3);
}

void K50Panel::SetReadings(const std::array<float, 3> &u, const std::array<float, 3> &i,
                           const std::array<float, 3> &p)
{
    m_u = u;
    m_i = i;
    m_p = p;
}

void K50Panel::Tick(bool applyPowerSign)
{
    const size_t j = size_t(SelectedPhase() - 1);
    const k50::Targets t = k50::TargetsFor(m_ranges, m_u[j], m_i[j], m_p[j], applyPowerSign);
    m_voltmeter.setValue(k50::Approach(m_voltmeter.Value(), t.voltmeter));
    m_ammeter.setValue(k50::Approach(m_ammeter.Value(), t.ammeter));
    m_wattmeter.setValue(k50::Approach(m_wattmeter.Value(), t.wattmeter));
}

} // namespace ohmaris
