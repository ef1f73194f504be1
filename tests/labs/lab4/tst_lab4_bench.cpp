// SPDX-License-Identifier: GPL-3.0-or-later
// Lab 4 bench driven through its window: the breaker and the branch
// switches on the schematic, the coil selectors and what they change, the
// connection switch and the joining wires it redraws, the resistance boxes,
// the knobs' help rule, the K-50's phase selector and power direction, and
// the overload trip, with the time taken from a clock the test moves.
#include "benchtest.h"
#include "labs/lab4/bench.h"
#include "labs/lab4/bench_draw.h"
#include "shell/controls.h"
#include "shell/fonts.h"
#include "shell/picturebox.h"
#include "shell/shell.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QLineF>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <cmath>

using namespace ohmaris;

namespace {

// A current read off a 100-division ammeter on `range`, to `decimals` places.
QString Reading(const Pribor &m, double range, int decimals)
{
    return QString::number(double(m.Value()) * range / 100.0, 'f', decimals);
}

// Distance from point p to segment a-b.
double Distance(QPointF p, QPointF a, QPointF b)
{
    const QPointF d = b - a;
    const double len2 = QPointF::dotProduct(d, d);
    const double t = len2 > 0 ? std::clamp(QPointF::dotProduct(p - a, d) / len2, 0.0, 1.0) : 0.0;
    return QLineF(p, a + t * d).length();
}

} // namespace

class TestLab4Bench : public test::BenchTest<Lab4Window, 4> {
    Q_OBJECT

private:
    QLineEdit *box(int index) const { return f.Box(ArrayName(QStringLiteral("Text1"), index)); }
    AcGrid grid() const
    {
        return Lab4Grid(w->DrawUnit(), static_cast<PictureBox *>(control(QStringLiteral("Picture1")))->twipsHeight());
    }
    QImage schematic() const
    {
        QCoreApplication::processEvents();
        return f.Grab(QStringLiteral("Picture1"));
    }
    bool redAt(QPointF pivot, QPointF end) const
    {
        QCoreApplication::processEvents();
        return f.BladeRed(pivot, end);
    }
    QRect labelPixels(int branch) const
    {
        QWidget *pic = control(QStringLiteral("Picture1"));
        const QRectF r = CoilLabelArea(grid(), pic->font(), pic->font().pointSizeF(), branch);
        return QRectF(r.topLeft() / kTwipsPerPixel, r.size() / kTwipsPerPixel).toAlignedRect().adjusted(-2, -2, 2, 2);
    }
    // Regulator at position 1 (228 V), breaker, S1 and S2 closed, settled.
    void fullVoltage() { f.FullVoltage({0, 1, 2}, 60); }

private slots:
    void startsAtRest();
    void clickAreasOverTheSchematic();
    void helpKeys_data();
    void helpKeys();
    void switchesOnTheSchematic();
    void connectionSwitchRewires();
    void selectorsChangeOnlyTheirCoils_data();
    void selectorsChangeOnlyTheirCoils();
    void resistanceBoxes_data();
    void resistanceBoxes();
    void rangeButtons();
    void powerDirectionTurnsTheWattmeter();
    void overloadOpensTheBreakerLate();
    void reloadStartsAfresh();
};

