// The manual page of ohmaris-calc.
#include "manpage.h"

#include "calctool.h"
#include "commandline.h"

#include <QStringList>

namespace ohmaris {

QString RoffText(const QString &text)
{
    QString s;
    s.reserve(text.size() + 8);
    for (const QChar c : text) {
        if (c == QLatin1Char('\\'))
            s += QLatin1String("\\e");
        else if (c == QLatin1Char('-'))
            s += QLatin1String("\\-");
        else
            s += c;
    }
    if (s.startsWith(QLatin1Char('.')) || s.startsWith(QLatin1Char('\'')))
        s.prepend(QLatin1String("\\&"));
    return s;
}

namespace {

// A lab's inputs and outputs as tagged paragraphs: the name in bold, the
// default and unit after it, the descriptor's help line below.
QString LabSection(const LabCalc &lab)
{
    QStringList lines;
    lines << QStringLiteral(".SS \"Lab %1: %2\"").arg(lab.lab).arg(RoffText(lab.title).replace(QLatin1Char('"'), QLatin1String("\\(dq")));
    // Each list is compact (.PD 0), one tagged paragraph per name.
    lines << QStringLiteral(".PP") << QStringLiteral("Inputs:") << QStringLiteral(".PD 0");
    for (const CalcInput &in : lab.inputs) {
        lines << QStringLiteral(".TP");
        // An input without a default is left out unless given, as --help says.
        const QString value = in.defaultText.isEmpty() ? QStringLiteral("(none)") : in.defaultText;
        QString head = QStringLiteral("\\fB%1\\fR=%2").arg(RoffText(in.name), RoffText(value));
        if (!in.unit.isEmpty())
            head += QLatin1Char(' ') + RoffText(in.unit);
        lines << head << RoffText(in.help);
    }
    const auto output = [&lines](const Quantity &out) {
        lines << QStringLiteral(".TP");
        QString head = QStringLiteral("\\fB%1\\fR").arg(RoffText(out.name));
        if (!out.unit.isEmpty())
            head += QStringLiteral(" [%1]").arg(RoffText(out.unit));
        lines << head << RoffText(out.help);
    };
    if (!lab.outputs.empty() || !lab.sampleFields.empty()) {
        lines << QStringLiteral(".PD") << QStringLiteral(".PP") << QStringLiteral("Outputs:")
              << QStringLiteral(".PD 0");
        for (const Quantity &out : lab.outputs)
            output(out);
    }
    if (!lab.sampleFields.empty()) {
        // The sample records' fields, indented under their name.
        lines << QStringLiteral(".TP") << QStringLiteral("\\fB%1\\fR").arg(RoffText(kCalcSamples))
              << RoffText(kCalcSamplesHelp) << QStringLiteral(".RS");
        for (const Quantity &field : lab.sampleFields)
            output(field);
        lines << QStringLiteral(".RE");
    }
    lines << QStringLiteral(".PD");
    if (!lab.example.isEmpty())
        lines << QStringLiteral(".PP") << QStringLiteral("Example:") << QStringLiteral(".EX")
              << RoffText(lab.example) << QStringLiteral(".EE");
    if (!lab.notes.isEmpty()) {
        lines << QStringLiteral(".PP") << QStringLiteral("Circuit notes:");
        for (const QString &note : lab.notes)
            lines << QStringLiteral(".IP \\(bu 2") << RoffText(note);
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

// Every option the tool takes, as tagged paragraphs: the same list the
// parser takes and the usage prints.
QString OptionsSection()
{
    QString section;
    for (const QCommandLineOption &o : CalcOptions()) {
        QStringList names;
        for (const QString &n : o.names())
            names << QStringLiteral("\\fB%1\\fR").arg(RoffText(tools::CommandLine::Dashed(n)));
        QString head = names.join(QStringLiteral(", "));
        if (!o.valueName().isEmpty())
            head += QStringLiteral(" \\fI%1\\fR").arg(RoffText(o.valueName()));
        section += QStringLiteral(".TP\n%1\n%2\n").arg(head, RoffText(o.description()));
    }
    return section;
}

} // namespace

QString CalcManPage(const std::vector<const LabCalc *> &labs, const QString &version,
                    const QString &date)
{
    QString page = QStringLiteral(
        ".\\\" Manual page of ohmaris-calc, written by \"ohmaris-calc --man\".\n"
        ".TH OHMARIS\\-CALC 1 \"%1\" \"Ohmaris %2\" \"User Commands\"\n"
        ".SH NAME\n"
        "ohmaris\\-calc \\- compute an Ohmaris lab work from the values set on its bench\n"
        ".SH SYNOPSIS\n"
        ".B ohmaris\\-calc\n"
        ".I LAB\n"
        ".RI [ NAME = VALUE \" .\\|.\\|.]\\&\"\n"
        ".RB [ \\-\\-json ]\n"
        ".br\n"
        ".B ohmaris\\-calc\n"
        ".I LAB\n"
        ".RI [ NAME = VALUE \" .\\|.\\|.]\\&\"\n"
        ".B \\-\\-netlist\n"
        ".br\n"
        ".B ohmaris\\-calc\n"
        ".RI [ LAB ]\n"
        ".B \\-\\-help\n"
        ".br\n"
        ".B ohmaris\\-calc \\-\\-man\n"
        ".br\n"
        ".B ohmaris\\-calc \\-\\-version\n"
        ".SH DESCRIPTION\n"
        ".B ohmaris\\-calc\n"
        "computes the model of one lab work of the Ohmaris laboratory from the values a\n"
        "student would set on the bench and prints the quantities the bench's instruments\n"
        "show, for preparing answer keys.\n"
        "Values go through the bench's entry rules: the magnitude is taken, the bench's\n"
        "small offset is added and the value is capped as the entry box caps it.\n"
        "A value takes a decimal comma or point; an input that is not given keeps its\n"
        "default, the value the bench starts with.\n"
        ".PP\n"
        "Switches are 0 (open) or 1 (closed); knobs take their position numbers.\n"
        "In a list value (lab 7's\n"
        ".B at\n"
        "and\n"
        ".BR events )\n"
        "commas separate the items, so the numbers in it take a decimal point.\n"
        "A list too long for one argument can come from a file:\n"
        ".IB NAME =@ FILE\n"
        "reads the items from\n"
        ".IR FILE ,\n"
        "one a line or comma-separated; blanks round an item and empty lines are\n"
        "skipped, and an error in the file names the file and the line.\n"
        ".PP\n"
        "The text output lists one\n"
        ".IB NAME \" = \" VALUE\n"
        "line per quantity, in the order listed below, arrays on one line separated by\n"
        "spaces; the sample records of a lab that takes samples follow on one line, each as\n"
        "(NAME=VALUE .\\|.\\|.) with its fields in their listed order.\n"
        ".SH OPTIONS\n"
        "%3"
        ".SH LABS\n"
        "Each lab lists its inputs as\n"
        ".IR NAME = DEFAULT\n"
        "with the unit, and its outputs with the unit in brackets.\n")
                       .arg(date, RoffText(version), OptionsSection());
    for (const LabCalc *lab : labs)
        page += LabSection(*lab);
    page += QStringLiteral(
        ".SH EXIT STATUS\n"
        "0 when the model was computed or the help, the version or this page printed; 2\n"
        "for an unknown lab, option or input, an option without its value, an input given\n"
        "twice, a value that is not a number or out of range, or a list file that cannot\n"
        "be read.\n"
        "The error is one line on standard error and nothing is printed on standard output.\n");
    if (!labs.empty() && !labs.front()->inputs.empty()) {
        // Examples built from the first lab's own names, so they always run.
        const LabCalc &lab = *labs.front();
        const CalcInput &in = lab.inputs.front();
        page += QStringLiteral(
                    ".SH EXAMPLES\n"
                    "Lab %1 computed with one input given and the rest at their defaults, printed as\n"
                    "JSON; then the list of its inputs and outputs:\n"
                    ".PP\n"
                    ".EX\n"
                    "ohmaris\\-calc %1 %2=%3 \\-\\-json\n"
                    "ohmaris\\-calc %1 \\-\\-help\n"
                    ".EE\n")
                    .arg(lab.lab)
                    .arg(RoffText(in.name), RoffText(in.defaultText));
    }
    page += QStringLiteral(
        ".SH SEE ALSO\n"
        ".BR ohmaris (1)\n");
    return page;
}

} // namespace ohmaris
