// SPDX-License-Identifier: GPL-3.0-or-later
// ohmaris-calc's sweeps, tables and drawings, in process: every row of a
// sweep is the single run with the same inputs (over every lab of the lab
// table), the three formats carry the same numbers, refusals come before
// any work and any row, and a drawing is written whole or not at all.
#include "calctool.h"
#include "labs/labcalcs.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <functional>
#include <map>

using namespace ohmaris;

namespace {

struct Run {
    int status = -1;
    QString out;
    QString err;
};

Run Calc(const QStringList &args, const std::vector<const LabCalc *> &labs = LabCalcs())
{
    Run r;
    r.status = RunCalc(args, labs, r.out, r.err);
    return r;
}

// A sweep over two inputs of a lab, and the inputs every row shares.
struct Sweep {
    QStringList fixed;
    QString first, second;             // names
    QStringList firstValues, secondValues;
    QStringList firstList, secondList; // as given to --vary
};

// One sweep per lab of the table; the test fails for a lab without one.
const std::map<int, Sweep> &Sweeps()
{
    static const std::map<int, Sweep> sweeps{
        {1, {{"S3=1", "S4=1"}, "E1", "S2", {"10", "24"}, {"0", "1"}, {"10,24"}, {"0,1"}}},
        {2, {{"step=12", "SF=1"}, "variant", "C",
             {"1", "2", "3", "4", "5", "6", "7"}, {"10", "55", "100"}, {"1:1:7"}, {"10:45:100"}}},
        {3, {{"step=12", "SF=1"}, "variant", "S", {"1", "6"}, {"0", "1"}, {"1,6"}, {"0,1"}}},
        {4, {{"step=12", "SF=1", "S1=1", "S2=1"}, "conn", "R1", {"1", "2", "3", "4"}, {"0", "100"}, {"1:1:4"}, {"0,100"}}},
        {5, {{"S0=1", "S1=1", "S2=1"}, "S3", "S4", {"0", "1"}, {"0", "1"}, {"0,1"}, {"0,1"}}},
        {6, {{"S0=1", "S2=1", "S3=1", "S4=1", "S5=1", "S6=1"}, "S1", "U", {"0", "1"}, {"100", "380"}, {"0,1"}, {"100,380"}}},
        {7, {{"events=S1@0", "at=1,2.5"}, "circuit", "E", {"1", "2", "3"}, {"10", "24"}, {"1:1:3"}, {"10,24"}}},
        {8, {{"on1=1"}, "on2", "S1", {"0", "1"}, {"0", "1"}, {"0,1"}, {"0,1"}}},
    };
    return sweeps;
}

// A single run's JSON as the table's columns: each output by its name, an
// array's elements as NAME[i], a record's fields as samples[i].NAME.
void Flatten(const QString &prefix, const QJsonObject &o, std::map<QString, double> &columns)
{
    for (auto it = o.begin(); it != o.end(); ++it) {
        const QString name = prefix + it.key();
        if (it->isArray()) {
            const QJsonArray a = it->toArray();
            for (qsizetype i = 0; i < a.size(); ++i) {
                const QString element = QStringLiteral("%1[%2]").arg(name).arg(i);
                if (a[i].isObject())
                    Flatten(element + QLatin1Char('.'), a[i].toObject(), columns);
                else
                    columns[element] = a[i].toDouble();
            }
        } else {
            columns[name] = it->toDouble();
        }
    }
}

QStringList Lines(const QString &text)
{
    return text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

} // namespace

class TestCalcSweep : public QObject {
    Q_OBJECT

private slots:
    void everyRowIsTheSingleRun_data();
    void everyRowIsTheSingleRun();
    void formatsCarryTheSameNumbers();
    void columnsAsked();
    void refused_data();
    void refused();
    void refusedBeforeAnyWork();
    void rangeEnds_data();
    void rangeEnds();
    void classSizedSweepTimes();
    void drawings_data();
    void drawings();
    void drawingWrittenWholeOrNotAtAll();
};

void TestCalcSweep::everyRowIsTheSingleRun_data()
{
    QTest::addColumn<int>("lab");
    LabTable::ForEach([]<class Lab>() {
        QTest::newRow(qPrintable(QStringLiteral("lab %1").arg(Lab::kNumber))) << Lab::kNumber;
    });
}

void TestCalcSweep::everyRowIsTheSingleRun()
{
    QFETCH(int, lab);
    const auto found = Sweeps().find(lab);
    QVERIFY2(found != Sweeps().end(), "give this lab a sweep in Sweeps()");
    const Sweep &s = found->second;
    const QString number = QString::number(lab);

    const Run table = Calc(QStringList{number} + s.fixed
                           + QStringList{"--vary", s.first + '=' + s.firstList.join(','), "--vary",
                                         s.second + '=' + s.secondList.join(','), "--format", "json"});
    QCOMPARE(table.status, 0);
    QVERIFY(table.err.isEmpty());
    const QStringList rows = Lines(table.out);
    QCOMPARE(rows.size(), s.firstValues.size() * s.secondValues.size());

    // The first list changes slowest.
    qsizetype row = 0;
    for (const QString &a : s.firstValues)
        for (const QString &b : s.secondValues) {
            QJsonParseError pe;
            const QJsonDocument doc = QJsonDocument::fromJson(rows[row].toUtf8(), &pe);
            QCOMPARE(pe.error, QJsonParseError::NoError);
            const QJsonObject got = doc.object();
            // The varied inputs lead the row, in the order given.
            QVERIFY2(rows[row].startsWith(QStringLiteral("{\"%1\":%2,\"%3\":").arg(s.first, a, s.second)),
                     qPrintable(rows[row]));

            const Run single = Calc(QStringList{number} + s.fixed + QStringList{s.first + '=' + a, s.second + '=' + b, "--json"});
            QCOMPARE(single.status, 0);
            const QJsonObject o = QJsonDocument::fromJson(single.out.toUtf8()).object();
            std::map<QString, double> expected;
            Flatten(QString(), o.value("outputs").toObject(), expected);
            const QJsonObject inputs = o.value("inputs").toObject();
            expected[s.first] = inputs.value(s.first).toDouble();
            expected[s.second] = inputs.value(s.second).toDouble();

            QCOMPARE(qsizetype(got.size()), qsizetype(expected.size()));
            for (const auto &[name, value] : expected) {
                const QJsonValue v = got.value(name);
                QVERIFY2(v.isDouble(), qPrintable(QStringLiteral("row %1 lacks %2").arg(row).arg(name)));
                // The same number, not a near one.
                QVERIFY2(v.toDouble() == value,
                         qPrintable(QStringLiteral("row %1, %2: %3 in the table, %4 alone")
                                        .arg(row).arg(name).arg(v.toDouble(), 0, 'g', 17).arg(value, 0, 'g', 17)));
            }
            ++row;
        }
}

void TestCalcSweep::formatsCarryTheSameNumbers()
{
    const QStringList sweep{"6", "S0=1", "S1=1", "S2=1", "S3=1", "S4=1", "S5=1", "S6=1", "--vary", "U=100:100:400"};
    const Run json = Calc(sweep + QStringList{"--format", "json"});
    const Run csv = Calc(sweep + QStringList{"--format", "csv"});
    const Run text = Calc(sweep); // --vary alone: text
    QCOMPARE(json.status, 0);
    QCOMPARE(csv.status, 0);
    QCOMPARE(text.status, 0);

    // CSV (this run's locale decides its marks; the Python reader checks
    // those) and text have a header, JSON has none.
    const QStringList csvLines = csv.out.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    const QStringList textLines = Lines(text.out);
    const QStringList jsonLines = Lines(json.out);
    QCOMPARE(jsonLines.size(), 4);
    QCOMPARE(csvLines.size(), 5);
    QCOMPARE(textLines.size(), 5);
    QVERIFY2(!csv.out.contains(QRegularExpression(QStringLiteral("[^\\r]\\n"))), "CSV records end in CR LF");

    // Units in the header, arrays by index.
    QVERIFY2(textLines[0].simplified().startsWith(QStringLiteral("U [V] PhaseVoltage[0] [V] PhaseVoltage[1] [V]")),
             qPrintable(textLines[0]));
    QVERIFY2(csvLines[0].contains(QStringLiteral("BranchCurrent[2] [A]")), qPrintable(csvLines[0]));
    // Text: every line as long as the header, numbers right-aligned.
    for (const QString &line : textLines)
        QCOMPARE(line.size(), textLines[0].size());

    const QChar separator = csvLines[0].contains(QLatin1Char(';')) ? QLatin1Char(';') : QLatin1Char(',');
    for (int r = 0; r < 4; ++r) {
        const QJsonObject o = QJsonDocument::fromJson(jsonLines[r].toUtf8()).object();
        const QStringList cells = csvLines[r + 1].split(separator);
        const QStringList words = textLines[r + 1].simplified().split(QLatin1Char(' '));
        QCOMPARE(cells.size(), o.size());
        QCOMPARE(words.size(), o.size());
        // Column by column in the JSON line's order.
        const QRegularExpression pair(QStringLiteral("\"([^\"]+)\":([^,}]+)"));
        qsizetype i = 0;
        for (QRegularExpressionMatchIterator it = pair.globalMatch(jsonLines[r]); it.hasNext(); ++i) {
            const QRegularExpressionMatch m = it.next();
            const QString number = m.captured(2);
            QCOMPARE(words[i], number);
            QCOMPARE(QString(cells[i]).replace(QLatin1Char(','), QLatin1Char('.')), number);
        }
        QCOMPARE(i, o.size());
    }
}

void TestCalcSweep::columnsAsked()
{
    // Names pick columns in the order given: an input not varied, a whole
    // array, one element.
    const Run r = Calc({"6", "S0=1", "S1=1", "S2=1", "S3=1", "S4=1", "S5=1", "S6=1", "--vary", "U=190,380", "--columns",
                        "U,LineCurrent,BranchCurrent[1],S0", "--format", "csv"});
    QCOMPARE(r.status, 0);
    const QStringList lines = r.out.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 3);
    const QString sep = lines[0].contains(';') ? QStringLiteral(";") : QStringLiteral(",");
    QCOMPARE(lines[0], QStringList({"U [V]", "LineCurrent[0] [A]", "LineCurrent[1] [A]", "LineCurrent[2] [A]",
                                    "BranchCurrent[1] [A]", "S0"})
                           .join(sep));
    const QStringList balanced = lines[2].split(sep);
    QCOMPARE(balanced[0], QStringLiteral("380"));
    QVERIFY2(std::abs(QString(balanced[1]).replace(',', '.').toDouble() - 4.2134) < 1e-4, qPrintable(lines[2]));
    QCOMPARE(balanced[5], QStringLiteral("1"));

