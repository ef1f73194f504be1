// SPDX-License-Identifier: GPL-3.0-or-later
// ohmaris-calc run as a program: its JSON and text output, the help listing
// and the refused command lines. CTest runs it under C.UTF-8 and again under
// ru_RU.UTF-8, whose decimal comma must change no number.
#include "calctool.h"
#include "testlocale.h"
#include "labs/lab1/lab.h"
#include "labs/lab7/lab.h"
#include "labs/labtable.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>

#include <sys/stat.h>

namespace {

struct Outcome {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

Outcome RunCalc(const QStringList &args)
{
    QProcess p;
    p.start(QStringLiteral(OHMARIS_CALC_PATH), args);
    if (!p.waitForFinished(30000) || p.exitStatus() != QProcess::NormalExit)
        return {};
    return {p.exitCode(), p.readAllStandardOutput(), p.readAllStandardError()};
}

double FiveDigits(double v)
{
    return QString::number(v, 'g', 5).toDouble();
}

} // namespace

class TestCalcTool : public QObject {
    Q_OBJECT

private slots:
    void localeOfTheRun();
    void lab1Json();
    void lab1Text();
    void otherLabs_data();
    void otherLabs();
    void recordsInText();
    void everyResultInEveryForm_data();
    void everyResultInEveryForm();
    void entryRuleOnInputs();
    void help();
    void refused_data();
    void refused();
    void sameInProcess_data();
    void sameInProcess();
    void netlist_data();
    void netlist();
    void netlistNumbersTakeAPoint();
    void lab7WithoutEventsOrTimes();
    void lab7ListsTakeADecimalPoint();
    void lab7ManySamplesOverADay();
    void lab7ListsFromFiles();
    void lab7ListFileRefused_data();
    void lab7ListFileRefused();
};

void TestCalcTool::localeOfTheRun()
{
    // QCoreApplication has taken the C library's locale from the
    // environment, as the calculator's own start does.
    const char separator = *std::localeconv()->decimal_point;
    QCOMPARE(separator, ohmaris::test::CommaLocaleExpected() ? ',' : '.');
}

void TestCalcTool::lab1Json()
{
    const Outcome r = RunCalc({"1", "S2=1", "S3=1", "S4=1", "--json"});
    QCOMPARE(r.exitCode, 0);
    QVERIFY(r.err.isEmpty());
    QJsonParseError pe;
    const QJsonObject o = QJsonDocument::fromJson(r.out, &pe).object();
    QCOMPARE(pe.error, QJsonParseError::NoError);
    QCOMPARE(o.value("lab").toInt(), 1);

    const QJsonObject in = o.value("inputs").toObject();
    QCOMPARE(in.size(), 12);
    QCOMPARE(in.value("R01").toDouble(), 1.5);
    QCOMPARE(in.value("S3").toInt(), 1);
    QCOMPARE(in.value("S5").toInt(), 0);

    const QJsonObject out = o.value("outputs").toObject();
    QCOMPARE(FiveDigits(out.value("NodeVoltage").toDouble()), 10.666);
    const QJsonArray i = out.value("BranchCurrent").toArray();
    QCOMPARE(i.size(), 3);
    QCOMPARE(FiveDigits(i[0].toDouble()), 1.1584);
    QCOMPARE(FiveDigits(i[1].toDouble()), 0.16654);
    QCOMPARE(FiveDigits(i[2].toDouble()), 1.3249);
    const QJsonArray v = out.value("VoltmeterTarget").toArray();
    QCOMPARE(v.size(), 5);
    const double volts[] = {11.596, 22.261, 10.666, 2.5014, 13.167};
    for (int k = 0; k < 5; ++k)
        QCOMPARE(FiveDigits(v[k].toDouble()), volts[k]);
    // 32-bit results print as their shortest text, not as widened doubles.
    QVERIFY(!r.out.contains("0000000"));
}

void TestCalcTool::lab1Text()
{
    const Outcome r = RunCalc({"1", "S2=1", "S3=1", "S4=1"});
    QCOMPARE(r.exitCode, 0);
    const QList<QByteArray> lines = r.out.trimmed().split('\n');
    QCOMPARE(lines.size(), 3);
    QVERIFY(lines[0].startsWith("NodeVoltage = 10.66"));
    const QList<QByteArray> currents = lines[1].split(' ');
    QCOMPARE(currents.size(), 2 + 3);
    QCOMPARE(currents[0], QByteArray("BranchCurrent"));
    QCOMPARE(FiveDigits(currents[4].toDouble()), 1.3249);
    QCOMPARE(lines[2].split(' ').size(), 2 + 5);
}

// The examples an instructor would check first, one per lab, through the
// program itself (the labs' own tests cover the models in depth).
void TestCalcTool::otherLabs_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("field");
    QTest::addColumn<double>("expected");
    const QStringList lab2 = {"2", "variant=1", "step=12", "SF=1", "--json"};
    QTest::newRow("lab 2 current") << lab2 << "CircuitCurrent" << 0.96588;
    QTest::newRow("lab 2 power") << lab2 << "ActivePower" << 18.659;
    QTest::newRow("lab 2 coil voltage") << lab2 << "CoilVoltage" << 258.65;
    QTest::newRow("lab 2 capacitor voltage") << lab2 << "CapacitorVoltage" << 30.745;
    const QStringList lab3 = {"3", "variant=1", "step=12", "SF=1", "S=1", "--json"};
    QTest::newRow("lab 3 total current") << lab3 << "CircuitCurrent" << 6.3141;
    QTest::newRow("lab 3 coil current") << lab3 << "CoilCurrent" << 0.85143;
    QTest::newRow("lab 3 capacitor current") << lab3 << "CapacitorCurrent" << 7.1628;
    QTest::newRow("lab 3 power") << lab3 << "ActivePower" << 14.499;
    const QStringList lab5 = {"5", "S0=1", "S1=1", "S2=1", "--json"};
    QTest::newRow("lab 5 star-point voltage") << lab5 << "NeutralVoltage" << 109.6965;
    QTest::newRow("lab 5 power A") << lab5 << "PhasePower[0]" << 202.12;
    QTest::newRow("lab 5 power B") << lab5 << "PhasePower[1]" << 32.68;
    const QStringList lab6 = {"6", "S0=1", "S1=1", "S2=1", "S3=1", "S4=1", "S5=1", "S6=1", "--json"};
    QTest::newRow("lab 6 branch current") << lab6 << "BranchCurrent[1]" << 2.4326;
    QTest::newRow("lab 6 line current") << lab6 << "LineCurrent[2]" << 4.2134;
    QTest::newRow("lab 6 power") << lab6 << "PhasePower[0]" << 710.15;
    QTest::newRow("lab 7 scope voltage") << QStringList{"7", "circuit=1", "events=S1@0", "at=2.4", "--json"}
                                         << "samples[0].ScopeVoltage" << 15.1709;
    const QStringList lab8 = {"8", "on1=1", "on2=1", "on3=1", "on4=1", "S1=1", "S2=0", "S3=0", "S4=1", "S5=1", "--json"};
    QTest::newRow("lab 8 full filter voltage") << lab8 << "VoltageRms" << 14.789;
    QTest::newRow("lab 8 full filter current") << lab8 << "CurrentRms" << 0.029577;
}

