// SPDX-License-Identifier: GPL-3.0-or-later
// Lab 5 bench (Form4) through its window: switch and help clicks on the
// schematic, range buttons, the K-50 phase selector, the entry boxes, the
// breaker trip, the screen scaling of this window and what survives closing
// and reopening the lab.
#include "benchtest.h"
#include "printed.h"
#include "labs/lab5/bench.h"
#include "shell/controls.h"
#include "shell/fonts.h"
#include "shell/picturebox.h"
#include "shell/shell.h"

#include <QApplication>
#include <QGroupBox>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

using namespace ohmaris;
using ohmaris::test::Near;

namespace {

constexpr int kSettleTicks = 120; // pointers within 1e-9 of their targets

} // namespace

class TestLab5Bench : public test::BenchTest<Lab5Window, 5> {
    Q_OBJECT
private:

    void Settle() { f.Ticks(kSettleTicks); }
    ClickArea *Area(int index) const { return f.Area(index); }
    QPushButton *Button(const char *name, int index) const { return f.Button(QLatin1String(name), index); }
    ParamBox *Box(const QString &name) const { return w->Control<ParamBox>(name); }
    void Close(std::initializer_list<int> switches)
    {
        for (int k : switches)
            QTest::mouseClick(Area(k), Qt::LeftButton);
    }
    // A click on the middle of the K-50 phase selector; the right button
    // turns it from A towards C.
    void TurnSelector(Qt::MouseButton button) { f.ClickKnob(QStringLiteral("Picture11"), button); }

    void Opened() override
    {
        // The timer keeps running here: the bench is ticked by the test and
        // by its timer alike.
        w->timer()->start();
    }

private Q_SLOTS:
    void firstOpen()
    {
        QCOMPARE(w->form()->objectName(), QStringLiteral("Form4"));
        QCOMPARE(w->Model().SwitchState, (std::array<std::int16_t, 5>{0, 0, 0, 0, 0}));
        QCOMPARE(w->Model().LineVoltage, 380.0f);
        QCOMPARE(w->Model().ElementValues[1], 200.01f);
        QCOMPARE(Box(QStringLiteral("Text1"))->text(), QStringLiteral("380"));
        QCOMPARE(Box(QStringLiteral("Text2(8)"))->text(), QStringLiteral("50"));
        QVERIFY(w->Model().RecalcPending);
        Settle();
        QCOMPARE(w->K50()->Voltmeter().Value(), 0.0f);
        // The K-50 voltmeter shows the phase voltage once SF is closed.
        Close({0});
        Settle();
        QVERIFY(Near(w->K50()->Voltmeter().Value(), 219.3931 * 150 / 450, 1e-3));
        QCOMPARE(w->K50()->Ammeter().Value(), 0.0f);
        QCOMPARE(w->MeterA1().Value(), 0.0f);
        QCOMPARE(w->MeterV1().Value(), 0.0f);
    }

    void clickAreasFollowTheDrawingUnit()
    {
        PictureBox *pic = w->Control<PictureBox>(QStringLiteral("Picture1"));
        QCOMPARE(w->DrawUnit(), float(pic->twipsWidth() / 90.0));
        const auto areas = Lab5ClickAreas(w->Grid());
        for (int i = 0; i < kLab5ClickAreas; ++i) {
            const QRectF r = areas[std::size_t(i)];
            QVERIFY(QRectF(0, 0, pic->twipsWidth(), pic->twipsHeight()).contains(r));
            QCOMPARE(Area(i)->geometry(), QRectF(r.x() / 15, r.y() / 15, r.width() / 15, r.height() / 15).toRect());
        }
        // S4 sits on the neutral row, 16 units above the bottom edge.
        const double u = w->Grid().u;
        QCOMPARE(areas[4], QRectF(38 * u, pic->twipsHeight() - 20 * u, 6 * u, 6 * u));
    }

