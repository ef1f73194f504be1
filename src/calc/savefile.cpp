// SPDX-License-Identifier: GPL-3.0-or-later
// Whole-or-nothing file writing.
#include "calc/savefile.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSaveFile>

namespace ohmaris {

QString SaveWhole(const QString &path, const QByteArray &data)
{
    // QSaveFile would take a folder's name and fail only at the rename,
    // with a reason about its temporary file; say what is wrong instead.
    if (QFileInfo(path).isDir())
        return QCoreApplication::translate("ohmaris::SaveWhole", "it is a folder");
    QSaveFile file(path);
    // Unbuffered: a buffered write the system cuts short shows only when
    // the buffer is flushed at commit, and QSaveFile commits such a file
    // cut short as if it were whole.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return file.errorString();
    // A write the system cuts short (a full disk) says nothing; the next
    // one, which cannot write a byte, says why.
    qint64 done = 0;
    while (done < data.size()) {
        const qint64 n = file.write(data.constData() + done, data.size() - done);
        if (n <= 0) {
            const QString reason = file.errorString();
            file.cancelWriting();
            return reason;
        }
        done += n;
    }
    if (!file.commit())
        return file.errorString();
    return QString();
}

} // namespace ohmaris
