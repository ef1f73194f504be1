// SPDX-License-Identifier: GPL-3.0-or-later
// Seven-segment display: cell encoding and drawing.
#include "instruments/znak.h"

#include "instruments/accessible.h"
#include "instruments/face.h"
#include "shell/accessible.h"

#include <QEvent>
#include <QPainter>
#include <algorithm>
#include <charconv>
#include <cmath>

namespace ohmaris {

namespace znak {

const std::array<std::array<bool, 7>, 13> kSegments{{
    {1, 0, 1, 1, 1, 1, 1}, // 0
    {0, 0, 0, 0, 0, 1, 1}, // 1
    {1, 1, 1, 1, 0, 0, 1}, // 2
    {1, 1, 1, 0, 0, 1, 1}, // 3
    {0, 1, 0, 0, 1, 1, 1}, // 4
    {1, 1, 1, 0, 1, 1, 0}, // 5
    {1, 1, 1, 1, 1, 1, 0}, // 6
    {0, 0, 1, 0, 0, 1, 1}, // 7
    {1, 1, 1, 1, 1, 1, 1}, // 8
    {1, 1, 1, 0, 1, 1, 1}, // 9
    {0, 1, 0, 0, 0, 0, 0}, // minus
    {1, 1, 1, 1, 1, 0, 0}, // E
    {0, 1, 0, 1, 0, 0, 0}, // r
}};

namespace {

// A short text in a fixed buffer: the encoder works on the digits of a
// number without allocating, since a bench hands its indicators a value on
// every tick.
struct Text {
    std::array<char, 48> c{};
    int n = 0;
    int IndexOf(char ch) const
    {
        for (int i = 0; i < n; ++i)
            if (c[std::size_t(i)] == ch)
                return i;
        return -1;
    }
};

// |x| in plain decimal notation, "." as separator, no zero before the point.
// Only numbers of at most kMaxDigits whole digits reach it.
Text PlainText(double x)
{
    Text t;
    const auto r = std::to_chars(t.c.data(), t.c.data() + t.c.size(), std::fabs(x), std::chars_format::fixed,
                                 kMaxDigits);
    t.n = r.ec == std::errc() ? int(r.ptr - t.c.data()) : 0;
    while (t.n > 0 && t.c[std::size_t(t.n - 1)] == '0')
        --t.n;
    if (t.n > 0 && t.c[std::size_t(t.n - 1)] == '.')
        --t.n;
    if (t.n == 0) {
        t.c[0] = '0';
        t.n = 1;
    } else if (t.n >= 2 && t.c[0] == '0' && t.c[1] == '.') {
        std::copy(t.c.begin() + 1, t.c.begin() + t.n, t.c.begin());
        --t.n;
    }
    return t;
}

Text WithoutPoint(const Text &s)
{
    Text t;
    for (int i = 0; i < s.n; ++i)
        if (s.c[std::size_t(i)] != '.')
            t.c[std::size_t(t.n++)] = s.c[std::size_t(i)];
    return t;
}

void Prepend(Text &t, char ch)
{
    std::copy_backward(t.c.begin(), t.c.begin() + t.n, t.c.begin() + t.n + 1);
    t.c[0] = ch;
    ++t.n;
}

} // namespace

Display Encode(double v, int digits)
{
    // The cells hold 1..kMaxDigits codes; a count outside that would write
    // past them, so it is brought into range here as well as in the setter.
    digits = std::clamp(digits, 1, kMaxDigits);
    Display d;
    bool negative = false;
    double x = face::RoundPlaces(v, digits);
    bool leadingZero = std::fabs(x) > 0 && std::fabs(x) < 1;
    int places = digits;
    if (x < 0) {
        negative = true;
        places = digits - 1;
    }
    if (std::fabs(v) <= std::pow(10.0, places) - 1.0) {
        Text s = PlainText(x);
        const int p = std::max(0, s.IndexOf('.'));
        x = face::RoundPlaces(x, std::max(0, places - (leadingZero ? 1 : 0) - p));
        s = PlainText(x);
        Text t = WithoutPoint(s);
        // Rounding may have carried a fraction to 0 or to 1, and the zero
        // kept in front of it would then push the number past the cells.
        if (leadingZero && t.n + 1 + (negative ? 1 : 0) > digits)
            leadingZero = false;
        if (leadingZero)
            Prepend(t, '0');
        if (negative)
            Prepend(t, '-');
        // Only the rightmost `digits` characters fit.
        const int skip = std::max(0, t.n - digits);
        const int n = t.n - skip;
        for (int i = 0; i < n; ++i) {
            const int k = digits - n + 1 + i;
            const char ch = t.c[std::size_t(skip + i)];
            d.cells[size_t(k)] = ch == '-' ? short(Minus) : short(ch - '0');
        }
        d.firstCell = digits - n + 1;
        const int point = s.IndexOf('.');
        d.dotPlace = point >= 0 ? s.n - (point + 1) + 1 : 1;
    } else {
        if (digits == 1) {
            d.cells[1] = LetterE;
        } else if (digits == 2) {
            d.cells[1] = LetterE;
            d.cells[2] = LetterR;
        } else {
            d.cells[size_t(digits - 2)] = LetterE;
            d.cells[size_t(digits - 1)] = LetterR;
            d.cells[size_t(digits)] = LetterR;
            d.firstCell = digits - 2;
        }
    }
    d.stored = x;
    return d;
}

bool SameDisplay(const Display &a, const Display &b)
{
    // Two values that are not numbers show the same cells.
    const bool sameValue = a.stored == b.stored || (std::isnan(a.stored) && std::isnan(b.stored));
    return sameValue && a.cells == b.cells && a.firstCell == b.firstCell && a.dotPlace == b.dotPlace;
}

bool SegmentLit(const Display &d, int digits, int k, int j)
{
    digits = std::clamp(digits, 1, kMaxDigits);
    if (k < d.firstCell || k < 1 || k > digits || j < 1 || j > 7)
        return false;
    const short code = d.cells[size_t(k)];
    if (code < 0 || code > LetterR)
        return false;
    if (code == Minus && k == digits - 1 && d.cells[size_t(digits)] == 0)
        return false;
    return kSegments[size_t(code)][size_t(j - 1)];
}

bool PointLit(const Display &d, int k)
{
    return k == d.dotPlace && k > 1;
}

bool ShowsNumber(const Display &d)
{
    return std::find(d.cells.begin(), d.cells.end(), short(LetterE)) == d.cells.end();
}

} // namespace znak

namespace {
constexpr QRgb kUnlit = face::Rgb(50, 80, 50);
constexpr QRgb kLit = face::Rgb(50, 200, 50);
constexpr QRgb kCase = face::Rgb(20, 20, 20);
constexpr QRgb kGlass = face::Rgb(40, 70, 40);
} // namespace

// The case covers the whole box: nothing behind it needs painting.
Znak::Znak(QObject *parent) : Instrument({.opaque = true, .repaintOnBind = false}, parent) {}

Znak::~Znak() = default;

int Znak::ShapeHeight(int width) const
{
    return int(std::lround(width * 1.5 / m_digits));
}

void Znak::setValue(double v)
{
    // The benches hand over their values on every tick; a display that
    // would not change is not repainted.
    m_given = v;
    const znak::Display d = znak::Encode(v, m_digits);
    if (znak::SameDisplay(d, m_display))
        return;
    m_display = d;
    Repaint();
    Q_EMIT valueChanged(m_display.stored);
    if (m_enable)
        TellValue(m_box, m_display.stored);
}

void Znak::setDigits(int v)
{
    if (v < 1 || v > znak::kMaxDigits)
        return;
    // The cells are cleared even for the same count, as the display
    // re-dimensions them on every set.
    const bool changed = v != m_digits;
    m_digits = v;
    m_display.cells.fill(0);
    KeepShape();
    Repaint();
    if (changed)
        Q_EMIT digitsChanged(m_digits);
}

void Znak::setEnable(bool v)
{
    if (v == m_enable)
        return;
    m_enable = v;
    Repaint();
    Q_EMIT enableChanged(m_enable);
    TellDescription(m_box);
}

void Znak::setUnit(const QString &v)
{
    if (v == m_unit)
        return;
    m_unit = v;
    Q_EMIT unitChanged(m_unit);
}

QAccessibleInterface *Znak::CreateAccessible(PictureBox *box)
{
    return DisplayAccessible(box, this);
}

InstrumentReading Znak::Reading() const
{
    InstrumentReading r;
    r.name = Name();
    r.kind = InstrumentReading::Kind::Indicator;
    r.unit = m_unit;
    r.value = m_enable && znak::ShowsNumber(m_display) ? m_display.stored : kNoNumber;
    return r;
}

void SetUpIndicator(Znak &display, PictureBox *box, const IndicatorSpec &setup)
{
    display.setPicCtl(box);
    display.setName(setup.name);
    display.setSpokenName(setup.spokenName);
    display.setDigits(setup.digits);
    display.setUnit(setup.unit);
    display.setEnable(setup.enable);
    display.setValue(setup.value);
}

void Znak::Pic1_Paint(QPainter &p)
{
    if (!m_box)
        return;
    const double W = m_box->width();
    const double H = m_box->height();
    face::Canvas cv(p, H);
    const double m = H * 0.1 / 1.5;
    const double cw = (W - 2 * m) / m_digits;
    const double ch = H - 2 * m;
    const double sw = 0.5 * cw;
    const double t = 0.03 * sw;
    const double sh = 0.7 * ch;
    cv.Box(0, 0, W, H, QColor(kCase));
    cv.Box(m, m, W - m, H - m, QColor(kGlass));

    const double x1 = (cw - sw) / 2 + m, y1 = (ch - sh - 10 * t) / 2 + m;
    const double y2 = y1 + sh / 2 + 4 * t, y3 = y2 + sh / 2 + 4 * t;
    const double x4 = x1 - 4 * t, x6 = x1 + sw + 2 * t;
    const std::array<double, 7> xs{x1, x1, x1, x4, x4, x6, x6};
    const std::array<double, 7> ys{y1, y2, y3, y1 + 2 * t, y2 + 2 * t, y1 + 2 * t, y2 + 2 * t};
    const double x0 = x6 + 10 * t, y0 = y1 - 2 * t;
    const QColor unlit(kUnlit);
    const QColor lit(m_enable ? kLit : kUnlit);

    for (int k = 1; k <= m_digits; ++k) {
        const double px = (m_digits - k) * cw + x0;
        cv.Box(px, y0, px + 4 * t, y0 + 4 * t, znak::PointLit(m_display, k) ? lit : unlit);
        const double left = (k - 1) * cw;
        for (int j = 1; j <= 7; ++j) {
            const QColor &c = znak::SegmentLit(m_display, m_digits, k, j) ? lit : unlit;
            const double x = left + xs[size_t(j - 1)], y = ys[size_t(j - 1)];
            if (j <= 3)
                cv.Box(x, y - t, x + sw, y + t, c);
            else
                cv.Box(x, y, x + 2 * t, y + sh / 2, c);
        }
    }
}

} // namespace ohmaris
