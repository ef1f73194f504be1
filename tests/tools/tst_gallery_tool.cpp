// SPDX-License-Identifier: GPL-3.0-or-later
// ohmaris-gallery run as a program: the screen its windows are rendered on
// is 1024 x 768 unless --size says otherwise, at the scale factor --scale
// gives, whatever platform the environment asks for; and when it cannot make
// what it was asked for it says so in one line and fails, rather than
// reporting success.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QRegularExpression>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

namespace {

// A copy of the gallery in `dir`/bin with its own Data folder beside it,
// holding the shipped Rus.txt and `english` as Eng.txt (none when null).
// Returns the program's path, or an empty string.
QString GalleryWithEnglish(const QTemporaryDir &dir, const QByteArray &english)
{
    const QString bin = dir.filePath(QStringLiteral("bin"));
    const QString program = bin + QStringLiteral("/ohmaris-gallery");
    const QString shipped = QFileInfo(QStringLiteral(OHMARIS_GALLERY_PATH)).absolutePath() + QStringLiteral("/Data");
    if (!QDir().mkpath(bin + QStringLiteral("/Data")))
        return {};
    // The program looks for its files beside itself, so a link that points
    // back to the build folder would not do; a hard link or a copy does.
    if (::link(OHMARIS_GALLERY_PATH, QFile::encodeName(program).constData()) != 0
        && !QFile::copy(QStringLiteral(OHMARIS_GALLERY_PATH), program))
        return {};
    if (!QFile::copy(shipped + QStringLiteral("/Rus.txt"), bin + QStringLiteral("/Data/Rus.txt")))
        return {};
    if (!english.isNull()) {
        QFile f(bin + QStringLiteral("/Data/Eng.txt"));
        if (!f.open(QIODevice::WriteOnly) || f.write(english) != english.size())
            return {};
    }
    return program;
}

QByteArray ShippedEnglish()
{
    QFile f(QFileInfo(QStringLiteral(OHMARIS_GALLERY_PATH)).absolutePath() + QStringLiteral("/Data/Eng.txt"));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestGalleryTool : public QObject {
    Q_OBJECT

private slots:
    void screenSize_data()
    {
        QTest::addColumn<QString>("platform"); // QT_QPA_PLATFORM, empty for unset
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QSize>("screen");
        QTest::newRow("offscreen set, no size") << "offscreen" << QStringList() << QSize(1024, 768);
        QTest::newRow("unset, no size") << "" << QStringList() << QSize(1024, 768);
        QTest::newRow("offscreen set, 1280x1024")
            << "offscreen" << QStringList{"--size", "1280x1024"} << QSize(1280, 1024);
        // The pictures have the screen's own pixels.
        QTest::newRow("2560x1600 at 2") << "" << QStringList{"--size", "2560x1600", "--scale", "2"} << QSize(2560, 1600);
        QTest::newRow("1920x1080 at 1.25")
            << "" << QStringList{"--size", "1920x1080", "--scale", "1.25"} << QSize(1920, 1080);
    }
    void screenSize()
    {
        QFETCH(QString, platform);
        QFETCH(QStringList, options);
        QFETCH(QSize, screen);
        QTemporaryDir out;
        QVERIFY(out.isValid());
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        if (!platform.isEmpty())
            env.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
        QProcess p;
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(OHMARIS_GALLERY_PATH),
                QStringList{out.path()} + options + QStringList{"--lang", "en", "windows"});
        QVERIFY(p.waitForFinished(120000));
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QVERIFY2(p.exitCode() == 0, p.readAllStandardError().constData());
        // A lab window covers the screen.
        const QImage window(out.filePath(QStringLiteral("window-lab1-Form1.png")));
        QVERIFY(!window.isNull());
        QCOMPARE(window.size(), screen);
    }

    void badScale_data()
    {
        QTest::addColumn<QString>("scale");
        QTest::newRow("below 1") << "0.5";
        QTest::newRow("not a number") << "two";
        QTest::newRow("too large") << "10";
    }
    void badScale()
    {
        QFETCH(QString, scale);
        QTemporaryDir out;
        QProcess p;
        p.start(QStringLiteral(OHMARIS_GALLERY_PATH), QStringList{out.path(), "--scale", scale, "windows"});
        QVERIFY(p.waitForFinished(60000));
        QCOMPARE(p.exitCode(), 2);
        QVERIFY(p.readAllStandardError().contains("--scale takes a factor"));
        QVERIFY(QDir(out.path()).isEmpty());
    }

    void refusesWhatItCannotMake_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("fragment"); // of the one error line; %1 the temporary folder
        QTest::newRow("Eng.txt missing") << "missing" << "Language file %1/bin/Data/Eng.txt: not found";
        QTest::newRow("Eng.txt cut short") << "broken" << "Language file %1/bin/Data/Eng.txt: block ";
        QTest::newRow("output path is a file") << "file" << "the output path %1/out is not a folder";
        QTest::newRow("output folder cannot be written") << "proc" << "cannot write into the output folder /proc";
    }
    void refusesWhatItCannotMake()
    {
        QFETCH(QString, fault);
        QFETCH(QString, fragment);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QString program = QStringLiteral(OHMARIS_GALLERY_PATH);
        QString out = dir.filePath(QStringLiteral("out"));
        if (fault == QLatin1String("missing")) {
            program = GalleryWithEnglish(dir, QByteArray());
        } else if (fault == QLatin1String("broken")) {
            const QByteArray english = ShippedEnglish();
            QVERIFY(!english.isEmpty());
            program = GalleryWithEnglish(dir, english.left(english.size() / 2));
        } else if (fault == QLatin1String("file")) {
            QFile f(out);
            QVERIFY(f.open(QIODevice::WriteOnly));
        } else if (fault == QLatin1String("proc")) {
            out = QStringLiteral("/proc");
        }
        QVERIFY(!program.isEmpty());

        QProcess p;
        p.start(program, QStringList{out, "--lang", "en", "shell"});
        QVERIFY(p.waitForFinished(120000));
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        const QString err = QString::fromUtf8(p.readAllStandardError());
        QVERIFY2(p.exitCode() != 0, qPrintable(err));
        const QStringList lines = err.split(QLatin1Char('\n')).filter(QRegularExpression(QStringLiteral("^ohmaris-gallery: ")));
        QCOMPARE(lines.size(), 1);
        QVERIFY2(lines.first().contains(QString(fragment).replace(QStringLiteral("%1"), dir.path())), qPrintable(err));
        QVERIFY2(!err.contains(QStringLiteral("sheet ")), qPrintable(err));
        if (fault != QLatin1String("proc"))
            QVERIFY(QDir(out).entryList({QStringLiteral("*.png")}).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestGalleryTool)
#include "tst_gallery_tool.moc"
