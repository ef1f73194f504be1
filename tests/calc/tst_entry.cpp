// SPDX-License-Identifier: GPL-3.0-or-later
// Parameter boxes: key filters, the locale-free numeric reading and the
// change rule with its offsets and caps. CTest runs it under C.UTF-8 and
// again under ru_RU.UTF-8, whose decimal separator is the comma.
#include "calc/entry.h"
#include "testlocale.h"

#include <QTest>
#include <clocale>

using namespace ohmaris;

Q_DECLARE_METATYPE(std::optional<QString>)

class TestEntry : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        // The locale the program runs under, taken as its start takes it.
        const char separator = test::AdoptEnvironmentLocale();
        QCOMPARE(separator, test::CommaLocaleExpected() ? ',' : '.');
    }

    void decimalFilter_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("caret");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("result");
        QTest::newRow("digit") << "1" << 1 << int('5') << int('5');
        QTest::newRow("backspace") << "1" << 1 << kBackspace << kBackspace;
        QTest::newRow("point becomes comma") << "1" << 1 << int('.') << kComma;
        QTest::newRow("comma first refused") << "" << 0 << kComma << 0;
        QTest::newRow("comma at caret 0 refused") << "15" << 0 << kComma << 0;
        QTest::newRow("second comma refused") << "1,5" << 3 << kComma << 0;
        QTest::newRow("second point refused") << "1,5" << 3 << int('.') << 0;
        QTest::newRow("minus refused") << "1" << 1 << int('-') << 0;
        QTest::newRow("letter refused") << "1" << 1 << int('e') << 0;
        QTest::newRow("space refused") << "1" << 1 << int(' ') << 0;
        QTest::newRow("enter refused") << "1" << 1 << 13 << 0;
        QTest::newRow("ctrl-v refused") << "1" << 1 << 22 << 0;
    }
    void decimalFilter()
    {
        QFETCH(QString, text);
        QFETCH(int, caret);
        QFETCH(int, key);
        QFETCH(int, result);
        QCOMPARE(DecimalKeyFilter(key, text, caret), result);
    }

    void digitFilter()
    {
        QCOMPARE(DigitKeyFilter('7'), int('7'));
        QCOMPARE(DigitKeyFilter(kBackspace), kBackspace);
        QCOMPARE(DigitKeyFilter(kComma), 0);
        QCOMPARE(DigitKeyFilter('.'), 0);
        QCOMPARE(DigitKeyFilter('a'), 0);
    }

    void numericReading_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("numeric");
        QTest::addColumn<float>("value");
        QTest::newRow("comma") << "2,5" << true << 2.5f;
        QTest::newRow("point") << "2.5" << true << 2.5f;
        QTest::newRow("trailing comma") << "7," << true << 7.0f;
        QTest::newRow("blanks") << " 12 " << true << 12.0f;
        QTest::newRow("negative") << "-3" << true << -3.0f;
        QTest::newRow("empty") << "" << false << 0.0f;
        QTest::newRow("lone comma") << "," << false << 0.0f;
        QTest::newRow("letters") << "abc" << false << 0.0f;
        QTest::newRow("two commas") << "1,2,3" << false << 0.0f;
    }
    void numericReading()
    {
        QFETCH(QString, text);
        QFETCH(bool, numeric);
        QFETCH(float, value);
        QCOMPARE(IsNumericText(text), numeric);
        const std::optional<float> v = TextToFloat(text);
        QCOMPARE(v.has_value(), numeric);
        if (numeric)
            QCOMPARE(*v, value);
    }

    void readingIgnoresTheSystemLocale()
    {
        // A locale whose decimal separator is the comma must not change the
        // reading of either separator.
        const char *old = std::setlocale(LC_NUMERIC, nullptr);
        const QByteArray saved = old ? QByteArray(old) : QByteArray("C");
        if (!std::setlocale(LC_NUMERIC, "ru_RU.UTF-8") && !std::setlocale(LC_NUMERIC, "de_DE.UTF-8")) {
            // The Russian run has its locale made for it: there it must run.
            if (test::CommaLocaleExpected())
                QFAIL("the run under ru_RU.UTF-8 cannot set that locale");
            QSKIP("no comma locale installed");
        }
        QCOMPARE(*std::localeconv()->decimal_point, ',');
        QCOMPARE(*TextToFloat(QStringLiteral("1,5")), 1.5f);
        QCOMPARE(*TextToFloat(QStringLiteral("1.5")), 1.5f);
        std::setlocale(LC_NUMERIC, saved.constData());
    }

    void changeRule_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("offset");
        QTest::addColumn<float>("limit");
        QTest::addColumn<bool>("transient");
        QTest::addColumn<bool>("recalc");
        QTest::addColumn<float>("stored");
        QTest::addColumn<QString>("rewrite");

        QTest::newRow("plain value") << "2,5" << 0.0 << 1000000.0f << false << true << 2.5f << QString();
        QTest::newRow("capped and rewritten") << "5000000" << 0.0 << 1000000.0f << false << true << 1000000.0f
                                              << "1000000";
        QTest::newRow("empty keeps the value") << "" << 0.0 << 1000000.0f << false << false << 42.0f << QString();
        QTest::newRow("lone comma keeps the value") << "," << 0.0 << 1000000.0f << false << false << 42.0f
                                                    << QString();
        QTest::newRow("magnitude of a negative") << "-120" << 0.01 << 1000000.0f << false << true << 120.01f
                                                 << QString();
        QTest::newRow("zero capacitance gets its offset") << "0" << 0.0000001 << 1000000.0f << false << true
                                                          << 1e-7f << QString();
        QTest::newRow("line voltage capped") << "2000" << 0.0 << 1000.0f << false << true << 1000.0f << "1000";
        QTest::newRow("offset stored in 32 bits") << "24" << 0.0001 << 10000000.0f << true << true
                                                  << float(double(24.0f) + 0.0001) << QString();
        QTest::newRow("transient letters store the offset") << "abc" << 0.0001 << 10000000.0f << true << true
                                                            << 0.0001f << QString();
        QTest::newRow("transient empty stores the offset") << "" << 0.0001 << 10000000.0f << true << true
                                                           << 0.0001f << QString();
        QTest::newRow("transient cap written less the offset")
            << "99999999" << 0.0001 << 10000000.0f << true << true << 10000000.0f << "9999999,9999";
        QTest::newRow("beyond float range capped") << "1e60" << 0.0 << 1000000.0f << false << true << 1000000.0f
                                                   << "1000000";
    }
    void changeRule()
    {
        QFETCH(QString, text);
        QFETCH(double, offset);
        QFETCH(float, limit);
        QFETCH(bool, transient);
        QFETCH(bool, recalc);
        QFETCH(float, stored);
        QFETCH(QString, rewrite);
        EntryRule rule;
        rule.offset = offset;
        rule.limit = limit;
        rule.transientStyle = transient;
        const EntryResult r = ApplyEntryRule(text, 42.0f, rule);
        QCOMPARE(r.recalc, recalc);
        QCOMPARE(r.value, stored);
        QCOMPARE(r.rewrite.value_or(QString()), rewrite);
        // A rewritten text stores the same value once more.
        if (r.rewrite) {
            const EntryResult again = ApplyEntryRule(*r.rewrite, r.value, rule);
            QCOMPARE(again.value, r.value);
            QVERIFY(!again.rewrite);
        }
    }
};

QTEST_APPLESS_MAIN(TestEntry)
#include "tst_entry.moc"
