// SPDX-License-Identifier: GPL-3.0-or-later
// The program's start with a language file it cannot read, run as a
// process: the message reaches stderr at once, before the message box that
// waits for a click, so a start from a script or a terminal says what is
// wrong instead of waiting on a box nobody may see. And its command line:
// help, the version and refusals need no display.
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

constexpr int kWaitMs = 20000;

} // namespace

class TestStartup : public QObject {
    Q_OBJECT

private slots:
    void commandLineWithoutDisplay_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("out"); // what stdout starts with
        QTest::addColumn<QByteArray>("err"); // what the one line on stderr holds
        QTest::newRow("help") << QStringList{"--help"} << 0 << QByteArray("Usage: ohmaris [options]") << QByteArray();
        QTest::newRow("version") << QStringList{"--version"} << 0 << QByteArray("ohmaris 1.") << QByteArray();
        QTest::newRow("no such lab") << QStringList{"--lab", "9"} << 2 << QByteArray() << QByteArray("--lab: no lab '9'");
        QTest::newRow("no such language") << QStringList{"--lang", "fr"} << 2 << QByteArray() << QByteArray("'fr'");
    }

    void commandLineWithoutDisplay()
    {
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(QByteArray, out);
        QFETCH(QByteArray, err);
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
            env.remove(QLatin1String(name));
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(OHMARIS_PROGRAM_PATH), args);
        QVERIFY(p.waitForFinished(kWaitMs));
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        const QByteArray stdoutText = p.readAllStandardOutput();
        const QByteArray stderrText = p.readAllStandardError();
        QCOMPARE(p.exitCode(), status);
        QVERIFY2(stdoutText.startsWith(out), stdoutText.constData());
        if (err.isEmpty()) {
            QVERIFY2(stderrText.isEmpty(), stderrText.constData());
        } else {
            QVERIFY2(stderrText.startsWith("ohmaris: ") && stderrText.count('\n') == 1 && stderrText.contains(err),
                     stderrText.constData());
        }
    }

    void unreadableLanguageFile_data()
    {
        QTest::addColumn<QByteArray>("file");    // Eng.txt, or nothing for none at all
        QTest::addColumn<QByteArray>("fragment"); // what the message says is wrong
        QTest::newRow("file cut short") << QByteArray("Version\r\nOhmaris\r\n") << QByteArray("block 1, item 3");
        QTest::newRow("no file") << QByteArray() << QByteArray("not found");
    }

    void unreadableLanguageFile()
    {
        QFETCH(QByteArray, file);
        QFETCH(QByteArray, fragment);

        // A copy of the program beside a Data folder of our own: it looks
        // for its language files beside itself.
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString program = dir.filePath(QStringLiteral("ohmaris"));
        QVERIFY(QFile::copy(QStringLiteral(OHMARIS_PROGRAM_PATH), program));
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("Data")));
        const QString language = dir.filePath(QStringLiteral("Data/Eng.txt"));
        if (!file.isEmpty()) {
            QFile f(language);
            QVERIFY(f.open(QIODevice::WriteOnly));
            QCOMPARE(f.write(file), file.size());
        }

        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8")); // English
        p.setProcessEnvironment(env);
        p.start(program, {});
        QVERIFY2(p.waitForStarted(), qPrintable(p.errorString()));
        // The toolkit may warn on stderr too; the program's line is ours.
        QByteArray err;
        QByteArray line;
        QElapsedTimer waited;
        waited.start();
        while (line.isEmpty() && p.state() == QProcess::Running && waited.elapsed() < kWaitMs) {
            p.waitForReadyRead(100);
            err += p.readAllStandardError();
            for (const QByteArray &l : err.split('\n'))
                if (l.startsWith("ohmaris: ") && err.contains(l + '\n'))
                    line = l;
        }
        // The box still waits for its click: the message came before it.
        const bool stillWaiting = p.state() == QProcess::Running;
        p.kill();
        p.waitForFinished();
        QVERIFY2(!line.isEmpty(), qPrintable("nothing from the program on stderr while its box waits: " + err));
        QVERIFY2(stillWaiting, err.constData());
        QVERIFY2(line.startsWith("ohmaris: Language file " + language.toUtf8()), line.constData());
        QVERIFY2(line.contains(fragment), line.constData());
    }
};

QTEST_GUILESS_MAIN(TestStartup)
#include "tst_startup.moc"
