// SPDX-License-Identifier: GPL-3.0-or-later
// Reading a file that a user names or places (a language file, a list for
// the calculator): only a regular file, and only up to a given size, so that
// a named pipe cannot block the program and a device such as /dev/zero or a
// runaway file cannot fill its memory. Qt Core only.
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace ohmaris {

struct BoundedFile {
    std::optional<QByteArray> bytes; // the whole file, or nothing when refused
    QString error;                   // then why, to follow the file's name:
                                     // "not found", "not a regular file but a named pipe", ...
};

// Looks at what the path names before it opens anything (a pipe or a device
// is never opened), opens a regular file without waiting on it, checks again
// what it opened, and reads at most `maxBytes`; a file larger than that is
// refused, also one that grows while it is read.
BoundedFile ReadBoundedFile(const QString &path, qint64 maxBytes);

// "1 MiB", "16 MiB", "512 KiB" or "300 bytes", for messages about sizes.
QString SizeText(qint64 bytes);

} // namespace ohmaris