void TestCalcTool::otherLabs()
{
    QFETCH(QStringList, args);
    QFETCH(QString, field);
    QFETCH(double, expected);
    const Outcome r = RunCalc(args);
    QCOMPARE(r.exitCode, 0);
    QJsonValue v = QJsonDocument::fromJson(r.out).object().value("outputs");
    // field: Name, Name[i] or Name[i].Member
    const QRegularExpression path(QStringLiteral("^(\\w+)(?:\\[(\\d+)\\])?(?:\\.(\\w+))?$"));
    const QRegularExpressionMatch m = path.match(field);
    QVERIFY(m.hasMatch());
    v = v.toObject().value(m.captured(1));
    if (!m.captured(2).isEmpty())
        v = v.toArray().at(m.captured(2).toInt());
    if (!m.captured(3).isEmpty())
        v = v.toObject().value(m.captured(3));
    QVERIFY2(v.isDouble(), qPrintable(field));
    // Printed figures are rounded; compare to one unit of their last digit.
    const QString printed = QString::number(expected);
    const int decimals = printed.contains('.') ? int(printed.size() - printed.indexOf('.') - 1) : 0;
    QVERIFY2(std::abs(v.toDouble() - expected) <= std::pow(10.0, -decimals) * 1.0000001,
             qPrintable(QStringLiteral("%1 = %2").arg(field).arg(v.toDouble(), 0, 'g', 9)));
}

