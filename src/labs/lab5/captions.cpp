// SPDX-License-Identifier: GPL-3.0-or-later
// Lab 5's captions and tool tips (window Form4), by item of the language
// files; the K-50 panel, the breaker and the element frames come with the
// shared benches (labs/common/captions.h).
#include "labs/lab5/lab.h"

#include "labs/common/captions.h"

namespace ohmaris {

void Lab5::Captions(CaptionRows &rows)
{
    rows.title(5, 1);
    AcBenchCaptions(rows);
    ThreePhaseCaptions(rows);
    // Item 8: ammeter A1; block 3 item 4: the K-50 set on the schematic;
    // item 5: voltmeter V1.
    rows.tips({QStringLiteral("Picture3"), CaptionElement("Image1", 16)}, 2, 8);
    rows.tip(CaptionElement("Image1", 5), 3, 4);
    rows.tips({QStringLiteral("Picture4"), CaptionElement("Image1", 15)}, 3, 5);
    // The voltmeter's range buttons, captioned with their ranges and the
    // volt symbol (item 26).
    for (int k = 0; k < 3; ++k)
        rows.tip(CaptionElement("Command6", k), 3, 18 + k);
    rows.tip(CaptionElement("Command6", 3), 5, 3);
    const QStringList ranges{QStringLiteral("50"), QStringLiteral("150"), QStringLiteral("300"), QStringLiteral("450")};
    for (int k = 0; k < 4; ++k)
        rows.rangeCaption(CaptionElement("Command6", k), ranges.at(k), 3, 26);
    // Items 28, 30 and 31: switches, coils and capacitors.
    for (int k = 1; k <= 4; ++k)
        rows.tip(CaptionElement("Image1", k), 3, 28);
    for (int k = 9; k <= 11; ++k)
        rows.tip(CaptionElement("Image1", k), 3, 30);
    for (int k = 12; k <= 14; ++k)
        rows.tip(CaptionElement("Image1", k), 3, 31);
    // The ammeter's range buttons.
    rows.tip(CaptionElement("Command5", 0), 4, 2);
    rows.tip(CaptionElement("Command5", 1), 4, 3);
    rows.tip(CaptionElement("Command5", 2), 5, 2);
    rows.tip(CaptionElement("Command5", 3), 4, 4);
    // Block 5 items 4 to 6: the resistors.
    for (int k = 0; k < 3; ++k)
        rows.tip(CaptionElement("Image1", 6 + k), 5, 4 + k);
}

} // namespace ohmaris