    void rangeButtons_data()
    {
        QTest::addColumn<QString>("row");
        QTest::addColumn<int>("index");
        QTest::addColumn<float>("range");
        QTest::addColumn<double>("divisions"); // where the pointer settles
        // 1.1421 A in the neutral; 109.6965 V of star-point displacement.
        // Off-scale targets stop three minor divisions past the end.
        QTest::newRow("A1 0.5 A, off scale") << "Command5" << 0 << 0.5f << 106.0;
        QTest::newRow("A1 2.5 A") << "Command5" << 2 << 2.5f << 1.1421 * 100 / 2.5;
        QTest::newRow("V1 50 V, off scale") << "Command6" << 0 << 50.0f << 165.0;
        QTest::newRow("V1 300 V") << "Command6" << 2 << 300.0f << 109.6965 * 150 / 300;
    }
    void rangeButtons()
    {
        QFETCH(QString, row);
        QFETCH(int, index);
        QFETCH(float, range);
        QFETCH(double, divisions);
        const bool ammeter = row == QLatin1String("Command5");
        // Phases A and B, neutral open: V1 shows the displacement; with
        // the neutral closed A1 shows the neutral current.
        Close(ammeter ? std::initializer_list<int>{0, 1, 2, 4} : std::initializer_list<int>{0, 1, 2});
        Settle();
        const auto currents = w->Model().PhaseCurrent;
        const QByteArray name = row.toLatin1();
        for (int click = 0; click < 2; ++click) { // a second click changes nothing
            QTest::mouseClick(Button(name.constData(), index), Qt::LeftButton);
            QCOMPARE(ammeter ? w->Model().AmmeterRange : w->Model().VoltmeterRange, range);
            for (int k = 0; k < 4; ++k)
                QCOMPARE(Button(name.constData(), k)->palette().color(QPalette::Button),
                         k == index ? QColor(Qt::white) : OtherRangeColour());
            QVERIFY(!w->Model().RecalcPending);
        }
        QCOMPARE(w->form()->focusWidget(), w->Control(QStringLiteral("Picture1")));
        Settle();
        QCOMPARE(w->Model().PhaseCurrent, currents);
        QVERIFY(Near((ammeter ? w->MeterA1() : w->MeterV1()).Value(), divisions, 0.01));

        Shell::instance().HelpKey.clear();
        QTest::mouseClick(Button(name.constData(), 1), Qt::RightButton);
        QCOMPARE(Shell::instance().HelpKey, QStringLiteral("oSSS"));
        QCOMPARE(ammeter ? w->Model().AmmeterRange : w->Model().VoltmeterRange, range);
        QTRY_VERIFY(w->contextMenu()->isVisible());
        w->contextMenu()->hide();
    }

    void meterHelpKeys()
    {
        QTest::mouseClick(w->Control(QStringLiteral("Picture3")), Qt::LeftButton);
        QCOMPARE(Shell::instance().HelpKey, QStringLiteral("oA"));
        QTest::mouseClick(w->Control(QStringLiteral("Picture4")), Qt::LeftButton);
        QCOMPARE(Shell::instance().HelpKey, QStringLiteral("oV"));
    }

    void phaseSelection()
    {
        // Phases A and B, neutral open: the three phases read differently.
        Close({0, 1, 2});
        Settle();
        struct Reading { double v, a, w; };
        const Reading phases[3] = {{73.131, 19.781, 202.12 / 15}, {73.131, 19.781, 32.681 / 15}, {73.131, 0, 0}};
        for (int k = 0; k < 3; ++k) {
            if (k > 0) {
                TurnSelector(Qt::RightButton);
                QVERIFY(w->Model().RecalcPending); // the selector asks for a recomputation
            }
            QCOMPARE(w->K50()->SelectedPhase(), k + 1);
            Settle();
            QVERIFY2(Near(w->K50()->Voltmeter().Value(), phases[k].v, 0.01), qPrintable(QString::number(k)));
            QVERIFY2(Near(w->K50()->Ammeter().Value(), phases[k].a, 0.01), qPrintable(QString::number(k)));
            QVERIFY2(Near(w->K50()->Wattmeter().Value(), phases[k].w, 0.01), qPrintable(QString::number(k)));
        }
        // The power direction turns the wattmeter the other way (phase A).
        TurnSelector(Qt::LeftButton);
        TurnSelector(Qt::LeftButton);
        QCOMPARE(w->K50()->SelectedPhase(), 1);
        QTest::mouseClick(w->K50()->Command1(), Qt::LeftButton);
        Settle();
        QVERIFY(w->K50()->Wattmeter().Value() < -10.0f); // clamped by the meter below its zero
    }

