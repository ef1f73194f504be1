// SPDX-License-Identifier: GPL-3.0-or-later
// The lab table and the windows it gives: each listed lab opens its own
// bench with the frame settings of its entry (window name, tick, cancel
// button), its calculator is for the same lab, its caption rows write only
// its own window and its option in the chooser, and every target of the
// caption table names a real control of its window, so a misspelt name
// cannot leave a caption unwritten without a word. Read without knowing the
// lab, every bench says what is set on it, which its calculator turns into
// the model it computes, and what each of its instruments reads, under a
// name of its own.
#include "benchtest.h"
#include "calc/labcalc.h"
#include "i18n/captionmap.h"
#include "instruments/switcher.h"
#include "shell/controls.h"
#include "shell/picturebox.h"
#include "labs/labtable.h"
#include "shell/chooser.h"
#include "shell/labwindow.h"
#include "shell/shell.h"

#include <QAction>
#include <QPushButton>
#include <QSet>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cmath>

using namespace ohmaris;

class TestLabTable : public QObject {
    Q_OBJECT

private:
    test::BenchFixture f;

    static void labs_data()
    {
        QTest::addColumn<int>("lab");
        LabTable::ForEach([]<class Lab>() {
            QTest::newRow(qPrintable(QStringLiteral("lab %1").arg(Lab::kNumber))) << Lab::kNumber;
        });
    }

    static const LabCalc *CalcOf(int lab)
    {
        const LabCalc *calc = nullptr;
        LabTable::ForEach([&]<class Lab>() {
            if (Lab::kNumber == lab)
                calc = &Lab::Calc();
        });
        return calc;
    }

    // Ticks until no recomputation is due: a tick that opens a breaker
    // asks for one more.
    void Settle()
    {
        f.Ticks(5);
        for (int k = 0; k < 5 && f.window()->RecalcDue(); ++k)
            f.Ticks(1);
        QVERIFY(!f.window()->RecalcDue());
    }

    // What a student might do, found without knowing the lab: a new value
    // in every box that takes one, every knob turned back three positions
    // and on one (the regulators away from 0 V), then every click area
    // clicked once (the switches closed) and every button a student sees
    // pressed once (the sources switched on, other ranges chosen).
    void WorkTheBench()
    {
        QWidget *form = f.window()->form();
        int k = 0;
        for (ParamBox *box : form->findChildren<ParamBox *>()) {
            if (!box->isEnabled() || box->isReadOnly())
                continue;
            f.TypeInto(box->objectName(), QStringLiteral("%1,%2").arg(3 + 7 * (k % 5)).arg(k % 10));
            ++k;
        }
        f.Ticks(1);
        for (PictureBox *box : form->findChildren<PictureBox *>()) {
            if (!Switcher::IsKnobBox(box) || !box->isEnabled())
                continue;
            for (Qt::MouseButton b : {Qt::RightButton, Qt::RightButton, Qt::RightButton, Qt::LeftButton}) {
                f.ClickKnob(box->objectName(), b);
                if (f.MenuShown())
                    f.CloseMenu();
            }
        }
        f.Ticks(1);
        for (int i = 0; i < int(form->findChildren<ClickArea *>().size()); ++i)
            f.ClickHotspot(i);
        if (f.MenuShown())
            f.CloseMenu();
        for (QPushButton *b : form->findChildren<QPushButton *>())
            if (b->isVisible() && b->isEnabled())
                QTest::mouseClick(b, Qt::LeftButton);
    }

