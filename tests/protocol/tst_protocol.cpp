// SPDX-License-Identifier: GPL-3.0-or-later
// The Protocol menu of every lab window: its items and keys, a recorded
// row (time from the program's clock, the settings the calculator takes
// back to the same model, every instrument's reading), the protocol
// window, the CSV read back by Python's csv module, the oscilloscope's
// data sample for sample, the picture, the PDF made headless and read by
// pdftotext, a failed save that loses no row, the exit confirmation, and
// no file written that was not asked for. CTest runs it under C.UTF-8 and
// again under ru_RU.UTF-8 (decimal comma: semicolons between fields).
#include "benchtest.h"
#include "csvreader.h"
#include "filesizelimit.h"
#include "testlocale.h"

#include "calc/clock.h"
#include "calc/protocol.h"
#include "instruments/pribor.h"
#include "labs/lab7/bench.h"
#include "labs/lab8/bench.h"
#include "shell/chooser.h"
#include "shell/protocolactions.h"
#include "shell/protocolwindow.h"
#include "shell/shell.h"

#include <QAccessible>
#include <QDirIterator>
#include <QFileDialog>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>


using namespace ohmaris;

namespace {

const QDateTime kRecordedAt(QDate(2025, 3, 14), QTime(10, 15, 30));

int TickMs(int lab)
{
    return lab >= 7 ? 50 : 30;
}

// The bench in a state where its instruments read something.
void MakeBusy(test::BenchFixture &f, int lab)
{
    LabWindow *w = f.window();
    switch (lab) {
    case 1:
        for (int k : {14, 15, 16}) // S2, S3, S4
            f.ClickHotspot(k);
        break;
    case 2: f.FullVoltage({0}, 0); break;
    case 3: f.FullVoltage({1, 0}, 0); break;
    case 4: f.FullVoltage({0, 1, 2}, 0); break;
    case 5:
    case 6:
        for (int k : {0, 1, 2})
            f.ClickHotspot(k);
        break;
    case 7:
        for (const QString &name : w->BusyStateControls())
            f.Click(name);
        f.ClickHotspot(0); // S1
        break;
    case 8: {
        auto *b = static_cast<Lab8Window *>(w);
        b->Command2_Click(0);
        b->Command2_Click(2);
        b->Command1_Click();
        b->Command4_Click();
        b->Command3_Click();
        break;
    }
    default: break;
    }
}

// Ticks until no pointer moves (at most `most` ticks).
void Settle(test::BenchFixture &f, int lab, int most = 400)
{
    for (int i = 0; i < most && f.window()->PointersMoving(); ++i)
        f.Ticks(1, TickMs(lab) / 1000.0);
}

QAction *Action(LabWindow *w, const char *name)
{
    return w->form()->findChild<QAction *>(QLatin1String(name));
}

// The calculator's outputs for a row's settings, run as the program.
QJsonObject CalcOutputs(int lab, const std::vector<CalcSetting> &settings, QString *error)
{
    QStringList args{QString::number(lab)};
    for (const CalcSetting &s : settings)
        args << s.name + QLatin1Char('=') + s.value;
    args << QStringLiteral("--json");
    QProcess p;
    p.start(QStringLiteral(OHMARIS_CALC_PATH), args);
    if (!p.waitForFinished(30000) || p.exitCode() != 0) {
        *error = QString::fromUtf8(p.readAllStandardError()) + args.join(QLatin1Char(' '));
        return {};
    }
    return QJsonDocument::fromJson(p.readAllStandardOutput()).object().value(QStringLiteral("outputs")).toObject();
}

// Every file under `dir`, relative to it.
QStringList FilesUnder(const QString &dir)
{
    QStringList out;
    QDirIterator it(dir, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext())
        out << QDir(dir).relativeFilePath(it.next());
    out.sort();
    return out;
}

QString PdfText(const QString &path)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return QString();
    return QString::fromUtf8(p.readAllStandardOutput()).simplified();
}

} // namespace

class TestProtocol : public QObject {
    Q_OBJECT

private:
    test::BenchFixture f;
    QTemporaryDir m_dir;

