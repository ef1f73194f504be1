// SPDX-License-Identifier: GPL-3.0-or-later
// Files the student asks for are written whole or not at all: into a
// temporary file beside the named one, which takes its place only when
// every byte is written (QSaveFile). A failure leaves whatever was there
// before and says why in the system's words.
#pragma once

#include <QByteArray>
#include <QString>

namespace ohmaris {

// Writes `data` to `path`. Returns an empty string when the file is in
// place, else the reason it is not.
QString SaveWhole(const QString &path, const QByteArray &data);

} // namespace ohmaris
