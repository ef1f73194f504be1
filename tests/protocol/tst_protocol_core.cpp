// SPDX-License-Identifier: GPL-3.0-or-later
// The protocol as data: how a reading is written for a person, the CSV an
// independent reader (Python's csv module) takes back with its numbers as
// numbers, the oscilloscope's CSV sample for sample, and files written
// whole or not at all. CTest runs it under C.UTF-8 and again under
// ru_RU.UTF-8, whose decimal mark is a comma and whose fields are then
// separated by semicolons.
#include "calc/protocol.h"
#include "calc/savefile.h"
#include "csvreader.h"
#include "filesizelimit.h"
#include "testlocale.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

using namespace ohmaris;
using Kind = InstrumentReading::Kind;
Q_DECLARE_METATYPE(ohmaris::InstrumentReading)

namespace {

InstrumentReading Reading(const QString &name, Kind kind, double value, const QString &unit = QString(),
                          double range = 0.0, double error = 0.0)
{
    InstrumentReading r;
    r.name = name;
    r.kind = kind;
    r.value = value;
    r.unit = unit;
    r.range = range;
    r.error = error;
    return r;
}

// Two rows as a bench gives them; the second was taken while a pointer
// still moved and lacks the dark display the first one had.
Protocol TwoRows()
{
    Protocol p;
    ProtocolRow a;
    a.time = QTime(10, 0, 5);
    a.settings = {{QStringLiteral("variant"), QStringLiteral("3"), QString()},
                  {QStringLiteral("C"), QStringLiteral("100.5"), QStringLiteral("uF")},
                  {QStringLiteral("events"), QStringLiteral("S1@0,S2@3.5"), QStringLiteral("s")}};
    a.readings = {Reading(QStringLiteral("K-50 V"), Kind::Meter, 229.3, QStringLiteral("V"), 300, 1.5),
                  Reading(QStringLiteral("K-50 A"), Kind::Meter, 0.8501, QStringLiteral("A"), 1, 0.005),
                  Reading(QStringLiteral("K-50 phase"), Kind::Knob, 2, QString(), 3),
                  Reading(QStringLiteral("variant"), Kind::Knob, 3, QString(), 7),
                  Reading(QStringLiteral("K-50 direction"), Kind::Switch, -1, QString(), 2),
                  Reading(QStringLiteral("mA"), Kind::Indicator, 12.345, QStringLiteral("mA")),
                  Reading(QStringLiteral("V1"), Kind::Indicator, kNoNumber, QStringLiteral("V"))};
    p.Add(a);
    ProtocolRow b = a;
    b.time = QTime(10, 1, 0);
    b.moving = true;
    b.settings[0].value = QStringLiteral("4");
    b.readings[1].value = 0.1234;
    b.readings[1].range = 2.5;
    b.readings[1].error = 0.0125;
    b.readings[3].value = 4;
    b.readings.pop_back();
    p.Add(b);
    return p;
}

ProtocolWords Words(QChar mark = QLatin1Char('.'))
{
    ProtocolWords w;
    w.decimalMark = mark;
    w.position = [](const InstrumentReading &r) {
        return r.name == QLatin1String("K-50 phase") ? QStringList{"A", "B", "C"}.value(int(r.value) - 1) : QString();
    };
    return w;
}

QString WriteTemp(const QTemporaryDir &dir, const QString &name, const QString &text)
{
    const QString path = dir.filePath(name);
    const QString reason = SaveWhole(path, text.toUtf8());
    return reason.isEmpty() ? path : QString();
}

} // namespace