void TestLab4Bench::startsAtRest()
{
    QCOMPARE(model().SwitchState, (std::array<std::int16_t, 4>{0, 0, 0, 0}));
    QCOMPARE(model().VariantSelect, (std::array<std::int16_t, 2>{1, 1}));
    QCOMPARE(model().Connection, 1);
    QCOMPARE(model().ExternalResistance, (std::array<float, 2>{100.0f, 100.0f}));
    QCOMPARE(box(0)->text(), QStringLiteral("100"));
    QCOMPARE(box(1)->text(), QStringLiteral("100"));
    QCOMPARE(model().A1Range, 10.0f);
    QCOMPARE(model().A2Range, 10.0f);
    QCOMPARE(w->Regulator().Value(), 13.0f);
    for (Switcher *s : {&w->FirstSelector(), &w->SecondSelector(), &w->ConnectionSwitch()})
        QCOMPARE(s->Value(), 1.0f);
    QCOMPARE(w->ConnectionSwitch().Polojenii(), 4);
    QCOMPARE(w->DrawUnit(), float(control(QStringLiteral("Picture1"))->width() * kTwipsPerPixel / 100.0));
    QVERIFY(model().RecalcPending);
    // Captions from the language file: each selector names its coil.
    QVERIFY(w->Control<QLabel>(QStringLiteral("Label7"))->text().endsWith(QLatin1String("L1")));
    QVERIFY(w->Control<QLabel>(QStringLiteral("Label11"))->text().endsWith(QLatin1String("L2")));
    QVERIFY(!w->Control<QLabel>(QStringLiteral("Label10"))->text().isEmpty());
    QCOMPARE(w->Control<QLabel>(QStringLiteral("Label6(1)"))->text(), QStringLiteral("Ω"));
    QCOMPARE(w->Control<QAbstractButton>(QStringLiteral("Command6(1)"))->text(), QStringLiteral("2,5 A"));

    // Nothing moves until the breaker is closed and the regulator turned.
    for (int i = 0; i < 3; ++i)
        QTest::mouseClick(area(i), Qt::LeftButton);
    ticks(30);
    QVERIFY(!model().RecalcPending);
    QCOMPARE(model().SupplyVoltage, 0.0f);
    for (Pribor *m : {&w->A1(), &w->A2(), &w->K50()->Voltmeter(), &w->K50()->Ammeter(), &w->K50()->Wattmeter()})
        QCOMPARE(m->Value(), 0.0f);
}

void TestLab4Bench::clickAreasOverTheSchematic()
{
    const auto spots = Lab4Hotspots(grid());
    for (int i = 0; i < kLab4HotspotCount; ++i) {
        const QRectF r = spots[size_t(i)];
        const QRect px = QRectF(r.topLeft() / kTwipsPerPixel, r.size() / kTwipsPerPixel).toRect();
        QCOMPARE(area(i)->geometry(), px);
        QVERIFY(control(QStringLiteral("Picture1"))->rect().contains(px));
    }
    QVERIFY(!area(kLab4HotspotCount));
}

void TestLab4Bench::helpKeys_data()
{
    test::BenchFixture::AddHotspotKeyRows({"oSSSSS", "oS", "oS", "oAA", "oK", "oA", "oA", "oL", "oL", "oR", "oR"});
    test::BenchFixture::AddSinglePhaseControlRows(QStringLiteral("oA"));
    QTest::newRow("Command5(1)") << QStringLiteral("Command5(1)") << QStringLiteral("oSSS");
    QTest::newRow("K-50 Picture7") << QStringLiteral("Picture7") << QStringLiteral("oA");
}

void TestLab4Bench::helpKeys()
{
    QFETCH(QString, control);
    QFETCH(QString, key);
    QWidget *c = this->control(control);
    QVERIFY(c);
    QVERIFY(!c->toolTip().trimmed().isEmpty());
    model().RecalcPending = false;
    const auto before = model().SwitchState;
    const float range = model().A1Range;
    bool menu = false;
    QCOMPARE(f.RightClickKey(control, &menu), key);
    QVERIFY(menu);
    // A right click only offers help.
    QCOMPARE(model().SwitchState, before);
    QCOMPARE(model().A1Range, range);
    QVERIFY(!model().RecalcPending);
}

void TestLab4Bench::switchesOnTheSchematic()
{
    const AcGrid g = grid();
    for (int branch = 0; branch < 2; ++branch) {
        const int index = 1 + branch;
        QVERIFY(!redAt(SwitchPivot(g, branch), SwitchBladeEnd(g, branch, 1)));
        QTest::mouseClick(area(index), Qt::LeftButton);
        QCOMPARE(model().SwitchState[std::size_t(index)], std::int16_t(1));
        QVERIFY(model().RecalcPending);
        QCOMPARE(Shell::instance().HelpKey, QStringLiteral("oS"));
        QVERIFY(redAt(SwitchPivot(g, branch), SwitchBladeEnd(g, branch, 1)));
    }
    // With the breaker open nothing flows; S2 open again stops the series
    // current even with S1 closed.
    fullVoltage(); // closes the breaker and opens S1 and S2 again
    QCOMPARE(model().SwitchState, (std::array<std::int16_t, 4>{1, 0, 0, 12}));
    QTest::mouseClick(area(1), Qt::LeftButton);
    ticks(60);
    QCOMPARE(model().CircuitCurrent, 0.0f);
    QTest::mouseClick(area(2), Qt::LeftButton);
    ticks(60);
    QCOMPARE(Reading(w->A2(), 10, 3), QStringLiteral("0.887"));
}

