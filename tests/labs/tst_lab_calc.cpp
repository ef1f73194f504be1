// SPDX-License-Identifier: GPL-3.0-or-later
// What every lab's calculator refuses, as one table over the lab table:
// for each input of each lab, a text that is no number, an empty text (where
// the bench has a default) and a line break; then each lab's own limits
// (knob positions, switch states, lists). Every refusal is one line that
// starts with the input's name, and no result comes with it. CTest runs it
// under C.UTF-8 and again under ru_RU.UTF-8.
#include "calc/labcalc.h"
#include "labs/labtable.h"
#include "testlocale.h"

#include <QTest>
#include <map>

using namespace ohmaris;

namespace {

const std::map<int, const LabCalc *> &Calculators()
{
    static const std::map<int, const LabCalc *> labs = [] {
        std::map<int, const LabCalc *> m;
        LabTable::ForEach([&m]<class Lab>() { m[Lab::kNumber] = &Lab::Calc(); });
        return m;
    }();
    return labs;
}

} // namespace

class TestLabCalc : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        const char separator = test::AdoptEnvironmentLocale();
        QCOMPARE(separator, test::CommaLocaleExpected() ? ',' : '.');
    }

    void refused_data()
    {
        QTest::addColumn<int>("lab");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("echoed"); // the message quotes the value

        // Shared by every input of every lab.
        for (const auto &[lab, calc] : Calculators()) {
            for (const CalcInput &in : calc->inputs) {
                const QByteArray row = QStringLiteral("lab %1 %2 ").arg(lab).arg(in.name).toUtf8();
                QTest::newRow(row + "not a number") << lab << in.name << QStringLiteral("abc") << true;
                QTest::newRow(row + "line break") << lab << in.name << QStringLiteral("1\n2") << true;
                // An input without a default (a list) may be left empty.
                if (!in.defaultText.isEmpty())
                    QTest::newRow(row + "empty") << lab << in.name << QString() << true;
            }
        }

        // Each lab's own limits.
        QTest::newRow("lab 2 variant 0") << 2 << "variant" << "0" << false;
        QTest::newRow("lab 2 variant 8") << 2 << "variant" << "8" << false;
        QTest::newRow("lab 2 step 13") << 2 << "step" << "13" << false;
        QTest::newRow("lab 2 step not whole") << 2 << "step" << "2.5" << true;
        QTest::newRow("lab 2 breaker 2") << 2 << "SF" << "2" << false;
        QTest::newRow("lab 2 bypass -1") << 2 << "S" << "-1" << false;
        QTest::newRow("lab 3 capacitor switch 2") << 3 << "S" << "2" << false;
        QTest::newRow("lab 4 selector 1 at 0") << 4 << "sel1" << "0" << false;
        QTest::newRow("lab 4 selector 2 at 8") << 4 << "sel2" << "8" << false;
        QTest::newRow("lab 4 connection 5") << 4 << "conn" << "5" << false;
        QTest::newRow("lab 4 connection 0") << 4 << "conn" << "0" << false;
        QTest::newRow("lab 4 step 13") << 4 << "step" << "13" << false;
        QTest::newRow("lab 4 S2 at 2") << 4 << "S2" << "2" << false;
        QTest::newRow("lab 4 breaker not whole") << 4 << "SF" << "0.5" << true;
        QTest::newRow("lab 5 element with two commas") << 5 << "XCB" << "1,2,3" << true;
        QTest::newRow("lab 5 switch at 2") << 5 << "S4" << "2" << false;
        QTest::newRow("lab 6 element with two commas") << 6 << "XCCA" << "1,2,3" << true;
        QTest::newRow("lab 6 branch switch at 2") << 6 << "S6" << "2" << false;
        QTest::newRow("lab 7 circuit 4") << 7 << "circuit" << "4" << false;
        QTest::newRow("lab 7 unknown switch") << 7 << "events" << "S3@1" << true;
        QTest::newRow("lab 7 event without a time") << 7 << "events" << "S1" << true;
        QTest::newRow("lab 7 events out of order") << 7 << "events" << "S1@2,S2@1" << false;
        QTest::newRow("lab 7 negative event time") << 7 << "events" << "S1@-1" << false;
        QTest::newRow("lab 7 bad sample time") << 7 << "at" << "2.4,x" << false;
        QTest::newRow("lab 7 endless run") << 7 << "at" << "1e9" << true;
        QTest::newRow("lab 8 multiple with a fraction") << 8 << "k2" << "2.5" << true;
        QTest::newRow("lab 8 multiple with a sign") << 8 << "k4" << "-3" << true;
        QTest::newRow("lab 8 source switch at 2") << 8 << "on1" << "2" << false;
        QTest::newRow("lab 8 element with two commas") << 8 << "L" << "1,2,3" << true;
    }
    void refused()
    {
        QFETCH(int, lab);
        QFETCH(QString, name);
        QFETCH(QString, value);
        QFETCH(bool, echoed);
        const auto calc = Calculators().find(lab);
        if (calc == Calculators().end())
            QSKIP("this lab is not in the lab table");
        const CalcResult r = calc->second->run({{name, value}});
        QVERIFY2(r.error.startsWith(name + QLatin1String(": ")), qPrintable(r.error));
        QVERIFY2(!r.error.contains(QLatin1Char('\n')), qPrintable(r.error));
        QCOMPARE(r.error.contains(QuotedArgument(value)), echoed);
        QVERIFY(r.outputs.empty());
    }
};

QTEST_GUILESS_MAIN(TestLabCalc)
#include "tst_lab_calc.moc"
