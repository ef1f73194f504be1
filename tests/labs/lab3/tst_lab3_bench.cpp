// SPDX-License-Identifier: GPL-3.0-or-later
// Lab 3 bench driven through its window: the capacitor switch on the
// schematic, the ammeters and their ranges, the variant knob, the help keys
// and the overload trips, with the time taken from a clock the test moves.
#include "benchtest.h"
#include "labs/common/bench_variantcoil.h"
#include "labs/lab3/bench.h"
#include "labs/lab3/layout.h"
#include "printed.h"
#include "shell/controls.h"
#include "shell/fonts.h"
#include "shell/picturebox.h"
#include "shell/shell.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QTest>

using namespace ohmaris;
using ohmaris::test::CheckPrinted;

namespace {

// Counts the paints of a widget, to see that a click asks for a redraw.
class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

// A reading in amperes from a 100-division ammeter on `range`.
double Amperes(const Pribor &meter, double range)
{
    return double(meter.Value()) * range / 100.0;
}

} // namespace

class TestLab3Bench : public test::BenchTest<Lab3Window, 3> {
    Q_OBJECT

private:
    AcGrid grid() const
    {
        return Lab3Grid(w->DrawUnit(), static_cast<PictureBox *>(control(QStringLiteral("Picture1")))->twipsHeight());
    }
    // Regulator at position 1 (228 V), the capacitor switch as asked, the
    // breaker closed, and about two seconds for the pointers to settle.
    void fullVoltage(bool capacitor)
    {
        if (capacitor)
            f.FullVoltage({1, 0}, 60);
        else
            f.FullVoltage({0}, 60);
    }

private slots:
    void startsAtRest();
    void hotspotsCoverTheirElements();
    void rightClickOnlyShowsHelp_data();
    void rightClickOnlyShowsHelp();
    void capacitorSwitchRedrawsAndRecomputes();
    void smallRangeStopsPastTheEnd();
    void variantShowsOnlyItsNumber();
    void overloadOpensTheBreaker_data();
    void overloadOpensTheBreaker();
};

void TestLab3Bench::startsAtRest()
{
    QCOMPARE(model().SwitchState, (std::array<std::int16_t, 4>{0, 0, 1, 0}));
    QCOMPARE(model().A1Range, 10.0f);
    QCOMPARE(model().A2Range, 10.0f);
    QCOMPARE(model().Capacitance, 100.0f);
    QCOMPARE(f.Box(QStringLiteral("Text1"))->text(), QStringLiteral("100"));
    QCOMPARE(w->A1().Caption(), QStringLiteral("A1"));
    QCOMPARE(w->A2().Caption(), QStringLiteral("A2"));
    QCOMPARE(w->A2().Max(), 100.0f);

    // Ranges 0.5, 1, 5 and 10 A.
    const QStringList captions{"0,5 A", "1 A", "5 A", "10 A"};
    for (const QString row : {"Command5", "Command6"})
        for (int k = 0; k < 4; ++k)
            QCOMPARE(w->Control<QAbstractButton>(ArrayName(row, k))->text(), captions[k]);
    // The capacitance box and its labels stand 120 twips left of lab 2's.
    QCOMPARE(DesignRect(control(QStringLiteral("Label5"))).left(), 11520.0);
    QCOMPARE(DesignRect(control(QStringLiteral("Text1"))).left(), 12360.0);
    QCOMPARE(DesignRect(control(QStringLiteral("Label6"))).left(), 13560.0);

    // Nothing moves until the breaker is closed.
    ticks(30);
    for (Pribor *m : {&w->A1(), &w->A2(), &w->K50()->Voltmeter(), &w->K50()->Ammeter(), &w->K50()->Wattmeter()})
        QCOMPARE(m->Value(), 0.0f);
}