    LabWindow *Open(int lab)
    {
        LabWindow *w = f.Open(lab);
        if (w)
            f.clock.setDateTime(kRecordedAt);
        return w;
    }
    LabProtocol &P() const { return f.window()->Protocol(); }
    QString Path(const QString &name) const { return m_dir.filePath(name); }

private Q_SLOTS:
    void initTestCase()
    {
        const char separator = test::AdoptEnvironmentLocale();
        QCOMPARE(separator, test::CommaLocaleExpected() ? ',' : '.');
        QVERIFY(m_dir.isValid());
        // No dialog asks for a file name here: an empty answer cancels.
        LabProtocol::setFileNameAsker([](QWidget *, const QString &, const QString &, const QString &) {
            return QString();
        });
    }
    void cleanup()
    {
        LabProtocol::setPrintDialogHook(nullptr);
        f.Close();
    }

    // The Protocol menu stands between Language and Help, each item with
    // its keys, an underlined letter and a name a screen reader says; the
    // oscilloscope benches have one item more.
    void menu_data()
    {
        QTest::addColumn<int>("lab");
        for (int lab = 1; lab <= 8; ++lab)
            QTest::addRow("lab %d", lab) << lab;
    }
    void menu()
    {
        QFETCH(int, lab);
        LabWindow *w = Open(lab);
        QVERIFY(w);
        QStringList bar;
        for (QAction *a : w->form()->menuBar()->actions())
            bar << a->objectName();
        QCOMPARE(bar, (QStringList{"MnuExit", "MnuLanguage", "MnuProtocol", "MnuHelp"}));
        auto *menu = w->form()->findChild<QMenu *>(QStringLiteral("MnuProtocolMenu"));
        QVERIFY(menu);
        QStringList items;
        for (QAction *a : menu->actions())
            items << a->objectName();
        QStringList expected{"MnuRecord", "MnuShowProtocol", "MnuSaveCsv", "MnuSavePicture", "MnuPrint"};
        if (lab >= 7)
            expected << "MnuSaveScope";
        QCOMPARE(items, expected);
        QCOMPARE(Action(w, "MnuRecord")->shortcut(), QKeySequence(QStringLiteral("Ctrl+R")));
        QCOMPARE(Action(w, "MnuShowProtocol")->shortcut(), QKeySequence(QStringLiteral("Ctrl+T")));
        QCOMPARE(Action(w, "MnuSaveCsv")->shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));
        QCOMPARE(Action(w, "MnuSavePicture")->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+S")));
        QCOMPARE(Action(w, "MnuPrint")->shortcut(), QKeySequence(QStringLiteral("Ctrl+P")));

        for (int language : {1, 2}) {
            int l = language;
            QVERIFY(Shell::instance().LoadLanguage(l));
            QVERIFY(!QKeySequence::mnemonic(menu->title()).isEmpty());
            QAccessibleInterface *acc = QAccessible::queryAccessibleInterface(menu);
            QVERIFY(acc);
            QCOMPARE(acc->childCount(), int(expected.size()));
            for (int i = 0; i < acc->childCount(); ++i) {
                QAction *a = menu->actions().at(i);
                QVERIFY2(!QKeySequence::mnemonic(a->text()).isEmpty(), qPrintable(a->text()));
                const QString name = acc->child(i)->text(QAccessible::Name);
                QVERIFY2(name.size() > 3 && !name.contains(QLatin1Char('&')), qPrintable(name));
                // Russian texts are Russian.
                QCOMPARE(name.contains(QRegularExpression(QStringLiteral("[А-Яа-я]"))), language == 2);
            }
        }
    }

