// SPDX-License-Identifier: GPL-3.0-or-later
// The phasor diagrams of labs 2 to 6 against their models: the arrows the
// drawing routine lays out have the models' magnitudes over the stated
// scales and the models' angles, start where they are meant to, stay on the
// grid, and their labels cover neither each other nor other arrows; the
// models' phasors obey Kirchhoff's laws and carry the very magnitudes their
// results print. And lab 8's spectrum against its model's samples.
#include "diagrams/diagrampaint.h"
#include "labs/lab2/lab.h"
#include "labs/lab3/lab.h"
#include "labs/lab4/lab.h"
#include "labs/lab5/lab.h"
#include "labs/lab6/lab.h"
#include "labs/lab8/lab.h"
#include "calc/labcalc.h"

#include <QTest>
#include <cmath>
#include <complex>
#include <map>

using namespace ohmaris;

namespace {

using Complex = std::complex<double>;

const LabCalc &CalcOf(int lab)
{
    static const std::map<int, const LabCalc *> labs{{2, &Lab2::Calc()}, {3, &Lab3::Calc()}, {4, &Lab4::Calc()},
                                                      {5, &Lab5::Calc()}, {6, &Lab6::Calc()}, {8, &Lab8::Calc()}};
    return *labs.at(lab);
}

CalcResult RunLab(int lab, const QStringList &args)
{
    QMap<QString, QString> map;
    for (const QString &a : args)
        map.insert(a.section('=', 0, 0), a.section('=', 1));
    return CalcOf(lab).run(map);
}

Complex Value(Phasor p)
{
    return std::polar(double(p.Magnitude), p.Angle);
}

int Index(const PhasorDiagram &d, const QString &symbol)
{
    for (std::size_t i = 0; i < d.phasors.size(); ++i)
        if (d.phasors[i].symbol == symbol)
            return int(i);
    return -1;
}

Complex Of(const PhasorDiagram &d, const QString &symbol)
{
    const int i = Index(d, symbol);
    return i < 0 ? Complex(std::nan(""), 0) : Value(d.phasors[std::size_t(i)].value);
}

double Result(const CalcResult &r, const QString &name, std::size_t element = 0)
{
    const Quantity *q = r.outputs.Find(name);
    return q ? q->value(element) : std::nan("");
}

// Equal within the 32-bit rounding of the models' steps (a microvolt or
// microampere where everything is about zero).
bool Near(Complex a, Complex b, double scale)
{
    return std::abs(a - b) <= 2e-5 * scale + 1e-6;
}

} // namespace

class TestPhasorDiagram : public QObject {
    Q_OBJECT

private slots:
    void arrowsFollowTheModel_data();
    void arrowsFollowTheModel();
    void phasorsObeyTheCircuit_data();
    void phasorsObeyTheCircuit();
    void scales_data();
    void scales();
    void spectrumFollowsTheModel();
};

void TestPhasorDiagram::arrowsFollowTheModel_data()
{
    QTest::addColumn<int>("lab");
    QTest::addColumn<QStringList>("args");
    QTest::newRow("lab 2 variant 1") << 2 << QStringList{"step=12", "SF=1"};
    QTest::newRow("lab 2 resonance") << 2 << QStringList{"variant=6", "step=12", "SF=1", "C=40.53"};
    QTest::newRow("lab 2 bypass closed") << 2 << QStringList{"step=12", "SF=1", "S=1"};
    QTest::newRow("lab 2 breaker open") << 2 << QStringList{"step=12"};
    QTest::newRow("lab 3 capacitor in") << 3 << QStringList{"step=12", "SF=1", "S=1"};
    QTest::newRow("lab 3 current resonance") << 3 << QStringList{"step=12", "SF=1", "S=1", "C=11.8536"};
    QTest::newRow("lab 4 series aiding") << 4 << QStringList{"step=12", "SF=1", "S1=1", "S2=1", "conn=1"};
    QTest::newRow("lab 4 parallel opposing") << 4 << QStringList{"step=12", "SF=1", "S1=1", "S2=1", "conn=3"};
    QTest::newRow("lab 4 parallel, S2 open") << 4 << QStringList{"step=12", "SF=1", "S1=1", "conn=4"};
    QTest::newRow("lab 5 balanced, neutral") << 5 << QStringList{"S0=1", "S1=1", "S2=1", "S3=1", "S4=1"};
    QTest::newRow("lab 5 phase C open") << 5 << QStringList{"S0=1", "S1=1", "S2=1"};
    QTest::newRow("lab 5 phase A only") << 5 << QStringList{"S0=1", "S1=1"};
    QTest::newRow("lab 5 phase A shorted, no neutral")
        << 5 << QStringList{"S0=1", "S1=1", "S2=1", "S3=1", "RA=10", "XLA=0", "XCA=0"};
    QTest::newRow("lab 6 balanced") << 6 << QStringList{"S0=1", "S1=1", "S2=1", "S3=1", "S4=1", "S5=1", "S6=1"};
    QTest::newRow("lab 6 line A broken") << 6 << QStringList{"S0=1", "S2=1", "S3=1", "S4=1", "S5=1", "S6=1"};
    QTest::newRow("lab 6 branch AB open") << 6 << QStringList{"S0=1", "S1=1", "S2=1", "S3=1", "S5=1", "S6=1"};
}

