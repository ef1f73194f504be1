// SPDX-License-Identifier: GPL-3.0-or-later
// Ohmaris: the program. Reads its command line (--lab N, --lang en|ru,
// --help, --version), starts in the language asked or, without one, in
// Russian when the system locale is Russian and in English otherwise, shows
// the lab chooser or opens the lab asked, and ends when the chooser is
// closed. A refused command line ends it with status 2, a language file
// that cannot be read with status 1.
#include "labs/registry.h"
#include "shell/fonts.h"
#include "shell/shell.h"
#include "shell/startoptions.h"
#include "ohmaris_version.h"

#include <QApplication>
#include <QStringList>
#include <cstdio>

namespace {

void Print(FILE *f, const QString &text)
{
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), f);
}

} // namespace

int main(int argc, char **argv)
{
    // Help, the version and most refusals need no display: the command line
    // is read before Qt starts. Qt's own options (-platform and the like)
    // are known to QApplication only, which takes them out; a line the
    // first reading refuses is read again after it.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    ohmaris::StartOptions options;
    QString text;
    ohmaris::StartAction action = ohmaris::ParseStartOptions(arguments, options, text);
    using ohmaris::StartAction;
    const auto finish = [&text](StartAction a) {
        const bool refused = a == StartAction::Refused || a == StartAction::Unknown;
        Print(refused ? stderr : stdout, text);
        return refused ? ohmaris::kStartUsageError : 0;
    };
    if (action != StartAction::Run && action != StartAction::Unknown)
        return finish(action);

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ohmaris"));
    QApplication::setApplicationVersion(QLatin1String(ohmaris::kVersionText));
    if (action == StartAction::Unknown)
        action = ohmaris::ParseStartOptions(QCoreApplication::arguments(), options, text);
    if (action != StartAction::Run)
        return finish(action);
    // Ties the windows to the installed desktop entry (its icon and name).
    QGuiApplication::setDesktopFileName(QLatin1String(ohmaris::kApplicationId));
    ohmaris::InstallFontSubstitutes();

    ohmaris::RegisterLabWindows();
    // A file that cannot be read has been reported on stderr and in a box.
    if (!ohmaris::StartProgram(options))
        return 1;
    const int rc = app.exec();
    ohmaris::Shell::reset();
    return rc;
}
