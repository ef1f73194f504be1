// SPDX-License-Identifier: GPL-3.0-or-later
// The bounded file reader: the type and size of a file are checked before it
// is opened, and again on what was opened, since the name may have been
// swapped in between.
#include "calc/boundedfile.h"

#include <QFile>
#include <QFileInfo>
#include <QtGlobal>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace ohmaris {

namespace {

QString TooLarge(qint64 size, qint64 maxBytes)
{
    return QStringLiteral("too large: %1 bytes, where at most %2 bytes (%3) are read")
        .arg(size)
        .arg(maxBytes)
        .arg(SizeText(maxBytes));
}

QString NotRegular(const QString &kind)
{
    return QStringLiteral("not a regular file but %1").arg(kind);
}

// Reads an opened file up to one byte past the limit, so that a file that
// grew after its size was checked is refused rather than cut.
BoundedFile ReadOpened(QFile &file, qint64 maxBytes)
{
    BoundedFile r;
    QByteArray bytes = file.read(maxBytes + 1);
    if (file.error() != QFileDevice::NoError) {
        r.error = QStringLiteral("cannot be read: %1").arg(file.errorString());
        return r;
    }
    if (bytes.size() > maxBytes) {
        r.error = QStringLiteral("too large: more than %1 bytes (%2) while it was read").arg(maxBytes).arg(SizeText(maxBytes));
        return r;
    }
    r.bytes = std::move(bytes);
    return r;
}

#ifdef Q_OS_UNIX
QString KindOf(mode_t mode)
{
    if (S_ISDIR(mode))
        return QStringLiteral("a folder");
    if (S_ISFIFO(mode))
        return QStringLiteral("a named pipe");
    if (S_ISCHR(mode))
        return QStringLiteral("a character device");
    if (S_ISBLK(mode))
        return QStringLiteral("a block device");
    if (S_ISSOCK(mode))
        return QStringLiteral("a socket");
    return QStringLiteral("something else");
}

QString ErrnoText(int error)
{
    if (error == ENOENT || error == ENOTDIR)
        return QStringLiteral("not found");
    return QStringLiteral("cannot be read: %1").arg(qt_error_string(error));
}
#endif

} // namespace

QString SizeText(qint64 bytes)
{
    constexpr qint64 kKiB = 1024;
    constexpr qint64 kMiB = 1024 * kKiB;
    if (bytes > 0 && bytes % kMiB == 0)
        return QStringLiteral("%1 MiB").arg(bytes / kMiB);
    if (bytes > 0 && bytes % kKiB == 0)
        return QStringLiteral("%1 KiB").arg(bytes / kKiB);
    return QStringLiteral("%1 bytes").arg(bytes);
}

BoundedFile ReadBoundedFile(const QString &path, qint64 maxBytes)
{
    BoundedFile r;
    if (path.isEmpty() || path.contains(QChar(u'\0'))) {
        r.error = QStringLiteral("not found");
        return r;
    }
#ifdef Q_OS_UNIX
    const QByteArray native = QFile::encodeName(path);
    struct stat named {};
    if (::stat(native.constData(), &named) != 0) {
        r.error = ErrnoText(errno);
        return r;
    }
    if (!S_ISREG(named.st_mode)) {
        r.error = NotRegular(KindOf(named.st_mode));
        return r;
    }
    if (qint64(named.st_size) > maxBytes) {
        r.error = TooLarge(qint64(named.st_size), maxBytes);
        return r;
    }
    // Without O_NONBLOCK a pipe swapped in after the check would hold the
    // open until something writes to it.
    const int fd = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        r.error = ErrnoText(errno);
        return r;
    }
    struct stat opened {};
    if (::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode)) {
        ::close(fd);
        r.error = NotRegular(KindOf(opened.st_mode));
        return r;
    }
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        r.error = QStringLiteral("cannot be read: %1").arg(file.errorString());
        return r;
    }
    return ReadOpened(file, maxBytes);
#else
    const QFileInfo info(path);
    if (!info.exists()) {
        r.error = QStringLiteral("not found");
        return r;
    }
    if (!info.isFile()) {
        r.error = NotRegular(info.isDir() ? QStringLiteral("a folder") : QStringLiteral("something else"));
        return r;
    }
    if (info.size() > maxBytes) {
        r.error = TooLarge(info.size(), maxBytes);
        return r;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        r.error = QStringLiteral("cannot be read: %1").arg(file.errorString());
        return r;
    }
    return ReadOpened(file, maxBytes);
#endif
}

} // namespace ohmaris
