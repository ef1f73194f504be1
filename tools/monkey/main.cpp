// SPDX-License-Identifier: GPL-3.0-or-later
// ohmaris-monkey: the seeded random-input driver, headless.
//   ohmaris-monkey [--seed S] [--events N] [--window NAME] [--keys-only] [--trace-from E] [--size WxH]
//   ohmaris-monkey --windows      (the lab windows --window takes, one a line)
// Prints each failure with the command line that replays it, and ends with
// "N events, M failures"; the exit status is 1 when anything failed, 2 for
// a command line it refuses.
#include "commandline.h"
#include "monkey.h"
#include "offscreen.h"

#include "shell/fonts.h"

#include <QApplication>
#include <QTextStream>

int main(int argc, char **argv)
{
    using ohmaris::tools::CommandLine;
    const QString windows = ohmaris::monkey::LabWindowNames().join(QStringLiteral(", "));
    CommandLine cl(QStringLiteral("ohmaris-monkey"), QStringLiteral("[OPTIONS]"),
                   QStringLiteral("Works every window of Ohmaris with seeded random input and checks it after\n"
                                  "every event. Exit status 1 when a check failed.\n"));
    const QCommandLineOption seed(QStringLiteral("seed"), QStringLiteral("Seed of the input stream (default 1)."),
                                  QStringLiteral("S"), QStringLiteral("1"));
    const QCommandLineOption events(QStringLiteral("events"), QStringLiteral("Number of events (default 10000)."),
                                    QStringLiteral("N"), QStringLiteral("10000"));
    const QCommandLineOption window(QStringLiteral("window"),
                                    QStringLiteral("Only this lab window: %1.").arg(windows), QStringLiteral("NAME"));
    const QCommandLineOption trace(QStringLiteral("trace-from"), QStringLiteral("Print every event from this one on."),
                                   QStringLiteral("E"));
    const QCommandLineOption size(QStringLiteral("size"), QStringLiteral("Screen size (default 1280x1024)."),
                                  QStringLiteral("WxH"));
    const QCommandLineOption list(QStringLiteral("windows"),
                                  QStringLiteral("Print the names --window takes, one a line, and exit."));
    const QCommandLineOption keysOnly(QStringLiteral("keys-only"),
                                      QStringLiteral("Only the keys a student without a mouse has; count the controls reached."));
    for (const QCommandLineOption &o : {seed, events, window, trace, size, list, keysOnly})
        cl.Add(o);
    if (const int status = cl.ParseForMain(argc, argv, false); status >= 0)
        return status;
    if (cl.isSet(list)) {
        QTextStream(stdout) << ohmaris::monkey::LabWindowNames().join(QLatin1Char('\n')) << '\n';
        return 0;
    }

    ohmaris::monkey::Options o;
    bool ok = false;
    o.seed = cl.value(seed).toULongLong(&ok);
    if (!ok)
        return cl.Refuse(QStringLiteral("--seed takes a whole number"));
    o.events = cl.value(events).toLong(&ok);
    if (!ok || o.events < 0)
        return cl.Refuse(QStringLiteral("--events takes a whole number, 0 or more"));
    o.window = cl.value(window);
    o.keysOnly = cl.isSet(keysOnly);
    if (cl.isSet(window) && ohmaris::monkey::LabOfWindow(o.window) == 0)
        return cl.Refuse(QStringLiteral("--window takes a lab window's name: %1").arg(windows));
    if (cl.isSet(trace)) {
        o.traceFrom = cl.value(trace).toLong(&ok);
        if (!ok || o.traceFrom < 0)
            return cl.Refuse(QStringLiteral("--trace-from takes an event number"));
    }
    int width = 1280, height = 1024;
    if (cl.isSet(size) && !ohmaris::tools::ParseScreenSize(cl.value(size), width, height))
        return cl.Refuse(QStringLiteral("--size takes WIDTHxHEIGHT, such as 1280x1024"));

    // Headless unless told otherwise: the offscreen platform on a screen of
    // the requested size.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", ohmaris::tools::OffscreenPlatform(QStringLiteral("ohmaris-monkey"), width, height));

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ohmaris-monkey"));
    ohmaris::InstallFontSubstitutes();

    ohmaris::monkey::Monkey monkey(o);
    return monkey.Run() == 0 ? 0 : 1;
}
