// Program and Qt translators for the current language.
#include "shell/translators.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <memory>

namespace ohmaris {

namespace {

struct Installed {
    std::unique_ptr<QTranslator> program;
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
    Remove(s.program);
    Remove(s.qt);
    if (language != 2)
        return true;

    bool ok = true;
    auto program = std::make_unique<QTranslator>();
    if (program->load(QStringLiteral(":/i18n/ohmaris_ru.qm"))) {
        QCoreApplication::installTranslator(program.get());
        s.program = std::move(program);
    } else {
        ok = false;
    }
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
