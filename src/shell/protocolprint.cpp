// SPDX-License-Identifier: GPL-3.0-or-later
// Laying the protocol out on pages.
#include "shell/protocolprint.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>

namespace ohmaris {

namespace {

constexpr double kPointsPerInch = 72.0;

// The widest word of a text: a header wraps at its spaces, never inside a
// word.
double WidestWord(const QFontMetricsF &fm, const QString &text)
{
    double w = 0.0;
    for (const QString &word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        w = std::max(w, fm.horizontalAdvance(word));
    return w;
}

class PageWriter {
public:
    PageWriter(QPagedPaintDevice &device, QPainter &p) : m_device(device), m_p(p)
    {
        m_points = device.logicalDpiY() / kPointsPerInch;
        m_page = QRectF(0, 0, device.width(), device.height());
        m_y = m_page.top();
    }

    double Points(double pt) const { return pt * m_points; }
    const QRectF &Page() const { return m_page; }
    double Y() const { return m_y; }
    void Advance(double dy) { m_y += dy; }

    // A new page when less than `height` is left (and the page is not
    // empty already).
    bool Room(double height)
    {
        if (m_y + height <= m_page.bottom() || m_y == m_page.top())
            return false;
        m_device.newPage();
        m_y = m_page.top();
        return true;
    }

    // A block of text across the page, wrapped.
    void Paragraph(const QString &text, const QFont &font, double spaceAfter)
    {
        m_p.setFont(font);
        const QRectF box = m_p.boundingRect(QRectF(m_page.left(), 0, m_page.width(), 1e6),
                                            Qt::TextWordWrap | Qt::AlignLeft, text);
        Room(box.height());
        m_p.drawText(QRectF(m_page.left(), m_y, m_page.width(), box.height()), Qt::TextWordWrap | Qt::AlignLeft, text);
        m_y += box.height() + spaceAfter;
    }

private:
    QPagedPaintDevice &m_device;
    QPainter &m_p;
    double m_points = 1.0;
    QRectF m_page;
    double m_y = 0.0;
};

void PaintTable(PageWriter &pw, QPainter &p, const PrintedProtocol &page, const QFont &body)
{
    const ProtocolTable &t = page.table;
    if (t.headers.isEmpty())
        return;
    // The columns: the row's number, then the table's own.
    QStringList headers;
    headers << page.numberWord << t.headers;
    std::vector<QStringList> rows;
    for (std::size_t i = 0; i < t.rows.size(); ++i)
        rows.push_back(QStringList{QString::number(i + 1)} + t.rows[i]);

    QFont bold = body;
    bold.setBold(true);
    QFont italic = body;
    italic.setItalic(true);
    const QFontMetricsF fm(body, p.device());
    const QFontMetricsF fmBold(bold, p.device());
    const double pad = pw.Points(3);
    const double lineHeight = fm.height() + 2 * pad;
    const int columns = int(headers.size());
    std::vector<double> widths(std::size_t(columns), 0.0);
    for (int c = 0; c < columns; ++c) {
        double w = WidestWord(fmBold, headers[c]);
        for (const QStringList &r : rows)
            w = std::max(w, std::max(fm.horizontalAdvance(r.value(c)), QFontMetricsF(italic, p.device()).horizontalAdvance(r.value(c))));
        widths[std::size_t(c)] = std::min(w + 2 * pad, pw.Page().width() / 2);
    }

    // Parts: the number and the time lead every part, the other columns
    // follow as many as fit.
    const int lead = std::min(columns, 2);
    const double leadWidth = widths[0] + (lead > 1 ? widths[1] : 0.0);
    std::vector<std::vector<int>> parts;
    std::vector<int> current;
    double used = leadWidth;
    for (int c = lead; c < columns; ++c) {
        if (!current.empty() && used + widths[std::size_t(c)] > pw.Page().width()) {
            parts.push_back(current);
            current.clear();
            used = leadWidth;
        }
        current.push_back(c);
        used += widths[std::size_t(c)];
    }
    if (!current.empty() || parts.empty())
        parts.push_back(current);

    const QPen grid(Qt::black, pw.Points(0.5));
    for (const std::vector<int> &part : parts) {
        std::vector<int> cols;
        for (int c = 0; c < lead; ++c)
            cols.push_back(c);
        cols.insert(cols.end(), part.begin(), part.end());

        double headerHeight = 0.0;
        for (int c : cols) {
            const QRectF r = fmBold.boundingRect(QRectF(0, 0, widths[std::size_t(c)] - 2 * pad, 1e6),
                                                 Qt::TextWordWrap | Qt::AlignCenter, headers[c]);
            headerHeight = std::max(headerHeight, r.height() + 2 * pad);
        }
        auto drawHeader = [&] {
            double x = pw.Page().left();
            p.setFont(bold);
            p.setPen(grid);
            for (int c : cols) {
                const QRectF cell(x, pw.Y(), widths[std::size_t(c)], headerHeight);
                p.drawRect(cell);
                p.drawText(cell.adjusted(pad, pad, -pad, -pad), Qt::TextWordWrap | Qt::AlignCenter, headers[c]);
                x += widths[std::size_t(c)];
            }
            pw.Advance(headerHeight);
        };
        pw.Room(headerHeight + lineHeight);
        drawHeader();
        for (std::size_t i = 0; i < rows.size(); ++i) {
            if (pw.Room(lineHeight))
                drawHeader();
            p.setFont(t.moving[i] ? italic : body);
            p.setPen(grid);
            double x = pw.Page().left();
            for (int c : cols) {
                const QRectF cell(x, pw.Y(), widths[std::size_t(c)], lineHeight);
                p.drawRect(cell);
                const Qt::Alignment align = c == columns - 1 ? Qt::AlignLeft | Qt::AlignVCenter
                                                             : Qt::AlignRight | Qt::AlignVCenter;
                p.drawText(cell.adjusted(pad, 0, -pad, 0), align, rows[i].value(c));
                x += widths[std::size_t(c)];
            }
            pw.Advance(lineHeight);
        }
        pw.Advance(lineHeight);
    }
}

} // namespace

bool PaintProtocol(QPagedPaintDevice &device, const PrintedProtocol &page)
{
    QPainter p;
    if (!p.begin(&device))
        return false;
    PageWriter pw(device, p);

    QFont body(QStringLiteral("Times New Roman"));
    body.setPointSizeF(9.0);
    QFont title = body;
    title.setPointSizeF(14.0);
    title.setBold(true);
    QFont subtitle = body;
    subtitle.setPointSizeF(11.0);

    pw.Paragraph(page.title, title, pw.Points(4));
    pw.Paragraph(page.date, subtitle, pw.Points(10));

    if (!page.bench.isNull()) {
        // The bench across the page, keeping its shape, in at most half of
        // the page's height.
        QSizeF size = QSizeF(page.bench.size()).scaled(QSizeF(pw.Page().width(), pw.Page().height() / 2),
                                                       Qt::KeepAspectRatio);
        pw.Room(size.height());
        p.drawImage(QRectF(QPointF(pw.Page().left(), pw.Y()), size), page.bench);
        pw.Advance(size.height() + pw.Points(12));
    }

    PaintTable(pw, p, page, body);
    return p.end();
}

} // namespace ohmaris