    void k50Targets_data()
    {
        QTest::addColumn<QList<int>>("switches"); // closed on the schematic
        QTest::addColumn<int>("rightClicks");    // on the phase selector
        QTest::addColumn<int>("currentButton");
        QTest::addColumn<int>("voltageButton");
        QTest::addColumn<bool>("reversed");
        // K-50 V, A, W targets in scale divisions.
        QTest::addColumn<QList<double>>("targets");

        const QList<int> ab{0, 1, 2};
        QTest::newRow("phase A, default ranges") << ab << 0 << 2 << 2 << false
            << QList<double>{73.1310, 19.782, 13.4747};
        QTest::newRow("phase B, power reversed") << ab << 1 << 2 << 2 << true
            << QList<double>{73.1310, 19.782, -2.17867};
        QTest::newRow("phase C, branch open") << ab << 2 << 2 << 2 << false << QList<double>{73.1310, 0, 0};
        QTest::newRow("phase A, lowest ranges") << ab << 0 << 0 << 0 << false
            << QList<double>{219.3931, 98.91, 202.12};
        QTest::newRow("phase A, middle ranges, reversed") << ab << 0 << 1 << 1 << true
            << QList<double>{109.6965, 39.564, -40.424};
        QTest::newRow("phase B, neutral closed") << QList<int>{0, 1, 2, 4} << 1 << 2 << 2 << false
            << QList<double>{73.1310, 22.842, 10.435};
    }
    void k50Targets()
    {
        QFETCH(QList<int>, switches);
        QFETCH(int, rightClicks);
        QFETCH(int, currentButton);
        QFETCH(int, voltageButton);
        QFETCH(bool, reversed);
        QFETCH(QList<double>, targets);

        w->timer()->stop(); // the test ticks the bench itself
        for (int k : switches)
            QTest::mouseClick(Area(k), Qt::LeftButton);
        QTest::mouseClick(Button("Command2", currentButton), Qt::LeftButton);
        QTest::mouseClick(Button("Command3", voltageButton), Qt::LeftButton);
        if (reversed)
            QTest::mouseClick(w->K50()->Command1(), Qt::LeftButton);
        for (int i = 0; i < rightClicks; ++i)
            TurnSelector(Qt::RightButton);
        QCOMPARE(w->K50()->SelectedPhase(), 1 + rightClicks);

        // One tick from rest computes the circuit and moves each pointer a
        // fifth of the way to its target.
        Pribor *meters[3] = {&w->K50()->Voltmeter(), &w->K50()->Ammeter(), &w->K50()->Wattmeter()};
        const char *names[3] = {"K-50 V", "K-50 A", "K-50 W"};
        for (Pribor *m : meters)
            QCOMPARE(m->Value(), 0.0f);
        f.clock.advance(0.03);
        w->Tick();
        for (int k = 0; k < 3; ++k) {
            const double got = 5.0 * double(meters[k]->Value());
            const double want = targets[k];
            QVERIFY2(std::abs(got - want) <= 1e-4 * std::abs(want) + 1e-6,
                     qPrintable(QStringLiteral("%1: %2 instead of %3").arg(QLatin1String(names[k])).arg(got).arg(want)));
        }
    }

    void lineVoltageEntry()
    {
        ParamBox *text1 = Box(QStringLiteral("Text1"));
        text1->clear();
        QTest::keyClicks(text1, QStringLiteral("2000"));
        QCOMPARE(text1->text(), QStringLiteral("1000"));
        QCOMPARE(w->Model().LineVoltage, 1000.0f);
        // Text that is no number changes nothing.
        text1->setText(QStringLiteral(","));
        QCOMPARE(w->Model().LineVoltage, 1000.0f);
        QCOMPARE(text1->text(), QStringLiteral(","));

        ParamBox *xc3 = Box(QStringLiteral("Text2(8)"));
        xc3->selectAll();
        QTest::keyClicks(xc3, QStringLiteral("0"));
        QCOMPARE(w->Model().ElementValues[8], 0.01f);
        xc3->setText(QStringLiteral("5000000"));
        QCOMPARE(xc3->text(), QStringLiteral("1000000"));
        QCOMPARE(w->Model().ElementValues[8], 1000000.0f);
    }

