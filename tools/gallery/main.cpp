// ohmaris-gallery OUTDIR [--size WxH] [--lang en|ru] [SHEET ...]: renders
// every window and instrument sheet of the program to PNG files, headless,
// on an offscreen screen of the given size (1024 x 768 by default). It ends
// with status 1 and one line on stderr when it cannot make what was asked:
// a language file that does not load, an output folder it cannot write, a
// picture it could not save.
#include "gallery.h"
#include "offscreen.h"

#include "calc/clock.h"
#include "i18n/languagefile.h"
#include "labs/labtable.h"
#include "labs/registry.h"
#include "shell/fonts.h"
#include "shell/labwindow.h"
#include "shell/shell.h"


#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QImageWriter>
#include <QMouseEvent>
#include <QSaveFile>
#include <QTemporaryFile>
#include <QTextStream>
#include <QTimer>
#include <QWidget>
#include <map>

namespace ohmaris::gallery {

namespace {
std::map<QString, SheetFunction> &sheets()
{
    static std::map<QString, SheetFunction> s;
    return s;
}
std::vector<int> &languages()
{
    static std::vector<int> l{1, 2};
    return l;
}
// The first picture that could not be saved, as a line for stderr.
QString &saveFailure()
{
    static QString failure;
    return failure;
}
} // namespace

const std::vector<int> &Languages()
{
    return languages();
}

void PrepareShell()
{
    Shell::reset();
    Shell &shell = Shell::instance();
    shell.setMessagesShown(false);
    int lang = languages().front();
    shell.LoadLanguage(lang);
    RegisterLabWindows();
}

LabWindow *OpenLab(int lab)
{
    PrepareShell();
    LabWindow *w = Shell::instance().LabWindowFor(lab);
    // The sheet ticks the bench itself: a running timer would add ticks
    // whenever painting a picture takes long, and pictures would differ
    // from run to run.
    w->setTimerHeld(true);
    w->Show();
    QCoreApplication::processEvents();
    return w;
}

void FinishLab()
{
    Shell::reset();
    setAppClock(nullptr);
}

void Ticks(LabWindow *w, int count, FakeClock *clock, double dt)
{
    for (int i = 0; i < count; ++i) {
        if (clock)
            clock->advance(dt);
        w->Tick();
    }
}

void ClickKnob(QWidget *knob, Qt::MouseButton button)
{
    const QPointF c(knob->width() / 2.0, knob->height() / 2.0);
    const QPointF g = knob->mapToGlobal(c);
    QMouseEvent press(QEvent::MouseButtonPress, c, g, button, button, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, c, g, button, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(knob, &press);
    QApplication::sendEvent(knob, &release);
}

GallerySheet::GallerySheet(const char *name, SheetFunction render)
{
    sheets()[QString::fromLatin1(name)] = std::move(render);
}

void SaveWidget(QWidget *w, const QString &outDir, const QString &name)
{
    if (!w->isVisible())
        w->show();
    QCoreApplication::processEvents();
    // Whole or not at all: a picture cut short by a full disk is not left
    // behind looking like a result.
    const QString path = QDir(outDir).filePath(name + QStringLiteral(".png"));
    QSaveFile file(path);
    QString why;
    if (!file.open(QIODevice::WriteOnly)) {
        why = file.errorString();
    } else {
        QImageWriter writer(&file, "png");
        if (!writer.write(w->grab().toImage())) {
            why = writer.errorString();
            file.cancelWriting();
        } else if (!file.commit()) {
            why = file.errorString();
        }
    }
    if (!why.isEmpty() && saveFailure().isEmpty())
        saveFailure() = QStringLiteral("cannot write %1: %2").arg(path, why);
}

} // namespace ohmaris::gallery

namespace {

// Why the pictures cannot go to `out`, or an empty string: the folder is
// made when missing, and a file is made and removed in it to show it can be
// written.
QString OutputFolderProblem(const QString &out)
{
    const QFileInfo info(out);
    if (info.exists() && !info.isDir())
        return QStringLiteral("the output path %1 is not a folder").arg(out);
    if (!QDir().mkpath(out))
        return QStringLiteral("cannot create the output folder %1").arg(out);
    QTemporaryFile probe(QDir(out).filePath(QStringLiteral(".ohmaris-gallery-XXXXXX")));
    if (!probe.open())
        return QStringLiteral("cannot write into the output folder %1: %2").arg(out, probe.errorString());
    return {};
}

// The first language file that does not load, as the reader words it. Both
// are needed: the sheets show windows in each language.
QString LanguageProblem()
{
    for (const ohmaris::Language language : {ohmaris::Language::English, ohmaris::Language::Russian}) {
        const ohmaris::LanguageResult r =
            ohmaris::ReadLanguageFile(ohmaris::LanguageFilePath(language), language);
        if (!r.ok())
            return r.error ? r.error->message() : QStringLiteral("a language file could not be read");
    }
    return {};
}

void usage(QTextStream &err)
{
    err << "usage: ohmaris-gallery OUTDIR [--size WxH] [--lang en|ru] [SHEET ...]\nsheets:";
    for (const auto &[name, f] : ohmaris::gallery::sheets())
        err << ' ' << name;
    err << '\n';
}

} // namespace

int main(int argc, char **argv)
{
    // Every lab of the lab table has its sheet "labN".
    ohmaris::LabTable::ForEach([]<class Lab>() {
        ohmaris::gallery::sheets()[QStringLiteral("lab%1").arg(Lab::kNumber)] = &Lab::RenderGallery;
    });
    // Options are read before the application exists: the screen size has to
    // reach the platform plugin.
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    QTextStream err(stderr);
    int width = 1024, height = 768;
    QString out;
    QStringList only;
    for (int i = 0; i < args.size(); ++i) {
        const QString &a = args.at(i);
        if (a == QLatin1String("--size") && i + 1 < args.size()) {
            if (!ohmaris::tools::ParseScreenSize(args.at(++i), width, height)) {
                err << "ohmaris-gallery: --size takes WIDTHxHEIGHT, e.g. 1280x1024\n";
                return 2;
            }
        } else if (a == QLatin1String("--lang") && i + 1 < args.size()) {
            const QString l = args.at(++i);
            if (l != QLatin1String("en") && l != QLatin1String("ru")) {
                err << "ohmaris-gallery: --lang takes en or ru\n";
                return 2;
            }
            ohmaris::gallery::languages() = {l == QLatin1String("en") ? 1 : 2};
        } else if (a == QLatin1String("--help")) {
            usage(err);
            return 0;
        } else if (a.startsWith(QLatin1String("--"))) {
            err << "ohmaris-gallery: unknown option " << a << '\n';
            return 2;
        } else if (out.isEmpty()) {
            out = a;
        } else {
            only << a;
        }
    }
    if (out.isEmpty()) {
        usage(err);
        return 2;
    }
    // Always this screen, also when the environment already asks for the
    // offscreen platform (whose own screen is 800 x 800).
    qputenv("QT_QPA_PLATFORM", ohmaris::tools::OffscreenPlatform(QStringLiteral("ohmaris-gallery"), width, height));

    QApplication app(argc, argv);
    ohmaris::InstallFontSubstitutes();

    for (const QString &name : only)
        if (!ohmaris::gallery::sheets().count(name)) {
            err << "ohmaris-gallery: no sheet named " << name << '\n';
            return 2;
        }
    // Checked before anything is made: a broken language file leaves no
    // folder behind and no pictures with empty captions.
    QString problem = LanguageProblem();
    if (problem.isEmpty())
        problem = OutputFolderProblem(out);
    if (!problem.isEmpty()) {
        err << "ohmaris-gallery: " << problem << '\n';
        return 1;
    }
    for (const auto &[name, render] : ohmaris::gallery::sheets()) {
        if (!only.isEmpty() && !only.contains(name))
            continue;
        err << "sheet " << name << '\n';
        err.flush();
        render(out);
        if (!ohmaris::gallery::saveFailure().isEmpty()) {
            err << "ohmaris-gallery: " << ohmaris::gallery::saveFailure() << '\n';
            return 1;
        }
    }
    return 0;
}
