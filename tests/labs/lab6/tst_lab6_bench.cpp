// SPDX-License-Identifier: GPL-3.0-or-later
// Lab 6 bench (Form5) through its window: switch and help clicks on the
// schematic, the three ammeters each on its own range, what the K-50 reads
// in the line wires, the breaker trips, the design layout on this screen
// and what survives closing and reopening the lab.
#include "benchtest.h"
#include "printed.h"
#include "labs/lab6/bench.h"
#include "shell/controls.h"
#include "shell/fonts.h"
#include "shell/picturebox.h"
#include "shell/shell.h"

#include <QApplication>
#include <QMenu>
#include <QPushButton>
#include <QTest>

using namespace ohmaris;
using ohmaris::test::Near;

namespace {

constexpr int kSettleTicks = 120; // pointers within 1e-9 of their targets

using Switches = std::array<std::int16_t, Lab6Model::kSwitches>;

} // namespace

class TestLab6Bench : public test::BenchTest<Lab6Window, 6> {
    Q_OBJECT
private:

    void Settle() { f.Ticks(kSettleTicks); }
    ClickArea *Area(int index) const { return f.Area(index); }
    QPushButton *Button(const QString &row, int index) const { return f.Button(row, index); }
    // Clicks the switches S0..S6 given as seven digits into those states.
    void SetSwitches(const char *digits)
    {
        for (int k = 0; k < Lab6Model::kSwitches; ++k)
            if (w->Model().SwitchState[std::size_t(k)] != digits[k] - '0')
                QTest::mouseClick(Area(k), Qt::LeftButton);
    }
    void TurnSelectorTowardsC() { f.ClickKnob(QStringLiteral("Picture11"), Qt::RightButton); }

private Q_SLOTS:
    void firstOpen()
    {
        QCOMPARE(w->form()->objectName(), QStringLiteral("Form5"));
        QCOMPARE(w->Model().SwitchState, Switches{});
        QCOMPARE(w->Model().ElementValues[4], 150.01f);
        QCOMPARE(f.Box(QStringLiteral("Text2(7)"))->text(), QStringLiteral("150"));
        QCOMPARE(w->Model().AmmeterRange, (std::array<float, 3>{5, 5, 5}));
        QVERIFY(w->Model().RecalcPending);
        PictureBox *pic = w->Control<PictureBox>(QStringLiteral("Picture1"));
        QCOMPARE(w->DrawUnit(), float(pic->twipsWidth() / 110.0));
        Settle();
        QCOMPARE(w->K50()->Voltmeter().Value(), 0.0f);
        SetSwitches("1000000");
        Settle();
        QVERIFY(Near(w->K50()->Voltmeter().Value(), 219.3931 * 150 / 450, 1e-3));
        for (int k = 0; k < 3; ++k)
            QCOMPARE(w->BranchAmmeter(k).Value(), 0.0f);
    }

    void designLayout()
    {
        const auto design = [this](const char *name) { return DesignRect(w->Control(QString::fromLatin1(name))); };
        QCOMPARE(design("Picture2"), QRectF(120, 120, 8775, 4215));
        QCOMPARE(design("Picture3"), QRectF(9000, 0, 2895, 2535));
        QCOMPARE(design("Picture4"), QRectF(12120, 0, 2895, 2535));
        QCOMPARE(design("Picture5"), QRectF(9000, 2640, 2895, 2535));
        QCOMPARE(design("Frame1"), QRectF(12120, 2640, 2895, 1095));
        QCOMPARE(design("Frame2(2)"), QRectF(12120, 7920, 2895, 1935));
        // Three ammeters with three ranges each, and no voltmeter V1.
        for (int k = 0; k < 3; ++k) {
            QCOMPARE(w->BranchAmmeter(k).Caption(), QStringLiteral("A%1").arg(k + 1));
            QCOMPARE(w->BranchAmmeter(k).Max(), 100.0f);
            const QString row = QStringLiteral("Command%1").arg(k + 5);
            QCOMPARE(Button(row, 1)->text(), QStringLiteral("2,5 A"));
            QCOMPARE(w->form()->findChild<QWidget *>(ArrayName(row, 3)), nullptr);
        }
        // A3 keeps its face 0.9 times as high as wide; the schematic starts
        // below it.
        QWidget *a3 = w->Control(QStringLiteral("Picture5"));
        QWidget *schematic = w->Control(QStringLiteral("Picture1"));
        QCOMPARE(a3->height(), int(std::lround(0.9 * a3->width())));
        QVERIFY(a3->geometry().bottom() < schematic->geometry().top());
        QCOMPARE(design("Picture1").size(), QSizeF(11655, 5175));
    }