void TestLab4Bench::connectionSwitchRewires()
{
    fullVoltage();
    // Position 1: 0.887 A through both branches and the K-50.
    QCOMPARE(Reading(w->A1(), 10, 3), QStringLiteral("0.887"));
    QCOMPARE(Reading(w->A2(), 10, 3), QStringLiteral("0.887"));
    QCOMPARE(Reading(w->K50()->Ammeter(), 5, 3), QStringLiteral("0.887"));
    const QImage before = schematic();

    f.ClickKnob(QStringLiteral("Picture14"), Qt::LeftButton);
    QCOMPARE(w->ConnectionSwitch().Value(), 2.0f);
    QVERIFY(model().RecalcPending);
    QCOMPARE(model().Connection, 1); // taken at the next tick
    ticks(1);
    QCOMPARE(model().Connection, 2);
    QCOMPARE(QString::number(double(model().CircuitCurrent), 'f', 3), QStringLiteral("1.049"));
    ticks(60);
    QCOMPARE(Reading(w->A1(), 10, 3), QStringLiteral("1.049"));
    QCOMPARE(Reading(w->K50()->Ammeter(), 5, 3), QStringLiteral("1.049"));

    // The picture changes along the joining wires of the two positions and
    // nowhere else, and the new wires are there.
    const QImage after = schematic();
    const AcGrid g = grid();
    std::vector<std::pair<QPointF, QPointF>> segments;
    for (int position : {1, 2})
        for (const auto &wire : JoiningWires(g, position).wires)
            for (std::size_t k = 1; k < wire.size(); ++k)
                segments.emplace_back(wire[k - 1] / kTwipsPerPixel, wire[k] / kTwipsPerPixel);
    const QList<QPoint> changed = test::BenchFixture::ChangedPixels(before, after);
    QVERIFY(!changed.isEmpty());
    for (const QPoint &p : changed) {
        double nearest = 1e9;
        for (const auto &[a, b] : segments)
            nearest = std::min(nearest, Distance(QPointF(p), a, b));
        QVERIFY2(nearest < 3.0, qPrintable(QStringLiteral("pixel %1,%2 changed").arg(p.x()).arg(p.y())));
    }
    const auto wires2 = JoiningWires(g, 2).wires;
    const QPoint underBranch2 = ((wires2[0][2] + wires2[0][3]) / 2 / kTwipsPerPixel).toPoint();
    int darkest = 255;
    for (int dy = -1; dy <= 1; ++dy) {
        const QPoint p = underBranch2 + QPoint(0, dy);
        QCOMPARE(before.pixelColor(p), before.pixelColor(0, 0)); // the background
        darkest = std::min(darkest, after.pixelColor(p).lightness());
    }
    QVERIFY2(darkest < 100, qPrintable(QString::number(darkest)));

    // Back to position 1 draws the first picture again.
    f.ClickKnob(QStringLiteral("Picture14"), Qt::RightButton);
    ticks(1);
    QCOMPARE(schematic(), before);
}

void TestLab4Bench::selectorsChangeOnlyTheirCoils_data()
{
    QTest::addColumn<QString>("knob");
    QTest::addColumn<int>("branch"); // whose subscript changes
    QTest::addColumn<bool>("inductances");
    QTest::newRow("second selector: coupling and coil 2's subscript") << "Picture16" << 1 << false;
    QTest::newRow("first selector: L1, L2, coupling and coil 1's subscript") << "Picture9" << 0 << true;
}

