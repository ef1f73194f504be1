// SPDX-License-Identifier: GPL-3.0-or-later
// Seven-segment display: what the cells show for the edge-case values, the
// decimal point, the property rules, and the dim disabled display.
#include "instruments/znak.h"
#include "shell/picturebox.h"

#include <QImage>
#include <QMap>
#include <QtTest>
#include <cmath>
#include <limits>

using namespace ohmaris;

namespace {

// Lit segments (bottom, middle, top, lower left, upper left, lower right,
// upper right) of each character a cell can show.
const QMap<QString, QChar> &Glyphs()
{
    static const QMap<QString, QChar> g{
        {QStringLiteral("1011111"), QLatin1Char('0')}, {QStringLiteral("0000011"), QLatin1Char('1')},
        {QStringLiteral("1111001"), QLatin1Char('2')}, {QStringLiteral("1110011"), QLatin1Char('3')},
        {QStringLiteral("0100111"), QLatin1Char('4')}, {QStringLiteral("1110110"), QLatin1Char('5')},
        {QStringLiteral("1111110"), QLatin1Char('6')}, {QStringLiteral("0010011"), QLatin1Char('7')},
        {QStringLiteral("1111111"), QLatin1Char('8')}, {QStringLiteral("1110111"), QLatin1Char('9')},
        {QStringLiteral("0100000"), QLatin1Char('-')}, {QStringLiteral("1111100"), QLatin1Char('E')},
        {QStringLiteral("0101000"), QLatin1Char('r')}, {QStringLiteral("0000000"), QLatin1Char(' ')},
    };
    return g;
}

// The display as read off its segments, a '.' after a cell whose point is lit.
QString Shown(const znak::Display &d, int digits)
{
    QString out;
    for (int k = 1; k <= digits; ++k) {
        QString bits;
        for (int j = 1; j <= 7; ++j)
            bits += znak::SegmentLit(d, digits, k, j) ? QLatin1Char('1') : QLatin1Char('0');
        out += Glyphs().value(bits, QLatin1Char('?'));
        // Points are laid out from the right: cell k's point follows the
        // cell with k - 1 cells to its right.
        if (znak::PointLit(d, digits - k + 1))
            out += QLatin1Char('.');
    }
    return out;
}

int LitPixels(const QImage &img)
{
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            n += QColor(img.pixel(x, y)) == QColor(50, 200, 50) ? 1 : 0;
    return n;
}

} // namespace

// Paint events a widget receives.
struct PaintCount : QObject {
    explicit PaintCount(QWidget *w) { w->installEventFilter(this); }
    bool eventFilter(QObject *, QEvent *e) override
    {
        count += e->type() == QEvent::Paint ? 1 : 0;
        return false;
    }
    int count = 0;
};

class TestZnak : public QObject {
    Q_OBJECT

private slots:
    void encode_data()
    {
        QTest::addColumn<int>("digits");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<double>("stored");

        QTest::newRow("9 on one cell") << 1 << 9.0 << "9" << 9.0;
        QTest::newRow("10 on one cell") << 1 << 10.0 << "E" << 10.0;
        QTest::newRow("90 on two cells") << 2 << 90.0 << "90" << 90.0;
        QTest::newRow("9.87 on two cells") << 2 << 9.87 << "9.9" << 9.9;
        QTest::newRow("-5 on three cells") << 3 << -5.0 << " -5" << -5.0;
        QTest::newRow("-0.4 on three cells") << 3 << -0.4 << "-0.4" << -0.4;
        QTest::newRow("123 on two cells") << 2 << 123.0 << "Er" << 123.0;
        QTest::newRow("123456 on five cells") << 5 << 123456.0 << "  Err" << 123456.0;
        QTest::newRow("99.9 on two cells does not fit") << 2 << 99.9 << "Er" << 99.9;
        QTest::newRow("-99.6 on three cells") << 3 << -99.6 << "Err" << -99.6;
        QTest::newRow("99.96 rounds up to 100") << 3 << 99.96 << "100" << 100.0;
        QTest::newRow("pi on five cells") << 5 << 3.14159 << "3.1416" << 3.1416;
        QTest::newRow("small fraction") << 5 << 0.0123 << "0.0123" << 0.0123;
        QTest::newRow("negative fraction") << 5 << -0.0123 << "-0.012" << -0.012;
        QTest::newRow("zero") << 4 << 0.0 << "   0" << 0.0;
        QTest::newRow("a half") << 3 << 0.5 << " 0.5" << 0.5;
        QTest::newRow("halves round to even") << 2 << 2.25 << "2.2" << 2.2;
        // Rounding carries these fractions to a whole number: the zero in
        // front of the point no longer belongs there.
        QTest::newRow("0.4 on one cell") << 1 << 0.4 << "0" << 0.0;
        QTest::newRow("-0.4 on two cells, no minus before a lone zero") << 2 << -0.4 << " 0" << 0.0;
        QTest::newRow("-0.96 on two cells") << 2 << -0.96 << "-1" << -1.0;
        QTest::newRow("0.96 on two cells keeps its zero") << 2 << 0.96 << "01" << 1.0;
        QTest::newRow("nine whole digits") << 9 << 123456789.0 << "123456789" << 123456789.0;
        QTest::newRow("nine cells of a fraction") << 9 << 0.123456789 << "0.12345679" << 0.12345679;
        QTest::newRow("NaN does not fit") << 3 << double(NAN) << "Err" << double(NAN);
        QTest::newRow("infinity does not fit") << 2 << double(INFINITY) << "Er" << double(INFINITY);
    }

