// The benchmarks on a loaded machine: each benchmark's timed function runs
// as a process that is stopped for most of the time (SIGSTOP, SIGCONT), so
// its wall-clock figures come out many times too large. A benchmark prints
// them and still passes: it must never fail on time.
#include <QProcess>
#include <QTest>

#include <csignal>
#include <sys/types.h>

namespace {

// Of every 101 ms the benchmark runs for 1: about a hundred times slower
// than alone, far past any limit a benchmark could set itself.
constexpr int kStoppedMs = 100;
constexpr int kRunningMs = 1;
constexpr int kLongestRunMs = 240000;

} // namespace

class TestBenchLoad : public QObject {
    Q_OBJECT

private slots:
    void passesWhenSlowedDown_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QByteArray>("figures"); // what its report must hold
        QTest::newRow("pointer meter repaint")
            << QStringLiteral(OHMARIS_BENCH_PRIBOR) << QStringList{QStringLiteral("repaintBudget")}
            << QByteArray("meter repaint");
    }

    void passesWhenSlowedDown()
    {
        QFETCH(QString, program);
        QFETCH(QStringList, args);
        QFETCH(QByteArray, figures);

        QProcess p;
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.start(program, args);
        QVERIFY2(p.waitForStarted(), qPrintable(p.errorString()));
        const pid_t pid = pid_t(p.processId());
        int elapsed = 0;
        bool finished = false;
        while (!finished && elapsed < kLongestRunMs) {
            ::kill(pid, SIGSTOP);
            QTest::qSleep(kStoppedMs);
            ::kill(pid, SIGCONT);
            finished = p.waitForFinished(kRunningMs);
            elapsed += kStoppedMs + kRunningMs;
        }
        if (!finished) {
            p.kill();
            p.waitForFinished();
        }
        const QByteArray report = p.readAll();
        QVERIFY2(finished, "the benchmark did not end");
        QVERIFY2(p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0, report.constData());
        QVERIFY2(report.contains(figures), report.constData());
        for (const QByteArray &line : report.split('\n'))
            if (line.contains(figures))
                qInfo("slowed down: %s", line.trimmed().constData());
    }
};

QTEST_GUILESS_MAIN(TestBenchLoad)
#include "tst_bench_load.moc"