    // The bench's settings, given to its calculator, give the results its
    // model holds, each to the last bit; every input with a default is
    // among them, and nothing but inputs. Returns how many results were
    // not zero, to see that the bench was doing something.
    int CheckSettingsReproduce(const LabCalc &calc, const char *when)
    {
        LabWindow *w = f.window();
        QMap<QString, QString> args;
        for (const CalcSetting &s : w->Settings()) {
            const bool input = std::any_of(calc.inputs.begin(), calc.inputs.end(),
                                           [&s](const CalcInput &in) { return in.name == s.name; });
            [&] { QVERIFY2(input, qPrintable(QStringLiteral("%1: %2 is no input").arg(when, s.name))); }();
            args.insert(s.name, s.value);
        }
        for (const CalcInput &in : calc.inputs)
            if (!in.defaultText.isEmpty())
                [&] { QVERIFY2(args.contains(in.name), qPrintable(QStringLiteral("%1: no %2").arg(when, in.name))); }();

        const CalcResult r = calc.run(args);
        [&] { QVERIFY2(r.error.isEmpty(), qPrintable(r.error)); }();
        const Quantities bench = w->ModelResults();
        int nonZero = 0;
        for (const Quantity &q : r.outputs) {
            const Quantity *b = bench.Find(q.name);
            [&] { QVERIFY2(b, qPrintable(QStringLiteral("%1: the bench has no %2").arg(when, q.name))); }();
            if (!b)
                continue;
            [&] { QCOMPARE(b->values.size(), q.values.size()); }();
            for (std::size_t i = 0; i < std::min(q.values.size(), b->values.size()); ++i) {
                nonZero += q.values[i] != 0.0 ? 1 : 0;
                [&] {
                    QVERIFY2(b->values[i] == q.values[i],
                             qPrintable(QStringLiteral("%1: %2[%3] is %4 on the bench, %5 from its settings")
                                            .arg(when, q.name)
                                            .arg(i)
                                            .arg(b->values[i], 0, 'g', 17)
                                            .arg(q.values[i], 0, 'g', 17)));
                }();
            }
        }
        return nonZero;
    }

private Q_SLOTS:
    void cleanup() { f.Close(); }

    void entriesAreDistinctAndMatch()
    {
        QSet<QString> forms;
        LabTable::ForEach([&forms]<class Lab>() {
            const QString form = QLatin1String(Lab::kFrame.form);
            QVERIFY2(!form.isEmpty() && !forms.contains(form), qPrintable(form));
            forms.insert(form);
            QCOMPARE(Lab::Calc().lab, Lab::kNumber);
            QVERIFY(!Lab::Calc().inputs.empty());
            QVERIFY(bool(Lab::Calc().run));
        });
        QCOMPARE(int(forms.size()), kLabCount);
        QCOMPARE(Chooser::LabCount, kLabCount);
    }

    void captionRowsAreTheLabsOwn_data() { labs_data(); }
    void captionRowsAreTheLabsOwn()
    {
        QFETCH(int, lab);
        LabTable::ForEach([lab]<class Lab>() {
            if (Lab::kNumber != lab)
                return;
            std::vector<CaptionTarget> rows;
            CaptionRows captions(rows, QLatin1String(Lab::kFrame.form), lab - 1);
            Lab::Captions(captions);
            bool titled = false, listed = false;
            for (const CaptionTarget &t : rows) {
                if (t.window == QLatin1String("frmSplash")) {
                    QCOMPARE(t.control, QStringLiteral("Option1(%1)").arg(lab - 1));
                    listed = true;
                } else {
                    QCOMPARE(t.window, QLatin1String(Lab::kFrame.form));
                    titled = titled || t.role == CaptionRole::WindowTitle;
                }
            }
            QVERIFY2(titled && listed, "no title for the window and the chooser");
        });
    }

    void opensWithItsFrame_data() { labs_data(); }
    void opensWithItsFrame()
    {
        QFETCH(int, lab);
        const LabFrame &frame = LabTable::kFrames[std::size_t(lab - 1)];
        LabWindow *w = f.Open(lab);
        QVERIFY(w && w->isLoaded());
        QCOMPARE(w->form()->objectName(), QLatin1String(frame.form));
        QCOMPARE(w->timer()->interval(), frame.tickMs);
        QVERIFY(w->Control<QPushButton>(QLatin1String(frame.cancelButton)));
    }

