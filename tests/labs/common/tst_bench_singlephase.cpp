// SPDX-License-Identifier: GPL-3.0-or-later
// The shared single-phase bench through the windows of labs 2, 3 and 4: the
// circuit is wired to the K-50's phase A, so with the phase selector on B or
// C the K-50's three pointers fall to zero while the bench's own meters,
// which hang on the circuit, keep their readings; a right click on a knob
// turns it back and offers help only where it cannot turn or with Shift.
#include "benchtest.h"
#include "labs/common/bench_singlephase.h"
#include "labs/lab2/bench.h"
#include "labs/lab4/bench.h"
#include "shell/shell.h"

#include <QMenu>

#include <QTest>
#include <cmath>

using namespace ohmaris;

class TestBenchSinglePhase : public QObject {
    Q_OBJECT

private:
    test::BenchFixture f;

private Q_SLOTS:
    void cleanup() { f.Close(); }

    void k50ReadsOnlyPhaseA_data()
    {
        QTest::addColumn<int>("lab");
        QTest::addColumn<QList<int>>("closed"); // hotspots clicked at full voltage
        QTest::addColumn<int>("rightClicks");   // on the phase selector
        for (int clicks : {1, 2}) {
            const char *phase = clicks == 1 ? "B" : "C";
            QTest::addRow("lab 2, phase %s", phase) << 2 << QList<int>{0} << clicks;
            QTest::addRow("lab 3, phase %s", phase) << 3 << QList<int>{1, 0} << clicks;
            QTest::addRow("lab 4, phase %s", phase) << 4 << QList<int>{0, 1, 2} << clicks;
        }
    }
    void k50ReadsOnlyPhaseA()
    {
        QFETCH(int, lab);
        QFETCH(QList<int>, closed);
        QFETCH(int, rightClicks);
        auto *w = f.Open<SinglePhaseBench>(lab);
        QVERIFY(w);
        for (int index : closed)
            f.ClickHotspot(index);
        w->Regulator().setValue(1);
        w->circuit().RecalcPending = true;
        f.Ticks(100);
        QVERIFY(w->K50()->Ammeter().Value() > 10.0f);
        const float first = w->Meter(0).Value(), second = w->Meter(1).Value();

        for (int i = 0; i < rightClicks; ++i)
            f.ClickKnob(QStringLiteral("Picture11"), Qt::RightButton);
        f.CloseMenu();
        QCOMPARE(w->K50()->SelectedPhase(), 1 + rightClicks);
        f.Ticks(100);
        for (Pribor *m : {&w->K50()->Voltmeter(), &w->K50()->Ammeter(), &w->K50()->Wattmeter()})
            QVERIFY2(std::fabs(m->Value()) < 0.01f, qPrintable(m->Caption()));
        QCOMPARE(w->Meter(0).Value(), first);
        QCOMPARE(w->Meter(1).Value(), second);
    }

    void knobRightClick_data()
    {
        QTest::addColumn<int>("lab");
        QTest::addColumn<QString>("knob");
        QTest::addColumn<float>("start");
        QTest::addColumn<bool>("shift");
        QTest::addColumn<bool>("popup");
        QTest::addColumn<float>("after");
        // The variant switch of lab 2; lab 4's two coil selectors and its
        // connection switch; the regulator of both.
        QTest::newRow("lab 2 variant at 1: help") << 2 << "Picture9" << 1.0f << false << true << 1.0f;
        QTest::newRow("lab 2 variant at 2: turns back") << 2 << "Picture9" << 2.0f << false << false << 1.0f;
        QTest::newRow("lab 2 variant at 2 with Shift: help, turns") << 2 << "Picture9" << 2.0f << true << true << 1.0f;
        QTest::newRow("lab 2 regulator at 1: help") << 2 << "Picture12" << 1.0f << false << true << 1.0f;
        QTest::newRow("lab 2 regulator at 13: turns") << 2 << "Picture12" << 13.0f << false << false << 12.0f;
        for (const char *k : {"Picture9", "Picture16", "Picture14"}) {
            QTest::addRow("lab 4 %s at 1: help once", k) << 4 << k << 1.0f << false << true << 1.0f;
            QTest::addRow("lab 4 %s at 1 with Shift: help once", k) << 4 << k << 1.0f << true << true << 1.0f;
            QTest::addRow("lab 4 %s at 3: turns back", k) << 4 << k << 3.0f << false << false << 2.0f;
            QTest::addRow("lab 4 %s at 3 with Shift: help, turns", k) << 4 << k << 3.0f << true << true << 2.0f;
        }
        QTest::newRow("lab 4 regulator at 13: turns") << 4 << "Picture12" << 13.0f << false << false << 12.0f;
    }
    void knobRightClick()
    {
        QFETCH(int, lab);
        QFETCH(QString, knob);
        QFETCH(float, start);
        QFETCH(bool, shift);
        QFETCH(bool, popup);
        QFETCH(float, after);
        auto *w = f.Open<SinglePhaseBench>(lab);
        QVERIFY(w);
        Switcher *s = &w->Regulator();
        if (auto *lab2 = dynamic_cast<Lab2Window *>(w); lab2 && knob == QLatin1String("Picture9"))
            s = &lab2->VariantSwitch();
        if (auto *lab4 = dynamic_cast<Lab4Window *>(w)) {
            if (knob == QLatin1String("Picture9"))
                s = &lab4->FirstSelector();
            else if (knob == QLatin1String("Picture16"))
                s = &lab4->SecondSelector();
            else if (knob == QLatin1String("Picture14"))
                s = &lab4->ConnectionSwitch();
        }
        s->setValue(start);
        w->circuit().RecalcPending = false;
        int shown = 0;
        QObject::connect(w->contextMenu(), &QMenu::aboutToShow, w, [&shown] { ++shown; });
        f.ClickKnob(knob, Qt::RightButton, shift ? Qt::ShiftModifier : Qt::NoModifier);
        QCOMPARE(Shell::instance().HelpKey, QStringLiteral("oSS"));
        QCOMPARE(shown, popup ? 1 : 0);
        f.CloseMenu();
        QCOMPARE(s->Value(), after);
        QVERIFY(w->circuit().RecalcPending);
    }
};

QTEST_MAIN(TestBenchSinglePhase)
#include "tst_bench_singlephase.moc"
