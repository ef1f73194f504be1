// SPDX-License-Identifier: GPL-3.0-or-later
// The supply protection every AC bench shares, on its own: the flag and the
// start of an overload noted by each recomputation, and the per-tick check
// that opens the breaker at once above 15 A or after more than 8 seconds
// above 5 A. Each row is a run of recomputations and ticks with the
// protected current and the clock's time; the benches' own tests show only
// that each is wired to it.
#include "calc/protection.h"

#include <QList>
#include <QTest>

using namespace ohmaris;

namespace {

struct Step {
    bool recompute = false; // NoteCurrent, at the end of a recomputation
    double now = 0;         // seconds on the window's clock
    double current = 0;     // the protected current, A
    bool trip = false;      // what Check answers (ticks only)
    double start = 0;       // OverloadStart afterwards
};

// A recomputation at `now` finding `current`.
Step Recompute(double now, double current, double start)
{
    return {true, now, current, false, start};
}
// A tick at `now` with `current` flowing: does the breaker open?
Step Tick(double now, double current, bool trip, double start)
{
    return {false, now, current, trip, start};
}

} // namespace

Q_DECLARE_METATYPE(QList<Step>)

class TestProtection : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void run_data()
    {
        QTest::addColumn<QList<Step>>("steps");
        QTest::newRow("4.99 A never trips") << QList<Step>{
            Recompute(1000, 4.99, 0), Tick(1000.03, 4.99, false, 0), Tick(2000, 4.99, false, 0)};
        QTest::newRow("exactly 5 A is no overload") << QList<Step>{
            Recompute(1000, 5.0, 0), Tick(1010, 5.0, false, 0)};
        QTest::newRow("over 5 A holds through 8 s, opens after") << QList<Step>{
            Recompute(1000, 5.01, 1000), Tick(1000.03, 5.01, false, 1000), Tick(1004, 5.01, false, 1000),
            Tick(1008, 5.01, false, 1000), Tick(1008.03, 5.01, true, 1000)};
        QTest::newRow("exactly 15 A waits the 8 s") << QList<Step>{
            Recompute(1000, 15.0, 1000), Tick(1000.03, 15.0, false, 1000), Tick(1008.03, 15.0, true, 1000)};
        QTest::newRow("over 15 A opens at the first tick") << QList<Step>{
            Recompute(1000, 15.01, 1000), Tick(1000, 15.01, true, 1000)};
        QTest::newRow("over 15 A opens with no overload noted") << QList<Step>{Tick(1000, 20.0, true, 0)};
        QTest::newRow("the start is kept while the overload lasts") << QList<Step>{
            Recompute(1000, 6, 1000), Recompute(1003, 7, 1000), Tick(1008, 7, false, 1000),
            Tick(1008.03, 7, true, 1000)};
        // Below 5 A again the next tick forgets the start, and a new
        // overload gets its whole 8 s (the old start would open at 1008.03).
        QTest::newRow("an overload that ends forgets its start") << QList<Step>{
            Recompute(1000, 6, 1000), Tick(1005, 6, false, 1000), Recompute(1005.5, 4, 1000),
            Tick(1005.5, 4, false, 0), Recompute(1006, 6, 1006), Tick(1009, 6, false, 1006),
            Tick(1014, 6, false, 1006), Tick(1014.03, 6, true, 1006)};
        QTest::newRow("the open breaker's recomputation ends the overload") << QList<Step>{
            Recompute(1000, 6, 1000), Tick(1008.03, 6, true, 1000), Recompute(1008.06, 0, 1000),
            Tick(1008.06, 0, false, 0)};
        // Times compare as 32-bit floats: late in the day they step by
        // 1/128 s, so 8.003 s after 86000 is not yet more than 8 s.
        QTest::newRow("late times compare as 32-bit floats") << QList<Step>{
            Recompute(86000, 6, 86000), Tick(86008.003, 6, false, 86000), Tick(86008.004, 6, true, 86000)};
    }
    void run()
    {
        QFETCH(QList<Step>, steps);
        SupplyProtection p;
        for (qsizetype i = 0; i < steps.size(); ++i) {
            const Step &s = steps.at(i);
            const QByteArray where = QByteArray::number(i) + (s.recompute ? " recompute at " : " tick at ")
                                     + QByteArray::number(s.now, 'f', 3);
            if (s.recompute) {
                p.NoteCurrent(s.current, s.now);
                QVERIFY2(p.OverloadFlag == (s.current > SupplyProtection::kDelayedLimit ? 1 : 0), where);
            } else {
                QVERIFY2(p.Check(s.current, s.now) == s.trip, where);
            }
            QVERIFY2(p.OverloadStart == s.start, where + ": start " + QByteArray::number(p.OverloadStart, 'f', 3));
        }
    }
};

QTEST_APPLESS_MAIN(TestProtection)
#include "tst_protection.moc"
