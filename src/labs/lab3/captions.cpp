// SPDX-License-Identifier: GPL-3.0-or-later
// Lab 3's captions and tool tips (window Form3), by item of the language
// files; the K-50 panel, the breaker, the regulator and the coil's panel
// come with the shared benches (labs/common/captions.h).
#include "labs/lab3/lab.h"

#include "labs/common/captions.h"

namespace ohmaris {

void Lab3::Captions(CaptionRows &rows)
{
    rows.title(4, 1);
    AcBenchCaptions(rows);
    RegulatorCaptions(rows);
    CoilCapacitorCaptions(rows);
    // Items 8 and 10: ammeters A1 and A2.
    rows.tips({QStringLiteral("Picture3"), CaptionElement("Image1", 6)}, 2, 8);
    rows.tips({QStringLiteral("Picture4"), CaptionElement("Image1", 7)}, 2, 10);
    // Item 4: the K-50 set on the schematic.
    rows.tip(CaptionElement("Image1", 3), 3, 4);
    // Items 28 to 31: the capacitor's switch, the regulator, the coil and
    // the capacitor on the schematic.
    rows.tip(CaptionElement("Image1", 1), 3, 28);
    rows.tip(CaptionElement("Image1", 2), 3, 29);
    rows.tip(CaptionElement("Image1", 4), 3, 30);
    rows.tip(CaptionElement("Image1", 5), 3, 31);
    // Block 4: the ammeters' range buttons.
    for (int k = 0; k < 4; ++k) {
        rows.tip(CaptionElement("Command5", k), 4, 2 + k);
        rows.tip(CaptionElement("Command6", k), 4, 6 + k);
    }
}

} // namespace ohmaris
