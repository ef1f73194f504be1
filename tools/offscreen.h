// What the headless tools (the gallery, the benchmark) share: the screen
// size option and the offscreen platform set to that screen.
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

// The QT_QPA_PLATFORM value of an offscreen screen of the given size: the
// platform takes its screen from a small JSON file, written into the
// temporary folder under the tool's name.
inline QByteArray OffscreenPlatform(const QString &tool, int width, int height)
{
    const QString path = QDir::temp().filePath(QStringLiteral("%1-%2x%3.json").arg(tool).arg(width).arg(height));
    // Written whole and then renamed into place: tools started side by
    // side must never read each other's half-written file.
    QSaveFile f(path);
    if (f.open(QIODevice::WriteOnly)) {
        f.write(QStringLiteral("{ \"synchronousWindowSystemEvents\": false, \"windowFrameMargins\": false, "
                               "\"screens\": [ { \"name\": \"%1\", \"x\": 0, \"y\": 0, \"width\": %2, "
                               "\"height\": %3, \"logicalDpi\": 96 } ] }\n")
                    .arg(tool)
                    .arg(width)
                    .arg(height)
                    .toUtf8());
        f.commit();
    }
    return "offscreen:configfile=" + path.toLocal8Bit();
}

} // namespace ohmaris::tools
