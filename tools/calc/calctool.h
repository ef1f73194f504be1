// The argument handling of ohmaris-calc, callable without a process: takes
// the words after the program name and the labs that take part, and fills
// the texts for stdout and stderr.
#pragma once

#include "calc/labcalc.h"

#include <QCommandLineOption>
#include <QList>
#include <QString>
#include <QStringList>
#include <vector>

namespace ohmaris {

// Exit status of a refused command line.
constexpr int kCalcUsageError = 2;

// The options the tool takes besides LAB and NAME=VALUE, --help and
// --version first, in the order the usage and the manual page list them.
QList<QCommandLineOption> CalcOptions();

// Returns the exit status: 0 with `out` filled (the results, the help, the
// version or the manual page), or kCalcUsageError with `err` holding one
// line (ending in a line feed) and `out` empty.
int RunCalc(const QStringList &args, const std::vector<const LabCalc *> &labs, QString &out, QString &err);

} // namespace ohmaris
