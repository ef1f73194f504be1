// SPDX-License-Identifier: GPL-3.0-or-later
// Lab 4's captions and tool tips (window Form6), by item of the language
// files; the K-50 panel, the breaker and the regulator come with the shared
// benches (labs/common/captions.h).
#include "labs/lab4/lab.h"

#include "labs/common/captions.h"

namespace ohmaris {

void Lab4::Captions(CaptionRows &rows)
{
    rows.title(6, 7);
    AcBenchCaptions(rows);
    RegulatorCaptions(rows);
    // Items 8 and 10: ammeters A1 and A2; item 19: the ohm symbol.
    rows.tips({QStringLiteral("Picture3"), CaptionElement("Image1", 5)}, 2, 8);
    rows.tips({QStringLiteral("Picture4"), CaptionElement("Image1", 6)}, 2, 10);
    for (int k : {0, 1})
        rows.text(CaptionElement("Label6", k), 2, 19);
    // Items 30 and 31: resistors R1 and R2.
    rows.tip(CaptionElement("Image1", 9), 2, 30);
    rows.tip(CaptionElement("Image1", 10), 2, 31);
    // Item 4: the K-50 set on the schematic; 28: switches; 29: the regulator.
    rows.tip(CaptionElement("Image1", 4), 3, 4);
    rows.tip(CaptionElement("Image1", 1), 3, 28);
    rows.tip(CaptionElement("Image1", 2), 3, 28);
    rows.tip(CaptionElement("Image1", 3), 3, 29);
    // Two coils: "L1 ..." and "L2 ..." from item 30 ("L ..."), and selector
    // captions ending in L1 and L2.
    for (int n = 1; n <= 2; ++n) {
        const QString digit = QString::number(n);
        rows.addText(CaptionElement("Image1", 6 + n), CaptionRole::ToolTip, [digit](const LanguageTable &t) {
            QString s = t.item(3, 30);
            s.insert(1, digit);
            return QLatin1Char(' ') + s + QLatin1Char(' ');
        });
        rows.addText(n == 1 ? QStringLiteral("Label7") : QStringLiteral("Label11"), CaptionRole::Text,
                     [digit](const LanguageTable &t) {
                         const QString s = t.item(3, 30);
                         return s.mid(4) + QLatin1Char(' ') + s.left(1) + digit;
                     });
    }
    // Item 33: the variant selectors, naming which coil each one sets.
    rows.addText(QStringLiteral("Picture9"), CaptionRole::ToolTip,
                 [](const LanguageTable &t) { return QLatin1Char(' ') + t.item(3, 33) + QStringLiteral(" L1 "); });
    rows.addText(QStringLiteral("Picture16"), CaptionRole::ToolTip,
                 [](const LanguageTable &t) { return QLatin1Char(' ') + t.item(3, 33) + QStringLiteral(" L2 "); });
    // Blocks 4 to 6: the ammeters' range buttons.
    rows.tip(CaptionElement("Command5", 0), 4, 3);
    rows.tip(CaptionElement("Command5", 1), 5, 2);
    rows.tip(CaptionElement("Command5", 2), 4, 4);
    rows.tip(CaptionElement("Command5", 3), 4, 5);
    rows.tip(CaptionElement("Command6", 0), 4, 7);
    rows.tip(CaptionElement("Command6", 1), 6, 2);
    rows.tip(CaptionElement("Command6", 2), 4, 8);
    rows.tip(CaptionElement("Command6", 3), 4, 9);
    // Block 6: the connection switch.
    rows.text(QStringLiteral("Label10"), 6, 8);
    rows.tip(QStringLiteral("Picture14"), 6, 9);
}

} // namespace ohmaris
