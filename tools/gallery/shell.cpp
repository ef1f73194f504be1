// SPDX-License-Identifier: GPL-3.0-or-later
// Gallery sheets of the shell: the chooser, the about box and the help
// window at every help key, in each asked-for language; and every lab
// window as the chooser opens it.
#include "gallery.h"

#include "labs/labtable.h"
#include "labs/registry.h"
#include "shell/aboutbox.h"
#include "shell/chooser.h"
#include "shell/helpwindow.h"
#include "shell/labwindow.h"
#include "shell/shell.h"

namespace {

using namespace ohmaris;

const char *const kHelpKeys[] = {"",   "oA",   "oAA",   "oV",     "oVV",     "oR", "oE", "oL",
                                 "oC", "oS",   "oSS",   "oSSS",   "oSSSS",   "oSSSSS", "oK", "oW"};

QString suffix(int lang)
{
    return lang == 1 ? QStringLiteral("-en") : QStringLiteral("-ru");
}

void renderShell(const QString &out)
{
    Shell &shell = Shell::instance();
    shell.setMessagesShown(false);
    for (int lang : gallery::Languages()) {
        int l = lang;
        shell.LoadLanguage(l);
        gallery::SaveWidget(shell.chooser(), out, QStringLiteral("chooser") + suffix(lang));
        shell.chooser()->hide();
        for (const char *key : kHelpKeys) {
            shell.HelpKey = QLatin1String(key);
            shell.ShowHelp(nullptr);
            const QString name = *key ? QString::fromLatin1(key) : QStringLiteral("first");
            gallery::SaveWidget(shell.help(), out, QStringLiteral("help") + suffix(lang) + QLatin1Char('-') + name);
        }
        shell.help()->hide();
        shell.ShowAbout(nullptr);
        gallery::SaveWidget(shell.about(), out, QStringLiteral("about") + suffix(lang));
        shell.about()->hide();
    }
}

void renderWindows(const QString &out)
{
    gallery::PrepareShell();
    Shell &shell = Shell::instance();
    RegisterLabWindows();
    Chooser *chooser = shell.chooser();
    for (int lab = 1; lab <= kLabCount; ++lab) {
        chooser->Option1_Click(lab - 1);
        chooser->Command2_Click();
        LabWindow *w = shell.LabWindowFor(lab);
        if (!w || !w->isLoaded())
            continue;
        gallery::SaveWidget(w->form(), out, QStringLiteral("window-lab%1-%2").arg(lab).arg(w->formName()));
        w->Unload();
    }
    chooser->hide();
}

gallery::GallerySheet shellSheet("shell", &renderShell);
gallery::GallerySheet windowsSheet("windows", &renderWindows);

} // namespace
