// SPDX-License-Identifier: GPL-3.0-or-later
// Pointer meter: scale geometry, property rules and the drawing of the face.
#include "instruments/pribor.h"

#include "calc/entry.h"
#include "calc/meterdrive.h"
#include "calc/phasor.h"
#include "instruments/accessible.h"
#include "instruments/face.h"
#include "shell/accessible.h"
#include "shell/spoken.h"

#include <QAccessible>
#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace ohmaris {

namespace meter {

double HalfAngle(double w, double h)
{
    return std::atan(0.48 * w / h);
}

double ValueAngle(const Scale &s, double halfAngle, double x)
{
    double f = (x - double(s.Min)) / (double(s.Max) - double(s.Min));
    if (s.Shcala == 2)
        f = f * f;
    return (kHalfPi + halfAngle) - 2.0 * halfAngle * f;
}

Geometry GeometryFor(double w, double h)
{
    Geometry g;
    g.w = w;
    g.h = h;
    g.cx = 0.5 * w;
    g.cy = -0.12 * h;
    g.r = 0.82 * h;
    g.a = HalfAngle(w, h);
    return g;
}

QPointF RayPoint(const Geometry &g, double f, double theta)
{
    return {g.cx + f * g.r * std::cos(theta), g.cy + f * g.r * std::sin(theta)};
}

QPointF LabelTopLeft(const Geometry &g, double theta, double label, double tw, double th)
{
    const double d = label < 0 ? 0.45 : 0.0;
    const QPointF at = RayPoint(g, kLabelRadius, theta);
    return {at.x() - (0.7 - d) * tw, at.y() + 0.3 * th};
}

namespace {

// The white of the dial, in the face's pixels (y down): inside the case's
// strips on the left, top and right, above the lower panel.
QRectF DialArea(const Geometry &g)
{
    return QRectF(QPointF(0.01 * g.w, 0.01 * g.h), QPointF(0.99 * g.w, (1.0 - 0.44) * g.h));
}

// A point of the face (y up) in its pixels (y down).
QPointF Down(const Geometry &g, QPointF up)
{
    return {up.x(), g.h - up.y()};
}

// Whether the segment a-b passes through the rectangle.
bool SegmentMeets(QPointF a, QPointF b, const QRectF &r)
{
    // Clipped against the rectangle's four sides in turn (Liang-Barsky).
    double t0 = 0, t1 = 1;
    const double dx = b.x() - a.x(), dy = b.y() - a.y();
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {a.x() - r.left(), r.right() - a.x(), a.y() - r.top(), r.bottom() - a.y()};
    for (int k = 0; k < 4; ++k) {
        if (p[k] == 0) {
            if (q[k] < 0)
                return false;
            continue;
        }
        const double t = q[k] / p[k];
        if (p[k] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1)
            return false;
    }
    return true;
}

// Numbers stand clear of each other and of the ticks by this much (pixels).
constexpr double kLabelClearance = 1.0;
// The smallest size of a scale's numbers (points).
constexpr double kSmallestLabel = 5.0;

} // namespace

std::vector<ScaleLabel> ScaleLabels(const Geometry &g, const Scale &s, const QFont &font)
{
    std::vector<ScaleLabel> labels;
    const QFontMetricsF fm(font);
    for (const Tick &t : Ticks(s, g.a)) {
        if (!t.major || !t.labelled)
            continue;
        ScaleLabel l;
        l.value = t.label;
        l.text = face::NumberText(t.label);
        const QString bare = GeneralNumber(t.label);
        l.topLeft = LabelTopLeft(g, t.theta, t.label, fm.horizontalAdvance(bare), fm.height());
        // The digits follow the blank; the text's top lies an ascent above
        // its baseline.
        const double before = fm.horizontalAdvance(l.text) - fm.horizontalAdvance(bare);
        const QPointF baseline = Down(g, l.topLeft) + QPointF(before, fm.ascent());
        l.ink = fm.tightBoundingRect(bare).translated(baseline);
        labels.push_back(l);
    }
    return labels;
}

QStringList ScaleLabelFaults(const Geometry &g, const Scale &s, const std::vector<ScaleLabel> &labels)
{
    QStringList faults;
    const double m = kLabelClearance / 2;
    const QRectF dial = DialArea(g);
    const std::vector<Tick> ticks = Ticks(s, g.a);
    for (std::size_t i = 0; i < labels.size(); ++i) {
        const ScaleLabel &l = labels[i];
        const QRectF around = l.ink.adjusted(-m, -m, m, m);
        const QString name = l.text.trimmed();
        if (!dial.contains(l.ink))
            faults << QStringLiteral("%1 leaves the dial").arg(name);
        for (std::size_t j = i + 1; j < labels.size(); ++j)
            if (around.intersects(labels[j].ink.adjusted(-m, -m, m, m)))
                faults << QStringLiteral("%1 touches %2").arg(name, labels[j].text.trimmed());
        for (const Tick &t : ticks) {
            if (!t.drawn)
                continue;
            const double inner = t.major ? kMajorInner : kMinorInner;
            const double outer = t.major ? kMajorOuter : kMinorOuter;
            if (SegmentMeets(Down(g, RayPoint(g, inner, t.theta)), Down(g, RayPoint(g, outer, t.theta)), around)) {
                faults << QStringLiteral("%1 lies on a tick").arg(name);
                break;
            }
        }
    }
    return faults;
}

QFont ScaleLabelFont(const Geometry &g, const Scale &s, const QFont &face)
{
    // The face's own size where the numbers stand clear in it; else half a
    // point smaller at a time, down to kSmallestLabel: on a small face the
    // numbers of a finely divided scale would run together, lie on their
    // ticks and be cut by the dial's edge.
    QFont font = face;
    while (font.pointSizeF() - 0.5 >= kSmallestLabel && !ScaleLabelFaults(g, s, ScaleLabels(g, s, font)).isEmpty())
        font.setPointSizeF(font.pointSizeF() - 0.5);
    return font;
}

ValueLimits Limits(const Scale &s)
{
    ValueLimits l;
    l.low = float(double(s.Min) - 3.0 * double(s.Smallchange));
    l.high = float(double(s.Max) + double(4 - s.Shcala) * double(s.Smallchange));
    return l;
}

float ClampValue(const Scale &s, float v)
{
    const ValueLimits l = Limits(s);
    if (v < l.low)
        v = l.low;
    if (v > l.high)
        v = l.high;
    return v;
}

std::vector<Tick> Ticks(const Scale &s, double halfAngle)
{
    std::vector<Tick> ticks;
    // The loop variable counts tenths of scale units in a 32-bit float, its
    // end and step rounded to 32 bits like the variable itself.
    const float end = float(10.0 * (double(s.Max) - double(s.Min)));
    const float step = float(10.0 * double(s.Smallchange));
    if (!(step > 0.0f) || !std::isfinite(end) || double(end) / double(step) > kMaxTicks)
        return ticks;
    // Beyond the tick count no ratio can make a second major tick anyway.
    const int ratio = int(std::min(face::RoundHalfEven(double(s.Bigchange) / double(s.Smallchange)),
                                   double(kMaxTicks + 2)));
    int c = ratio;
    int g = 0;
    if (s.Shcala == 1)
        g = s.Systema == 2 ? 231 : 5;
    const double firstFiveDegrees = kHalfPi + halfAngle - kPi / 36.0;
    ticks.reserve(size_t(double(end) / double(step)) + 2);
    for (float t = 0.0f; t <= end; t = float(double(t) + double(step))) {
        double f = double(t) / double(end);
        if (s.Shcala == 2)
            f = f * f;
        Tick k;
        k.theta = (kHalfPi + halfAngle) - 2.0 * halfAngle * f;
        ++c;
        if (c >= ratio) {
            if (s.Shcala == 2)
                ++g;
            k.major = true;
            k.drawn = true;
            k.label = face::RoundPlaces(double(t) / 10.0 + double(s.Min), 1);
            k.labelled = g > 3 || g == 1;
            c = 0;
        } else {
            const bool skipped = g == 231 && k.theta > firstFiveDegrees;
            k.drawn = !skipped && g > 3;
        }
        ticks.push_back(k);
        if (int(ticks.size()) > kMaxTicks + 1)
            break;
    }
    return ticks;
}

} // namespace meter

