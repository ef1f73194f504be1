// SPDX-License-Identifier: GPL-3.0-or-later
// Screen scaling rule of the lab windows.
#include "shell/scaling.h"

#include <QTest>

using namespace ohmaris;

class TestScaling : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // One factor, the smaller ratio of the screen to the design screen, and
    // the scaled design screen centred on the screen (twips).
    void factors_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<float>("scale");
        QTest::addColumn<QRectF>("area");
        QTest::newRow("design screen") << QSize(1024, 768) << 1.0f << QRectF(0, 0, 15360, 11520);
        QTest::newRow("4:3, larger") << QSize(1600, 1200) << 1.5625f << QRectF(0, 0, 24000, 18000);
        QTest::newRow("5:4: height left over") << QSize(1280, 1024) << 1.25f << QRectF(0, 480, 19200, 14400);
        QTest::newRow("16:9: width left over") << QSize(1920, 1080) << 1.40625f << QRectF(3600, 0, 21600, 16200);
        QTest::newRow("16:10") << QSize(1280, 800) << 1.0416666f << QRectF(1600, 0, 16000, 12000);
        QTest::newRow("1366 x 768: the design height") << QSize(1366, 768) << 1.0f << QRectF(2565, 0, 15360, 11520);
    }
    void factors()
    {
        QFETCH(QSize, screen);
        QFETCH(float, scale);
        QFETCH(QRectF, area);
        const ScaleFactors f = ScreenScale(screen.width() * 15.0, screen.height() * 15.0);
        QCOMPARE(f.ScaleX, scale);
        QCOMPARE(f.ScaleY, scale);
        const QRectF a = BenchArea(screen.width() * 15.0, screen.height() * 15.0, f);
        QVERIFY2(std::abs(a.left() - area.left()) < 0.5 && std::abs(a.top() - area.top()) < 0.5
                     && std::abs(a.width() - area.width()) < 0.5 && std::abs(a.height() - area.height()) < 0.5,
                 qPrintable(QStringLiteral("%1,%2 %3x%4").arg(a.left()).arg(a.top()).arg(a.width()).arg(a.height())));
    }

    // A bench fitted to the room a window gives it: the part of the design
    // screen it uses (up to 697 of 768 pixels down) stands whole.
    void fitToRoom_data()
    {
        QTest::addColumn<QSizeF>("room"); // pixels
        QTest::addColumn<float>("fit");
        QTest::newRow("a 1366 x 768 desktop: the height") << QSizeF(1360, 684) << float(684.0 * 15 / 10455);
        QTest::newRow("a narrow room: the width") << QSizeF(900, 700) << float(900.0 * 15 / 15015);
        QTest::newRow("a large room: the width") << QSizeF(2000, 1500) << float(2000.0 * 15 / 15015);
    }
    void fitToRoom()
    {
        QFETCH(QSizeF, room);
        QFETCH(float, fit);
        QCOMPARE(FitScale(room.width() * 15, room.height() * 15, QRectF(120, 0, 15015 - 120, 10455)), fit);
    }

    void rule_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("variant");
        QTest::addColumn<QRectF>("expected");
        QTest::addColumn<double>("font");

        // On a 1280 x 1024 screen every control is scaled by 1.25 in both
        // directions, and so are the fonts the rule scales.
        const QRectF scaled(300, 4800, 13818.75, 7218.75);
        const QRectF keepHeight(300, 4800, 13818.75, 5775);
        const QRectF twiceHeight(300, 4800, 13818.75, 5775 * 1.25f * 1.25f);
        const int plain = int(ScalingVariant::Plain);
        const int three = int(ScalingVariant::ThreePhase);
        const int trans = int(ScalingVariant::Transients);
        const int harm = int(ScalingVariant::Harmonics);

        QTest::newRow("picture box: place and font") << "Picture1" << plain << scaled << 15.0;
        QTest::newRow("label font") << "Label3(0)" << plain << scaled << 15.0;
        QTest::newRow("button font") << "Command2(1)" << plain << scaled << 15.0;
        QTest::newRow("lower-case prefix keeps font") << "picX" << plain << scaled << 12.0;
        QTest::newRow("text box keeps font") << "Text1(0)" << plain << scaled << 12.0;
        QTest::newRow("frame keeps font") << "Frame1" << plain << scaled << 12.0;
        QTest::newRow("frame font, three-phase") << "Frame2(0)" << three << scaled << 15.0;
        QTest::newRow("text box twice, three-phase") << "Text2(3)" << three << twiceHeight << 15.0;
        QTest::newRow("combo height kept, three-phase") << "Combo1" << three << keepHeight << 15.0;
        QTest::newRow("combo height kept, transients") << "Combo1" << trans << keepHeight << 15.0;
        QTest::newRow("Comb but not Combo, transients") << "CombX" << trans << scaled << 15.0;
        QTest::newRow("Tex fonts, harmonics") << "Text3(1)" << harm << scaled << 15.0;
        QTest::newRow("Tex fonts only there") << "Text3(1)" << trans << scaled << 12.0;
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
