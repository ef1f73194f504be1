// SPDX-License-Identifier: GPL-3.0-or-later
// Program-wide state, window registry and the caption loader's window side.
#include "shell/shell.h"

#include "shell/aboutbox.h"
#include "shell/accessible.h"
#include "shell/captions.h"
#include "i18n/languagefile.h"
#include "shell/chooser.h"
#include "shell/helpwindow.h"
#include "shell/labwindow.h"
#include "shell/protocolactions.h"
#include "shell/translators.h"

#include <QApplication>
#include <QLocale>
#include <QMessageBox>
#include <QSettings>
#include <QWidget>
#include <cstdio>

namespace ohmaris {

namespace {
Shell *g_shell = nullptr;
bool g_ending = false;
} // namespace

Shell &Shell::instance()
{
    if (!g_shell)
        g_shell = new Shell;
    return *g_shell;
}

void Shell::reset()
{
    delete g_shell;
    g_shell = nullptr;
    g_ending = false;
}

Shell::Shell()
{
    // Every window's controls are read aloud through the program's own
    // accessible interfaces.
    InstallAccessibility();
    KeepSettingsUnwritten();
}

void Shell::KeepSettingsUnwritten()
{
    // A folder below a device file can be neither made nor written, not
    // even by root; reading from it finds nothing.
    const QString nowhere = QStringLiteral("/dev/null/ohmaris-writes-no-settings");
    for (QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat})
        QSettings::setPath(format, QSettings::UserScope, nowhere);
}

Shell::~Shell()
{
    // Every form first, while each bench is whole: a control being
    // destroyed may still reach its bench's handlers.
    for (auto &[lab, w] : m_labs)
        w->Discard();
    m_labs.clear();
    delete m_help;
    delete m_about;
    delete m_chooser;
}

int Shell::StartingLanguage(const QLocale &system)
{
    return system.language() == QLocale::Russian ? 2 : 1;
}

bool Shell::LoadLanguage(int &language)
{
    language = ClampLanguage(language);
    const Language lang = LanguageFromNumber(language);
    LanguageResult r = ReadLanguageFile(LanguageFilePath(lang), lang);
    if (!r.ok()) {
        m_languageError = r.error ? r.error->message() : QStringLiteral("Language file could not be read");
        // stderr first: the box waits for a click, and a start from a script
        // or a terminal must not wait on a box nobody sees without a word.
        const QByteArray line = QStringLiteral("ohmaris: %1\n").arg(m_languageError).toUtf8();
        std::fwrite(line.constData(), 1, std::size_t(line.size()), stderr);
        std::fflush(stderr);
        if (m_showMessages)
            QMessageBox::critical(nullptr, QStringLiteral("Ohmaris"), m_languageError);
        return false;
    }
    m_languageError.clear();
    m_table = std::make_unique<LanguageTable>(std::move(*r.table));
    CurrentLanguage = language;
    Messages = m_table->messages();
    // Qt's translators switch with the file, before the captions are
    // written, so texts a window builds with tr() at its caption reload
    // come out in the same language.
    InstallTranslators(language);
    ApplyToAll();
    return true;
}

void Shell::ApplyToAll()
{
    if (m_chooser)
        ApplyCaptions(m_chooser);
    if (m_help)
        ApplyCaptions(m_help);
    if (m_about)
        ApplyCaptions(m_about);
    for (auto &[lab, w] : m_labs) {
        if (w->isLoaded())
            ApplyCaptions(w->form());
        w->OnLanguageApplied();
    }
}

void Shell::ApplyCaptions(QWidget *window)
{
    if (!m_table || !window)
        return;
    ApplyLanguageTable(*m_table, window);
}

void Shell::RegisterLab(int lab, LabFactory factory)
{
    m_factories[lab] = std::move(factory);
}

LabWindow *Shell::LabWindowFor(int lab)
{
    auto it = m_labs.find(lab);
    if (it != m_labs.end())
        return it->second.get();
    auto f = m_factories.find(lab);
    if (f == m_factories.end())
        return nullptr;
    return (m_labs[lab] = f->second()).get();
}

QList<LabWindow *> Shell::labWindows() const
{
    QList<LabWindow *> out;
    for (const auto &[lab, w] : m_labs)
        out.append(w.get());
    return out;
}

int Shell::LabNumberOf(const LabWindow *window) const
{
    for (const auto &[lab, w] : m_labs)
        if (w.get() == window)
            return lab;
    return 0;
}

std::vector<std::pair<int, int>> Shell::UnsavedProtocolRows() const
{
    std::vector<std::pair<int, int>> out;
    for (const auto &[lab, w] : m_labs)
        if (const int n = w->Protocol().protocol().Unsaved(); n > 0)
            out.emplace_back(lab, n);
    return out;
}

Chooser *Shell::chooser()
{
    if (!m_chooser)
        m_chooser = new Chooser;
    return m_chooser;
}

HelpWindow *Shell::help()
{
    if (!m_help)
        m_help = new HelpWindow;
    return m_help;
}

AboutBox *Shell::about()
{
    if (!m_about)
        m_about = new AboutBox;
    return m_about;
}

void Shell::ShowChooser()
{
    if (g_ending)
        return;
    Chooser *c = chooser();
    c->show();
    c->raise();
    c->activateWindow();
}

namespace {
// Shows a window owned by `owner` (none for nullptr). An owned window is a
// child window of its owner: the window manager keeps it in front of the
// owner, and it is unloaded together with the owner.
void showOwned(QWidget *w, QWidget *owner)
{
    if (w->parentWidget() != owner)
        w->setParent(owner, w->windowFlags()); // hides it; shown again below
    w->show();
    w->raise();
    w->activateWindow();
}
} // namespace

void Shell::ShowHelp(QWidget *owner)
{
    HelpWindow *h = help();
    showOwned(h, owner);
    // Coming to the front re-types the key; do it now as well, since an
    // already active window gets no activation event.
    h->SelectForKey(HelpKey);
}

void Shell::ShowAbout(QWidget *owner)
{
    showOwned(about(), owner);
}

void Shell::UnloadAll()
{
    g_ending = true;
    for (auto &[lab, w] : m_labs)
        w->Unload();
    if (m_about)
        m_about->close();
    if (m_help)
        m_help->close();
    if (m_chooser)
        m_chooser->hide();
    QCoreApplication::quit();
}

} // namespace ohmaris