void TestCalcTool::recordsInText()
{
    const Outcome r = RunCalc({"7", "circuit=1", "events=S1@0", "at=2.4"});
    QCOMPARE(r.exitCode, 0);
    const QString text = QString::fromUtf8(r.out);
    // The record's fields in the order the help lists them, the time first.
    const QRegularExpression samples(
        QStringLiteral("^samples = \\(t=2\\.4 ScopeVoltage=15\\.17\\d* ScopeCurrent=\\S+ MeterTarget1=\\S+ MeterTarget2=\\S+\\)$"),
        QRegularExpression::MultilineOption);
    QVERIFY2(samples.match(text).hasMatch(), qPrintable(text));
}

// Each lab's results, as its model lists them, are what the help, the
// text and the JSON give: every one, in the list's order, each array with
// the list's length, and nothing besides.
void TestCalcTool::everyResultInEveryForm_data()
{
    QTest::addColumn<int>("lab");
    ohmaris::LabTable::ForEach([]<class Lab>() {
        QTest::newRow(qPrintable(QStringLiteral("lab %1").arg(Lab::kNumber))) << Lab::kNumber;
    });
}

void TestCalcTool::everyResultInEveryForm()
{
    QFETCH(int, lab);
    std::vector<const ohmaris::LabCalc *> labs;
    ohmaris::LabTable::ForEach([&labs]<class Lab>() { labs.push_back(&Lab::Calc()); });
    const ohmaris::LabCalc *calc = nullptr;
    for (const ohmaris::LabCalc *l : labs)
        if (l->lab == lab)
            calc = l;
    QVERIFY(calc);
    const bool samples = !calc->sampleFields.empty();
    QStringList names;
    for (const ohmaris::Quantity &q : calc->outputs)
        names << q.name;
    QStringList fields;
    for (const ohmaris::Quantity &q : calc->sampleFields)
        fields << q.name;
    QVERIFY(!names.isEmpty());
    QCOMPARE(names.removeDuplicates(), qsizetype(0));
    const auto size = [calc](const QString &name) { return qsizetype(calc->outputs.Find(name)->values.size()); };

    const auto run = [&labs](QStringList args) {
        QString out, err;
        const int status = ohmaris::RunCalc(args, labs, out, err);
        return status == 0 && err.isEmpty() ? out : QString();
    };
    const QString number = QString::number(lab);
    // Two sample times, so the records are seen apart.
    QStringList args{number};
    if (samples)
        args << QStringLiteral("at=1,2");

    // The help: "NAME [unit]  help" per result, the sample fields indented
    // under "samples".
    const QString help = run({number, "--help"});
    const qsizetype from = help.indexOf(QStringLiteral("  outputs:\n"));
    QVERIFY2(from >= 0, qPrintable(help));
    QStringList helpNames, helpFields;
    const QStringList helpLines = help.mid(from).split(QLatin1Char('\n')).mid(1);
    for (const QString &line : helpLines) {
        if (!line.startsWith(QStringLiteral("    ")))
            break;
        const QString name = line.trimmed().section(QLatin1Char(' '), 0, 0);
        (line.startsWith(QStringLiteral("      ")) ? helpFields : helpNames) << name;
    }
    QCOMPARE(helpNames, samples ? names + QStringList{"samples"} : names);
    QCOMPARE(helpFields, fields);
    for (const ohmaris::Quantity &q : calc->outputs)
        QVERIFY2(help.contains(QStringLiteral("    %1 [%2]  %3\n").arg(q.name, q.unit, q.help)), qPrintable(q.name));

    // The text: one "NAME = VALUE" line per result, arrays on their line.
    const QStringList lines = run(args).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QStringList textNames;
    for (const QString &line : lines) {
        const QString name = line.section(QStringLiteral(" = "), 0, 0);
        const QString value = line.section(QStringLiteral(" = "), 1);
        textNames << name;
        if (name == QLatin1String("samples")) {
            static const QRegularExpression record(QStringLiteral("\\(([^)]*)\\)"));
            int records = 0;
            for (QRegularExpressionMatchIterator it = record.globalMatch(value); it.hasNext(); ++records) {
                QStringList recordFields;
                for (const QString &field : it.next().captured(1).split(QLatin1Char(' ')))
                    recordFields << field.section(QLatin1Char('='), 0, 0);
                QCOMPARE(recordFields, fields);
            }
            QCOMPARE(records, 2);
        } else {
            QVERIFY2(names.contains(name), qPrintable(line));
            QCOMPARE(value.split(QLatin1Char(' ')).size(), size(name));
        }
    }
    QCOMPARE(textNames, samples ? names + QStringList{"samples"} : names);

    // The JSON: the same names, arrays as arrays of the same length.
    const QJsonObject out =
        QJsonDocument::fromJson(run(args + QStringList{"--json"}).toUtf8()).object().value("outputs").toObject();
    QStringList jsonNames = out.keys();
    QStringList expected = samples ? names + QStringList{"samples"} : names;
    jsonNames.sort();
    expected.sort();
    QCOMPARE(jsonNames, expected);
    for (const QString &name : names) {
        const QJsonValue v = out.value(name);
        QCOMPARE(v.isArray() ? v.toArray().size() : qsizetype(1), size(name));
        QVERIFY2(calc->outputs.Find(name)->isArray == v.isArray(), qPrintable(name));
    }
    if (samples) {
        const QJsonArray records = out.value("samples").toArray();
        QCOMPARE(records.size(), 2);
        QStringList sorted = fields;
        sorted.sort();
        for (const QJsonValue &r : records)
            QCOMPARE(r.toObject().keys(), sorted);
    }
}