    // A sampling lab's records by index; --columns alone makes a table.
    const Run samples = Calc({"7", "events=S1@0", "at=1,2.4", "--columns", "samples[1]"});
    QCOMPARE(samples.status, 0);
    const QStringList text = Lines(samples.out);
    QCOMPARE(text.size(), 2);
    QVERIFY2(text[0].simplified().startsWith(QStringLiteral("samples[1].t [s] samples[1].ScopeVoltage [V]")),
             qPrintable(text[0]));
    QVERIFY2(text[1].simplified().startsWith(QStringLiteral("2.4 15.17")), qPrintable(text[1]));
}

void TestCalcSweep::refused_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("named");
    QTest::newRow("no list") << QStringList{"2", "--vary", "C"} << "'C'";
    QTest::newRow("empty list") << QStringList{"2", "--vary", "C="} << "'C='";
    QTest::newRow("no value after the option") << QStringList{"2", "--vary"} << "missing value after '--vary'";
    QTest::newRow("empty item") << QStringList{"2", "--vary", "C=1,,2"} << "''";
    QTest::newRow("decimal comma splits into a bad item") << QStringList{"2", "--vary", "C=1,5x"} << "'5x'";
    QTest::newRow("letters") << QStringList{"2", "--vary=C=ten"} << "'ten'";
    QTest::newRow("range of two parts") << QStringList{"2", "--vary", "C=1:5"} << "START:STEP:STOP";
    QTest::newRow("step 0") << QStringList{"2", "--vary", "C=1:0:5"} << "is 0";
    QTest::newRow("step away from the end") << QStringList{"2", "--vary", "C=5:1:1"} << "away from STOP";
    QTest::newRow("range too long alone") << QStringList{"2", "--vary", "C=0:1e-6:1"} << "more than 100000";
    QTest::newRow("rows too many together")
        << QStringList{"2", "--vary", "C=1:1:2000", "--vary", "variant=1:1:7", "--vary", "step=0:1:12"}
        << "the sweep makes 182000 rows, more than 100000";
    QTest::newRow("no such input") << QStringList{"2", "--vary", "R=1,2"} << "'R'";
    QTest::newRow("varied and given") << QStringList{"2", "C=5", "--vary", "C=1,2"} << "'C' given twice";
    QTest::newRow("varied twice") << QStringList{"2", "--vary", "C=5", "--vary", "C=1,2"} << "'C' given twice";
    QTest::newRow("a later value the lab refuses") << QStringList{"2", "--vary", "variant=1:1:8"} << "position 8";
    QTest::newRow("an event list is no number list") << QStringList{"7", "--vary", "events=S1@0"} << "'S1@0'";
    QTest::newRow("unknown format") << QStringList{"2", "--format", "xml"} << "'xml'";
    QTest::newRow("json with a table") << QStringList{"2", "--json", "--vary", "C=1,2"} << "--format json";
    QTest::newRow("unknown column") << QStringList{"2", "--columns", "C,Nothing"} << "'Nothing'";
    QTest::newRow("list input as a column") << QStringList{"7", "--columns", "at"} << "'at'";
    QTest::newRow("phasors of a DC lab") << QStringList{"1", "--phasors", "x.svg"} << "lab 1 has no phasor diagram";
    QTest::newRow("phasors of lab 8") << QStringList{"8", "--phasors", "x.svg"} << "lab 8 has no phasor diagram";
    QTest::newRow("spectrum of lab 2") << QStringList{"2", "--spectrum", "x.svg"} << "lab 2 has no spectrum";
    QTest::newRow("drawing of a sweep") << QStringList{"2", "--phasors", "x.svg", "--vary", "C=1,2"} << "draw one run";
    QTest::newRow("other language") << QStringList{"2", "--phasors", "x.svg", "--lang", "de"} << "'de'";
}