void TestLab4Bench::selectorsChangeOnlyTheirCoils()
{
    QFETCH(QString, knob);
    QFETCH(int, branch);
    QFETCH(bool, inductances);
    fullVoltage();
    const QImage before = schematic();
    const QStringList texts = f.VisibleTexts();
    const Lab4Model was = model();

    f.ClickKnob(knob, Qt::LeftButton);
    QVERIFY(model().RecalcPending);
    ticks(1);
    QCOMPARE(model().VariantSelect[std::size_t(branch)], std::int16_t(2));
    QCOMPARE(model().VariantSelect[std::size_t(1 - branch)], std::int16_t(1));
    QVERIFY(model().Coupling != was.Coupling);
    QCOMPARE(model().Inductance != was.Inductance, inductances);
    QCOMPARE(model().WindingResistance != was.WindingResistance, true); // r follows k and L
    QVERIFY(model().CircuitCurrent != was.CircuitCurrent);

    // The schematic changes only where the coil's subscript stands, and no
    // text in the window changes: the coils' values stay hidden.
    const QRect allowed = labelPixels(branch);
    const QList<QPoint> changed = test::BenchFixture::ChangedPixels(before, schematic());
    QVERIFY(!changed.isEmpty());
    for (const QPoint &p : changed)
        QVERIFY2(allowed.contains(p), qPrintable(QStringLiteral("pixel %1,%2 changed").arg(p.x()).arg(p.y())));
    QCOMPARE(f.VisibleTexts(), texts);
}

void TestLab4Bench::resistanceBoxes_data()
{
    QTest::addColumn<int>("index");
    QTest::newRow("R1") << 0;
    QTest::newRow("R2") << 1;
}

void TestLab4Bench::resistanceBoxes()
{
    QFETCH(int, index);
    float &stored = model().ExternalResistance[std::size_t(index)];
    // "0" is accepted as 0 ohm: no offset is added.
    model().RecalcPending = false;
    f.TypeInto(ArrayName(QStringLiteral("Text1"), index), QStringLiteral("0"));
    QCOMPARE(box(index)->text(), QStringLiteral("0"));
    QCOMPARE(stored, 0.0f);
    QVERIFY(model().RecalcPending);
    // The other box keeps its value.
    QCOMPARE(model().ExternalResistance[std::size_t(1 - index)], 100.0f);

    // A decimal point becomes a comma; an emptied box changes nothing; a
    // value above the cap is cut and written back.
    f.TypeInto(ArrayName(QStringLiteral("Text1"), index), QStringLiteral("12.5"));
    QCOMPARE(box(index)->text(), QStringLiteral("12,5"));
    QCOMPARE(stored, 12.5f);
    model().RecalcPending = false;
    box(index)->clear();
    QCOMPARE(stored, 12.5f);
    QVERIFY(!model().RecalcPending);
    QTest::keyClicks(box(index), QStringLiteral("2000000"));
    QCOMPARE(box(index)->text(), QStringLiteral("1000000"));
    QCOMPARE(stored, 1000000.0f);
}

void TestLab4Bench::rangeButtons()
{
    f.ClickKnob(QStringLiteral("Picture14"), Qt::LeftButton);
    f.ClickKnob(QStringLiteral("Picture14"), Qt::LeftButton); // position 3
    fullVoltage();
    model().RecalcPending = false;
    const float current = model().CircuitCurrent;
    f.Click(QStringLiteral("Command5(1)")); // A1: 2.5 A
    f.Click(QStringLiteral("Command6(0)")); // A2: 1 A
    QCOMPARE(model().A1Range, 2.5f);
    QCOMPARE(model().A2Range, 1.0f);
    QVERIFY(!model().RecalcPending);
    const QColor white(255, 255, 255);
    for (int k = 0; k < 4; ++k)
        QCOMPARE(ButtonColour(w->Ranges(0).button(k)), k == 1 ? white : OtherRangeColour());
    ticks(60);
    QCOMPARE(model().CircuitCurrent, current);
    // 2.2551 A on 2.5 A; 1.9108 A on 1 A is past the end of the scale.
    QCOMPARE(QString::number(double(w->A1().Value()), 'f', 1), QStringLiteral("90.2"));
    QVERIFY(w->A2().Value() > 100.0f);
}

