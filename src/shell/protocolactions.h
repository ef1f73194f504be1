// SPDX-License-Identifier: GPL-3.0-or-later
// What the Protocol menu of a lab window does: record a row of the bench
// as it stands, show the protocol window, save the protocol as CSV, save a
// picture of the window, print the protocol (or make a PDF of it through
// Qt's print dialog), and save what the oscilloscope shows. The rows live
// as long as the lab window object, for the whole run. Every file is
// written whole or not at all; a failure is one message naming the file
// and the system's reason, and the protocol stays as it was.
#pragma once

#include "calc/protocol.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>

class QPrinter;
class QWidget;

namespace ohmaris {

class LabWindow;
class ProtocolWindow;

class LabProtocol : public QObject {
    Q_OBJECT
public:
    explicit LabProtocol(LabWindow &lab);
    ~LabProtocol() override;

    const Protocol &protocol() const { return m_protocol; }
    LabWindow &lab() const { return m_lab; }
    // The words of the table and the files in the current language.
    static ProtocolWords Words();

    // A row of the bench as it stands now (nothing while it is unloaded).
    void Record();
    bool RemoveRow(int index);
    // The protocol window, made when first asked for.
    void ShowWindow();
    ProtocolWindow *window() const;
    // The table as the window and the printed page show it.
    ProtocolTable Table() const { return ProtocolTableOf(m_protocol, Words()); }

    // Each asks for a file name first when `path` is empty; an empty answer
    // does nothing. True when the file was written.
    bool SaveCsv(const QString &path = QString());
    bool SavePicture(const QString &path = QString());
    bool SaveScope(const QString &path = QString());
    // Qt's print dialog, then the printer it set up.
    bool Print();
    // On `printer`: a PDF printer's file is written whole or not at all.
    bool PrintTo(QPrinter &printer);

    // The message of the last failure (empty after a success).
    QString lastError() const { return m_lastError; }

    // Asks for the name of a file to save: (owner, title, suggested path,
    // filter). Tests give their own; an empty answer cancels.
    using FileNameAsker = std::function<QString(QWidget *, const QString &, const QString &, const QString &)>;
    static void setFileNameAsker(FileNameAsker asker);
    // Answers Qt's print dialog in place of the student: gets the dialog
    // once it shows (tests).
    static void setPrintDialogHook(std::function<void(QWidget *dialog)> hook);

Q_SIGNALS:
    // Rows were added or removed, or saved.
    void changed();

private:
    QString AskFileName(const QString &title, const QString &stem, const QString &suffix, const QString &filter);
    // Writes through SaveWhole; on failure one message, and false.
    bool Save(const QString &path, const QByteArray &data);
    void Fail(const QString &path, const QString &reason);
    QString FileStem(const QString &what) const;

    LabWindow &m_lab;
    Protocol m_protocol;
    QPointer<ProtocolWindow> m_window;
    QString m_lastError;
};

} // namespace ohmaris
