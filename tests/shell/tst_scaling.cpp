// Screen scaling rule of the lab windows.
#include "shell/scaling.h"

#include <QTest>

using namespace ohmaris;

class TestScaling : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void factors()
    {
        const ScaleFactors f = ScreenScale(19200, 15360);
        QCOMPARE(f.ScaleX, 1.25f);
        QCOMPARE(f.ScaleY, 1.3333334f);
        const ScaleFactors same = ScreenScale(15360, 11520);
        QCOMPARE(same.ScaleX, 1.0f);
        QCOMPARE(same.ScaleY, 1.0f);
    }

    void rule_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("variant");
        QTest::addColumn<QRectF>("expected");
        QTest::addColumn<double>("font");

        const QRectF design(240, 3840, 11055, 5775);
        const QRectF scaled(300, 5120, 13818.75, 7700);
        const QRectF keepHeight(300, 5120, 13818.75, 5775);
        const QRectF twiceHeight(300, 5120, 13818.75, 5775 * 1.3333334f * 1.3333334f);
        const int plain = int(ScalingVariant::Plain);
        const int three = int(ScalingVariant::ThreePhase);
        const int trans = int(ScalingVariant::Transients);
        const int harm = int(ScalingVariant::Harmonics);

        QTest::newRow("picture box: place and font") << "Picture1" << plain << scaled << 16.0;
        QTest::newRow("label font") << "Label3(0)" << plain << scaled << 16.0;
        QTest::newRow("button font") << "Command2(1)" << plain << scaled << 16.0;
        QTest::newRow("lower-case prefix keeps font") << "picX" << plain << scaled << 12.0;
        QTest::newRow("text box keeps font") << "Text1(0)" << plain << scaled << 12.0;
        QTest::newRow("frame keeps font") << "Frame1" << plain << scaled << 12.0;
        QTest::newRow("frame font, three-phase") << "Frame2(0)" << three << scaled << 16.0;
        QTest::newRow("text box twice, three-phase") << "Text2(3)" << three << twiceHeight << 16.0;
        QTest::newRow("combo height kept, three-phase") << "Combo1" << three << keepHeight << 16.0;
        QTest::newRow("combo height kept, transients") << "Combo1" << trans << keepHeight << 16.0;
        QTest::newRow("Comb but not Combo, transients") << "CombX" << trans << scaled << 16.0;
        QTest::newRow("Tex fonts, harmonics") << "Text3(1)" << harm << scaled << 16.0;
        QTest::newRow("Tex fonts only there") << "Text3(1)" << trans << scaled << 12.0;
        Q_UNUSED(design);
    }

    void rule()
    {
        QFETCH(QString, name);
        QFETCH(int, variant);
        QFETCH(QRectF, expected);
        QFETCH(double, font);
        const ScaledControl s = ScaleControl(name, QRectF(240, 3840, 11055, 5775), 12.0,
                                             ScreenScale(19200, 15360), ScalingVariant(variant));
        QVERIFY(!s.skipped);
        QCOMPARE(float(s.rect.left()), float(expected.left()));
        QCOMPARE(float(s.rect.top()), float(expected.top()));
        QCOMPARE(float(s.rect.width()), float(expected.width()));
        QCOMPARE(float(s.rect.height()), float(expected.height()));
        QCOMPARE(float(s.fontSize), float(font));
    }

    void timersAndMenusSkipped()
    {
        const ScaleFactors f = ScreenScale(19200, 15360);
        for (const char *name : {"Timer1", "Mnu1", "MnuExit"}) {
            const ScaledControl s = ScaleControl(QLatin1String(name), QRectF(10, 10, 100, 100), 12, f,
                                                 ScalingVariant::Plain);
            QVERIFY2(s.skipped, name);
        }
        QVERIFY(!ScaleControl(QStringLiteral("mnu1"), QRectF(10, 10, 100, 100), 12, f, ScalingVariant::Plain).skipped);
    }
};

QTEST_APPLESS_MAIN(TestScaling)
#include "tst_scaling.moc"
