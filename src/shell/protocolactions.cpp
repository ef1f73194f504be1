// SPDX-License-Identifier: GPL-3.0-or-later
// The Protocol menu's work: recording, the window, the files and printing.
#include "shell/protocolactions.h"

#include "calc/clock.h"
#include "calc/savefile.h"
#include "shell/labwindow.h"
#include "shell/protocolprint.h"
#include "shell/protocolwindow.h"
#include "shell/shell.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QImageWriter>
#include <QLocale>
#include <QMessageBox>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>
#include <QTimer>

namespace ohmaris {

namespace {

// The names the benches give their instruments and the units they read in,
// for the translation tools; a name or unit without a translation (a
// schematic label such as "A1") is written as it is.
constexpr const char *kNameContext = "ohmaris::InstrumentName";
constexpr const char *kUnitContext = "ohmaris::Unit";
[[maybe_unused]] const char *const kNames[] = {
    QT_TRANSLATE_NOOP("ohmaris::InstrumentName", "K-50 V"),
    QT_TRANSLATE_NOOP("ohmaris::InstrumentName", "K-50 A"),
    QT_TRANSLATE_NOOP("ohmaris::InstrumentName", "K-50 W"),
    QT_TRANSLATE_NOOP("ohmaris::InstrumentName", "K-50 phase"),
    QT_TRANSLATE_NOOP("ohmaris::InstrumentName", "K-50 direction"),
    QT_TRANSLATE_NOOP("ohmaris::InstrumentName", "AT"),
    QT_TRANSLATE_NOOP("ohmaris::InstrumentName", "variant"),
    QT_TRANSLATE_NOOP("ohmaris::InstrumentName", "coil L1"),
    QT_TRANSLATE_NOOP("ohmaris::InstrumentName", "coil L2"),
    QT_TRANSLATE_NOOP("ohmaris::InstrumentName", "connection"),
    QT_TRANSLATE_NOOP("ohmaris::InstrumentName", "V selector"),
    QT_TRANSLATE_NOOP("ohmaris::InstrumentName", "circuit"),
    QT_TRANSLATE_NOOP("ohmaris::InstrumentName", "channel 1 sensitivity"),
    QT_TRANSLATE_NOOP("ohmaris::InstrumentName", "channel 2 sensitivity"),
    QT_TRANSLATE_NOOP("ohmaris::InstrumentName", "channel 1 V/div"),
    QT_TRANSLATE_NOOP("ohmaris::InstrumentName", "channel 2 mA/div"),
    QT_TRANSLATE_NOOP("ohmaris::InstrumentName", "channel 1 ms/div"),
    QT_TRANSLATE_NOOP("ohmaris::InstrumentName", "channel 2 ms/div"),
    QT_TRANSLATE_NOOP("ohmaris::InstrumentName", "V2 sensitivity"),
    QT_TRANSLATE_NOOP("ohmaris::InstrumentName", "V2 V/div"),
    QT_TRANSLATE_NOOP("ohmaris::InstrumentName", "V2 ms/div"),
};

// Units under the calculator's names (plain ASCII), which are also the
// keys of their translations, and as an English reader writes them.
struct UnitShown {
    const char *given;
    const char *english;
};
const UnitShown kUnits[] = {
    {QT_TRANSLATE_NOOP("ohmaris::Unit", "A"), "A"},
    {QT_TRANSLATE_NOOP("ohmaris::Unit", "mA"), "mA"},
    {QT_TRANSLATE_NOOP("ohmaris::Unit", "V"), "V"},
    {QT_TRANSLATE_NOOP("ohmaris::Unit", "W"), "W"},
    {QT_TRANSLATE_NOOP("ohmaris::Unit", "Ohm"), "\u03a9"},
    {QT_TRANSLATE_NOOP("ohmaris::Unit", "uF"), "\u00b5F"},
    {QT_TRANSLATE_NOOP("ohmaris::Unit", "mH"), "mH"},
    {QT_TRANSLATE_NOOP("ohmaris::Unit", "H"), "H"},
    {QT_TRANSLATE_NOOP("ohmaris::Unit", "Hz"), "Hz"},
    {QT_TRANSLATE_NOOP("ohmaris::Unit", "deg"), "\u00b0"},
    {QT_TRANSLATE_NOOP("ohmaris::Unit", "s"), "s"},
    {QT_TRANSLATE_NOOP("ohmaris::Unit", "ms"), "ms"},
    {QT_TRANSLATE_NOOP("ohmaris::Unit", "V/div"), "V/div"},
    {QT_TRANSLATE_NOOP("ohmaris::Unit", "mA/div"), "mA/div"},
    {QT_TRANSLATE_NOOP("ohmaris::Unit", "ms/div"), "ms/div"},
};

QString ShownName(const QString &name)
{
    return QCoreApplication::translate(kNameContext, name.toUtf8().constData());
}

QString ShownUnit(const QString &unit)
{
    for (const UnitShown &u : kUnits) {
        if (unit != QLatin1String(u.given))
            continue;
        // English has no translation of its own: its spelling is here.
        const QString translated = QCoreApplication::translate(kUnitContext, u.given);
        return translated != unit ? translated : QString::fromUtf8(u.english);
    }
    return unit;
}

// Knobs whose positions carry marks a person reads rather than numbers.
QString MarkedPosition(const InstrumentReading &r)
{
    static const struct {
        const char *name;
        QStringList marks;
    } kMarked[] = {
        {"K-50 phase", {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")}},
        {"V selector", {QStringLiteral("ab"), QStringLiteral("ad"), QStringLiteral("bd"), QStringLiteral("cb"),
                        QStringLiteral("cd")}},
        {"circuit", {QStringLiteral("C"), QStringLiteral("L"), QStringLiteral("LC")}},
    };
    if (r.kind != InstrumentReading::Kind::Knob)
        return QString();
    for (const auto &m : kMarked) {
        if (r.name != QLatin1String(m.name))
            continue;
        const int position = int(std::lround(r.value));
        return position >= 1 && position <= m.marks.size() && position == r.value ? m.marks[position - 1]
                                                                                   : QString();
    }
    return QString();
}

LabProtocol::FileNameAsker &fileNameAsker()
{
    static LabProtocol::FileNameAsker asker;
    return asker;
}

std::function<void(QWidget *)> &printDialogHook()
{
    static std::function<void(QWidget *)> hook;
    return hook;
}

// The folder files were last saved to, for this run only.
QString &lastFolder()
{
    static QString folder;
    return folder;
}

QString StartFolder()
{
    if (!lastFolder().isEmpty() && QFileInfo(lastFolder()).isDir())
        return lastFolder();
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

} // namespace

LabProtocol::LabProtocol(LabWindow &lab) : QObject(&lab), m_lab(lab) {}

LabProtocol::~LabProtocol()
{
    delete m_window;
}

ProtocolWords LabProtocol::Words()
{
    ProtocolWords w;
    w.time = tr("Time");
    w.range = tr("range");
    w.error = tr("error");
    w.note = tr("Note");
    w.moving = tr("pointer moving");
    w.decimalMark = Shell::instance().CurrentLanguage == 2 ? QLatin1Char(',') : QLatin1Char('.');
    w.name = ShownName;
    w.unit = ShownUnit;
    w.position = MarkedPosition;
    return w;
}

void LabProtocol::setFileNameAsker(FileNameAsker asker)
{
    fileNameAsker() = std::move(asker);
}

void LabProtocol::setPrintDialogHook(std::function<void(QWidget *)> hook)
{
    printDialogHook() = std::move(hook);
}

void LabProtocol::Record()
{
    if (!m_lab.isLoaded())
        return;
    ProtocolRow row;
    row.time = appClock().dateTime().time();
    row.settings = m_lab.Settings();
    row.readings = m_lab.Readings();
    row.moving = m_lab.PointersMoving();
    m_protocol.Add(std::move(row));
    Q_EMIT changed();
}

bool LabProtocol::RemoveRow(int index)
{
    if (!m_protocol.Remove(index))
        return false;
    Q_EMIT changed();
    return true;
}

ProtocolWindow *LabProtocol::window() const
{
    return m_window;
}

void LabProtocol::ShowWindow()
{
    QWidget *owner = m_lab.form();
    if (!owner)
        return;
    if (!m_window || m_window->parentWidget() != owner) {
        delete m_window;
        m_window = new ProtocolWindow(*this, owner);
    }
    m_window->Refresh();
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
}

QString LabProtocol::FileStem(const QString &what) const
{
    const int lab = Shell::instance().LabNumberOf(&m_lab);
    const QString date = appClock().dateTime().date().toString(Qt::ISODate);
    return lab > 0 ? QStringLiteral("lab%1-%2-%3").arg(lab).arg(what, date) : QStringLiteral("%1-%2").arg(what, date);
}

QString LabProtocol::AskFileName(const QString &title, const QString &stem, const QString &suffix,
                                 const QString &filter)
{
    const QString suggested = QDir(StartFolder()).filePath(stem + QLatin1Char('.') + suffix);
    QWidget *owner = m_window && m_window->isActiveWindow() ? static_cast<QWidget *>(m_window) : m_lab.form();
    QString path;
    if (fileNameAsker()) {
        path = fileNameAsker()(owner, title, suggested, filter);
    } else {
        // Qt's dialog writes its own settings file when it goes; the shell
        // has sent those settings nowhere (Shell::KeepSettingsUnwritten).
        QFileDialog dialog(owner, title, QFileInfo(suggested).path(), filter);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setDefaultSuffix(suffix);
        dialog.selectFile(QFileInfo(suggested).fileName());
        if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
            path = dialog.selectedFiles().constFirst();
    }
    if (!path.isEmpty())
        lastFolder() = QFileInfo(path).absolutePath();
    return path;
}

bool LabProtocol::Save(const QString &path, const QByteArray &data)
{
    const QString reason = SaveWhole(path, data);
    if (!reason.isEmpty()) {
        Fail(path, reason);
        return false;
    }
    m_lastError.clear();
    return true;
}

void LabProtocol::Fail(const QString &path, const QString &reason)
{
    m_lastError = tr("Could not save \"%1\": %2").arg(QDir::toNativeSeparators(path), reason);
    if (Shell::instance().messagesShown())
        QMessageBox::warning(m_window && m_window->isVisible() ? static_cast<QWidget *>(m_window) : m_lab.form(),
                             tr("Protocol"), m_lastError);
}

bool LabProtocol::SaveCsv(const QString &given)
{
    const QString path =
        given.isEmpty() ? AskFileName(tr("Save protocol as CSV"), FileStem(QStringLiteral("protocol")),
                                      QStringLiteral("csv"), tr("CSV files (*.csv)"))
                        : given;
    if (path.isEmpty())
        return false;
    if (!Save(path, ProtocolCsv(m_protocol, Words(), CsvStyle::System()).toUtf8()))
        return false;
    m_protocol.MarkSaved();
    Q_EMIT changed();
    return true;
}

bool LabProtocol::SavePicture(const QString &given)
{
    QWidget *form = m_lab.form();
    if (!form)
        return false;
    const QString path = given.isEmpty() ? AskFileName(tr("Save picture of the window"),
                                                       FileStem(QStringLiteral("picture")), QStringLiteral("png"),
                                                       tr("PNG pictures (*.png)"))
                                         : given;
    if (path.isEmpty())
        return false;
    // The window as the screen shows it, pixel for pixel.
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    if (!writer.write(form->grab().toImage())) {
        Fail(path, writer.errorString());
        return false;
    }
    return Save(path, png);
}

bool LabProtocol::SaveScope(const QString &given)
{
    const std::optional<ScopeTraces> traces = m_lab.ScopeData();
    if (!traces)
        return false;
    if (traces->channels.empty()) {
        m_lastError = tr("The oscilloscope shows no trace: switch it on first.");
        if (Shell::instance().messagesShown())
            QMessageBox::information(m_lab.form(), tr("Protocol"), m_lastError);
        return false;
    }
    const QString path = given.isEmpty() ? AskFileName(tr("Save oscilloscope data"),
                                                       FileStem(QStringLiteral("oscilloscope")),
                                                       QStringLiteral("csv"), tr("CSV files (*.csv)"))
                                         : given;
    if (path.isEmpty())
        return false;
    return Save(path, ScopeCsv(*traces, Words(), CsvStyle::System()).toUtf8());
}

bool LabProtocol::Print()
{
    QWidget *form = m_lab.form();
    if (!form)
        return false;
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(FileStem(QStringLiteral("protocol")));
    printer.setCreator(QCoreApplication::applicationName());
    printer.setPageOrientation(QPageLayout::Landscape);
    // With no printer at all, the dialog offers a PDF file: one named for
    // the lab and the day, where the last file went.
    if (QPrinterInfo::availablePrinterNames().isEmpty())
        printer.setOutputFileName(QDir(StartFolder()).filePath(FileStem(QStringLiteral("protocol")) + QStringLiteral(".pdf")));
    QPrintDialog dialog(&printer, m_window && m_window->isActiveWindow() ? static_cast<QWidget *>(m_window) : form);
    dialog.setWindowTitle(tr("Print protocol"));
    if (printDialogHook())
        QTimer::singleShot(0, &dialog, [&dialog] { printDialogHook()(&dialog); });
    if (dialog.exec() != QDialog::Accepted)
        return false;
    return PrintTo(printer);
}

bool LabProtocol::PrintTo(QPrinter &printer)
{
    PrintedProtocol page;
    page.title = m_lab.form() ? m_lab.form()->windowTitle() : QString();
    const QLocale locale(Shell::instance().CurrentLanguage == 2 ? QLocale::Russian : QLocale::English);
    page.date = locale.toString(appClock().dateTime().date(), QLocale::LongFormat);
    page.numberWord = tr("No.");
    if (m_lab.client())
        page.bench = m_lab.client()->grab().toImage();
    page.table = Table();

    if (printer.outputFormat() == QPrinter::PdfFormat) {
        const QString path = printer.outputFileName();
        if (path.isEmpty())
            return false;
        // Made in memory first, so the file is written in one piece.
        QByteArray data;
        QBuffer buffer(&data);
        buffer.open(QIODevice::WriteOnly);
        {
            QPdfWriter pdf(&buffer);
            pdf.setPageLayout(printer.pageLayout());
            pdf.setResolution(printer.resolution());
            pdf.setTitle(page.title);
            pdf.setCreator(QCoreApplication::applicationName());
            if (!PaintProtocol(pdf, page)) {
                Fail(path, tr("the PDF could not be made"));
                return false;
            }
        }
        if (!Save(path, data))
            return false;
        lastFolder() = QFileInfo(path).absolutePath();
    } else if (!PaintProtocol(printer, page)) {
        Fail(printer.printerName(), tr("the printer could not be used"));
        return false;
    }
    m_lastError.clear();
    m_protocol.MarkSaved();
    Q_EMIT changed();
    return true;
}

} // namespace ohmaris