void TestCalcTool::entryRuleOnInputs()
{
    // Magnitude of a negative entry, decimal comma, and the cap at 1e6;
    // a number past the float range is capped too.
    const Outcome r = RunCalc({"--json", "1", "E1=-2,5", "R1=5000000", "R2=1e60", "S2=1", "S3=1"});
    QCOMPARE(r.exitCode, 0);
    const QJsonObject o = QJsonDocument::fromJson(r.out).object();
    const QJsonObject in = o.value("inputs").toObject();
    QCOMPARE(in.value("E1").toDouble(), 2.5);
    QCOMPARE(in.value("R1").toDouble(), 1000000.0);
    QCOMPARE(in.value("R2").toDouble(), 1000000.0);
    // Source 1 alone into R3: U = 2.5 * R3' / (r1 + R1' + R3').
    const double u = o.value("outputs").toObject().value("NodeVoltage").toDouble();
    QCOMPARE(FiveDigits(u), FiveDigits(2.5 * 8.05 / (1.501 + 1000000.01 + 8.05)));
}

void TestCalcTool::help()
{
    const Outcome all = RunCalc({"--help"});
    QCOMPARE(all.exitCode, 0);
    QVERIFY(all.out.contains("lab 1"));
    const Outcome r = RunCalc({"1", "--help"});
    QCOMPARE(r.exitCode, 0);
    const QByteArray defaults[][3] = {{"E1", "24", "V"},  {"R01", "1.5", "Ohm"}, {"E2", "14", "V"},
                                      {"R02", "5", "Ohm"}, {"R1", "10", "Ohm"},  {"R2", "15", "Ohm"},
                                      {"R3", "8", "Ohm"},  {"S1", "0", ""},      {"S5", "0", ""}};
    const QString text = QString::fromUtf8(r.out);
    for (const auto &d : defaults) {
        const QString unit = d[2].isEmpty() ? QString() : QStringLiteral(" ") + QString::fromLatin1(d[2]);
        const QRegularExpression line(QStringLiteral("^\\s+%1\\s*= %2%3\\s")
                                          .arg(QString::fromLatin1(d[0]), QRegularExpression::escape(QString::fromLatin1(d[1])), unit),
                                      QRegularExpression::MultilineOption);
        QVERIFY2(line.match(text).hasMatch(), d[0].constData());
    }
    QVERIFY(all.out.contains(r.out));
    // The labs' circuit notes.
    QVERIFY(RunCalc({"7", "--help"}).out.contains("circuit notes:\n    - A switch flip starts its transient"));
}

