// ohmaris-gallery OUTDIR [SHEET ...]: renders every window and instrument
// sheet of the program to PNG files, headless.
#include "gallery.h"

#include "shell/fonts.h"

#include <QApplication>
#include <QDir>
#include <QTextStream>
#include <QWidget>
#include <map>

namespace ohmaris::gallery {

namespace {
std::map<QString, SheetFunction> &sheets()
{
    static std::map<QString, SheetFunction> s;
    return s;
}
} // namespace

GallerySheet::GallerySheet(const char *name, SheetFunction render)
{
    sheets()[QString::fromLatin1(name)] = std::move(render);
}

void SaveWidget(QWidget *w, const QString &outDir, const QString &name)
{
    if (!w->isVisible())
        w->show();
    QCoreApplication::processEvents();
    w->grab().save(QDir(outDir).filePath(name + QStringLiteral(".png")));
}

} // namespace ohmaris::gallery

int main(int argc, char **argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ohmaris::InstallFontSubstitutes();
    QTextStream err(stderr);
    const QStringList args = app.arguments().mid(1);
    if (args.isEmpty() || args.first() == QLatin1String("--help")) {
        err << "usage: ohmaris-gallery OUTDIR [SHEET ...]\nsheets:";
        for (const auto &[name, f] : ohmaris::gallery::sheets())
            err << ' ' << name;
        err << '\n';
        return args.isEmpty() ? 2 : 0;
    }
    const QString out = args.first();
    QDir().mkpath(out);
    const QStringList only = args.mid(1);
    for (const auto &[name, render] : ohmaris::gallery::sheets()) {
        if (!only.isEmpty() && !only.contains(name))
            continue;
        err << "sheet " << name << '\n';
        err.flush();
        render(out);
    }
    return 0;
}
