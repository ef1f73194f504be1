// SPDX-License-Identifier: GPL-3.0-or-later
// The program's command line and the start it leads to: --lab opens a lab's
// window at once, --lang sets the starting language (the language files'
// captions and the program's own translation together), refusals are one
// line, and the lab opened this way returns to the chooser like any other.
#include "labs/registry.h"
#include "shell/chooser.h"
#include "shell/labwindow.h"
#include "shell/shell.h"
#include "shell/startoptions.h"

#include <QCoreApplication>
#include <QMainWindow>
#include <QTest>

using namespace ohmaris;

class TestStartOptions : public QObject {
    Q_OBJECT

private slots:
    void parse_data();
    void parse();
    void helpAndVersion();
    void opensLabInRussian();
    void withoutOptionsTheChooserInTheLocalesLanguage();
    void cleanup() { Shell::reset(); }
};

void TestStartOptions::parse_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("action");
    QTest::addColumn<int>("lab");
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("named"); // what a refusal must name

    const int run = int(StartAction::Run), refused = int(StartAction::Refused), unknown = int(StartAction::Unknown);
    QTest::newRow("nothing") << QStringList{} << run << 0 << 0 << QString();
    QTest::newRow("lab 5 in Russian") << QStringList{"--lab", "5", "--lang", "ru"} << run << 5 << 2 << QString();
    QTest::newRow("equals form") << QStringList{"--lab=8", "--lang=en"} << run << 8 << 1 << QString();
    QTest::newRow("first lab") << QStringList{"--lab", "1"} << run << 1 << 0 << QString();
    QTest::newRow("lab 0") << QStringList{"--lab", "0"} << refused << 0 << 0 << QString("'0'");
    QTest::newRow("lab 9") << QStringList{"--lab", "9"} << refused << 0 << 0 << QString("'9'");
    QTest::newRow("lab not a number") << QStringList{"--lab", "five"} << refused << 0 << 0 << QString("'five'");
    QTest::newRow("lab without a number") << QStringList{"--lab"} << refused << 0 << 0 << QString("--lab");
    QTest::newRow("other language") << QStringList{"--lang", "de"} << refused << 0 << 0 << QString("'de'");
    QTest::newRow("word") << QStringList{"lab5"} << refused << 0 << 0 << QString("'lab5'");
    QTest::newRow("line feed in a value") << QStringList{"--lang", "r\nu"} << refused << 0 << 0 << QString("'r\\nu'");
    // Perhaps one of Qt's own: read again once QApplication has taken those.
    QTest::newRow("unknown option") << QStringList{"--labs", "5"} << unknown << 0 << 0 << QString("labs");
}

void TestStartOptions::parse()
{
    QFETCH(QStringList, args);
    QFETCH(int, action);
    QFETCH(int, lab);
    QFETCH(int, language);
    QFETCH(QString, named);
    StartOptions o;
    QString text;
    QCOMPARE(int(ParseStartOptions(QStringList{"ohmaris"} + args, o, text)), action);
    QCOMPARE(o.lab, lab);
    QCOMPARE(o.language, language);
    if (action == int(StartAction::Run)) {
        QVERIFY(text.isEmpty());
        return;
    }
    QVERIFY2(text.startsWith("ohmaris: ") && text.endsWith('\n') && text.count('\n') == 1, qPrintable(text));
    QVERIFY2(text.contains(named), qPrintable(text));
}

void TestStartOptions::helpAndVersion()
{
    StartOptions o;
    QString text;
    QCOMPARE(ParseStartOptions({"ohmaris", "--help"}, o, text), StartAction::Help);
    for (const char *word : {"--lab <N>", "--lang <en|ru>", "--help", "--version", "ohmaris --lab 5"})
        QVERIFY2(text.contains(QLatin1String(word)), word);
    QCOMPARE(ParseStartOptions({"ohmaris", "-v"}, o, text), StartAction::Version);
    QVERIFY2(text.startsWith("ohmaris ") && text.endsWith('\n'), qPrintable(text));
}

void TestStartOptions::opensLabInRussian()
{
    Shell &shell = Shell::instance();
    shell.setMessagesShown(false);
    RegisterLabWindows();
    StartOptions o;
    QString text;
    QCOMPARE(ParseStartOptions({"ohmaris", "--lab", "5", "--lang", "ru"}, o, text), StartAction::Run);
    QVERIFY2(StartProgram(o), qPrintable(shell.lastLanguageError()));
    QCoreApplication::processEvents();

    // Lab 5's window (Form4) is open in Russian, the chooser hidden behind it.
    QCOMPARE(shell.CurrentLanguage, 2);
    LabWindow *lab = shell.LabWindowFor(5);
    QVERIFY(lab && lab->isLoaded());
    QVERIFY(lab->form()->isVisible());
    QCOMPARE(lab->form()->objectName(), QStringLiteral("Form4"));
    QVERIFY2(lab->form()->windowTitle().trimmed().startsWith(QStringLiteral("Работа 5.")), qPrintable(lab->form()->windowTitle()));
    QVERIFY(!shell.chooser()->isVisible());
    // The program's own texts switched with the language files.
    QCOMPARE(QCoreApplication::translate("PhasorDiagram", "V"), QStringLiteral("В"));

    // Closing it shows the chooser with lab 5 selected, as after Next.
    lab->Unload();
    QCoreApplication::processEvents();
    QVERIFY(shell.chooser()->isVisible());
    QCOMPARE(shell.chooser()->SelectedLab(), 4);
}

void TestStartOptions::withoutOptionsTheChooserInTheLocalesLanguage()
{
    Shell &shell = Shell::instance();
    shell.setMessagesShown(false);
    RegisterLabWindows();
    QVERIFY(StartProgram(StartOptions{}));
    QCoreApplication::processEvents();
    // CTest runs this under C.UTF-8: English.
    QCOMPARE(shell.CurrentLanguage, 1);
    QVERIFY(shell.chooser()->isVisible());
    QCOMPARE(shell.chooser()->SelectedLab(), 0);
    for (LabWindow *w : shell.labWindows())
        QVERIFY(!w->isLoaded());
}

QTEST_MAIN(TestStartOptions)
#include "tst_startoptions.moc"