    // Ctrl+R records the bench as it stands: the time of day from the
    // program's clock, its settings, every instrument's reading; a row
    // taken while the bench still moves is marked. The settings given to
    // ohmaris-calc make the model the readings came from, and the CSV
    // Python reads back holds the readings as numbers.
    void recordsTheBench_data() { menu_data(); }
    void recordsTheBench()
    {
        QFETCH(int, lab);
        LabWindow *w = Open(lab);
        QVERIFY(w);
        MakeBusy(f, lab);
        f.Ticks(lab == 7 ? 60 : 1, TickMs(lab) / 1000.0);
        Settle(f, lab);
        QVERIFY(!w->RecalcDue());
        const bool moving = w->PointersMoving();
        QVERIFY(lab == 7 || !moving);

        QTest::keyClick(w->form(), Qt::Key_R, Qt::ControlModifier);
        QTRY_COMPARE(P().protocol().size(), 1);
        // A copy: the next record may move the rows.
        const ProtocolRow row = P().protocol().row(0);
        QCOMPARE(row.time, f.clock.dateTime().time());
        QVERIFY(row.time >= kRecordedAt.time());
        QCOMPARE(row.moving, moving);
        const std::vector<CalcSetting> settings = w->Settings();
        QVERIFY(!settings.empty());
        QCOMPARE(row.settings.size(), settings.size());
        for (std::size_t i = 0; i < settings.size(); ++i) {
            QCOMPARE(row.settings[i].name, settings[i].name);
            QCOMPARE(row.settings[i].value, settings[i].value);
        }
        const std::vector<InstrumentReading> readings = w->Readings();
        QCOMPARE(row.readings.size(), readings.size());
        bool meterReads = false;
        for (std::size_t i = 0; i < readings.size(); ++i) {
            QCOMPARE(row.readings[i].name, readings[i].name);
            QCOMPARE(row.readings[i].value, readings[i].value);
            meterReads = meterReads || (readings[i].kind != InstrumentReading::Kind::Knob && readings[i].kind != InstrumentReading::Kind::Switch
                                        && readings[i].showsNumber() && readings[i].value != 0.0);
        }
        QVERIFY2(meterReads, "no instrument reads anything");

        // The settings make the model the readings came from.
        if (lab != 7) {
            QString error;
            const QJsonObject outputs = CalcOutputs(lab, row.settings, &error);
            QVERIFY2(!outputs.isEmpty(), qPrintable(error));
            const Quantities model = w->ModelResults();
            int compared = 0;
            for (const Quantity &q : model) {
                const QJsonValue v = outputs.value(q.name);
                if (v.isUndefined())
                    continue;
                const QJsonArray values = q.isArray ? v.toArray() : QJsonArray{v};
                QCOMPARE(values.size(), qsizetype(q.values.size()));
                for (std::size_t k = 0; k < q.values.size(); ++k) {
                    const double calc = values[qsizetype(k)].toDouble();
                    if (q.type == Quantity::Type::Float)
                        QVERIFY2(float(calc) == float(q.values[k]), qPrintable(q.name));
                    else
                        QVERIFY2(calc == q.values[k], qPrintable(q.name));
                }
                ++compared;
            }
            // Every result the calculator gives is one the model has.
            QCOMPARE(compared, int(outputs.size()));
        }

        // A change not yet computed: the row is marked.
        f.clock.advance(1.0);
        if (lab == 8)
            static_cast<Lab8Window *>(w)->Command2_Click(1);
        else
            f.ClickHotspot(lab == 1 ? 13 : 0); // lab 1: S1; its first areas only give help
        QVERIFY(w->PointersMoving());
        w->MnuRecord_Click();
        QCOMPARE(P().protocol().size(), 2);
        QVERIFY(P().protocol().row(1).moving);
        QCOMPARE(P().protocol().row(1).time, P().protocol().row(0).time.addSecs(1));
        QCOMPARE(P().protocol().Unsaved(), 2);

        // Read back as a spreadsheet in this locale would.
        const QString path = Path(QStringLiteral("lab%1.csv").arg(lab));
        QVERIFY(P().SaveCsv(path));
        QCOMPARE(P().protocol().Unsaved(), 0);
        const test::CsvRead csv = test::ReadCsvWithPython(path);
        QVERIFY2(csv.ok, qPrintable(csv.error));
        QCOMPARE(csv.delimiter, test::CommaLocaleExpected() ? QStringLiteral(";") : QStringLiteral(","));
        QCOMPARE(csv.rows.size(), 3);
        const QJsonArray header = csv.rows[0].toArray();
        const QJsonArray first = csv.rows[1].toArray();
        const ProtocolWords words = LabProtocol::Words();
        auto column = [&header](const QString &name) {
            for (qsizetype c = 0; c < header.size(); ++c)
                if (header[c].toString() == name)
                    return int(c);
            return -1;
        };
        QCOMPARE(first[column(words.time)].toString(), row.time.toString(QStringLiteral("HH:mm:ss")));
        for (const CalcSetting &s : row.settings) {
            const int c = column(words.Header(s.name, s.unit));
            QVERIFY2(c >= 0, qPrintable(s.name));
            bool number = false;
            const double v = s.value.toDouble(&number);
            if (number)
                QCOMPARE(first[c].toDouble(-1e300), v);
        }
        int numbers = 0;
        for (const InstrumentReading &r : row.readings) {
            if (r.kind != InstrumentReading::Kind::Meter)
                continue;
            const QString name = words.Name(r.name);
            const int value = column(words.Header(name, r.unit));
            const int error = column(words.Header(name + QLatin1Char(' ') + words.error, r.unit));
            const int range = column(words.Header(name + QLatin1Char(' ') + words.range, r.unit));
            QVERIFY2(value >= 0 && error >= 0 && range >= 0, qPrintable(r.name));
            QVERIFY2(first[value].isDouble() && first[error].isDouble() && first[range].isDouble(), qPrintable(r.name));
            // The reading as read: within half its last digit of the pointer.
            const double read = first[value].toDouble();
            const double step = std::pow(10.0, -ReadValueText(r).section(QLatin1Char('.'), 1).size());
            QVERIFY2(std::fabs(read - r.value) <= step / 2 + 1e-9, qPrintable(r.name));
            QCOMPARE(first[error].toDouble(), r.error);
            QCOMPARE(first[range].toDouble(), r.range);
            ++numbers;
        }
        QVERIFY(numbers > 0 || lab == 8);
        QCOMPARE(csv.rows[2].toArray().last().toString(), words.moving);
    }

