// SPDX-License-Identifier: GPL-3.0-or-later
// SVG files through QSaveFile.
#include "svgfile.h"

#include "calc/labcalc.h"

#include <QPainter>
#include <QSaveFile>
#include <QSvgGenerator>

namespace ohmaris {

QString WriteSvgFile(const QString &path, const QSizeF &size, const QString &title,
                     const std::function<void(QPainter &, const QRectF &)> &paint)
{
    const auto failed = [&path](const QString &reason) {
        return QStringLiteral("cannot write %1: %2").arg(QuotedArgument(path), reason);
    };
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return failed(file.errorString());
    QSvgGenerator svg;
    svg.setOutputDevice(&file);
    svg.setSize(size.toSize());
    svg.setViewBox(QRectF(QPointF(0, 0), size));
    svg.setResolution(96);
    svg.setTitle(title);
    QPainter painter;
    if (!painter.begin(&svg))
        return failed(QStringLiteral("the SVG generator did not start"));
    paint(painter, QRectF(QPointF(0, 0), size));
    painter.end();
    if (file.error() != QFileDevice::NoError)
        return failed(file.errorString());
    if (!file.commit())
        return failed(file.errorString());
    return {};
}

} // namespace ohmaris
