// SPDX-License-Identifier: GPL-3.0-or-later
// A CSV file as an independent reader takes it: Python's csv module in the
// locale of the run (read_csv.py), numbers only where the locale writes
// them. Fails the test when the reader refuses the file.
#pragma once

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTest>

namespace ohmaris::test {

struct CsvRead {
    bool ok = false;
    QString decimalPoint;
    QString delimiter;
    QJsonArray rows;
    QString error;
};

inline CsvRead ReadCsvWithPython(const QString &path)
{
    CsvRead r;
    QProcess p;
    p.start(QStringLiteral("python3"), {QStringLiteral(OHMARIS_READ_CSV), path});
    if (!p.waitForFinished(30000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        r.error = QString::fromUtf8(p.readAllStandardError());
        return r;
    }
    const QJsonObject o = QJsonDocument::fromJson(p.readAllStandardOutput()).object();
    r.decimalPoint = o.value(QStringLiteral("decimal_point")).toString();
    r.delimiter = o.value(QStringLiteral("delimiter")).toString();
    r.rows = o.value(QStringLiteral("rows")).toArray();
    r.ok = true;
    return r;
}

} // namespace ohmaris::test