    // What the oscilloscope shows, sample for sample: time in ms of
    // circuit time, then each channel that is on in its unit.
    void scopeData_data()
    {
        QTest::addColumn<int>("lab");
        QTest::newRow("lab 7") << 7;
        QTest::newRow("lab 8") << 8;
    }
    void scopeData()
    {
        QFETCH(int, lab);
        LabWindow *w = Open(lab);
        QVERIFY(w);
        const QString path = Path(QStringLiteral("scope%1.csv").arg(lab));
        // Nothing shown, nothing saved.
        QVERIFY(!P().SaveScope(path));
        QVERIFY(!P().lastError().isEmpty());
        QVERIFY(!QFileInfo::exists(path));

        MakeBusy(f, lab);
        f.Ticks(120, 0.05);
        QVERIFY(P().SaveScope(path));
        const test::CsvRead csv = test::ReadCsvWithPython(path);
        QVERIFY2(csv.ok, qPrintable(csv.error));
        const std::optional<ScopeTraces> traces = w->ScopeData();
        QVERIFY(traces);
        std::vector<const float *> shown;
        QStringList headers{QStringLiteral("t, ms")};
        if (lab == 7) {
            Lab7Window *b = static_cast<Lab7Window *>(w);
            QCOMPARE(csv.rows.size(), ScopeRecorder::kSamples + 1);
            headers << QStringLiteral("u, V") << QStringLiteral("i, mA");
            QVERIFY(b->Scope().VoltageTrace[140] != 0.0f);
        } else {
            QCOMPARE(csv.rows.size(), Lab8Model::kSamples + 1);
            headers << QStringLiteral("u, V");
        }
        QCOMPARE(csv.rows[0].toArray().toVariantList(), QVariantList(headers.begin(), headers.end()));
        for (int k = 1; k < csv.rows.size(); ++k) {
            const QJsonArray row = csv.rows[k].toArray();
            QCOMPARE(row[0].toDouble(-1), (k - 1) / 5.0);
            if (lab == 7) {
                Lab7Window *b = static_cast<Lab7Window *>(w);
                QCOMPARE(float(row[1].toDouble()), b->Scope().VoltageTrace[std::size_t(k - 1)]);
                QCOMPARE(float(row[2].toDouble()), b->Scope().CurrentTrace[std::size_t(k - 1)] * 1000.0f);
            } else {
                QCOMPARE(float(row[1].toDouble()), static_cast<Lab8Window *>(w)->Model().VoltageWave[std::size_t(k - 1)]);
            }
        }
        if (lab == 7) {
            // A channel switched off is not shown and not saved.
            f.Click(QStringLiteral("Command5"));
            QVERIFY(P().SaveScope(path));
            const test::CsvRead one = test::ReadCsvWithPython(path);
            QCOMPARE(one.rows[0].toArray().size(), 2);
        }
    }