    void encode()
    {
        QFETCH(int, digits);
        QFETCH(double, value);
        QFETCH(QString, shown);
        QFETCH(double, stored);
        const znak::Display d = znak::Encode(value, digits);
        QCOMPARE(Shown(d, digits), shown);
        if (std::isnan(stored))
            QVERIFY(std::isnan(d.stored));
        else if (std::isinf(stored))
            QCOMPARE(d.stored, stored);
        else
            QVERIFY2(std::fabs(d.stored - stored) < 1e-12, qPrintable(QString::number(d.stored, 'g', 17)));
    }

    // Encode and SegmentLit are public: a count of digits outside 1..9 must
    // not reach past the cells. It is taken as the nearest end of the range.
    void digitsOutOfRange_data()
    {
        QTest::addColumn<int>("digits");
        QTest::addColumn<int>("taken");
        QTest::addColumn<double>("value");
        QTest::newRow("0 digits, a value that does not fit") << 0 << 1 << 5.0;
        QTest::newRow("0 digits, zero") << 0 << 1 << 0.0;
        QTest::newRow("negative digits") << -3 << 1 << 123.0;
        QTest::newRow("most negative digits") << std::numeric_limits<int>::min() << 1 << -7.0;
        QTest::newRow("10 digits") << 10 << 9 << 5.0;
        QTest::newRow("many digits, a long number") << 1000 << 9 << -123456.25;
    }

    void digitsOutOfRange()
    {
        QFETCH(int, digits);
        QFETCH(int, taken);
        QFETCH(double, value);
        const znak::Display d = znak::Encode(value, digits);
        const znak::Display in = znak::Encode(value, taken);
        QCOMPARE(d.cells, in.cells);
        QCOMPARE(d.firstCell, in.firstCell);
        QCOMPARE(d.dotPlace, in.dotPlace);
        QCOMPARE(d.stored, in.stored);
        for (int k = 0; k <= znak::kMaxDigits + 1; ++k)
            for (int j = 0; j <= 8; ++j)
                QCOMPARE(znak::SegmentLit(d, digits, k, j), znak::SegmentLit(in, taken, k, j));
    }

    void pointClearsWhenNumberHasNone()
    {
        Znak z;
        z.setDigits(2);
        z.setValue(9.87);
        QCOMPARE(Shown(z.display(), 2), QStringLiteral("9.9"));
        z.setValue(90);
        QCOMPARE(Shown(z.display(), 2), QStringLiteral("90"));
        z.setValue(1.5);
        z.setValue(1e6);
        QCOMPARE(Shown(z.display(), 2), QStringLiteral("Er"));
    }

