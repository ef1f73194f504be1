// SPDX-License-Identifier: GPL-3.0-or-later
// Lab 4 schematic geometry: the click areas over their elements and the
// blades inside them, and the circuit the joining wires of each connection
// draw. The wires are read as a teacher reads them (wires meeting end to
// end or at a dot are joined, wires crossing without a dot are not), and
// the circuit found, with the winding dots, must be the one the model
// computes: series or parallel, M added or subtracted.
#include "labs/lab4/layout.h"
#include "labs/lab4/model.h"

#include <QLineF>
#include <QtTest>
#include <cmath>
#include <map>
#include <numeric>

using namespace ohmaris;

namespace {

// The design Picture1: 11175 x 4215 twips, u = width / 100.
AcGrid Grid() { return Lab4Grid(111.75, 4215); }

constexpr double kNear = 1.0; // twips

bool Same(QPointF a, QPointF b) { return QLineF(a, b).length() < kNear; }

// Whether `p` lies on the segment a-b.
bool OnSegment(QPointF p, QPointF a, QPointF b)
{
    const QLineF ab(a, b);
    return std::abs(QLineF(a, p).length() + QLineF(p, b).length() - ab.length()) < kNear;
}

bool OnWire(QPointF p, const std::vector<QPointF> &wire)
{
    for (std::size_t k = 1; k < wire.size(); ++k)
        if (OnSegment(p, wire[k - 1], wire[k]))
            return true;
    return false;
}

bool IsEndOf(QPointF p, const std::vector<QPointF> &wire)
{
    return Same(p, wire.front()) || Same(p, wire.back());
}

bool HasDot(const Lab4Joining &j, QPointF p)
{
    for (const QPointF &d : j.dots)
        if (Same(d, p))
            return true;
    return false;
}

// Whether segments a and b share a point other than the ends of b.
bool Touches(const QLineF &a, const QLineF &b)
{
    QPointF at;
    if (a.intersects(b, &at) == QLineF::BoundedIntersection)
        return !Same(at, b.p1()) && !Same(at, b.p2());
    // Parallel: touching only when they lie on one line and overlap.
    const auto along = [&](QPointF p) { return OnSegment(p, b.p1(), b.p2()) && !Same(p, b.p1()) && !Same(p, b.p2()); };
    return along(a.p1()) || along(a.p2()) || OnSegment(b.center(), a.p1(), a.p2());
}

// Nodes the drawing can join: the two rails and the four free branch ends.
enum Node { Top, Bottom, End1, Start2, End2, kNodes };

struct Circuit {
    std::array<int, kNodes> group{}; // nodes with the same number are joined
    QStringList faults;
    bool joined(Node a, Node b) const { return group[a] == group[b]; }
};

Circuit Read(const AcGrid &g, const Lab4Joining &j)
{
    const Lab4Terminals t = Lab4Ends(g);
    // The rails and the branch ends are wires too: the top rail a segment,
    // the others single points.
    std::vector<std::vector<QPointF>> wires{{t.topRail.p1(), t.topRail.p2()}, {t.bottom}, {t.end1}, {t.start2},
                                            {t.end2}};
    for (const auto &w : j.wires)
        wires.push_back(w);
    std::vector<int> parent(wires.size());
    std::iota(parent.begin(), parent.end(), 0);
    const auto find = [&](int x) {
        while (parent[std::size_t(x)] != x)
            x = parent[std::size_t(x)];
        return x;
    };
    Circuit c;
    for (std::size_t a = 0; a < wires.size(); ++a)
        for (std::size_t b = 0; b < wires.size(); ++b) {
            if (a == b)
                continue;
            // An end of `a` on `b` joins them; in the middle of `b` only at a dot.
            for (const QPointF &p : {wires[a].front(), wires[a].back()}) {
                if (wires[b].size() == 1 ? !Same(p, wires[b].front()) : !OnWire(p, wires[b]))
                    continue;
                const bool tee = wires[b].size() > 1 && !IsEndOf(p, wires[b]);
                if (tee && !HasDot(j, p))
                    c.faults << QStringLiteral("a wire ends on another at (%1, %2) without a dot")
                                    .arg(p.x() / g.u).arg(p.y() / g.u);
                parent[std::size_t(find(int(a)))] = find(int(b));
            }
        }
    for (int n = 0; n < kNodes; ++n)
        c.group[std::size_t(n)] = find(n);
    // No joining wire runs over a branch, whose elements stand between its
    // ends.
    const std::array<QLineF, 2> branches{QLineF(t.topRail.p2(), t.end1), QLineF(t.start2, t.end2)};
    for (const auto &w : j.wires)
        for (std::size_t k = 1; k < w.size(); ++k)
            for (const QLineF &b : branches)
                if (Touches(QLineF(w[k - 1], w[k]), b))
                    c.faults << QStringLiteral("a joining wire from (%1, %2) runs over a branch")
                                    .arg(w[k - 1].x() / g.u).arg(w[k - 1].y() / g.u);
    // Every dot marks a place where wires meet.
    for (const QPointF &d : j.dots) {
        int wiresThere = 0;
        for (const auto &w : wires)
            wiresThere += (w.size() > 1 ? OnWire(d, w) : Same(d, w.front())) ? 1 : 0;
        if (wiresThere < 2)
            c.faults << QStringLiteral("a dot at (%1, %2) joins nothing").arg(d.x() / g.u).arg(d.y() / g.u);
    }
    return c;
}

} // namespace