namespace {

constexpr QRgb kMinorTickColour = face::Rgb(0, 0, 255);
constexpr QRgb kNeedleTipColour = face::Rgb(255, 0, 0);
constexpr QRgb kPanelColour = face::Rgb(115, 115, 115);
constexpr QRgb kStripColour = face::Rgb(105, 105, 105);
constexpr QRgb kBorderColour = face::Rgb(0, 0, 0);
constexpr double kAspect = 0.9; // face height / width
// The grey lower panel of the case covers this part of the face's height:
// the pointer shows only above it.
constexpr double kPanelHeight = 0.44;
// A pointer's repaint is asked for in this many pieces along its visible
// length, each a little wider than the pointer's pen and its smoothing.
constexpr int kPointerPieces = 4;
constexpr int kPointerMargin = 3;
// How far under the band the pointer's drawn part begins (pixels): its round
// end and smoothing stay under the panel.
constexpr double kPointerHidden = 4;
// A tip closer to its target than this (pixels) stops there.
constexpr double kStopDistance = 0.1;

QSize FaceSize(const QWidget *box)
{
    return {std::max(1, box->width() - 2), std::max(1, box->height() - 2)};
}

// The face's base font: the box's, at its size rounded to whole points.
QFont FaceFont(const QFont &boxFont)
{
    QFont font = boxFont;
    font.setPointSize(std::max(1, int(std::lround(boxFont.pointSizeF()))));
    return font;
}

// Where the pointer can show, in the face's pixels: the face above the
// lower panel, and a row more for its top edge rounded to whole pixels.
QRectF PointerBand(const QSize &face)
{
    return {0, 0, double(face.width()), std::ceil((1.0 - kPanelHeight) * face.height()) + 1};
}

// The radius factor at which the pointer at angle theta crosses the face's
// pixel row `row` (counted down from the face's top), between the pivot and
// the tip.
double PointerEntry(const meter::Geometry &g, double theta, double row)
{
    const double rise = std::max(std::sin(theta), 0.05) * g.r;
    return std::clamp((g.h - row - g.cy) / rise, 0.0, meter::kNeedleTip);
}

} // namespace

