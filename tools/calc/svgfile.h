// SPDX-License-Identifier: GPL-3.0-or-later
// A drawing written into an SVG file, whole or not at all: painted with
// QPainter on Qt's SVG generator into a QSaveFile, which replaces the file
// only when everything was written.
#pragma once

#include <QRectF>
#include <QSizeF>
#include <QString>
#include <functional>

class QPainter;

namespace ohmaris {

// Returns an empty string, or one line naming the file and the reason it
// could not be written (the file is then as it was). Needs a
// QGuiApplication, as text is laid out with the system's fonts.
QString WriteSvgFile(const QString &path, const QSizeF &size, const QString &title,
                     const std::function<void(QPainter &, const QRectF &)> &paint);

} // namespace ohmaris
