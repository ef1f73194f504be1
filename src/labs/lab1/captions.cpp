// SPDX-License-Identifier: GPL-3.0-or-later
// Lab 1's captions and tool tips (window Form1), by item of the language
// files.
#include "labs/lab1/lab.h"

#include "i18n/captionmap.h"

namespace ohmaris {

void Lab1::Captions(CaptionRows &rows)
{
    rows.title(2, 1);
    // Items 8 to 11: ammeters A1, A3 and A2, and the voltmeter.
    rows.tip(QStringLiteral("Picture2"), 2, 8);
    rows.tip(QStringLiteral("Picture3"), 2, 9);
    rows.tip(QStringLiteral("Picture4"), 2, 10);
    rows.tip(QStringLiteral("Picture5"), 2, 11);
    // Items 12 to 16: switches S1 to S5.
    for (int k = 0; k < 2; ++k)
        rows.tip(CaptionElement("Image1", 13 + k), 2, 12 + k);
    for (int k = 0; k < 3; ++k)
        rows.tip(CaptionElement("Image1", 15 + k), 2, 14 + k);
    rows.text(QStringLiteral("Frame1"), 2, 17);
    rows.tip(QStringLiteral("Frame1"), 2, 17);
    // Item 18: the volt symbol; item 19: the ohm symbol.
    for (int k : {0, 2})
        rows.text(CaptionElement("Label3", k), 2, 18);
    for (int k : {1, 3, 4, 5, 6})
        rows.text(CaptionElement("Label3", k), 2, 19);
    rows.tip(QStringLiteral("Picture15"), 2, 20);
    // Items 21 to 33: the thirteen elements of the schematic.
    for (int k = 0; k <= 12; ++k)
        rows.tip(CaptionElement("Image1", k), 2, 21 + k);
}

} // namespace ohmaris
