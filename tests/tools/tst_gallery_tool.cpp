// ohmaris-gallery run as a program: the screen its windows are rendered on
// is 1024 x 768 unless --size says otherwise, whatever platform the
// environment asks for.
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
};

QTEST_GUILESS_MAIN(TestGalleryTool)
#include "tst_gallery_tool.moc"
