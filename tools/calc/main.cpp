// ohmaris-calc: computes one lab's model from the inputs a student would set
// on the bench and prints the model's quantities, as text or as JSON.
//
//   ohmaris-calc LAB [NAME=VALUE ...] [--json]
//   ohmaris-calc [LAB] --help
//   ohmaris-calc --man        (the manual page, roff)
//   ohmaris-calc --version
//
// Errors (unknown lab or name, bad value) print one line on stderr and exit
// with status 2, printing nothing on stdout. The handling itself is
// RunCalc (calctool.h); this file gathers the labs and writes the texts.
#include "calc/labcalc.h"
#include "calctool.h"

#include "labs/labtable.h"

#include <QCoreApplication>
#include <QStringList>
#include <cstdio>
#include <vector>

using namespace ohmaris;

namespace {

std::vector<const LabCalc *> Labs()
{
    std::vector<const LabCalc *> labs;
    LabTable::ForEach([&labs]<class Lab>() { labs.push_back(&Lab::Calc()); });
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
