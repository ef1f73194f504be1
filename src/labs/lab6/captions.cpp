// SPDX-License-Identifier: GPL-3.0-or-later
// Lab 6's captions and tool tips (window Form5), by item of the language
// files; the K-50 panel, the breaker and the element frames come with the
// shared benches (labs/common/captions.h).
#include "labs/lab6/lab.h"

#include "labs/common/captions.h"

namespace ohmaris {

void Lab6::Captions(CaptionRows &rows)
{
    rows.title(6, 1);
    AcBenchCaptions(rows);
    ThreePhaseCaptions(rows);
    // Items 8 to 10: ammeters A1, A3 and A2.
    rows.tips({QStringLiteral("Picture3"), CaptionElement("Image1", 8)}, 2, 8);
    rows.tips({CaptionElement("Image1", 10), QStringLiteral("Picture5")}, 2, 9);
    rows.tips({CaptionElement("Image1", 9), QStringLiteral("Picture4")}, 2, 10);
    // Block 3: the K-50 set on the schematic, switches, coils, capacitors.
    rows.tip(CaptionElement("Image1", 7), 3, 4);
    for (int k = 1; k <= 6; ++k)
        rows.tip(CaptionElement("Image1", k), 3, 28);
    for (int k = 14; k <= 16; ++k)
        rows.tip(CaptionElement("Image1", k), 3, 30);
    for (int k = 17; k <= 19; ++k)
        rows.tip(CaptionElement("Image1", k), 3, 31);
    // The ammeters' range buttons.
    rows.tip(CaptionElement("Command5", 0), 4, 3);
    rows.tip(CaptionElement("Command5", 1), 5, 2);
    rows.tip(CaptionElement("Command5", 2), 4, 4);
    rows.tip(CaptionElement("Command6", 0), 4, 7);
    rows.tip(CaptionElement("Command6", 1), 6, 2);
    rows.tip(CaptionElement("Command6", 2), 4, 8);
    for (int k = 0; k < 3; ++k)
        rows.tip(CaptionElement("Command7", k), 6, 3 + k);
    // Block 5 items 4 to 6: the resistors.
    for (int k = 0; k < 3; ++k)
        rows.tip(CaptionElement("Image1", 11 + k), 5, 4 + k);
}

} // namespace ohmaris