void TestLab3Bench::hotspotsCoverTheirElements()
{
    const AcGrid g = grid();
    const double u = g.u, h = g.h;
    const std::array<QRectF, kLab3HotspotCount> spots = Lab3Hotspots(g);
    const QRectF expected[kLab3HotspotCount] = {
        {10 * u, h - 31.6 * u, 6 * u, 6 * u},   {43 * u, h - 26 * u, 6 * u, 6 * u},
        {18 * u, h - 24 * u, 6 * u, 12 * u},    {28 * u, h - 30 * u, 10 * u, 24 * u},
        {57.3 * u, h - 34 * u, 24 * u, 10 * u}, {61.6 * u, h - 22 * u, 6.4 * u, 8 * u},
        {50 * u, h - 30.8 * u, 5.6 * u, 5.6 * u}, {50 * u, h - 20.8 * u, 5.6 * u, 5.6 * u},
    };
    for (int i = 0; i < kLab3HotspotCount; ++i) {
        const QRectF r = spots[std::size_t(i)];
        const QRectF e = expected[i];
        QVERIFY2(std::abs(r.left() - e.left()) < 1e-6 && std::abs(r.top() - e.top()) < 1e-6
                     && std::abs(r.width() - e.width()) < 1e-6 && std::abs(r.height() - e.height()) < 1e-6,
                 qPrintable(ArrayName(QStringLiteral("Image1"), i)));
        // Laid over the picture where the grid puts them.
        const QRect px = QRectF(r.topLeft() / kTwipsPerPixel, r.size() / kTwipsPerPixel).toRect();
        QCOMPARE(f.Area(i)->geometry(), px);
    }
    // The blade, 6 units long, spans its 6-unit click area: closed from the
    // bottom edge to the top, open leaning to the left edge.
    const QRectF sSpot = spots[1].adjusted(-1e-6 * u, -1e-6 * u, 1e-6 * u, 1e-6 * u);
    for (int s : {0, 1})
        QVERIFY(sSpot.contains(CapacitorSwitchPivot(g)) && sSpot.contains(CapacitorSwitchBladeEnd(g, s)));
}

void TestLab3Bench::rightClickOnlyShowsHelp_data()
{
    test::BenchFixture::AddHotspotKeyRows({"oSSSSS", "oS", "oAA", "oK", "oL", "oC", "oA", "oA"});
    test::BenchFixture::AddSinglePhaseControlRows(QStringLiteral("oA"));
    QTest::newRow("Command6(2)") << QStringLiteral("Command6(2)") << QStringLiteral("oSSS");
}

void TestLab3Bench::rightClickOnlyShowsHelp()
{
    QFETCH(QString, control);
    QFETCH(QString, key);
    ticks(1);
    const auto before = model().SwitchState;
    f.RightClickForHelp(control, key);
    if (QTest::currentTestFailed())
        return;
    // No switch, range or recalculation.
    QCOMPARE(model().SwitchState, before);
    QCOMPARE(model().A1Range, 10.0f);
    QCOMPARE(model().A2Range, 10.0f);
    QVERIFY(!model().RecalcPending);
}

void TestLab3Bench::capacitorSwitchRedrawsAndRecomputes()
{
    // With the switch open A2 reads nothing and the K-50 shows the coil's
    // current, the one A1 reads.
    fullVoltage(false);
    QCOMPARE(w->A2().Value(), 0.0f);
    const double k50 = Amperes(w->K50()->Ammeter(), 5.0);
    CheckPrinted("K-50 ammeter", k50, QStringLiteral("0.85143"));
    CheckPrinted("A1", Amperes(w->A1(), 10.0), QStringLiteral("0.85143"));
    QVERIFY(std::abs(k50 - Amperes(w->A1(), 10.0)) < 1e-5);

    // A click on the switch closes it, redraws the schematic at once and
    // asks for a recomputation.
    const AcGrid g = grid();
    QVERIFY(!f.BladeRed(CapacitorSwitchPivot(g), CapacitorSwitchBladeEnd(g, 1)));
    QCoreApplication::processEvents(); // paints the ticks asked for
    PaintCounter counter;
    control(QStringLiteral("Picture1"))->installEventFilter(&counter);
    f.ClickHotspot(1);
    QCOMPARE(model().SwitchState[1], std::int16_t(1));
    QCOMPARE(Shell::instance().HelpKey, QStringLiteral("oS"));
    QVERIFY(model().RecalcPending);
    QCoreApplication::processEvents();
    QVERIFY(counter.paints > 0);
    QVERIFY(f.BladeRed(CapacitorSwitchPivot(g), CapacitorSwitchBladeEnd(g, 1)));

    // Two seconds on: A1 0.851 A and A2 7.16 A; the K-50, on 5 A, is pinned
    // past its end by the 6.31 A total.
    ticks(1);
    CheckPrinted("total", model().CircuitCurrent, QStringLiteral("6.3141"));
    ticks(60);
    CheckPrinted("A1", Amperes(w->A1(), 10.0), QStringLiteral("0.851"));
    CheckPrinted("A2", Amperes(w->A2(), 10.0), QStringLiteral("7.16"));
    QCOMPARE(w->K50()->Ammeter().Value(), 106.0f);

    // Open again: the capacitor is out, A2 falls back to 0.
    f.ClickHotspot(1);
    ticks(100);
    QVERIFY(w->A2().Value() < 0.001f);
    CheckPrinted("K-50 ammeter", Amperes(w->K50()->Ammeter(), 5.0), QStringLiteral("0.8514"));
}