    void properties()
    {
        Znak z;
        QCOMPARE(z.Digits(), 5);
        QCOMPARE(z.Value(), 1.0);
        QVERIFY(z.Enable());
        z.setDigits(0);
        QCOMPARE(z.Digits(), 5);
        z.setDigits(10);
        QCOMPARE(z.Digits(), 5);
        z.setDigits(9);
        QCOMPARE(z.Digits(), 9);
        z.setDigits(2);
        z.setValue(9.87);
        QCOMPARE(z.Value(), 9.9);
        z.setEnable(false);
        QVERIFY(!z.Enable());
    }

    // The number a person reads: the value as the cells round it, in the
    // display's unit; none while it is dark or shows an overflow.
    void reading_data()
    {
        QTest::addColumn<int>("digits");
        QTest::addColumn<double>("value");
        QTest::addColumn<bool>("enable");
        QTest::addColumn<double>("shown"); // NaN: no number
        QTest::newRow("rounded to the cells") << 5 << 3.14159 << true << 3.1416;
        QTest::newRow("negative, a cell for the minus") << 3 << -5.0 << true << -5.0;
        QTest::newRow("whole number") << 8 << 14.789 << true << 14.789;
        QTest::newRow("dark display") << 2 << 90.0 << false << qQNaN();
        QTest::newRow("overflow shows Err") << 2 << 123.0 << true << qQNaN();
    }
    void reading()
    {
        QFETCH(int, digits);
        QFETCH(double, value);
        QFETCH(bool, enable);
        QFETCH(double, shown);
        Znak z;
        SetUpIndicator(z, nullptr, {QStringLiteral("V1"), digits, value, enable, QStringLiteral("V")});
        const InstrumentReading r = z.Reading();
        QCOMPARE(r.name, QStringLiteral("V1"));
        QCOMPARE(r.kind, InstrumentReading::Kind::Indicator);
        QCOMPARE(r.unit, QStringLiteral("V"));
        QCOMPARE(r.showsNumber(), !std::isnan(shown));
        if (r.showsNumber())
            QCOMPARE(r.value, shown);
    }

    void changeSignals()
    {
        Znak z;
        z.setDigits(2);
        z.setValue(9.0);
        QSignalSpy values(&z, &Znak::valueChanged);
        QSignalSpy digits(&z, &Znak::digitsChanged);
        QSignalSpy enable(&z, &Znak::enableChanged);
        z.setValue(9.001); // shows as 9.0 already
        z.setDigits(12);   // refused
        z.setEnable(true);
        QCOMPARE(values.count() + digits.count() + enable.count(), 0);
        z.setValue(9.5);
        z.setDigits(3);
        z.setEnable(false);
        QCOMPARE(values.count(), 1);
        QCOMPARE(values.at(0).at(0).toDouble(), 9.5);
        QCOMPARE(digits.count(), 1);
        QCOMPARE(enable.count(), 1);
        QCOMPARE(z.property("Digits").toInt(), 3);
    }

    void boxFollowsCells()
    {
        PictureBox box;
        box.resize(100, 10);
        Znak z;
        z.setPicCtl(&box);
        QCOMPARE(box.height(), 30); // 1.5 x 100 / 5
        z.setDigits(2);
        QCOMPARE(box.height(), 75);
    }

    // The benches hand their indicators a value on every tick: one that
    // shows the same cells asks for no repaint.
    void unchangedValueRepaintsNothing()
    {
        PictureBox box;
        box.resize(100, 10);
        Znak z;
        z.setPicCtl(&box);
        z.setDigits(2);
        z.setValue(9.0);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        PaintCount paints(&box);
        z.setValue(9.0);
        z.setValue(9.001); // rounds to the same cells
        QCoreApplication::processEvents();
        QCOMPARE(paints.count, 0);
        z.setValue(9.5);
        QCoreApplication::processEvents();
        QCOMPARE(paints.count, 1);
    }

    void disabledShowsNothingLit()
    {
        PictureBox box;
        box.resize(200, 10);
        Znak z;
        z.setPicCtl(&box);
        z.setValue(8.8888);
        QVERIFY(LitPixels(box.grab().toImage()) > 0);
        z.setEnable(false);
        QCOMPARE(LitPixels(box.grab().toImage()), 0);
        z.setEnable(true);
        QVERIFY(LitPixels(box.grab().toImage()) > 0);
    }
};

QTEST_MAIN(TestZnak)
#include "tst_znak.moc"
