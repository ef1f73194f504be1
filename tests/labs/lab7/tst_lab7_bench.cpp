// SPDX-License-Identifier: GPL-3.0-or-later
// Lab 7 bench through its window: switch clicks, the locks while a switch
// is closed, help-only right clicks, the parameter boxes' entry rule, the
// ammeter ranges and the oscilloscope screens.
#include "benchtest.h"
#include "labs/lab7/bench.h"
#include "shell/controls.h"
#include "shell/fonts.h"
#include "shell/picturebox.h"
#include "shell/shell.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace ohmaris;

namespace {

QPointF TwipsToPixels(QPointF p)
{
    return p / kTwipsPerPixel;
}

// Whether the image has a red pixel within `radius` pixels of p.
bool RedNear(const QImage &img, QPointF p, int radius = 2)
{
    for (int dy = -radius; dy <= radius; ++dy)
        for (int dx = -radius; dx <= radius; ++dx) {
            const QPoint q(int(p.x()) + dx, int(p.y()) + dy);
            if (!img.rect().contains(q))
                continue;
            const QColor c = img.pixelColor(q);
            if (c.red() > 200 && c.green() < 80 && c.blue() < 80)
                return true;
        }
    return false;
}

} // namespace

class TestLab7Bench : public test::BenchTest<Lab7Window, 7, 100> {
    Q_OBJECT

private:
    QLineEdit *box(int k) const { return w->Control<QLineEdit>(ArrayName(QStringLiteral("Text1"), k)); }
    PictureBox *picture(const char *name) const { return w->Control<PictureBox>(QLatin1String(name)); }
    void run(double seconds)
    {
        f.Ticks(int(seconds * 20 + 0.5), 0.05);
    }
    // Where the tip of a switch blade ends in Picture1's pixels.
    QPointF bladeTip(int index, int state) const
    {
        const Lab7Grid &g = w->grid();
        const double x = index == 0 ? g.xl : g.xr;
        const double angle = (1 - state) * 3.141592654 / 6 + 3.141592654 / 2;
        const double len = 0.75 * g.b * 0.85; // a little inside the tip
        return TwipsToPixels(QPointF(x + len * std::cos(angle), g.yb - 3 * g.b - len * std::sin(angle)));
    }

    void Opened() override
    {
        QVERIFY(QTest::qWaitForWindowActive(w->form()));
        w->timer()->stop();
        run(0.5);
    }

private Q_SLOTS:
    void loadStoresDefaultsWithOffset()
    {
        const std::array<float, 5> expected{24.0001f, 240.0001f, 140.0001f, 10.0001f, 200.0001f};
        QCOMPARE(w->Model().ElementValues, expected);
        QCOMPARE(box(0)->text(), QStringLiteral("24"));
        QCOMPARE(w->Model().SwitchState, (std::array<std::int16_t, 3>{1, 0, 0}));
        QCOMPARE(w->Model().ScopeVoltage, 0.0f);
        QCOMPARE(w->A1Range(), 1.0f);
        QCOMPARE(w->VoltsPerDivision().Value(), 9.0);
        QCOMPARE(w->MilliampsPerDivision().Value(), 90.0);
        QVERIFY(!w->VoltsPerDivision().Enable());
    }

    void switchClickRedrawsBlade()
    {
        PictureBox *schematic = picture("Picture1");
        QImage before = schematic->grab().toImage();
        QVERIFY(RedNear(before, bladeTip(0, 0)));
        QVERIFY(!RedNear(before, bladeTip(0, 1)));

        QTest::mouseClick(area(0), Qt::LeftButton);
        QCOMPARE(w->Model().SwitchState[1], std::int16_t(1));
        QCOMPARE(w->Model().SwitchTime, f.clock.now());
        QVERIFY(w->Model().RecalcPending);
        QCOMPARE(w->Scope().SwitchedSinceSample, std::int16_t(1));
        QCOMPARE(Shell::instance().HelpKey, QStringLiteral("oS"));
        const QImage after = schematic->grab().toImage();
        QVERIFY(RedNear(after, bladeTip(0, 1)));
        QVERIFY(!RedNear(after, bladeTip(0, 0)));
        // S2 still leans open.
        QVERIFY(RedNear(after, bladeTip(1, 0)));
        QVERIFY(!RedNear(after, bladeTip(1, 1)));

        // The next tick starts the charge from the click's instant.
        run(2.4);
        QVERIFY(std::fabs(w->Model().ScopeVoltage - 24.0001f * (1 - std::exp(-1.0f))) < 0.3f);
    }