void TestPhasorDiagram::arrowsFollowTheModel()
{
    QFETCH(int, lab);
    QFETCH(QStringList, args);
    const CalcResult r = RunLab(lab, args);
    QVERIFY2(r.error.isEmpty(), qPrintable(r.error));
    const PhasorDiagram &d = r.phasors;
    QCOMPARE(d.lab, lab);
    QVERIFY(!d.phasors.empty());

    for (const QString lang : {"en", "ru"}) {
        const QLocale numbers = lang == QLatin1String("ru") ? QLocale(QLocale::Russian) : QLocale(QLocale::English);
        const QRectF page(QPointF(0, 0), DiagramPageSize());
        const PhasorPicture pic = ArrangePhasorDiagram(d, {QStringLiteral("state"), numbers}, page);
        const PhasorLayout &lay = pic.layout;
        QCOMPARE(lay.arrows.size(), d.phasors.size());
        QVERIFY(lay.voltsPerDivision > 0 && lay.ampsPerDivision > 0);

        std::vector<QRectF> labels;
        for (std::size_t i = 0; i < d.phasors.size(); ++i) {
            const NamedPhasor &p = d.phasors[i];
            const PhasorArrow &a = lay.arrows[i];
            const double scale = p.kind == NamedPhasor::Kind::Voltage ? lay.voltsPerDivision : lay.ampsPerDivision;
            const QString what = QStringLiteral("%1 (%2)").arg(p.symbol, lang);
            // Starts at the origin or at the tip of the phasor it adds to.
            const QPointF tail = p.tail < 0 ? QPointF() : lay.arrows[std::size_t(p.tail)].tip;
            QVERIFY2(a.tail == tail, qPrintable(what));
            const QPointF along = a.tip - a.tail;
            const double length = std::hypot(along.x(), along.y());
            QCOMPARE(a.drawn, double(p.value.Magnitude) / scale > 1e-3);
            if (!a.drawn)
                continue;
            // Length over scale is the magnitude; the direction is the angle.
            QVERIFY2(std::abs(length * scale - double(p.value.Magnitude)) <= 1e-9 * double(p.value.Magnitude),
                     qPrintable(what));
            const double turn = std::remainder(std::atan2(along.y(), along.x()) - p.value.Angle, 2 * M_PI);
            QVERIFY2(std::abs(turn) < 1e-9, qPrintable(QStringLiteral("%1 off by %2 rad").arg(what).arg(turn)));
            // On the grid.
            QVERIFY2(std::hypot(a.tip.x(), a.tip.y()) <= lay.divisions + 1e-9, qPrintable(what));
            // The label says the phasor's magnitude.
            QVERIFY2(pic.labels[i].contains(DiagramNumber(double(p.value.Magnitude), 4, numbers)), qPrintable(what));
            // Labels cover no other label and no other arrow; they stay on
            // the page.
            for (const QRectF &other : labels)
                QVERIFY2(!other.intersects(a.label), qPrintable(what + " covers a label"));
            for (std::size_t j = 0; j < d.phasors.size(); ++j) {
                const PhasorArrow &b = lay.arrows[j];
                if (j == i || !b.drawn)
                    continue;
                // Sampled along the other arrow.
                for (int k = 0; k <= 50; ++k) {
                    const QPointF point = b.tail + (b.tip - b.tail) * (k / 50.0);
                    QVERIFY2(!a.label.contains(point),
                             qPrintable(QStringLiteral("%1's label covers %2").arg(what, d.phasors[j].symbol)));
                }
            }
            labels.push_back(a.label);
            const QPointF topLeft = pic.ToPage({a.label.left(), a.label.top() + a.label.height()});
            const QRectF onPage(topLeft, a.label.size() * pic.pixelsPerDivision);
            QVERIFY2(page.contains(onPage), qPrintable(what));
        }
    }
}

void TestPhasorDiagram::phasorsObeyTheCircuit_data()
{
    arrowsFollowTheModel_data();
}

