// SPDX-License-Identifier: GPL-3.0-or-later
// The locale of a test run. CTest runs some tests twice, under C.UTF-8 and
// under ru_RU.UTF-8 (decimal comma); a test adopts the environment's locale
// the way the program does and can check that the run got the locale it
// was meant to have, so a missing locale cannot pass for a working one.
#pragma once

#include <QByteArray>
#include <QtGlobal>
#include <clocale>

namespace ohmaris::test {

// Sets the C library's locale from the environment, as QCoreApplication
// does at start, and returns the decimal separator it now uses.
inline char AdoptEnvironmentLocale()
{
    std::setlocale(LC_ALL, "");
    return *std::localeconv()->decimal_point;
}

// The run under a Russian locale, whose numbers take a decimal comma.
inline bool CommaLocaleExpected()
{
    return qgetenv("LC_ALL").startsWith("ru_");
}

} // namespace ohmaris::test
