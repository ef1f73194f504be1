// SPDX-License-Identifier: GPL-3.0-or-later
// CSV for a spreadsheet: the style a locale gives (its decimal mark, and
// semicolons where the mark is a comma), RFC 4180 quoting, and numbers in
// the style's mark.
#include "calc/csv.h"

#include <QTest>

using namespace ohmaris;

class TestCsv : public QObject {
    Q_OBJECT

private slots:
    void styleOfLocale_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QChar>("mark");
        QTest::addColumn<QChar>("separator");
        QTest::newRow("C") << QLocale::c() << QChar('.') << QChar(',');
        QTest::newRow("English") << QLocale(QLocale::English, QLocale::UnitedStates) << QChar('.') << QChar(',');
        QTest::newRow("Russian") << QLocale(QLocale::Russian, QLocale::Russia) << QChar(',') << QChar(';');
        QTest::newRow("German") << QLocale(QLocale::German, QLocale::Germany) << QChar(',') << QChar(';');
    }
    void styleOfLocale()
    {
        QFETCH(QLocale, locale);
        QFETCH(QChar, mark);
        QFETCH(QChar, separator);
        const CsvStyle s = CsvStyle::ForLocale(locale);
        QCOMPARE(s.decimalMark, mark);
        QCOMPARE(s.separator, separator);
    }

    void text_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("semicolons");
        QTest::addColumn<QString>("field");
        QTest::newRow("plain") << "C [uF]" << false << "C [uF]";
        QTest::newRow("empty") << "" << false << "";
        QTest::newRow("separator") << "a,b" << false << "\"a,b\"";
        QTest::newRow("comma where semicolons separate") << "a,b" << true << "a,b";
        QTest::newRow("semicolon where semicolons separate") << "a;b" << true << "\"a;b\"";
        QTest::newRow("quote doubled") << "say \"V\"" << false << "\"say \"\"V\"\"\"";
        QTest::newRow("line feed") << "two\nlines" << false << "\"two\nlines\"";
        QTest::newRow("carriage return") << "a\rb" << false << "\"a\rb\"";
        QTest::newRow("leading blank kept") << " x" << false << "\" x\"";
        QTest::newRow("Cyrillic") << "Работа 2" << true << "Работа 2";
    }
    void text()
    {
        QFETCH(QString, text);
        QFETCH(bool, semicolons);
        QFETCH(QString, field);
        const CsvStyle s = semicolons ? CsvStyle{QLatin1Char(','), QLatin1Char(';')} : CsvStyle{};
        QCOMPARE(CsvText(text, s), field);
    }

    void numbers_data()
    {
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("point");
        QTest::addColumn<QString>("comma");
        QTest::newRow("whole") << "228" << "228" << "228";
        QTest::newRow("decimal") << "0.85" << "0.85" << "0,85";
        QTest::newRow("negative") << "-175.5" << "-175.5" << "-175,5";
        QTest::newRow("exponent") << "1e-07" << "1e-07" << "1e-07";
        QTest::newRow("decimal exponent") << "1.5e-07" << "1.5e-07" << "1,5e-07";
        QTest::newRow("infinity") << "inf" << "inf" << "inf";
    }
    void numbers()
    {
        QFETCH(QString, number);
        QFETCH(QString, point);
        QFETCH(QString, comma);
        QCOMPARE(CsvNumber(number, CsvStyle{}), point);
        QCOMPARE(CsvNumber(number, CsvStyle::ForLocale(QLocale(QLocale::Russian))), comma);
        // A style whose mark is its separator quotes rather than splits.
        QCOMPARE(CsvNumber(QStringLiteral("1.5"), CsvStyle{QLatin1Char(','), QLatin1Char(',')}), QStringLiteral("\"1,5\""));
    }

    void records()
    {
        QCOMPARE(CsvRecord({"a", "1,5", "\"q\""}, CsvStyle{QLatin1Char(','), QLatin1Char(';')}),
                 QStringLiteral("a;1,5;\"q\"\r\n"));
        QCOMPARE(CsvRecord({}, CsvStyle{}), QStringLiteral("\r\n"));
    }
};

QTEST_APPLESS_MAIN(TestCsv)
#include "tst_csv.moc"