    // The printed protocol, made headless as a PDF: the lab's title, the
    // date and every cell of every row, in the language of the day.
    void printToPdf_data()
    {
        QTest::addColumn<int>("language");
        QTest::newRow("English") << 1;
        QTest::newRow("Russian") << 2;
    }
    void printToPdf()
    {
        QFETCH(int, language);
        LabWindow *w = Open(2);
        QVERIFY(w);
        QVERIFY(Shell::instance().LoadLanguage(language));
        MakeBusy(f, 2);
        Settle(f, 2);
        w->MnuRecord_Click();
        f.clock.advance(75);
        QTest::mouseClick(f.Button(QStringLiteral("Command2"), 0), Qt::LeftButton); // K-50 at 1 A
        Settle(f, 2);
        w->MnuRecord_Click();
        QCOMPARE(P().protocol().size(), 2);

        const QString path = Path(QStringLiteral("protocol-%1.pdf").arg(language));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        printer.setPageOrientation(QPageLayout::Landscape);
        QVERIFY(P().PrintTo(printer));
        QCOMPARE(P().protocol().Unsaved(), 0);
        const QString text = PdfText(path);
        QVERIFY(!text.isEmpty());
        QVERIFY2(text.contains(w->form()->windowTitle().simplified()), qPrintable(text.left(300)));
        const QLocale locale(language == 2 ? QLocale::Russian : QLocale::English);
        QVERIFY(text.contains(locale.toString(kRecordedAt.date(), QLocale::LongFormat)));
        const ProtocolTable table = P().Table();
        for (const QStringList &row : table.rows)
            for (const QString &cell : row)
                QVERIFY2(cell.isEmpty() || text.contains(cell), qPrintable(cell));
        if (language == 2)
            QVERIFY(text.contains(QStringLiteral("0,")));
    }

    // Print opens Qt's print dialog; with no printer it makes a PDF where
    // the last file went.
    void printThroughTheDialog()
    {
        if (!QPrinterInfo::availablePrinterNames().isEmpty())
            QSKIP("a printer is installed: the dialog would print on paper");
        LabWindow *w = Open(1);
        QVERIFY(w);
        w->MnuRecord_Click();
        QVERIFY(P().SaveCsv(Path(QStringLiteral("dialog.csv"))));
        w->MnuRecord_Click();
        bool shown = false;
        LabProtocol::setPrintDialogHook([&shown](QWidget *dialog) {
            shown = qobject_cast<QPrintDialog *>(dialog) != nullptr;
            static_cast<QDialog *>(dialog)->accept();
        });
        QVERIFY(P().Print());
        QVERIFY(shown);
        const QString pdf = Path(QStringLiteral("lab1-protocol-2025-03-14.pdf"));
        QVERIFY(QFileInfo::exists(pdf));
        QVERIFY(PdfText(pdf).contains(QStringLiteral("10:15:30")));
        QCOMPARE(P().protocol().Unsaved(), 0);
    }

    // The whole lab window as the screen shows it.
    void picture()
    {
        LabWindow *w = Open(3);
        QVERIFY(w);
        const QString path = Path(QStringLiteral("lab3.png"));
        QVERIFY(P().SavePicture(path));
        QImage image;
        QVERIFY(image.load(path, "PNG"));
        const qreal dpr = w->form()->devicePixelRatioF();
        QCOMPARE(image.size(), (QSizeF(w->form()->size()) * dpr).toSize());
    }