    void clickAreasOnTheirRows()
    {
        PictureBox *pic = w->Control<PictureBox>(QStringLiteral("Picture1"));
        const Lab6Grid g = w->Grid();
        const auto areas = Lab6ClickAreas(g);
        for (int i = 0; i < kLab6ClickAreas; ++i) {
            const QRectF r = areas[std::size_t(i)];
            QVERIFY(QRectF(0, 0, pic->twipsWidth(), pic->twipsHeight()).contains(r));
            QCOMPARE(Area(i)->geometry(), QRectF(r.x() / 15, r.y() / 15, r.width() / 15, r.height() / 15).toRect());
        }
        // S5 and S6 on the rows of BC and CA, 20u and 8u above the bottom;
        // the X_C of CA on the last row.
        const double u = g.u, H = g.H;
        QCOMPARE(areas[5], QRectF(48 * u, H - 24 * u, 6 * u, 6 * u));
        QCOMPARE(areas[6], QRectF(48 * u, H - 12 * u, 6 * u, 6 * u));
        QCOMPARE(areas[10], QRectF(58 * u, H - 8 * u - 2.8 * u, 5.6 * u, 5.6 * u));
        QVERIFY(areas[19].contains(QPointF(96.8 * u, H - 8 * u)));
    }

    void eachAmmeterItsOwnRange_data()
    {
        QTest::addColumn<int>("meter"); // 0..2: A1..A3, rows Command5..Command7
        QTest::addColumn<int>("index");
        QTest::addColumn<float>("range");
        QTest::addColumn<double>("divisions"); // where that pointer settles
        // Line A broken: 1.2163 A in AB and CA, 2.4326 A in BC. Off-scale
        // targets stop three minor divisions past the end.
        QTest::newRow("A1 2.5 A") << 0 << 1 << 2.5f << 1.2163 * 100 / 2.5;
        QTest::newRow("A2 1 A, off scale") << 1 << 0 << 1.0f << 106.0;
        QTest::newRow("A3 2.5 A") << 2 << 1 << 2.5f << 1.2163 * 100 / 2.5;
        QTest::newRow("A2 2.5 A") << 1 << 1 << 2.5f << 2.4326 * 100 / 2.5;
    }
    void eachAmmeterItsOwnRange()
    {
        QFETCH(int, meter);
        QFETCH(int, index);
        QFETCH(float, range);
        QFETCH(double, divisions);
        SetSwitches("1011111");
        Settle();
        const std::array<double, 3> currents{1.2163, 2.4326, 1.2163};
        const QString row = QStringLiteral("Command%1").arg(meter + 5);
        for (int click = 0; click < 2; ++click) { // a second click changes nothing
            QTest::mouseClick(Button(row, index), Qt::LeftButton);
            for (int k = 0; k < 3; ++k)
                QCOMPARE(w->Model().AmmeterRange[std::size_t(k)], k == meter ? range : 5.0f);
            for (int b = 0; b < 3; ++b)
                QCOMPARE(Button(row, b)->palette().color(QPalette::Button),
                         b == index ? QColor(Qt::white) : OtherRangeColour());
            QVERIFY(!w->Model().RecalcPending);
        }
        QCOMPARE(w->form()->focusWidget(), w->Control(QStringLiteral("Picture1")));
        // The other rows keep their 5 A button marked.
        for (int other = 0; other < 3; ++other)
            if (other != meter)
                QCOMPARE(Button(QStringLiteral("Command%1").arg(other + 5), 2)->palette().color(QPalette::Button),
                         QColor(Qt::white));
        Settle();
        for (int k = 0; k < 3; ++k) {
            const double want = k == meter ? divisions : currents[std::size_t(k)] * 100 / 5;
            QVERIFY2(Near(w->BranchAmmeter(k).Value(), want, 0.01),
                     qPrintable(QStringLiteral("A%1 at %2").arg(k + 1).arg(w->BranchAmmeter(k).Value())));
        }

        Shell::instance().HelpKey.clear();
        QTest::mouseClick(Button(row, 2), Qt::RightButton);
        QCOMPARE(Shell::instance().HelpKey, QStringLiteral("oSSS"));
        QCOMPARE(w->Model().AmmeterRange[std::size_t(meter)], range);
        QTRY_VERIFY(f.MenuShown());
        f.CloseMenu();
    }