void TestPhasorDiagram::phasorsObeyTheCircuit()
{
    QFETCH(int, lab);
    QFETCH(QStringList, args);
    const CalcResult r = RunLab(lab, args);
    const PhasorDiagram &d = r.phasors;
    const auto magnitude = [&d](const QString &s) { return std::abs(Of(d, s)); };
    const auto check = [](bool ok, const char *law) { QVERIFY2(ok, law); };

    switch (lab) {
    case 2: {
        // The voltmeters' readings, the supply at 0, and U = U_1 + U_2,
        // U_1 = U_R + U_L.
        QCOMPARE(float(magnitude("U")), float(Result(r, "SupplyVoltage")));
        QCOMPARE(float(magnitude("I")), float(Result(r, "CircuitCurrent")));
        QCOMPARE(float(magnitude("U_1")), float(Result(r, "CoilVoltage")));
        QCOMPARE(float(magnitude("U_2")), float(Result(r, "CapacitorVoltage")));
        QCOMPARE(std::arg(Of(d, "U")), 0.0);
        const double u = magnitude("U");
        check(Near(Of(d, "U_1") + Of(d, "U_2"), Of(d, "U"), u), "U = U_1 + U_2");
        check(Near(Of(d, "U_R") + Of(d, "U_L"), Of(d, "U_1"), u), "U_1 = U_R + U_L");
        // The active power is U I cos(phi).
        check(std::abs((Of(d, "U") * std::conj(Of(d, "I"))).real() - Result(r, "ActivePower")) <= 1e-4 * std::max(1.0, Result(r, "ActivePower")),
              "P = Re(U I*)");
        break;
    }
    case 3: {
        QCOMPARE(float(magnitude("I")), float(Result(r, "CircuitCurrent")));
        QCOMPARE(float(magnitude("I_1")), float(Result(r, "CoilCurrent")));
        QCOMPARE(float(magnitude("I_2")), float(Result(r, "CapacitorCurrent")));
        check(Near(Of(d, "I_1") + Of(d, "I_2"), Of(d, "I"), magnitude("I_1") + magnitude("I_2")), "I = I_1 + I_2");
        break;
    }
    case 4: {
        QCOMPARE(float(magnitude("I")), float(Result(r, "CircuitCurrent")));
        const double p = (Of(d, "U") * std::conj(Of(d, "I"))).real();
        check(std::abs(p - Result(r, "ActivePower")) <= 1e-4 * std::max(1.0, Result(r, "ActivePower")), "P = Re(U I*)");
        if (Index(d, "U_1") >= 0) // in series
            check(Near(Of(d, "U_1") + Of(d, "U_2"), Of(d, "U"), magnitude("U")), "U = U_1 + U_2");
        else
            check(Near(Of(d, "I_1") + Of(d, "I_2"), Of(d, "I"), magnitude("I_1") + magnitude("I_2")), "I = I_1 + I_2");
        break;
    }
    case 5: {
        const Complex sum = Of(d, "I_A") + Of(d, "I_B") + Of(d, "I_C");
        const double scale = magnitude("I_A") + magnitude("I_B") + magnitude("I_C");
        for (int k = 0; k < 3; ++k)
            QCOMPARE(float(magnitude(QStringLiteral("I_%1").arg(QChar('A' + k)))), float(Result(r, "PhaseCurrent", k)));
        if (Index(d, "I_N") >= 0) {
            check(Near(sum, Of(d, "I_N"), scale), "I_N = I_A + I_B + I_C");
            QCOMPARE(float(magnitude("I_N")), float(Result(r, "NeutralCurrent")));
        } else {
            check(Near(sum, 0.0, scale), "I_A + I_B + I_C = 0 without the neutral wire");
        }
        if (Index(d, "U_N") >= 0) {
            QCOMPARE(float(magnitude("U_N")), float(Result(r, "NeutralVoltage")));
            // Each load voltage runs from the shifted star point to its
            // phase: U_N + U_a = U_A.
            for (const char *k : {"A", "B", "C"})
                check(Near(Of(d, "U_N") + Of(d, QStringLiteral("U_%1").arg(QString(QLatin1String(k)).toLower())),
                           Of(d, QStringLiteral("U_%1").arg(QLatin1String(k))), magnitude("U_A")),
                      "U_N + U_k = U_K");
        }
        break;
    }
    case 6: {
        for (int k = 0; k < 3; ++k) {
            const QString line = QStringLiteral("I_%1").arg(QChar('A' + k));
            QCOMPARE(float(magnitude(line)), float(Result(r, "LineCurrent", k)));
        }
        const double scale = magnitude("I_AB") + magnitude("I_BC") + magnitude("I_CA");
        check(Near(Of(d, "I_AB") - Of(d, "I_CA"), Of(d, "I_A"), scale), "I_A = I_AB - I_CA");
        check(Near(Of(d, "I_BC") - Of(d, "I_AB"), Of(d, "I_B"), scale), "I_B = I_BC - I_AB");
        check(Near(Of(d, "I_CA") - Of(d, "I_BC"), Of(d, "I_C"), scale), "I_C = I_CA - I_BC");
        check(Near(Of(d, "U_AB") + Of(d, "U_BC") + Of(d, "U_CA"), 0.0, magnitude("U_AB")), "line voltages close");
        break;
    }
    default:
        QFAIL("no laws for this lab");
    }
}

