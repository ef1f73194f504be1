// SPDX-License-Identifier: GPL-3.0-or-later
// The program's command line and its start.
#include "shell/startoptions.h"

#include "calc/labcalc.h"
#include "ohmaris_version.h"
#include "shell/chooser.h"
#include "shell/shell.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QLocale>

namespace ohmaris {

namespace {

QString Refusal(const QString &message)
{
    QString line = message;
    line.replace(QLatin1Char('\r'), QStringLiteral("\\r"));
    line.replace(QLatin1Char('\n'), QStringLiteral("\\n"));
    return QStringLiteral("ohmaris: %1 (try --help)\n").arg(line);
}

} // namespace

StartAction ParseStartOptions(const QStringList &arguments, StartOptions &options, QString &text)
{
    options = {};
    text.clear();
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Ohmaris, a teaching laboratory of simulated electrical circuit lab works.\n"
        "Without options it starts with the lab chooser, in Russian when the system\n"
        "locale is Russian and in English otherwise."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Print this help and exit."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Print the program's version and exit."));
    const QCommandLineOption lab(QStringLiteral("lab"),
                                 QStringLiteral("Open lab work N (1 to %1) at once; closing it shows the chooser.")
                                     .arg(Chooser::LabCount),
                                 QStringLiteral("N"));
    const QCommandLineOption lang(QStringLiteral("lang"),
                                  QStringLiteral("Start in English (en) or Russian (ru); the Language menu still "
                                                 "switches."),
                                  QStringLiteral("en|ru"));
    parser.addOptions({help, version, lab, lang});

    if (!parser.parse(arguments)) {
        text = Refusal(parser.errorText());
        return parser.unknownOptionNames().isEmpty() ? StartAction::Refused : StartAction::Unknown;
    }
    if (parser.isSet(help)) {
        text = QStringLiteral("Usage: ohmaris [options]\n") + parser.applicationDescription() + QStringLiteral("\n\n");
        // The options as the parser lists them, without its own usage line.
        const QString full = parser.helpText();
        const qsizetype from = full.indexOf(QStringLiteral("Options:"));
        text += from >= 0 ? full.mid(from) : full;
        text += QStringLiteral(
            "\nExamples:\n"
            "  ohmaris --lab 5            the star-load lab at once, for a class on three-phase circuits\n"
            "  ohmaris --lab 2 --lang ru  lab 2 in Russian\n");
        return StartAction::Help;
    }
    if (parser.isSet(version)) {
        text = QStringLiteral("ohmaris %1\n").arg(QLatin1String(kVersionText));
        return StartAction::Version;
    }
    if (!parser.positionalArguments().isEmpty()) {
        text = Refusal(QStringLiteral("unexpected argument %1").arg(QuotedArgument(parser.positionalArguments().first())));
        return StartAction::Refused;
    }
    if (parser.isSet(lab)) {
        const QString value = parser.values(lab).constLast();
        bool ok = false;
        const int n = value.toInt(&ok);
        if (!ok || n < 1 || n > Chooser::LabCount) {
            text = Refusal(QStringLiteral("--lab: no lab %1; the labs are 1 to %2").arg(QuotedArgument(value)).arg(Chooser::LabCount));
            return StartAction::Refused;
        }
        options.lab = n;
    }
    if (parser.isSet(lang)) {
        const QString value = parser.values(lang).constLast();
        if (value == QLatin1String("en")) {
            options.language = 1;
        } else if (value == QLatin1String("ru")) {
            options.language = 2;
        } else {
            text = Refusal(QStringLiteral("--lang: expected en or ru, got %1").arg(QuotedArgument(value)));
            return StartAction::Refused;
        }
    }
    return StartAction::Run;
}

bool StartProgram(const StartOptions &options)
{
    Shell &shell = Shell::instance();
    int language = options.language != 0 ? options.language : Shell::StartingLanguage(QLocale::system());
    if (!shell.LoadLanguage(language))
        return false;
    if (options.lab < 1) {
        shell.ShowChooser();
        return true;
    }
    // As a click on the lab's option and Next: the chooser keeps the lab
    // selected for when the window is closed.
    Chooser *chooser = shell.chooser();
    chooser->Option1_Click(options.lab - 1);
    chooser->Command2_Click();
    return true;
}

} // namespace ohmaris
