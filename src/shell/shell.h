// SPDX-License-Identifier: GPL-3.0-or-later
// Program-wide state and windows: the current language, the context-help
// key, the message table, the lab chooser, the help window, the about box and
// the lab windows (created on first use, living until the program ends).
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <functional>
#include <map>
#include <memory>
#include <utility>
#include <vector>

class QLocale;
class QWidget;

namespace ohmaris {

class LabWindow;
class Chooser;
class HelpWindow;
class AboutBox;
class LanguageTable;

class Shell : public QObject {
    Q_OBJECT
public:
    static Shell &instance();
    // Destroys every window; the next instance() starts afresh (tests).
    static void reset();

    // Russian (2) when the system locale is Russian, English (1) otherwise.
    static int StartingLanguage(const QLocale &system);

    int CurrentLanguage = 1;
    QString HelpKey;
    QStringList Messages;

    // Reads the file of `language` (clamped into 1..2 and written back) and
    // re-applies the captions of every window. A file that is missing or
    // malformed is reported on stderr and then in a message box, naming it
    // and what is wrong; the current language and every window stay as they
    // were.
    bool LoadLanguage(int &language);
    QString lastLanguageError() const { return m_languageError; }
    bool hasLanguage() const { return m_table != nullptr; }
    const LanguageTable *languageTable() const { return m_table.get(); }
    // Tests switch message boxes off; errors are still kept.
    void setMessagesShown(bool shown) { m_showMessages = shown; }
    bool messagesShown() const { return m_showMessages; }

    // Lab number 1..8 to its window, created on first use by the factory
    // registered for it.
    using LabFactory = std::function<std::unique_ptr<LabWindow>()>;
    void RegisterLab(int lab, LabFactory factory);
    LabWindow *LabWindowFor(int lab);
    // Every lab window created so far.
    QList<LabWindow *> labWindows() const;
    // The lab number of a window the shell made; 0 for any other.
    int LabNumberOf(const LabWindow *window) const;
    // Lab number and count of the protocol rows not yet saved to a file,
    // for every lab that has any, in lab order.
    std::vector<std::pair<int, int>> UnsavedProtocolRows() const;

    // Qt's own dialogs keep their settings (the file dialog its folders
    // and view) in a file of the user's; the program writes no settings,
    // so those go where nothing can be written. The shell does it when it
    // is made.
    static void KeepSettingsUnwritten();

    Chooser *chooser();
    HelpWindow *help();
    AboutBox *about();
    void ShowChooser();
    void ShowHelp(QWidget *owner);
    void ShowAbout(QWidget *owner);

    // Writes the captions of the current language into one window.
    void ApplyCaptions(QWidget *window);
    // Unloads every window (the program ends when none is left).
    void UnloadAll();

    ~Shell() override;

private:
    Shell();
    void ApplyToAll();

    std::unique_ptr<LanguageTable> m_table;
    QString m_languageError;
    bool m_showMessages = true;
    std::map<int, LabFactory> m_factories;
    std::map<int, std::unique_ptr<LabWindow>> m_labs;
    QPointer<Chooser> m_chooser;
    QPointer<HelpWindow> m_help;
    QPointer<AboutBox> m_about;
};

} // namespace ohmaris