    void closedSwitchLocksSelectorAndBoxes()
    {
        // Open: the selector turns (the right button towards "L") and the
        // boxes take the focus.
        PictureBox *knob = picture("Picture9");
        const QPoint centre = knob->rect().center();
        QTest::mouseClick(knob, Qt::RightButton, {}, centre);
        QVERIFY(!w->contextMenu()->isVisible());
        QCOMPARE(w->Selector().Value(), 2.0f);
        QVERIFY(w->Model().RecalcPending);
        run(0.1);
        QCOMPARE(w->Model().SwitchState[0], std::int16_t(2));
        box(1)->setFocus();
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(box(1)));
        // Nothing can be pasted, and the clipboard is left as it was.
        QApplication::clipboard()->setText(QStringLiteral("123"));
        const QString before = box(2)->text();
        QTest::mouseClick(box(2), Qt::LeftButton);
        QTest::keyClick(box(2), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(box(2)->text(), before);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("123"));

        // S2 closed: the selector stays, the boxes refuse the focus.
        QTest::mouseClick(area(1), Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(picture("Picture1")));
        QVERIFY(!knob->isEnabled());
        QTest::mouseClick(knob, Qt::RightButton, {}, centre);
        QCOMPARE(w->Selector().Value(), 2.0f);
        box(1)->setFocus();
        QVERIFY(QApplication::focusWidget() != static_cast<QWidget *>(box(1)));
        QTest::mouseClick(box(1), Qt::LeftButton);
        QVERIFY(QApplication::focusWidget() != static_cast<QWidget *>(box(1)));
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("5"));
        QCOMPARE(box(1)->text(), QStringLiteral("240"));

        // Both open again: unlocked.
        QTest::mouseClick(area(1), Qt::LeftButton);
        QVERIFY(knob->isEnabled());
        box(1)->setFocus();
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(box(1)));
    }

    void rightClicksOnlyShowHelp_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("key");
        QTest::newRow("S1") << 0 << "oS";
        QTest::newRow("S2") << 1 << "oS";
        QTest::newRow("E") << 2 << "oE";
        QTest::newRow("voltage input") << 6 << "oVV";
        QTest::newRow("R1") << 7 << "oR";
        QTest::newRow("C") << 9 << "oC";
    }
    void rightClicksOnlyShowHelp()
    {
        QFETCH(int, index);
        QFETCH(QString, key);
        run(0.1);
        QTest::mouseClick(area(index), Qt::RightButton);
        QCOMPARE(Shell::instance().HelpKey, key);
        QVERIFY(w->contextMenu()->isVisible());
        w->contextMenu()->hide();
        QCOMPARE(w->Model().SwitchState, (std::array<std::int16_t, 3>{1, 0, 0}));
        QVERIFY(!w->Model().RecalcPending);
    }

    void outOfReachAreas_data()
    {
        QTest::addColumn<int>("circuit");
        QTest::addColumn<int>("hidden"); // Image1 index placed beyond the right edge
        QTest::newRow("C has no coil") << 1 << 10;
        QTest::newRow("L has no capacitor") << 2 << 9;
    }
    void outOfReachAreas()
    {
        QFETCH(int, circuit);
        QFETCH(int, hidden);
        w->Selector().setValue(float(circuit));
        w->Picture9_Click();
        run(0.1);
        PictureBox *schematic = picture("Picture1");
        QVERIFY(area(hidden)->geometry().left() >= schematic->width());
        for (int k = 0; k < kLab7ClickAreas; ++k)
            if (k != hidden)
                QVERIFY2(schematic->rect().contains(area(k)->geometry()), qPrintable(QString::number(k)));
    }

    void entryRule_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("text");
        QTest::addColumn<float>("stored");
        QTest::addColumn<QString>("shown");
        QTest::newRow("negative R1") << 1 << "-50" << 50.0001f << "-50";
        QTest::newRow("letters") << 1 << "abc" << 0.0001f << "abc";
        QTest::newRow("empty") << 3 << "" << 0.0001f << "";
        QTest::newRow("decimal comma") << 4 << "2,5" << 2.5001f << "2,5";
        QTest::newRow("over the cap") << 0 << "20000000" << 10000000.0f << "9999999,9999";
        QTest::newRow("beyond float range") << 2 << QString(40, QLatin1Char('9')) << 10000000.0f << "9999999,9999";
    }
    void entryRule()
    {
        QFETCH(int, index);
        QFETCH(QString, text);
        QFETCH(float, stored);
        QFETCH(QString, shown);
        QVERIFY(!w->Model().RecalcPending);
        box(index)->setText(text);
        QCOMPARE(w->Model().ElementValues[std::size_t(index)], stored);
        QCOMPARE(box(index)->text(), shown);
        QVERIFY(w->Model().RecalcPending);
    }

    void rangeButtonRescalesTarget()
    {
        QTest::mouseClick(area(0), Qt::LeftButton);
        run(0.5);
        auto *quarter = w->Control<QPushButton>(QStringLiteral("Command4(0)"));
        auto *one = w->Control<QPushButton>(QStringLiteral("Command4(2)"));
        QCOMPARE(one->palette().color(QPalette::Button), QColor(0, 255, 0));
        QTest::mouseClick(quarter, Qt::LeftButton);
        QCOMPARE(w->A1Range(), 0.25f);
        QCOMPARE(quarter->palette().color(QPalette::Button), QColor(0, 255, 0));
        QVERIFY(one->palette().color(QPalette::Button) != QColor(0, 255, 0));
        QCOMPARE(w->A2Range(), 1.0f);
        const float before = w->MeterA1().Value();
        run(0.05);
        const float target = w->Model().MeterTarget1 * 100.0f / 0.25f;
        QVERIFY(std::fabs(w->MeterA1().Value() - (before + 0.2f * (target - before))) < 1e-3f);
        // Right button on a range button: help only.
        QTest::mouseClick(w->Control<QPushButton>(QStringLiteral("Command6(1)")), Qt::RightButton);
        QCOMPARE(Shell::instance().HelpKey, QStringLiteral("oSSS"));
        QCOMPARE(w->A2Range(), 1.0f);
        w->contextMenu()->hide();
    }

    void scopeScreenDrawsAndClips()
    {
        PictureBox *screen = picture("Picture6");
        const double dy = screen->height() / 14.0;
        const QColor trace(50, 200, 50);
        // Off: no zero line.
        QVERIFY(screen->grab().toImage().pixelColor(screen->width() / 3, int(7 * dy)) != trace);
        QTest::mouseClick(w->Control<QPushButton>(QStringLiteral("Command3")), Qt::LeftButton);
        QCOMPARE(w->Scope().ChannelOn[1], std::int16_t(1));
        QVERIFY(w->VoltsPerDivision().Enable());
        QVERIFY(w->TimeBase1().Enable());
        QCOMPARE(screen->grab().toImage().pixelColor(screen->width() / 3, int(7 * dy)), trace);

        // Charged to 24 V at 9 V/div: the newest sample sits 2.67 divisions up.
        QTest::mouseClick(area(0), Qt::LeftButton);
        run(30.0);
        const int x = screen->width() - 2;
        const int y = int(7 * dy - dy * 24.0001 / 9.0);
        const auto greenAround = [&](const QImage &img) {
            for (int d = -2; d <= 2; ++d)
                if (img.pixelColor(x, y + d) == trace)
                    return true;
            return false;
        };
        QVERIFY(greenAround(screen->grab().toImage()));
        // At 1 V/div the trace lies far above the screen and is clipped away.
        w->Knob1().setValue(1);
        run(0.05);
        QCOMPARE(w->VoltsPerDivision().Value(), 1.0);
        const QImage clipped = screen->grab().toImage();
        QVERIFY(!greenAround(clipped));
        for (int row = 0; row < int(6 * dy); ++row)
            QVERIFY(clipped.pixelColor(x, row) != trace);
    }

    void pauseFreezesRecording()
    {
        QTest::mouseClick(area(0), Qt::LeftButton);
        run(1.0);
        auto *pause = w->Control<QPushButton>(QStringLiteral("Command1"));
        QTest::mouseClick(pause, Qt::LeftButton);
        QCOMPARE(w->Scope().Paused, std::int16_t(1));
        QCOMPARE(pause->palette().color(QPalette::Button), QColor(200, 100, 100));
        const auto frozen = w->Scope().VoltageTrace;
        run(2.0);
        QCOMPARE(w->Scope().VoltageTrace, frozen);
        QVERIFY(w->Model().ScopeVoltage > frozen[140]);
        QTest::mouseClick(pause, Qt::LeftButton);
        QCOMPARE(w->Scope().Paused, std::int16_t(0));
        run(0.05);
        QCOMPARE(w->Scope().VoltageTrace[139], frozen[140]);
    }

    void reloadPutsCircuitAtRest()
    {
        QTest::mouseClick(area(0), Qt::LeftButton);
        run(3.0);
        w->Command4_Click(0);
        w->Unload();
        QCoreApplication::processEvents();
        w->Show();
        run(0.1);
        QCOMPARE(w->Model().SwitchState, (std::array<std::int16_t, 3>{1, 0, 0}));
        QCOMPARE(w->Model().ScopeVoltage, 0.0f);
        QCOMPARE(w->A1Range(), 1.0f);
        QVERIFY(picture("Picture9")->isEnabled());
        const QImage img = picture("Picture1")->grab().toImage();
        QVERIFY(RedNear(img, bladeTip(0, 0)));
    }
};

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    InstallFontSubstitutes();
    TestLab7Bench t;
    return QTest::qExec(&t, argc, argv);
}
#include "tst_lab7_bench.moc"