    void everyCaptionTargetNamesAControl_data() { labs_data(); }
    void everyCaptionTargetNamesAControl()
    {
        QFETCH(int, lab);
        LabWindow *w = f.Open(lab);
        QVERIFY(w && w->isLoaded());
        QStringList missing;
        for (const CaptionTarget &t : CaptionTargets()) {
            if (t.window != w->formName() || t.control.isEmpty())
                continue;
            if (!w->form()->findChild<QWidget *>(t.control) && !w->form()->findChild<QAction *>(t.control))
                missing << t.control;
        }
        missing.removeDuplicates();
        QVERIFY2(missing.isEmpty(), qPrintable(QStringLiteral("%1 has no %2").arg(w->formName(), missing.join(", "))));
    }

    // For every bench: the settings it reports reproduce its model's
    // results through its calculator, as loaded and after it has been
    // worked (lab 7's solution: its switches closed from rest, as the
    // calculator closes them at 0 s; the values of the moment depend on
    // when that was).
    void settingsReproduceResults_data() { labs_data(); }
    void settingsReproduceResults()
    {
        QFETCH(int, lab);
        const LabCalc *calc = CalcOf(lab);
        QVERIFY(calc);
        QVERIFY(f.Open(lab));
        Settle();
        CheckSettingsReproduce(*calc, "as loaded");
        if (QTest::currentTestFailed())
            return;
        WorkTheBench();
        Settle();
        const int nonZero = CheckSettingsReproduce(*calc, "worked");
        QVERIFY2(nonZero > 0, "every result is 0: the bench was not worked");
    }

    // Every instrument reads under a name of its own, and what it reads is
    // a reading of its kind.
    void everyInstrumentNamed_data() { labs_data(); }
    void everyInstrumentNamed()
    {
        QFETCH(int, lab);
        LabWindow *w = f.Open(lab);
        QVERIFY(w);
        f.Ticks(3);
        const std::vector<InstrumentReading> readings = w->Readings();
        int instruments = 0;
        for (const PictureBox *box : w->form()->findChildren<PictureBox *>())
            instruments += box->instrument() ? 1 : 0;
        QVERIFY(instruments > 0);
        QVERIFY(int(readings.size()) >= instruments);
        QSet<QString> names;
        for (const InstrumentReading &r : readings) {
            QVERIFY2(!r.name.trimmed().isEmpty(), "an instrument without a name");
            QVERIFY2(!names.contains(r.name), qPrintable(QStringLiteral("%1 twice").arg(r.name)));
            names.insert(r.name);
            switch (r.kind) {
            case InstrumentReading::Kind::Meter:
                QVERIFY2(std::isfinite(r.value) && r.range > 0 && r.resolution > 0 && r.error > 0 && !r.unit.isEmpty(),
                         qPrintable(r.name));
                break;
            case InstrumentReading::Kind::Knob:
                QVERIFY2(r.value >= 1 && r.value <= r.range, qPrintable(r.name));
                break;
            case InstrumentReading::Kind::Indicator:
                QVERIFY2(!r.unit.isEmpty(), qPrintable(r.name));
                break;
            case InstrumentReading::Kind::Switch:
                QVERIFY2(r.value == 1 || r.value == -1, qPrintable(r.name));
                break;
            }
        }
        // The K-50 of an AC bench reads as its three meters, its phase and
        // its power direction.
        if (names.contains(QStringLiteral("K-50 phase")))
            for (const char *name : {"K-50 V", "K-50 A", "K-50 W", "K-50 direction"})
                QVERIFY2(names.contains(QLatin1String(name)), name);
        // Unloaded, a bench has no instruments to read.
        w->Unload();
        QVERIFY(w->Readings().empty());
    }
};

QTEST_MAIN(TestLabTable)
#include "tst_lab_table.moc"