void TestLab4Bench::powerDirectionTurnsTheWattmeter()
{
    f.ClickKnob(QStringLiteral("Picture14"), Qt::LeftButton);
    f.ClickKnob(QStringLiteral("Picture14"), Qt::LeftButton); // position 3: 900.02 W
    fullVoltage();
    // 900.02 W on 5 A x 450 V: 60.0 of 150 divisions.
    QCOMPARE(QString::number(double(w->K50()->Wattmeter().Value()), 'f', 1), QStringLiteral("60.0"));
    model().RecalcPending = false;
    f.Click(QStringLiteral("Command1"));
    QCOMPARE(w->K50()->PowerSign(), std::int16_t(-1));
    QVERIFY(!model().RecalcPending);
    ticks(60);
    QVERIFY(w->K50()->Wattmeter().Value() < 0.0f);
    QVERIFY(w->K50()->Ammeter().Value() > 80.0f);
    f.Click(QStringLiteral("Command1"));
    ticks(60);
    QCOMPARE(QString::number(double(w->K50()->Wattmeter().Value()), 'f', 1), QStringLiteral("60.0"));
}

void TestLab4Bench::overloadOpensTheBreakerLate()
{
    // Position 3 with R1 = R2 = 0: 14.906 A, over 5 A but short of the
    // instant trip; the breaker opens after 8 s.
    f.ClickKnob(QStringLiteral("Picture14"), Qt::LeftButton);
    f.ClickKnob(QStringLiteral("Picture14"), Qt::LeftButton);
    f.TypeInto(QStringLiteral("Text1(0)"), QStringLiteral("0"));
    f.TypeInto(QStringLiteral("Text1(1)"), QStringLiteral("0"));
    w->Regulator().setValue(1);
    for (int i = 0; i < 3; ++i)
        QTest::mouseClick(area(i), Qt::LeftButton);
    ticks(1);
    QCOMPARE(QString::number(double(model().CircuitCurrent), 'f', 3), QStringLiteral("14.906"));
    QCOMPARE(model().SwitchState[0], std::int16_t(1));
    QCOMPARE(model().Protection.OverloadStart, f.clock.now());
    f.ExpectDelayedTrip();

    // The next tick shows the breaker open and the pointers start falling.
    const float a1 = w->A1().Value();
    ticks(1);
    QCOMPARE(model().CircuitCurrent, 0.0f);
    QCOMPARE(model().Protection.OverloadStart, 0.0);
    const AcGrid g = grid();
    QVERIFY(redAt(BreakerPivot(g), BreakerBladeEnd(g, 0)));
    QVERIFY(w->A1().Value() < a1);
}

void TestLab4Bench::reloadStartsAfresh()
{
    fullVoltage();
    f.ClickKnob(QStringLiteral("Picture9"), Qt::LeftButton);
    f.ClickKnob(QStringLiteral("Picture16"), Qt::LeftButton);
    f.ClickKnob(QStringLiteral("Picture14"), Qt::LeftButton);
    f.Click(QStringLiteral("Command5(0)"));
    f.TypeInto(QStringLiteral("Text1(1)"), QStringLiteral("50"));
    ticks(5);
    f.Reopen();
    QCOMPARE(model().SwitchState, (std::array<std::int16_t, 4>{0, 0, 0, 0}));
    QCOMPARE(model().ExternalResistance, (std::array<float, 2>{100.0f, 100.0f}));
    QCOMPARE(model().VariantSelect, (std::array<std::int16_t, 2>{1, 1}));
    QCOMPARE(model().Connection, 1);
    QCOMPARE(model().A1Range, 10.0f);
    for (Switcher *s : {&w->FirstSelector(), &w->SecondSelector(), &w->ConnectionSwitch()})
        QCOMPARE(s->Value(), 1.0f);
    QCOMPARE(w->A1().Value(), 0.0f);
    // The instruments draw into the new boxes, and the bench still works.
    QCOMPARE(w->A1().Pic1(), control(QStringLiteral("Picture3")));
    QCOMPARE(w->ConnectionSwitch().Pic1(), control(QStringLiteral("Picture14")));
    fullVoltage();
    QCOMPARE(Reading(w->A1(), 10, 3), QStringLiteral("0.887"));
}

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    InstallFontSubstitutes();
    TestLab4Bench t;
    return QTest::qExec(&t, argc, argv);
}
#include "tst_lab4_bench.moc"
