// SPDX-License-Identifier: GPL-3.0-or-later
// Phasor diagram layout: scales, arrows and label places.
#include "calc/phasordiagram.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

namespace ohmaris {

namespace {

// Gap between an arrow's tip and its label, in divisions.
constexpr double kLabelGap = 0.12;
// How far a label may step aside to clear the labels placed before it.
constexpr int kLabelTries = 12;

double Length(QPointF p)
{
    return std::hypot(p.x(), p.y());
}

// Places a rectangle of `size` against `anchor` on the side `direction`
// points to, so that it reads away from the arrow.
QRectF RectBeyond(QPointF anchor, QPointF direction, QSizeF size)
{
    const double w = size.width(), h = size.height();
    double left = anchor.x() - w / 2;
    if (direction.x() > 0.35)
        left = anchor.x();
    else if (direction.x() < -0.35)
        left = anchor.x() - w;
    double bottom = anchor.y() - h / 2;
    if (direction.y() > 0.35)
        bottom = anchor.y();
    else if (direction.y() < -0.35)
        bottom = anchor.y() - h;
    return QRectF(left, bottom, w, h);
}

struct Segment {
    QPointF a, b;
};

// Whether the segment crosses the rectangle (Liang-Barsky clipping).
bool Crosses(const Segment &s, const QRectF &r)
{
    const double dx = s.b.x() - s.a.x(), dy = s.b.y() - s.a.y();
    double t0 = 0, t1 = 1;
    const std::array<std::pair<double, double>, 4> edges{{{-dx, s.a.x() - r.left()},
                                                          {dx, r.right() - s.a.x()},
                                                          {-dy, s.a.y() - r.top()},
                                                          {dy, r.bottom() - s.a.y()}}};
    for (const auto &[p, q] : edges) {
        if (p == 0) {
            if (q < 0)
                return false;
            continue;
        }
        const double t = q / p;
        if (p < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1)
            return false;
    }
    return true;
}

// Whether a label at `r` would cover a label placed before it or an arrow
// other than its own.
bool Covers(const QRectF &r, const std::vector<QRectF> &placed, const std::vector<Segment> &arrows, std::size_t own)
{
    if (std::any_of(placed.begin(), placed.end(), [&r](const QRectF &o) { return o.intersects(r); }))
        return true;
    for (std::size_t i = 0; i < arrows.size(); ++i)
        if (i != own && Crosses(arrows[i], r))
            return true;
    return false;
}

} // namespace

int PhasorDiagram::Add(NamedPhasor::Kind kind, const QString &symbol, const char *meaning, Phasor value, int tail,
                       bool component)
{
    phasors.push_back({symbol, meaning, kind, value, tail, component});
    return int(phasors.size()) - 1;
}

QPointF PhasorPoint(Phasor p)
{
    const double m = double(p.Magnitude);
    return {m * std::cos(p.Angle), m * std::sin(p.Angle)};
}

double NiceScale(double atLeast)
{
    if (!(atLeast > 0) || !std::isfinite(atLeast))
        return 1;
    double decade = std::pow(10.0, std::floor(std::log10(atLeast)));
    // Fine enough that the longest arrow reaches most of the grid.
    static constexpr std::array<double, 10> kSteps{1, 1.5, 2, 2.5, 3, 4, 5, 6, 8, 10};
    // The decade's own rounding may leave it a hair above or below.
    for (int guard = 0; guard < 2; ++guard) {
        for (double s : kSteps)
            if (s * decade >= atLeast * (1 - 1e-12))
                return s * decade;
        decade *= 10;
    }
    return atLeast;
}

double DisplayDegrees(double radians)
{
    double d = std::remainder(radians / kPi * 180.0, 360.0);
    if (d <= -180.0)
        d += 360.0;
    // -0.0 prints as "-0"
    return d == 0.0 ? 0.0 : d;
}

PhasorLayout LayOutPhasors(const PhasorDiagram &diagram, const std::vector<QSizeF> &labelSizes, int divisions,
                           const std::vector<QRectF> &reserved)
{
    PhasorLayout layout;
    layout.divisions = std::max(1, divisions);
    const std::size_t n = diagram.phasors.size();

    // Each phasor's tail and tip in its own units (volts or amperes).
    std::vector<QPointF> tail(n), tip(n);
    double volts = 0, amps = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const NamedPhasor &p = diagram.phasors[i];
        const int t = p.tail;
        tail[i] = t >= 0 && std::size_t(t) < i ? tip[std::size_t(t)] : QPointF();
        tip[i] = tail[i] + PhasorPoint(p.value);
        double &reach = p.kind == NamedPhasor::Kind::Voltage ? volts : amps;
        reach = std::max({reach, Length(tail[i]), Length(tip[i])});
    }
    layout.voltsPerDivision = NiceScale(volts / layout.divisions);
    layout.ampsPerDivision = NiceScale(amps / layout.divisions);

