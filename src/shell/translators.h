// SPDX-License-Identifier: GPL-3.0-or-later
// Qt's translators, switched together with the language files: the
// program's own texts beyond the language files (written with tr(), kept in
// translations/ohmaris_ru.ts and built into the program) and Qt's own texts
// (the standard buttons of a message box, the print dialog), from the Qt
// translations the system has installed.
#pragma once

#include <QString>

namespace ohmaris {

// Installs the translators of `language` (1 English, 2 Russian) in place of
// the ones installed before (English only for its plural forms, "1 row",
// "2 rows"; Qt's own texts are English already). Qt then sends every widget a
// LanguageChange event. Returns false when the program's own translation is
// missing (Qt's own may be absent from a system without them: its texts
// stay English, the program works on).
bool InstallTranslators(int language);

// Where Qt's own translations were looked for, and whether they were found:
// for messages and tests.
QString QtTranslationsFolder();
bool QtTranslationLoaded();

} // namespace ohmaris