// The face covers the whole box: nothing behind it needs painting.
Pribor::Pribor(QObject *parent) : Instrument({.opaque = true, .repaintOnBind = true}, parent) {}

Pribor::~Pribor() = default;

int Pribor::ShapeHeight(int width) const
{
    return int(std::lround(kAspect * width));
}

void Pribor::Bound(PictureBox *box)
{
    // A face drawn for another box is given back, and so is this one's when
    // the box goes away (its window closed): a closed lab keeps no faces.
    ReleaseFace();
    if (box)
        Track(connect(box, &QObject::destroyed, this, &Pribor::ReleaseFace));
}

void Pribor::FaceChanged()
{
    m_faceValid = false;
    Repaint();
    Q_EMIT scaleChanged();
}

void Pribor::setShcala(int v)
{
    if ((v != 1 && v != 2) || v == m_scale.Shcala)
        return;
    m_scale.Shcala = short(v);
    FaceChanged();
}

void Pribor::setSystema(int v)
{
    if (v < 1 || v > 3 || v == m_scale.Systema)
        return;
    m_scale.Systema = short(v);
    FaceChanged();
}

void Pribor::setKlassT(float v)
{
    if (v == m_klass)
        return;
    m_klass = v;
    FaceChanged();
}

void Pribor::setTok(int v)
{
    if ((v != 1 && v != 2) || v == m_tok)
        return;
    m_tok = short(v);
    FaceChanged();
}

void Pribor::setMax(float v)
{
    if (!std::isfinite(v) || !(v > m_scale.Min) || v == m_scale.Max)
        return;
    m_scale.Max = v;
    FaceChanged();
}