void TestCalcTool::refused_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QByteArray>("named");
    QTest::newRow("no lab") << QStringList{} << QByteArray("lab");
    QTest::newRow("unknown lab") << QStringList{"42"} << QByteArray("42");
    QTest::newRow("lab not a number") << QStringList{"one"} << QByteArray("one");
    QTest::newRow("unknown name") << QStringList{"1", "R4=3"} << QByteArray("R4");
    QTest::newRow("name in wrong case") << QStringList{"1", "e1=3"} << QByteArray("e1");
    QTest::newRow("no equals sign") << QStringList{"1", "E1"} << QByteArray("E1");
    QTest::newRow("unknown option") << QStringList{"1", "--xml"} << QByteArray("--xml");
    QTest::newRow("given twice") << QStringList{"1", "E1=3", "E1=4"} << QByteArray("E1");
    QTest::newRow("letters") << QStringList{"1", "E2=abc", "--json"} << QByteArray("E2");
    QTest::newRow("empty value") << QStringList{"1", "R3="} << QByteArray("R3");
    QTest::newRow("two commas") << QStringList{"1", "R1=1,5,2"} << QByteArray("R1");
    QTest::newRow("switch at 2") << QStringList{"1", "S3=2"} << QByteArray("S3");
    QTest::newRow("switch negative") << QStringList{"1", "S1=-1"} << QByteArray("S1");
    QTest::newRow("switch not whole") << QStringList{"1", "S4=0.5"} << QByteArray("S4");
    // Whatever a caller passes is echoed quoted, on the one line.
    QTest::newRow("line feed as the lab") << QStringList{"\n"} << QByteArray("'\\n'");
    QTest::newRow("forged second line in a value")
        << QStringList{"1", "E1=2\nohmaris-calc: all is well"} << QByteArray("E1: not a number: '2\\nohmaris");
    QTest::newRow("carriage return in an option") << QStringList{"-\r"} << QByteArray("'-\\r'");
    QTest::newRow("quote and backslash in a name") << QStringList{"1", "R'\\=1"} << QByteArray("'R\\'\\\\'");
    QTest::newRow("line separator in a name") << QStringList{"1", QString::fromUtf16(u"R\u2028x=1")}
                                              << QByteArray("'R\\u{2028}x'");
    QTest::newRow("next line and escape in a switch") << QStringList{"1", QString::fromUtf16(u"S1=\u0085\x1b[2J")}
                                                      << QByteArray("'\\x85\\x1b[2J'");
    QTest::newRow("line feed in a sample time") << QStringList{"7", "at=1\n2"} << QByteArray("at");
    QTest::newRow("line feed in an event") << QStringList{"7", "events=S1@0,S\n2@1"} << QByteArray("events");
    QTest::newRow("vertical tab in a switch time") << QStringList{"7", "events=S1@1\v2"} << QByteArray("'1\\x0b2'");
    QTest::newRow("sample time with a decimal comma is two times, one bad")
        << QStringList{"7", "at=1,5x"} << QByteArray("'5x'");
    QTest::newRow("netlist and json") << QStringList{"1", "--netlist", "--json"} << QByteArray("--netlist");
    QTest::newRow("netlist of a bad value") << QStringList{"2", "C=x", "--netlist"} << QByteArray("C: not a number");
}

void TestCalcTool::refused()
{
    QFETCH(QStringList, args);
    QFETCH(QByteArray, named);
    const Outcome r = RunCalc(args);
    QCOMPARE(r.exitCode, 2);
    QVERIFY(r.out.isEmpty());
    QCOMPARE(r.err.count('\n'), 1);
    QVERIFY(r.err.endsWith('\n'));
    QVERIFY2(r.err.contains(named), r.err.constData());
    // Nothing a terminal could take for a line break or a control sequence.
    const QString line = QString::fromUtf8(r.err).chopped(1);
    for (const QChar c : line)
        QVERIFY2(c.isPrint() && c != QChar(0x2028) && c != QChar(0x2029), r.err.constData());
}

// RunCalc, the calculator without a process, gives what the program prints.
void TestCalcTool::sameInProcess_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::newRow("lab 1 text") << QStringList{"1", "S2=1", "S3=1", "S4=1"};
    QTest::newRow("lab 1 json") << QStringList{"1", "E1=2,5", "S2=1", "S3=1", "--json"};
    QTest::newRow("lab 7 samples") << QStringList{"7", "events=S1@0", "at=2.4,5", "--json"};
    QTest::newRow("lab 1 help") << QStringList{"1", "--help"};
    QTest::newRow("lab 7 netlist") << QStringList{"7", "circuit=3", "events=S1@0,S2@2", "at=1,3", "--netlist"};
    QTest::newRow("version") << QStringList{"--version"};
    QTest::newRow("refused") << QStringList{"1", "E1=\n"};
}

void TestCalcTool::sameInProcess()
{
    QFETCH(QStringList, args);
    QString out;
    QString err;
    const int status = ohmaris::RunCalc(args, {&ohmaris::Lab1::Calc(), &ohmaris::Lab7::Calc()}, out, err);
    const Outcome r = RunCalc(args);
    QCOMPARE(status, r.exitCode);
    QCOMPARE(out, QString::fromUtf8(r.out));
    QCOMPARE(err, QString::fromUtf8(r.err));
}