void TestCalcSweep::refused()
{
    QFETCH(QStringList, args);
    QFETCH(QString, named);
    const Run r = Calc(args);
    QCOMPARE(r.status, kCalcUsageError);
    QVERIFY2(r.out.isEmpty(), qPrintable(r.out.left(200)));
    QVERIFY2(r.err.startsWith("ohmaris-calc: ") && r.err.count('\n') == 1 && r.err.endsWith('\n'), qPrintable(r.err));
    QVERIFY2(r.err.contains(named), qPrintable(r.err));
    QVERIFY(!QFile::exists(QStringLiteral("x.svg")));
}

// A lab of the test's own counts its runs: a sweep of too many rows runs
// none, and one with a value the lab refuses writes no row.
void TestCalcSweep::refusedBeforeAnyWork()
{
    int runs = 0;
    LabCalc counting;
    counting.lab = 42;
    counting.title = QStringLiteral("counting");
    counting.inputs = {{QStringLiteral("x"), QStringLiteral("0"), {}, {}}, {QStringLiteral("y"), QStringLiteral("0"), {}, {}}};
    counting.run = [&runs](const QMap<QString, QString> &args) {
        ++runs;
        CalcResult r;
        const double x = args.value(QStringLiteral("x"), QStringLiteral("0")).toDouble();
        if (x > 10)
            r.error = QStringLiteral("x: %1 is too much").arg(x);
        r.inputs.insert(QStringLiteral("x"), x);
        r.outputs.Add(QStringLiteral("twice"), QString(), QString(), 2 * x);
        return r;
    };
    const std::vector<const LabCalc *> labs{&counting};

    Run r = Calc({"42", "--vary", "x=0:1:1000000000"}, labs);
    QCOMPARE(r.status, kCalcUsageError);
    QCOMPARE(runs, 0);
    r = Calc({"42", "--vary", "x=0:1:9999", "--vary", "y=0:1:10"}, labs);
    QCOMPARE(r.status, kCalcUsageError);
    QVERIFY2(r.err.contains("110000 rows"), qPrintable(r.err));
    QCOMPARE(runs, 0);

    // Streamed: nothing reaches the writer when the last value is refused.
    QString written;
    QString err;
    const int status = RunCalc({"42", "--vary", "y=1,2,3", "--vary", "x=0:1:11", "--format", "csv"}, labs,
                               [&written](const QString &text) { written += text; }, err);
    QCOMPARE(status, kCalcUsageError);
    QVERIFY2(written.isEmpty(), qPrintable(written));
    QVERIFY2(err.contains("x: 11 is too much"), qPrintable(err));
    // Each value once, not each row: 1 + 2 (y) + 11 (x).
    QCOMPARE(runs, 14);
}

