// SPDX-License-Identifier: GPL-3.0-or-later
// Lab 8 bench through its window: instruments that are off show nothing
// while the model keeps computing, the boxes locked while any source is on,
// the knob's new scale on the screen at the next tick, help-only hotspots,
// the switches, the frequency boxes and the buttons' language.
#include "benchtest.h"
#include "calc/blade.h"
#include "labs/lab8/bench.h"
#include "printed.h"
#include "shell/controls.h"
#include "shell/fonts.h"
#include "shell/picturebox.h"
#include "shell/shell.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace ohmaris;

namespace {

const QColor kLit(50, 200, 50); // a lit segment, the screen's axes and trace

int CountOf(const QImage &img, const QColor &c, int fromX = 0)
{
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = fromX; x < img.width(); ++x)
            n += img.pixelColor(x, y) == c;
    return n;
}

// The highest row the trace reaches right of the vertical axis.
int TopOfTrace(const QImage &screen)
{
    const int axis = screen.width() / 12;
    for (int y = 0; y < screen.height(); ++y)
        for (int x = axis + 3; x < screen.width(); ++x)
            if (screen.pixelColor(x, y) == kLit)
                return y;
    return -1;
}

bool RedNear(const QImage &img, QPointF p, int radius = 2)
{
    for (int dy = -radius; dy <= radius; ++dy)
        for (int dx = -radius; dx <= radius; ++dx) {
            const QPoint q(int(p.x()) + dx, int(p.y()) + dy);
            if (img.rect().contains(q) && test::BenchFixture::IsRed(img.pixelColor(q)))
                return true;
        }
    return false;
}

QStringList AllBoxes()
{
    QStringList names;
    for (int i = 0; i < 6; ++i)
        names << ArrayName(QStringLiteral("Text1"), i);
    for (int k = 2; k <= 5; ++k)
        for (int i = 0; i < 3; ++i)
            names << ArrayName(QStringLiteral("Text%1").arg(k), i);
    return names;
}

} // namespace

class TestLab8Bench : public test::BenchTest<Lab8Window, 8, 100> {
    Q_OBJECT

private:

    QPushButton *button(const QString &name) const { return w->Control<QPushButton>(name); }
    QPushButton *source(int k) const { return button(ArrayName(QStringLiteral("Command2"), k)); }
    void tick(int n = 1) { f.Ticks(n, 0.05); }
    int enabledBoxes() const
    {
        int n = 0;
        for (const QString &name : AllBoxes())
            n += f.Box(name)->isEnabled();
        return n;
    }
    // Where the blade of switch slot 2..6 ends in state 0 or 1, in pixels,
    // a little inside its tip.
    QPointF bladeTip(int slot, int state) const
    {
        const Lab8Blade b = Lab8SwitchBlade(w->Anchors(), w->DrawUnit(), slot);
        return BladeEnd(b.pivot, 0.85 * b.length, b.wireAngle, state) / kTwipsPerPixel;
    }

    void Opened() override
    {
        QVERIFY(QTest::qWaitForWindowActive(w->form()));
        w->timer()->stop();
        tick();
    }

private Q_SLOTS:
    void loadSequence()
    {
        const Lab8Model &m = w->Model();
        QCOMPARE(m.ElementValues[Lab8Model::kC1], 100.0001f);
        QCOMPARE(m.SourceParams[Lab8Model::kAmplitude][2], 1.93001f);
        QCOMPARE(f.Box("Text4(0)")->text(), QStringLiteral("1,93"));
        // The fundamental's frequency box shows 50, read-only.
        QCOMPARE(f.Box("Text2(1)")->text(), QStringLiteral("50"));
        QVERIFY(f.Box("Text2(1)")->isReadOnly());
        QCOMPARE(m.SourceParams[Lab8Model::kMultiple][0], 50.0f);
        QCOMPARE(m.SwitchState, Lab8Model::kDefaultSwitches);
        QCOMPARE(enabledBoxes(), 18);
        for (int k = 0; k < 4; ++k) {
            QCOMPARE(source(k)->text(), w->Control<QLabel>(QStringLiteral("Label58(0)"))->text());
            QCOMPARE(ButtonColour(source(k)), ActiveBorderColour());
        }
        QCOMPARE(source(0)->text(), QStringLiteral("Off"));
        QVERIFY(!w->Voltmeter().Enable() && !w->Milliammeter().Enable());
        QVERIFY(!w->TimeBase().Enable() && !w->VoltsPerDivision().Enable());
        QCOMPARE(w->TimeBase().Value(), 2.0);
        QCOMPARE(w->Knob().Value(), 9.0f);
        QCOMPARE(w->VoltsPerDivision().Value(), 9.0);
        // The source buttons stand left of their sources' circles.
        const double v = w->DrawUnit() / kTwipsPerPixel;
        for (int k = 0; k < 4; ++k) {
            QCOMPARE(source(k)->x(), int(std::lround(5 * v)));
            QVERIFY(std::abs(source(k)->geometry().center().y() - Lab8SourceY(k) * v) <= 1.0);
        }
    }

