// SPDX-License-Identifier: GPL-3.0-or-later
// The schematic vocabulary at the scale factors screens have: two wires that
// meet at a corner fill it, whatever the device pixel ratio.
#include "shell/schematic.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QTest>

using namespace ohmaris;

class TestSchematic : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void wiresFillTheirCorners_data()
    {
        QTest::addColumn<double>("dpr");
        QTest::newRow("1") << 1.0;
        QTest::newRow("1.25") << 1.25;
        QTest::newRow("1.5") << 1.5;
        QTest::newRow("2") << 2.0;
    }
    void wiresFillTheirCorners()
    {
        QFETCH(double, dpr);
        // A wire comes in from the left and turns down, at a corner off the
        // pixel grid (26.7 pixels in).
        constexpr double corner = 400; // twips
        const QSize size(60, 60);
        QImage image(size * dpr, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(dpr);
        {
            QPainter p(&image);
            Schematic s(p, QRectF(0, 0, size.width() * 15.0, size.height() * 15.0), Qt::white,
                        QFont(QStringLiteral("Times New Roman")), 12);
            s.Wire(100, corner, corner, corner);
            s.Wire(corner, corner, corner, 800);
        }
        // The corner is a square of the wire's width round the corner
        // point; every device pixel wholly inside it is covered in full
        // (with flat ends its outer quarter would be left out).
        const double half = kWireWidth / 2 / 15.0, c = corner / 15.0;
        const QRectF square(c - half, c - half, 2 * half, 2 * half);
        int inside = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                if (!square.contains(QRectF(x / dpr, y / dpr, 1 / dpr, 1 / dpr)))
                    continue;
                ++inside;
                QVERIFY2(qGray(image.pixel(x, y)) < 24,
                         qPrintable(QStringLiteral("pixel %1,%2 is %3").arg(x).arg(y).arg(qGray(image.pixel(x, y)))));
            }
        QVERIFY(inside > 0);
    }
};

QTEST_MAIN(TestSchematic)
#include "tst_schematic.moc"
