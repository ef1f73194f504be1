// ohmaris-calc: computes one lab's model from the inputs a student would set
// on the bench and prints the model's quantities, as text or as JSON.
//
//   ohmaris-calc LAB [NAME=VALUE ...] [--json]
//   ohmaris-calc [LAB] --help
//   ohmaris-calc --man        (the manual page, roff)
//
// Errors (unknown lab or name, bad value) print one line on stderr and exit
// with status 2, printing nothing on stdout.
#include "calc/labcalc.h"
#include "manpage.h"
#include "ohmaris_version.h"

#if __has_include("labs/lab1/calc.h")
#include "labs/lab1/calc.h"
#define OHMARIS_HAS_LAB1 1
#endif
#if __has_include("labs/lab2/calc.h")
#include "labs/lab2/calc.h"
#define OHMARIS_HAS_LAB2 1
#endif
#if __has_include("labs/lab3/calc.h")
#include "labs/lab3/calc.h"
#define OHMARIS_HAS_LAB3 1
#endif
#if __has_include("labs/lab4/calc.h")
#include "labs/lab4/calc.h"
#define OHMARIS_HAS_LAB4 1
#endif
#if __has_include("labs/lab5/calc.h")
#include "labs/lab5/calc.h"
#define OHMARIS_HAS_LAB5 1
#endif
#if __has_include("labs/lab6/calc.h")
#include "labs/lab6/calc.h"
#define OHMARIS_HAS_LAB6 1
#endif
#if __has_include("labs/lab7/calc.h")
#include "labs/lab7/calc.h"
#define OHMARIS_HAS_LAB7 1
#endif
#if __has_include("labs/lab8/calc.h")
#include "labs/lab8/calc.h"
#define OHMARIS_HAS_LAB8 1
#endif

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLocale>
#include <QStringList>
#include <algorithm>
#include <cstdio>
#include <vector>

using namespace ohmaris;

namespace {

constexpr int kUsageError = 2;

std::vector<const LabCalc *> Labs()
{
    std::vector<const LabCalc *> labs;
#ifdef OHMARIS_HAS_LAB1
    labs.push_back(&Lab1Calc());
#endif
#ifdef OHMARIS_HAS_LAB2
    labs.push_back(&Lab2Calc());
#endif
#ifdef OHMARIS_HAS_LAB3
    labs.push_back(&Lab3Calc());
#endif
#ifdef OHMARIS_HAS_LAB4
    labs.push_back(&Lab4Calc());
#endif
#ifdef OHMARIS_HAS_LAB5
    labs.push_back(&Lab5Calc());
#endif
#ifdef OHMARIS_HAS_LAB6
    labs.push_back(&Lab6Calc());
#endif
#ifdef OHMARIS_HAS_LAB7
    labs.push_back(&Lab7Calc());
#endif
#ifdef OHMARIS_HAS_LAB8
    labs.push_back(&Lab8Calc());
#endif
    return labs;
}

void Print(FILE *f, const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), f);
}

int Fail(const QString &message)
{
    Print(stderr, QStringLiteral("ohmaris-calc: %1\n").arg(message));
    return kUsageError;
}

QString Usage()
{
    return QStringLiteral(
        "usage: ohmaris-calc LAB [NAME=VALUE ...] [--json]\n"
        "       ohmaris-calc [LAB] --help\n"
        "Computes a lab's model from the inputs a student sets on the bench, with\n"
        "the bench's entry rules (absolute value, offsets, caps). Values take a\n"
        "decimal comma or point; inputs not given keep their defaults.\n");
}

QString LabHelp(const LabCalc &lab)
{
    QString s = QStringLiteral("lab %1: %2\n  inputs:\n").arg(lab.lab).arg(lab.title);
    qsizetype width = 0;
    for (const CalcInput &in : lab.inputs)
        width = std::max(width, in.name.size());
    for (const CalcInput &in : lab.inputs) {
        const QString unit = in.unit.isEmpty() ? QString() : QLatin1Char(' ') + in.unit;
        s += QStringLiteral("    %1 = %2%3  %4\n")
                 .arg(in.name.leftJustified(width), in.defaultText, unit, in.help);
    }
    if (!lab.outputs.empty()) {
        s += QStringLiteral("  outputs:\n");
        for (const CalcOutput &out : lab.outputs)
            s += QStringLiteral("    %1 [%2]  %3\n").arg(out.name, out.unit, out.help);
    }
    return s;
}

