// SPDX-License-Identifier: GPL-3.0-or-later
// ohmaris-bench [--size WxH] [--ticks N] [--settle N] [--lab N] [--json]
// [--profile] (and --probe KIND, its own child processes):
// what a timer tick of every lab window costs, headless, on an offscreen
// screen of the given size (1280 x 1024 by default). For each lab of the
// lab table: the busy bench (switches closing and opening, knobs turning,
// a value typed, and whatever the window names as busy, such as the
// oscilloscope recording) and the bench at rest; the time of a tick with
// its repaint (median and 99th percentile), of a tick that recomputes after
// an input, paint events and painted pixels, and heap allocations in the
// tick and in the repaint. Then the time from start to the chooser's first
// frame and the peak resident memory with every lab opened once, each from
// a fresh process. The figures are printed, never judged. --profile leaves
// out what a profiler should not see: the attribution of allocations (it
// walks the stack) and the child processes.
#include "allocations.h"
#include "benchdrive.h"
#include "commandline.h"
#include "offscreen.h"

#include "labs/labtable.h"
#include "labs/registry.h"
#include "shell/chooser.h"
#include "shell/fonts.h"
#include "shell/labwindow.h"
#include "shell/shell.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTextStream>
#include <QTimer>
#include <algorithm>
#include <utility>
#include <cstdio>
#include <sys/resource.h>
#include <vector>

using namespace ohmaris;