    // The model computes whatever the instruments show: dark displays and
    // a screen with its grid only until each instrument is switched on.
    void instrumentsOffShowNothing()
    {
        QTest::mouseClick(source(0), Qt::LeftButton);
        tick();
        test::CheckPrinted("VoltageRms", w->Model().VoltageRms, "25.328");
        QCOMPARE(w->Voltmeter().Value(), 25.328);
        QCOMPARE(CountOf(f.Grab("Picture4"), kLit), 0);
        QCOMPARE(CountOf(f.Grab("Picture8"), kLit), 0);
        QCOMPARE(CountOf(f.Grab("Picture6"), kLit), 0);
        QCOMPARE(CountOf(f.Grab("Picture11"), kLit), 0);

        QTest::mouseClick(button("Command1"), Qt::LeftButton);
        QVERIFY(w->VoltmeterOn());
        QCOMPARE(ButtonColour(button("Command1")), QColor(255, 0, 0));
        QVERIFY(CountOf(f.Grab("Picture4"), kLit) > 0);
        QCOMPARE(CountOf(f.Grab("Picture8"), kLit), 0);
        QTest::mouseClick(button("Command4"), Qt::LeftButton);
        QVERIFY(CountOf(f.Grab("Picture8"), kLit) > 0);
        QCOMPARE(w->Milliammeter().Value(), 0.101);

        QTest::mouseClick(button("Command3"), Qt::LeftButton);
        QVERIFY(w->Model().RecalcPending);
        tick();
        QVERIFY(CountOf(f.Grab("Picture6"), kLit, f.Grab("Picture6").width() / 12 + 3) > 0);
        QVERIFY(CountOf(f.Grab("Picture11"), kLit) > 0);
        QVERIFY(CountOf(f.Grab("Picture9"), kLit) > 0);
        // Off again: dark, and the model goes on.
        QTest::mouseClick(button("Command1"), Qt::LeftButton);
        QCOMPARE(CountOf(f.Grab("Picture4"), kLit), 0);
        QCOMPARE(ButtonColour(button("Command1")), ActiveBorderColour());
        QCOMPARE(QApplication::focusWidget(), w->Control(QStringLiteral("Picture1")));
    }

    void anySourceOnLocksEveryBox()
    {
        QTest::mouseClick(source(1), Qt::LeftButton);
        QCOMPARE(enabledBoxes(), 0);
        QCOMPARE(ButtonColour(source(1)), QColor(255, 0, 0));
        QCOMPARE(source(1)->text(), QStringLiteral("On"));
        QCOMPARE(QApplication::focusWidget(), w->Control(QStringLiteral("Picture1")));
        QVERIFY(w->Model().RecalcPending);
        // A locked box takes no typing.
        QTest::keyClicks(f.Box("Text1(0)"), QStringLiteral("7"));
        QCOMPARE(f.Box("Text1(0)")->text(), QStringLiteral("13"));

        QTest::mouseClick(source(3), Qt::LeftButton);
        QTest::mouseClick(source(1), Qt::LeftButton);
        QCOMPARE(enabledBoxes(), 0);
        QCOMPARE(source(1)->text(), QStringLiteral("Off"));
        QCOMPARE(ButtonColour(source(1)), ActiveBorderColour());
        QTest::mouseClick(source(3), Qt::LeftButton);
        QCOMPARE(enabledBoxes(), 18);
        QVERIFY(f.Box("Text2(1)")->isReadOnly());
    }

