// SPDX-License-Identifier: GPL-3.0-or-later
// Lab 2 bench driven through its window: the breaker and the bypass on the
// schematic, the knobs and their help rule, the range buttons, the
// capacitance box, the K-50 phase selector and the overload trip, with the
// time taken from a clock the test moves.
#include "benchtest.h"
#include "labs/lab2/bench.h"
#include "labs/common/bench_variantcoil.h"
#include "labs/lab2/bench_draw.h"
#include "shell/controls.h"
#include "shell/fonts.h"
#include "shell/picturebox.h"
#include "shell/shell.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <cmath>

using namespace ohmaris;

class TestLab2Bench : public test::BenchTest<Lab2Window, 2> {
    Q_OBJECT

private:
    QLineEdit *text1() const { return f.Box(QStringLiteral("Text1")); }
    void clickKnob(const QString &name, Qt::MouseButton button, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        f.ClickKnob(name, button, mods);
    }
    AcGrid grid() const
    {
        return Lab2Grid(w->DrawUnit(), static_cast<PictureBox *>(control(QStringLiteral("Picture1")))->twipsHeight());
    }
    QImage schematic() const { return f.Grab(QStringLiteral("Picture1")); }
    bool redAt(QPointF pivot, QPointF end) const { return f.BladeRed(pivot, end); }
    QStringList visibleTexts() const { return f.VisibleTexts(); }
    // Regulator to position 1 (228 V) and breaker closed, settled.
    void fullVoltage() { f.FullVoltage({0}, 40); }

private slots:
    void startsAtRest();
    void hotspotsCoverTheirElements();
    void helpKeys_data();
    void helpKeys();
    void breakerClosesAndMetersSettle();
    void bypassShortsTheCapacitor();
    void variantShowsOnlyItsNumber();
    void k50Targets_data();
    void k50Targets();
    void rangeButtonsChangeOnlyTargets();
    void capacitanceBox();
    void overloadOpensTheBreaker();
    void reloadStartsAfresh();
    void benchAsItStands();
};

void TestLab2Bench::startsAtRest()
{
    QCOMPARE(model().SwitchState, (std::array<std::int16_t, 4>{0, 0, 1, 0}));
    QCOMPARE(text1()->text(), QStringLiteral("100"));
    QCOMPARE(model().Capacitance, 100.0f);
    QCOMPARE(w->Regulator().Value(), 13.0f);
    QCOMPARE(w->VariantSwitch().Value(), 1.0f);
    QCOMPARE(w->DrawUnit(), float(control(QStringLiteral("Picture1"))->width() * kTwipsPerPixel / 100.0));
    QVERIFY(model().RecalcPending);
    // Captions from the language file reach the named controls.
    QVERIFY(!w->Control<QLabel>(QStringLiteral("Label7"))->text().isEmpty());
    QVERIFY(!w->Control<QLabel>(QStringLiteral("Label6"))->text().trimmed().isEmpty());
    QVERIFY(w->Control<QAbstractButton>(QStringLiteral("Command5(3)"))->text().startsWith(QLatin1String("750 ")));

    // Nothing moves until the breaker is closed and the regulator turned.
    ticks(30);
    QVERIFY(!model().RecalcPending);
    for (Pribor *m : {&w->V1(), &w->V2(), &w->K50()->Voltmeter(), &w->K50()->Ammeter(), &w->K50()->Wattmeter()})
        QCOMPARE(m->Value(), 0.0f);
    QTest::mouseClick(area(0), Qt::LeftButton);
    ticks(30);
    QCOMPARE(model().SupplyVoltage, 0.0f);
    QCOMPARE(w->V1().Value(), 0.0f);
}

