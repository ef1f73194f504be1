// SPDX-License-Identifier: GPL-3.0-or-later
// What the headless tools (the gallery, the benchmark) share: the screen
// size and scale options and the offscreen platform set to that screen.
#pragma once

#include <QByteArray>
#include <QDir>
#include <QSaveFile>
#include <QRegularExpression>
#include <QString>

namespace ohmaris::tools {

// "WIDTHxHEIGHT" (such as 1280x1024) into width and height; false if the
// text is not of that form.
inline bool ParseScreenSize(const QString &text, int &width, int &height)
{
    const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("^(\\d{3,5})x(\\d{3,5})$")).match(text);
    if (!m.hasMatch())
        return false;
    width = m.captured(1).toInt();
    height = m.captured(2).toInt();
    return true;
}

// A scale factor (such as 1.25) from the text: a number from 1 to 4; false
// if the text is not one.
inline bool ParseScaleFactor(const QString &text, double &factor)
{
    bool ok = false;
    const double f = text.toDouble(&ok);
    if (!ok || !(f >= 1.0 && f <= 4.0))
        return false;
    factor = f;
    return true;
}

// The QT_QPA_PLATFORM value of an offscreen screen of the given size (the
// screen's own pixels) at the given scale factor: Qt then sees it as width /
// factor by height / factor at that device pixel ratio. The platform takes
// its screen from a small JSON file, written into the temporary folder under
// the tool's name.
inline QByteArray OffscreenPlatform(const QString &tool, int width, int height, double factor = 1.0)
{
    const QString path = QDir::temp().filePath(
        QStringLiteral("%1-%2x%3@%4.json").arg(tool).arg(width).arg(height).arg(factor));
    // Written whole and then renamed into place: tools started side by
    // side must never read each other's half-written file.
    QSaveFile f(path);
    if (f.open(QIODevice::WriteOnly)) {
        f.write(QStringLiteral("{ \"synchronousWindowSystemEvents\": false, \"windowFrameMargins\": false, "
                               "\"screens\": [ { \"name\": \"%1\", \"x\": 0, \"y\": 0, \"width\": %2, "
                               "\"height\": %3, \"logicalDpi\": 96, \"dpr\": %4 } ] }\n")
                    .arg(tool)
                    .arg(qRound(width / factor))
                    .arg(qRound(height / factor))
                    .arg(factor)
                    .toUtf8());
        f.commit();
    }
    return "offscreen:configfile=" + path.toLocal8Bit();
}

} // namespace ohmaris::tools
