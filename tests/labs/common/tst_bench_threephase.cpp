// SPDX-License-Identifier: GPL-3.0-or-later
// The shared three-phase bench through the windows of labs 5 and 6: every
// click area sets its element's help key; a left click opens or closes the
// switches and nothing else, a right click only offers help.
#include "benchtest.h"
#include "labs/common/bench_threephase.h"
#include "shell/shell.h"

#include <QTest>
#include <vector>

using namespace ohmaris;

class TestBenchThreePhase : public QObject {
    Q_OBJECT

private:
    test::BenchFixture f;

    static std::vector<std::int16_t> Switches(ThreePhaseCircuit &c)
    {
        std::vector<std::int16_t> s;
        for (int k = 0; k < c.SwitchCount(); ++k)
            s.push_back(c.Switch(k));
        return s;
    }

private Q_SLOTS:
    void cleanup() { f.Close(); }

    void clickAreas_data()
    {
        QTest::addColumn<int>("lab");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("key");
        // The help key of each click area, lab 5 (star) and lab 6 (delta).
        const QStringList star{"oSSSSS", "oS", "oS", "oS", "oS", "oK", "oR", "oR", "oR",
                               "oL",     "oL", "oL", "oC", "oC", "oC", "oV", "oA"};
        const QStringList delta{"oSSSSS", "oS", "oS", "oS", "oS", "oS", "oS", "oK", "oA", "oA",
                                "oA",     "oR", "oR", "oR", "oL", "oL", "oL", "oC", "oC", "oC"};
        for (auto [lab, keys] : {std::pair{5, star}, std::pair{6, delta}})
            for (int i = 0; i < keys.size(); ++i)
                QTest::addRow("lab %d Image1(%d)", lab, i) << lab << i << keys[i];
    }
    void clickAreas()
    {
        QFETCH(int, lab);
        QFETCH(int, index);
        QFETCH(QString, key);
        auto *w = f.Open<ThreePhaseBench>(lab);
        QVERIFY(w);
        ThreePhaseCircuit &c = w->circuit();
        f.Ticks(120);
        QVERIFY(!c.RecalcPending);

        // Left: the help key, and only the switches toggle.
        QTest::mouseClick(f.Area(index), Qt::LeftButton);
        QCOMPARE(Shell::instance().HelpKey, key);
        std::vector<std::int16_t> expected(std::size_t(c.SwitchCount()), 0);
        const bool isSwitch = index < c.SwitchCount();
        if (isSwitch)
            expected[std::size_t(index)] = 1;
        QCOMPARE(Switches(c), expected);
        QCOMPARE(c.RecalcPending, isSwitch);
        QVERIFY(!f.MenuShown());

        // Right: the help key and the pop-up, never a toggle.
        Shell::instance().HelpKey.clear();
        QTest::mouseClick(f.Area(index), Qt::RightButton);
        QCOMPARE(Shell::instance().HelpKey, key);
        QCOMPARE(Switches(c), expected);
        QTRY_VERIFY(f.MenuShown());
        f.CloseMenu();
    }
};

QTEST_MAIN(TestBenchThreePhase)
#include "tst_bench_threephase.moc"
