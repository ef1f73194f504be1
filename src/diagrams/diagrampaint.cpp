// SPDX-License-Identifier: GPL-3.0-or-later
// Painting the phasor diagram and the spectrum.
#include "diagrams/diagrampaint.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>
#include <cmath>
#include <map>

namespace ohmaris {

namespace {

// The page, in pixels, and its parts.
constexpr double kPageWidth = 1000, kPageHeight = 1000;
constexpr double kMargin = 28;
// Room beside the grid for the labels beyond the arrows' tips.
constexpr double kLabelRoom = 200;
constexpr int kDivisions = 5;

const QColor kVoltageColour(31, 78, 154);
const QColor kCurrentColour(178, 34, 34);
const QColor kLoadColour(200, 100, 30);
const QColor kGridColour(221, 221, 221);
const QColor kAxisColour(120, 120, 120);
const QColor kNoteColour(90, 90, 90);

QString Tr(const char *text)
{
    return QCoreApplication::translate("PhasorDiagram", text);
}

QFont Font(double pixels, bool bold = false)
{
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(int(pixels));
    f.setBold(bold);
    return f;
}

// A symbol "U_AB": the letter in the font, the subscript smaller and lower.
struct SymbolParts {
    QString base;
    QString subscript;
};

SymbolParts SplitSymbol(const QString &symbol)
{
    const qsizetype bar = symbol.indexOf(QLatin1Char('_'));
    if (bar < 0)
        return {symbol, {}};
    return {symbol.left(bar), symbol.mid(bar + 1)};
}

QFont SubscriptFont(const QFont &font)
{
    QFont f = font;
    f.setPixelSize(std::max(1, font.pixelSize() * 7 / 10));
    return f;
}

double SymbolWidth(const QString &symbol, const QFont &font)
{
    const SymbolParts s = SplitSymbol(symbol);
    return QFontMetricsF(font).horizontalAdvance(s.base) + QFontMetricsF(SubscriptFont(font)).horizontalAdvance(s.subscript);
}

// Draws the symbol from its baseline's left end; returns its width.
double DrawSymbol(QPainter &p, QPointF baseline, const QString &symbol, const QFont &font)
{
    const SymbolParts s = SplitSymbol(symbol);
    p.setFont(font);
    p.drawText(baseline, s.base);
    const double base = QFontMetricsF(font).horizontalAdvance(s.base);
    if (s.subscript.isEmpty())
        return base;
    const QFont sub = SubscriptFont(font);
    p.setFont(sub);
    p.drawText(baseline + QPointF(base, font.pixelSize() * 0.25), s.subscript);
    p.setFont(font);
    return base + QFontMetricsF(sub).horizontalAdvance(s.subscript);
}

// A symbol followed by plain text; returns the width of both.
double DrawSymbolText(QPainter &p, QPointF baseline, const QString &symbol, const QString &text, const QFont &font)
{
    const double w = DrawSymbol(p, baseline, symbol, font);
    p.setFont(font);
    p.drawText(baseline + QPointF(w, 0), text);
    return w + QFontMetricsF(font).horizontalAdvance(text);
}

// Lines of text from `top` down; returns the y below the last.
double DrawLines(QPainter &p, double left, double top, const QStringList &lines, const QFont &font, const QColor &colour)
{
    p.setFont(font);
    p.setPen(colour);
    const QFontMetricsF m(font);
    for (const QString &line : lines) {
        p.drawText(QPointF(left, top + m.ascent()), line);
        top += m.lineSpacing();
    }
    return top;
}

// An angle with one decimal, within (-180, 180].
QString Degrees(double radians, const QLocale &locale)
{
    QLocale l = locale;
    l.setNumberOptions(QLocale::OmitGroupSeparator);
    const double d = std::round(DisplayDegrees(radians) * 10) / 10;
    return l.toString(d == 0.0 ? 0.0 : d, 'f', 1);
}

// A scale's step: a few digits, no trailing zeros.
QString Step(double value, const QLocale &locale)
{
    QLocale l = locale;
    l.setNumberOptions(QLocale::OmitGroupSeparator);
    return l.toString(value, 'g', 6);
}

QString Unit(NamedPhasor::Kind kind)
{
    return kind == NamedPhasor::Kind::Voltage ? QCoreApplication::translate("PhasorDiagram", "V") : QCoreApplication::translate("PhasorDiagram", "A");
}

QColor Colour(NamedPhasor::Kind kind)
{
    return kind == NamedPhasor::Kind::Voltage ? kVoltageColour : kCurrentColour;
}

// What the header says: title, the state drawn, the scales.
struct Header {
    QString title;
    QString state;
    QString scales;
};

// Words of `text` in lines no wider than `width`.
QStringList Wrap(const QString &text, const QFont &font, double width)
{
    const QFontMetricsF m(font);
    QStringList lines;
    QString line;
    for (const QString &word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString longer = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
        if (!line.isEmpty() && m.horizontalAdvance(longer) > width) {
            lines << line;
            line = word;
        } else {
            line = longer;
        }
    }
    if (!line.isEmpty())
        lines << line;
    return lines;
}

const QFont &TitleFont()
{
    static const QFont f = Font(22, true);
    return f;
}

const QFont &NoteFont()
{
    static const QFont f = Font(14);
    return f;
}

QStringList HeaderNotes(const QRectF &page, const Header &h)
{
    QStringList lines = Wrap(h.state, NoteFont(), page.width() - 2 * kMargin);
    lines << h.scales;
    return lines;
}

// Where the header ends, for a header with the state `state`.
double HeaderBottom(const QRectF &page, const QString &state)
{
    const double notes = double(HeaderNotes(page, {QString(), state, QString()}).size());
    return page.top() + kMargin + QFontMetricsF(TitleFont()).lineSpacing() + 4
           + notes * QFontMetricsF(NoteFont()).lineSpacing();
}

double DrawHeader(QPainter &p, const QRectF &page, const Header &h)
{
    double y = page.top() + kMargin;
    y = DrawLines(p, page.left() + kMargin, y, {h.title}, TitleFont(), Qt::black);
    y += 4;
    return DrawLines(p, page.left() + kMargin, y, HeaderNotes(page, h), NoteFont(), kNoteColour);
}

// The key: each meaning once, after the symbols that have it.
struct KeyLine {
    QStringList symbols;
    QString meaning;
    QColor colour;
};

std::vector<KeyLine> Key(const PhasorDiagram &d)
{
    std::vector<KeyLine> key;
    for (const NamedPhasor &p : d.phasors) {
        const QString meaning = Tr(p.meaning);
        auto it = std::find_if(key.begin(), key.end(), [&](const KeyLine &k) { return k.meaning == meaning; });
        if (it == key.end())
            key.push_back({{p.symbol}, meaning, Colour(p.kind)});
        else
            it->symbols << p.symbol;
    }
    return key;
}

constexpr double kKeyLine = 20;

// The note on angles, in lines that fit the page.
QStringList AngleNote(const PhasorDiagram &d, const QRectF &page)
{
    const QString note =
        QCoreApplication::translate("PhasorDiagram", "Angles in degrees from the real axis +1, counter-clockwise; %1.")
            .arg(Tr(d.reference));
    return Wrap(note, Font(14), page.width() - 2 * kMargin);
}

double KeyHeight(const PhasorDiagram &d, const QRectF &page)
{
    // The key, half a blank, a line for the zero phasors and the note.
    return (double(Key(d).size()) + 1.5 + double(AngleNote(d, page).size())) * kKeyLine;
}

// A white page, smooth lines; the caller restores the painter at the end.
void BeginPage(QPainter &p, const QRectF &page)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(page, Qt::white);
}

void DrawArrow(QPainter &p, QPointF from, QPointF to, const QColor &colour, bool component)
{
    const QPointF along = to - from;
    const double length = std::hypot(along.x(), along.y());
    if (length <= 0)
        return;
    const QPointF u = along / length;
    const QPointF n(-u.y(), u.x());
    const double head = std::min(component ? 9.0 : 12.0, length * 0.4);
    const double half = head * 0.38;
    QPen pen(colour, component ? 1.4 : 2.2);
    if (component)
        pen.setStyle(Qt::DashLine);
    pen.setCapStyle(Qt::FlatCap);
    p.setPen(pen);
    p.drawLine(from, to - u * head * 0.8);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPolygon(QPolygonF{to, to - u * head + n * half, to - u * head - n * half});
    p.setBrush(Qt::NoBrush);
}

} // namespace