void Pribor::setMin(float v)
{
    if (!std::isfinite(v) || !(v < m_scale.Max) || v == m_scale.Min)
        return;
    m_scale.Min = v;
    FaceChanged();
}

void Pribor::setSmallchange(float v)
{
    if (!std::isfinite(v) || !(v > 0.0f) || !(v < m_scale.Bigchange) || v == m_scale.Smallchange)
        return;
    m_scale.Smallchange = v;
    FaceChanged();
}

void Pribor::setBigchange(float v)
{
    if (!std::isfinite(v) || !(v > m_scale.Smallchange) || v == m_scale.Bigchange)
        return;
    m_scale.Bigchange = v;
    FaceChanged();
}

void Pribor::setUnit(const QString &v)
{
    if (v == m_unit)
        return;
    m_unit = v;
    Q_EMIT scaleChanged();
}

void Pribor::setRange(float v)
{
    if (!std::isfinite(v) || v < 0.0f || v == m_range)
        return;
    m_range = v;
    Q_EMIT scaleChanged();
    // The pointer stands where it stood; it reads differently.
    if (m_atRest && QAccessible::isActive())
        TellValue(m_box, Reading().value);
}

bool Pribor::MovePointer(float v)
{
    // A value that is not a finite number would take the pointer off the face.
    if (!std::isfinite(v))
        return false;
    v = meter::ClampValue(m_scale, v);
    if (v == m_value)
        return false;
    const float old = m_value;
    m_value = v;
    RepaintPointer(old, v);
    Q_EMIT valueChanged(m_value);
    return true;
}

void Pribor::SetAtRest(bool atRest)
{
    if (atRest == m_atRest)
        return;
    m_atRest = atRest;
    Q_EMIT atRestChanged(m_atRest);
    // A screen reader hears of a reading when the pointer has come to rest,
    // not at every step.
    if (m_atRest && QAccessible::isActive())
        TellValue(m_box, Reading().value);
}

void Pribor::setValue(float v)
{
    MovePointer(v);
    SetAtRest(true);
}

QAccessibleInterface *Pribor::CreateAccessible(PictureBox *box)
{
    return MeterAccessible(box, this);
}

QString Pribor::DefaultSpokenName() const
{
    const QString kind = MeterKind(m_unit);
    const QString label = SpokenLabel(Name(), SpokenLanguage());
    return kind.isEmpty() ? label : kind + QLatin1Char(' ') + label;
}

InstrumentReading Pribor::Reading() const
{
    InstrumentReading r = MeterReadingAt(double(m_value), double(m_scale.Min), double(m_scale.Max),
                                         double(m_scale.Smallchange), double(m_klass), double(m_range), m_unit);
    r.name = Name();
    return r;
}

double Pribor::TipDistance(double v) const
{
    if (!m_box)
        return 0.0;
    const QSize face = FaceSize(m_box);
    const meter::Geometry g = meter::GeometryFor(face.width(), face.height());
    const meter::ValueLimits l = meter::Limits(m_scale);
    v = std::clamp(v, double(l.low), double(l.high));
    const double turn = meter::ValueAngle(m_scale, g.a, v) - meter::ValueAngle(m_scale, g.a, double(m_value));
    return std::fabs(turn) * meter::kNeedleTip * g.r;
}

float Pribor::StepValue(double target) const
{
    if (m_box && TipDistance(target) < kStopDistance)
        return float(target);
    return MeterStep(m_value, target);
}

void Pribor::StepTowards(double target)
{
    const bool moved = MovePointer(StepValue(target));
    // Where the pointer stops for good: on the target, or at the end of the
    // scale a target beyond it pins it to.
    const bool onTarget = std::isfinite(target) && m_value == meter::ClampValue(m_scale, float(target));
    SetAtRest(onTarget || !moved);
}

bool Pribor::AtTarget(double target) const
{
    // As setValue takes the step: a value that is not a number is ignored,
    // the rest is clamped.
    const float v = StepValue(target);
    return !std::isfinite(v) || meter::ClampValue(m_scale, v) == m_value;
}

