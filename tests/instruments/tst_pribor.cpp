// SPDX-License-Identifier: GPL-3.0-or-later
// Pointer meter: property rules, scale geometry, tick loop, and the few
// faults only the pixels show.
#include "calc/meterdrive.h"
#include "calc/phasor.h"
#include "instruments/pribor.h"
#include "shell/fonts.h"
#include "shell/picturebox.h"

#include <QImage>
#include <QtTest>
#include <cmath>
#include <memory>

using namespace ohmaris;

namespace {

enum class Prop { Shcala, Systema, Tok, Max, Min, Smallchange, Bigchange, Value };

void Set(Pribor &m, Prop p, double v)
{
    switch (p) {
    case Prop::Shcala: m.setShcala(int(v)); break;
    case Prop::Systema: m.setSystema(int(v)); break;
    case Prop::Tok: m.setTok(int(v)); break;
    case Prop::Max: m.setMax(float(v)); break;
    case Prop::Min: m.setMin(float(v)); break;
    case Prop::Smallchange: m.setSmallchange(float(v)); break;
    case Prop::Bigchange: m.setBigchange(float(v)); break;
    case Prop::Value: m.setValue(float(v)); break;
    }
}

double Get(const Pribor &m, Prop p)
{
    switch (p) {
    case Prop::Shcala: return m.Shcala();
    case Prop::Systema: return m.Systema();
    case Prop::Tok: return m.Tok();
    case Prop::Max: return m.Max();
    case Prop::Min: return m.Min();
    case Prop::Smallchange: return m.Smallchange();
    case Prop::Bigchange: return m.Bigchange();
    case Prop::Value: return m.Value();
    }
    return 0;
}

// A setting step: property and value, applied in order.
struct Step {
    Prop prop;
    double value;
};
using Steps = QList<Step>;

meter::Scale ScaleOf(float min, float max, float small, float big, short shcala = 1, short systema = 1)
{
    meter::Scale s;
    s.Min = min;
    s.Max = max;
    s.Smallchange = small;
    s.Bigchange = big;
    s.Shcala = shcala;
    s.Systema = systema;
    return s;
}

// Widget pixel of face point (x, y): the face lies inside a one-pixel border.
QPoint Pixel(const PictureBox &box, QPointF facePoint)
{
    const double h = box.height() - 2;
    return QPointF(1 + facePoint.x(), 1 + h - facePoint.y()).toPoint();
}

// Red, or red blended half into white or black.
bool Reddish(QRgb c)
{
    return qRed(c) > 120 && qGreen(c) < qRed(c) - 80 && qBlue(c) < qRed(c) - 80;
}

} // namespace

Q_DECLARE_METATYPE(Steps)
Q_DECLARE_METATYPE(MeterSpec)
Q_DECLARE_METATYPE(Prop)

