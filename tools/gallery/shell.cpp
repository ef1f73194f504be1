// Gallery sheet of the shell: the chooser, the help window and the about
// box in both languages.
#include "gallery.h"

#include "shell/aboutbox.h"
#include "shell/chooser.h"
#include "shell/helpwindow.h"
#include "shell/shell.h"

namespace {

void render(const QString &out)
{
    using namespace ohmaris;
    Shell &shell = Shell::instance();
    shell.setMessagesShown(false);
    for (int lang : {1, 2}) {
        int l = lang;
        shell.LoadLanguage(l);
        const QString suffix = lang == 1 ? QStringLiteral("-en") : QStringLiteral("-ru");
        gallery::SaveWidget(shell.chooser(), out, QStringLiteral("chooser") + suffix);
        shell.chooser()->hide();
        shell.HelpKey = QStringLiteral("oK");
        shell.ShowHelp(nullptr);
        gallery::SaveWidget(shell.help(), out, QStringLiteral("help") + suffix);
        shell.help()->hide();
        shell.ShowAbout(nullptr);
        gallery::SaveWidget(shell.about(), out, QStringLiteral("about") + suffix);
        shell.about()->hide();
    }
}

ohmaris::gallery::GallerySheet sheet("shell", &render);

} // namespace
