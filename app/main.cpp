// Ohmaris: the program. Starts in Russian when the system locale is Russian
// and in English otherwise, shows the lab chooser, and ends when the chooser
// is closed. A language file that cannot be read ends it with status 1.
#include "labs/registry.h"
#include "shell/chooser.h"
#include "shell/fonts.h"
#include "shell/shell.h"
#include "ohmaris_version.h"

#include <QApplication>
#include <QLocale>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ohmaris"));
    QApplication::setApplicationVersion(QLatin1String(ohmaris::kVersionText));
    // Ties the windows to the installed desktop entry (its icon and name).
    QGuiApplication::setDesktopFileName(QLatin1String(ohmaris::kApplicationId));
    ohmaris::InstallFontSubstitutes();

    ohmaris::Shell &shell = ohmaris::Shell::instance();
    ohmaris::RegisterLabWindows();
    int language = ohmaris::Shell::StartingLanguage(QLocale::system());
    // A file that cannot be read has been reported on stderr and in a box.
    if (!shell.LoadLanguage(language))
        return 1;
    shell.ShowChooser();
    const int rc = app.exec();
    ohmaris::Shell::reset();
    return rc;
}
