// SPDX-License-Identifier: GPL-3.0-or-later
// Lab 8's captions and tool tips (window Form8), by item of the language
// files.
#include "labs/lab8/lab.h"

#include "i18n/captionmap.h"

namespace ohmaris {

void Lab8::Captions(CaptionRows &rows)
{
    rows.title(8, 1);
    // Block 2: the volt and ohm symbols.
    for (const char *l : {"Label20", "Label29", "Label38", "Label47"})
        rows.text(QLatin1String(l), 2, 18);
    for (const char *l : {"Label1", "Label15", "Label17"})
        rows.text(QLatin1String(l), 2, 19);
    // Block 7: what the oscilloscope of lab 7 shares with this screen.
    rows.text(QStringLiteral("Frame1"), 7, 2);
    rows.text(QStringLiteral("Label9"), 7, 5);
    rows.tip(QStringLiteral("Picture10"), 7, 20);
    rows.tip(QStringLiteral("Picture11"), 7, 22);
    rows.text(QStringLiteral("Label10"), 7, 24);
    rows.tip(QStringLiteral("Picture9"), 7, 25);
    // Block 8.
    for (const char *l : {"Label55", "Label56", "Label57"})
        rows.text(QLatin1String(l), 8, 2);
    rows.tips({QStringLiteral("Picture2"), QStringLiteral("Picture4"), QStringLiteral("Label55"),
               CaptionElement("Image1", 9)}, 8, 3);
    rows.tips({QStringLiteral("Picture3"), QStringLiteral("Picture8"), QStringLiteral("Label56"),
               CaptionElement("Image1", 8)}, 8, 4);
    rows.tips({QStringLiteral("Picture5"), QStringLiteral("Picture6"), QStringLiteral("Label57"),
               CaptionElement("Image1", 10)}, 8, 5);
    rows.text(QStringLiteral("Label2"), 8, 6);
    rows.text(QStringLiteral("Label3"), 8, 7);
    rows.text(QStringLiteral("Label4"), 8, 7);
    rows.text(QStringLiteral("Label23"), 8, 8);
    for (const char *l : {"Label26", "Label35", "Label44", "Label53"})
        rows.text(QLatin1String(l), 8, 9);
    for (int k = 0; k < 4; ++k) {
        rows.text(CaptionElement("Frame2", k), 8, 10 + k);
        rows.tip(CaptionElement("Image1", 14 + k), 8, 10 + k);
    }
    rows.text(CaptionElement("Label58", 0), 8, 14);
    rows.text(CaptionElement("Label58", 1), 8, 15);
    // The source buttons' tips name their source: item 16 and " (E1) ".
    for (int k = 0; k < 4; ++k) {
        const QString source = QStringLiteral(" (E%1) ").arg(k + 1);
        rows.addText(CaptionElement("Command2", k), CaptionRole::ToolTip,
                     [source](const LanguageTable &t) { return QLatin1Char(' ') + t.item(8, 16) + source; });
    }
    for (int k = 0; k < 8; ++k)
        rows.tip(CaptionElement("Image1", k), 8, 17 + k);
    for (int k = 0; k < 3; ++k)
        rows.tip(CaptionElement("Image1", 11 + k), 8, 25 + k);
}

} // namespace ohmaris
