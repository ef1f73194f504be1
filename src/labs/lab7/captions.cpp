// SPDX-License-Identifier: GPL-3.0-or-later
// Lab 7's captions and tool tips (window Form7), by item of the language
// files.
#include "labs/lab7/lab.h"

#include "i18n/captionmap.h"

namespace ohmaris {

void Lab7::Captions(CaptionRows &rows)
{
    rows.title(7, 1);
    // Block 2: ammeters A1 and A2, switches S1 and S2, the volt and ohm
    // symbols, the source and the resistors.
    rows.tips({QStringLiteral("Picture3"), CaptionElement("Image1", 3)}, 2, 8);
    rows.tips({QStringLiteral("Picture2"), CaptionElement("Image1", 4)}, 2, 10);
    for (int k = 0; k < 2; ++k)
        rows.tip(CaptionElement("Image1", k), 2, 12 + k);
    rows.text(QStringLiteral("Label2"), 2, 18);
    for (const char *l : {"Label4", "Label7"})
        rows.text(QLatin1String(l), 2, 19);
    // The source is "E": item 23 ("E1 ...") without its second character.
    rows.addText(CaptionElement("Image1", 2), CaptionRole::ToolTip, [](const LanguageTable &t) {
        QString s = t.item(2, 23);
        s.remove(1, 1);
        return QLatin1Char(' ') + s + QLatin1Char(' ');
    });
    rows.tip(CaptionElement("Image1", 7), 2, 30);
    rows.tip(CaptionElement("Image1", 8), 2, 31);
    // Block 3: the coil, the capacitor and the microfarad symbol.
    rows.tip(CaptionElement("Image1", 10), 3, 30);
    rows.tip(CaptionElement("Image1", 9), 3, 31);
    rows.text(QStringLiteral("Label10"), 3, 32);
    // Block 7: the oscilloscope and the circuit selector.
    rows.text(QStringLiteral("Frame1"), 7, 2);
    rows.text(QStringLiteral("Label12"), 7, 3);
    rows.text(QStringLiteral("Label13"), 7, 4);
    rows.text(QStringLiteral("Label14"), 7, 5);
    rows.text(QStringLiteral("Label15"), 7, 6);
    rows.text(QStringLiteral("Command1"), 7, 7);
    rows.add(QStringLiteral("Combo1"), CaptionRole::ComboItems, [](const LanguageTable &t) {
        QStringList items;
        for (int k = 8; k <= 12; ++k)
            items.append(t.item(7, k));
        return items;
    });
    rows.tips({CaptionElement("Image1", 5), QStringLiteral("Picture11"), QStringLiteral("Picture12")}, 7, 9);
    rows.tips({CaptionElement("Image1", 6), QStringLiteral("Picture5"), QStringLiteral("Picture6")}, 7, 10);
    rows.tip(QStringLiteral("Picture9"), 7, 13);
    for (int k = 0; k < 3; ++k) {
        rows.tip(CaptionElement("Command4", k), 7, 14 + k);
        rows.tip(CaptionElement("Command6", k), 7, 17 + k);
    }
    rows.tip(QStringLiteral("Picture7"), 7, 20);
    rows.tip(QStringLiteral("Picture8"), 7, 21);
    rows.tip(QStringLiteral("Picture4"), 7, 22);
    rows.tip(QStringLiteral("Picture10"), 7, 23);
    rows.text(QStringLiteral("Label16"), 7, 24);
    rows.text(QStringLiteral("Label17"), 7, 24);
    rows.tips({QStringLiteral("Picture14"), QStringLiteral("Picture15")}, 7, 25);
    rows.text(QStringLiteral("Label18"), 7, 26);
}

} // namespace ohmaris