namespace {

struct Options {
    int width = 1280, height = 1024;
    int ticks = 1000;
    int settle = 20000;
    int lab = 0; // all
    bool json = false;
    bool profile = false; // no attribution pass and no child processes (for a profiler)
    QString probe; // "startup" or "memory": the child processes
};

// Median and 99th percentile of a set of times.
struct Spread {
    double median = 0, p99 = 0;
    int count = 0;
};

Spread SpreadOf(std::vector<double> v)
{
    Spread s;
    s.count = int(v.size());
    if (v.empty())
        return s;
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    s.median = n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
    s.p99 = v[std::min(n - 1, std::size_t(std::ceil(0.99 * double(n))) - 1)];
    return s;
}

struct LabFigures {
    int lab = 0;
    Spread busy, recompute, rest, input;
    Spread busyCpu, recomputeCpu, restCpu; // processor time of the same ticks
    Spread painting; // the busy ticks that painted something
    double busyPaints = 0, busyPixels = 0;
    double restPaints = 0, restPixels = 0, restAllocs = 0;
    double ownAllocs = 0;     // per busy tick, the program's own tick code
    double requestAllocs = 0; // per busy tick, Qt's repaint requests
    double paintAllocs = 0;   // per busy tick, in the repaint
    int settleTicks = -1;
    int timerRestTicks = -1; // ticks until the window's timer would stop
};

LabFigures MeasureLab(int lab, const Options &o)
{
    LabFigures f;
    f.lab = lab;
    bench::LabDriver d(lab);
    if (!d.window())
        return f;
    // Warm-up: fonts, glyph caches and the meters' faces are made once.
    for (int k = 0; k < 3 * bench::LabDriver::kInputEvery * std::max(1, d.inputCount()); ++k)
        d.Busy();

    std::vector<double> busy, recompute, input, busyCpu, recomputeCpu, painting;
    std::int64_t paints = 0, pixels = 0, paintAllocs = 0;
    for (int k = 0; k < o.ticks; ++k) {
        const bench::LabDriver::BusyTick t = d.Busy();
        busy.push_back(t.cost.ms);
        busyCpu.push_back(t.cost.cpuMs);
        if (t.cost.paints > 0)
            painting.push_back(t.cost.ms);
        if (t.recomputes) {
            recompute.push_back(t.cost.ms);
            recomputeCpu.push_back(t.cost.cpuMs);
            input.push_back(t.inputMs);
        }
        paints += t.cost.paints;
        pixels += t.cost.pixels;
        paintAllocs += t.cost.paintAllocs;
    }
    f.busy = SpreadOf(busy);
    f.recompute = SpreadOf(recompute);
    f.busyCpu = SpreadOf(busyCpu);
    f.painting = SpreadOf(painting);
    f.recomputeCpu = SpreadOf(recomputeCpu);
    f.input = SpreadOf(input);
    f.busyPaints = double(paints) / o.ticks;
    f.busyPixels = double(pixels) / o.ticks;
    f.paintAllocs = double(paintAllocs) / o.ticks;

    // Whose the tick's allocations are, on ticks of their own: telling
    // them apart walks the stack, which the timed ticks must not pay for.
    const int attributed = o.profile ? 0 : std::max(1, o.ticks / 4);
    std::int64_t own = 0, request = 0;
    for (int k = 0; k < attributed; ++k) {
        const bench::LabDriver::BusyTick t = d.Busy(true);
        own += t.cost.tickAllocs.own();
        request += t.cost.tickAllocs.repaintRequest;
    }
    f.ownAllocs = attributed ? double(own) / attributed : 0.0;
    f.requestAllocs = attributed ? double(request) / attributed : 0.0;

    f.settleTicks = d.Settle(o.settle, 50, &f.timerRestTicks);
    std::vector<double> rest, restCpu;
    std::int64_t restPaints = 0, restPixels = 0, restAllocs = 0;
    for (int k = 0; k < o.ticks; ++k) {
        const bench::TickCost c = d.Rest();
        rest.push_back(c.ms);
        restCpu.push_back(c.cpuMs);
        restPaints += c.paints;
        restPixels += c.pixels;
        restAllocs += c.tickAllocs.total + c.paintAllocs;
    }
    f.rest = SpreadOf(rest);
    f.restCpu = SpreadOf(restCpu);
    f.restPaints = double(restPaints) / o.ticks;
    f.restPixels = double(restPixels) / o.ticks;
    f.restAllocs = double(restAllocs) / o.ticks;
    return f;
}

// The program's own start: the shell, the lab table, the language, the
// chooser.
bool StartLikeTheProgram()
{
    InstallFontSubstitutes();
    Shell &shell = Shell::instance();
    shell.setMessagesShown(false);
    RegisterLabWindows();
    int language = 1;
    if (!shell.LoadLanguage(language))
        return false;
    shell.ShowChooser();
    return true;
}

// Child process: prints "frame" once the chooser has painted and flushed
// its first frame, then ends.
class FirstFrame : public QObject {
protected:
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            // After the paint and the flush that follow this event.
            QTimer::singleShot(0, [] {
                std::fputs("frame\n", stdout);
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        }
        return false;
    }

private:
    bool m_seen = false;
};

int ProbeStartup()
{
    FirstFrame filter;
    qApp->installEventFilter(&filter);
    if (!StartLikeTheProgram())
        return 1;
    return QApplication::exec();
}

// Child process: opens every lab of the table once from the chooser, lets
// it run half a second on its own timer and leaves it with Exit, all in the
// event loop as the program does (a closed window is deleted when control
// is back there); then prints its peak resident memory in kilobytes.
int ProbeMemory()
{
    if (!StartLikeTheProgram())
        return 1;
    constexpr int kOpenMs = 500;
    constexpr int kClosedMs = 100;
    std::vector<int> labs;
    LabTable::ForEach([&labs]<class Lab>() { labs.push_back(Lab::kNumber); });
    std::size_t next = 0;
    LabWindow *open = nullptr;
    QTimer step;
    step.setSingleShot(true);
    QObject::connect(&step, &QTimer::timeout, [&] {
        if (open) {
            open->MnuExit_Click();
            open = nullptr;
            step.start(kClosedMs);
        } else if (next < labs.size()) {
            const int lab = labs[next++];
            Chooser *chooser = Shell::instance().chooser();
            chooser->Option1_Click(lab - 1);
            chooser->Command2_Click();
            open = Shell::instance().LabWindowFor(lab);
            step.start(kOpenMs);
        } else {
            QCoreApplication::quit();
        }
    });
    step.start(kClosedMs);
    QApplication::exec();
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    std::printf("%ld\n", u.ru_maxrss);
    return 0;
}

// Runs this program again as a probe; returns what it printed, or an empty
// string on failure. `ms` gets the time from start to its first line.
QString RunProbe(const QString &probe, const Options &o, double *ms = nullptr)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer timer;
    timer.start();
    p.start(QCoreApplication::applicationFilePath(),
            {QStringLiteral("--probe"), probe, QStringLiteral("--size"), QStringLiteral("%1x%2").arg(o.width).arg(o.height)});
    if (!p.waitForStarted(30000))
        return {};
    QString out;
    while (!out.contains(QLatin1Char('\n')) && p.waitForReadyRead(60000))
        out += QString::fromLocal8Bit(p.readAll());
    if (ms)
        *ms = double(timer.nsecsElapsed()) / 1e6;
    p.waitForFinished(60000);
    return out.trimmed();
}