void TestLab2Bench::hotspotsCoverTheirElements()
{
    const AcGrid g = grid();
    const double u = g.u, h = g.h;
    const std::array<QRectF, kLab2HotspotCount> spots = Lab2Hotspots(g);
    // The supply side is laid out from the rails; on this grid it lands on
    // the places given for lab 2.
    const auto near = [](const QRectF &a, const QRectF &b) {
        return std::abs(a.left() - b.left()) < 1e-6 && std::abs(a.top() - b.top()) < 1e-6
            && std::abs(a.width() - b.width()) < 1e-6 && std::abs(a.height() - b.height()) < 1e-6;
    };
    QVERIFY(near(spots[0], QRectF(10 * u, h - 31.6 * u, 6 * u, 6 * u)));
    QVERIFY(near(spots[2], QRectF(18 * u, h - 24 * u, 6 * u, 12 * u)));
    QVERIFY(near(spots[3], QRectF(28 * u, h - 30 * u, 10 * u, 24 * u)));
    // Both blade positions stay inside their click areas.
    for (int s : {0, 1}) {
        QVERIFY(spots[0].contains(BreakerPivot(g)) && spots[0].contains(BreakerBladeEnd(g, s)));
        QVERIFY(spots[1].contains(BypassPivot(g)) && spots[1].contains(BypassBladeEnd(g, s)));
    }
    // The click areas are laid over the picture where the grid puts them.
    for (int i = 0; i < kLab2HotspotCount; ++i) {
        const QRectF r = spots[size_t(i)];
        const QRect px = QRectF(r.topLeft() / kTwipsPerPixel, r.size() / kTwipsPerPixel).toRect();
        QCOMPARE(area(i)->geometry(), px);
        QVERIFY(control(QStringLiteral("Picture1"))->rect().contains(px));
    }
}

void TestLab2Bench::helpKeys_data()
{
    test::BenchFixture::AddHotspotKeyRows({"oSSSSS", "oS", "oAA", "oK", "oL", "oC", "oV", "oV"});
    test::BenchFixture::AddSinglePhaseControlRows(QStringLiteral("oV"));
}

void TestLab2Bench::helpKeys()
{
    QFETCH(QString, control);
    QFETCH(QString, key);
    model().RecalcPending = false;
    const auto before = model().SwitchState;
    const float v1Range = model().V1Range;
    f.RightClickForHelp(control, key);
    if (QTest::currentTestFailed())
        return;
    // A right click only offers help: no switch, range or recalculation.
    QCOMPARE(model().SwitchState, before);
    QCOMPARE(model().V1Range, v1Range);
    QVERIFY(!model().RecalcPending);
}

void TestLab2Bench::breakerClosesAndMetersSettle()
{
    // Twelve right clicks take the regulator from 0 V to 228 V.
    for (int i = 0; i < 12; ++i)
        clickKnob(QStringLiteral("Picture12"), Qt::RightButton);
    QCOMPARE(w->Regulator().Value(), 1.0f);
    QVERIFY(!menuShown());
    ticks(1);

    const AcGrid g = grid();
    QVERIFY(!redAt(BreakerPivot(g), BreakerBladeEnd(g, 1)));
    QTest::mouseClick(area(0), Qt::LeftButton);
    QCOMPARE(model().SwitchState[0], std::int16_t(1));
    QVERIFY(model().RecalcPending);
    QVERIFY(redAt(BreakerPivot(g), BreakerBladeEnd(g, 1)));
    QCOMPARE(Shell::instance().HelpKey, QStringLiteral("oSSSSS"));

    // About a second later: V1 258.65 V on 750 V, V2 30.7 V, K-50 0.966 A.
    ticks(40);
    QCOMPARE(model().SupplyVoltage, 228.0f);
    QCOMPARE(QString::number(double(w->V1().Value()), 'f', 1), QStringLiteral("51.7"));
    QCOMPARE(QString::number(w->V2().Value() * 750.0 / 150.0, 'f', 1), QStringLiteral("30.7"));
    QCOMPARE(QString::number(w->K50()->Ammeter().Value() * 5.0 / 100.0, 'f', 3), QStringLiteral("0.966"));
    QCOMPARE(QString::number(w->K50()->Voltmeter().Value() * 450.0 / 150.0, 'f', 0), QStringLiteral("228"));
}