    // A save that fails says which file and why, once, and the protocol
    // stays as it was: every row, none counted as saved.
    void failedSaveLosesNoRow_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("where");
        QTest::newRow("CSV over a folder") << "csv" << "folder";
        QTest::newRow("CSV into a missing folder") << "csv" << "missing/p.csv";
        QTest::newRow("CSV on a full disk") << "csv" << "full.csv";
        QTest::newRow("PDF over a folder") << "pdf" << "folder";
        QTest::newRow("PDF on a full disk") << "pdf" << "full.pdf";
        QTest::newRow("picture over a folder") << "png" << "folder";
        QTest::newRow("oscilloscope data over a folder") << "scope" << "folder";
    }
    void failedSaveLosesNoRow()
    {
        QFETCH(QString, format);
        QFETCH(QString, where);
        LabWindow *w = Open(format == QLatin1String("scope") ? 8 : 1);
        QVERIFY(w);
        if (format == QLatin1String("scope"))
            MakeBusy(f, 8);
        w->MnuRecord_Click();
        w->MnuRecord_Click();
        P().ShowWindow();
        QTemporaryDir dir;
        QDir(dir.path()).mkdir(QStringLiteral("folder"));
        const QString path = dir.filePath(where);
        bool saved = true;
        {
            test::FileSizeLimit limit(where.startsWith(QLatin1String("full")) ? 300 : RLIM_INFINITY);
            if (format == QLatin1String("csv"))
                saved = P().SaveCsv(path);
            else if (format == QLatin1String("png"))
                saved = P().SavePicture(path);
            else if (format == QLatin1String("scope"))
                saved = P().SaveScope(path);
            else {
                QPrinter printer(QPrinter::HighResolution);
                printer.setOutputFormat(QPrinter::PdfFormat);
                printer.setOutputFileName(path);
                saved = P().PrintTo(printer);
            }
        }
        QVERIFY2(!saved, qPrintable(QStringLiteral("%1 bytes").arg(QFileInfo(path).size())));
        const QString message = P().lastError();
        QVERIFY2(message.contains(QDir::toNativeSeparators(path)), qPrintable(message));
        QVERIFY2(message.section(QStringLiteral("\": "), 1).size() > 3, qPrintable(message));
        QCOMPARE(P().protocol().size(), 2);
        QCOMPARE(P().protocol().Unsaved(), 2);
        QCOMPARE(P().window()->model()->rowCount(), 2);
        QCOMPARE(FilesUnder(dir.path()), QStringList());
        // And the next save, where it can go, takes every row.
        QVERIFY(P().SaveCsv(dir.filePath(QStringLiteral("p.csv"))));
        QCOMPARE(P().protocol().Unsaved(), 0);
    }

    // The protocol lives for the run: leaving the lab and coming back
    // keeps it; its window shows it in the language of the day, and
    // Delete removes the selected row.
    void windowKeepsTheRowsForTheRun()
    {
        LabWindow *w = Open(5);
        QVERIFY(w);
        MakeBusy(f, 5);
        Settle(f, 5);
        w->MnuRecord_Click();
        f.clock.advance(10);
        w->MnuRecord_Click();
        f.Reopen(60);
        QCOMPARE(P().protocol().size(), 2);
        QTest::keyClick(w->form(), Qt::Key_T, Qt::ControlModifier);
        QTRY_VERIFY(P().window() && P().window()->isVisible());
        ProtocolWindow *pw = P().window();
        QCOMPARE(pw->parentWidget(), w->form());
        QCOMPARE(pw->model()->rowCount(), 2);
        QCOMPARE(pw->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Time"));
        QVERIFY(pw->model()->table().headers.contains(QStringLiteral("K-50 V, V")));
        QCOMPARE(pw->table()->accessibleName(), QStringLiteral("Protocol table"));

        int russian = 2;
        QVERIFY(Shell::instance().LoadLanguage(russian));
        QTRY_COMPARE(pw->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Время"));
        QVERIFY(pw->model()->table().headers.contains(QStringLiteral("К-50 V, В")));
        QVERIFY(pw->windowTitle().startsWith(QStringLiteral("Протокол")));
        QCOMPARE(pw->table()->accessibleName(), QStringLiteral("Таблица протокола"));

        pw->table()->setFocus();
        pw->table()->selectionModel()->setCurrentIndex(pw->model()->index(0, 0), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        const QTime second = P().protocol().row(1).time;
        QCOMPARE(second, P().protocol().row(0).time.addSecs(10));
        QTest::keyClick(pw->table(), Qt::Key_Delete);
        QCOMPARE(P().protocol().size(), 1);
        QCOMPARE(pw->model()->rowCount(), 1);
        QCOMPARE(P().protocol().row(0).time, second);
    }

    // Exit in the chooser names the labs whose rows are not yet saved,
    // in both languages; the window's close command asks then too.
    void exitTellsOfUnsavedRows()
    {
        LabWindow *w = Open(2);
        QVERIFY(w);
        w->MnuRecord_Click();
        w->MnuRecord_Click();
        LabWindow *w5 = Shell::instance().LabWindowFor(5);
        w5->Show();
        w5->MnuRecord_Click();
        Chooser *chooser = Shell::instance().chooser();
        const QString question = Shell::instance().Messages.value(3);
        QString prompt = chooser->ExitPrompt();
        QVERIFY(prompt.startsWith(question));
        QVERIFY2(prompt.contains(QStringLiteral("lab 2: 2 rows")), qPrintable(prompt));
        QVERIFY2(prompt.contains(QStringLiteral("lab 5: 1 row")), qPrintable(prompt));
        int russian = 2;
        QVERIFY(Shell::instance().LoadLanguage(russian));
        prompt = chooser->ExitPrompt();
        QVERIFY2(prompt.contains(QStringLiteral("лабораторная работа 2: 2 строки")), qPrintable(prompt));
        QVERIFY2(prompt.contains(QStringLiteral("лабораторная работа 5: 1 строка")), qPrintable(prompt));
        QVERIFY(w->Protocol().SaveCsv(Path(QStringLiteral("exit.csv"))));
        QVERIFY(!chooser->ExitPrompt().contains(QStringLiteral("работа 2")));
        QVERIFY(w5->Protocol().SaveCsv(Path(QStringLiteral("exit5.csv"))));
        QCOMPARE(chooser->ExitPrompt(), Shell::instance().Messages.value(3));

        // The close command asks while rows would be lost; Cancel keeps
        // the program running.
        w5->MnuRecord_Click();
        chooser->setExitAnswerForTest(QMessageBox::Cancel);
        chooser->show();
        QVERIFY(!chooser->close());
        QVERIFY(w5->isLoaded());
        QCOMPARE(w5->Protocol().protocol().Unsaved(), 1);
    }

    // Qt's file dialog keeps its folders and view in a settings file when
    // it goes; the program sends those settings nowhere, so a save through
    // the dialog leaves no file but the one asked for.
    void writesNoSettings()
    {
        QTemporaryDir home;
        QVERIFY(home.isValid());
        const QString seen = home.filePath(QStringLiteral("control"));
        // Where Qt would write if let: it does write there.
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, seen);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, seen);
        delete new QFileDialog(nullptr, QString(), home.path());
        QVERIFY2(!FilesUnder(seen).isEmpty(), "Qt's file dialog wrote no settings: the check below proves nothing");

        const QByteArray oldHome = qgetenv("HOME");
        const QByteArray oldConfig = qgetenv("XDG_CONFIG_HOME");
        qputenv("HOME", home.filePath(QStringLiteral("home")).toUtf8());
        qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toUtf8());
        const QStringList before = FilesUnder(home.path());
        LabWindow *w = Open(1); // the shell sends the settings nowhere
        QVERIFY(w);
        w->MnuRecord_Click();
        // The save dialog, answered with a file in the folder.
        QString chosen;
        LabProtocol::setFileNameAsker([&](QWidget *owner, const QString &title, const QString &suggested,
                                          const QString &filter) {
            QFileDialog dialog(owner, title, QFileInfo(suggested).path(), filter);
            dialog.setOption(QFileDialog::DontUseNativeDialog);
            chosen = home.filePath(QStringLiteral("asked.csv"));
            return chosen;
        });
        QVERIFY(P().SaveCsv());
        LabProtocol::setFileNameAsker([](QWidget *, const QString &, const QString &, const QString &) {
            return QString();
        });
        QPrintDialog *print = new QPrintDialog(w->form());
        delete print;
        f.Close();
        qputenv("HOME", oldHome);
        if (oldConfig.isNull())
            qunsetenv("XDG_CONFIG_HOME");
        else
            qputenv("XDG_CONFIG_HOME", oldConfig);
        QStringList expected = before + QStringList{QStringLiteral("asked.csv")};
        expected.sort();
        QCOMPARE(FilesUnder(home.path()), expected);
    }
};

QTEST_MAIN(TestProtocol)
#include "tst_protocol.moc"
