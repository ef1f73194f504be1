// SPDX-License-Identifier: GPL-3.0-or-later
// The printed protocol: the lab's title, the date, the bench as it looks
// and the protocol table, on as many pages as it takes. A table wider than
// the page continues in further parts, each beginning with the row's
// number and time; a part longer than the page continues on the next page
// under its header again.
#pragma once

#include "calc/protocol.h"

#include <QImage>
#include <QString>

class QPagedPaintDevice;

namespace ohmaris {

struct PrintedProtocol {
    QString title;      // the lab's title
    QString date;       // in the reader's language
    QString numberWord; // header of the row numbers ("No.")
    QImage bench;       // the bench as it looks; none when null
    ProtocolTable table;
};

// Paints the protocol onto the device's pages; false when no painter can
// work on it.
bool PaintProtocol(QPagedPaintDevice &device, const PrintedProtocol &page);

} // namespace ohmaris