QString NumberText(const QJsonValue &v)
{
    return QString::number(v.toDouble(), 'g', QLocale::FloatingPointShortest);
}

// Numbers as they are, arrays space-separated, records as (name=value ...)
// in their own order, so the samples of the transients lab read in one line.
QString ValueText(const QJsonValue &v)
{
    if (v.isArray()) {
        QStringList parts;
        for (const QJsonValue &e : v.toArray())
            parts << ValueText(e);
        return parts.join(QLatin1Char(' '));
    }
    if (v.isObject()) {
        const QJsonObject o = v.toObject();
        QStringList parts;
        for (auto it = o.begin(); it != o.end(); ++it)
            parts << QStringLiteral("%1=%2").arg(it.key(), ValueText(it.value()));
        return QStringLiteral("(%1)").arg(parts.join(QLatin1Char(' ')));
    }
    return NumberText(v);
}

QString TextOutput(const LabCalc &lab, const QJsonObject &outputs)
{
    QStringList names;
    for (const CalcOutput &out : lab.outputs)
        if (outputs.contains(out.name))
            names << out.name;
    for (auto it = outputs.begin(); it != outputs.end(); ++it)
        if (!names.contains(it.key()))
            names << it.key();
    QString s;
    for (const QString &name : names)
        s += QStringLiteral("%1 = %2\n").arg(name, ValueText(outputs.value(name)));
    return s;
}

int Run(const QStringList &argv)
{
    bool json = false;
    bool help = false;
    bool man = false;
    QStringList words;
    for (const QString &a : argv) {
        if (a == QLatin1String("--json"))
            json = true;
        else if (a == QLatin1String("--help") || a == QLatin1String("-h"))
            help = true;
        else if (a == QLatin1String("--man"))
            man = true;
        else if (a.startsWith(QLatin1Char('-')) && !a.contains(QLatin1Char('=')))
            return Fail(QStringLiteral("unknown option '%1'").arg(a));
        else
            words << a;
    }

    const std::vector<const LabCalc *> labs = Labs();
    if (man) {
        Print(stdout, CalcManPage(labs, QLatin1String(kVersionText), QLatin1String(kReleaseDate)));
        return 0;
    }
    if (words.isEmpty()) {
        if (!help)
            return Fail(QStringLiteral("no lab given (try --help)"));
        QString s = Usage();
        for (const LabCalc *lab : labs)
            s += QLatin1Char('\n') + LabHelp(*lab);
        Print(stdout, s);
        return 0;
    }

    bool ok = false;
    const int number = words.first().toInt(&ok);
    const LabCalc *lab = nullptr;
    for (const LabCalc *l : labs)
        if (ok && l->lab == number)
            lab = l;
    if (!lab)
        return Fail(QStringLiteral("unknown lab '%1'").arg(words.first()));

    QMap<QString, QString> args;
    for (qsizetype i = 1; i < words.size(); ++i) {
        const QString &w = words.at(i);
        const qsizetype eq = w.indexOf(QLatin1Char('='));
        if (eq <= 0)
            return Fail(QStringLiteral("expected NAME=VALUE, got '%1'").arg(w));
        const QString name = w.left(eq);
        bool known = false;
        for (const CalcInput &in : lab->inputs)
            known = known || in.name == name;
        if (!known)
            return Fail(QStringLiteral("lab %1 has no input '%2'").arg(lab->lab).arg(name));
        if (args.contains(name))
            return Fail(QStringLiteral("input '%1' given twice").arg(name));
        args.insert(name, w.mid(eq + 1));
    }

    if (help) {
        Print(stdout, LabHelp(*lab));
        return 0;
    }

    const CalcResult r = lab->run(args);
    if (!r.error.isEmpty())
        return Fail(QStringLiteral("lab %1: %2").arg(lab->lab).arg(r.error));

    if (json) {
        QJsonObject o;
        o.insert(QStringLiteral("lab"), lab->lab);
        o.insert(QStringLiteral("inputs"), r.inputs);
        o.insert(QStringLiteral("outputs"), r.outputs);
        Print(stdout, QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Compact)) + QLatin1Char('\n'));
    } else {
        Print(stdout, TextOutput(*lab, r.outputs));
    }
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments();
    args.removeFirst();
    return Run(args);
}