    void meterHelpKeys_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("key");
        for (const char *box : {"Picture3", "Picture4", "Picture5", "Picture7"})
            QTest::newRow(box) << box << "oA";
        QTest::newRow("Picture6") << "Picture6" << "oV";
    }
    void meterHelpKeys()
    {
        QFETCH(QString, box);
        QFETCH(QString, key);
        f.Click(box);
        QCOMPARE(Shell::instance().HelpKey, key);
    }

    void lineABroken()
    {
        // A1 and A3 carry the one series current; the K-50 ammeter on
        // phase A reads nothing, on phase B the line current.
        SetSwitches("1011111");
        Settle();
        QVERIFY(w->BranchAmmeter(0).Value() > 20.0f);
        QCOMPARE(w->BranchAmmeter(0).Value(), w->BranchAmmeter(2).Value());
        QVERIFY(Near(w->BranchAmmeter(1).Value(), 2.4326 * 100 / 5, 0.01));
        QCOMPARE(w->K50()->SelectedPhase(), 1);
        QVERIFY(Near(w->K50()->Ammeter().Value(), 0, 1e-6));
        QVERIFY(Near(w->K50()->Wattmeter().Value(), 0, 1e-6));
        QVERIFY(Near(w->K50()->Voltmeter().Value(), 219.3931 * 150 / 450, 1e-3));
        TurnSelectorTowardsC();
        QVERIFY(w->Model().RecalcPending);
        Settle();
        QVERIFY(Near(w->K50()->Ammeter().Value(), 3.6489 * 100 / 5, 0.01));
        QVERIFY(Near(w->K50()->Wattmeter().Value(), 788.85 * 150 / 2250, 0.01));
    }

    void twoLinesBroken()
    {
        // Nothing flows, yet the K-50 voltmeter reads the phase voltage.
        SetSwitches("1100111");
        Settle();
        for (int k = 0; k < 3; ++k)
            QVERIFY(Near(w->BranchAmmeter(k).Value(), 0, 1e-6));
        QVERIFY(Near(w->K50()->Ammeter().Value(), 0, 1e-6));
        QVERIFY(Near(w->K50()->Wattmeter().Value(), 0, 1e-6));
        QVERIFY(Near(w->K50()->Voltmeter().Value(), 219.3931 * 150 / 450, 1e-3));
    }

    void breakerTrips()
    {
        // 20 ohm in AB: 21.29 A in line B opens SF at the next tick.
        f.TypeInto(QStringLiteral("Text2(0)"), QStringLiteral("20"));
        f.TypeInto(QStringLiteral("Text2(1)"), QStringLiteral("0"));
        f.TypeInto(QStringLiteral("Text2(2)"), QStringLiteral("0"));
        SetSwitches("1111111");
        w->Tick();
        QVERIFY(w->Model().MaxPhaseCurrent > 15.0f);
        QCOMPARE(w->Model().SwitchState, (Switches{0, 1, 1, 1, 1, 1, 1}));
        Settle();
        QCOMPARE(w->Model().LineCurrent, (std::array<float, 3>{0, 0, 0}));
        QVERIFY(Near(w->BranchAmmeter(0).Value(), 0, 1e-3));

        // The balanced load at 500 V: 5.5439 A in the lines, SF waits 8 s.
        f.TypeInto(QStringLiteral("Text2(0)"), QStringLiteral("120"));
        f.TypeInto(QStringLiteral("Text2(1)"), QStringLiteral("150"));
        f.TypeInto(QStringLiteral("Text2(2)"), QStringLiteral("50"));
        f.TypeInto(QStringLiteral("Text1"), QStringLiteral("500"));
        SetSwitches("1111111");
        w->Tick();
        QVERIFY(Near(w->Model().MaxPhaseCurrent, 5.5439, 1e-4));
        f.clock.advance(7.9);
        w->Tick();
        QCOMPARE(w->Model().SwitchState[0], std::int16_t(1));
        f.clock.advance(0.2);
        w->Tick();
        QCOMPARE(w->Model().SwitchState, (Switches{0, 1, 1, 1, 1, 1, 1}));
    }

    void stateSurvivesReopening()
    {
        f.TypeInto(QStringLiteral("Text1"), QStringLiteral("500"));
        SetSwitches("1111111");
        QTest::mouseClick(Button(QStringLiteral("Command6"), 0), Qt::LeftButton);
        w->Tick();
        const double overloadStart = w->Model().Protection.OverloadStart;
        QVERIFY(overloadStart > 0);
        SetSwitches("1101101");

        f.Reopen(3);
        // Switches and the overload clock as they were; entries and ranges
        // back to their load values.
        QCOMPARE(w->Model().SwitchState, (Switches{1, 1, 0, 1, 1, 0, 1}));
        QCOMPARE(w->Model().Protection.OverloadStart, overloadStart);
        QCOMPARE(w->Model().LineVoltage, 380.0f);
        QCOMPARE(f.Box(QStringLiteral("Text1"))->text(), QStringLiteral("380"));
        QCOMPARE(w->Model().AmmeterRange, (std::array<float, 3>{5, 5, 5}));
        QCOMPARE(Button(QStringLiteral("Command6"), 0)->palette().color(QPalette::Button), OtherRangeColour());
        for (int k = 0; k < 3; ++k) {
            QCOMPARE(w->BranchAmmeter(k).Value(), 0.0f);
            QCOMPARE(w->BranchAmmeter(k).Pic1(),
                     w->Control<PictureBox>(QStringLiteral("Picture%1").arg(k + 3)));
        }
        // Line B broken, branch BC open: AB and BC in series are cut, CA
        // carries its full current on the 5 A range.
        Settle();
        QVERIFY(Near(w->BranchAmmeter(2).Value(), 2.4326 * 100 / 5, 0.01));
        QVERIFY(Near(w->BranchAmmeter(0).Value(), 0, 1e-6));
    }
};

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    InstallFontSubstitutes();
    TestLab6Bench t;
    return QTest::qExec(&t, argc, argv);
}
#include "tst_lab6_bench.moc"