void TestLab2Bench::bypassShortsTheCapacitor()
{
    fullVoltage();
    QVERIFY(w->V2().Value() > 6.0f);
    const AcGrid g = grid();
    QVERIFY(!redAt(BypassPivot(g), BypassBladeEnd(g, 1)));
    QTest::mouseClick(area(1), Qt::LeftButton);
    QCOMPARE(model().SwitchState[1], std::int16_t(1));
    QVERIFY(redAt(BypassPivot(g), BypassBladeEnd(g, 1)));
    ticks(60);
    QVERIFY(std::fabs(w->V2().Value()) < 0.01f);
    QCOMPARE(QString::number(double(model().CoilVoltage), 'f', 2), QStringLiteral("228.00"));
    // Open again: the capacitor is back in the circuit.
    QTest::mouseClick(area(1), Qt::LeftButton);
    ticks(60);
    QCOMPARE(QString::number(double(model().CapacitorVoltage), 'f', 3), QStringLiteral("30.745"));
}

void TestLab2Bench::variantShowsOnlyItsNumber()
{
    fullVoltage();
    const QImage before = schematic();
    const QStringList texts = visibleTexts();
    const float current = model().CircuitCurrent;

    clickKnob(QStringLiteral("Picture9"), Qt::LeftButton);
    QCOMPARE(w->VariantSwitch().Value(), 2.0f);
    QVERIFY(model().RecalcPending);
    QCOMPARE(model().SwitchState[2], std::int16_t(1)); // taken at the next tick
    ticks(1);
    QCOMPARE(model().SwitchState[2], std::int16_t(2));
    QCOMPARE(QString::number(double(model().CircuitCurrent), 'f', 4), QStringLiteral("6.7710"));
    QVERIFY(model().CircuitCurrent != current);

    // The picture changes only where the coil's subscripts stand, and no
    // text anywhere in the window changes: R and L stay hidden.
    QCoreApplication::processEvents();
    const QImage after = schematic();
    QCOMPARE(after.size(), before.size());
    QWidget *pic = control(QStringLiteral("Picture1"));
    const QRectF labels = VariantCoilLabelArea(grid(), pic->font(), pic->font().pointSizeF(), lab2::kCoilStart);
    const QRect allowed = QRectF(labels.topLeft() / kTwipsPerPixel, labels.size() / kTwipsPerPixel)
                              .toAlignedRect()
                              .adjusted(-2, -2, 2, 2);
    const QRect changed = test::BenchFixture::ChangedArea(before, after);
    QVERIFY(!changed.isEmpty());
    QVERIFY2(allowed.contains(changed), qPrintable(QStringLiteral("pixels changed in %1,%2 %3 x %4")
                                                       .arg(changed.x()).arg(changed.y())
                                                       .arg(changed.width()).arg(changed.height())));
    QCOMPARE(visibleTexts(), texts);
}

void TestLab2Bench::k50Targets_data()
{
    QTest::addColumn<int>("rightClicks"); // on the phase selector
    QTest::addColumn<int>("voltageButton");
    QTest::addColumn<int>("currentButton");
    QTest::addColumn<QString>("voltmeter"); // targets in divisions
    QTest::addColumn<QString>("ammeter");
    QTest::addColumn<QString>("wattmeter");

    // Variant 1 at 228 V: I = 0.96588 A, P = 18.659 W.
    QTest::newRow("phase A, 450 V, 5 A") << 0 << 2 << 2 << "76.000" << "19.318" << "1.2439";
    QTest::newRow("phase A, 150 V, 1 A") << 0 << 0 << 0 << "228.00" << "96.588" << "18.659";
    QTest::newRow("phase B") << 1 << 2 << 2 << "0" << "0" << "0";
    QTest::newRow("phase C") << 2 << 0 << 0 << "0" << "0" << "0";
}

