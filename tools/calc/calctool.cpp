// ohmaris-calc's command line: options (through the tools' shared
// QCommandLineParser set-up), the lab and its NAME=VALUE inputs, the help
// listing and the text or JSON output.
#include "calctool.h"

#include "commandline.h"
#include "manpage.h"
#include "ohmaris_version.h"

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
            "With LAB, --help lists that lab's inputs and outputs only. Exit status 0,\n"
            "or 2 for a refused command line.\n")};

    CalcCommandLine()
    {
        cl.DescribeHelp(QStringLiteral("List the inputs and outputs of every lab, or of LAB when one is given."));
        cl.Add(json);
        cl.Add(netlist);
        cl.Add(man);
    }
};

// Every refusal comes back through this one line. Messages quote what they
// echo; a line break that still reaches here (a lab that forgot to quote)
// is escaped all the same, so stderr never gets a second line.
int Fail(const tools::CommandLine &cl, QString &err, const QString &message)
{
    err = cl.RefusalLine(message);
    return kCalcUsageError;
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



} // namespace

QList<QCommandLineOption> CalcOptions()
{
    return CalcCommandLine().cl.options();
}

int RunCalc(const QStringList &argv, const std::vector<const LabCalc *> &labs, QString &out, QString &err)
{
    out.clear();
    err.clear();
    CalcCommandLine line;
    tools::CommandLine &cl = line.cl;
    const tools::CommandLine::Result parsed = cl.Parse(argv);
    if (parsed == tools::CommandLine::Result::Refused)
        return Fail(cl, err, cl.Refusal());
    if (parsed == tools::CommandLine::Result::Version) {
        out = cl.VersionText();
        return 0;
    }
    if (cl.isSet(line.man)) {
        out = CalcManPage(labs, QLatin1String(kVersionText), QLatin1String(kReleaseDate));
        return 0;
    }
    const bool json = cl.isSet(line.json);
    const bool netlist = cl.isSet(line.netlist);
    const bool help = parsed == tools::CommandLine::Result::Help;
    const QStringList words = cl.positional();

    if (words.isEmpty()) {
        if (!help)
            return Fail(cl, err, QStringLiteral("no lab given (try --help)"));
        out = cl.Usage();
        for (const LabCalc *lab : labs)
            out += QLatin1Char('\n') + LabHelp(*lab);
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

    QMap<QString, QString> args;
    for (qsizetype i = 1; i < words.size(); ++i) {
        const QString &w = words.at(i);
        const qsizetype eq = w.indexOf(QLatin1Char('='));
        if (eq <= 0)
            return Fail(cl, err, QStringLiteral("expected NAME=VALUE, got %1").arg(QuotedArgument(w)));
        const QString name = w.left(eq);
        bool known = false;
        for (const CalcInput &in : lab->inputs)
            known = known || in.name == name;
        if (!known)
            return Fail(cl, err, QStringLiteral("lab %1 has no input %2").arg(QString::number(lab->lab), QuotedArgument(name)));
        if (args.contains(name))
            return Fail(cl, err, QStringLiteral("input %1 given twice").arg(QuotedArgument(name)));
        args.insert(name, w.mid(eq + 1));
    }

    if (help) {
        out = LabHelp(*lab);
        return 0;
    }

    if (netlist && json)
        return Fail(cl, err, QStringLiteral("--netlist and --json exclude each other"));
    if (netlist && !lab->netlist)
        return Fail(cl, err, QStringLiteral("lab %1 has no netlist").arg(lab->lab));
    const CalcResult r = netlist ? lab->netlist(args) : lab->run(args);
    if (!r.error.isEmpty())
        return Fail(cl, err, QStringLiteral("lab %1: %2").arg(QString::number(lab->lab), r.error));
    if (netlist) {
        out = r.deck;
        return 0;
    }

    if (json) {
        QJsonObject o;
        o.insert(QStringLiteral("lab"), lab->lab);
        o.insert(QStringLiteral("inputs"), r.inputs);
        o.insert(QStringLiteral("outputs"), CalcOutputsJson(*lab, r));
        out = QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Compact)) + QLatin1Char('\n');
    } else {
        out = TextOutput(*lab, r);
    }
    return 0;
}

} // namespace ohmaris