// Every lab's deck: the title names the lab, each card and each command
// of the control section carries a comment, it prints every quantity it
// lists under a name of the calculator's outputs and leaves ngspice with
// status 0. (The deck's numbers against the model: tests/crosscheck.)
void TestCalcTool::netlist_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::newRow("lab 1") << QStringList{"1", "S2=1", "S3=1", "S4=1"};
    QTest::newRow("lab 2") << QStringList{"2", "SF=1", "step=12", "S=1"};
    QTest::newRow("lab 3") << QStringList{"3", "SF=1", "step=12", "S=1", "variant=4"};
    QTest::newRow("lab 4") << QStringList{"4", "SF=1", "step=12", "S1=1", "S2=1", "conn=4"};
    QTest::newRow("lab 5") << QStringList{"5", "S0=1", "S1=1", "S2=1"};
    QTest::newRow("lab 6") << QStringList{"6", "S0=1", "S1=1", "S2=1", "S3=1", "S4=1"};
    QTest::newRow("lab 7") << QStringList{"7", "circuit=2", "events=S1@0,S1@1.5", "at=0,1,2"};
    QTest::newRow("lab 8") << QStringList{"8", "on1=1", "on3=1", "S5=1"};
}

void TestCalcTool::netlist()
{
    QFETCH(QStringList, args);
    const Outcome r = RunCalc(args + QStringList{"--netlist"});
    QCOMPARE(r.exitCode, 0);
    QVERIFY(r.err.isEmpty());
    const QStringList lines = QString::fromUtf8(r.out).split(QLatin1Char('\n'));
    QVERIFY(lines.first().startsWith(QStringLiteral("Ohmaris lab %1: ").arg(args.first())));
    QCOMPARE(lines.mid(lines.size() - 4), (QStringList{"quit 0", ".endc", ".end", ""}));

    const Outcome json = RunCalc(args + QStringList{"--json"});
    const QJsonObject outputs = QJsonDocument::fromJson(json.out).object().value("outputs").toObject();
    bool control = false;
    QString comment;
    int printed = 0;
    for (const QString &line : lines.mid(1, lines.size() - 5)) {
        if (line == QLatin1String(".control")) {
            control = true;
        } else if (line.startsWith(QLatin1Char('*'))) {
            comment = line;
        } else if (!control) {
            QVERIFY2(line.contains(QLatin1String(" $ ")), qPrintable(line));
        } else if (line.startsWith(QLatin1String("print"))) {
            // Lab 7's arrays are its samples' fields; lab 8 adds the
            // waveform's own effective values, VoltageRms and CurrentRms
            // with "Exact".
            QString name = line.section(QLatin1Char(' '), -1);
            const bool sampled = args.first() == QLatin1String("7");
            if (args.first() == QLatin1String("8"))
                name.remove(QLatin1String("Exact"));
            QVERIFY2(sampled ? outputs.value("samples").toArray().first().toObject().contains(name)
                             : outputs.contains(name),
                     qPrintable(line));
            ++printed;
        } else if (!line.startsWith(QLatin1String("let ")) || !line.contains(QLatin1Char('['))) {
            // A command, not an entry of an array: its comment is above it.
            QVERIFY2(!comment.isEmpty(), qPrintable(line));
            comment.clear();
        }
    }
    QVERIFY(printed >= 3);
}

// Under a decimal-comma locale the deck still writes decimal points.
void TestCalcTool::netlistNumbersTakeAPoint()
{
    const Outcome r = RunCalc({"1", "E1=2,5", "R01=0,25", "--netlist"});
    QCOMPARE(r.exitCode, 0);
    QVERIFY(r.out.contains("VE1 e1p e1n DC 2.5 $"));
    QVERIFY(r.out.contains("R01_S1 0 p1 0.251 $"));
}