QSizeF DiagramPageSize()
{
    return {kPageWidth, kPageHeight};
}

QString PhasorDiagramTitle(int lab)
{
    return QCoreApplication::translate("PhasorDiagram", "Lab %1: phasor diagram").arg(lab);
}

QString SpectrumTitle(int lab)
{
    return QCoreApplication::translate("PhasorDiagram", "Lab %1: amplitude spectrum").arg(lab);
}

QString DiagramNumber(double value, int significant, const QLocale &locale)
{
    QLocale l = locale;
    l.setNumberOptions(QLocale::OmitGroupSeparator);
    if (value == 0.0 || !std::isfinite(value))
        return l.toString(value, 'f', 0);
    const int magnitude = int(std::floor(std::log10(std::fabs(value))));
    const int decimals = std::max(0, significant - 1 - magnitude);
    QString s = l.toString(value, 'f', decimals);
    // "-0.0" for a value that rounds to zero
    if (l.toDouble(s) == 0.0)
        s = l.toString(0.0, 'f', decimals);
    return s;
}

QPointF PhasorPicture::ToPage(QPointF divisions) const
{
    return origin + QPointF(divisions.x(), -divisions.y()) * pixelsPerDivision;
}

namespace {

// "+1" at the real axis's end, "+j" at the imaginary axis's, "0" at the
// origin: text and baseline on the page.
struct AxisCaption {
    QString text;
    QPointF baseline;
    QRectF Rect() const
    {
        const QFontMetricsF m(Font(13));
        return QRectF(baseline.x(), baseline.y() - m.ascent(), m.horizontalAdvance(text), m.height());
    }
};

std::vector<AxisCaption> AxisCaptions(const PhasorPicture &pic)
{
    const double reach = kDivisions;
    return {{QStringLiteral("+1"), pic.ToPage({reach, 0}) + QPointF(6, 5)},
            {QStringLiteral("+j"), pic.ToPage({0, reach}) + QPointF(6, 4)},
            {QStringLiteral("0"), pic.ToPage({0, 0}) + QPointF(-14, 16)}};
}

} // namespace