    // The tick takes the knob's position; the screen keeps its scale until then.
    void knobRescalesAtTheNextTick()
    {
        QTest::mouseClick(source(0), Qt::LeftButton);
        QTest::mouseClick(button("Command3"), Qt::LeftButton);
        tick();
        const QImage at9 = f.Grab("Picture6");
        const double gy = at9.height() / 12.0;
        const double peak = *std::max_element(w->Model().VoltageWave.begin(), w->Model().VoltageWave.end());
        QVERIFY(std::abs(TopOfTrace(at9) - (6 * gy - gy * peak / 9)) <= 2.0);

        f.ClickKnob(QStringLiteral("Picture10"));
        QCOMPARE(w->Knob().Value(), 8.0f);
        QVERIFY(w->Model().RecalcPending);
        QCOMPARE(w->ScreenVoltsPerDivision(), 9.0f);
        QCOMPARE(f.Grab("Picture6"), at9);
        tick();
        QCOMPARE(w->ScreenVoltsPerDivision(), 8.0f);
        QCOMPARE(w->VoltsPerDivision().Value(), 8.0);
        QCOMPARE(w->TimeBase().Value(), 2.0);
        QVERIFY(std::abs(TopOfTrace(f.Grab("Picture6")) - (6 * gy - gy * peak / 8)) <= 2.0);
    }

    void knobHelp()
    {
        // At its last position a right click cannot turn it: help.
        f.ClickKnob(QStringLiteral("Picture10"), Qt::RightButton);
        QCOMPARE(Shell::instance().HelpKey, QStringLiteral("oSS"));
        QVERIFY(f.MenuShown());
        f.CloseMenu();
        QCOMPARE(w->Knob().Value(), 9.0f);
        f.ClickKnob(QStringLiteral("Picture10"));
        f.ClickKnob(QStringLiteral("Picture10"), Qt::RightButton);
        QVERIFY(!f.MenuShown());
        QCOMPARE(w->Knob().Value(), 9.0f);
    }

    void switchHotspotsToggle_data()
    {
        QTest::addColumn<int>("index");
        for (int k = 0; k < 5; ++k)
            QTest::addRow("S%d", k + 1) << k;
    }
    void switchHotspotsToggle()
    {
        QFETCH(int, index);
        const int slot = index + 2;
        const int before = w->Model().SwitchState[std::size_t(slot)];
        QVERIFY(RedNear(f.Grab("Picture1"), bladeTip(slot, before)));
        f.ClickHotspot(index);
        QCOMPARE(Shell::instance().HelpKey, QStringLiteral("oS"));
        QCOMPARE(int(w->Model().SwitchState[std::size_t(slot)]), 1 - before);
        QVERIFY(w->Model().RecalcPending);
        const QImage after = f.Grab("Picture1");
        QVERIFY(RedNear(after, bladeTip(slot, 1 - before)));
        QVERIFY(!RedNear(after, bladeTip(slot, before)));
        QVERIFY(!f.MenuShown());
    }