class TestProtocolCore : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        const char separator = test::AdoptEnvironmentLocale();
        QCOMPARE(separator, test::CommaLocaleExpected() ? ',' : '.');
    }

    void readingText_data()
    {
        QTest::addColumn<InstrumentReading>("reading");
        QTest::addColumn<QString>("mark");
        QTest::addColumn<QString>("text");
        const QString dot = QStringLiteral(".");
        QTest::newRow("K-50 ammeter at 1 A, class 0.5")
            << Reading("A", Kind::Meter, 0.8501, "A", 1, 0.005) << dot << "0.85 \u00b1 0.005";
        QTest::newRow("rounded to the error's first digit")
            << Reading("A1", Kind::Meter, 1.1583, "A", 1.5, 0.0225) << dot << "1.16 \u00b1 0.0225";
        QTest::newRow("wattmeter in whole watts")
            << Reading("W", Kind::Meter, 1234.4, "W", 2250, 11.25) << dot << "1234 \u00b1 11.25";
        QTest::newRow("a tiny negative reads zero")
            << Reading("A", Kind::Meter, -0.0004, "A", 1, 0.005) << dot << "0 \u00b1 0.005";
        QTest::newRow("decimal comma") << Reading("A", Kind::Meter, 0.85, "A", 1, 0.005) << "," << "0,85 \u00b1 0,005";
        QTest::newRow("meter without a class: four digits")
            << Reading("A", Kind::Meter, 12.3456, "A", 100, 0) << dot << "12.35";
        QTest::newRow("display shows its number")
            << Reading("mA", Kind::Indicator, 229.123, "mA") << "," << "229,123";
        QTest::newRow("dark display shows nothing") << Reading("V1", Kind::Indicator, kNoNumber, "V") << dot << "";
        QTest::newRow("knob position") << Reading("variant", Kind::Knob, 3, "", 7) << dot << "3";
        QTest::newRow("K-50 phase by its mark") << Reading("K-50 phase", Kind::Knob, 3, "", 3) << dot << "C";
        QTest::newRow("power direction minus")
            << Reading("K-50 direction", Kind::Switch, -1, "", 2) << dot << "\u2212";
        QTest::newRow("power direction plus") << Reading("K-50 direction", Kind::Switch, 1, "", 2) << dot << "+";
    }
    void readingText()
    {
        QFETCH(InstrumentReading, reading);
        QFETCH(QString, mark);
        QFETCH(QString, text);
        QCOMPARE(ReadingText(reading, Words(mark.front())), text);
    }

    // The table a person reads: every setting and instrument once (the
    // variant knob is the variant setting), a row without one of them
    // leaves its cell empty, ranges beside the settings, the moving row
    // noted.
    void table()
    {
        const ProtocolTable t = ProtocolTableOf(TwoRows(), Words());
        const QStringList headers{"Time", "variant", "C, uF", "events, s", "K-50 phase", "K-50 direction",
                                  "K-50 V range, V", "K-50 A range, A", "K-50 V, V", "K-50 A, A", "mA, mA",
                                  "V1, V", "Note"};
        QCOMPARE(t.headers, headers);
        QCOMPARE(t.rows.size(), std::size_t(2));
        QCOMPARE(t.rows[0], (QStringList{"10:00:05", "3", "100.5", "S1@0,S2@3.5", "B", "\u2212", "300", "1",
                                         "229 \u00b1 1.5", "0.85 \u00b1 0.005", "12.345", "", ""}));
        QCOMPARE(t.rows[1], (QStringList{"10:01:00", "4", "100.5", "S1@0,S2@3.5", "B", "\u2212", "300", "2.5",
                                         "229 \u00b1 1.5", "0.12 \u00b1 0.0125", "12.345", "", "pointer moving"}));
        QCOMPARE(t.moving, (std::vector<bool>{false, true}));
    }

    // The CSV as Python's csv module reads it in the locale of the run:
    // the separator the locale wants, one field per column even where a
    // header holds the separator, every number a number.
    void csvReadBack()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const Protocol p = TwoRows();
        const QString path =
            WriteTemp(dir, QStringLiteral("protocol.csv"), ProtocolCsv(p, Words(), CsvStyle::System()));
        QVERIFY(!path.isEmpty());
        const test::CsvRead csv = test::ReadCsvWithPython(path);
        QVERIFY2(csv.ok, qPrintable(csv.error));
        QCOMPARE(csv.delimiter, test::CommaLocaleExpected() ? QStringLiteral(";") : QStringLiteral(","));
        QCOMPARE(csv.rows.size(), 3);
        const QStringList headers{"Time", "variant", "C, uF", "events, s", "K-50 phase", "K-50 direction",
                                  "K-50 V range, V", "K-50 A range, A", "K-50 V, V", "K-50 V error, V",
                                  "K-50 A, A", "K-50 A error, A", "mA, mA", "V1, V", "Note"};
        QStringList read;
        for (const QJsonValue &v : csv.rows[0].toArray())
            read << v.toString();
        QCOMPARE(read, headers);
        const QJsonArray first = csv.rows[1].toArray();
        const QJsonArray second = csv.rows[2].toArray();
        QCOMPARE(first.size(), headers.size());
        QCOMPARE(second.size(), headers.size());
        // Texts stay texts, numbers are numbers of the reading as read.
        QCOMPARE(first[0].toString(), QStringLiteral("10:00:05"));
        QCOMPARE(first[1].toDouble(-1), 3.0);
        QCOMPARE(first[2].toDouble(-1), 100.5);
        QCOMPARE(first[3].toString(), QStringLiteral("S1@0,S2@3.5"));
        QCOMPARE(first[4].toString(), QStringLiteral("B"));
        QCOMPARE(first[5].toDouble(0), -1.0);
        QCOMPARE(first[6].toDouble(-1), 300.0);
        QCOMPARE(first[7].toDouble(-1), 1.0);
        QCOMPARE(first[8].toDouble(-1), 229.0);
        QCOMPARE(first[9].toDouble(-1), 1.5);
        QCOMPARE(first[10].toDouble(-1), 0.85);
        QCOMPARE(first[11].toDouble(-1), 0.005);
        QCOMPARE(first[12].toDouble(-1), 12.345);
        QCOMPARE(first[13].toString(QStringLiteral("x")), QString());
        QCOMPARE(first[14].toString(QStringLiteral("x")), QString());
        QCOMPARE(second[1].toDouble(-1), 4.0);
        QCOMPARE(second[7].toDouble(-1), 2.5);
        QCOMPARE(second[10].toDouble(-1), 0.12);
        QCOMPARE(second[11].toDouble(-1), 0.0125);
        QCOMPARE(second[14].toString(), QStringLiteral("pointer moving"));
        // Every number field was a number to the reader.
        for (int c : {1, 2, 5, 6, 7, 8, 9, 10, 11, 12})
            QVERIFY2(first[c].isDouble() && second[c].isDouble(), qPrintable(headers[c]));
    }

    // Every sample comes back as the very float the screen drew.
    void scopeCsvReadBack()
    {
        ScopeTraces t;
        const std::vector<float> u{0.0f, 0.1f, -3.3333333f, 1e-7f, 24.0f, 1.0f / 3.0f};
        std::vector<float> i;
        for (float a : u)
            i.push_back(a * 1000.0f);
        for (std::size_t k = 0; k < u.size(); ++k)
            t.timeMs.push_back(double(k) / 5.0);
        t.channels = {{QStringLiteral("u"), QStringLiteral("V"), u}, {QStringLiteral("i"), QStringLiteral("mA"), i}};
        QTemporaryDir dir;
        const QString path =
            WriteTemp(dir, QStringLiteral("scope.csv"), ScopeCsv(t, ProtocolWords(), CsvStyle::System()));
        QVERIFY(!path.isEmpty());
        const test::CsvRead csv = test::ReadCsvWithPython(path);
        QVERIFY2(csv.ok, qPrintable(csv.error));
        QCOMPARE(csv.rows.size(), int(u.size()) + 1);
        QCOMPARE(csv.rows[0].toArray().toVariantList(), (QVariantList{"t, ms", "u, V", "i, mA"}));
        for (std::size_t k = 0; k < u.size(); ++k) {
            const QJsonArray row = csv.rows[int(k) + 1].toArray();
            QCOMPARE(row[0].toDouble(-1), t.timeMs[k]);
            QCOMPARE(float(row[1].toDouble(-1)), u[k]);
            QCOMPARE(float(row[2].toDouble(-1)), i[k]);
        }
    }

    // A file is written whole or not at all: a refused save says why, and
    // whatever was there stays as it was, with no temporary file left.
    void saveWholeRefusals_data()
    {
        QTest::addColumn<QString>("where");
        QTest::addColumn<int>("bytes");
        QTest::newRow("a folder where the file should be") << "folder" << 65536;
        QTest::newRow("a folder that is not there") << "missing/protocol.csv" << 65536;
        QTest::newRow("a file where a folder should be") << "file.txt/protocol.csv" << 65536;
        QTest::newRow("a read-only folder") << "readonly/protocol.csv" << 65536;
        QTest::newRow("no room for the whole file") << "full/protocol.csv" << 65536;
        // Smaller than a file's write buffer: cut short only when flushed.
        QTest::newRow("no room for a small file") << "full/protocol.csv" << 1000;
    }
    void saveWholeRefusals()
    {
        QFETCH(QString, where);
        QFETCH(int, bytes);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QDir(dir.path()).mkpath(QStringLiteral("folder"));
        QDir(dir.path()).mkpath(QStringLiteral("readonly"));
        QDir(dir.path()).mkpath(QStringLiteral("full"));
        QFile txt(dir.filePath(QStringLiteral("file.txt")));
        QVERIFY(txt.open(QIODevice::WriteOnly));
        txt.close();
        const QString path = dir.filePath(where);
        const QByteArray before("the protocol saved before\r\n");
        if (where.startsWith(QLatin1String("full"))) {
            QFile old(path);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write(before);
        }
        if (where.startsWith(QLatin1String("readonly"))) {
            if (geteuid() == 0)
                QSKIP("root writes into a read-only folder");
            QFile::setPermissions(dir.filePath(QStringLiteral("readonly")), QFile::ReadOwner | QFile::ExeOwner);
        }
        QString reason;
        {
            const QByteArray data(bytes, 'x');
            test::FileSizeLimit limit(where.startsWith(QLatin1String("full")) ? 300 : RLIM_INFINITY);
            reason = SaveWhole(path, data);
        }
        QFile::setPermissions(dir.filePath(QStringLiteral("readonly")), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY2(!reason.isEmpty(), qPrintable(where));
        if (where.startsWith(QLatin1String("full"))) {
            QFile old(path);
            QVERIFY(old.open(QIODevice::ReadOnly));
            QCOMPARE(old.readAll(), before);
            QCOMPARE(QDir(dir.filePath(QStringLiteral("full"))).entryList(QDir::Files | QDir::Hidden),
                     QStringList{QStringLiteral("protocol.csv")});
        } else if (where == QLatin1String("folder")) {
            QVERIFY(QFileInfo(path).isDir());
        } else {
            QVERIFY(!QFileInfo::exists(path));
        }
    }
};

QTEST_GUILESS_MAIN(TestProtocolCore)
#include "tst_protocol_core.moc"
