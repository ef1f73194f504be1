// The manual page of ohmaris-calc.
#include "manpage.h"

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
    if (!lab.outputs.empty()) {
        lines << QStringLiteral(".PD") << QStringLiteral(".PP") << QStringLiteral("Outputs:")
              << QStringLiteral(".PD 0");
        for (const CalcOutput &out : lab.outputs) {
            lines << QStringLiteral(".TP");
            QString head = QStringLiteral("\\fB%1\\fR").arg(RoffText(out.name));
            if (!out.unit.isEmpty())
                head += QStringLiteral(" [%1]").arg(RoffText(out.unit));
            lines << head << RoffText(out.help);
        }
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
        "The text output lists one\n"
        ".IB NAME \" = \" VALUE\n"
        "line per quantity, arrays on one line separated by spaces.\n"
        ".SH OPTIONS\n"
        ".TP\n"
        ".B \\-\\-json\n"
        "Print one line of JSON: the lab number, the inputs as stored (after offsets and\n"
        "caps) and the outputs under the model's own names.\n"
        ".TP\n"
        ".B \\-\\-netlist\n"
        "Print the bench in the state the inputs give as a deck for the circuit simulator\n"
        "ngspice: the elements named as on the schematic with the values the model uses,\n"
        "closed switches as wires and open ones left out, a comment on every line, and\n"
        "a control section that runs the analysis and prints the quantities the\n"
        "calculator reports, under the same names in lower case.\n"
        "The deck runs as it stands:\n"
        ".B ngspice \\-b\n"
        ".IR FILE .\n"
        "Lab 1 is an operating point, labs 2 to 6 an AC analysis at 50 Hz, lab 7 a\n"
        "transient with time-controlled switches, lab 8 one AC analysis per source added\n"
        "up in time.\n"
        "Each lab's circuit notes say where the bench is not the circuit it draws.\n"
        ".TP\n"
        ".BR \\-\\-help \", \" \\-h\n"
        "List the inputs and outputs of every lab, or of\n"
        ".I LAB\n"
        "when one is given.\n"
        ".TP\n"
        ".B \\-\\-man\n"
        "Print this manual page.\n"
        ".SH LABS\n"
        "Each lab lists its inputs as\n"
        ".IR NAME = DEFAULT\n"
        "with the unit, and its outputs with the unit in brackets.\n")
                       .arg(date, RoffText(version));
    for (const LabCalc *lab : labs)
        page += LabSection(*lab);
    page += QStringLiteral(
        ".SH EXIT STATUS\n"
        "0 when the model was computed or the help printed; 2 for an unknown lab, option\n"
        "or input, an input given twice or a value that is not a number or out of range.\n"
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