    void otherHotspotsOnlySetHelpKeys_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("key");
        const std::array<const char *, 13> keys{"oR", "oR", "oR", "oA", "oV", "oVV", "oC",
                                               "oC", "oL", "oE", "oE", "oE", "oE"};
        for (int k = 5; k <= 17; ++k)
            QTest::addRow("Image1(%d)", k) << k << QString::fromLatin1(keys[std::size_t(k - 5)]);
    }
    void otherHotspotsOnlySetHelpKeys()
    {
        QFETCH(int, index);
        QFETCH(QString, key);
        QVERIFY(!w->Model().RecalcPending);
        const QImage schematic = f.Grab("Picture1");
        f.ClickHotspot(index);
        QCOMPARE(Shell::instance().HelpKey, key);
        QVERIFY(!f.MenuShown());
        QCOMPARE(w->Model().SwitchState, Lab8Model::kDefaultSwitches);
        QCOMPARE(w->Model().SourceOn, (std::array<std::int16_t, 4>{}));
        QVERIFY(!w->Model().RecalcPending);
        QCOMPARE(f.Grab("Picture1"), schematic);
        f.ClickHotspot(index, Qt::RightButton);
        QVERIFY(f.MenuShown());
        f.CloseMenu();
        QVERIFY(!w->Model().RecalcPending);
    }

    void boxesTakeTheirRules()
    {
        // Digits only in a frequency box; 0 becomes 1.
        f.TypeInto(QStringLiteral("Text4(1)"), QStringLiteral("1,5a.-2"));
        QCOMPARE(f.Box("Text4(1)")->text(), QStringLiteral("152"));
        QCOMPARE(w->Model().SourceParams[Lab8Model::kMultiple][2], 152.0f);
        f.TypeInto(QStringLiteral("Text3(1)"), QStringLiteral("0"));
        QCOMPARE(f.Box("Text3(1)")->text(), QStringLiteral("1"));
        QCOMPARE(w->Model().SourceParams[Lab8Model::kMultiple][1], 1.0f);
        // Amplitudes and phases take a decimal comma, capped at 1000.
        f.TypeInto(QStringLiteral("Text5(0)"), QStringLiteral("2.5"));
        QCOMPARE(f.Box("Text5(0)")->text(), QStringLiteral("2,5"));
        QCOMPARE(w->Model().SourceParams[Lab8Model::kAmplitude][3], 2.50001f);
        f.TypeInto(QStringLiteral("Text2(2)"), QStringLiteral("1234"));
        QCOMPARE(f.Box("Text2(2)")->text(), QStringLiteral("1000"));
        QCOMPARE(w->Model().SourceParams[Lab8Model::kPhase][0], 1000.0f);
        // Elements: 0.0001 above the entry.
        f.TypeInto(QStringLiteral("Text1(4)"), QStringLiteral("0"));
        QCOMPARE(w->Model().ElementValues[Lab8Model::kC2], 0.0001f);
        // The fundamental's frequency stays.
        f.TypeInto(QStringLiteral("Text2(1)"), QStringLiteral("7"));
        QCOMPARE(f.Box("Text2(1)")->text(), QStringLiteral("50"));
    }

    void sourceButtonsTakeTheNewLanguageAtOnce()
    {
        QTest::mouseClick(source(2), Qt::LeftButton);
        w->MnuRussian_Click();
        QCOMPARE(source(0)->text(), QStringLiteral("Выкл"));
        QCOMPARE(source(2)->text(), QStringLiteral("Вкл"));
        QCOMPARE(source(2)->text(), w->Control<QLabel>(QStringLiteral("Label58(1)"))->text());
        w->MnuEnglish_Click();
        QCOMPARE(source(2)->text(), QStringLiteral("On"));
    }

    void reloadStartsOver()
    {
        QTest::mouseClick(source(0), Qt::LeftButton);
        QTest::mouseClick(button("Command3"), Qt::LeftButton);
        f.ClickHotspot(4);
        w->Unload();
        QCoreApplication::processEvents();
        w->Show();
        tick();
        QCOMPARE(w->Model().SourceOn, (std::array<std::int16_t, 4>{}));
        QCOMPARE(w->Model().SwitchState, Lab8Model::kDefaultSwitches);
        QVERIFY(!w->ScopeOn());
        QCOMPARE(enabledBoxes(), 18);
        QCOMPARE(source(0)->text(), QStringLiteral("Off"));
        QCOMPARE(w->Model().VoltageRms, 0.0);
    }
};

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    InstallFontSubstitutes();
    TestLab8Bench t;
    return QTest::qExec(&t, argc, argv);
}
#include "tst_lab8_bench.moc"
