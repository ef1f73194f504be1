// SPDX-License-Identifier: GPL-3.0-or-later
// The manual page of ohmaris-calc: roff escaping of the descriptors' texts,
// a page that lists every lab's inputs and outputs and nothing roff would
// take for a request, and every option the tool's parser takes.
#include "calctool.h"
#include "manpage.h"

#include <QRegularExpression>
#include <QTest>
#include <algorithm>

using namespace ohmaris;

class TestCalcManPage : public QObject {
    Q_OBJECT

private slots:
    void roffText_data();
    void roffText();
    void pageFromDescriptors();
    void optionsAsTheToolTakesThem();
};

void TestCalcManPage::roffText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("roff");
    QTest::newRow("plain") << "EMF of source 1" << "EMF of source 1";
    QTest::newRow("minus signs") << "-1..1, x-axis" << "\\-1..1, x\\-axis";
    QTest::newRow("backslash") << "a\\b" << "a\\eb";
    QTest::newRow("leading dot is not a request") << ".5 A steps" << "\\&.5 A steps";
    QTest::newRow("leading apostrophe") << "'quoted'" << "\\&'quoted'";
    QTest::newRow("inner dot kept") << "1.5 Ohm" << "1.5 Ohm";
}

void TestCalcManPage::roffText()
{
    QFETCH(QString, text);
    QFETCH(QString, roff);
    QCOMPARE(RoffText(text), roff);
}

void TestCalcManPage::pageFromDescriptors()
{
    LabCalc a;
    a.lab = 3;
    a.title = QStringLiteral("Coil \"L\" in parallel");
    a.inputs = {{QStringLiteral("C"), QStringLiteral("100"), QStringLiteral("uF"), QStringLiteral(".1 uF steps")},
                {QStringLiteral("S-1"), QStringLiteral("0"), {}, QStringLiteral("switch")}};
    a.outputs.Add(QStringLiteral("Current"), QStringLiteral("A"), QStringLiteral("I"), 0.0f);
    a.outputs.Add(QStringLiteral("Flag"), QString(), QStringLiteral("1 on overload"), 0);
    a.sampleFields.Add(QStringLiteral("t"), QStringLiteral("s"), QStringLiteral("time"), 0.0);
    LabCalc b;
    b.lab = 8;
    b.title = QStringLiteral("Harmonics");
    b.inputs = {{QStringLiteral("E1"), QStringLiteral("10"), QStringLiteral("V"), QStringLiteral("first")}};
    b.notes = {QStringLiteral(".25 of the samples"), QStringLiteral("second note")};

    const QString page = CalcManPage({&a, &b}, QStringLiteral("2.1.0"), QStringLiteral("2030-01-02"));
    const QStringList lines = page.split(QLatin1Char('\n'));
    QVERIFY(lines.contains(QStringLiteral(".TH OHMARIS\\-CALC 1 \"2030-01-02\" \"Ohmaris 2.1.0\" \"User Commands\"")));

    // Each lab's entries in its own section, in the descriptor's order.
    const QStringList expected = {
        QStringLiteral(".SS \"Lab 3: Coil \\(dqL\\(dq in parallel\""),
        QStringLiteral("\\fBC\\fR=100 uF"), QStringLiteral("\\&.1 uF steps"),
        QStringLiteral("\\fBS\\-1\\fR=0"), QStringLiteral("switch"),
        QStringLiteral("\\fBCurrent\\fR [A]"), QStringLiteral("I"),
        QStringLiteral("\\fBFlag\\fR"), QStringLiteral("1 on overload"),
        // A sample's fields, indented under the records' name.
        QStringLiteral("\\fBsamples\\fR"), QStringLiteral(".RS"), QStringLiteral("\\fBt\\fR [s]"), QStringLiteral("time"),
        QStringLiteral(".RE"),
        QStringLiteral(".SS \"Lab 8: Harmonics\""),
        QStringLiteral("\\fBE1\\fR=10 V"), QStringLiteral("first"),
        // Its notes, one bullet each, escaped as any descriptor text.
        QStringLiteral("Circuit notes:"), QStringLiteral(".IP \\(bu 2"), QStringLiteral("\\&.25 of the samples"),
        QStringLiteral(".IP \\(bu 2"), QStringLiteral("second note"),
        // The example runs the first lab with its first input.
        QStringLiteral("ohmaris\\-calc 3 C=100 \\-\\-json"),
    };
    qsizetype at = 0;
    for (const QString &line : expected) {
        const qsizetype found = lines.indexOf(line, at);
        QVERIFY2(found >= 0, qPrintable(QStringLiteral("missing or out of order: ") + line));
        at = found + 1;
    }
    // Lab 8 has no outputs: no empty "Outputs:" heading after its section.
    QCOMPARE(page.count(QStringLiteral("Outputs:")), 1);

    // The options of the sweeps, tables and drawings are the tool's own, so
    // the OPTIONS section lists them (optionsAsTheToolTakesThem); their
    // subsections say more. The examples run only labs that are there (lab
    // 8's spectrum, not lab 2's sweep).
    QStringList names;
    for (const QCommandLineOption &o : CalcOptions())
        names += o.names();
    for (const char *option : {"vary", "format", "columns", "phasors", "spectrum", "lang"})
        QVERIFY2(names.contains(QLatin1String(option)), option);
    QVERIFY(lines.contains(QStringLiteral(".SS Sweeps and tables")));
    QVERIFY(lines.contains(QStringLiteral(".SS Drawings")));
    QVERIFY(page.contains(QStringLiteral("ohmaris\\-calc 8 on1=1")));
    QVERIFY(!page.contains(QStringLiteral("ohmaris\\-calc 2 ")));

    // A line that starts with a dot or an apostrophe is one of the page's own
    // requests, never a descriptor's text.
    static const QRegularExpression request(QStringLiteral("^(\\.\\\\\"|\\.(TH|SH|SS|B|I|BR|RI|RB|IB|BI|IR|TP|IP|PP|PD|RS|RE|br|EX|EE)( |$))"));
    for (const QString &line : lines)
        if (line.startsWith(QLatin1Char('.')) || line.startsWith(QLatin1Char('\'')))
            QVERIFY2(request.match(line).hasMatch(), qPrintable(line));
}

void TestCalcManPage::optionsAsTheToolTakesThem()
{
    const QString page = CalcManPage({}, QStringLiteral("2.1.0"), QStringLiteral("2030-01-02"));
    const qsizetype options = page.indexOf(QStringLiteral("\n.SH OPTIONS\n"));
    const qsizetype next = page.indexOf(QStringLiteral("\n.SH "), options + 1);
    QVERIFY(options > 0 && next > options);
    const QString section = page.mid(options, next - options);
    QVERIFY(!CalcOptions().isEmpty());
    for (const QCommandLineOption &o : CalcOptions()) {
        for (const QString &name : o.names()) {
            const QString dashed = (name.size() == 1 ? QStringLiteral("\\-") : QStringLiteral("\\-\\-")) + name;
            QVERIFY2(section.contains(QStringLiteral("\\fB%1\\fR").arg(dashed)), qPrintable(dashed + QLatin1Char('\n') + section));
        }
        QVERIFY2(section.contains(RoffText(o.description())), qPrintable(o.description()));
    }
}

QTEST_APPLESS_MAIN(TestCalcManPage)
#include "tst_calc_manpage.moc"