void TestCalcSweep::rangeEnds_data()
{
    QTest::addColumn<QString>("range");
    QTest::addColumn<QStringList>("values");
    QTest::newRow("whole steps") << "1:1:4" << QStringList{"1", "2", "3", "4"};
    QTest::newRow("tenths without drift") << "0.1:0.1:0.5" << QStringList{"0.1", "0.2", "0.3", "0.4", "0.5"};
    QTest::newRow("stop not on a step") << "10:20:75" << QStringList{"10", "30", "50", "70"};
    QTest::newRow("downwards") << "3:-1:1" << QStringList{"3", "2", "1"};
    QTest::newRow("one value") << "5:1:5" << QStringList{"5"};
}

void TestCalcSweep::rangeEnds()
{
    QFETCH(QString, range);
    QFETCH(QStringList, values);
    // Lab 1 stores a resistance as typed, so the column shows each value
    // of the range as the lab got it.
    const Run r = Calc({"1", "--vary", "R1=" + range, "--columns", "R1", "--format", "json"});
    QCOMPARE(r.status, 0);
    QStringList got;
    for (const QString &line : Lines(r.out))
        got << QString::number(QJsonDocument::fromJson(line.toUtf8()).object().value("R1").toDouble());
    QCOMPARE(got, values);
}

