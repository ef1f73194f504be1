// Lab 5 schematic painting.
#include "labs/lab5/bench_draw.h"

#include "shell/schematic.h"

#include <QFontMetricsF>
#include <QPainter>
#include <cmath>

namespace ohmaris {

namespace {

constexpr double kLineWidth = 2 * 15; // two pixels, in twips
const QColor kBlade(255, 0, 0);

void Wire(QPainter &p, double x1, double y1, double x2, double y2)
{
    p.drawLine(QPointF(x1, y1), QPointF(x2, y2));
}

void Circle(QPainter &p, QPointF c, double r)
{
    p.drawEllipse(c, r, r);
}

void Dot(QPainter &p, QPointF c, double r)
{
    p.save();
    p.setBrush(p.pen().color());
    p.drawEllipse(c, r, r);
    p.restore();
}

// A label with its index, its top-left corner at `x`, `top`.
void Label(QPainter &p, double x, double top, const QFont &font, double points, const QString &letter,
           const QString &index = QString())
{
    DrawSubscriptLabel(p, QPointF(x, top), font, points, letter, index);
}

// A label with its index centred on `cx`.
void LabelCentred(QPainter &p, double cx, double top, const QFont &font, double points, const QString &letter,
                  const QString &index = QString())
{
    const QSizeF s = SubscriptLabelSize(font, points, letter, index);
    Label(p, cx - s.width() / 2, top, font, points, letter, index);
}

// A meter symbol: a circle holding its letter (and index), centred.
void MeterSymbol(QPainter &p, QPointF c, double r, const QFont &font, double points, const QString &letter,
                 const QString &index = QString())
{
    Circle(p, c, r);
    const QSizeF s = SubscriptLabelSize(font, points, letter, index);
    Label(p, c.x() - s.width() / 2, c.y() - s.height() / 2, font, points, letter, index);
}

QPointF Along(QPointF from, QPointF to, double fraction)
{
    return from + (to - from) * fraction;
}

} // namespace

void DrawLab5Schematic(QPainter &p, const Lab5Grid &g, const std::array<std::int16_t, 5> &switches,
                       const QFont &font, double points, const QColor &background)
{
    const double u = g.u;
    const double H = g.H;
    const double th = QFontMetricsF(TwipsFont(font, points)).height();
    const double rowN = g.Row(3);
    const double rowV = g.VoltmeterRow();

    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.fillRect(QRectF(0, 0, g.W, g.H), background);
    p.setPen(QPen(Qt::black, kLineWidth, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);

    // Supply terminals and the wires up to the breaker, the K-50 and the
    // switches, on all four rows.
    for (int k = 0; k < 4; ++k) {
        const double y = g.Row(k);
        Circle(p, QPointF(6 * u, y), 0.4 * u);
        const QString letter = k < 3 ? QStringLiteral("L") : QStringLiteral("N");
        const QString index = k < 3 ? QString::number(k + 1) : QString();
        const QSizeF s = SubscriptLabelSize(font, points, letter, index);
        Label(p, 5 * u - s.width(), y - s.height() / 2, font, points, letter, index);
        Wire(p, 6.4 * u, y, 10 * u, y);
        Wire(p, 16 * u, y, 24 * u, y);
        Wire(p, 34 * u, y, 38 * u, y);
    }
    // The neutral passes the breaker unbroken.
    Wire(p, 10 * u, rowN, 16 * u, rowN);
    Label(p, 16 * u, g.Row(0) - 1.05 * th, font, points, QStringLiteral("SF"));

    // K-50 block.
    p.drawRect(QRectF(QPointF(24 * u, H - 42 * u), QPointF(34 * u, H - 14 * u)));
    const std::array<double, 3> meterRows{H - 37.2 * u, H - 28 * u, H - 18.8 * u};
    const std::array<QString, 3> meterLetters{QStringLiteral("V"), QStringLiteral("A"), QStringLiteral("W")};
    for (int k = 0; k < 3; ++k)
        MeterSymbol(p, QPointF(29 * u, meterRows[std::size_t(k)]), 2.8 * u, font, points,
                    meterLetters[std::size_t(k)]);
    LabelCentred(p, 29 * u, H - 42 * u - 1.1 * th, font, points, QStringLiteral("K-50"));

    // Switch labels and the wires behind the switches.
    for (int k = 0; k < 4; ++k) {
        const double y = g.Row(k);
        Label(p, 43.6 * u, y - 1.25 * th, font, points, QStringLiteral("S"), QString::number(k + 1));
        Wire(p, 44 * u, y, k < 3 ? 48 * u : 56 * u, y);
    }

    // The three branches of the star.
    for (int k = 0; k < 3; ++k) {
        const double y = g.Row(k);
        const QString n = QString::number(k + 1);
        // Resistor.
        p.drawRect(QRectF(QPointF(48 * u, y - 1.6 * u), QPointF(56 * u, y + 1.6 * u)));
        LabelCentred(p, 52 * u, y - 2 * u - 1.1 * th, font, points, QStringLiteral("R"), n);
        // Inductor: three upper half circles.
        Wire(p, 56 * u, y, 60 * u, y);
        for (double cx : {62 * u, 66 * u, 70 * u})
            p.drawArc(QRectF(cx - 2 * u, y - 2 * u, 4 * u, 4 * u), 0, 180 * 16);
        LabelCentred(p, 66 * u, y - 2 * u - 1.1 * th, font, points, QStringLiteral("X"),
                     QStringLiteral("L") + n);
        // Capacitor.
        Wire(p, 72 * u, y, 76 * u, y);
        Wire(p, 76 * u, y - 16 * u / 7, 76 * u, y + 16 * u / 7);
        Wire(p, 77.6 * u, y - 16 * u / 7, 77.6 * u, y + 16 * u / 7);
        Label(p, 77.6 * u, y - 16 * u / 7 - 1.05 * th, font, points, QStringLiteral("X"),
              QStringLiteral("C") + n);
        Wire(p, 77.6 * u, y, 85.6 * u, y);
    }

    // Star point, with the neutral wire through the ammeter A1.
    Wire(p, 85.6 * u, g.Row(0), 85.6 * u, rowV);
    for (int k = 1; k < 4; ++k)
        Dot(p, QPointF(85.6 * u, g.Row(k)), 0.4 * u);
    MeterSymbol(p, QPointF(58.8 * u, rowN), 2.8 * u, font, points, QStringLiteral("A"), QStringLiteral("1"));
    Wire(p, 61.6 * u, rowN, 85.6 * u, rowN);

    // Voltmeter V1 from the star point back to the neutral before S4.
    Wire(p, 85.6 * u, rowV, 73.6 * u, rowV);
    MeterSymbol(p, QPointF(70.8 * u, rowV), 2.8 * u, font, points, QStringLiteral("V"), QStringLiteral("1"));
    Wire(p, 68 * u, rowV, 36 * u, rowV);
    Wire(p, 36 * u, rowV, 36 * u, rowN);
    Dot(p, QPointF(36 * u, rowN), 0.4 * u);

    // Breaker SF: linkage and handle follow its blades.
    const int s0 = switches[0];
    std::array<QPointF, 3> pivots, ends;
    for (int k = 0; k < 3; ++k) {
        pivots[std::size_t(k)] = QPointF(16 * u, g.Row(k));
        ends[std::size_t(k)] = Lab5BladeEnd(pivots[std::size_t(k)], 6 * u, s0);
    }
    for (double d : {2.4 * u, 3.6 * u})
        p.drawLine(Along(pivots[0], ends[0], d / (6 * u)), Along(pivots[2], ends[2], d / (6 * u)));
    const double a = (1 - s0) * 3.141592654 / 6;
    const QPointF up(std::sin(a), -std::cos(a)); // perpendicular to the top blade, upwards
    for (double d : {2 * u, 4 * u}) {
        const QPointF base = Along(pivots[0], ends[0], d / (6 * u));
        p.drawLine(base, base + up * (1.2 * u));
    }

    // Blades last, in red.
    p.setPen(QPen(kBlade, kLineWidth, Qt::SolidLine, Qt::RoundCap));
    for (int k = 0; k < 3; ++k)
        p.drawLine(pivots[std::size_t(k)], ends[std::size_t(k)]);
    for (int k = 0; k < 4; ++k) {
        const QPointF pivot(44 * u, g.Row(k));
        p.drawLine(pivot, Lab5BladeEnd(pivot, 6 * u, switches[std::size_t(k + 1)]));
    }
    p.setPen(QPen(Qt::black, kLineWidth));
    p.restore();
}

} // namespace ohmaris