    void breakerTrips()
    {
        // 10 ohm in phase A with the neutral: 21.92 A opens SF at the next tick.
        for (const char *name : {"Text2(0)", "Text2(1)", "Text2(2)"})
            Box(QString::fromLatin1(name))->setText(QStringLiteral("0"));
        Box(QStringLiteral("Text2(0)"))->setText(QStringLiteral("10"));
        Close({0, 1, 2, 3, 4});
        w->Tick();
        QVERIFY(w->Model().MaxPhaseCurrent > 15.0f);
        QCOMPARE(w->Model().SwitchState, (std::array<std::int16_t, 5>{0, 1, 1, 1, 1}));
        Settle();
        QCOMPARE(w->Model().PhaseCurrent, (std::array<float, 3>{0, 0, 0}));
        QVERIFY(Near(w->K50()->Ammeter().Value(), 0, 1e-3));

        // About 5.5 A: the breaker waits more than 8 seconds.
        Box(QStringLiteral("Text2(0)"))->setText(QStringLiteral("39,88"));
        Close({0});
        w->Tick();
        QVERIFY(Near(w->Model().MaxPhaseCurrent, 5.5, 0.005));
        f.clock.advance(7.9);
        w->Tick();
        QCOMPARE(w->Model().SwitchState[0], std::int16_t(1));
        f.clock.advance(0.2);
        w->Tick();
        QCOMPARE(w->Model().SwitchState[0], std::int16_t(0));
    }

    void stateSurvivesReopening()
    {
        Close({0, 1, 4});
        QTest::mouseClick(Button("Command5", 0), Qt::LeftButton);
        Box(QStringLiteral("Text2(0)"))->setText(QStringLiteral("39,88"));
        Box(QStringLiteral("Text2(1)"))->setText(QStringLiteral("0"));
        Box(QStringLiteral("Text2(2)"))->setText(QStringLiteral("0"));
        w->Tick();
        const double overloadStart = w->Model().Protection.OverloadStart;
        QVERIFY(overloadStart > 0);

        f.Reopen(3);
        // Switches and the overload clock as they were; entries and ranges
        // back to their load values.
        QCOMPARE(w->Model().SwitchState, (std::array<std::int16_t, 5>{1, 1, 0, 0, 1}));
        QCOMPARE(w->Model().Protection.OverloadStart, overloadStart);
        QCOMPARE(w->Model().ElementValues[0], 120.01f);
        QCOMPARE(Box(QStringLiteral("Text2(0)"))->text(), QStringLiteral("120"));
        QCOMPARE(w->Model().AmmeterRange, 5.0f);
        QCOMPARE(w->K50()->SelectedPhase(), 1);
        QCOMPARE(w->MeterA1().Value(), 0.0f);
        QCOMPARE(w->MeterA1().Pic1(), w->Control<PictureBox>(QStringLiteral("Picture3")));
        Settle();
        QVERIFY(Near(w->K50()->Ammeter().Value(), 1.1421 * 100 / 5, 0.01));
    }

    void threePhaseScaling()
    {
        // Form4 scales text boxes' heights twice and the frames' fonts.
        const QSize screen = QGuiApplication::primaryScreen()->size();
        const double sy = double(ScreenScale(screen.width() * 15.0, screen.height() * 15.0).ScaleY);
        QWidget *text1 = w->Control(QStringLiteral("Text1"));
        QCOMPARE(text1->height(), qRound(375 * sy * sy / 15));
        // Boxes stacked 480 twips apart keep what the rule adds as far as
        // their rows allow, centred on the labels beside them.
        for (int i = 0; i < 2; ++i) {
            QWidget *box = w->Control(ArrayName(QStringLiteral("Text2"), i));
            QWidget *below = w->Control(ArrayName(QStringLiteral("Text2"), i + 1));
            QWidget *label = w->Control(ArrayName(QStringLiteral("Label7"), i));
            QVERIFY(box->height() > qRound(375 * sy / 15)); // taller on a taller screen
            QVERIFY(box->geometry().bottom() < below->geometry().top());
            QVERIFY(std::abs(box->geometry().center().y() - label->geometry().center().y()) <= 1);
        }
        auto *frame = w->Control<QGroupBox>(ArrayName(QStringLiteral("Frame2"), 1));
        QVERIFY(Near(frame->font().pointSizeF(), 12 * sy, 0.01));
        QWidget *picture1 = w->Control(QStringLiteral("Picture1"));
        QCOMPARE(picture1->height(), qRound(5895 * sy / 15));
    }
};

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    InstallFontSubstitutes();
    TestLab5Bench t;
    return QTest::qExec(&t, argc, argv);
}
#include "tst_lab5_bench.moc"
