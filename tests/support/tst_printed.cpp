// SPDX-License-Identifier: GPL-3.0-or-later
// The printed-figure comparison the model and calculator tests rest on:
// which values match a figure as printed, and that a failed check is
// reported at the line of the test that made it, not inside the helper.
#include "printed.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace ohmaris;

namespace {

// Where the probe's failing check stands.
int g_probeLine = 0;

// A test with one failing printed-value check, run first with its report
// written to a file.
class Probe : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void failingCheck()
    {
        g_probeLine = __LINE__; test::CheckPrinted("probe value", 1.2, QStringLiteral("1.3"));
    }
};

QString g_probeReport;

} // namespace

class TestPrinted : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void matches_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("printed");
        QTest::addColumn<bool>("match");
        QTest::newRow("within half the last digit") << 2.43264 << "2.4326" << true;
        QTest::newRow("past half the last digit") << 2.43266 << "2.4326" << false;
        QTest::newRow("whole number") << 7.4 << "7" << true;
        QTest::newRow("boundary figure allows a whole unit") << 2.4335 << "2.4326*" << false;
        QTest::newRow("boundary figure, within a unit") << 2.43269 << "2.4326*" << true;
        QTest::newRow("0 is exact") << 1e-9 << "0" << false;
        QTest::newRow("~0 is zero up to rounding") << 1e-9 << "~0" << true;
        QTest::newRow("no figure given") << 123.0 << "-" << true;
    }
    void matches()
    {
        QFETCH(double, value);
        QFETCH(QString, printed);
        QFETCH(bool, match);
        QCOMPARE(test::MatchesPrinted(value, printed), match);
    }

    void failureNamesTheCallersLine()
    {
        QVERIFY(g_probeLine > 0);
        const QString where = QStringLiteral("%1(%2)").arg(QLatin1String(__FILE__)).arg(g_probeLine);
        QVERIFY2(g_probeReport.contains(QStringLiteral("probe value: 1.2 instead of 1.3")), qPrintable(g_probeReport));
        QVERIFY2(g_probeReport.contains(where), qPrintable(g_probeReport));
    }
};

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString report = dir.filePath(QStringLiteral("probe.txt"));
    Probe probe;
    QTest::qExec(&probe, QStringList{QString::fromLocal8Bit(argv[0]), QStringLiteral("-o"), report + QStringLiteral(",txt")});
    QFile f(report);
    if (f.open(QIODevice::ReadOnly))
        g_probeReport = QString::fromUtf8(f.readAll());
    TestPrinted t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_printed.moc"