QString Number(double v, int decimals)
{
    return QString::number(v, 'f', decimals);
}

void PrintText(const std::vector<LabFigures> &labs, double startup, double rssMb, const Options &o)
{
    QTextStream out(stdout);
    out << "ohmaris-bench, " << o.width << " x " << o.height << ", " << o.ticks
        << " ticks per state; times in ms, median / 99th percentile\n";
    for (const LabFigures &f : labs) {
        out << "lab " << f.lab << '\n';
        out << "  busy       " << Number(f.busy.median, 4) << " / " << Number(f.busy.p99, 4) << " (processor "
            << Number(f.busyCpu.median, 4) << " / " << Number(f.busyCpu.p99, 4) << "), "
            << Number(f.busyPaints, 2) << " paints and " << Number(f.busyPixels, 0) << " pixels a tick\n";
        out << "  painting   " << Number(f.painting.median, 4) << " / " << Number(f.painting.p99, 4) << " over the "
            << f.painting.count << " busy ticks that repainted something\n";
        out << "  recompute  " << Number(f.recompute.median, 4) << " / " << Number(f.recompute.p99, 4)
            << " (processor " << Number(f.recomputeCpu.median, 4) << " / " << Number(f.recomputeCpu.p99, 4)
            << ") over " << f.recompute.count << " ticks after an input (the input and its repaint "
            << Number(f.input.median, 4) << ")\n";
        out << "  allocations a busy tick: " << Number(f.ownAllocs, 2) << " in the program's tick code, "
            << Number(f.requestAllocs, 2) << " in Qt's repaint requests, " << Number(f.paintAllocs, 2)
            << " in the repaint\n";
        out << "  rest       " << Number(f.rest.median * 1000, 2) << " us / " << Number(f.rest.p99 * 1000, 2)
            << " us (processor " << Number(f.restCpu.median * 1000, 2) << " us), " << Number(f.restPaints, 3)
            << " paints, " << Number(f.restPixels, 0) << " pixels, " << Number(f.restAllocs, 3)
            << " allocations a tick; ";
        if (f.settleTicks < 0)
            out << "not at rest after " << o.settle << " ticks";
        else
            out << "at rest after " << f.settleTicks << " ticks";
        if (f.timerRestTicks < 0)
            out << ", the timer still running after " << o.settle << '\n';
        else
            out << ", the timer stops after " << f.timerRestTicks << '\n';
    }
    out << "start to the chooser's first frame: " << Number(startup, 1) << " ms\n";
    out << "peak resident memory, every lab opened once: " << Number(rssMb, 1) << " MB\n";
}