PhasorPicture ArrangePhasorDiagram(const PhasorDiagram &diagram, const DiagramCaption &caption, const QRectF &page)
{
    PhasorPicture pic;
    // The header, then the grid, then the key.
    const double top = HeaderBottom(page, caption.state) + 16;
    const double bottom = page.bottom() - kMargin - KeyHeight(diagram, page);
    const double side = std::max(40.0, std::min(bottom - top, page.width() - 2 * kLabelRoom));
    pic.pixelsPerDivision = side / (2 * kDivisions);
    pic.origin = QPointF(page.center().x(), (top + bottom) / 2);

    const QFont font = Font(14);
    const QFontMetricsF m(font);
    std::vector<QSizeF> sizes;
    for (const NamedPhasor &p : diagram.phasors) {
        const QString text = QStringLiteral(" = %1 %2, %3°")
                                 .arg(DiagramNumber(double(p.value.Magnitude), 4, caption.numbers), Unit(p.kind),
                                      Degrees(p.value.Angle, caption.numbers));
        pic.labels.push_back(text);
        const QSizeF px(SymbolWidth(p.symbol, font) + m.horizontalAdvance(text), m.height() + font.pixelSize() * 0.2);
        sizes.push_back(px / pic.pixelsPerDivision);
    }
    // The captions of the axes and the origin, as PaintPhasorDiagram sets
    // them, kept clear of labels.
    std::vector<QRectF> reserved;
    for (const AxisCaption &c : AxisCaptions(pic)) {
        const QRectF page = c.Rect();
        const QPointF a = (page.bottomLeft() - pic.origin) / pic.pixelsPerDivision;
        reserved.emplace_back(a.x(), -a.y(), page.width() / pic.pixelsPerDivision, page.height() / pic.pixelsPerDivision);
    }
    pic.layout = LayOutPhasors(diagram, sizes, kDivisions, reserved);
    return pic;
}

