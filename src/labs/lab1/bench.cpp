// Lab 1 bench window: controls, load steps, handlers, the timer tick and the
// schematic drawing.
#include "labs/lab1/bench.h"

#include "calc/entry.h"
#include "calc/phasor.h"
#include "shell/controls.h"
#include "shell/picturebox.h"
#include "shell/schematic.h"
#include "shell/shell.h"

#include <QApplication>
#include <QEvent>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <cmath>

namespace ohmaris {

namespace {

const QString kFont = QStringLiteral("Times New Roman");

// Parameter boxes: magnitude, no offset, capped at one million.
const EntryRule kElementEntry{0.0, 1000000.0f, false};

// Help keys of the click areas Image1(0..17).
const std::array<const char *, kLab1AreaCount> kImage1Keys{
    "oR", "oR", "oE", "oR", "oA", "oR", "oE", "oR", "oA",
    "oR", "oR", "oA", "oV", "oS", "oS", "oS", "oS", "oS"};

struct MeterSetup {
    const char *box;
    const char *caption;
    float max;
    float min;
    float smallchange;
    float bigchange;
    const char *helpKey;
};
// Picture2..Picture5: A1, A3, A2, V.
constexpr std::array<MeterSetup, 4> kMeters{{
    {"Picture2", "A1", 1.5f, -1.5f, 0.1f, 0.5f, "oA"},
    {"Picture3", "A3", 2.0f, 0.0f, 0.05f, 0.5f, "oA"},
    {"Picture4", "A2", 1.5f, -1.5f, 0.1f, 0.5f, "oA"},
    {"Picture5", "V", 25.0f, -25.0f, 1.0f, 5.0f, "oV"},
}};
constexpr std::array<double, 4> kMeterLeft{240, 3960, 7680, 11400};

// Parameter rows: fixed letter text, subscript, design font of the letter.
const std::array<const char *, 7> kLabel1Text{"E   =", "R    =", "E   =", "R    =", "R   =", "R   =", "R   ="};
const std::array<const char *, 7> kLabel2Text{"1", "01", "2", "02", "1", "2", "3"};

// Drawing in the schematic's twips: black lines two pixels wide.
class Sketch {
public:
    Sketch(QPainter &p, const QFont &base, double points) : m_p(p), m_base(base), m_points(points)
    {
        m_p.setPen(QPen(Qt::black, 2 * kTwipsPerPixel, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        m_p.setBrush(Qt::NoBrush);
    }
    void Line(QPointF a, QPointF b) { m_p.drawLine(a, b); }
    void Box(QPointF a, QPointF b) { m_p.drawRect(QRectF(a, b).normalized()); }
    void Circle(QPointF c, double r) { m_p.drawEllipse(c, r, r); }
    void Dot(QPointF c, double r)
    {
        m_p.save();
        m_p.setBrush(Qt::black);
        m_p.drawEllipse(c, r, r);
        m_p.restore();
    }
    QSizeF TextSize(const QString &s) const
    {
        const QFontMetricsF fm(TwipsFont(m_base, m_points));
        return {fm.horizontalAdvance(s), fm.height()};
    }
    // Text placed by its top-left corner.
    void Text(QPointF topLeft, const QString &s)
    {
        const QFont f = TwipsFont(m_base, m_points);
        m_p.setFont(f);
        m_p.drawText(QPointF(topLeft.x(), topLeft.y() + QFontMetricsF(f).ascent()), s);
    }
    void Label(QPointF topLeft, const QString &letter, const QString &index)
    {
        DrawSubscriptLabel(m_p, topLeft, m_base, m_points, letter, index);
    }
    // Letter and index just right of a symbol, centred on y.
    void LabelRight(double x, double y, const QString &letter, const QString &index)
    {
        Label(QPointF(x, y - TextSize(letter).height() / 2), letter, index);
    }
    // Letter centred in a circle, index following it.
    void LabelCentred(QPointF c, const QString &letter, const QString &index)
    {
        const QSizeF t = TextSize(letter);
        Label(QPointF(c.x() - t.width() / 2, c.y() - t.height() / 2), letter, index);
    }

private:
    QPainter &m_p;
    QFont m_base;
    double m_points;
};

} // namespace

Form1::Form1()
    : LabWindow(LabSetup(1))
{
}

LabWindow *CreateLab1Window()
{
    return new Form1;
}

Lab1Sheet Form1::sheet() const
{
    Lab1Sheet s;
    s.u = m_drawUnit;
    if (m_picture1) {
        s.W = m_picture1->width() * kTwipsPerPixel;
        s.H = m_picture1->height() * kTwipsPerPixel;
    }
    return s;
}

void Form1::BuildControls(QWidget *client)
{
    for (std::size_t i = 0; i < kMeters.size(); ++i) {
        auto *box = new PictureBox(client);
        SetDesign(box, QLatin1String(kMeters[i].box), kMeterLeft[i], 120, 3495, 3135);
        SetDesignFont(box, kFont, 9.75);
        const QString key = QLatin1String(kMeters[i].helpKey);
        box->onMouseDown = [this, key](Qt::MouseButton b, Qt::KeyboardModifiers, QPointF) {
            Picture_MouseDown(key, b);
        };
        m_meterBoxes[i] = box;
    }

    m_picture1 = new PictureBox(client);
    SetDesign(m_picture1, QStringLiteral("Picture1"), 240, 3840, 11055, 5775);
    SetDesignFont(m_picture1, kFont, 14.25);
    m_picture1->onPaint = [this](QPainter &p) { Picture1_Paint(p); };
    for (int i = 0; i < kLab1AreaCount; ++i) {
        auto *area = new ClickArea(m_picture1);
        area->setObjectName(ArrayName(QStringLiteral("Image1"), i));
        area->onMouseDown = [this, i](Qt::MouseButton b, Qt::KeyboardModifiers) { Image1_MouseDown(i, b); };
        m_image1[std::size_t(i)] = area;
    }

    m_picture16 = new PictureBox(client);
    SetDesign(m_picture16, QStringLiteral("Picture16"), 11880, 3480, 2535, 1695);
    SetDesignFont(m_picture16, kFont, 14.25);
    m_picture16->onPaint = [this](QPainter &p) { Picture16_Paint(p); };
    m_picture15 = new PictureBox(m_picture16);
    SetDesign(m_picture15, QStringLiteral("Picture15"), 960, 480, 735, 735);

    auto *frame = new QGroupBox(client);
    SetDesign(frame, QStringLiteral("Frame1"), 11640, 5400, 3255, 4095);
    SetDesignFont(frame, kFont, 12);
    for (int i = 0; i < 7; ++i) {
        const double top = 480 + 480 * i;
        auto *letter = new QLabel(QString::fromLatin1(kLabel1Text[std::size_t(i)]), frame);
        SetDesign(letter, ArrayName(QStringLiteral("Label1"), i), 240, top, 960, 375);
        SetDesignFont(letter, kFont, 14.25);
        auto *unit = new QLabel(frame);
        SetDesign(unit, ArrayName(QStringLiteral("Label3"), i), 2280, top, 855, 375);
        SetDesignFont(unit, kFont, 14.25);
        auto *box = new ParamBox(frame, ParamBox::Filter::Decimal);
        SetDesign(box, ArrayName(QStringLiteral("Text1"), i), 1200, top, 975, 375);
        SetDesignFont(box, kFont, 12);
        connect(box, &QLineEdit::textChanged, this, [this, i] { Text1_Change(i); });
        m_text1[std::size_t(i)] = box;
        // The subscript sits just right of the letter and a little lower.
        auto *index = new QLabel(QString::fromLatin1(kLabel2Text[std::size_t(i)]), frame);
        SetDesign(index, ArrayName(QStringLiteral("Label2"), i), 405, top + 150, 330, 270);
        SetDesignFont(index, kFont, 12);
        index->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        MarkOverlay(index);
    }
}

void Form1::FormLoad()
{
    m_drawUnit = Lab1DrawUnit(m_picture1->width() * kTwipsPerPixel);

    const std::array<Pribor *, 4> meters{&m_a1, &m_a3, &m_a2, &m_v};
    for (std::size_t i = 0; i < meters.size(); ++i) {
        Pribor &m = *meters[i];
        const MeterSetup &s = kMeters[i];
        m.setPicCtl(m_meterBoxes[i]);
        m.setCaption(QLatin1String(s.caption));
        m.setKlassT(1.5f);
        m.setShcala(1);
        m.setSystema(1);
        m.setTok(1);
        m.setMax(s.max);
        m.setMin(s.min);
        m.setSmallchange(s.smallchange);
        m.setBigchange(s.bigchange);
        m.setValue(0.0f);
    }

    m_model.Reset();
    m_selector.setPicCtl(m_picture15);
    m_selector.setMax(315.0f);
    m_selector.setMin(45.0f);
    m_selector.setPolojenii(5);
    m_selector.setValue(1.0f);
    m_selector.onMouseDown = [this](Qt::MouseButton b, Qt::KeyboardModifiers m) { Picture15_MouseDown(b, m); };
    m_selector.onClick = [this] { Picture15_Click(); };
    m_selector.onDblClick = [this] { Picture15_Click(); };
    m_model.SwitchState[kLab1Selector] = std::int16_t(std::lrint(m_selector.Value()));

    for (int i = 0; i < 7; ++i) {
        m_model.ElementValues[std::size_t(i)] = kLab1Defaults[std::size_t(i)];
        m_text1[std::size_t(i)]->setText(GeneralNumber(double(kLab1Defaults[std::size_t(i)])));
    }
    m_model.RecalcPending = true;
    LayoutImage1();
}

void Form1::FormUnload()
{
    m_picture1 = m_picture16 = m_picture15 = nullptr;
    m_meterBoxes.fill(nullptr);
    m_image1.fill(nullptr);
    m_text1.fill(nullptr);
}

void Form1::Timer1_Timer()
{
    if (m_selector.Changed()) {
        m_model.SwitchState[kLab1Selector] = std::int16_t(std::lrint(m_selector.Value()));
        LayoutImage1();
        RedrawPicture1();
        m_selector.setChanged(false);
    }
    if (m_model.RecalcPending)
        m_model.ComputeCircuit();
    const Lab1Meters t = Lab1MeterTargets(m_model);
    m_a1.setValue(MeterStep(m_a1.Value(), t.A1));
    m_a3.setValue(MeterStep(m_a3.Value(), t.A3));
    m_a2.setValue(MeterStep(m_a2.Value(), t.A2));
    m_v.setValue(MeterStep(m_v.Value(), t.V));
}

void Form1::Image1_MouseDown(int index, Qt::MouseButton button)
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

void Form1::Picture_MouseDown(const QString &key, Qt::MouseButton button)
{
    ContextHelp(key, button);
}

void Form1::Picture15_MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift)
{
    ContextHelp(QStringLiteral("oSS"), button, knob::HelpPopupAllowed(shift, m_selector.Value(), 1.0f));
}

void Form1::Picture15_Click()
{
    m_model.RecalcPending = true;
}

void Form1::Text1_Change(int index)
{
    ParamBox *box = m_text1[std::size_t(index)];
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

void Form1::RedrawPicture1()
{
    if (m_picture1)
        m_picture1->update();
}

void Form1::LayoutImage1()
{
    if (!m_picture1)
        return;
    const auto areas = Lab1ClickAreas(sheet(), m_model.SwitchState[kLab1Selector]);
    for (std::size_t i = 0; i < areas.size(); ++i) {
        const QRectF &r = areas[i];
        m_image1[i]->setGeometry(QRectF(r.left() / kTwipsPerPixel, r.top() / kTwipsPerPixel,
                                        r.width() / kTwipsPerPixel, r.height() / kTwipsPerPixel)
                                     .toAlignedRect());
        m_image1[i]->raise();
    }
}

void Form1::Picture1_Paint(QPainter &p)
{
    const Lab1Sheet s = sheet();
    const double u = s.u;
    const double W = s.W;
    const double H = s.H;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    BeginTwips(p);
    p.fillRect(QRectF(0, 0, W, H), m_picture1->palette().color(QPalette::Window));
    const double F = m_picture1->font().pointSizeF();
    Sketch d(p, m_picture1->font(), F);
    const double r = 4 * u;
    const double dot = 0.4 * u;
    const auto X = [&](double units) { return units * u; };
    const auto Y = [&](double units) { return s.Y(units); };
    const double x4 = Lab1PathX(s, 4);
    const double x5 = Lab1PathX(s, 5);

    // Bottom rail, node d.
    d.Line(QPointF(X(6), Y(4)), QPointF(W - X(10), Y(4)));
    for (double x : {X(18), X(54), x4})
        d.Dot(QPointF(x, Y(4)), dot);
    d.Text(QPointF(X(54), Y(4)), QStringLiteral("d"));

    // A source path: R0 box, EMF with its arrow, up to the switch.
    const auto sourcePath = [&](double x, const QString &rIndex, const QString &eIndex) {
        d.Line(QPointF(x, Y(4)), QPointF(x, Y(8)));
        d.Box(QPointF(x - X(2), Y(8)), QPointF(x + X(2), Y(16)));
        d.LabelRight(x + X(2.5), Y(12), QStringLiteral("R"), rIndex);
        d.Line(QPointF(x, Y(16)), QPointF(x, Y(20)));
        d.Circle(QPointF(x, Y(24)), r);
        d.Line(QPointF(x, Y(21.6)), QPointF(x, Y(26.4)));
        d.Line(QPointF(x - X(0.8), Y(24)), QPointF(x, Y(26.4)));
        d.Line(QPointF(x + X(0.8), Y(24)), QPointF(x, Y(26.4)));
        d.LabelRight(x + r + X(0.5), Y(24), QStringLiteral("E"), eIndex);
        d.Line(QPointF(x, Y(28)), QPointF(x, Y(32)));
    };
    // A bare internal resistance path.
    const auto resistancePath = [&](double x, const QString &rIndex) {
        d.Line(QPointF(x, Y(4)), QPointF(x, Y(12)));
        d.Box(QPointF(x - X(2), Y(12)), QPointF(x + X(2), Y(20)));
        d.LabelRight(x + X(2.5), Y(16), QStringLiteral("R"), rIndex);
        d.Line(QPointF(x, Y(20)), QPointF(x, Y(32)));
    };
    resistancePath(X(6), QStringLiteral("01"));
    sourcePath(X(18), QStringLiteral("01"), QStringLiteral("1"));
    // Branch 3: R3 and the ammeter A3.
    d.Line(QPointF(X(54), Y(4)), QPointF(X(54), Y(8)));
    d.Box(QPointF(X(52), Y(8)), QPointF(X(56), Y(16)));
    d.LabelRight(X(56.5), Y(12), QStringLiteral("R"), QStringLiteral("3"));
    d.Line(QPointF(X(54), Y(16)), QPointF(X(54), Y(20)));
    d.Circle(QPointF(X(54), Y(24)), r);
    d.LabelCentred(QPointF(X(54), Y(24)), QStringLiteral("A"), QStringLiteral("3"));
    d.Text(QPointF(X(54.6), Y(28) - d.TextSize(QStringLiteral("+")).height()), QStringLiteral("+"));
    d.Line(QPointF(X(54), Y(28)), QPointF(X(54), Y(32)));
    sourcePath(x4, QStringLiteral("02"), QStringLiteral("2"));
    resistancePath(x5, QStringLiteral("02"));

    // Switches: stub to the pivot, label, and the wire from the contact up
    // to the top rail.
    for (int k = 1; k <= 5; ++k) {
        const double x = Lab1PathX(s, k);
        d.Line(QPointF(x, Y(32)), QPointF(x, Y(34)));
        d.Label(QPointF(x + X(1), Y(38)), QStringLiteral("S"), QString::number(k));
        d.Line(QPointF(x, Y(40)), QPointF(x, Y(48)));
    }

    // Top rail: a, A1, R1, b, R2, A2, c.
    const QString plus = QStringLiteral("+");
    const QSizeF plusSize = d.TextSize(plus);
    d.Line(QPointF(X(6), Y(48)), QPointF(X(26), Y(48)));
    d.Dot(Lab1NodeA(s), dot);
    d.Text(QPointF(X(18), Y(48) - d.TextSize(QStringLiteral("a")).height()), QStringLiteral("a"));
    d.Circle(QPointF(X(30), Y(48)), r);
    d.LabelCentred(QPointF(X(30), Y(48)), QStringLiteral("A"), QStringLiteral("1"));
    d.Text(QPointF(X(26) - plusSize.width(), Y(48) - plusSize.height()), plus);
    d.Line(QPointF(X(34), Y(48)), QPointF(X(42), Y(48)));
    d.Box(QPointF(X(42), Y(50)), QPointF(X(50), Y(46)));
    const auto above = [&](double cx, const QString &index) {
        const QSizeF t = SubscriptLabelSize(m_picture1->font(), F, QStringLiteral("R"), index);
        d.Label(QPointF(cx - t.width() / 2, Y(50) - t.height()), QStringLiteral("R"), index);
    };
    above(X(46), QStringLiteral("1"));
    d.Line(QPointF(X(50), Y(48)), QPointF(X(58), Y(48)));
    d.Dot(Lab1NodeB(s), dot);
    d.Text(QPointF(X(54.3), Y(48) - d.TextSize(QStringLiteral("b")).height()), QStringLiteral("b"));
    d.Box(QPointF(X(58), Y(50)), QPointF(X(66), Y(46)));
    above(X(62), QStringLiteral("2"));
    d.Line(QPointF(X(66), Y(48)), QPointF(X(74), Y(48)));
    d.Circle(QPointF(X(78), Y(48)), r);
    d.LabelCentred(QPointF(X(78), Y(48)), QStringLiteral("A"), QStringLiteral("2"));
    d.Text(QPointF(X(82), Y(48) - plusSize.height()), plus);
    d.Line(QPointF(X(82), Y(48)), QPointF(W - X(10), Y(48)));
    d.Dot(Lab1NodeC(s), dot);
    d.Text(QPointF(x4 + X(0.3), Y(48) - d.TextSize(QStringLiteral("c")).height()), QStringLiteral("c"));

    // Voltmeter where the selector puts it; "+" beside the first node's lead.
    const Lab1VoltmeterPlace vm = Lab1VoltmeterAt(s, m_model.SwitchState[kLab1Selector]);
    d.Circle(vm.centre, r);
    d.LabelCentred(vm.centre, QStringLiteral("V"), QString());
    for (std::size_t k = 0; k < 2; ++k) {
        d.Line(vm.stub[k].p1(), vm.stub[k].p2());
        d.Line(vm.lead[k].p1(), vm.lead[k].p2());
    }
    const QLineF first = vm.stub[0];
    const QPointF mid = (first.p1() + first.p2()) / 2;
    if (first.dx() == 0.0) // top lead: "+" to its right
        d.Text(QPointF(mid.x() + X(0.4), mid.y() - plusSize.height() / 2), plus);
    else                   // side lead: "+" above it
        d.Text(QPointF(mid.x() - plusSize.width() / 2, mid.y() - plusSize.height()), plus);

    // Switch blades in red.
    for (int k = 1; k <= 5; ++k) {
        const QLineF blade = Lab1SwitchBlade(s, k, m_model.SwitchState[std::size_t(k - 1)]);
        DrawSwitchBlade(p, blade.p1(), blade.length(), m_model.SwitchState[std::size_t(k - 1)]);
    }
    p.restore();
}

void Form1::Picture16_Paint(QPainter &p)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    BeginTwips(p);
    const double W = m_picture16->width() * kTwipsPerPixel;
    const double H = m_picture16->height() * kTwipsPerPixel;
    p.fillRect(QRectF(0, 0, W, H), m_picture16->palette().color(QPalette::Window));
    const QFont font = TwipsFont(m_picture16->font(), m_picture16->font().pointSizeF());
    const QFontMetricsF fm(font);
    p.setFont(font);
    p.setPen(Qt::black);
    const QRectF knob(m_picture15->x() * kTwipsPerPixel, m_picture15->y() * kTwipsPerPixel,
                      m_picture15->width() * kTwipsPerPixel, m_picture15->height() * kTwipsPerPixel);
    const double L = knob.left(), T = knob.top(), w = knob.width(), h = knob.height();
    const auto put = [&](const QString &s, double x, double y) {
        p.drawText(QPointF(x, y + fm.ascent()), s);
    };
    const auto tw = [&](const QString &s) { return fm.horizontalAdvance(s); };
    const double th = fm.height();
    put(QStringLiteral("ab"), L + w, T + 0.1 * h - th / 2);
    put(QStringLiteral("ad"), L + 0.25 * w - tw(QStringLiteral("ad")) / 2, T - th);
    put(QStringLiteral("bd"), L - 1.1 * tw(QStringLiteral("bd")), T + 0.5 * h - th / 2);
    put(QStringLiteral("cb"), L + 0.25 * w - tw(QStringLiteral("cb")) / 2, T + h);
    put(QStringLiteral("cd"), L + w, T + 0.9 * h - th / 2);
    p.restore();
}

} // namespace ohmaris