void PrintJson(const std::vector<LabFigures> &labs, double startup, double rssMb, const Options &o)
{
    // Figures rounded as the text prints them: a tenth of a microsecond
    // for times, a hundredth for counts per tick.
    const auto rounded = [](double v, int decimals) { return Number(v, decimals).toDouble(); };
    QJsonArray list;
    for (const LabFigures &f : labs) {
        QJsonObject lab;
        lab.insert(QStringLiteral("lab"), f.lab);
        lab.insert(QStringLiteral("busy_ms"), rounded(f.busy.median, 4));
        lab.insert(QStringLiteral("busy_p99_ms"), rounded(f.busy.p99, 4));
        lab.insert(QStringLiteral("busy_cpu_ms"), rounded(f.busyCpu.median, 4));
        lab.insert(QStringLiteral("busy_paints"), rounded(f.busyPaints, 2));
        lab.insert(QStringLiteral("busy_pixels"), rounded(f.busyPixels, 0));
        lab.insert(QStringLiteral("busy_painting_ms"), rounded(f.painting.median, 4));
        lab.insert(QStringLiteral("busy_painting_ticks"), f.painting.count);
        lab.insert(QStringLiteral("recompute_ms"), rounded(f.recompute.median, 4));
        lab.insert(QStringLiteral("recompute_p99_ms"), rounded(f.recompute.p99, 4));
        lab.insert(QStringLiteral("recompute_cpu_ms"), rounded(f.recomputeCpu.median, 4));
        lab.insert(QStringLiteral("input_ms"), rounded(f.input.median, 4));
        lab.insert(QStringLiteral("allocs_per_tick"), rounded(f.ownAllocs, 2));
        lab.insert(QStringLiteral("repaint_request_allocs_per_tick"), rounded(f.requestAllocs, 2));
        lab.insert(QStringLiteral("paint_allocs_per_tick"), rounded(f.paintAllocs, 2));
        lab.insert(QStringLiteral("rest_ms"), rounded(f.rest.median, 6));
        lab.insert(QStringLiteral("rest_p99_ms"), rounded(f.rest.p99, 6));
        lab.insert(QStringLiteral("rest_cpu_ms"), rounded(f.restCpu.median, 6));
        lab.insert(QStringLiteral("rest_paints"), rounded(f.restPaints, 3));
        lab.insert(QStringLiteral("rest_pixels"), rounded(f.restPixels, 0));
        lab.insert(QStringLiteral("rest_allocs"), rounded(f.restAllocs, 3));
        lab.insert(QStringLiteral("settle_ticks"), f.settleTicks);
        lab.insert(QStringLiteral("timer_rest_ticks"), f.timerRestTicks);
        list.append(lab);
    }
    QJsonObject all;
    all.insert(QStringLiteral("labs"), list);
    all.insert(QStringLiteral("startup_ms"), rounded(startup, 1));
    all.insert(QStringLiteral("peak_rss_mb"), rounded(rssMb, 1));
    all.insert(QStringLiteral("screen"), QStringLiteral("%1x%2").arg(o.width).arg(o.height));
    all.insert(QStringLiteral("ticks"), o.ticks);
    const QByteArray text = QJsonDocument(all).toJson(QJsonDocument::Compact);
    std::fwrite(text.constData(), 1, std::size_t(text.size()), stdout);
    std::fputc('\n', stdout);
}

} // namespace

QtMessageHandler g_standardMessages = nullptr;

