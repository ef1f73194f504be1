// SPDX-License-Identifier: GPL-3.0-or-later
// The command lines of the four tools, run as programs: --help prints a
// usage that lists every option, --version the version, and whatever a
// tool refuses is one line on stderr with exit status 2 and nothing on
// stdout.
#include "ohmaris_version.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTest>

namespace {

struct Tool {
    const char *name;
    const char *path;
    QStringList options; // every option its usage must list
};

const Tool kTools[] = {
    {"ohmaris-calc", OHMARIS_CALC_PATH,
     {"--json", "--vary NAME=LIST", "--format text|csv|json", "--columns NAME,...", "--phasors FILE.svg",
      "--spectrum FILE.svg", "--lang en|ru", "--man", "--help", "-h", "--version", "-v"}},
    {"ohmaris-gallery", OHMARIS_GALLERY_PATH, {"--size WxH", "--lang en|ru", "--help", "--version"}},
    {"ohmaris-bench", OHMARIS_BENCH_PATH,
     {"--size WxH", "--ticks N", "--settle N", "--lab N", "--json", "--profile", "--probe KIND", "--help",
      "--version"}},
    {"ohmaris-monkey", OHMARIS_MONKEY_PATH,
     {"--seed S", "--events N", "--window NAME", "--trace-from E", "--size WxH", "--windows", "--help",
      "--version"}},
};

struct Outcome {
    int status = -1;
    QString out, err;
};

Outcome Run(const QString &path, const QStringList &args)
{
    QProcess p;
    p.start(path, args);
    if (!p.waitForFinished(30000) || p.exitStatus() != QProcess::NormalExit)
        return {};
    return {p.exitCode(), QString::fromLocal8Bit(p.readAllStandardOutput()),
            QString::fromLocal8Bit(p.readAllStandardError())};
}

} // namespace

class TestToolOptions : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void helpListsEveryOption_data()
    {
        QTest::addColumn<int>("tool");
        for (int t = 0; t < int(std::size(kTools)); ++t)
            QTest::newRow(kTools[t].name) << t;
    }
    void helpListsEveryOption()
    {
        QFETCH(int, tool);
        const Tool &t = kTools[tool];
        for (const char *help : {"--help", "-h"}) {
            const Outcome r = Run(QLatin1String(t.path), {QLatin1String(help)});
            QCOMPARE(r.status, 0);
            QVERIFY2(r.err.isEmpty(), qPrintable(r.err));
            QVERIFY2(r.out.startsWith(QStringLiteral("usage: %1 ").arg(QLatin1String(t.name))), qPrintable(r.out));
            for (const QString &option : t.options) {
                const QRegularExpression listed(
                    QStringLiteral("^  .*%1( |,|$)").arg(QRegularExpression::escape(option)),
                    QRegularExpression::MultilineOption);
                QVERIFY2(listed.match(r.out).hasMatch(), qPrintable(option + QLatin1String(" in:\n") + r.out));
            }
        }
    }

    void version_data() { helpListsEveryOption_data(); }
    void version()
    {
        QFETCH(int, tool);
        const Tool &t = kTools[tool];
        for (const char *version : {"--version", "-v"}) {
            const Outcome r = Run(QLatin1String(t.path), {QLatin1String(version)});
            QCOMPARE(r.status, 0);
            QCOMPARE(r.out, QStringLiteral("%1 %2\n").arg(QLatin1String(t.name), QLatin1String(ohmaris::kVersionText)));
            QVERIFY(r.err.isEmpty());
        }
    }

    void refused_data()
    {
        QTest::addColumn<int>("tool");
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("says");
        for (int t = 0; t < int(std::size(kTools)); ++t) {
            const QByteArray name(kTools[t].name);
            QTest::newRow(name + " unknown option") << t << QStringList{"--nonsense"} << "unknown option '--nonsense'";
            QTest::newRow(name + " unknown short option") << t << QStringList{"-q"} << "unknown option '-q'";
        }
        QTest::newRow("calc value after a flag") << 0 << QStringList{"1", "--json=yes"} << "--json";
        QTest::newRow("gallery no folder") << 1 << QStringList{} << "no output folder";
        QTest::newRow("gallery size without its value") << 1 << QStringList{"out", "--size"} << "--size";
        QTest::newRow("gallery size not WxH") << 1 << QStringList{"out", "--size", "12"} << "--size";
        QTest::newRow("gallery unknown language") << 1 << QStringList{"out", "--lang", "de"} << "--lang";
        QTest::newRow("gallery unknown sheet") << 1 << QStringList{"out", "nosuchsheet"} << "'nosuchsheet'";
        QTest::newRow("bench no ticks") << 2 << QStringList{"--ticks", "0"} << "--ticks";
        QTest::newRow("bench lab not in the table") << 2 << QStringList{"--lab", "99"} << "--lab";
        QTest::newRow("bench unknown probe") << 2 << QStringList{"--probe", "cpu"} << "--probe";
        QTest::newRow("bench stray argument") << 2 << QStringList{"lab1"} << "'lab1'";
        QTest::newRow("monkey window not in the table") << 3 << QStringList{"--window", "Form99"} << "Form1";
        QTest::newRow("monkey events not a number") << 3 << QStringList{"--events", "many"} << "--events";
        QTest::newRow("monkey seed without its value") << 3 << QStringList{"--seed"} << "--seed";
    }
    void refused()
    {
        QFETCH(int, tool);
        QFETCH(QStringList, args);
        QFETCH(QString, says);
        const Tool &t = kTools[tool];
        const Outcome r = Run(QLatin1String(t.path), args);
        QCOMPARE(r.status, 2);
        QVERIFY2(r.out.isEmpty(), qPrintable(r.out));
        QVERIFY2(r.err.startsWith(QLatin1String(t.name) + QLatin1String(": ")), qPrintable(r.err));
        QCOMPARE(r.err.count(QLatin1Char('\n')), 1);
        QVERIFY(r.err.endsWith(QLatin1Char('\n')));
        QVERIFY2(r.err.contains(says), qPrintable(r.err));
    }
};

QTEST_GUILESS_MAIN(TestToolOptions)
#include "tst_tool_options.moc"