void TestLab3Bench::smallRangeStopsPastTheEnd()
{
    fullVoltage(true);
    model().RecalcPending = false;
    f.Click(QStringLiteral("Command6(0)"));
    QCOMPARE(model().A2Range, 0.5f);
    QVERIFY(!model().RecalcPending);
    // 7.16 A on 0.5 A asks for 1433 divisions; the pointer stops three
    // minor divisions past the end of its 100.
    CheckPrinted("A2 target", model().MeterTargets()[1], QStringLiteral("1433"));
    ticks(10);
    QCOMPARE(w->A2().Value(), 106.0f);
    // A1 keeps its own range.
    CheckPrinted("A1", Amperes(w->A1(), 10.0), QStringLiteral("0.851"));
}

void TestLab3Bench::variantShowsOnlyItsNumber()
{
    fullVoltage(true);
    const QImage before = f.Grab(QStringLiteral("Picture1"));
    const QStringList texts = f.VisibleTexts();

    f.ClickKnob(QStringLiteral("Picture9"));
    QCOMPARE(w->VariantSwitch().Value(), 2.0f);
    QVERIFY(model().RecalcPending);
    ticks(1);
    QCOMPARE(model().SwitchState[2], std::int16_t(2));
    CheckPrinted("total", model().CircuitCurrent, QStringLiteral("4.3176"));
    CheckPrinted("coil", model().CoilCurrent, QStringLiteral("4.0814"));

    // Only the coil's subscripts change on the schematic, and no text of
    // the window: R and L stay hidden.
    QCoreApplication::processEvents();
    const QImage after = f.Grab(QStringLiteral("Picture1"));
    QWidget *pic = control(QStringLiteral("Picture1"));
    const QRectF labels = VariantCoilLabelArea(grid(), pic->font(), pic->font().pointSizeF(), lab3::kCoilStart);
    const QRect allowed = QRectF(labels.topLeft() / kTwipsPerPixel, labels.size() / kTwipsPerPixel)
                              .toAlignedRect()
                              .adjusted(-2, -2, 2, 2);
    const QRect changed = test::BenchFixture::ChangedArea(before, after);
    QVERIFY(!changed.isEmpty());
    QVERIFY(allowed.contains(changed));
    QCOMPARE(f.VisibleTexts(), texts);
}

void TestLab3Bench::overloadOpensTheBreaker_data()
{
    QTest::addColumn<int>("variant");
    QTest::addColumn<QString>("capacitance");
    QTest::addColumn<bool>("instant");

    // 6.31 A regulated: more than 5 A, so the breaker waits 8 s.
    QTest::newRow("variant 1, 100 uF: after 8 s") << 1 << "100" << false;
    // 71626 A: far above 15 A, the breaker opens at the tick that computes it.
    QTest::newRow("variant 6, 1000000 uF: at the next tick") << 6 << "1000000" << true;
}

void TestLab3Bench::overloadOpensTheBreaker()
{
    QFETCH(int, variant);
    QFETCH(QString, capacitance);
    QFETCH(bool, instant);

    w->VariantSwitch().setValue(float(variant));
    f.TypeInto(QStringLiteral("Text1"), capacitance);
    w->Regulator().setValue(1);
    f.ClickHotspot(1);
    f.ClickHotspot(0);
    ticks(1);
    if (instant) {
        QCOMPARE(model().SwitchState[0], std::int16_t(0));
    } else {
        QCOMPARE(model().Protection.OverloadStart, f.clock.now());
        f.ExpectDelayedTrip();
    }
    QVERIFY(model().RecalcPending);

    // The next tick shows the breaker open; nothing flows and the pointers
    // fall back.
    const float a1 = w->A1().Value();
    ticks(1);
    QCOMPARE(model().SupplyVoltage, 0.0f);
    QCOMPARE(model().CircuitCurrent, 0.0f);
    QCOMPARE(model().Protection.OverloadStart, 0.0);
    QVERIFY(w->A1().Value() < a1);
    const AcGrid g = grid();
    QVERIFY(f.BladeRed(BreakerPivot(g), BreakerBladeEnd(g, 0)));
}

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    InstallFontSubstitutes();
    TestLab3Bench t;
    return QTest::qExec(&t, argc, argv);
}
#include "tst_lab3_bench.moc"
