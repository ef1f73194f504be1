// Drawing of the single-phase AC schematics: the supply side shared by labs
// 2 to 4 and lab 2's series circuit.
#include "labs/lab2/benchschematic.h"

#include "calc/phasor.h"
#include "shell/schematic.h"

#include <QFontMetricsF>
#include <QPainter>
#include <cmath>

namespace ohmaris {

namespace {

constexpr double kLine = 2 * 15.0;  // line width 2, in twips
constexpr double kThin = 1 * 15.0;  // the dashed box
const QColor kBlack(0, 0, 0);
const QColor kRed(255, 0, 0);

// Spans along the rails, in grid units.
constexpr double kBreakerPivot = 10.5;
constexpr double kBreakerLength = 5.0;
constexpr double kWinding = 20.0;   // the regulator's winding
constexpr double kTap = 25.0;       // its sliding tap, the output
constexpr double kK50Left = 28.0, kK50Right = 38.0;
constexpr double kMeterRadius = 1.4; // the K-50's three circles
constexpr double kAmmeterX = 30.5, kVoltmeterX = 33.0, kWattmeterX = 35.5;

constexpr double kCoilStart = 47.0; // three turns of radius 1
constexpr double kResistorLeft = 57.0, kResistorRight = 65.0;
constexpr double kV1Left = 44.0, kV1Right = 70.5, kV1X = 56.0, kV1Drop = 8.0;
constexpr double kV2X = 76.0;
constexpr double kVoltmeterRadius = 2.0;
constexpr double kCapacitorX = 84.0, kPlateHalf = 3.0;
constexpr double kBypassX = 94.0, kBypassHalf = 3.0, kBypassLength = 6.0; // 0.75 b

QPen Pen(const QColor &c, double width, Qt::PenStyle style = Qt::SolidLine)
{
    QPen pen(c, width, style, Qt::FlatCap, Qt::MiterJoin);
    return pen;
}

void Line(QPainter &p, double x1, double y1, double x2, double y2)
{
    p.drawLine(QPointF(x1, y1), QPointF(x2, y2));
}

void Dot(QPainter &p, double x, double y, double u)
{
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(kBlack);
    p.drawEllipse(QPointF(x, y), 0.3 * u, 0.3 * u);
    p.restore();
}

void Circle(QPainter &p, double x, double y, double r)
{
    p.drawEllipse(QPointF(x, y), r, r);
}

// Text by its top-left corner in the current font.
void Text(QPainter &p, double left, double top, const QString &text)
{
    const QFontMetricsF m(p.font());
    p.drawText(QPointF(left, top + m.ascent()), text);
}

QSizeF TextSize(const QPainter &p, const QString &text)
{
    const QFontMetricsF m(p.font());
    return {m.horizontalAdvance(text), m.height()};
}

void CentredText(QPainter &p, double cx, double cy, const QString &text)
{
    const QSizeF s = TextSize(p, text);
    Text(p, cx - s.width() / 2, cy - s.height() / 2, text);
}

// Arc in the painter's y-down twips; angles counter-clockwise as seen.
void Arc(QPainter &p, double cx, double cy, double r, double fromDeg, double spanDeg)
{
    p.drawArc(QRectF(cx - r, cy - r, 2 * r, 2 * r), int(std::lround(fromDeg * 16)), int(std::lround(spanDeg * 16)));
}

double CoilLabelTop(const AcGrid &g, const SchematicStyle &style)
{
    const QSizeF s = SubscriptLabelSize(style.font, style.points, QStringLiteral("L"), QStringLiteral("7"));
    return g.y1 - 1.4 * g.u - s.height();
}

} // namespace

AcGrid Lab2Grid(double drawUnit, double height)
{
    AcGrid g;
    g.u = drawUnit;
    g.h = height;
    g.x0 = 6 * drawUnit;
    g.y0 = height - 8 * drawUnit;
    // y0 - 2a - 1.5b with a = 4u, b = 8u.
    g.y1 = g.y0 - 2 * 4 * drawUnit - 1.5 * 8 * drawUnit;
    return g;
}

QRectF BreakerHotspot(const AcGrid &g)
{
    return {g.X(10), g.y1 - 3.6 * g.u, g.X(6), g.X(6)};
}

QRectF RegulatorHotspot(const AcGrid &g)
{
    return {g.X(18), g.Mid() - 6 * g.u, g.X(6), g.X(12)};
}

QRectF K50Hotspot(const AcGrid &g)
{
    return {g.X(kK50Left), g.y1 - 2 * g.u, g.X(kK50Right - kK50Left), g.y0 - g.y1 + 4 * g.u};
}

QPointF BreakerPivot(const AcGrid &g)
{
    return {g.X(kBreakerPivot), g.y1};
}

QPointF BreakerBladeEnd(const AcGrid &g, int state)
{
    // Along the rail (direction 0) when closed, turned 30 degrees up when open.
    const double a = (1 - state) * kPi / 6;
    const QPointF pivot = BreakerPivot(g);
    const double len = kBreakerLength * g.u;
    return {pivot.x() + len * std::cos(a), pivot.y() - len * std::sin(a)};
}

void DrawSupplySide(QPainter &p, const AcGrid &g, int breaker, const SchematicStyle &style)
{
    const double u = g.u;
    const double mid = g.Mid();
    p.save();
    p.setPen(Pen(kBlack, kLine));
    p.setBrush(Qt::NoBrush);
    p.setFont(TwipsFont(style.font, style.points));

    // Mains terminals.
    const double tr = 0.4 * u; // 0.1 a
    Circle(p, g.x0, g.y1, tr);
    Circle(p, g.x0, g.y0, tr);
    const QSizeF l1 = TextSize(p, QStringLiteral("L1"));
    Text(p, g.x0 - l1.width() / 2, g.y1 - 0.6 * u - l1.height(), QStringLiteral("L1"));
    const QSizeF n = TextSize(p, QStringLiteral("N"));
    Text(p, g.x0 - n.width() / 2, g.y0 + 0.6 * u, QStringLiteral("N"));

    // Breaker in the top rail.
    const QPointF pivot = BreakerPivot(g);
    const double contact = g.X(kBreakerPivot + kBreakerLength);
    Line(p, g.x0 + tr, g.y1, pivot.x(), g.y1);
    Line(p, contact, g.y1, g.X(kWinding), g.y1);
    Line(p, contact, g.y1 - 0.6 * u, contact, g.y1); // the fixed contact
    {
        const double a = (1 - breaker) * kPi / 6;
        const QPointF end = BreakerBladeEnd(g, breaker);
        const double sa = a + kHalfPi; // its strokes stand across the blade
        const QPointF across(0.6 * u * std::cos(sa), -0.6 * u * std::sin(sa));
        p.setPen(Pen(kRed, kLine));
        p.drawLine(pivot, end);
        const QPointF back(0.8 * u * std::cos(a), -0.8 * u * std::sin(a));
        p.drawLine(end - back + across, end - back - across);
        p.drawLine(end - 2 * back + across, end - 2 * back - across);
        p.setPen(Pen(kBlack, kLine));
    }
    const QSizeF sf = TextSize(p, QStringLiteral("SF"));
    Text(p, g.X(13) - sf.width() / 2, g.y1 + 0.6 * u, QStringLiteral("SF"));

    // Regulator: the winding between the rails, the tap feeding the top rail.
    const double w = g.X(kWinding);
    Line(p, w, g.y1, w, mid - 6 * u);
    for (int k = -1; k <= 1; ++k)
        Arc(p, w, mid + 4 * k * u, 2 * u, -90, 180); // from 3pi/2 to pi/2
    Line(p, w, mid + 6 * u, w, g.y0);
    Dot(p, w, g.y0, u);
    const double tap = g.X(kTap);
    const double tip = w + 2.3 * u;
    Line(p, tap, g.y1, tap, mid);
    Line(p, tap, mid, tip, mid);
    Line(p, tip, mid, tip + 0.8 * u, mid - 0.5 * u);
    Line(p, tip, mid, tip + 0.8 * u, mid + 0.5 * u);
    const QSizeF at = TextSize(p, QStringLiteral("AT"));
    Text(p, w - 0.8 * u - at.width(), mid - at.height() / 2, QStringLiteral("AT"));

    // K-50 block across both rails.
    const QRectF k50(g.X(kK50Left), g.y1 - 2 * u, g.X(kK50Right - kK50Left), g.y0 - g.y1 + 4 * u);
    p.drawRect(k50);
    const QSizeF kt = TextSize(p, QStringLiteral("K-50"));
    Text(p, k50.center().x() - kt.width() / 2, k50.top() - 0.2 * u - kt.height(), QStringLiteral("K-50"));
    const double r = kMeterRadius * u;
    Line(p, tap, g.y1, g.X(kAmmeterX) - r, g.y1);
    Circle(p, g.X(kAmmeterX), g.y1, r);
    Line(p, g.X(kAmmeterX) + r, g.y1, g.X(kWattmeterX) - r, g.y1);
    Circle(p, g.X(kWattmeterX), g.y1, r);
    Line(p, g.X(kWattmeterX) + r, g.y1, k50.right(), g.y1);
    Line(p, g.X(kWattmeterX), g.y1 + r, g.X(kWattmeterX), g.y0);
    Line(p, g.X(kVoltmeterX), g.y1, g.X(kVoltmeterX), mid - r);
    Circle(p, g.X(kVoltmeterX), mid, r);
    Line(p, g.X(kVoltmeterX), mid + r, g.X(kVoltmeterX), g.y0);
    Line(p, g.x0 + tr, g.y0, k50.right(), g.y0);
    for (double x : {kVoltmeterX, kWattmeterX})
        Dot(p, g.X(x), g.y0, u);
    Dot(p, g.X(kVoltmeterX), g.y1, u);
    CentredText(p, g.X(kAmmeterX), g.y1, QStringLiteral("A"));
    CentredText(p, g.X(kVoltmeterX), mid, QStringLiteral("V"));
    CentredText(p, g.X(kWattmeterX), g.y1, QStringLiteral("W"));
    p.restore();
}

std::array<QRectF, kLab2HotspotCount> Lab2Hotspots(const AcGrid &g)
{
    const double u = g.u;
    const auto at = [&](double left, double aboveBottom, double w, double h) {
        return QRectF(left * u, g.h - aboveBottom * u, w * u, h * u);
    };
    return {
        BreakerHotspot(g),            // 0 breaker "SF"
        at(90, 21, 6, 6),             // 1 bypass switch "S"
        RegulatorHotspot(g),          // 2 regulator "AT"
        K50Hotspot(g),                // 3 K-50
        at(45.3, 34, 24, 10),         // 4 coil
        at(80, 21.2, 8, 5.6),         // 5 capacitor
        at(53.2, 22.8, 5.6, 5.6),     // 6 voltmeter V1
        at(73.2, 20.8, 5.6, 5.6),     // 7 voltmeter V2
    };
}

QPointF BypassPivot(const AcGrid &g)
{
    return {g.X(kBypassX), g.Mid() + kBypassHalf * g.u};
}

QPointF BypassBladeEnd(const AcGrid &g, int state)
{
    return SwitchBladeEnd(BypassPivot(g), kBypassLength * g.u, state);
}

QRectF CoilLabelArea(const AcGrid &g, const SchematicStyle &style)
{
    const QSizeF l = SubscriptLabelSize(style.font, style.points, QStringLiteral("L"), QStringLiteral("7"));
    const QSizeF r = SubscriptLabelSize(style.font, style.points, QStringLiteral("R"), QStringLiteral("7"));
    const double top = CoilLabelTop(g, style);
    const double left = g.X(kCoilStart + 3) - l.width() / 2;
    const double right = g.X((kResistorLeft + kResistorRight) / 2) + r.width() / 2;
    return {left, top, right - left, std::max(l.height(), r.height())};
}

void DrawLab2Schematic(QPainter &p, const AcGrid &g, const Lab2SchematicState &s, const SchematicStyle &style)
{
    const double u = g.u;
    const double mid = g.Mid();
    p.save();
    BeginTwips(p);
    p.fillRect(QRectF(0, 0, g.X(100), g.h), style.back);
    p.setRenderHint(QPainter::Antialiasing, true);
    DrawSupplySide(p, g, s.breaker, style);

    p.setPen(Pen(kBlack, kLine));
    p.setBrush(Qt::NoBrush);
    p.setFont(TwipsFont(style.font, style.points));

    // Top rail to the coil; the coil's turns and its winding resistance.
    Line(p, g.X(kK50Right), g.y1, g.X(kCoilStart), g.y1);
    for (int k = 0; k < 3; ++k)
        Arc(p, g.X(kCoilStart + 1 + 2 * k), g.y1, u, 0, 180); // upper half-circles, 0 to pi
    Line(p, g.X(kCoilStart + 6), g.y1, g.X(kResistorLeft), g.y1);
    p.drawRect(QRectF(g.X(kResistorLeft), g.y1 - u, g.X(kResistorRight - kResistorLeft), 2 * u));
    Line(p, g.X(kResistorRight), g.y1, g.X(kBypassX), g.y1);
    Line(p, g.X(kK50Right), g.y0, g.X(kBypassX), g.y0);

    // The coil's dashed box and its labels, with the variant as subscript.
    p.setPen(Pen(kBlack, kThin, Qt::DashLine));
    p.drawRect(QRectF(g.X(45.8), g.y1 - 5.5 * u, g.X(23), 9 * u));
    p.setPen(Pen(kBlack, kLine));
    const QString variant = QString::number(s.variant);
    const double labelTop = CoilLabelTop(g, style);
    const QSizeF ls = SubscriptLabelSize(style.font, style.points, QStringLiteral("L"), variant);
    DrawSubscriptLabel(p, QPointF(g.X(kCoilStart + 3) - ls.width() / 2, labelTop), style.font, style.points,
                       QStringLiteral("L"), variant);
    const QSizeF rs = SubscriptLabelSize(style.font, style.points, QStringLiteral("R"), variant);
    DrawSubscriptLabel(p, QPointF(g.X((kResistorLeft + kResistorRight) / 2) - rs.width() / 2, labelTop),
                       style.font, style.points, QStringLiteral("R"), variant);

    // V1 across the coil, below its box.
    const double vr = kVoltmeterRadius * u;
    const double v1y = g.y1 + kV1Drop * u;
    Line(p, g.X(kV1Left), g.y1, g.X(kV1Left), v1y);
    Line(p, g.X(kV1Left), v1y, g.X(kV1X) - vr, v1y);
    Circle(p, g.X(kV1X), v1y, vr);
    Line(p, g.X(kV1X) + vr, v1y, g.X(kV1Right), v1y);
    Line(p, g.X(kV1Right), v1y, g.X(kV1Right), g.y1);
    Dot(p, g.X(kV1Left), g.y1, u);
    Dot(p, g.X(kV1Right), g.y1, u);

    // V2 across the capacitor branch.
    Line(p, g.X(kV2X), g.y1, g.X(kV2X), mid - vr);
    Circle(p, g.X(kV2X), mid, vr);
    Line(p, g.X(kV2X), mid + vr, g.X(kV2X), g.y0);
    for (double x : {kV2X, kCapacitorX}) {
        Dot(p, g.X(x), g.y1, u);
        Dot(p, g.X(x), g.y0, u);
    }
    const QSizeF v = SubscriptLabelSize(style.font, style.points, QStringLiteral("V"), QStringLiteral("1"));
    for (const auto &[x, y, index] : {std::tuple{kV1X, v1y, "1"}, std::tuple{kV2X, mid, "2"}})
        DrawSubscriptLabel(p, QPointF(g.X(x) - v.width() / 2, y - v.height() / 2), style.font, style.points,
                           QStringLiteral("V"), QString::fromLatin1(index));

    // Capacitor: two plates in the right-hand branch.
    const double upper = mid - 1.2 * u, lower = mid + 0.4 * u;
    Line(p, g.X(kCapacitorX), g.y1, g.X(kCapacitorX), upper);
    Line(p, g.X(kCapacitorX - kPlateHalf), upper, g.X(kCapacitorX + kPlateHalf), upper);
    Line(p, g.X(kCapacitorX - kPlateHalf), lower, g.X(kCapacitorX + kPlateHalf), lower);
    Line(p, g.X(kCapacitorX), lower, g.X(kCapacitorX), g.y0);
    const QSizeF c = TextSize(p, QStringLiteral("C"));
    Text(p, g.X(kCapacitorX + kPlateHalf + 0.5), mid - 0.4 * u - c.height() / 2, QStringLiteral("C"));

    // Bypass switch "S" in the outer branch, parallel to the capacitor.
    const QPointF pivot = BypassPivot(g);
    Line(p, g.X(kBypassX), g.y1, g.X(kBypassX), mid - kBypassHalf * u);
    Line(p, g.X(kBypassX) - 0.6 * u, mid - kBypassHalf * u, g.X(kBypassX), mid - kBypassHalf * u);
    Line(p, pivot.x(), pivot.y(), g.X(kBypassX), g.y0);
    DrawSwitchBlade(p, pivot, kBypassLength * u, s.bypass, kLine, kRed);
    const QSizeF sz = TextSize(p, QStringLiteral("S"));
    Text(p, g.X(kBypassX + 1.2), mid - sz.height() / 2, QStringLiteral("S"));
    p.restore();
}

} // namespace ohmaris
