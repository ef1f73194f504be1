// SPDX-License-Identifier: GPL-3.0-or-later
// ohmaris-gallery [--size WxH] [--scale F] [--lang en|ru] OUTDIR [SHEET ...]:
// renders every window and instrument sheet of the program to PNG files,
// headless, on an offscreen screen of the given size (1024 x 768 by default)
// and scale factor (1 by default; a 2560 x 1600 screen at 2 is 1280 x 800 to
// the program, and its pictures have the screen's own pixels). Each area adds
// its sheets from its own file of this folder; a lab of the lab table without
// a sheet of its own gets its bench as it opens. It ends with
// status 1 and one line on stderr when it cannot make what was asked: a
// language file that does not load, an output folder it cannot write, a
// picture it could not save.
#include "commandline.h"
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

using ohmaris::tools::CommandLine;

// A lab of the table without a sheet of its own: its bench as it opens.
void RenderLabAsOpened(int lab, const QString &out)
{
    ohmaris::LabWindow *w = ohmaris::gallery::OpenLab(lab);
    w->Tick();
    ohmaris::gallery::SaveWidget(w->form(), out, QStringLiteral("lab%1-start").arg(lab));
    ohmaris::gallery::FinishLab();
}

QString SheetNames()
{
    QStringList names;
    for (const auto &[name, f] : ohmaris::gallery::sheets())
        names << name;
    return names.join(QLatin1Char(' '));
}

} // namespace

int main(int argc, char **argv)
{
    // Every lab of the lab table has its sheet "labN": its own, from this
    // folder, or the bench as it opens.
    ohmaris::LabTable::ForEach([]<class Lab>() {
        const QString name = QStringLiteral("lab%1").arg(Lab::kNumber);
        if (!ohmaris::gallery::sheets().count(name))
            ohmaris::gallery::sheets()[name] = [](const QString &out) { RenderLabAsOpened(Lab::kNumber, out); };
    });

    // Options are read before the application exists: the screen size has to
    // reach the platform plugin.
    CommandLine cl(QStringLiteral("ohmaris-gallery"), QStringLiteral("[OPTIONS] OUTDIR [SHEET ...]"),
                   QStringLiteral("Renders the windows and instrument sheets of Ohmaris to PNG files in OUTDIR,\n"
                                  "headless. Without SHEETs, every sheet. Sheets: %1.\n")
                       .arg(SheetNames()));
    const QCommandLineOption size(QStringLiteral("size"), QStringLiteral("Screen size (default 1024x768)."),
                                  QStringLiteral("WxH"));
    const QCommandLineOption lang(QStringLiteral("lang"),
                                  QStringLiteral("Only this language, en or ru (default: both)."),
                                  QStringLiteral("en|ru"));
    const QCommandLineOption scaleOption(
        QStringLiteral("scale"),
        QStringLiteral("Screen scale factor, 1 to 4 (default 1; --size 2560x1600 --scale 2 is a\n"
                       "1280 x 800 screen to the program, pictured in its 2560 x 1600 pixels)."),
        QStringLiteral("F"));
    cl.Add(size);
    cl.Add(scaleOption);
    cl.Add(lang);
    if (const int status = cl.ParseForMain(argc, argv, true); status >= 0)
        return status;

    int width = 1024, height = 768;
    double scale = 1.0;
    if (cl.isSet(size) && !ohmaris::tools::ParseScreenSize(cl.value(size), width, height))
        return cl.Refuse(QStringLiteral("--size takes WIDTHxHEIGHT, e.g. 1280x1024"));
    if (cl.isSet(scaleOption) && !ohmaris::tools::ParseScaleFactor(cl.value(scaleOption), scale))
        return cl.Refuse(QStringLiteral("--scale takes a factor from 1 to 4, e.g. 1.25"));
    if (cl.isSet(lang)) {
        const QString l = cl.value(lang);
        if (l != QLatin1String("en") && l != QLatin1String("ru"))
            return cl.Refuse(QStringLiteral("--lang takes en or ru"));
        ohmaris::gallery::languages() = {l == QLatin1String("en") ? 1 : 2};
    }
    QStringList only = cl.positional();
    if (only.isEmpty())
        return cl.Refuse(QStringLiteral("no output folder given (try --help)"));
    const QString out = only.takeFirst();
    for (const QString &name : only)
        if (!ohmaris::gallery::sheets().count(name))
            return cl.Refuse(QStringLiteral("no sheet named %1").arg(ohmaris::QuotedArgument(name)));

    // Always this screen, also when the environment already asks for the
    // offscreen platform (whose own screen is 800 x 800).
    qputenv("QT_QPA_PLATFORM",
            ohmaris::tools::OffscreenPlatform(QStringLiteral("ohmaris-gallery"), width, height, scale));

    QApplication app(argc, argv);
    ohmaris::InstallFontSubstitutes();

    // Checked before anything is made: a broken language file leaves no
    // folder behind and no pictures with empty captions.
    QTextStream err(stderr);
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
