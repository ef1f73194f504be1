// SPDX-License-Identifier: GPL-3.0-or-later
// Lab 2's captions and tool tips (window Form2), by item of the language
// files; the K-50 panel, the breaker, the regulator and the coil's panel
// come with the shared benches (labs/common/captions.h).
#include "labs/lab2/lab.h"

#include "labs/common/captions.h"

namespace ohmaris {

void Lab2::Captions(CaptionRows &rows)
{
    rows.title(3, 1);
    AcBenchCaptions(rows);
    RegulatorCaptions(rows);
    CoilCapacitorCaptions(rows);
    // Item 4: the K-50 set on the schematic.
    rows.tip(CaptionElement("Image1", 3), 3, 4);
    // Items 5 and 6: voltmeters V1 and V2.
    rows.tips({QStringLiteral("Picture3"), CaptionElement("Image1", 6)}, 3, 5);
    rows.tips({QStringLiteral("Picture4"), CaptionElement("Image1", 7)}, 3, 6);
    // Items 18 to 25: the voltmeters' range buttons, captioned with their
    // ranges and the volt symbol (item 26).
    for (int k = 0; k < 3; ++k)
        rows.tip(CaptionElement("Command5", k), 3, 18 + k);
    rows.tip(CaptionElement("Command5", 3), 3, 21);
    for (int k = 0; k < 4; ++k)
        rows.tip(CaptionElement("Command6", k), 3, 22 + k);
    const QStringList ranges{QStringLiteral("50"), QStringLiteral("150"), QStringLiteral("300"), QStringLiteral("750")};
    for (int k = 0; k < 4; ++k) {
        rows.rangeCaption(CaptionElement("Command5", k), ranges.at(k), 3, 26);
        rows.rangeCaption(CaptionElement("Command6", k), ranges.at(k), 3, 26);
    }
    // Items 28 to 31: the bypass switch, the regulator, the coil and the
    // capacitor on the schematic.
    rows.tip(CaptionElement("Image1", 1), 3, 28);
    rows.tip(CaptionElement("Image1", 2), 3, 29);
    rows.tip(CaptionElement("Image1", 4), 3, 30);
    rows.tip(CaptionElement("Image1", 5), 3, 31);
}

} // namespace ohmaris
