// SPDX-License-Identifier: GPL-3.0-or-later
// Caption rows of the shared benches.
#include "labs/common/captions.h"

namespace ohmaris {

void AcBenchCaptions(CaptionRows &rows)
{
    rows.addText(QStringLiteral("Label4"), CaptionRole::Text,
                 [](const LanguageTable &t) { return QLatin1Char(' ') + t.item(3, 2) + QLatin1Char(' '); });
    rows.text(QStringLiteral("Label9"), 3, 3);
    rows.tip(QStringLiteral("Picture2"), 3, 4);
    rows.tip(QStringLiteral("Picture6"), 3, 7);
    rows.tip(QStringLiteral("Picture7"), 3, 8);
    rows.tip(QStringLiteral("Picture8"), 3, 9);
    rows.tip(QStringLiteral("Picture11"), 3, 10);
    rows.tip(QStringLiteral("Command1"), 3, 11);
    for (int k = 0; k < 3; ++k) {
        rows.tip(CaptionElement("Command2", k), 3, 12 + k);
        rows.tip(CaptionElement("Command3", k), 3, 15 + k);
    }
    // Item 26: the volt symbol after the range numbers.
    rows.rangeCaption(CaptionElement("Command3", 0), QStringLiteral("150"), 3, 26);
    rows.rangeCaption(CaptionElement("Command3", 1), QStringLiteral("300"), 3, 26);
    rows.rangeCaption(CaptionElement("Command3", 2), QStringLiteral("450"), 3, 26);
    // Item 27: the breaker SF.
    rows.tip(CaptionElement("Image1", 0), 3, 27);
}

void RegulatorCaptions(CaptionRows &rows)
{
    // Item 29 is "AT ..."; the panel caption drops the symbol (from the
    // sixth character).
    rows.addText(QStringLiteral("Label8"), CaptionRole::Text,
                 [](const LanguageTable &t) { return t.item(3, 29).mid(5); });
    rows.tip(QStringLiteral("Picture12"), 3, 34);
}

void CoilCapacitorCaptions(CaptionRows &rows)
{
    // Item 30 is "L ..."; the panel caption from the fifth character.
    rows.addText(QStringLiteral("Label7"), CaptionRole::Text,
                 [](const LanguageTable &t) { return t.item(3, 30).mid(4); });
    rows.addText(QStringLiteral("Label6"), CaptionRole::Text,
                 [](const LanguageTable &t) { return QLatin1Char(' ') + t.item(3, 32) + QLatin1Char(' '); });
    rows.tip(QStringLiteral("Picture9"), 3, 33);
}

void ThreePhaseCaptions(CaptionRows &rows)
{
    rows.addText(QStringLiteral("Label6"), CaptionRole::Text,
                 [](const LanguageTable &t) { return QLatin1Char(' ') + t.item(3, 26); });
    rows.text(QStringLiteral("Frame1"), 5, 7);
    for (int k = 0; k < 3; ++k)
        rows.text(CaptionElement("Frame2", k), 5, 8 + k);
    for (int k = 0; k < 9; ++k)
        rows.text(CaptionElement("Label8", k), 5, 11);
}

} // namespace ohmaris