void TestPhasorDiagram::scales_data()
{
    QTest::addColumn<double>("atLeast");
    QTest::addColumn<double>("scale");
    QTest::newRow("exact") << 2.0 << 2.0;
    QTest::newRow("between 2.5 and 3") << 2.6 << 3.0;
    QTest::newRow("lab 2's 258.6 V over 5 divisions") << 51.72 << 60.0;
    QTest::newRow("next decade") << 8.5 << 10.0;
    QTest::newRow("small") << 0.0013 << 0.0015;
    QTest::newRow("nothing") << 0.0 << 1.0;
}

void TestPhasorDiagram::scales()
{
    QFETCH(double, atLeast);
    QFETCH(double, scale);
    QCOMPARE(NiceScale(atLeast), scale);
}

void TestPhasorDiagram::spectrumFollowsTheModel()
{
    // E1 alone: one line, whose load amplitude is the peak of the samples.
    CalcResult r = RunLab(8, {"on1=1", "S5=1"});
    QCOMPARE(r.spectrum.lines.size(), std::size_t(1));
    const SpectrumLine &only = r.spectrum.lines[0];
    QCOMPARE(only.multiple, 1.0);
    QCOMPARE(only.sources, QStringLiteral("E1"));
    QCOMPARE(float(only.sourceAmplitude), 36.00001f);
    double peak = 0;
    for (double v : r.outputs.Find(QStringLiteral("VoltageWave"))->values)
        peak = std::max(peak, std::abs(v));
    // 101 samples catch the crest within cos(pi / 100).
    QVERIFY2(peak <= only.loadAmplitude * 1.000001 && peak >= only.loadAmplitude * std::cos(M_PI / 100),
             qPrintable(QStringLiteral("peak %1, amplitude %2").arg(peak).arg(only.loadAmplitude)));

    // All four: rising frequencies, the filter takes the higher ones down.
    r = RunLab(8, {"on1=1", "on2=1", "on3=1", "on4=1", "S1=1", "S2=0", "S3=0", "S4=1", "S5=1"});
    const std::vector<SpectrumLine> &lines = r.spectrum.lines;
    QCOMPARE(lines.size(), std::size_t(4));
    const double multiples[] = {1, 3, 5, 7};
    for (std::size_t i = 0; i < 4; ++i) {
        QCOMPARE(lines[i].multiple, multiples[i]);
        QCOMPARE(lines[i].sources, QStringLiteral("E%1").arg(i + 1));
        QVERIFY(lines[i].loadAmplitude < lines[i].sourceAmplitude);
    }
    QVERIFY(lines[3].loadAmplitude / lines[3].sourceAmplitude < lines[0].loadAmplitude / lines[0].sourceAmplitude);
    // The bars: heights over the scale are the amplitudes, all on the grid.
    const SpectrumLayout lay = ArrangeSpectrum(r.spectrum, {}, QRectF(QPointF(), DiagramPageSize())).layout;
    for (std::size_t i = 0; i < 4; ++i) {
        QCOMPARE(lay.sourceBars[i].height() * lay.voltsPerDivision, lines[i].sourceAmplitude);
        QCOMPARE(lay.loadBars[i].height() * lay.voltsPerDivision, lines[i].loadAmplitude);
        QVERIFY(lay.sourceBars[i].height() <= lay.divisions);
        QVERIFY(!lay.sourceBars[i].intersects(lay.loadBars[i]));
    }

    // Two sources at one frequency add as phasors: E2 at 180 degrees
    // against E1, both at 50 Hz, leaves 36 - 4 = 32 V.
    r = RunLab(8, {"on1=1", "on2=1", "k2=1"});
    QCOMPARE(r.spectrum.lines.size(), std::size_t(1));
    QCOMPARE(r.spectrum.lines[0].sources, QStringLiteral("E1+E2"));
    QVERIFY(std::abs(r.spectrum.lines[0].sourceAmplitude - 32.0) < 1e-3);
    // No source on: no line.
    QVERIFY(RunLab(8, {}).spectrum.lines.empty());
}

QTEST_MAIN(TestPhasorDiagram)
#include "tst_phasor_diagram.moc"