void Pribor::RepaintPointer(float from, float to)
{
    if (!m_box)
        return;
    const QSize face = FaceSize(m_box);
    if (!m_faceValid || face != m_faceSize) {
        m_box->update();
        return;
    }
    // The pointer at both values, from where it comes out from under the
    // panel to its tip, in pieces, in the box's pixels (the face lies inside
    // the border); the k-th pieces of the two are asked for together.
    const meter::Geometry g = meter::GeometryFor(face.width(), face.height());
    const QRectF band = PointerBand(face);
    const QRectF visible = band.translated(1, 1);
    struct Ray {
        double theta, entry;
    };
    std::array<Ray, 2> rays;
    for (std::size_t k = 0; k < 2; ++k) {
        const double theta = meter::ValueAngle(m_scale, g.a, double(k == 0 ? from : to));
        rays[k] = {theta, PointerEntry(g, theta, band.bottom())};
    }
    const auto pixel = [&](const Ray &ray, int piece) {
        const double f = ray.entry + (meter::kNeedleTip - ray.entry) * piece / kPointerPieces;
        const QPointF at = meter::RayPoint(g, f, ray.theta);
        return QPointF(1 + at.x(), 1 + g.h - at.y());
    };
    for (int k = 1; k <= kPointerPieces; ++k) {
        QRectF piece;
        for (const Ray &ray : rays)
            piece |= QRectF(pixel(ray, k - 1), pixel(ray, k)).normalized();
        piece = piece.adjusted(-kPointerMargin, -kPointerMargin, kPointerMargin, kPointerMargin) & visible;
        if (!piece.isEmpty())
            m_box->update(piece.toAlignedRect());
    }
}

void Pribor::setCaption(const QString &v)
{
    if (v == m_caption)
        return;
    m_caption = v;
    FaceChanged();
}

meter::Geometry Pribor::FaceGeometry() const
{
    if (!m_box)
        return {};
    const QSize face = FaceSize(m_box);
    return meter::GeometryFor(face.width(), face.height());
}

std::vector<meter::ScaleLabel> Pribor::ScaleNumbers() const
{
    if (!m_box)
        return {};
    const meter::Geometry g = FaceGeometry();
    return meter::ScaleLabels(g, m_scale, meter::ScaleLabelFont(g, m_scale, FaceFont(m_box->font())));
}

