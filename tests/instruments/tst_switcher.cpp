// SPDX-License-Identifier: GPL-3.0-or-later
// Rotary knob: step rule, one position per click with end stops and
// wrap-around, the property rules, mouse handling through the host box and
// the drawing over the parent's own picture.
#include "instruments/switcher.h"
#include "shell/picturebox.h"

#include <QImage>
#include <QtTest>
#include <cmath>
#include <limits>

using namespace ohmaris;

class TestSwitcher : public QObject {
    Q_OBJECT

private slots:
    void step_data()
    {
        QTest::addColumn<float>("min");
        QTest::addColumn<float>("max");
        QTest::addColumn<int>("positions");
        QTest::addColumn<float>("step");
        QTest::newRow("full turn, 8 positions") << 0.0f << 360.0f << 8 << 45.0f;
        QTest::newRow("full turn, 5 positions") << 0.0f << 360.0f << 5 << 72.0f;
        QTest::newRow("oscilloscope 300..30, 9") << 300.0f << 30.0f << 9 << -33.75f;
        QTest::newRow("circuit selector 220..140, 3") << 220.0f << 140.0f << 3 << -40.0f;
        QTest::newRow("phase selector 225..135, 3") << 225.0f << 135.0f << 3 << -45.0f;
        QTest::newRow("variant 45..315, 7") << 45.0f << 315.0f << 7 << 45.0f;
        QTest::newRow("regulator 45..315, 13") << 45.0f << 315.0f << 13 << 22.5f;
        QTest::newRow("full turn backwards") << 360.0f << 0.0f << 8 << -45.0f;
    }

    void step()
    {
        QFETCH(float, min);
        QFETCH(float, max);
        QFETCH(int, positions);
        QFETCH(float, step);
        QCOMPARE(knob::Step(min, max, positions), step);
    }

    void turn_data()
    {
        QTest::addColumn<float>("min");
        QTest::addColumn<float>("max");
        QTest::addColumn<int>("positions");
        QTest::addColumn<float>("value");
        QTest::addColumn<int>("button");
        QTest::addColumn<float>("expected");
        QTest::newRow("300..30 at 1, left stops") << 300.0f << 30.0f << 9 << 1.0f << int(knob::Left) << 1.0f;
        QTest::newRow("300..30 at 1, right") << 300.0f << 30.0f << 9 << 1.0f << int(knob::Right) << 2.0f;
        QTest::newRow("300..30 at 9, right stops") << 300.0f << 30.0f << 9 << 9.0f << int(knob::Right) << 9.0f;
        QTest::newRow("300..30 at 9, left") << 300.0f << 30.0f << 9 << 9.0f << int(knob::Left) << 8.0f;
        QTest::newRow("full turn at 1, right wraps") << 0.0f << 360.0f << 8 << 1.0f << int(knob::Right) << 8.0f;
        QTest::newRow("full turn at 8, left wraps") << 0.0f << 360.0f << 8 << 8.0f << int(knob::Left) << 1.0f;
        QTest::newRow("phase selector at 3, right stops") << 225.0f << 135.0f << 3 << 3.0f << int(knob::Right)
                                                          << 3.0f;
        QTest::newRow("between positions") << 45.0f << 315.0f << 7 << 2.5f << int(knob::Left) << 4.0f;
        QTest::newRow("middle button does nothing") << 45.0f << 315.0f << 7 << 3.0f << int(knob::Middle) << 3.0f;
        QTest::newRow("no button does nothing") << 45.0f << 315.0f << 7 << 3.0f << int(knob::NoButton) << 3.0f;
    }

    void turn()
    {
        QFETCH(float, min);
        QFETCH(float, max);
        QFETCH(int, positions);
        QFETCH(float, value);
        QFETCH(int, button);
        QFETCH(float, expected);
        QCOMPARE(knob::Turn(value, min, max, knob::Step(min, max, positions), button), expected);
    }

    // A step beyond the range of a whole number (a huge Max - Min) must not
    // be converted as one: such a click makes the capped number of one-degree
    // moves like any large step, so the first move meets the end stop at
    // Max and the knob reads position 1, exactly as with a step of 1e12.
    void turnWithHugeStep_data()
    {
        QTest::addColumn<float>("step");
        QTest::addColumn<int>("button");
        QTest::addColumn<float>("expected");
        QTest::newRow("1e12, the reference") << 1e12f << int(knob::Left) << 1.0f;
        QTest::newRow("1e20") << 1e20f << int(knob::Left) << 1.0f;
        QTest::newRow("largest float") << std::numeric_limits<float>::max() << int(knob::Left) << 1.0f;
        QTest::newRow("infinite") << std::numeric_limits<float>::infinity() << int(knob::Left) << 1.0f;
        QTest::newRow("1e20, right button") << 1e20f << int(knob::Right) << 1.0f;
        QTest::newRow("not a number: no step, no turn") << std::numeric_limits<float>::quiet_NaN()
                                                        << int(knob::Left) << 2.0f;
    }