void TestCalcSweep::classSizedSweepTimes()
{
    // Benchmarks print; they never fail on time.
    const auto time = [](const QStringList &args, int rows) {
        QElapsedTimer t;
        t.start();
        const Run r = Calc(args);
        const qint64 ms = t.elapsed();
        QCOMPARE(r.status, 0);
        QCOMPARE(r.out.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts).size(), rows + 1);
        qInfo("%s: %d rows in %lld ms", qPrintable(args.join(' ')), rows, ms);
    };
    time({"2", "step=12", "SF=1", "--vary", "variant=1:1:7", "--vary", "C=10:10:100", "--format", "csv"}, 70);
    time({"2", "SF=1", "--vary", "variant=1:1:7", "--vary", "C=10:10:100", "--vary", "step=0:1:12", "--format", "csv"},
         910);
}

void TestCalcSweep::drawings_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("lang");
    // Texts the picture must hold (Qt's SVG writer starts a new text
    // element where the script changes, so none mixes Latin and Cyrillic).
    QTest::addColumn<QStringList>("words");
    QTest::newRow("lab 2 en") << QStringList{"2", "step=12", "SF=1", "--phasors"} << "en"
                              << QStringList{"Lab 2: phasor diagram", " = 228.0 V, 0.0°", "coil voltage (V1)"};
    QTest::newRow("lab 2 ru") << QStringList{"2", "step=12", "SF=1", "--phasors"} << "ru"
                              << QStringList{"Работа 2: векторная диаграмма", " = 228,0 В, 0,0°", "напряжение на катушке"};
    QTest::newRow("lab 5 ru") << QStringList{"5", "S0=1", "S1=1", "S2=1", "--phasors"} << "ru"
                              << QStringList{"смещение нейтрали", " = 109,7 В, -60,0°"};
    QTest::newRow("lab 6 en") << QStringList{"6", "S0=1", "S1=1", "S2=1", "S3=1", "S4=1", "S5=1", "S6=1", "--phasors"}
                              << "en" << QStringList{"line current (K-50 A)", " = 4.213 A"};
    QTest::newRow("lab 8 ru") << QStringList{"8", "on1=1", "on2=1", "--spectrum"} << "ru"
                              << QStringList{"Работа 8: амплитудный спектр", "150 Гц", "E2"};
}

