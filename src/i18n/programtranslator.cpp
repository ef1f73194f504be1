// SPDX-License-Identifier: GPL-3.0-or-later
// The program's translator, loaded from the resource of ohmaris_translations.
#include "i18n/programtranslator.h"

#include <QCoreApplication>
#include <QTranslator>
#include <memory>

namespace ohmaris {

bool InstallProgramTranslator(int language)
{
    static std::unique_ptr<QTranslator> installed;
    if (installed) {
        QCoreApplication::removeTranslator(installed.get());
        installed.reset();
    }
    // English has a file of its own for its plural forms ("1 row", "2 rows").
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(language == 2 ? QStringLiteral(":/i18n/ohmaris_ru.qm")
                                        : QStringLiteral(":/i18n/ohmaris_en.qm")))
        return false;
    QCoreApplication::installTranslator(translator.get());
    installed = std::move(translator);
    return true;
}

} // namespace ohmaris
