// ohmaris-calc: computes one lab's model from the inputs a student would set
// on the bench and prints the model's quantities, as text or as JSON.
//
//   ohmaris-calc LAB [NAME=VALUE ...] [--json]
//   ohmaris-calc [LAB] --help
//
// Errors (unknown lab or name, bad value) print one line on stderr and exit
// with status 2, printing nothing on stdout. The handling itself is
// RunCalc (calctool.h); this file gathers the labs and writes the texts.
#include "calc/labcalc.h"
#include "calctool.h"

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
#include <QStringList>
#include <cstdio>
#include <vector>

using namespace ohmaris;

namespace {

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

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments();
    args.removeFirst();
    QString out;
    QString err;
    const int status = RunCalc(args, Labs(), out, err);
    Print(stdout, out);
    Print(stderr, err);
    return status;
}
