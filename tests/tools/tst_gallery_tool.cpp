// ohmaris-gallery run as a program: the screen its windows are rendered on
// is 1024 x 768 unless --size says otherwise, at the scale factor --scale
// gives, whatever platform the environment asks for.
#include <QDir>
#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QTest>

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
};

QTEST_GUILESS_MAIN(TestGalleryTool)
#include "tst_gallery_tool.moc"
