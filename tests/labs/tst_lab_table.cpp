// The lab table and the windows it gives: each listed lab opens its own
// bench (its window name, its calculator for the same lab), and every
// target of the caption table names a real control of its window, so a
// misspelt name cannot leave a caption unwritten without a word.
#include "benchtest.h"
#include "calc/labcalc.h"
#include "i18n/captionmap.h"
#include "labs/labtable.h"
#include "shell/chooser.h"
#include "shell/labwindow.h"
#include "shell/shell.h"

#include <QAction>
#include <QSet>
#include <QTest>

using namespace ohmaris;

class TestLabTable : public QObject {
    Q_OBJECT

private:
    test::BenchFixture f;

    static QList<int> TableLabs()
    {
        QList<int> labs;
        LabTable::ForEach([&labs]<class Lab>() { labs << Lab::kNumber; });
        return labs;
    }

private Q_SLOTS:
    void cleanup() { f.Close(); }

    void entriesAreDistinctAndMatch()
    {
        QSet<int> seen;
        LabTable::ForEach([&seen]<class Lab>() {
            QVERIFY2(Lab::kNumber >= 1 && Lab::kNumber <= Chooser::LabCount, "lab number out of range");
            QVERIFY2(!seen.contains(Lab::kNumber), "lab listed twice");
            seen.insert(Lab::kNumber);
            QCOMPARE(Lab::Calc().lab, Lab::kNumber);
            QVERIFY(!Lab::Calc().inputs.empty());
            QVERIFY(bool(Lab::Calc().run));
        });
        QCOMPARE(int(seen.size()), LabTable::kCount);
    }

    void everyCaptionTargetNamesAControl_data()
    {
        QTest::addColumn<int>("lab");
        for (int lab : TableLabs())
            QTest::newRow(qPrintable(QStringLiteral("lab %1").arg(lab))) << lab;
    }
    void everyCaptionTargetNamesAControl()
    {
        QFETCH(int, lab);
        LabWindow *w = f.Open(lab);
        QVERIFY(w && w->isLoaded());
        QCOMPARE(w->form()->objectName(), LabSetup(lab).formName);
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
};

QTEST_MAIN(TestLabTable)
#include "tst_lab_table.moc"