void TestCalcTool::lab7WithoutEventsOrTimes()
{
    // No events: the circuit stays at rest; no sample times: no samples.
    const Outcome none = RunCalc({"7", "--json"});
    QCOMPARE(none.exitCode, 0);
    const QJsonObject o = QJsonDocument::fromJson(none.out).object();
    QCOMPARE(o.value("inputs").toObject().value("events").toArray().size(), 0);
    QCOMPARE(o.value("inputs").toObject().value("at").toArray().size(), 0);
    QCOMPARE(o.value("outputs").toObject().value("samples").toArray().size(), 0);

    const Outcome rest = RunCalc({"7", "at=1,5", "--json"});
    QCOMPARE(rest.exitCode, 0);
    const QJsonArray samples = QJsonDocument::fromJson(rest.out).object().value("outputs").toObject().value("samples").toArray();
    QCOMPARE(samples.size(), 2);
    for (const QJsonValue &s : samples) {
        for (const char *field : {"ScopeVoltage", "ScopeCurrent", "MeterTarget1", "MeterTarget2"})
            QVERIFY2(s.toObject().value(field).toDouble() == 0.0, field);
    }

    // The help lists no defaults for them and shows the example apart.
    const QString help = QString::fromUtf8(RunCalc({"7", "--help"}).out);
    const QRegularExpression noDefault(QStringLiteral("^\\s+(events|at)\\s*= \\(none\\) s\\s"),
                                       QRegularExpression::MultilineOption);
    qsizetype lines = 0;
    for (QRegularExpressionMatchIterator it = noDefault.globalMatch(help); it.hasNext(); it.next())
        ++lines;
    QCOMPARE(lines, qsizetype(2));
    const qsizetype example = help.indexOf(QStringLiteral("example:"));
    QVERIFY2(example > help.indexOf(QStringLiteral("outputs:")), qPrintable(help));
    QVERIFY2(help.indexOf(QStringLiteral("events=S1@0,S2@3.5"), example) > example, qPrintable(help));
}

void TestCalcTool::lab7ListsTakeADecimalPoint()
{
    // In at=1,5 and events=S1@1,5 the comma separates items; the help says
    // so, both for every lab and at the two lists.
    const QString usage = QString::fromUtf8(RunCalc({"--help"}).out);
    const QRegularExpression listRule(QStringLiteral("In a list.*comma separates the items.*take a decimal point"),
                                      QRegularExpression::DotMatchesEverythingOption);
    QVERIFY2(usage.contains(listRule), qPrintable(usage));
    const QString help = QString::fromUtf8(RunCalc({"7", "--help"}).out);
    for (const char *name : {"events", "at"}) {
        const QRegularExpression line(QStringLiteral("^\\s+%1\\s*=.*decimal point.*$").arg(QLatin1String(name)),
                                      QRegularExpression::MultilineOption);
        QVERIFY2(line.match(help).hasMatch(), name);
    }
    const Outcome r = RunCalc({"7", "events=S1@0", "at=1,5", "--json"});
    const QJsonArray samples = QJsonDocument::fromJson(r.out).object().value("outputs").toObject().value("samples").toArray();
    QCOMPARE(samples.size(), 2);
    QCOMPARE(samples[1].toObject().value("t").toDouble(), 5.0);
}

void TestCalcTool::lab7ManySamplesOverADay()
{
    // 60,000 sample times (as many as one argument holds) over a day of
    // ticks: the run grows with ticks + samples, so it ends long before the
    // harness gives up on it, while one that walks every sample on every
    // tick takes minutes. The samples come back in the order given.
    constexpr int kZeros = 60000;
    QStringList times(kZeros, QStringLiteral("0"));
    times << "86400" << "43200.01" << "0.07" << "2.4";
    const Outcome r = RunCalc({"7", "events=S1@0", "at=" + times.join(','), "--json"});
    QCOMPARE(r.exitCode, 0);
    const QJsonArray samples = QJsonDocument::fromJson(r.out).object().value("outputs").toObject().value("samples").toArray();
    QCOMPARE(samples.size(), kZeros + 4);
    const auto t = [&samples](qsizetype k) { return samples[k].toObject().value("t").toDouble(); };
    QCOMPARE(t(0), 0.0);
    QCOMPARE(t(kZeros - 1), 0.0);
    QCOMPARE(t(kZeros), 86400.0);
    QCOMPARE(t(kZeros + 1), 43200.0);
    QCOMPARE(t(kZeros + 2), 0.05);
    QCOMPARE(t(kZeros + 3), 2.4);
    QVERIFY(std::abs(samples[kZeros + 3].toObject().value("ScopeVoltage").toDouble() - 15.1709) < 5e-5);
}

