// Ohmaris: the program. Starts in the starting language (OHMARIS_LANGUAGE=1
// English, 2 Russian; English when unset), shows the lab chooser, and ends
// when the chooser is closed.
#include "labs/registry.h"
#include "shell/chooser.h"
#include "shell/fonts.h"
#include "shell/shell.h"

#include <QApplication>
#include <QTextStream>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ohmaris"));
    QApplication::setApplicationVersion(QStringLiteral("1.0.0"));
    ohmaris::InstallFontSubstitutes();

    ohmaris::Shell &shell = ohmaris::Shell::instance();
    ohmaris::RegisterLabWindows();
    int language = qEnvironmentVariableIntValue("OHMARIS_LANGUAGE");
    if (!shell.LoadLanguage(language)) {
        QTextStream(stderr) << "ohmaris: " << shell.lastLanguageError() << '\n';
        return 1;
    }
    shell.ShowChooser();
    const int rc = app.exec();
    ohmaris::Shell::reset();
    return rc;
}