void TestLab2Bench::k50Targets()
{
    QFETCH(int, rightClicks);
    QFETCH(int, voltageButton);
    QFETCH(int, currentButton);
    QFETCH(QString, voltmeter);
    QFETCH(QString, ammeter);
    QFETCH(QString, wattmeter);

    w->Regulator().setValue(1);
    QTest::mouseClick(area(0), Qt::LeftButton);
    QTest::mouseClick(control(ArrayName(QStringLiteral("Command3"), voltageButton)), Qt::LeftButton);
    QTest::mouseClick(control(ArrayName(QStringLiteral("Command2"), currentButton)), Qt::LeftButton);
    // The power direction enters no target in this lab.
    QTest::mouseClick(control(QStringLiteral("Command1")), Qt::LeftButton);
    QCOMPARE(w->K50()->PowerSign(), std::int16_t(-1));
    for (int i = 0; i < rightClicks; ++i)
        clickKnob(QStringLiteral("Picture11"), Qt::RightButton);
    closeMenu();

    // One tick from rest moves each pointer a fifth of the way to its target.
    Pribor *meters[3] = {&w->K50()->Voltmeter(), &w->K50()->Ammeter(), &w->K50()->Wattmeter()};
    for (Pribor *m : meters)
        QCOMPARE(m->Value(), 0.0f);
    ticks(1);
    QCOMPARE(model().SupplyVoltage, 228.0f);
    const QString expected[3] = {voltmeter, ammeter, wattmeter};
    for (int k = 0; k < 3; ++k) {
        if (expected[k] == QLatin1String("0")) {
            QCOMPARE(meters[k]->Value(), 0.0f);
            continue;
        }
        const int dot = int(expected[k].indexOf(QLatin1Char('.')));
        const int decimals = dot < 0 ? 0 : int(expected[k].size()) - dot - 1;
        QCOMPARE(QString::number(5.0 * double(meters[k]->Value()), 'f', decimals), expected[k]);
    }
}

void TestLab2Bench::rangeButtonsChangeOnlyTargets()
{
    fullVoltage();
    ticks(60);
    model().RecalcPending = false;
    const float current = model().CircuitCurrent;

    QTest::mouseClick(control(QStringLiteral("Command5(1)")), Qt::LeftButton); // V1: 150 V
    QTest::mouseClick(control(QStringLiteral("Command6(0)")), Qt::LeftButton); // V2: 50 V
    QTest::mouseClick(control(QStringLiteral("Command3(1)")), Qt::LeftButton); // K-50: 300 V
    QCOMPARE(model().V1Range, 150.0f);
    QCOMPARE(model().V2Range, 50.0f);
    QVERIFY(!model().RecalcPending);
    const QColor white(255, 255, 255);
    const QColor face = OtherRangeColour();
    for (int k = 0; k < 4; ++k) {
        const QColor c = control(ArrayName(QStringLiteral("Command5"), k))->palette().color(QPalette::Button);
        QCOMPARE(c, k == 1 ? white : face);
    }

    ticks(60);
    QCOMPARE(model().CircuitCurrent, current);
    // 258.65 V on 150 V is past the end: the pointer stops 3 ticks beyond.
    QCOMPARE(w->V1().Value(), 165.0f);
    QCOMPARE(QString::number(double(w->V2().Value()), 'f', 1), QStringLiteral("92.2"));
    QCOMPARE(QString::number(double(w->K50()->Voltmeter().Value()), 'f', 1), QStringLiteral("114.0"));
}

