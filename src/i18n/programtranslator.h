// SPDX-License-Identifier: GPL-3.0-or-later
// The program's own translation: the texts it adds beyond the language files
// (written with tr() or QT_TRANSLATE_NOOP), from translations/ohmaris_ru.ts
// and, for English plural forms, translations/ohmaris_en.ts, compiled at
// build time into the small library ohmaris_translations that every program
// with such texts links (the window library, ohmaris-calc).
#pragma once

namespace ohmaris {

// Installs the program's translator of `language` (1 English, 2 Russian)
// in place of the one installed before (English: its plural forms alone).
// Returns false when the translation is not built into the program.
bool InstallProgramTranslator(int language);

} // namespace ohmaris