void TestCalcSweep::drawings()
{
    QFETCH(QStringList, args);
    QFETCH(QString, lang);
    QFETCH(QStringList, words);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("picture.svg"));
    const Run r = Calc(args + QStringList{file, "--lang", lang});
    QCOMPARE(r.status, 0);
    QVERIFY(r.err.isEmpty());
    QVERIFY(!r.out.isEmpty()); // the results print as for any run
    QSvgRenderer svg(file);
    QVERIFY(svg.isValid());
    QFile f(file);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(f.readAll());
    for (const QString &w : words)
        QVERIFY2(text.contains(w.toHtmlEscaped()), qPrintable(w));
    // The translator goes back to English after a drawing.
    QCOMPARE(QCoreApplication::translate("PhasorDiagram", "V"), QStringLiteral("V"));
}

void TestCalcSweep::drawingWrittenWholeOrNotAtAll()
{
    QTemporaryDir dir;
    // A folder that does not exist, and a folder in the file's place: one
    // line naming the file and why, status 1, nothing printed, nothing made.
    const QString missing = dir.filePath(QStringLiteral("no/such/folder/lab2.svg"));
    Run r = Calc({"2", "--phasors", missing});
    QCOMPARE(r.status, kCalcFileError);
    QVERIFY(r.out.isEmpty());
    QVERIFY2(r.err.startsWith("ohmaris-calc: cannot write '" + missing + "': ") && r.err.count('\n') == 1,
             qPrintable(r.err));
    QVERIFY(!QFile::exists(missing));

    const QString folder = dir.filePath(QStringLiteral("taken.svg"));
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("taken.svg")));
    r = Calc({"8", "--spectrum", folder});
    QCOMPARE(r.status, kCalcFileError);
    QVERIFY2(r.err.contains("'" + folder + "'"), qPrintable(r.err));
    QVERIFY(QFileInfo(folder).isDir());
    // Nothing but the folder: no temporary file left behind.
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{"taken.svg"});

    // A file that is there is replaced whole.
    const QString there = dir.filePath(QStringLiteral("there.svg"));
    QFile old(there);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("old");
    old.close();
    QCOMPARE(Calc({"3", "--phasors", there}).status, 0);
    QVERIFY(QSvgRenderer(there).isValid());
}

QTEST_MAIN(TestCalcSweep)
#include "tst_calc_sweep.moc"
