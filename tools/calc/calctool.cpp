// ohmaris-calc's command line: options, the lab and its NAME=VALUE inputs,
// the help listing, the text or JSON output of one run, the tables of
// sweeps and the drawings.
#include "calctool.h"

#include "diagrams/diagrampaint.h"
#include "i18n/programtranslator.h"
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

// Every refusal comes back through this one line. Messages quote what they
// echo; a line break that still reaches here (a lab that forgot to quote)
// is escaped all the same, so stderr never gets a second line.
int Fail(QString &err, const QString &message, int status = kCalcUsageError)
{
    QString line = message;
    line.replace(QLatin1Char('\r'), QStringLiteral("\\r"));
    line.replace(QLatin1Char('\n'), QStringLiteral("\\n"));
    err = QStringLiteral("ohmaris-calc: %1\n").arg(line);
    return status;
}

QString Usage()
{
    return QStringLiteral(
        "usage: ohmaris-calc LAB [NAME=VALUE ...] [--json]\n"
        "       ohmaris-calc LAB [NAME=VALUE ...] [--vary NAME=LIST ...] [--format text|csv|json]\n"
        "                    [--columns NAME,...]\n"
        "       ohmaris-calc LAB [NAME=VALUE ...] --phasors FILE.svg | --spectrum FILE.svg [--lang en|ru]\n"
        "       ohmaris-calc [LAB] --help\n"
        "Computes a lab's model from the inputs a student sets on the bench, with\n"
        "the bench's entry rules (absolute value, offsets, caps). Values take a\n"
        "decimal comma or point; inputs not given keep their defaults. In a list\n"
        "(at=2.4,5 or events=S1@0,S2@3.5) the comma separates the items, so the\n"
        "numbers in it take a decimal point.\n"
        "\n"
        "  --json               one run as one line of JSON\n"
        "  --vary NAME=LIST     run the lab for each value of LIST (values separated by\n"
        "                       commas, with a decimal point, or START:STEP:STOP); several\n"
        "                       --vary run every combination, the first changing slowest;\n"
        "                       at most 100000 rows\n"
        "  --format FORMAT      a table, one row per run: text (aligned columns), csv (the\n"
        "                       system locale's decimal mark; ';' between fields where it\n"
        "                       is a comma) or json (one object per line)\n"
        "  --columns LIST       the table's columns (comma-separated): inputs, outputs,\n"
        "                       elements such as BranchCurrent[1]; default: the varied\n"
        "                       inputs, then every output\n"
        "  --phasors FILE.svg   draw the run's phasor diagram (labs 2 to 6)\n"
        "  --spectrum FILE.svg  draw the run's amplitude spectrum (lab 8)\n"
        "  --lang en|ru         the drawing's language (default: the system locale's)\n"
        "\n"
        "examples:\n"
        "  ohmaris-calc 2 step=12 SF=1 --vary variant=1:1:7 --vary C=10:10:100 --format csv\n"
        "  ohmaris-calc 5 S0=1 S1=1 S2=1 S3=1 --phasors star.svg --lang ru\n");
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
struct CalcOptions {
    bool json = false;
    bool help = false;
    bool formatGiven = false;
    TableFormat format = TableFormat::Text;
    bool columnsGiven = false;
    QStringList columns;
    QStringList vary;      // NAME=LIST, as given
    QString phasorsFile;
    QString spectrumFile;
    int language = 0;      // 1 English, 2 Russian, 0 the system locale's
    QStringList words;     // the lab and its NAME=VALUE inputs

    bool table() const { return formatGiven || columnsGiven || !vary.isEmpty(); }
};

// Options that take a value, as "--NAME VALUE" or "--NAME=VALUE".
const QStringList &ValueOptions()
{
    static const QStringList names{QStringLiteral("--vary"),    QStringLiteral("--format"),
                                   QStringLiteral("--columns"), QStringLiteral("--phasors"),
                                   QStringLiteral("--spectrum"), QStringLiteral("--lang")};
    return names;
}

QString SetOption(CalcOptions &o, const QString &name, const QString &value)
{
    if (value.isEmpty())
        return QStringLiteral("%1 needs a value").arg(name);
    if (name == QLatin1String("--vary")) {
        o.vary << value;
    } else if (name == QLatin1String("--format")) {
        if (!ParseTableFormat(value, o.format))
            return QStringLiteral("--format: expected text, csv or json, got %1").arg(QuotedArgument(value));
        o.formatGiven = true;
    } else if (name == QLatin1String("--columns")) {
        o.columnsGiven = true;
        o.columns += value.split(QLatin1Char(','), Qt::SkipEmptyParts);
    } else if (name == QLatin1String("--phasors")) {
        o.phasorsFile = value;
    } else if (name == QLatin1String("--spectrum")) {
        o.spectrumFile = value;
    } else if (name == QLatin1String("--lang")) {
        if (value == QLatin1String("en"))
            o.language = 1;
        else if (value == QLatin1String("ru"))
            o.language = 2;
        else
            return QStringLiteral("--lang: expected en or ru, got %1").arg(QuotedArgument(value));
    }
    return {};
}

// Sorts the command line into options and words; returns an empty string
// or one line naming the problem.
QString ReadCalcOptions(const QStringList &argv, CalcOptions &o)
{
    for (qsizetype i = 0; i < argv.size(); ++i) {
        const QString &a = argv.at(i);
        const QString name = a.section(QLatin1Char('='), 0, 0);
        if (a == QLatin1String("--json")) {
            o.json = true;
        } else if (a == QLatin1String("--help") || a == QLatin1String("-h")) {
            o.help = true;
        } else if (ValueOptions().contains(name)) {
            QString value;
            if (a.contains(QLatin1Char('=')))
                value = a.mid(name.size() + 1);
            else if (i + 1 < argv.size())
                value = argv.at(++i);
            else
                return QStringLiteral("%1 needs a value").arg(name);
            const QString error = SetOption(o, name, value);
            if (!error.isEmpty())
                return error;
        } else if (a.startsWith(QLatin1Char('-')) && !a.contains(QLatin1Char('='))) {
            return QStringLiteral("unknown option %1").arg(QuotedArgument(a));
        } else {
            o.words << a;
        }
    }
    if (o.json && o.table())
        return QStringLiteral("--json prints one run; for a table use --format json");
    const bool drawing = !o.phasorsFile.isEmpty() || !o.spectrumFile.isEmpty();
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
QString CheckDrawing(const LabCalc &lab, const CalcOptions &o)
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
QString Draw(const LabCalc &lab, const QMap<QString, QString> &args, const CalcResult &r, const CalcOptions &o)
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
int RunTable(const LabCalc &lab, const QMap<QString, QString> &args, const std::vector<Variation> &variations,
             const CalcOptions &o, Output &out, QString &err)
{
    std::vector<std::size_t> first(variations.size(), 0);
    const CalcResult head = lab.run(RowArguments(args, variations, first));
    if (!head.error.isEmpty())
        return Fail(err, QStringLiteral("lab %1: %2").arg(QString::number(lab.lab), head.error));
    for (std::size_t k = 0; k < variations.size(); ++k)
        for (qsizetype j = 1; j < variations[k].values.size(); ++j) {
            std::vector<std::size_t> index = first;
            index[k] = std::size_t(j);
            const CalcResult r = lab.run(RowArguments(args, variations, index));
            if (!r.error.isEmpty())
                return Fail(err, QStringLiteral("lab %1: %2").arg(QString::number(lab.lab), r.error));
        }

    QStringList varied;
    for (const Variation &v : variations)
        varied << v.name;
    std::vector<TableColumn> columns = TableColumns(lab, varied, head);
    if (o.columnsGiven) {
        std::vector<TableColumn> chosen;
        const QString error = SelectColumns(lab, o.columns, columns, head, chosen);
        if (!error.isEmpty())
            return Fail(err, error);
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
    CalcOptions o;
    const QString optionError = ReadCalcOptions(argv, o);
    if (!optionError.isEmpty())
        return Fail(err, optionError);
    const QStringList &words = o.words;
    const bool help = o.help;

    if (words.isEmpty()) {
        if (!help)
            return Fail(err, QStringLiteral("no lab given (try --help)"));
        out << Usage();
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
        return Fail(err, QStringLiteral("unknown lab %1").arg(QuotedArgument(words.first())));

    const auto known = [lab](const QString &name) {
        return std::any_of(lab->inputs.begin(), lab->inputs.end(), [&name](const CalcInput &in) { return in.name == name; });
    };
    QMap<QString, QString> args;
    for (qsizetype i = 1; i < words.size(); ++i) {
        const QString &w = words.at(i);
        const qsizetype eq = w.indexOf(QLatin1Char('='));
        if (eq <= 0)
            return Fail(err, QStringLiteral("expected NAME=VALUE, got %1").arg(QuotedArgument(w)));
        const QString name = w.left(eq);
        if (!known(name))
            return Fail(err, QStringLiteral("lab %1 has no input %2").arg(QString::number(lab->lab), QuotedArgument(name)));
        if (args.contains(name))
            return Fail(err, QStringLiteral("input %1 given twice").arg(QuotedArgument(name)));
        args.insert(name, w.mid(eq + 1));
    }

    std::vector<Variation> variations;
    for (const QString &spec : o.vary) {
        Variation v;
        const QString error = ParseVariation(spec, v);
        if (!error.isEmpty())
            return Fail(err, error);
        if (!known(v.name))
            return Fail(err, QStringLiteral("lab %1 has no input %2").arg(QString::number(lab->lab), QuotedArgument(v.name)));
        const bool twice = args.contains(v.name)
                           || std::any_of(variations.begin(), variations.end(),
                                          [&v](const Variation &w) { return w.name == v.name; });
        if (twice)
            return Fail(err, QStringLiteral("input %1 given twice").arg(QuotedArgument(v.name)));
        variations.push_back(v);
    }
    const double rows = SweepRowCount(variations);
    if (rows > kMaxSweepRows)
        return Fail(err, QStringLiteral("the sweep makes %1 rows, more than %2")
                             .arg(QString::number(rows, 'g', 6), QString::number(kMaxSweepRows)));

    if (help) {
        out << LabHelp(*lab);
        return 0;
    }
    const QString drawingError = CheckDrawing(*lab, o);
    if (!drawingError.isEmpty())
        return Fail(err, drawingError);

    if (o.table())
        return RunTable(*lab, args, variations, o, out, err);

    const CalcResult r = lab->run(args);
    if (!r.error.isEmpty())
        return Fail(err, QStringLiteral("lab %1: %2").arg(QString::number(lab->lab), r.error));

    if (!o.phasorsFile.isEmpty() || !o.spectrumFile.isEmpty()) {
        const QString error = Draw(*lab, args, r, o);
        if (!error.isEmpty())
            return Fail(err, error, kCalcFileError);
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
