// SPDX-License-Identifier: GPL-3.0-or-later
// The argument handling of ohmaris-calc, callable without a process: takes
// the words after the program name and the labs that take part, and fills
// the texts for stdout and stderr.
#pragma once

#include "calc/labcalc.h"

#include <QCommandLineOption>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

namespace ohmaris {

// Exit status of a refused command line.
constexpr int kCalcUsageError = 2;
// Exit status when a file asked for could not be written.
constexpr int kCalcFileError = 1;

// The options the tool takes besides LAB and NAME=VALUE, --help and
// --version first, in the order the usage and the manual page list them.
QList<QCommandLineOption> CalcOptions();

// Returns the exit status: 0 with `out` filled (the results, a table, the
// help, the version or the manual page), or kCalcUsageError or
// kCalcFileError with `err` holding one line (ending in a line feed) and
// `out` empty.
int RunCalc(const QStringList &args, const std::vector<const LabCalc *> &labs, QString &out, QString &err);

// The same, handing what goes to stdout to `write` as it is made, so a long
// table never has to be held whole. Everything is checked before the first
// text is written: on a refusal nothing has been.
using CalcWriter = std::function<void(const QString &text)>;
int RunCalc(const QStringList &args, const std::vector<const LabCalc *> &labs, const CalcWriter &write,
            QString &err);

} // namespace ohmaris
