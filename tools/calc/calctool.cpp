// SPDX-License-Identifier: GPL-3.0-or-later
// ohmaris-calc's command line: options (through the tools' shared
// QCommandLineParser set-up), the lab and its NAME=VALUE inputs, the help
// listing, the text or JSON output of one run, the tables of sweeps and the
// drawings.
#include "calctool.h"

#include "commandline.h"
#include "diagrams/diagrampaint.h"
#include "i18n/programtranslator.h"
#include "manpage.h"
#include "ohmaris_version.h"
#include "svgfile.h"
#include "sweep.h"
#include "table.h"

#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QMap>
#include <algorithm>

namespace ohmaris {

namespace {

// The command line with its options, and what the usage and the manual
// page say of them.
struct CalcCommandLine {
    QCommandLineOption json{QStringLiteral("json"),
                            QStringLiteral("Print one line of JSON: the lab number, the inputs as stored (after "
                                           "offsets and caps) and the outputs under the model's own names.")};
    QCommandLineOption vary{QStringLiteral("vary"),
                            QStringLiteral("Run the lab for each value of LIST: values separated by commas, each "
                                           "with a decimal point (C=10,22.5,47), or a range START:STEP:STOP "
                                           "(C=10:10:100). Repeated, every combination, the first changing "
                                           "slowest; at most 100000 rows. Prints a table."),
                            QStringLiteral("NAME=LIST")};
    QCommandLineOption format{QStringLiteral("format"),
                              QStringLiteral("Print a table, one row per run: text (aligned columns), csv (the "
                                             "system locale's decimal mark, and ';' between fields where it is a "
                                             "comma) or json (one object per line). Units are in the header."),
                              QStringLiteral("text|csv|json")};
    QCommandLineOption columns{QStringLiteral("columns"),
                               QStringLiteral("The table's columns, comma-separated: inputs, outputs, elements "
                                              "such as BranchCurrent[1]. Default: the varied inputs, then every "
                                              "output."),
                               QStringLiteral("NAME,...")};
    QCommandLineOption phasors{QStringLiteral("phasors"),
                               QStringLiteral("Draw the run's phasor diagram into an SVG file (labs 2 to 6)."),
                               QStringLiteral("FILE.svg")};
    QCommandLineOption spectrum{QStringLiteral("spectrum"),
                                QStringLiteral("Draw the run's amplitude spectrum into an SVG file (lab 8)."),
                                QStringLiteral("FILE.svg")};
    QCommandLineOption lang{QStringLiteral("lang"),
                            QStringLiteral("The drawing's language: English (en) or Russian (ru); by default the "
                                           "system locale's."),
                            QStringLiteral("en|ru")};
    QCommandLineOption netlist{
        QStringLiteral("netlist"),
        QStringLiteral("Print the bench in the state the inputs give as a deck for the circuit simulator ngspice "
                       "(run it with: ngspice -b FILE): the elements named as on the schematic with the values the "
                       "model uses, closed switches as wires and open ones left out, a comment on every line, and "
                       "a control section that runs the analysis and prints the quantities the calculator reports, "
                       "under the same names in lower case. Lab 1 is an operating point, labs 2 to 6 an AC analysis "
                       "at 50 Hz, lab 7 a transient with time-controlled switches, lab 8 one AC analysis per source "
                       "added up in time. Each lab's circuit notes say where the bench is not the circuit it "
                       "draws.")};
    QCommandLineOption man{QStringLiteral("man"), QStringLiteral("Print the manual page (roff) and exit.")};
    tools::CommandLine cl{
        QStringLiteral("ohmaris-calc"), QStringLiteral("[OPTIONS] LAB [NAME=VALUE ...]"),
        QStringLiteral(
            "Computes a lab's model from the inputs a student sets on the bench, with\n"
            "the bench's entry rules (absolute value, offsets, caps). Values take a\n"
            "decimal comma or point; inputs not given keep their defaults. In a list\n"
            "(at=2.4,5 or events=S1@0,S2@3.5) the comma separates the items, so the\n"
            "numbers in it take a decimal point. NAME=@FILE reads a list from FILE,\n"
            "one item a line or comma-separated, for lists too long for one argument.\n"
            "--vary runs the lab for every value of an input and prints a table;\n"
            "--phasors and --spectrum draw one run into an SVG file.\n"
            "With LAB, --help lists that lab's inputs and outputs only. Exit status 0,\n"
            "2 for a refused command line, 1 for a drawing that cannot be written.\n")};