void PaintPhasorDiagram(QPainter &p, const QRectF &page, const PhasorDiagram &diagram, const DiagramCaption &caption)
{
    const PhasorPicture pic = ArrangePhasorDiagram(diagram, caption, page);
    const PhasorLayout &lay = pic.layout;
    BeginPage(p, page);

    bool voltages = false, currents = false;
    for (const NamedPhasor &ph : diagram.phasors)
        (ph.kind == NamedPhasor::Kind::Voltage ? voltages : currents) = true;
    QStringList scales;
    if (voltages)
        scales << QCoreApplication::translate("PhasorDiagram", "voltages %1 %2 per division").arg(Step(lay.voltsPerDivision, caption.numbers), QCoreApplication::translate("PhasorDiagram", "V"));
    if (currents)
        scales << QCoreApplication::translate("PhasorDiagram", "currents %1 %2 per division").arg(Step(lay.ampsPerDivision, caption.numbers), QCoreApplication::translate("PhasorDiagram", "A"));
    DrawHeader(p, page,
               {PhasorDiagramTitle(diagram.lab), caption.state,
                QCoreApplication::translate("PhasorDiagram", "Scale: %1").arg(scales.join(QStringLiteral("; ")))});

    // The grid, its axes and their ends.
    const double reach = lay.divisions;
    p.setPen(QPen(kGridColour, 1));
    for (int k = -lay.divisions; k <= lay.divisions; ++k) {
        p.drawLine(pic.ToPage({double(k), -reach}), pic.ToPage({double(k), reach}));
        p.drawLine(pic.ToPage({-reach, double(k)}), pic.ToPage({reach, double(k)}));
    }
    p.setPen(QPen(kAxisColour, 1.2));
    p.drawLine(pic.ToPage({-reach, 0}), pic.ToPage({reach, 0}));
    p.drawLine(pic.ToPage({0, -reach}), pic.ToPage({0, reach}));
    p.setFont(Font(13));
    for (const AxisCaption &c : AxisCaptions(pic))
        p.drawText(c.baseline, c.text);

    // Components first, so the phasors they make up are drawn over them.
    for (int pass = 0; pass < 2; ++pass)
        for (std::size_t i = 0; i < diagram.phasors.size(); ++i) {
            const NamedPhasor &ph = diagram.phasors[i];
            const PhasorArrow &a = lay.arrows[i];
            if (a.drawn && ph.component == (pass == 0))
                DrawArrow(p, pic.ToPage(a.tail), pic.ToPage(a.tip), Colour(ph.kind), ph.component);
        }

    const QFont font = Font(14);
    const QFontMetricsF m(font);
    QStringList zero;
    for (std::size_t i = 0; i < diagram.phasors.size(); ++i) {
        const NamedPhasor &ph = diagram.phasors[i];
        const PhasorArrow &a = lay.arrows[i];
        if (!a.drawn) {
            zero << ph.symbol;
            continue;
        }
        // The label's rectangle has its bottom edge at top() in the
        // layout's y-up divisions.
        const QPointF topLeft = pic.ToPage({a.label.left(), a.label.top() + a.label.height()});
        p.setPen(Colour(ph.kind));
        DrawSymbolText(p, topLeft + QPointF(0, m.ascent()), ph.symbol, pic.labels[i], font);
    }

    // The key and the notes under the grid.
    double y = page.bottom() - kMargin - KeyHeight(diagram, page) + kKeyLine;
    const double left = page.left() + kMargin;
    for (const KeyLine &k : Key(diagram)) {
        p.setPen(k.colour);
        double x = left;
        for (int s = 0; s < k.symbols.size(); ++s) {
            const QString sep = s + 1 < k.symbols.size() ? QStringLiteral(", ") : QString();
            x += DrawSymbolText(p, {x, y}, k.symbols[s], sep, font);
        }
        p.setPen(Qt::black);
        p.setFont(font);
        p.drawText(QPointF(x, y), QStringLiteral(" \u2014 ") + k.meaning);
        y += kKeyLine;
    }
    y += kKeyLine * 0.5;
    p.setPen(kNoteColour);
    if (!zero.isEmpty()) {
        double x = left + DrawSymbolText(p, {left, y}, QString(),
                                         QCoreApplication::translate("PhasorDiagram", "Zero, not drawn: "), font);
        for (int s = 0; s < zero.size(); ++s)
            x += DrawSymbolText(p, {x, y}, zero[s], s + 1 < zero.size() ? QStringLiteral(", ") : QStringLiteral("."),
                                font);
        y += kKeyLine;
    }
    for (const QString &line : AngleNote(diagram, page)) {
        DrawSymbolText(p, {left, y}, QString(), line, font);
        y += kKeyLine;
    }
    p.restore();
}

QRectF SpectrumPicture::ToPage(const QRectF &bar) const
{
    // The bar's y runs upwards from 0.
    const QPointF bottomLeft = zero + QPointF(bar.left() * pixelsPerSlot, -bar.top() * pixelsPerDivision);
    return QRectF(bottomLeft.x(), bottomLeft.y() - bar.height() * pixelsPerDivision, bar.width() * pixelsPerSlot,
                  bar.height() * pixelsPerDivision);
}

SpectrumPicture ArrangeSpectrum(const Spectrum &spectrum, const DiagramCaption &caption, const QRectF &page)
{
    SpectrumPicture pic;
    pic.layout = LayOutSpectrum(spectrum, kDivisions);
    // Room for the header, the values above the bars, the tick labels on
    // the left and the frequencies and the legend below.
    const double top = HeaderBottom(page, caption.state) + 60;
    const double bottom = page.bottom() - kMargin - 150;
    const double left = page.left() + kMargin + 80;
    const double right = page.right() - kMargin - 20;
    pic.pixelsPerDivision = (bottom - top) / kDivisions;
    pic.pixelsPerSlot = (right - left) / double(std::max<std::size_t>(spectrum.lines.size(), 1));
    pic.zero = QPointF(left, bottom);
    return pic;
}