class TestPribor : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { InstallFontSubstitutes(); }

    void freshMeter()
    {
        Pribor m;
        QCOMPARE(m.Shcala(), short(1));
        QCOMPARE(m.Systema(), short(0));
        QCOMPARE(m.Tok(), short(1));
        QCOMPARE(m.KlassT(), 0.5f);
        QCOMPARE(m.Min(), 0.0f);
        QCOMPARE(m.Max(), 100.0f);
        QCOMPARE(m.Smallchange(), 2.0f);
        QCOMPARE(m.Bigchange(), 10.0f);
        QCOMPARE(m.Value(), 0.0f);
        QCOMPARE(m.Caption(), QStringLiteral("Амперметр"));
    }

    void acceptance_data()
    {
        QTest::addColumn<Steps>("steps");
        QTest::addColumn<Prop>("prop");
        QTest::addColumn<double>("expected");

        QTest::newRow("Shcala 2 accepted") << Steps{{Prop::Shcala, 2}} << Prop::Shcala << 2.0;
        QTest::newRow("Shcala 0 ignored") << Steps{{Prop::Shcala, 0}} << Prop::Shcala << 1.0;
        QTest::newRow("Shcala 3 ignored") << Steps{{Prop::Shcala, 3}} << Prop::Shcala << 1.0;
        QTest::newRow("Systema 3 accepted") << Steps{{Prop::Systema, 3}} << Prop::Systema << 3.0;
        QTest::newRow("Systema 4 ignored") << Steps{{Prop::Systema, 2}, {Prop::Systema, 4}} << Prop::Systema << 2.0;
        QTest::newRow("Systema 0 ignored") << Steps{{Prop::Systema, 2}, {Prop::Systema, 0}} << Prop::Systema << 2.0;
        QTest::newRow("Tok 3 ignored") << Steps{{Prop::Tok, 2}, {Prop::Tok, 3}} << Prop::Tok << 2.0;
        QTest::newRow("Min equal to Max ignored") << Steps{{Prop::Min, 100}} << Prop::Min << 0.0;
        QTest::newRow("Min above Max ignored") << Steps{{Prop::Min, 150}} << Prop::Min << 0.0;
        QTest::newRow("Max below Min ignored") << Steps{{Prop::Max, -1}} << Prop::Max << 100.0;
        QTest::newRow("Max equal to Min ignored") << Steps{{Prop::Max, 0}} << Prop::Max << 100.0;
        QTest::newRow("Smallchange equal to Bigchange ignored")
            << Steps{{Prop::Smallchange, 10}} << Prop::Smallchange << 2.0;
        QTest::newRow("Bigchange below Smallchange ignored")
            << Steps{{Prop::Bigchange, 1}} << Prop::Bigchange << 10.0;
        QTest::newRow("Max 1.5 then Min -1.5") << Steps{{Prop::Max, 1.5}, {Prop::Min, -1.5}} << Prop::Min << -1.5;
        QTest::newRow("Min 150 before Max 200 is refused")
            << Steps{{Prop::Min, 150}, {Prop::Max, 200}} << Prop::Min << 0.0;
        QTest::newRow("Smallchange 0.1 then Bigchange 0.5")
            << Steps{{Prop::Smallchange, 0.1}, {Prop::Bigchange, 0.5}} << Prop::Bigchange << 0.5;
        QTest::newRow("Bigchange 0.5 first is refused")
            << Steps{{Prop::Bigchange, 0.5}, {Prop::Smallchange, 0.1}} << Prop::Bigchange << 10.0;
        QTest::newRow("Bigchange 25 then Smallchange 5")
            << Steps{{Prop::Bigchange, 25}, {Prop::Smallchange, 5}} << Prop::Smallchange << 5.0;
        // A tick step that is not positive would never end the tick loop.
        QTest::newRow("Smallchange 0 ignored") << Steps{{Prop::Smallchange, 0}} << Prop::Smallchange << 2.0;
        QTest::newRow("Smallchange negative ignored")
            << Steps{{Prop::Smallchange, -1}} << Prop::Smallchange << 2.0;
        QTest::newRow("Max infinite ignored")
            << Steps{{Prop::Max, double(INFINITY)}} << Prop::Max << 100.0;
        QTest::newRow("Min NaN ignored") << Steps{{Prop::Min, double(NAN)}} << Prop::Min << 0.0;
    }

    void acceptance()
    {
        QFETCH(Steps, steps);
        QFETCH(Prop, prop);
        QFETCH(double, expected);
        Pribor m;
        for (const Step &s : steps)
            Set(m, s.prop, s.value);
        QCOMPARE(Get(m, prop), expected);
    }

    void valueClamp_data()
    {
        QTest::addColumn<int>("shcala");
        QTest::addColumn<double>("value");
        QTest::addColumn<double>("expected");
        // 0..100 with ticks every 2.
        QTest::newRow("far above, linear: three steps past Max") << 1 << 500.0 << 106.0;
        QTest::newRow("far below, linear: three steps before Min") << 1 << -500.0 << -6.0;
        QTest::newRow("far above, square-law: two steps past Max") << 2 << 500.0 << 104.0;
        QTest::newRow("far below, square-law") << 2 << -500.0 << -6.0;
        QTest::newRow("inside the overshoot") << 1 << 104.5 << 104.5;
        QTest::newRow("infinite ignored") << 1 << double(INFINITY) << 42.0;
        QTest::newRow("minus infinite ignored") << 1 << -double(INFINITY) << 42.0;
        QTest::newRow("NaN ignored") << 1 << double(NAN) << 42.0;
    }

    void valueClamp()
    {
        QFETCH(int, shcala);
        QFETCH(double, value);
        QFETCH(double, expected);
        Pribor m;
        m.setShcala(shcala);
        m.setValue(42);
        m.setValue(float(value));
        QCOMPARE(double(m.Value()), expected);
    }

    void valueClampFollowsScale()
    {
        // The K-50 voltmeter: 0..150 in steps of 5 stops at 165 and -15.
        Pribor m;
        m.setMax(150);
        m.setBigchange(25);
        m.setSmallchange(5);
        m.setValue(1e6f);
        QCOMPARE(m.Value(), 165.0f);
        m.setValue(-1e6f);
        QCOMPARE(m.Value(), -15.0f);
    }

    void angles()
    {
        const double a = meter::HalfAngle(300, 270);
        QCOMPARE(a, std::atan(8.0 / 15.0));
        const meter::Scale lin = ScaleOf(-1.5f, 1.5f, 0.1f, 0.5f);
        QCOMPARE(meter::ValueAngle(lin, a, -1.5), kHalfPi + a);
        QCOMPARE(meter::ValueAngle(lin, a, 1.5), kHalfPi - a);
        QVERIFY(std::fabs(meter::ValueAngle(lin, a, 0) - kHalfPi) < 1e-12);
        // Below Min a linear pointer goes left of the start.
        QVERIFY(meter::ValueAngle(lin, a, -1.8) > kHalfPi + a);

        const meter::Scale sq = ScaleOf(0, 100, 2, 10, 2);
        QVERIFY(std::fabs(meter::ValueAngle(sq, a, 50) - (kHalfPi + a - 2 * a * 0.25)) < 1e-12);
        // On a square-law scale a value below Min deflects to the right like
        // the value the same distance above it.
        QCOMPARE(meter::ValueAngle(sq, a, -6), meter::ValueAngle(sq, a, 6));
        QVERIFY(meter::ValueAngle(sq, a, -6) < kHalfPi + a);
    }

    void geometry()
    {
        const meter::Geometry g = meter::GeometryFor(300, 270);
        QCOMPARE(g.cx, 150.0);
        QVERIFY(g.cy < 0); // pivot below the face
        QCOMPARE(g.r, 0.82 * 270);
        // The tips of the scale stay inside the face.
        const QPointF left = meter::RayPoint(g, meter::kMajorOuter, kHalfPi + g.a);
        const QPointF right = meter::RayPoint(g, meter::kMajorOuter, kHalfPi - g.a);
        QVERIFY(left.x() > 0 && right.x() < 300 && left.y() < 270);
        // Symmetric about the middle (to the precision of the program's pi).
        QVERIFY(std::fabs(left.x() + right.x() - 300) < 1e-6);
        // A negative number moves right by 0.45 of its width.
        const QPointF pos = meter::LabelTopLeft(g, kHalfPi, 0.5, 20, 10);
        const QPointF neg = meter::LabelTopLeft(g, kHalfPi, -0.5, 20, 10);
        QCOMPARE(neg.x() - pos.x(), 0.45 * 20);
        QCOMPARE(neg.y(), pos.y());
        QCOMPARE(pos.y(), meter::RayPoint(g, meter::kLabelRadius, kHalfPi).y() + 3);
    }

    void ticks_data()
    {
        QTest::addColumn<float>("min");
        QTest::addColumn<float>("max");
        QTest::addColumn<float>("small");
        QTest::addColumn<float>("big");
        QTest::addColumn<int>("shcala");
        QTest::addColumn<int>("systema");
        QTest::addColumn<int>("count");
        QTest::addColumn<QList<double>>("labels");
        QTest::addColumn<int>("minorDrawn");

        QTest::newRow("-1.5..1.5 by 0.1") << -1.5f << 1.5f << 0.1f << 0.5f << 1 << 1 << 31
                                          << QList<double>{-1.5, -1, -0.5, 0, 0.5, 1, 1.5} << 24;
        QTest::newRow("0..2 by 0.05") << 0.0f << 2.0f << 0.05f << 0.5f << 1 << 1 << 41
                                      << QList<double>{0, 0.5, 1, 1.5, 2} << 36;
        QTest::newRow("-25..25 by 1") << -25.0f << 25.0f << 1.0f << 5.0f << 1 << 1 << 51
                                      << QList<double>{-25, -20, -15, -10, -5, 0, 5, 10, 15, 20, 25} << 40;
        QTest::newRow("0..150 by 5") << 0.0f << 150.0f << 5.0f << 25.0f << 1 << 3 << 31
                                     << QList<double>{0, 25, 50, 75, 100, 125, 150} << 24;
        // Moving iron: no minor ticks in the first 5 degrees (2, 4, 6, 8).
        QTest::newRow("0..100 moving iron") << 0.0f << 100.0f << 2.0f << 10.0f << 1 << 2 << 51
                                            << QList<double>{0, 10, 20, 30, 40, 50, 60, 70, 80, 90, 100} << 36;
        // Square law: majors 2 and 3 carry no number, minor ticks only
        // after the fourth major tick.
        QTest::newRow("0..100 square law") << 0.0f << 100.0f << 2.0f << 10.0f << 2 << 2 << 51
                                           << QList<double>{0, 30, 40, 50, 60, 70, 80, 90, 100} << 28;
    }

    void ticks()
    {
        QFETCH(float, min);
        QFETCH(float, max);
        QFETCH(float, small);
        QFETCH(float, big);
        QFETCH(int, shcala);
        QFETCH(int, systema);
        QFETCH(int, count);
        QFETCH(QList<double>, labels);
        QFETCH(int, minorDrawn);
        const meter::Scale s = ScaleOf(min, max, small, big, short(shcala), short(systema));
        const double a = meter::HalfAngle(300, 270);
        const std::vector<meter::Tick> ticks = meter::Ticks(s, a);
        QCOMPARE(int(ticks.size()), count);
        QList<double> got;
        int minors = 0;
        for (const meter::Tick &t : ticks) {
            if (t.major && t.labelled)
                got.append(t.label);
            if (!t.major && t.drawn)
                ++minors;
            QVERIFY(t.theta <= kHalfPi + a + 1e-12 && t.theta >= kHalfPi - a - 1e-12);
        }
        QCOMPARE(got, labels);
        QCOMPARE(minors, minorDrawn);
    }

    void movingIronFirstFiveDegrees()
    {
        const meter::Scale s = ScaleOf(0, 100, 2, 10, 1, 2);
        const std::vector<meter::Tick> ticks = meter::Ticks(s, meter::HalfAngle(300, 270));
        for (int i = 1; i <= 4; ++i)
            QVERIFY2(!ticks[size_t(i)].drawn, qPrintable(QStringLiteral("tick at %1").arg(2 * i)));
        QVERIFY(ticks[5].drawn && ticks[5].major); // 10
        QVERIFY(ticks[6].drawn);                   // 12
    }

    void tickLoopStaysBounded()
    {
        // A tick step far too fine for the scale draws no ticks instead of
        // running for ever.
        const meter::Scale s = ScaleOf(0, 1e9f, 1e-3f, 10, 1, 1);
        QVERIFY(meter::Ticks(s, 0.5).empty());
        // Numbers so far apart that only the first tick gets one.
        const std::vector<meter::Tick> ticks = meter::Ticks(ScaleOf(0, 100, 1, 1e30f, 1, 1), 0.5);
        QCOMPARE(int(ticks.size()), 101);
        QCOMPARE(std::count_if(ticks.begin(), ticks.end(), [](const meter::Tick &t) { return t.major; }), 1);
    }

    void keepsShape()
    {
        PictureBox box;
        box.resize(300, 100);
        Pribor m;
        m.setPicCtl(&box);
        QCOMPARE(box.height(), 270);
        box.show();
        box.resize(200, 50);
        QCOMPARE(box.height(), 180);
    }

    void rebindAndLifetime()
    {
        // A bound box shows the white dial; an unbound one paints nothing.
        const auto dialShown = [](PictureBox &box) {
            box.resize(200, 180);
            const QImage img = box.grab().toImage();
            return img.pixelColor(img.width() / 2, img.height() / 3) == QColor(Qt::white);
        };
        auto first = std::make_unique<PictureBox>();
        PictureBox second;
        auto m = std::make_unique<Pribor>();
        m->setPicCtl(first.get());
        QVERIFY(dialShown(*first));
        m->setPicCtl(&second);
        QVERIFY(!dialShown(*first));
        QVERIFY(dialShown(second));
        // A bench's own handler of the box stays connected.
        int presses = 0;
        connect(&second, &PictureBox::mouseDown, &second, [&presses] { ++presses; });
        m->setPicCtl(first.get());
        QTest::mouseClick(&second, Qt::LeftButton);
        QCOMPARE(presses, 1);
        // The box may go first (window unloaded), and the meter still works.
        first.reset();
        m->setValue(10);
        QCOMPARE(m->Value(), 10.0f);
        // The meter may go first: the box no longer calls into it.
        m->setPicCtl(&second);
        m.reset();
        QVERIFY(!dialShown(second));
    }

    // Every tick the pointer either glides a fifth of the way, or, with its
    // tip within a tenth of a pixel of the target's place, lands on the
    // target; so it comes to rest on the target within a few dozen ticks
    // instead of creeping on.
    void pointerStopsOnItsTarget_data()
    {
        QTest::addColumn<int>("shcala");
        QTest::addColumn<double>("start");
        QTest::addColumn<double>("target");
        QTest::addColumn<double>("rest");
        QTest::newRow("linear, up the scale") << 1 << 0.0 << 63.3 << 63.3;
        QTest::newRow("linear, down to zero") << 1 << 80.0 << 0.0 << 0.0;
        QTest::newRow("square law") << 2 << 10.0 << 41.7 << 41.7;
        QTest::newRow("past the end: held at the limit") << 1 << 20.0 << 500.0 << 106.0;
    }
    void pointerStopsOnItsTarget()
    {
        QFETCH(int, shcala);
        QFETCH(double, start);
        QFETCH(double, target);
        QFETCH(double, rest);
        PictureBox box;
        box.resize(302, 100);
        Pribor m;
        m.setPicCtl(&box);
        m.setShcala(shcala);
        m.setValue(float(start));
        int ticks = 0;
        for (float before = NAN; m.Value() != before && ticks < 1000; ++ticks) {
            before = m.Value();
            const bool close = m.TipDistance(target) < 0.1;
            // Whether the step will leave the pointer where it is.
            const bool atTarget = m.AtTarget(target);
            m.StepTowards(target);
            const float expected = close ? float(rest) : meter::ClampValue(m.scale(), MeterStep(before, target));
            QCOMPARE(m.Value(), expected);
            QCOMPARE(atTarget, m.Value() == before);
        }
        QCOMPARE(m.Value(), float(rest));
        QVERIFY(m.AtTarget(target));
        QVERIFY2(ticks < 60, qPrintable(QString::number(ticks)));
    }

    void unboundPointerOnlyGlides()
    {
        Pribor m;
        float v = 0.0f;
        for (int k = 0; k < 200; ++k) {
            QCOMPARE(m.AtTarget(50.0), MeterStep(v, 50.0) == v);
            m.StepTowards(50.0);
            v = MeterStep(v, 50.0);
            QCOMPARE(m.Value(), v);
        }
        QCOMPARE(m.TipDistance(0.0), 0.0);
        // A target that is not a number moves nothing.
        QVERIFY(m.AtTarget(std::nan("")));
    }

    // The pictures of the face are drawn at the first paint and go with the
    // box: a closed window leaves none behind.
    void faceGoesWithItsBox()
    {
        auto box = std::make_unique<PictureBox>();
        box->resize(200, 180);
        Pribor m;
        m.setPicCtl(box.get());
        QVERIFY(!m.FaceCached());
        box->grab();
        QVERIFY(m.FaceCached());
        box.reset();
        QVERIFY(!m.FaceCached());
        // Bound again, it draws them for the new box, and lets them go
        // when it is let go of.
        PictureBox other;
        other.resize(300, 270);
        m.setPicCtl(&other);
        other.grab();
        QVERIFY(m.FaceCached());
        m.setPicCtl(nullptr);
        QVERIFY(!m.FaceCached());
    }

    // What a person reads off the face: the pointer's position times the
    // range over the divisions, in the meter's unit, with the scale's tick
    // step and the error its class allows (class x full scale / 100).
    void reading_data()
    {
        QTest::addColumn<MeterSpec>("setup");
        QTest::addColumn<float>("position");
        QTest::addColumn<double>("value");
        QTest::addColumn<double>("range");
        QTest::addColumn<double>("resolution");
        QTest::addColumn<double>("error");
        const QString amp = QStringLiteral("A"), volt = QStringLiteral("V"), watt = QStringLiteral("W");
        // caption, max, big, small, class, law, current, system, min, unit, range
        QTest::newRow("K-50 ammeter, 100 divisions at 5 A")
            << MeterSpec{QStringLiteral("А"), 100, 10, 2, 0.5f, 1, 2, 2, 0, amp, 5} << 50.0f << 2.5 << 5.0 << 0.1 << 0.025;
        QTest::newRow("voltmeter, 150 divisions at 750 V")
            << MeterSpec{QStringLiteral("V1"), 150, 25, 5, 0.5f, 1, 2, 2, 0, volt, 750} << 97.0f << 485.0 << 750.0 << 25.0
            << 3.75;
        QTest::newRow("wattmeter, 150 divisions at 150 W, reversed")
            << MeterSpec{QStringLiteral("W"), 150, 25, 5, 0.5f, 1, 2, 3, 0, watt, 150} << -15.0f << -15.0 << 150.0 << 5.0
            << 0.75;
        QTest::newRow("centre-zero scale in amperes")
            << MeterSpec{QStringLiteral("A1"), 1.5f, 0.5f, 0.1f, 1.5f, 1, 1, 1, -1.5f, amp} << -0.73f << -0.73 << 1.5
            << 0.1 << 0.0225;
        QTest::newRow("scale in amperes from 0")
            << MeterSpec{QStringLiteral("A3"), 2, 0.5f, 0.05f, 1.5f, 1, 1, 1, 0, amp} << 1.2f << 1.2 << 2.0 << 0.05 << 0.03;
        QTest::newRow("pinned past the end at 1 A")
            << MeterSpec{QStringLiteral("A2"), 100, 10, 2, 1, 1, 1, 1, 0, amp, 1} << 500.0f << 1.06 << 1.0 << 0.02 << 0.01;
    }
    void reading()
    {
        QFETCH(MeterSpec, setup);
        QFETCH(float, position);
        QFETCH(double, value);
        QFETCH(double, range);
        QFETCH(double, resolution);
        QFETCH(double, error);
        Pribor m;
        SetUpMeter(m, nullptr, setup);
        m.setValue(position);
        const InstrumentReading r = m.Reading();
        QCOMPARE(r.name, setup.caption);
        QCOMPARE(r.kind, InstrumentReading::Kind::Meter);
        QCOMPARE(r.unit, setup.unit);
        // The scale's 32-bit numbers, read in double.
        QVERIFY2(std::fabs(r.value - value) < 1e-6 * std::max(1.0, std::fabs(value)), qPrintable(QString::number(r.value, 'g', 10)));
        QVERIFY2(std::fabs(r.range - range) < 1e-6 * range, qPrintable(QString::number(r.range)));
        QVERIFY2(std::fabs(r.resolution - resolution) < 1e-6, qPrintable(QString::number(r.resolution, 'g', 10)));
        QVERIFY2(std::fabs(r.error - error) < 1e-6, qPrintable(QString::number(r.error, 'g', 10)));
    }

    // Change signals in the manner of Qt's own controls: a new value, the
    // pointer coming to rest and setting off again, other properties
    // together; a setter that changes nothing signals nothing.
    void changeSignals()
    {
        PictureBox box;
        box.resize(302, 100);
        Pribor m;
        m.setPicCtl(&box);
        QSignalSpy values(&m, &Pribor::valueChanged);
        QSignalSpy rest(&m, &Pribor::atRestChanged);
        QSignalSpy scale(&m, &Pribor::scaleChanged);
        QVERIFY(m.AtRest());

        m.setValue(0.0f);
        m.setMax(100.0f);
        m.setKlassT(0.5f);
        m.setRange(0.0f);
        m.setRange(-5.0f); // refused
        m.setCaption(m.Caption());
        QCOMPARE(values.count() + rest.count() + scale.count(), 0);

        m.setRange(5.0f);
        m.setUnit(QStringLiteral("A"));
        m.setMax(150.0f);
        QCOMPARE(scale.count(), 3);
        QCOMPARE(m.property("Range").toFloat(), 5.0f);

        // Driven towards 60: it sets off, moves every tick, and rests once
        // on its target; further ticks say nothing.
        int ticks = 0;
        while (!(ticks > 0 && m.AtRest()) && ticks < 200) {
            m.StepTowards(60.0);
            ++ticks;
        }
        QCOMPARE(m.Value(), 60.0f);
        QCOMPARE(rest.count(), 2);
        QCOMPARE(rest.at(0).at(0).toBool(), false);
        QCOMPARE(rest.at(1).at(0).toBool(), true);
        QCOMPARE(values.count(), ticks);
        QCOMPARE(values.last().at(0).toFloat(), 60.0f);
        m.StepTowards(60.0);
        QCOMPARE(values.count(), ticks);
        QCOMPARE(rest.count(), 2);

        // A target past the scale's end rests where the pointer is held.
        while (!m.AtRest() || m.Value() < 150.0f) {
            m.StepTowards(1000.0);
            if (++ticks > 400)
                break;
        }
        QCOMPARE(m.Value(), meter::Limits(m.scale()).high);
        QVERIFY(m.AtRest());

        // Set from outside, the pointer stands at rest where it is put.
        m.StepTowards(0.0);
        QVERIFY(!m.AtRest());
        m.setValue(30.0f);
        QVERIFY(m.AtRest());
    }

    void pointerIsDrawn_data()
    {
        QTest::addColumn<double>("value");
        QTest::newRow("mid scale") << 50.0;
        QTest::newRow("past the right end") << 500.0;
        QTest::newRow("past the left end") << -500.0;
    }

    void pointerIsDrawn()
    {
        QFETCH(double, value);
        PictureBox box;
        box.resize(302, 100);
        Pribor m;
        m.setPicCtl(&box);
        m.setSystema(2);
        m.setTok(2);
        m.setValue(float(value));
        const QImage img = box.grab().toImage();
        const meter::Geometry g = meter::GeometryFor(box.width() - 2, box.height() - 2);
        const double theta = meter::ValueAngle(m.scale(), g.a, m.Value());
        // The red tip between radius 0.8 and 1.2.
        const QPoint tip = Pixel(box, meter::RayPoint(g, 0.95, theta));
        bool red = false;
        for (int dx = -1; dx <= 1; ++dx)
            for (int dy = -1; dy <= 1; ++dy)
                red = red || Reddish(img.pixel(tip + QPoint(dx, dy)));
        QVERIFY(red);
        // The grey lower panel covers the bottom of the face.
        QCOMPARE(QColor(img.pixel(Pixel(box, QPointF(0.5 * g.w, 0.2 * g.h)))), QColor(115, 115, 115));
    }

    void systemSymbolOnlyWhenSet()
    {
        // A fresh meter shows no system symbol until a window sets one.
        PictureBox box;
        box.resize(302, 100);
        Pribor m;
        m.setPicCtl(&box);
        m.setValue(50); // pointer upright, clear of the symbol
        const auto darkAroundSymbol = [&box] {
            const QImage img = box.grab().toImage();
            const double w = box.width() - 2, h = box.height() - 2;
            int dark = 0;
            // Around the symbol's place, above the grey lower panel.
            for (int x = int(0.11 * w); x <= int(0.19 * w); ++x)
                for (int y = int(0.46 * h); y <= int(0.60 * h); ++y)
                    dark += qGray(img.pixel(Pixel(box, QPointF(x, y)))) < 128 ? 1 : 0;
            return dark;
        };
        QCOMPARE(darkAroundSymbol(), 0);
        m.setSystema(2);
        QVERIFY(darkAroundSymbol() > 0);
    }

    // Every scale number of the benches' meters stands clear of its
    // neighbours and of the ticks, inside the dial, at every scale factor
    // a screen gives a bench (from 0.9375 on a 1280 x 720 screen to 1.875 on
    // a 2560 x 1440 one), with the face's font scaled like its box.
    void scaleNumbersStandClear_data()
    {
        QTest::addColumn<double>("designWidth");
        QTest::addColumn<double>("min");
        QTest::addColumn<double>("max");
        QTest::addColumn<double>("small");
        QTest::addColumn<double>("big");
        QTest::addColumn<int>("systema");
        QTest::addColumn<double>("factor");
        struct Meter {
            const char *name;
            double width, min, max, small, big;
            int systema;
        };
        const Meter meters[] = {
            {"K-50 ammeter", 2415, 0, 100, 2, 10, 2},
            {"K-50 voltmeter", 2415, 0, 150, 5, 25, 2},
            {"bench ammeter", 3015, 0, 100, 2, 10, 2},
            {"lab 1 A1", 3495, -1.5, 1.5, 0.1, 0.5, 1},
            {"lab 1 A3", 3495, 0, 2, 0.05, 0.5, 1},
            {"lab 1 V", 3495, -25, 25, 1, 5, 1},
            {"lab 7 ammeter", 2895, 0, 100, 2, 10, 1},
        };
        for (const Meter &m : meters)
            for (double f : {0.9375, 1.0, 1.0416666, 1.125, 1.171875, 1.25, 1.40625, 1.5625, 1.875})
                QTest::addRow("%s at %g", m.name, f) << m.width << m.min << m.max << m.small << m.big << m.systema << f;
    }
    void scaleNumbersStandClear()
    {
        QFETCH(double, designWidth);
        QFETCH(double, min);
        QFETCH(double, max);
        QFETCH(double, small);
        QFETCH(double, big);
        QFETCH(int, systema);
        QFETCH(double, factor);
        // The box as the frame scales it and the meter shapes it; the face
        // lies inside its one-pixel border, in the box's font rounded to
        // whole points.
        const int width = int(std::lround(designWidth * factor / 15));
        const int height = int(std::lround(0.9 * width));
        const meter::Geometry g = meter::GeometryFor(width - 2, height - 2);
        const meter::Scale s = ScaleOf(float(min), float(max), float(small), float(big), 1, short(systema));
        QFont face(QStringLiteral("Times New Roman"));
        face.setPointSize(int(std::lround(9.75 * factor)));
        const QFont font = meter::ScaleLabelFont(g, s, face);
        const QStringList faults = meter::ScaleLabelFaults(g, s, meter::ScaleLabels(g, s, font));
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));
        // The face's own size wherever its numbers stand clear in it.
        if (meter::ScaleLabelFaults(g, s, meter::ScaleLabels(g, s, face)).isEmpty())
            QCOMPARE(font.pointSizeF(), face.pointSizeF());
    }

    // The faults a check finds where the face's font is too large for its
    // scale: the K-50 ammeter on the design screen in its 10-point font.
    void crowdedScaleNumbersFound()
    {
        const meter::Geometry g = meter::GeometryFor(159, 143);
        const meter::Scale s = ScaleOf(0, 100, 2, 10, 1, 2);
        QFont face(QStringLiteral("Times New Roman"));
        face.setPointSize(10);
        const QStringList faults = meter::ScaleLabelFaults(g, s, meter::ScaleLabels(g, s, face));
        QVERIFY(faults.contains(QStringLiteral("10 touches 20")));
        QVERIFY(faults.contains(QStringLiteral("100 leaves the dial")));
        QVERIFY(meter::ScaleLabelFont(g, s, face).pointSizeF() < 10);
        // Twice as large, the numbers come down onto their ticks.
        face.setPointSize(20);
        QVERIFY(meter::ScaleLabelFaults(g, s, meter::ScaleLabels(g, s, face)).contains(QStringLiteral("50 lies on a tick")));
    }
};

QTEST_MAIN(TestPribor)
#include "tst_pribor.moc"