    void turnWithHugeStep()
    {
        QFETCH(float, step);
        QFETCH(int, button);
        QFETCH(float, expected);
        QCOMPARE(knob::Turn(2.0f, 0.0f, 10.0f, step, button), expected);
    }

    // Every knob the benches use, from every position, with both buttons:
    // exactly one position per click, left towards larger angles.
    void onePositionPerClick_data()
    {
        QTest::addColumn<float>("min");
        QTest::addColumn<float>("max");
        QTest::addColumn<int>("positions");
        QTest::newRow("0..360, 8") << 0.0f << 360.0f << 8;
        QTest::newRow("0..360, 5") << 0.0f << 360.0f << 5;
        QTest::newRow("300..30, 9") << 300.0f << 30.0f << 9;
        QTest::newRow("220..140, 3") << 220.0f << 140.0f << 3;
        QTest::newRow("225..135, 3") << 225.0f << 135.0f << 3;
        QTest::newRow("45..315, 7") << 45.0f << 315.0f << 7;
        QTest::newRow("45..315, 13") << 45.0f << 315.0f << 13;
        QTest::newRow("45..315, 4") << 45.0f << 315.0f << 4;
    }

    void onePositionPerClick()
    {
        QFETCH(float, min);
        QFETCH(float, max);
        QFETCH(int, positions);
        const float step = knob::Step(min, max, positions);
        const bool fullTurn = std::fabs(max - min) >= 360;
        const int towardsLarger = step > 0 ? 1 : -1; // position change of a left click
        for (int p = 1; p <= positions; ++p) {
            for (int button : {int(knob::Left), int(knob::Right)}) {
                int want = p + (button == knob::Left ? towardsLarger : -towardsLarger);
                if (fullTurn)
                    want = (want - 1 + positions) % positions + 1;
                else
                    want = std::clamp(want, 1, positions);
                QCOMPARE(knob::Turn(float(p), min, max, step, button), float(want));
            }
        }
    }

    void properties()
    {
        Switcher s;
        QCOMPARE(s.Min(), 0.0f);
        QCOMPARE(s.Max(), 360.0f);
        QCOMPARE(s.Polojenii(), 8);
        QCOMPARE(s.Value(), 1.0f);
        QCOMPARE(s.Step(), 45.0f);
        QVERIFY(!s.Changed());
        s.setPolojenii(1);
        QCOMPARE(s.Polojenii(), 2);
        s.setPolojenii(-4);
        QCOMPARE(s.Polojenii(), 2);
        s.setMax(30);
        s.setMin(300);
        s.setPolojenii(9);
        QCOMPARE(s.Step(), -33.75f);
        s.setValue(12);
        QCOMPARE(s.Value(), 9.0f);
        s.setValue(0);
        QCOMPARE(s.Value(), 1.0f);
        s.setValue(2.5f);
        QCOMPARE(s.Value(), 2.5f);
        s.setValue(NAN);
        QCOMPARE(s.Value(), 2.5f);
        // Fewer positions afterwards: the getter clamps the stored value.
        s.setValue(9);
        s.setPolojenii(3);
        QCOMPARE(s.Value(), 3.0f);
    }