void Pribor::BuildFace(const QSize &size, const QFont &boxFont, qreal dpr)
{
    const double W = size.width();
    const double H = size.height();
    const meter::Geometry g = meter::GeometryFor(W, H);
    const QFont font = FaceFont(boxFont);
    const int fs = font.pointSize();

    // Below the pointer: dial, ticks, numbers, caption, and the border
    // round them.
    const QSize outer = size + QSize(2, 2);
    m_under = QPixmap(outer * dpr);
    m_under.setDevicePixelRatio(dpr);
    m_under.fill(Qt::white);
    {
        QPainter p(&m_under);
        p.setPen(QColor(kBorderColour));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(0.5, 0.5, outer.width() - 1, outer.height() - 1));
        p.translate(1, 1);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        p.setFont(font);
        face::Canvas cv(p, H);
        p.setFont(meter::ScaleLabelFont(g, m_scale, font));
        for (const meter::ScaleLabel &l : meter::ScaleLabels(g, m_scale, p.font()))
            cv.Text(l.topLeft.x(), l.topLeft.y(), l.text);
        p.setFont(font);
        for (const meter::Tick &t : meter::Ticks(m_scale, g.a)) {
            if (t.major) {
                const QPointF a = meter::RayPoint(g, meter::kMajorInner, t.theta);
                const QPointF b = meter::RayPoint(g, meter::kMajorOuter, t.theta);
                cv.Line(a.x(), a.y(), b.x(), b.y(), Qt::black, 1);
            } else if (t.drawn) {
                const QPointF a = meter::RayPoint(g, meter::kMinorInner, t.theta);
                const QPointF b = meter::RayPoint(g, meter::kMinorOuter, t.theta);
                cv.Line(a.x(), a.y(), b.x(), b.y(), QColor(kMinorTickColour), 1);
            }
        }

        QFont big = font;
        big.setPointSizeF(1.5 * fs);
        big.setBold(true);
        p.setFont(big);
        const double h = cv.TextHeight();
        if (m_caption.startsWith(QLatin1String("mk"))) {
            // "mk" stands for the micro prefix: the micro sign, slightly
            // raised, then the rest of the caption.
            const double x = W / 2 - cv.TextWidth(m_caption.mid(1)) / 2;
            const QString micro = QStringLiteral("µ");
            cv.Text(x, H / 2 + 1.05 * h, micro);
            cv.Text(cv.After(x, micro), H / 2 + h, m_caption.mid(2));
        } else {
            cv.Text(W / 2 - cv.TextWidth(m_caption) / 2, H / 2 + h, m_caption);
        }
    }

    // Above the pointer: the case, the accuracy class and the symbols.
    m_over = QPixmap(size * dpr);
    m_over.setDevicePixelRatio(dpr);
    m_over.fill(Qt::transparent);
    {
        QPainter p(&m_over);
        p.setRenderHint(QPainter::TextAntialiasing);
        face::Canvas cv(p, H);
        cv.Box(0, 0, W, kPanelHeight * H, QColor(kPanelColour));
        cv.Box(0, 0, 0.01 * W, H, QColor(kStripColour));
        cv.Box(0, H, W, 0.99 * H, QColor(kStripColour));
        cv.Box(W, 0, 0.99 * W, H, QColor(kStripColour));

        QFont klass = font;
        klass.setPointSize(fs + 1);
        p.setFont(klass);
        const QString k = face::NumberText(double(m_klass));
        const double kw = cv.TextWidth(k);
        const double kh = cv.TextHeight();
        cv.Text(0.95 * W - 1.5 * kw, H / 2 + kh / 2, k);

        p.setFont(font);
        p.setRenderHint(QPainter::Antialiasing);
        const double u = cv.TextHeight() / 2.5;
        const double y0 = H / 2;
        const QColor fg = Qt::black;
        const double x0 = 0.15 * W;
        switch (m_scale.Systema) {
        case 1:
            cv.Arc(x0, y0, 0.8 * u, 0, kPi, Qt::black, 1);
            cv.Line(x0 - 0.8 * u, y0, x0 - 0.8 * u, y0 - u, fg, 1);
            cv.Line(x0 + 0.8 * u, y0, x0 + 0.8 * u, y0 - u, fg, 1);
            cv.Line(x0 - 0.4 * u, y0 - u, x0 + 0.4 * u, y0 - u, fg, 1);
            if (m_tok == 2) {
                const double x = 0.25 * W;
                cv.Line(x - u, y0, x + u, y0, fg, 1);
                cv.Line(x - 0.65 * u, y0 - u, x - 0.65 * u, y0 + u, fg, 1);
                cv.Line(x + 0.65 * u, y0 - u, x + 0.65 * u, y0 + u, fg, 1);
                cv.Line(x - 0.65 * u, y0, x + 0.65 * u, y0 + u, fg, 1);
                cv.Line(x - 0.65 * u, y0, x + 0.65 * u, y0 - u, fg, 1);
            }
            break;
        case 2:
            cv.Line(x0, y0 + 1.5 * u, x0, y0 - 1.5 * u, fg, 1);
            cv.Line(x0 + u, y0 + u, x0 - u, y0 + u / 2, fg, 1);
            cv.Line(x0 - u, y0 + u / 2, x0 + u, y0, fg, 1);
            cv.Line(x0 + u, y0, x0 - u, y0 - u / 2, fg, 1);
            cv.Line(x0 - u, y0 - u / 2, x0 + u, y0 - u, fg, 1);
            break;
        case 3:
            for (const double y : {y0 + 2 * u / 3, y0, y0 - 2 * u / 3})
                cv.Line(x0 - u, y, x0 + u, y, fg, 1);
            cv.Line(x0 - u, y0 - 2 * u / 3, x0 - u, y0 + 2 * u / 3, fg, 1);
            cv.Line(x0 + u, y0 - 2 * u / 3, x0 + u, y0 + 2 * u / 3, fg, 1);
            cv.Line(x0, y0 + 2 * u / 3, x0, y0 + 1.3 * u, fg, 1);
            cv.Line(x0, y0 - 2 * u / 3, x0, y0 - 1.3 * u, fg, 1);
            break;
        default:
            break;
        }
        const double x1 = 0.06 * W;
        if (m_tok == 1) {
            cv.Line(x1 + 0.8 * u, y0, x1 - 0.8 * u, y0, fg, 1);
        } else {
            cv.Arc(x1 - 0.4 * u, y0, 0.4 * u, 0, kPi, Qt::black, 1);
            cv.Arc(x1 + 0.4 * u, y0, 0.4 * u, kPi, 0, Qt::black, 1);
        }
    }
    m_faceSize = size;
    m_faceFont = boxFont;
    m_faceValid = true;
}

