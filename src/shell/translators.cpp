// SPDX-License-Identifier: GPL-3.0-or-later
// Program and Qt translators for the current language.
#include "shell/translators.h"

#include "i18n/programtranslator.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <memory>

namespace ohmaris {

namespace {

struct Installed {
    std::unique_ptr<QTranslator> qt;
};

Installed &installed()
{
    static Installed s;
    return s;
}

void Remove(std::unique_ptr<QTranslator> &t)
{
    if (t) {
        QCoreApplication::removeTranslator(t.get());
        t.reset();
    }
}

} // namespace

QString QtTranslationsFolder()
{
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
}

bool QtTranslationLoaded()
{
    return installed().qt != nullptr;
}

bool InstallTranslators(int language)
{
    Installed &s = installed();
    Remove(s.qt);
    const bool ok = InstallProgramTranslator(language);
    if (language != 2)
        return ok;

    // qtbase_ru carries the standard buttons ("Отмена"), the file and print
    // dialogs.
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(QLocale(QLocale::Russian, QLocale::Russia), QStringLiteral("qtbase"), QStringLiteral("_"),
                 QtTranslationsFolder())) {
        QCoreApplication::installTranslator(qt.get());
        s.qt = std::move(qt);
    }
    return ok;
}

} // namespace ohmaris
