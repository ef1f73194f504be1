// SPDX-License-Identifier: GPL-3.0-or-later
// ohmaris-calc: computes one lab's model from the inputs a student would set
// on the bench and prints the model's quantities, as text or as JSON, a
// sweep over some inputs as a table, or draws the run's phasor diagram or
// spectrum.
//
//   ohmaris-calc LAB [NAME=VALUE ...] [--json]
//   ohmaris-calc LAB [NAME=VALUE ...] --vary NAME=LIST ... [--format F] [--columns C]
//   ohmaris-calc LAB [NAME=VALUE ...] --phasors FILE.svg | --spectrum FILE.svg [--lang L]
//   ohmaris-calc [LAB] --help
//   ohmaris-calc --man        (the manual page, roff)
//   ohmaris-calc --version
//
// Errors (unknown lab or name, bad value) print one line on stderr and exit
// with status 2, printing nothing on stdout; a file that cannot be written,
// status 1. The handling itself is RunCalc (calctool.h); this file gathers
// the labs, starts Qt and writes the texts.
#include "calc/labcalc.h"
#include "calctool.h"

#include "labs/labcalcs.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QStringList>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

using namespace ohmaris;

namespace {

void Print(FILE *f, const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), f);
}

// A drawing lays its text out with the system's fonts, which takes a
// QGuiApplication; it runs on the offscreen platform, so no display is
// needed. Everything else needs Qt Core alone.
bool DrawingAsked(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i)
        for (const char *option : {"--phasors", "--spectrum"})
            if (std::strncmp(argv[i], option, std::strlen(option)) == 0)
                return true;
    return false;
}

std::unique_ptr<QCoreApplication> MakeApplication(int &argc, char *argv[])
{
    if (!DrawingAsked(argc, argv))
        return std::make_unique<QCoreApplication>(argc, argv);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    return std::make_unique<QGuiApplication>(argc, argv);
}

} // namespace

int main(int argc, char *argv[])
{
    const std::unique_ptr<QCoreApplication> app = MakeApplication(argc, argv);
    QStringList args = QCoreApplication::arguments();
    args.removeFirst();
    QString err;
    const int status = RunCalc(args, LabCalcs(), [](const QString &text) { Print(stdout, text); }, err);
    Print(stderr, err);
    return status;
}