    // A knob reads as the position it stands at, of its positions; it says
    // when the position changes, by a click or a setter, and only then.
    void readingAndSignals()
    {
        PictureBox box;
        box.resize(60, 60);
        Switcher s;
        SetUpKnob(s, &box, {QStringLiteral("variant"), 45, 315, 7, 3});
        InstrumentReading r = s.Reading();
        QCOMPARE(r.name, QStringLiteral("variant"));
        QCOMPARE(r.kind, InstrumentReading::Kind::Knob);
        QCOMPARE(r.value, 3.0);
        QCOMPARE(r.range, 7.0);

        QSignalSpy values(&s, &Switcher::valueChanged);
        QSignalSpy positions(&s, &Switcher::positionsChanged);
        s.setValue(3);
        s.setValue(9); // clamped to 7
        QCOMPARE(values.count(), 1);
        QCOMPARE(values.at(0).at(0).toFloat(), 7.0f);
        s.setPolojenii(7);
        s.setMax(315);
        QCOMPARE(positions.count(), 0);

        QTest::mouseClick(&box, Qt::RightButton, {}, QPoint(30, 30));
        QCOMPARE(values.count(), 2);
        QCOMPARE(s.Reading().value, 6.0);
        // A left click at the end position cannot turn it: nothing to say.
        s.setValue(7);
        values.clear();
        QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(30, 30));
        QCOMPARE(s.Value(), 7.0f);
        QCOMPARE(values.count(), 0);
        // Fewer positions bring the position down with them.
        s.setPolojenii(5);
        QCOMPARE(positions.count(), 1);
        QCOMPARE(values.count(), 1);
        QCOMPARE(s.Reading().range, 5.0);
    }

    void stepWaitsForPositionsOrClick()
    {
        PictureBox box;
        box.resize(60, 60);
        Switcher s;
        s.setPicCtl(&box);
        s.setMax(180);
        QCOMPARE(s.Step(), 45.0f); // not recomputed by Max alone
        s.setValue(2);
        QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(30, 30));
        QCOMPARE(s.Step(), float(180.0 / 7));
        QCOMPARE(s.Value(), 3.0f);
    }

    void clicksThroughTheBox()
    {
        PictureBox box;
        box.resize(70, 40);
        QCOMPARE(box.height(), 40);
        Switcher s;
        int clicks = 0;
        connect(&s, &Switcher::clicked, &s, [&clicks] { ++clicks; });
        s.setPicCtl(&box);
        QCOMPARE(box.height(), 70); // the knob's box is square
        s.setMax(315);
        s.setMin(45);
        s.setPolojenii(7);
        const QPoint centre(35, 35), corner(2, 2);

        // Before any press on the knob a click only sets Changed.
        QTest::mouseClick(&box, Qt::LeftButton, {}, corner);
        QCOMPARE(s.Value(), 1.0f);
        QVERIFY(s.Changed());
        QCOMPARE(clicks, 1);
        s.setChanged(false);

        QTest::mouseClick(&box, Qt::LeftButton, {}, centre);
        QCOMPARE(s.Value(), 2.0f);
        QVERIFY(s.Changed());
        // A click off the knob repeats the last button pressed on it.
        QTest::mouseClick(&box, Qt::RightButton, {}, centre);
        QCOMPARE(s.Value(), 1.0f);
        QTest::mouseClick(&box, Qt::LeftButton, {}, corner);
        QCOMPARE(s.Value(), 1.0f); // still the right button: stays at the end
        QCOMPARE(s.LastButton(), int(knob::Right));
        // A double click turns twice: once for its click, once for itself.
        QTest::mouseClick(&box, Qt::LeftButton, {}, centre);
        QCOMPARE(s.Value(), 2.0f);
        s.Pic1_DblClick();
        QCOMPARE(s.Value(), 3.0f);
    }

    void pointingHandOverKnob()
    {
        PictureBox box;
        box.resize(70, 70);
        Switcher s;
        s.setPicCtl(&box);
        s.Pic1_MouseMove(QPointF(35, 35));
        QCOMPARE(box.cursor().shape(), Qt::PointingHandCursor);
        s.Pic1_MouseMove(QPointF(1, 1));
        QCOMPARE(box.cursor().shape(), Qt::ArrowCursor);
        const knob::Geometry g = knob::GeometryFor(70, 70);
        QCOMPARE(g.r, 30.0);
        QVERIFY(knob::OverKnob(g, QPointF(35 + 30, 35)));
        QVERIFY(!knob::OverKnob(g, QPointF(35 + 21.3, 35 + 21.3)));
    }

    void helpPopup_data()
    {
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<float>("value");
        QTest::addColumn<bool>("allowed");
        QTest::newRow("plain right click turns") << int(Qt::NoModifier) << 2.0f << false;
        QTest::newRow("shift alone") << int(Qt::ShiftModifier) << 2.0f << true;
        QTest::newRow("shift and control") << int(Qt::ShiftModifier | Qt::ControlModifier) << 2.0f << false;
        QTest::newRow("at the end position") << int(Qt::NoModifier) << 1.0f << true;
        QTest::newRow("both") << int(Qt::ShiftModifier) << 1.0f << true;
    }

    void helpPopup()
    {
        QFETCH(int, modifiers);
        QFETCH(float, value);
        QFETCH(bool, allowed);
        QCOMPARE(knob::HelpPopupAllowed(Qt::KeyboardModifiers(modifiers), value, 1.0f), allowed);
    }

    void drawnOverTheParent()
    {
        QWidget parent;
        parent.resize(100, 100);
        parent.setAutoFillBackground(true);
        parent.setPalette(QPalette(QColor(200, 0, 0)));
        auto *box = new PictureBox(&parent);
        box->setGeometry(10, 10, 70, 70);
        Switcher s;
        s.setPicCtl(box);
        const QImage img = parent.grab().toImage();
        // The corner of the box shows the parent's colour; the middle the knob.
        QCOMPARE(QColor(img.pixel(12, 12)), QColor(200, 0, 0));
        const QColor middle(img.pixel(45, 45));
        QVERIFY(middle != QColor(200, 0, 0));
        QVERIFY(std::abs(middle.green() - middle.blue()) < 20); // a grey or bar tone
        QVERIFY(middle.green() > 100);
    }
};

QTEST_MAIN(TestSwitcher)
#include "tst_switcher.moc"