    layout.arrows.resize(n);
    // Where no label may go: every arrow (a zero one is a point far from
    // any label, harmless).
    std::vector<Segment> shafts(n);
    for (std::size_t i = 0; i < n; ++i) {
        const NamedPhasor &p = diagram.phasors[i];
        PhasorArrow &a = layout.arrows[i];
        const double scale =
            p.kind == NamedPhasor::Kind::Voltage ? layout.voltsPerDivision : layout.ampsPerDivision;
        a.tail = tail[i] / scale;
        a.tip = tip[i] / scale;
        // A phasor too short to see as an arrow (a thousandth of a
        // division) is a zero one: an open branch, an unfed circuit.
        a.drawn = Length(a.tip - a.tail) > 1e-3;
        shafts[i] = {a.tail, a.tip};
    }

    std::vector<QRectF> placed = reserved;
    for (std::size_t i = 0; i < n; ++i) {
        const NamedPhasor &p = diagram.phasors[i];
        PhasorArrow &a = layout.arrows[i];
        if (!a.drawn)
            continue;
        const QPointF along = a.tip - a.tail;
        const double length = Length(along);

        const QPointF direction = along / length;
        const QSizeF size = i < labelSizes.size() ? labelSizes[i] : QSizeF();
        const QPointF aside(-direction.y(), direction.x());
        // Where the label may go, best first: beyond the tip (beside the
        // middle of a component, away from the origin first), then beside
        // the tip on either side (and beyond it, for a component).
        std::vector<std::pair<QPointF, QPointF>> places; // anchor point, side
        if (p.component) {
            const QPointF middle = (a.tail + a.tip) / 2;
            const QPointF away = QPointF::dotProduct(aside, middle) < 0 ? -aside : aside;
            places = {{middle + away * kLabelGap, away}, {middle - away * kLabelGap, -away}};
        }
        places.insert(places.end(), {{a.tip + direction * kLabelGap, direction},
                                     {a.tip + aside * kLabelGap, aside},
                                     {a.tip - aside * kLabelGap, -aside}});
        // Each place as it is, then moved ever further up, down, out or in
        // until the label covers nothing; else the first place.
        const double step = std::max(size.height(), 0.05) * 0.5;
        const QRectF first = RectBeyond(places.front().first, places.front().second, size);
        bool clear = false;
        for (int k = 0; k <= kLabelTries && !clear; ++k) {
            const double d = step * k;
            const std::array<QPointF, 4> shifts{QPointF(0, d), QPointF(0, -d), QPointF(d, 0), QPointF(-d, 0)};
            for (std::size_t m = 0; m < (k == 0 ? 1 : shifts.size()) && !clear; ++m)
                for (const auto &[anchor, side] : places) {
                    a.label = RectBeyond(anchor, side, size).translated(shifts[m]);
                    clear = !Covers(a.label, placed, shafts, i);
                    if (clear)
                        break;
                }
        }
        if (!clear)
            a.label = first;
        placed.push_back(a.label);
    }
    return layout;
}

} // namespace ohmaris
