// SPDX-License-Identifier: GPL-3.0-or-later
// The manual page of ohmaris-calc.
#include "manpage.h"

#include "calctool.h"
#include "commandline.h"

#include <QStringList>
#include <algorithm>

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

std::vector<CalcExample> CalcExamples(const std::vector<const LabCalc *> &labs)
{
    // Each example is given only when the lab it runs is built in.
    const auto has = [&labs](int number) {
        return std::any_of(labs.begin(), labs.end(), [number](const LabCalc *l) { return l->lab == number; });
    };
    std::vector<CalcExample> examples;
    if (has(2))
        examples.push_back({QStringLiteral("The answer key of lab 2 at 228 V for all seven variants and ten "
                                           "capacitances, seventy rows for a spreadsheet:"),
                            QStringLiteral("ohmaris-calc 2 step=12 SF=1 --vary variant=1:1:7 \\\n"
                                           "    --vary C=10:10:100 --format csv > lab2.csv")});
    if (has(6))
        examples.push_back({QStringLiteral("The branch and line currents of the balanced delta of lab 6 as the line "
                                           "voltage rises, as aligned text:"),
                            QStringLiteral("ohmaris-calc 6 S0=1 S1=1 S2=1 S3=1 S4=1 S5=1 S6=1 \\\n"
                                           "    --vary U=100:50:400 --columns U,BranchCurrent,LineCurrent")});
    if (has(5))
        examples.push_back({QStringLiteral("The phasor diagram of lab 5 with phase C and the neutral wire open, "
                                           "labelled in Russian:"),
                            QStringLiteral("ohmaris-calc 5 S0=1 S1=1 S2=1 --phasors star.svg --lang ru")});
    if (has(8))
        examples.push_back({QStringLiteral("The amplitude spectrum of lab 8 with all four sources and the whole "
                                           "filter in:"),
                            QStringLiteral("ohmaris-calc 8 on1=1 on2=1 on3=1 on4=1 S1=1 S2=0 S3=0 S4=1 S5=1 \\\n"
                                           "    --spectrum filter.svg")});
    return examples;
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
        ".BI \\-\\-vary \" NAME\" = LIST\n"
        ".RI .\\|.\\|.\n"
        ".RB [ \\-\\-format\n"
        ".IR FORMAT ]\n"
        ".RB [ \\-\\-columns\n"
        ".IR NAME , .\\|.\\|.]\n"
        ".br\n"
        ".B ohmaris\\-calc\n"
        ".I LAB\n"
        ".RI [ NAME = VALUE \" .\\|.\\|.]\\&\"\n"
        ".RB ( \\-\\-phasors \" | \" \\-\\-spectrum )\n"
        ".I FILE.svg\n"
        ".RB [ \\-\\-lang\n"
        ".IR en | ru ]\n"
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
        ".PP\n"
        "For a class, one command gives the answer key of every variant and every state:\n"
        ".B \\-\\-vary\n"
        "runs the lab once for each value of an input, several of them for every\n"
        "combination, and the results come as one table with a row per run. The rows are\n"
        "computed in the one process, each exactly as the single run with the same inputs.\n"
        "For the students' reports,\n"
        ".B \\-\\-phasors\n"
        "draws the phasor diagram of labs 2 to 6 and\n"
        ".B \\-\\-spectrum\n"
        "the amplitude spectrum of lab 8, as SVG files.\n"
        ".SH OPTIONS\n"
        "%3"
        ".SS Sweeps and tables\n"
        "A list of\n"
        ".B \\-\\-vary\n"
        "is values separated by commas, each with a decimal point (such as\n"
        ".BR C=10,22.5,47 ),\n"
        "or a range\n"
        ".IB START : STEP : STOP\n"
        "(such as\n"
        ".BR C=10:10:100 ,\n"
        "which ends at the last value not past\n"
        ".IR STOP ).\n"
        "Several\n"
        ".B \\-\\-vary\n"
        "take every combination of their lists, the first list changing slowest. A sweep\n"
        "of more than 100000 rows is refused before anything is computed, and every value\n"
        "is checked before the first row is printed. Without\n"
        ".B \\-\\-format\n"
        "the table is text;\n"
        ".B \\-\\-format\n"
        "or\n"
        ".B \\-\\-columns\n"
        "alone make a table of the one run.\n"
        ".PP\n"
        ".B text\n"
        "aligns the columns under a header line;\n"
        ".B csv\n"
        "writes RFC\\~4180 records (CR LF line ends, fields quoted where needed) for a\n"
        "spreadsheet in the system locale: numbers take its decimal mark, and where that\n"
        "mark is a comma the fields are separated by semicolons;\n"
        ".B json\n"
        "writes one object per line, each column under its name.\n"
        "The header of text and CSV gives each column's unit in brackets, as\n"
        ".B \\-\\-help\n"
        "lists them. Text and JSON numbers always take a decimal point.\n"
        ".PP\n"
        "The columns are by default the varied inputs and then every output, an array by\n"
        "its elements\n"
        ".RB ( BranchCurrent[0] ,\n"
        ".BR BranchCurrent[1] ,\n"
        "\\&.\\|.\\|.) and the sample records of lab 7 by theirs\n"
        ".RB ( samples[0].ScopeVoltage ,\n"
        "\\&.\\|.\\|.).\n"
        "A name in\n"
        ".B \\-\\-columns\n"
        "picks that column, or every column under it\n"
        ".RB ( BranchCurrent\n"
        "its elements); any input of the lab may be named for its stored value.\n"
        ".SS Drawings\n"
        ".B \\-\\-phasors\n"
        "draws (labs 2 to 6) the supply voltage, the element and branch voltages and the\n"
        "currents as arrows from one origin, voltages and currents each on a stated scale,\n"
        "each labelled with its name, magnitude and angle; for the three\\-phase labs the\n"
        "phase voltages and currents and, with the neutral wire open, the shift of the\n"
        "star point with the load's phase voltages drawn from it. The supply voltage (phase\n"
        "A's in the three\\-phase labs) lies at angle 0.\n"
        ".B \\-\\-spectrum\n"
        "draws (lab 8), for each frequency a source that is on runs at, the amplitude of\n"
        "the sources' EMF and of the load voltage.\n"
        "A drawing's words and numbers are in the language of\n"
        ".BR \\-\\-lang ,\n"
        "by default the system locale's (Russian for a Russian locale, else English).\n"
        "A drawing file is written whole or not at all: if it cannot be written, an\n"
        "existing file of that name is left as it was.\n"
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
        "twice, a value that is not a number or out of range, a list file that cannot be\n"
        "read, a sweep of too many rows or a drawing the lab does not have; 1 when a\n"
        "drawing's file cannot be written (the message names the file and the reason).\n"
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
    for (const CalcExample &example : CalcExamples(labs))
        page += QStringLiteral(".PP\n%1\n.PP\n.EX\n%2\n.EE\n").arg(RoffText(example.what), RoffText(example.command));
    page += QStringLiteral(
        ".SH SEE ALSO\n"
        ".BR ohmaris (1)\n");
    return page;
}

} // namespace ohmaris
