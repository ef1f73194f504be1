// SPDX-License-Identifier: GPL-3.0-or-later
// Printed-figure comparison for the tests.
#include "printed.h"

#include <QTest>
#include <cmath>

namespace ohmaris::test {

bool MatchesPrinted(double value, QString printed, QString *why)
{
    if (printed.isEmpty() || printed == QLatin1String("-"))
        return true;
    double tolerance;
    if (printed == QLatin1String("~0")) {
        tolerance = 1e-7;
        printed = QStringLiteral("0");
    } else {
        const bool boundary = printed.endsWith(QLatin1Char('*'));
        if (boundary)
            printed.chop(1);
        const qsizetype dot = printed.indexOf(QLatin1Char('.'));
        const int decimals = dot < 0 ? 0 : int(printed.size() - dot - 1);
        tolerance = (boundary ? 1.0 : 0.5) * std::pow(10.0, -decimals);
        if (printed == QLatin1String("0"))
            tolerance = 0.0;
    }
    bool ok = false;
    const double expected = printed.toDouble(&ok);
    if (ok && std::abs(value - expected) <= tolerance * (1 + 1e-9))
        return true;
    if (why)
        *why = QStringLiteral("%1 instead of %2").arg(value, 0, 'g', 9).arg(printed);
    return false;
}

void CheckPrinted(const char *what, double value, const QString &printed, std::source_location where)
{
    QString why;
    if (!MatchesPrinted(value, printed, &why))
        QTest::qFail(qPrintable(QLatin1String(what) + QLatin1String(": ") + why), where.file_name(), int(where.line()));
}

} // namespace ohmaris::test