    CalcCommandLine()
    {
        cl.DescribeHelp(QStringLiteral("List the inputs and outputs of every lab, or of LAB when one is given."));
        for (const QCommandLineOption *o : {&json, &netlist, &vary, &format, &columns, &phasors, &spectrum, &lang, &man})
            cl.Add(*o);
    }
};

// Every refusal comes back through this one line. Messages quote what they
// echo; a line break that still reaches here (a lab that forgot to quote)
// is escaped all the same, so stderr never gets a second line.
int Fail(const tools::CommandLine &cl, QString &err, const QString &message, int status = kCalcUsageError)
{
    err = cl.RefusalLine(message);
    return status;
}

// The examples the usage ends with, those of the manual page: what each
// does, wrapped to 79 columns, and the command under it.
QString ExamplesText(const std::vector<const LabCalc *> &labs)
{
    QString s = QStringLiteral("\nexamples:\n");
    for (const CalcExample &e : CalcExamples(labs)) {
        QString line = QStringLiteral(" ");
        for (const QString &word : e.what.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            if (line.size() + 1 + word.size() > 79) {
                s += line + QLatin1Char('\n');
                line = QStringLiteral(" ");
            }
            line += QLatin1Char(' ') + word;
        }
        s += line + QLatin1Char('\n');
        s += QStringLiteral("    %1\n").arg(QString(e.command).replace(QStringLiteral("\n"), QStringLiteral("\n  ")));
    }
    return s;
}

QString LabHelp(const LabCalc &lab)
{
    QString s = QStringLiteral("lab %1: %2\n  inputs:\n").arg(lab.lab).arg(lab.title);
    qsizetype width = 0;
    for (const CalcInput &in : lab.inputs)
        width = std::max(width, in.name.size());
    for (const CalcInput &in : lab.inputs) {
        const QString value = in.defaultText.isEmpty() ? QStringLiteral("(none)") : in.defaultText;
        const QString unit = in.unit.isEmpty() ? QString() : QLatin1Char(' ') + in.unit;
        s += QStringLiteral("    %1 = %2%3  %4\n").arg(in.name.leftJustified(width), value, unit, in.help);
    }
    if (!lab.outputs.empty() || !lab.sampleFields.empty()) {
        s += QStringLiteral("  outputs:\n");
        for (const Quantity &out : lab.outputs)
            s += QStringLiteral("    %1 [%2]  %3\n").arg(out.name, out.unit, out.help);
        if (!lab.sampleFields.empty()) {
            s += QStringLiteral("    %1  %2\n").arg(kCalcSamples, kCalcSamplesHelp);
            for (const Quantity &field : lab.sampleFields)
                s += QStringLiteral("      %1 [%2]  %3\n").arg(field.name, field.unit, field.help);
        }
    }
    if (!lab.example.isEmpty())
        s += QStringLiteral("  example:\n    %1\n").arg(lab.example);
    if (!lab.notes.isEmpty()) {
        s += QStringLiteral("  circuit notes:\n");
        for (const QString &note : lab.notes)
            s += tools::CommandLine::Wrapped(QStringLiteral("    - "), note, 76);
    }
    return s;
}

// One NAME = VALUE line per result, in the model's order, arrays
// space-separated; the samples on one line as records (name=value ...),
// their fields in the order the lab lists them.
QString TextOutput(const LabCalc &lab, const CalcResult &r)
{
    QString s;
    for (const Quantity &q : r.outputs)
        s += QStringLiteral("%1 = %2\n").arg(q.name, QuantityText(q));
    if (!lab.sampleFields.empty()) {
        QStringList records;
        for (const Quantities &sample : r.samples) {
            QStringList fields;
            for (const Quantity &q : sample)
                fields << QStringLiteral("%1=%2").arg(q.name, QuantityText(q));
            records << QStringLiteral("(%1)").arg(fields.join(QLatin1Char(' ')));
        }
        s += QStringLiteral("%1 = %2\n").arg(kCalcSamples, records.join(QLatin1Char(' ')));
    }
    return s;
}

// What the command line asks besides the lab and its inputs.
struct CalcRequest {
    bool json = false;
    bool netlist = false;
    bool help = false;
    bool formatGiven = false;
    TableFormat format = TableFormat::Text;
    bool columnsGiven = false;
    QStringList columns;
    QStringList vary;      // NAME=LIST, as given
    QString phasorsFile;
    QString spectrumFile;
    int language = 0;      // 1 English, 2 Russian, 0 the system locale's