void TestCalcTool::lab7ListsFromFiles()
{
    // at=@FILE and events=@FILE give what the same lists give inline, with
    // one item a line, commas, CR LF, blanks and empty lines mixed.
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString events = dir.filePath(QStringLiteral("events.txt"));
    const QString times = dir.filePath(QStringLiteral("times.txt"));
    QFile e(events);
    QVERIFY(e.open(QIODevice::WriteOnly));
    e.write("S1@0\r\n\r\n  S2@3.5  \r\n");
    e.close();
    QFile t(times);
    QVERIFY(t.open(QIODevice::WriteOnly));
    t.write("2.4, 5\n\n0.07\n");
    t.close();
    const Outcome fromFiles = RunCalc({"7", "circuit=3", "events=@" + events, "at=@" + times, "--json"});
    QVERIFY2(fromFiles.exitCode == 0, fromFiles.err.constData());
    const Outcome inline_ = RunCalc({"7", "circuit=3", "events=S1@0,S2@3.5", "at=2.4,5,0.07", "--json"});
    QCOMPARE(inline_.exitCode, 0);
    QCOMPARE(fromFiles.out, inline_.out);

    // 100,000 sample times, more than one argument can hold.
    constexpr int kTimes = 100000;
    QVERIFY(t.open(QIODevice::WriteOnly));
    for (int k = 0; k < kTimes; ++k)
        t.write(QByteArray::number(k % 2000) + (k % 10 == 9 ? "\n" : ","));
    t.close();
    const Outcome many = RunCalc({"7", "events=S1@0", "at=@" + times, "--json"});
    QVERIFY2(many.exitCode == 0, many.err.constData());
    const QJsonArray samples = QJsonDocument::fromJson(many.out).object().value("outputs").toObject().value("samples").toArray();
    QCOMPARE(samples.size(), kTimes);
    QCOMPARE(samples[kTimes - 1].toObject().value("t").toDouble(), 1999.0);
}

// A list file that cannot be used is named with what is wrong; a bad item
// in it with its line. A pipe is refused at once rather than waited on.
void TestCalcTool::lab7ListFileRefused_data()
{
    QTest::addColumn<QString>("input");    // at or events
    QTest::addColumn<QString>("kind");     // file, fifo, or a fixed path
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QStringList>("named"); // fragments of the error line; %1 the file

    QTest::newRow("missing file") << "at" << "missing" << QByteArray() << QStringList{"at: list file", "%1", "not found"};
    QTest::newRow("a folder") << "events" << "folder" << QByteArray() << QStringList{"events: list file", "%1", "a folder"};
    QTest::newRow("a named pipe") << "at" << "fifo" << QByteArray() << QStringList{"%1", "named pipe"};
    QTest::newRow("a device") << "at" << "/dev/zero" << QByteArray() << QStringList{"'/dev/zero'", "character device"};
    QTest::newRow("bad time on line 3") << "at" << "file" << QByteArray("1\n2,3\nsoon\n")
                                        << QStringList{"at: not a time", "'soon'", "(file %1, line 3)"};
    QTest::newRow("events out of order on line 2") << "events" << "file" << QByteArray("S1@5\r\nS2@1\r\n")
                                                   << QStringList{"ascending", "'S2@1'", "(file %1, line 2)"};
    QTest::newRow("unknown switch on line 1") << "events" << "file" << QByteArray("S3@0")
                                              << QStringList{"S1@SECONDS", "(file %1, line 1)"};
}

void TestCalcTool::lab7ListFileRefused()
{
    QFETCH(QString, input);
    QFETCH(QString, kind);
    QFETCH(QByteArray, content);
    QFETCH(QStringList, named);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QString path = dir.filePath(QStringLiteral("list"));
    if (kind == QLatin1String("file")) {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(content);
    } else if (kind == QLatin1String("fifo")) {
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    } else if (kind == QLatin1String("folder")) {
        QVERIFY(QDir().mkpath(path));
    } else if (kind.startsWith(QLatin1Char('/'))) {
        path = kind;
    }
    const Outcome r = RunCalc({"7", input + QStringLiteral("=@") + path});
    QCOMPARE(r.exitCode, 2);
    QVERIFY(r.out.isEmpty());
    QCOMPARE(r.err.count('\n'), 1);
    const QString quoted = QLatin1Char('\'') + path + QLatin1Char('\'');
    for (const QString &fragment : named)
        QVERIFY2(r.err.contains(QString(fragment).replace(QStringLiteral("%1"), quoted).toUtf8()), r.err.constData());
}

QTEST_GUILESS_MAIN(TestCalcTool)
#include "tst_calc_tool.moc"
