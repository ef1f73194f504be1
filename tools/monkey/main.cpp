// ohmaris-monkey: the seeded random-input driver, headless.
//   ohmaris-monkey --seed S --events N [--window FormK] [--keys-only] [--trace-from E] [--size WxH]
// Prints each failure with the command line that replays it, and ends with
// "N events, M failures"; the exit status is 1 when anything failed.
#include "monkey.h"
#include "offscreen.h"

#include "shell/fonts.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QRegularExpression>
#include <QTextStream>
#include <cstdio>

namespace {

int UsageError(const QString &text)
{
    QTextStream(stderr) << "ohmaris-monkey: " << text << "\n";
    return 2;
}

} // namespace

int main(int argc, char **argv)
{
    // Headless unless told otherwise: the offscreen platform on a screen of
    // the requested size (1280 x 1024 by default).
    int width = 1280, height = 1024;
    for (int i = 1; i + 1 < argc; ++i)
        if (QByteArray(argv[i]) == "--size" && !ohmaris::tools::ParseScreenSize(QString::fromLocal8Bit(argv[i + 1]), width, height))
            return UsageError(QStringLiteral("--size takes WIDTHxHEIGHT, such as 1280x1024"));
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", ohmaris::tools::OffscreenPlatform(QStringLiteral("ohmaris-monkey"), width, height));

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ohmaris-monkey"));
    ohmaris::InstallFontSubstitutes();

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Works every window of Ohmaris with seeded random input and checks it."));
    parser.addHelpOption();
    const QCommandLineOption seed(QStringLiteral("seed"), QStringLiteral("Seed of the input stream."), QStringLiteral("S"), QStringLiteral("1"));
    const QCommandLineOption events(QStringLiteral("events"), QStringLiteral("Number of events."), QStringLiteral("N"), QStringLiteral("10000"));
    const QCommandLineOption window(QStringLiteral("window"), QStringLiteral("Only this lab window (Form1 .. Form8)."), QStringLiteral("NAME"));
    const QCommandLineOption trace(QStringLiteral("trace-from"), QStringLiteral("Print every event from this one on."), QStringLiteral("E"));
    const QCommandLineOption size(QStringLiteral("size"), QStringLiteral("Screen size, such as 1024x768."), QStringLiteral("WxH"));
    const QCommandLineOption keysOnly(QStringLiteral("keys-only"),
                                      QStringLiteral("Only the keys a student without a mouse has; count the controls reached."));
    parser.addOptions({seed, events, window, trace, size, keysOnly});
    if (!parser.parse(QCoreApplication::arguments()))
        return UsageError(parser.errorText());
    if (parser.isSet(QStringLiteral("help"))) {
        QTextStream(stdout) << parser.helpText();
        return 0;
    }
    if (!parser.positionalArguments().isEmpty())
        return UsageError(QStringLiteral("unexpected argument '%1'").arg(parser.positionalArguments().first()));

    ohmaris::monkey::Options o;
    bool ok = false;
    o.seed = parser.value(seed).toULongLong(&ok);
    if (!ok)
        return UsageError(QStringLiteral("--seed takes a whole number"));
    o.events = parser.value(events).toLong(&ok);
    if (!ok || o.events < 0)
        return UsageError(QStringLiteral("--events takes a whole number, 0 or more"));
    o.window = parser.value(window);
    o.keysOnly = parser.isSet(keysOnly);
    static const QRegularExpression form(QStringLiteral("^Form[1-8]$"));
    if (parser.isSet(window) && !form.match(o.window).hasMatch())
        return UsageError(QStringLiteral("--window takes a lab window's name, Form1 .. Form8"));
    if (parser.isSet(trace)) {
        o.traceFrom = parser.value(trace).toLong(&ok);
        if (!ok || o.traceFrom < 0)
            return UsageError(QStringLiteral("--trace-from takes an event number"));
    }
    ohmaris::monkey::Monkey monkey(o);
    return monkey.Run() == 0 ? 0 : 1;
}