class TestLab4Layout : public QObject {
    Q_OBJECT
private slots:
    void clickAreas();
    void connections_data();
    void connections();
};

void TestLab4Layout::clickAreas()
{
    const AcGrid g = Grid();
    const double u = g.u, h = g.h;
    QCOMPARE(g.y0, h - 4 * u);
    QCOMPARE(g.y1, h - 32 * u);
    const auto spots = Lab4Hotspots(g);
    const auto near = [](const QRectF &a, const QRectF &b) {
        return QLineF(a.topLeft(), b.topLeft()).length() < 1e-6 && std::abs(a.width() - b.width()) < 1e-6
               && std::abs(a.height() - b.height()) < 1e-6;
    };
    QVERIFY(near(spots[0], QRectF(10 * u, h - 35.6 * u, 6 * u, 6 * u))); // breaker
    QCOMPARE(spots[3].left(), 18 * u);                                    // regulator
    QCOMPARE(spots[4].left(), 28 * u);                                    // K-50
    for (int i : {5, 6}) {                                                // ammeters
        QCOMPARE(spots[std::size_t(i)].left(), 58 * u);
        QCOMPARE(spots[std::size_t(i)].size(), QSizeF(5.6 * u, 5.6 * u));
    }
    QVERIFY(near(spots[7], QRectF(66 * u, spots[7].top(), 12 * u, 4 * u))); // coil 1
    const QRectF picture(0, 0, 100 * u, h);
    for (const QRectF &r : spots)
        QVERIFY(picture.contains(r));
    // Each switch blade, open and closed, and each winding dot lies in its
    // element's click area; the branches do not share one.
    for (int branch = 0; branch < 2; ++branch) {
        const QRectF sw = spots[std::size_t(1 + branch)];
        for (int s : {0, 1})
            QVERIFY(sw.contains(SwitchPivot(g, branch)) && sw.contains(SwitchBladeEnd(g, branch, s)));
        QVERIFY(spots[std::size_t(7 + branch)].contains(WindingDot(g, branch)));
        QVERIFY(!spots[std::size_t(7 + branch)].intersects(spots[std::size_t(8 - branch)]));
    }
}

void TestLab4Layout::connections_data()
{
    QTest::addColumn<int>("position");
    for (int p = 1; p <= 4; ++p)
        QTest::addRow("position %d", p) << p;
}

void TestLab4Layout::connections()
{
    QFETCH(int, position);
    const AcGrid g = Grid();
    const Circuit c = Read(g, JoiningWires(g, position));
    QVERIFY2(c.faults.isEmpty(), qPrintable(c.faults.join(QStringLiteral("; "))));
    // The supply is never shorted and no end is left hanging.
    QVERIFY(!c.joined(Top, Bottom));
    for (Node n : {End1, Start2, End2})
        QVERIFY2(c.joined(n, Top) || c.joined(n, Bottom) || c.joined(n, End1) || c.joined(n, Start2)
                     || c.joined(n, End2),
                 qPrintable(QString::number(int(n))));

    // Coil 1 starts at its left end, coil 2 at its right end.
    QVERIFY(WindingDot(g, 0).x() < g.X(lab4::kCoilRight) - g.X(6));
    QVERIFY(WindingDot(g, 1).x() > g.X(lab4::kCoilLeft) + g.X(6));

    // Where each winding's start and finish are joined. Branch 1 begins on
    // the top rail, so the current enters coil 1 at its start.
    const bool parallel = c.joined(End1, Bottom);
    QCOMPARE(parallel, Lab4Model::IsParallel(position));
    bool aiding = false;
    if (parallel) {
        // Both branches between the rails; coil 2 aids when its start (the
        // right end) is on the top rail, as coil 1's is.
        QVERIFY(c.joined(Start2, Top) != c.joined(End2, Top));
        QVERIFY(c.joined(Start2, Bottom) != c.joined(End2, Bottom));
        aiding = c.joined(End2, Top);
    } else {
        // One path: branch 1 into one end of branch 2, the other end to the
        // bottom rail. The current enters coil 2 at its start when branch 1
        // feeds its right end.
        QVERIFY(c.joined(End1, End2) != c.joined(End1, Start2));
        QVERIFY(c.joined(Start2, Bottom) != c.joined(End2, Bottom));
        QVERIFY(!c.joined(End1, Bottom) && !c.joined(End1, Top));
        aiding = c.joined(End1, End2);
    }
    // M adds where the model takes s = +1 in series; in parallel the model's
    // s = +1 (position 3) is the opposing connection.
    QCOMPARE(aiding, position == 1 || position == 4);
    QCOMPARE(Lab4Model::Sign(position), position == 1 || position == 3 ? 1 : -1);
}

QTEST_GUILESS_MAIN(TestLab4Layout)
#include "tst_lab4_layout.moc"
