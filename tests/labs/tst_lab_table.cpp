// The lab table and the windows it gives: each listed lab opens its own
// bench with the frame settings of its entry (window name, tick, cancel
// button), its calculator is for the same lab, its caption rows write only
// its own window and its option in the chooser, and every target of the
// caption table names a real control of its window, so a misspelt name
// cannot leave a caption unwritten without a word.
#include "benchtest.h"
#include "calc/labcalc.h"
#include "i18n/captionmap.h"
#include "labs/labtable.h"
#include "shell/chooser.h"
#include "shell/labwindow.h"
#include "shell/shell.h"

#include <QAction>
#include <QPushButton>
#include <QSet>
#include <QTest>
#include <QTimer>

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
};

QTEST_MAIN(TestLabTable)
#include "tst_lab_table.moc"
