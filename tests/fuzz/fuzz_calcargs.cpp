// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz harness of ohmaris-calc's command line: the input split into words
// (at NUL bytes when it has any, else at blanks and line ends) is run
// through RunCalc with every lab of the lab table. Either status 0 with
// output and no error text, or status 2 with no output and one error line
// that cannot pass for two; a --json answer is one JSON object naming its lab.
// There is no QGuiApplication here, so a drawing is refused and no file is
// ever written.
#include "fuzzcheck.h"

#include "calctool.h"
#include "labs/labcalcs.h"
#include "ohmaris_version.h"

#include <QByteArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QStringList>

#include <cstdint>
#include <vector>

using namespace ohmaris;
using ohmaris::fuzz::Shown;

namespace {

QStringList Words(const QByteArray &bytes)
{
    QList<QByteArray> parts;
    if (bytes.contains('\0')) {
        parts = bytes.split('\0');
    } else {
        QByteArray normal = bytes;
        for (char &c : normal)
            if (c == '\t' || c == '\n' || c == '\r')
                c = ' ';
        parts = normal.split(' ');
        parts.removeAll(QByteArray());
    }
    QStringList words;
    for (const QByteArray &p : parts)
        words << QString::fromUtf8(p); // as QCoreApplication::arguments() decodes under UTF-8
    return words;
}

// Characters that start a new line on a terminal or in a log viewer.
bool BreaksLine(QChar c)
{
    switch (c.unicode()) {
    case 0x0A: case 0x0B: case 0x0C: case 0x0D: case 0x85: case 0x2028: case 0x2029:
        return true;
    default:
        return false;
    }
}

// What the tool prints instead of results: the usage (with every lab's
// help), one lab's help, the version or the manual page.
bool IsAnswer(const QString &out)
{
    static const QRegularExpression labHelp(QStringLiteral("^lab \\d+: [^\n]*\n  inputs:\n"));
    return out.startsWith(QStringLiteral("usage: ohmaris-calc ")) || labHelp.match(out).hasMatch()
           || out == QStringLiteral("ohmaris-calc %1\n").arg(QLatin1String(kVersionText))
           || out.startsWith(QStringLiteral(".\\\" Manual page of ohmaris-calc"));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QStringList words = Words(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    QString out = QStringLiteral("stale output");
    QString err = QStringLiteral("stale error");
    const int status = RunCalc(words, LabCalcs(), out, err);
    const QString detail = QStringLiteral("words %1: status %2, out %3, err %4")
                               .arg(Shown(words.join(QStringLiteral("|"))))
                               .arg(status)
                               .arg(Shown(out.left(200)), Shown(err));
    FUZZ_CHECK(status == 0 || status == kCalcUsageError, detail);
    if (status == kCalcUsageError) {
        FUZZ_CHECK(out.isEmpty(), detail);
        FUZZ_CHECK(err.startsWith(QStringLiteral("ohmaris-calc: ")) && err.endsWith(QLatin1Char('\n')), detail);
        for (qsizetype i = 0; i + 1 < err.size(); ++i)
            FUZZ_CHECK(!BreaksLine(err.at(i)), detail);
        return 0;
    }
    FUZZ_CHECK(err.isEmpty() && !out.isEmpty() && out.endsWith(QLatin1Char('\n')), detail);
    if (IsAnswer(out))
        return 0;
    bool table = false;
    for (const QString &w : words)
        for (const char *option : {"--vary", "--format", "--columns"})
            table = table || w.startsWith(QLatin1String(option));
    if (table) {
        // A table: a header (but in JSON) and rows, each on its line.
        FUZZ_CHECK(out.count(QLatin1Char('\n')) >= 1, detail);
    } else if (words.contains(QStringLiteral("--json"))) {
        FUZZ_CHECK(out.indexOf(QLatin1Char('\n')) == out.size() - 1, detail);
        QJsonParseError error;
        const QJsonDocument doc = QJsonDocument::fromJson(out.toUtf8(), &error);
        FUZZ_CHECK(error.error == QJsonParseError::NoError && doc.isObject(), detail + QLatin1Char(' ') + error.errorString());
        const QJsonObject o = doc.object();
        FUZZ_CHECK(o.value(QStringLiteral("inputs")).isObject() && o.value(QStringLiteral("outputs")).isObject(), detail);
        bool known = false;
        for (const LabCalc *lab : LabCalcs())
            known = known || o.value(QStringLiteral("lab")).toInt() == lab->lab;
        FUZZ_CHECK(known, detail);
    } else {
        // Text output: one NAME = VALUE line per quantity.
        for (const QString &line : out.chopped(1).split(QLatin1Char('\n')))
            FUZZ_CHECK(line.indexOf(QStringLiteral(" = ")) > 0, detail);
    }
    return 0;
}