// The offscreen platform's notes on what it cannot do, and Qt's note on a
// missing runtime directory, say nothing about the figures.
void QuietPlatformNotes(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtWarningMsg && (message.startsWith(QLatin1String("This plugin does not support")) ||
                                 message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR"))))
        return;
    if (g_standardMessages)
        g_standardMessages(type, context, message);
    else
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

// Reads the command line into `o`; returns -1 to run, else the exit status
// (the usage or the version printed, or a refusal).
int ParseOptions(int argc, char **argv, Options &o)
{
    tools::CommandLine cl(QStringLiteral("ohmaris-bench"), QStringLiteral("[OPTIONS]"),
                          QStringLiteral("Measures what a timer tick of every lab window costs, headless, and prints\n"
                                         "the figures; it never fails on time.\n"));
    const QCommandLineOption size(QStringLiteral("size"), QStringLiteral("Screen size (default 1280x1024)."),
                                  QStringLiteral("WxH"));
    const QCommandLineOption ticks(QStringLiteral("ticks"), QStringLiteral("Ticks timed per state (default 1000)."),
                                   QStringLiteral("N"));
    const QCommandLineOption settle(QStringLiteral("settle"),
                                    QStringLiteral("Most ticks to wait for a bench to come to rest (default 20000)."),
                                    QStringLiteral("N"));
    const QCommandLineOption lab(QStringLiteral("lab"), QStringLiteral("Only this lab (default: every lab)."),
                                 QStringLiteral("N"));
    const QCommandLineOption json(QStringLiteral("json"), QStringLiteral("Print the figures as one line of JSON."));
    const QCommandLineOption profile(QStringLiteral("profile"),
                                     QStringLiteral("Leave out what a profiler should not see: the attribution of "
                                                    "allocations and the child processes."));
    const QCommandLineOption probe(QStringLiteral("probe"),
                                   QStringLiteral("Run as one of the benchmark's own child processes, startup or "
                                                  "memory, and print its one figure."),
                                   QStringLiteral("KIND"));
    for (const QCommandLineOption &option : {size, ticks, settle, lab, json, profile, probe})
        cl.Add(option);
    if (const int status = cl.ParseForMain(argc, argv, false); status >= 0)
        return status;

    if (cl.isSet(size) && !tools::ParseScreenSize(cl.value(size), o.width, o.height))
        return cl.Refuse(QStringLiteral("--size takes WIDTHxHEIGHT, e.g. 1280x1024"));
    const auto count = [&cl](const QCommandLineOption &option, int &into, int least) {
        if (!cl.isSet(option))
            return true;
        bool ok = false;
        into = cl.value(option).toInt(&ok);
        return ok && into >= least;
    };
    const std::pair<const QCommandLineOption *, int *> counts[] = {
        {&ticks, &o.ticks}, {&settle, &o.settle}, {&lab, &o.lab}};
    for (const auto &[option, into] : counts)
        if (!count(*option, *into, 1))
            return cl.Refuse(QStringLiteral("--%1 takes a number of at least 1").arg(option->names().first()));
    if (o.lab > kLabCount)
        return cl.Refuse(QStringLiteral("--lab takes a lab number, 1 to %1").arg(kLabCount));
    o.json = cl.isSet(json);
    o.profile = cl.isSet(profile);
    o.probe = cl.value(probe);
    if (cl.isSet(probe) && o.probe != QLatin1String("startup") && o.probe != QLatin1String("memory"))
        return cl.Refuse(QStringLiteral("--probe takes startup or memory"));
    return -1;
}

int main(int argc, char **argv)
{
    g_standardMessages = qInstallMessageHandler(QuietPlatformNotes);
    Options o;
    if (const int status = ParseOptions(argc, argv, o); status >= 0)
        return status;
    QTextStream err(stderr);
    qputenv("QT_QPA_PLATFORM", tools::OffscreenPlatform(QStringLiteral("ohmaris-bench"), o.width, o.height));
    QApplication app(argc, argv);
    if (o.probe == QLatin1String("startup"))
        return ProbeStartup();
    if (o.probe == QLatin1String("memory"))
        return ProbeMemory();
    if (!alloc::Active())
        err << "ohmaris-bench: allocations cannot be counted (another allocator is in use)\n";
    InstallFontSubstitutes();

    std::vector<LabFigures> labs;
    LabTable::ForEach([&]<class Lab>() {
        if (o.lab == 0 || o.lab == Lab::kNumber)
            labs.push_back(MeasureLab(Lab::kNumber, o));
    });

    std::vector<double> starts;
    for (int k = 0; k < (o.profile ? 0 : 5); ++k) {
        double ms = 0;
        if (RunProbe(QStringLiteral("startup"), o, &ms) == QLatin1String("frame"))
            starts.push_back(ms);
    }
    const double startup = SpreadOf(starts).median;
    const double rssMb = o.profile ? 0.0 : RunProbe(QStringLiteral("memory"), o).toDouble() / 1024.0;

    if (o.json)
        PrintJson(labs, startup, rssMb, o);
    else
        PrintText(labs, startup, rssMb, o);
    return !o.profile && (starts.empty() || rssMb <= 0) ? 1 : 0;
}