void PaintSpectrum(QPainter &p, const QRectF &page, const Spectrum &spectrum, const DiagramCaption &caption)
{
    const SpectrumPicture pic = ArrangeSpectrum(spectrum, caption, page);
    const SpectrumLayout &lay = pic.layout;
    BeginPage(p, page);
    const QString volt = QCoreApplication::translate("PhasorDiagram", "V");
    DrawHeader(p, page,
               {SpectrumTitle(spectrum.lab), caption.state,
                QCoreApplication::translate("PhasorDiagram", "Scale: amplitudes %1 %2 per division").arg(Step(lay.voltsPerDivision, caption.numbers), volt)});

    const double slotCount = double(std::max<std::size_t>(spectrum.lines.size(), 1));
    const double width = slotCount * pic.pixelsPerSlot;
    const QFont font = Font(14);
    const QFont small = Font(12);
    const QFontMetricsF m(font), ms(small);

    // Grid lines at every division, labelled in volts on the left.
    for (int k = 0; k <= lay.divisions; ++k) {
        const double y = pic.zero.y() - k * pic.pixelsPerDivision;
        p.setPen(QPen(k == 0 ? kAxisColour : kGridColour, k == 0 ? 1.2 : 1));
        p.drawLine(QPointF(pic.zero.x(), y), QPointF(pic.zero.x() + width, y));
        p.setPen(kNoteColour);
        p.setFont(small);
        const QString tick = Step(k * lay.voltsPerDivision, caption.numbers) + QLatin1Char(' ') + volt;
        p.drawText(QPointF(pic.zero.x() - 10 - ms.horizontalAdvance(tick), y + ms.ascent() / 2 - 1), tick);
    }
    p.setPen(QPen(kAxisColour, 1.2));
    p.drawLine(pic.zero, pic.zero - QPointF(0, lay.divisions * pic.pixelsPerDivision));

    if (spectrum.lines.empty()) {
        p.setPen(kNoteColour);
        p.setFont(font);
        const QString none = QCoreApplication::translate("PhasorDiagram", "No source is on.");
        p.drawText(QPointF(pic.zero.x() + width / 2 - m.horizontalAdvance(none) / 2,
                           pic.zero.y() - lay.divisions * pic.pixelsPerDivision / 2),
                   none);
    }

    const auto bar = [&](const QRectF &r, double amplitude, const QColor &colour) {
        const QRectF onPage = pic.ToPage(r);
        p.fillRect(onPage, colour);
        const QString value = DiagramNumber(amplitude, 4, caption.numbers);
        p.setPen(colour);
        p.setFont(small);
        p.drawText(QPointF(onPage.center().x() - ms.horizontalAdvance(value) / 2, onPage.top() - 5), value);
    };
    for (std::size_t i = 0; i < spectrum.lines.size(); ++i) {
        const SpectrumLine &line = spectrum.lines[i];
        bar(lay.sourceBars[i], line.sourceAmplitude, kVoltageColour);
        bar(lay.loadBars[i], line.loadAmplitude, kLoadColour);
        // Under the slot: the multiple, the frequency and the sources.
        const double centre = pic.zero.x() + (double(i) + 0.5) * pic.pixelsPerSlot;
        const QStringList under{
            QStringLiteral("k = %1").arg(Step(line.multiple, caption.numbers)),
            QCoreApplication::translate("PhasorDiagram", "%1 Hz").arg(Step(line.multiple * 50.0, caption.numbers)),
            line.sources};
        double y = pic.zero.y() + 8;
        p.setPen(Qt::black);
        p.setFont(font);
        for (const QString &text : under) {
            p.drawText(QPointF(centre - m.horizontalAdvance(text) / 2, y + m.ascent()), text);
            y += m.lineSpacing();
        }
    }

    // The legend.
    double y = page.bottom() - kMargin - 2 * kKeyLine;
    const double left = page.left() + kMargin;
    const std::pair<QColor, QString> legend[] = {
        {kVoltageColour, QCoreApplication::translate("PhasorDiagram", "EMF amplitude of the sources at that frequency")},
        {kLoadColour, QCoreApplication::translate("PhasorDiagram", "amplitude of the load voltage at that frequency")}};
    p.setFont(font);
    for (const auto &[colour, text] : legend) {
        p.fillRect(QRectF(left, y - 12, 24, 12), colour);
        p.setPen(Qt::black);
        p.drawText(QPointF(left + 32, y), text);
        y += kKeyLine;
    }
    p.restore();
}

} // namespace ohmaris
