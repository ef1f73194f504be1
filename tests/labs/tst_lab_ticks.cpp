// SPDX-License-Identifier: GPL-3.0-or-later
// Every lab window of the table, worked by the benchmark's driver (its
// switches, knobs and first box in turn), on the 1280 x 1024 screen and on
// the design one: what its ticks repaint, and what they allocate. The screen after many partial
// repaints shows what a full repaint shows; a bench at rest paints and
// allocates nothing, and comes to where its timer stops; the program's own
// tick code never allocates (Qt's bookkeeping of a repaint request aside).
#include "allocations.h"
#include "benchdrive.h"
#include "labs/labtable.h"
#include "shell/fonts.h"
#include "shell/labwindow.h"

#include <QBackingStore>
#include <QImage>
#include <QTest>

using namespace ohmaris;

namespace {

// What the window's backing store holds: what the screen shows.
QImage OnScreen(QWidget *form)
{
    QBackingStore *store = form->backingStore();
    const auto *image = store ? dynamic_cast<const QImage *>(store->paintDevice()) : nullptr;
    return image ? image->copy(QRect(QPoint(0, 0), form->size() * form->devicePixelRatio())) : QImage();
}

// Pixels that differ between what the screen shows and a full repaint of
// the window; `where` gets the first of them.
int StalePixels(QWidget *form, QPoint *where)
{
    const QImage shown = OnScreen(form);
    const QImage fresh = form->grab().toImage().convertToFormat(shown.format());
    if (shown.isNull() || shown.size() != fresh.size())
        return -1;
    int stale = 0;
    for (int y = 0; y < shown.height(); ++y) {
        const auto *a = reinterpret_cast<const QRgb *>(shown.constScanLine(y));
        const auto *b = reinterpret_cast<const QRgb *>(fresh.constScanLine(y));
        for (int x = 0; x < shown.width(); ++x)
            if (a[x] != b[x] && stale++ == 0)
                *where = QPoint(x, y);
    }
    return stale;
}

} // namespace

class TestLabTicks : public QObject {
    Q_OBJECT

    // One row per lab of the table.
    static void labs_data()
    {
        QTest::addColumn<int>("lab");
        LabTable::ForEach([]<class Lab>() {
            QTest::newRow(qPrintable(QStringLiteral("lab %1").arg(Lab::kNumber))) << Lab::kNumber;
        });
    }

private Q_SLOTS:
    void initTestCase()
    {
        InstallFontSubstitutes();
        // A build with AddressSanitizer has no counter: the repaints are
        // still checked there, the allocations only in a plain build.
        QVERIFY2(!alloc::Available() || alloc::Active(), "the counting allocator is not in use");
    }

    void screenMatchesAFullRepaint_data() { labs_data(); }
    void screenMatchesAFullRepaint()
    {
        QFETCH(int, lab);
        bench::LabDriver d(lab);
        QVERIFY(d.window() && d.window()->isLoaded());
        QVERIFY(d.inputCount() > 0);
        // Looked at every few ticks while busy, and once at rest: a part
        // that changed and was not repainted would still show its old look.
        for (int look = 0; look < 12; ++look) {
            for (int k = 0; k < 23; ++k)
                d.Busy();
            QPoint at;
            const int stale = StalePixels(d.window()->form(), &at);
            QVERIFY2(stale == 0, qPrintable(QStringLiteral("look %1: %2 stale pixels, the first at (%3, %4)")
                                                .arg(look)
                                                .arg(stale)
                                                .arg(at.x())
                                                .arg(at.y())));
        }
        QVERIFY(d.Settle(20000) > 0);
        QPoint at;
        QCOMPARE(StalePixels(d.window()->form(), &at), 0);
    }

    void restPaintsAndAllocatesNothing_data() { labs_data(); }
    void restPaintsAndAllocatesNothing()
    {
        QFETCH(int, lab);
        bench::LabDriver d(lab);
        QVERIFY(d.window());
        for (int k = 0; k < 300; ++k)
            d.Busy();
        // Pointers stop within a few hundred ticks, the oscilloscope once
        // its trace no longer changes; the window's timer stops once the
        // transient has run out as well, and from then on it stays at rest.
        int timerRest = -1;
        const int settled = d.Settle(20000, 50, &timerRest);
        QVERIFY2(settled > 0, "the bench never came to rest");
        QVERIFY2(timerRest > 0, "the window never said that nothing was due");
        for (int k = 0; k < 200; ++k) {
            const bench::TickCost c = d.Rest();
            QVERIFY(d.window()->AtRest());
            QCOMPARE(c.paints, 0);
            if (!alloc::Available())
                continue;
            QCOMPARE(c.tickAllocs.total, std::int64_t(0));
            QCOMPARE(c.paintAllocs, std::int64_t(0));
        }
    }

    void tickCodeAllocatesNothing_data() { labs_data(); }
    void tickCodeAllocatesNothing()
    {
        QFETCH(int, lab);
        bench::LabDriver d(lab);
        QVERIFY(d.window());
        if (!alloc::Available())
            QSKIP("no allocation counter beside AddressSanitizer");
        for (int k = 0; k < 50; ++k)
            d.Busy();
        std::int64_t requests = 0;
        for (int k = 0; k < 300; ++k) {
            const bench::LabDriver::BusyTick t = d.Busy(true);
            QCOMPARE(t.cost.tickAllocs.own(), std::int64_t(0));
            requests += t.cost.tickAllocs.repaintRequest;
        }
        // The busy bench did ask for repaints: the count saw the tick work.
        QVERIFY(requests > 0);
    }
};

QTEST_MAIN(TestLabTicks)
#include "tst_lab_ticks.moc"