    bool table() const { return formatGiven || columnsGiven || !vary.isEmpty(); }
};

// Reads the parsed options into `o`; returns an empty string or one line
// naming the problem.
QString ReadRequest(const CalcCommandLine &line, CalcRequest &o)
{
    const tools::CommandLine &cl = line.cl;
    for (const QCommandLineOption *option :
         {&line.vary, &line.format, &line.columns, &line.phasors, &line.spectrum, &line.lang})
        if (cl.isSet(*option) && cl.value(*option).isEmpty())
            return QStringLiteral("%1 needs a value").arg(tools::CommandLine::Dashed(option->names().first()));
    o.json = cl.isSet(line.json);
    o.netlist = cl.isSet(line.netlist);
    o.vary = cl.values(line.vary);
    if (cl.isSet(line.format)) {
        const QString value = cl.value(line.format);
        if (!ParseTableFormat(value, o.format))
            return QStringLiteral("--format: expected text, csv or json, got %1").arg(QuotedArgument(value));
        o.formatGiven = true;
    }
    if (cl.isSet(line.columns)) {
        o.columnsGiven = true;
        for (const QString &value : cl.values(line.columns))
            o.columns += value.split(QLatin1Char(','), Qt::SkipEmptyParts);
    }
    o.phasorsFile = cl.value(line.phasors);
    o.spectrumFile = cl.value(line.spectrum);
    if (cl.isSet(line.lang)) {
        const QString value = cl.value(line.lang);
        if (value == QLatin1String("en"))
            o.language = 1;
        else if (value == QLatin1String("ru"))
            o.language = 2;
        else
            return QStringLiteral("--lang: expected en or ru, got %1").arg(QuotedArgument(value));
    }
    if (o.json && o.table())
        return QStringLiteral("--json prints one run; for a table use --format json");
    const bool drawing = !o.phasorsFile.isEmpty() || !o.spectrumFile.isEmpty();
    if (o.netlist && o.json)
        return QStringLiteral("--netlist and --json exclude each other");
    if (o.netlist && (o.table() || drawing))
        return QStringLiteral("--netlist prints one run's deck; it takes no --vary, --format, --columns, --phasors or --spectrum");
    if (drawing && o.table())
        return QStringLiteral("--phasors and --spectrum draw one run; they take no --vary, --format or --columns");
    return {};
}

// Collects written text and hands it on in pieces of a useful size.
class Output {
public:
    explicit Output(const CalcWriter &write) : m_write(write) {}
    ~Output() { Flush(); }
    void operator<<(const QString &text)
    {
        m_buffer += text;
        if (m_buffer.size() >= kChunk)
            Flush();
    }
    void Flush()
    {
        if (!m_buffer.isEmpty())
            m_write(m_buffer);
        m_buffer.clear();
    }

private:
    static constexpr qsizetype kChunk = 64 * 1024;
    const CalcWriter &m_write;
    QString m_buffer;
};

// The inputs given, in the lab's order, as the command that gives the run.
QString RunCommand(const LabCalc &lab, const QMap<QString, QString> &args)
{
    QStringList words{QStringLiteral("ohmaris-calc"), QString::number(lab.lab)};
    for (const CalcInput &in : lab.inputs)
        if (args.contains(in.name))
            words << QStringLiteral("%1=%2").arg(in.name, args.value(in.name));
    return words.join(QLatin1Char(' '));
}

// Whether the lab has the drawing asked for; an empty string, or one line.
QString CheckDrawing(const LabCalc &lab, const CalcRequest &o)
{
    if (!o.phasorsFile.isEmpty() && lab.drawing != CalcDrawing::Phasors)
        return QStringLiteral("--phasors: lab %1 has no phasor diagram (labs 2 to 6 have)").arg(lab.lab);
    if (!o.spectrumFile.isEmpty() && lab.drawing != CalcDrawing::Spectrum)
        return QStringLiteral("--spectrum: lab %1 has no spectrum (lab 8 has)").arg(lab.lab);
    if ((!o.phasorsFile.isEmpty() || !o.spectrumFile.isEmpty())
        && !qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return QStringLiteral("drawing needs the fonts of a graphical session (QGuiApplication)");
    return {};
}

// Draws the run into the file the options name, in the language asked.
// Returns an empty string, or one line naming the file and the reason.
QString Draw(const LabCalc &lab, const QMap<QString, QString> &args, const CalcResult &r, const CalcRequest &o)
{
    const bool phasors = !o.phasorsFile.isEmpty();
    const int language =
        o.language != 0 ? o.language : (QLocale::system().language() == QLocale::Russian ? 2 : 1);
    InstallProgramTranslator(language);
    const DiagramCaption caption{RunCommand(lab, args), language == 2 ? QLocale(QLocale::Russian, QLocale::Russia)
                                                                      : QLocale(QLocale::English, QLocale::UnitedStates)};
    QString error;
    if (phasors)
        error = WriteSvgFile(o.phasorsFile, DiagramPageSize(), PhasorDiagramTitle(lab.lab),
                             [&](QPainter &p, const QRectF &page) { PaintPhasorDiagram(p, page, r.phasors, caption); });
    else
        error = WriteSvgFile(o.spectrumFile, DiagramPageSize(), SpectrumTitle(lab.lab),
                             [&](QPainter &p, const QRectF &page) { PaintSpectrum(p, page, r.spectrum, caption); });
    InstallProgramTranslator(1);
    return error;
}

// The inputs of one row: those given, and the row's value of each variation.
QMap<QString, QString> RowArguments(const QMap<QString, QString> &args, const std::vector<Variation> &variations,
                                    const std::vector<std::size_t> &index)
{
    QMap<QString, QString> row = args;
    for (std::size_t k = 0; k < variations.size(); ++k)
        row.insert(variations[k].name, variations[k].values.at(qsizetype(index[k])));
    return row;
}

// A sweep (or one run) as a table. Every value of every variation is
// tried first, so a value the lab refuses stops the command before a row is
// written (each input is read on its own, so a row cannot fail once each
// of its values has passed).
int RunTable(const tools::CommandLine &cl, const LabCalc &lab, const QMap<QString, QString> &args, const std::vector<Variation> &variations,
             const CalcRequest &o, Output &out, QString &err)
{
    std::vector<std::size_t> first(variations.size(), 0);
    const CalcResult head = lab.run(RowArguments(args, variations, first));
    if (!head.error.isEmpty())
        return Fail(cl, err, QStringLiteral("lab %1: %2").arg(QString::number(lab.lab), head.error));
    for (std::size_t k = 0; k < variations.size(); ++k)
        for (qsizetype j = 1; j < variations[k].values.size(); ++j) {
            std::vector<std::size_t> index = first;
            index[k] = std::size_t(j);
            const CalcResult r = lab.run(RowArguments(args, variations, index));
            if (!r.error.isEmpty())
                return Fail(cl, err, QStringLiteral("lab %1: %2").arg(QString::number(lab.lab), r.error));
        }

    QStringList varied;
    for (const Variation &v : variations)
        varied << v.name;
    std::vector<TableColumn> columns = TableColumns(lab, varied, head);
    if (o.columnsGiven) {
        std::vector<TableColumn> chosen;
        const QString error = SelectColumns(lab, o.columns, columns, head, chosen);
        if (!error.isEmpty())
            return Fail(cl, err, error);
        columns = std::move(chosen);
    }
    TableWriter writer(o.format, std::move(columns), CsvStyle::System());

    const auto eachRow = [&](const std::function<void(const CalcResult &)> &use) {
        SweepCursor cursor(variations);
        do
            use(lab.run(RowArguments(args, variations, cursor.index())));
        while (cursor.Next());
    };
    // Aligned text needs every width first: the rows are computed twice
    // rather than held, so a long sweep needs no more memory than a row.
    if (writer.needsMeasuring())
        eachRow([&writer](const CalcResult &r) { writer.Measure(r); });
    out << writer.Header();
    eachRow([&](const CalcResult &r) { out << writer.Row(r); });
    return 0;
}

} // namespace

QList<QCommandLineOption> CalcOptions()
{
    return CalcCommandLine().cl.options();
}

int RunCalc(const QStringList &argv, const std::vector<const LabCalc *> &labs, QString &out, QString &err)
{
    out.clear();
    const int status = RunCalc(argv, labs, [&out](const QString &text) { out += text; }, err);
    if (status != 0)
        out.clear();
    return status;
}

int RunCalc(const QStringList &argv, const std::vector<const LabCalc *> &labs, const CalcWriter &write, QString &err)
{
    err.clear();
    Output out(write);
    CalcCommandLine line;
    tools::CommandLine &cl = line.cl;
    const tools::CommandLine::Result parsed = cl.Parse(argv);
    if (parsed == tools::CommandLine::Result::Refused)
        return Fail(cl, err, cl.Refusal());
    if (parsed == tools::CommandLine::Result::Version) {
        out << cl.VersionText();
        return 0;
    }
    if (cl.isSet(line.man)) {
        out << CalcManPage(labs, QLatin1String(kVersionText), QLatin1String(kReleaseDate));
        return 0;
    }
    CalcRequest o;
    const QString optionError = ReadRequest(line, o);
    if (!optionError.isEmpty())
        return Fail(cl, err, optionError);
    const bool help = parsed == tools::CommandLine::Result::Help;
    const QStringList words = cl.positional();

    if (words.isEmpty()) {
        if (!help)
            return Fail(cl, err, QStringLiteral("no lab given (try --help)"));
        out << cl.Usage() + ExamplesText(labs);
        for (const LabCalc *lab : labs)
            out << QLatin1Char('\n') + LabHelp(*lab);
        return 0;
    }

    bool ok = false;
    const int number = words.first().toInt(&ok);
    const LabCalc *lab = nullptr;
    for (const LabCalc *l : labs)
        if (ok && l->lab == number)
            lab = l;
    if (!lab)
        return Fail(cl, err, QStringLiteral("unknown lab %1").arg(QuotedArgument(words.first())));

    const auto known = [lab](const QString &name) {
        return std::any_of(lab->inputs.begin(), lab->inputs.end(), [&name](const CalcInput &in) { return in.name == name; });
    };
    QMap<QString, QString> args;
    for (qsizetype i = 1; i < words.size(); ++i) {
        const QString &w = words.at(i);
        const qsizetype eq = w.indexOf(QLatin1Char('='));
        if (eq <= 0)
            return Fail(cl, err, QStringLiteral("expected NAME=VALUE, got %1").arg(QuotedArgument(w)));
        const QString name = w.left(eq);
        if (!known(name))
            return Fail(cl, err, QStringLiteral("lab %1 has no input %2").arg(QString::number(lab->lab), QuotedArgument(name)));
        if (args.contains(name))
            return Fail(cl, err, QStringLiteral("input %1 given twice").arg(QuotedArgument(name)));
        args.insert(name, w.mid(eq + 1));
    }

    std::vector<Variation> variations;
    for (const QString &given : o.vary) {
        Variation v;
        const QString error = ParseVariation(given, v);
        if (!error.isEmpty())
            return Fail(cl, err, error);
        if (!known(v.name))
            return Fail(cl, err, QStringLiteral("lab %1 has no input %2").arg(QString::number(lab->lab), QuotedArgument(v.name)));
        const bool twice = args.contains(v.name)
                           || std::any_of(variations.begin(), variations.end(),
                                          [&v](const Variation &w) { return w.name == v.name; });
        if (twice)
            return Fail(cl, err, QStringLiteral("input %1 given twice").arg(QuotedArgument(v.name)));
        variations.push_back(v);
    }
    const double rows = SweepRowCount(variations);
    if (rows > kMaxSweepRows)
        return Fail(cl, err, QStringLiteral("the sweep makes %1 rows, more than %2")
                             .arg(QString::number(rows, 'g', 6), QString::number(kMaxSweepRows)));

    if (help) {
        out << LabHelp(*lab);
        return 0;
    }
    const QString drawingError = CheckDrawing(*lab, o);
    if (!drawingError.isEmpty())
        return Fail(cl, err, drawingError);

    if (o.table())
        return RunTable(cl, *lab, args, variations, o, out, err);

    if (o.netlist && !lab->netlist)
        return Fail(cl, err, QStringLiteral("lab %1 has no netlist").arg(lab->lab));
    const CalcResult r = o.netlist ? lab->netlist(args) : lab->run(args);
    if (!r.error.isEmpty())
        return Fail(cl, err, QStringLiteral("lab %1: %2").arg(QString::number(lab->lab), r.error));
    if (o.netlist) {
        out << r.deck;
        return 0;
    }

    if (!o.phasorsFile.isEmpty() || !o.spectrumFile.isEmpty()) {
        const QString error = Draw(*lab, args, r, o);
        if (!error.isEmpty())
            return Fail(cl, err, error, kCalcFileError);
    }

    if (o.json) {
        QJsonObject obj;
        obj.insert(QStringLiteral("lab"), lab->lab);
        obj.insert(QStringLiteral("inputs"), r.inputs);
        obj.insert(QStringLiteral("outputs"), CalcOutputsJson(*lab, r));
        out << QString::fromUtf8(QJsonDocument(obj).toJson(QJsonDocument::Compact)) + QLatin1Char('\n');
    } else {
        out << TextOutput(*lab, r);
    }
    return 0;
}

} // namespace ohmaris
