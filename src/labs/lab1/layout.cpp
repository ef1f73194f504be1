// SPDX-License-Identifier: GPL-3.0-or-later
// Lab 1 schematic geometry.
#include "labs/lab1/layout.h"

#include "calc/phasor.h"

#include <cmath>

namespace ohmaris {

namespace {

constexpr double kRail = 48.0;       // top rail, units above the bottom edge
constexpr double kBottomRail = 4.0;
constexpr double kPivot = 34.0;      // switch pivots
constexpr double kBladeLength = 6.0;
constexpr double kCircle = 4.0;      // element circles
constexpr double kStub = 4.0;        // voltmeter lead stubs
// Room right of a symbol for its letter and index.
constexpr double kLabelRoom = 5.0;

} // namespace

float Lab1DrawUnit(double pictureWidth)
{
    return float(pictureWidth / 110.0);
}

double Lab1PathX(const Lab1Sheet &s, int k)
{
    switch (k) {
    case 1: return 6.0 * s.u;
    case 2: return 18.0 * s.u;
    case 3: return 54.0 * s.u;
    case 4: return s.W - 22.0 * s.u;
    default: return s.W - 10.0 * s.u;
    }
}

QLineF Lab1SwitchBlade(const Lab1Sheet &s, int k, int state)
{
    const double a = (1 - state) * kPi / 6.0 + kHalfPi;
    const QPointF pivot(Lab1PathX(s, k), s.Y(kPivot));
    const double len = kBladeLength * s.u;
    return {pivot, pivot + QPointF(len * std::cos(a), -len * std::sin(a))};
}

QPointF Lab1NodeA(const Lab1Sheet &s) { return s.P(18.0, kRail); }
QPointF Lab1NodeB(const Lab1Sheet &s) { return s.P(54.0, kRail); }
QPointF Lab1NodeC(const Lab1Sheet &s) { return {s.W - 22.0 * s.u, s.Y(kRail)}; }
QPointF Lab1NodeD(const Lab1Sheet &s) { return s.P(54.0, kBottomRail); }

Lab1VoltmeterPlace Lab1VoltmeterAt(const Lab1Sheet &s, int position)
{
    const double u = s.u;
    const double r = kCircle * u;
    const double st = kStub * u;
    // Sideways placements have their leads left and right, the others top
    // and bottom; the first entry of each pair is the first node.
    struct Placement {
        double cx;       // centre x beyond W/4, units
        double up;       // centre height, units above the bottom
        bool sideways;
        bool firstOnRight;
    };
    static constexpr std::array<Placement, 5> placements{{
        {10.0, 38.0, true, false},  // ab
        {14.0, 26.0, false, false}, // ad
        {14.0, 26.0, false, false}, // bd
        {46.0, 38.0, true, true},   // cb
        {44.0, 26.0, false, false}, // cd
    }};
    const std::array<std::array<QPointF, 2>, 5> nodes{{
        {Lab1NodeA(s), Lab1NodeB(s)},
        {Lab1NodeA(s), Lab1NodeD(s)},
        {Lab1NodeB(s), Lab1NodeD(s)},
        {Lab1NodeC(s), Lab1NodeB(s)},
        {Lab1NodeC(s), Lab1NodeD(s)},
    }};
    const int i = position < 1 ? 0 : position > 5 ? 4 : position - 1;
    const Placement &sp = placements[std::size_t(i)];

    Lab1VoltmeterPlace p;
    p.centre = QPointF(s.W / 4.0 + sp.cx * u, s.Y(sp.up));
    // Directions out of the circle for lead 0 and lead 1.
    QPointF d0, d1;
    if (sp.sideways) {
        d0 = QPointF(sp.firstOnRight ? 1.0 : -1.0, 0.0);
        d1 = -d0;
    } else {
        d0 = QPointF(0.0, -1.0);
        d1 = QPointF(0.0, 1.0);
    }
    const std::array<QPointF, 2> dir{d0, d1};
    for (std::size_t k = 0; k < 2; ++k) {
        const QPointF edge = p.centre + dir[k] * r;
        const QPointF end = p.centre + dir[k] * (r + st);
        p.stub[k] = QLineF(edge, end);
        p.lead[k] = QLineF(end, nodes[std::size_t(i)][k]);
    }
    return p;
}

std::array<QRectF, kLab1AreaCount> Lab1ClickAreas(const Lab1Sheet &s, int selectorPosition)
{
    const double u = s.u;
    const double x4 = Lab1PathX(s, 4);
    const double x5 = Lab1PathX(s, 5);
    // A box element with its letter to the right.
    const auto box = [&](double x, double lowUnits, double highUnits) {
        return QRectF(QPointF(x - 2.0 * u, s.Y(highUnits)),
                      QPointF(x + (2.0 + kLabelRoom) * u, s.Y(lowUnits)));
    };
    // A circle, with room for a letter to the right for the sources.
    const auto circle = [&](QPointF c, double rightRoom) {
        return QRectF(QPointF(c.x() - kCircle * u, c.y() - kCircle * u),
                      QPointF(c.x() + (kCircle + rightRoom) * u, c.y() + kCircle * u));
    };
    const auto sw = [&](int k) {
        const double x = Lab1PathX(s, k);
        return QRectF(QPointF(x - 3.5 * u, s.Y(41.0)), QPointF(x + 4.0 * u, s.Y(32.0)));
    };

    std::array<QRectF, kLab1AreaCount> a;
    a[0] = box(6.0 * u, 12.0, 20.0);                    // R01 alone
    a[1] = box(18.0 * u, 8.0, 16.0);                    // R01 of source 1
    a[2] = circle(s.P(18.0, 24.0), 4.5);                // E1
    a[3] = box(54.0 * u, 8.0, 16.0);                    // R3
    a[4] = circle(s.P(54.0, 24.0), 0.0);                // A3
    a[5] = box(x4, 8.0, 16.0);                          // R02 of source 2
    a[6] = circle(QPointF(x4, s.Y(24.0)), 4.5);         // E2
    a[7] = box(x5, 12.0, 20.0);                         // R02 alone
    a[8] = circle(s.P(30.0, kRail), 0.0);               // A1
    // R1 and R2 carry their letters above the box.
    a[9] = QRectF(QPointF(42.0 * u, s.Y(54.0)), QPointF(50.0 * u, s.Y(46.0)));
    a[10] = QRectF(QPointF(58.0 * u, s.Y(54.0)), QPointF(66.0 * u, s.Y(46.0)));
    a[11] = circle(s.P(78.0, kRail), 0.0);              // A2
    a[12] = circle(Lab1VoltmeterAt(s, selectorPosition).centre, 0.0);
    for (int k = 1; k <= 5; ++k)
        a[std::size_t(12 + k)] = sw(k);
    return a;
}

} // namespace ohmaris