void Pribor::ReleaseFace()
{
    m_under = QPixmap();
    m_over = QPixmap();
    m_faceValid = false;
}

void Pribor::Pic1_Paint(QPainter &p)
{
    if (!m_box)
        return;
    // The face lies inside a one-pixel border; the face and the border are
    // kept in m_under, so the box paints every one of its pixels.
    const QSize size = FaceSize(m_box);
    const qreal dpr = m_box->devicePixelRatioF();
    if (!m_faceValid || size != m_faceSize || m_box->font() != m_faceFont || dpr != m_under.devicePixelRatio())
        BuildFace(size, m_box->font(), dpr);

    const meter::Geometry g = meter::GeometryFor(size.width(), size.height());
    const double theta = meter::ValueAngle(m_scale, g.a, double(m_value));

    p.save();
    p.drawPixmap(0, 0, m_under);
    p.translate(1, 1);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    face::Canvas cv(p, g.h);
    // The pointer's black part is drawn from a few pixels under the panel's
    // top edge, not from the pivot far below it: smoothing a line costs by
    // its length, and the rest would be covered anyway. So the pointer stays
    // inside the face, clear of the border.
    const double from = PointerEntry(g, theta, PointerBand(size).bottom() + kPointerHidden);
    const QPointF mid = meter::RayPoint(g, meter::kNeedleJoint, theta);
    const QPointF tip = meter::RayPoint(g, meter::kNeedleTip, theta);
    if (from < meter::kNeedleJoint) {
        const QPointF start = meter::RayPoint(g, from, theta);
        cv.Line(start.x(), start.y(), mid.x(), mid.y(), Qt::black, 2);
    }
    cv.Line(mid.x(), mid.y(), tip.x(), tip.y(), QColor(kNeedleTipColour), 1);
    p.restore();
    p.drawPixmap(0, 0, m_over);
    p.restore();
}

void SetUpMeter(Pribor &meter, PictureBox *box, const MeterSpec &setup)
{
    meter.setPicCtl(box);
    meter.setCaption(setup.caption);
    meter.setKlassT(setup.klass);
    meter.setShcala(setup.shcala);
    meter.setTok(setup.tok);
    meter.setSystema(setup.systema);
    // Min must stay below Max and Smallchange below Bigchange at every step.
    if (setup.min < meter.Max()) {
        meter.setMin(setup.min);
        meter.setMax(setup.max);
    } else {
        meter.setMax(setup.max);
        meter.setMin(setup.min);
    }
    if (setup.smallchange < meter.Bigchange()) {
        meter.setSmallchange(setup.smallchange);
        meter.setBigchange(setup.bigchange);
    } else {
        meter.setBigchange(setup.bigchange);
        meter.setSmallchange(setup.smallchange);
    }
    meter.setUnit(setup.unit);
    meter.setRange(setup.range);
    meter.setName(setup.name.isEmpty() ? setup.caption : setup.name);
    meter.setValue(0.0f);
}

} // namespace ohmaris