void TestLab2Bench::capacitanceBox()
{
    fullVoltage();
    // "0" is stored as 0.0000001 uF: no current, V2 shows the supply voltage.
    text1()->selectAll();
    QTest::keyClicks(text1(), QStringLiteral("0"));
    QCOMPARE(text1()->text(), QStringLiteral("0"));
    QCOMPARE(model().Capacitance, 0.0000001f);
    QVERIFY(model().RecalcPending);
    ticks(60);
    QVERIFY(model().CircuitCurrent < 1e-6f);
    QCOMPARE(QString::number(w->V2().Value() * 750.0 / 150.0, 'f', 1), QStringLiteral("228.0"));

    // An emptied box changes nothing; a value above the cap is cut.
    model().RecalcPending = false;
    text1()->clear();
    QCOMPARE(model().Capacitance, 0.0000001f);
    QVERIFY(!model().RecalcPending);
    QTest::keyClicks(text1(), QStringLiteral("2000000"));
    QCOMPARE(text1()->text(), QStringLiteral("1000000"));
    QCOMPARE(model().Capacitance, 1000000.0f);

    // Nothing can be pasted, and the clipboard is left as it was.
    QApplication::clipboard()->setText(QStringLiteral("123"));
    QTest::mouseClick(text1(), Qt::LeftButton);
    QTest::keyClick(text1(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(text1()->text(), QStringLiteral("1000000"));
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("123"));
}

void TestLab2Bench::overloadOpensTheBreaker()
{
    // Variant 2 at 228 V draws 6.77 A: the breaker opens after 8 s.
    w->VariantSwitch().setValue(2);
    fullVoltage();
    f.ExpectDelayedTrip();

    // The next tick shows the breaker open and the pointers start falling.
    const float v1 = w->V1().Value();
    ticks(1);
    QCOMPARE(model().CircuitCurrent, 0.0f);
    QCOMPARE(model().Protection.OverloadStart, 0.0);
    QCoreApplication::processEvents();
    const AcGrid g = grid();
    QVERIFY(redAt(BreakerPivot(g), BreakerBladeEnd(g, 0)));
    QVERIFY(w->V1().Value() < v1);
}

void TestLab2Bench::reloadStartsAfresh()
{
    fullVoltage();
    clickKnob(QStringLiteral("Picture9"), Qt::LeftButton);
    QTest::mouseClick(control(QStringLiteral("Command5(0)")), Qt::LeftButton);
    text1()->setText(QStringLiteral("50"));
    ticks(5);
    f.Reopen();
    QCOMPARE(model().SwitchState, (std::array<std::int16_t, 4>{0, 0, 1, 0}));
    QCOMPARE(model().Capacitance, 100.0f);
    QCOMPARE(model().V1Range, 750.0f);
    QCOMPARE(w->VariantSwitch().Value(), 1.0f);
    QCOMPARE(w->Regulator().Value(), 13.0f);
    QCOMPARE(w->V1().Value(), 0.0f);
    // The instruments draw into the new boxes, and the bench still works.
    QCOMPARE(w->V1().Pic1(), control(QStringLiteral("Picture3")));
    fullVoltage();
    QCOMPARE(QString::number(double(w->V1().Value()), 'f', 1), QStringLiteral("51.7"));
}

// What a tool reads of the bench: the knobs as they stand (before the tick
// reads them into the model), and each meter at the range chosen for it.
void TestLab2Bench::benchAsItStands()
{
    fullVoltage();
    ticks(60);
    clickKnob(QStringLiteral("Picture9"), Qt::LeftButton); // variant 2
    QCOMPARE(model().SwitchState[CoilCapacitorCircuit::kVariant], std::int16_t(1));
    QMap<QString, QString> settings;
    for (const CalcSetting &s : w->Settings())
        settings.insert(s.name, s.value);
    QCOMPARE(settings, (QMap<QString, QString>{{"variant", "2"}, {"step", "12"}, {"SF", "1"}, {"S", "0"}, {"C", "100"}}));

    QTest::mouseClick(control(QStringLiteral("Command5(1)")), Qt::LeftButton); // V1 on 150 V
    ticks(60);
    QMap<QString, InstrumentReading> readings;
    for (const InstrumentReading &r : w->Readings())
        readings.insert(r.name, r);
    const InstrumentReading v1 = readings.value(QStringLiteral("V1"));
    QCOMPARE(v1.unit, QStringLiteral("V"));
    QCOMPARE(v1.range, 150.0);
    QCOMPARE(v1.resolution, 5.0);
    QCOMPARE(v1.error, 0.75);
    QCOMPARE(v1.value, double(w->V1().Value()));
    // The K-50 on phase A at 450 V: the supply's 228 V, to the float.
    QCOMPARE(float(readings.value(QStringLiteral("K-50 V")).value), 228.0f);
    QCOMPARE(readings.value(QStringLiteral("AT")).value, 1.0);
    QCOMPARE(readings.value(QStringLiteral("variant")).value, 2.0);
}

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    InstallFontSubstitutes();
    TestLab2Bench t;
    return QTest::qExec(&t, argc, argv);
}
#include "tst_lab2_bench.moc"
