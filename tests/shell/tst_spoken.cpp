// SPDX-License-Identifier: GPL-3.0-or-later
// What the benches say aloud and how the keyboard reaches them, as pure
// rules: captions and units in the language's script and number format, a
// meter's reading as a sentence, the keys a control takes, the order Tab
// goes in and the width of the focus mark.
#include "calc/reading.h"
#include "shell/controls.h"
#include "shell/spoken.h"

#include <QTest>
#include <cmath>

using namespace ohmaris;

class TestSpoken : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void captionInTheLanguagesScript_data();
    void captionInTheLanguagesScript();
    void unitInTheLanguagesScript_data();
    void unitInTheLanguagesScript();
    void readingToHalfATickStep_data();
    void readingToHalfATickStep();
    void meterSentence_data();
    void meterSentence();
    void displayWithoutANumber();
    void keysOnAControl_data();
    void keysOnAControl();
    void readingOrder_data();
    void readingOrder();
    void focusMarkGrowsWithTheScreen_data();
    void focusMarkGrowsWithTheScreen();
};

void TestSpoken::captionInTheLanguagesScript_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("spoken");
    const int en = int(Language::English), ru = int(Language::Russian);
    QTest::newRow("Cyrillic A in an English caption") << QStringLiteral("1 А") << en << QStringLiteral("1 A");
    QTest::newRow("comma and Cyrillic A, English") << QStringLiteral("2,5 А") << en << QStringLiteral("2.5 A");
    QTest::newRow("Cyrillic volt in English") << QStringLiteral("150 В") << en << QStringLiteral("150 V");
    QTest::newRow("Latin A in Russian") << QStringLiteral("1 A") << ru << QStringLiteral("1 А");
    QTest::newRow("point becomes a comma in Russian") << QStringLiteral("0.5 A") << ru << QStringLiteral("0,5 А");
    QTest::newRow("Russian caption stays Russian") << QStringLiteral("2,5 А") << ru << QStringLiteral("2,5 А");
    QTest::newRow("number alone") << QStringLiteral("0,25") << en << QStringLiteral("0.25");
    QTest::newRow("not a number and a unit") << QStringLiteral(" + ") << en << QStringLiteral("+");
    QTest::newRow("words stay as they are") << QStringLiteral("Pause") << ru << QStringLiteral("Pause");
}

void TestSpoken::captionInTheLanguagesScript()
{
    QFETCH(QString, caption);
    QFETCH(int, language);
    QFETCH(QString, spoken);
    QCOMPARE(SpokenCaption(caption, Language(language)), spoken);
}

void TestSpoken::unitInTheLanguagesScript_data()
{
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QString>("english");
    QTest::addColumn<QString>("russian");
    QTest::newRow("ampere, Latin") << QStringLiteral("A") << QStringLiteral("A") << QStringLiteral("А");
    QTest::newRow("ampere, Cyrillic") << QStringLiteral("А") << QStringLiteral("A") << QStringLiteral("А");
    QTest::newRow("watt") << QStringLiteral("W") << QStringLiteral("W") << QStringLiteral("Вт");
    QTest::newRow("milliampere") << QStringLiteral("mA") << QStringLiteral("mA") << QStringLiteral("мА");
    QTest::newRow("volts per division") << QStringLiteral("V/div") << QStringLiteral("V/div")
                                        << QStringLiteral("В/дел");
    QTest::newRow("ohm") << QStringLiteral("Ом") << QStringLiteral("Ω") << QStringLiteral("Ом");
    QTest::newRow("unknown unit") << QStringLiteral("xyz") << QStringLiteral("xyz") << QStringLiteral("xyz");
}

void TestSpoken::unitInTheLanguagesScript()
{
    QFETCH(QString, unit);
    QFETCH(QString, english);
    QFETCH(QString, russian);
    QCOMPARE(SpokenUnit(unit, Language::English), english);
    QCOMPARE(SpokenUnit(unit, Language::Russian), russian);
}

void TestSpoken::readingToHalfATickStep_data()
{
    QTest::addColumn<double>("resolution");
    QTest::addColumn<int>("decimals");
    QTest::newRow("0.02 A steps: hundredths") << 0.02 << 2;
    QTest::newRow("0.1 A steps: hundredths") << 0.1 << 2;
    QTest::newRow("1 V steps: tenths") << 1.0 << 1;
    QTest::newRow("5 V steps: whole volts") << 5.0 << 0;
    QTest::newRow("75 W steps: whole watts") << 75.0 << 0;
    QTest::newRow("no step known") << 0.0 << 2;
    QTest::newRow("tiny steps stop at four places") << 1e-9 << 4;
}

void TestSpoken::readingToHalfATickStep()
{
    QFETCH(double, resolution);
    QFETCH(int, decimals);
    QCOMPARE(ReadingDecimals(resolution), decimals);
}

void TestSpoken::meterSentence_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<double>("position");
    QTest::addColumn<double>("range");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QString>("english");
    QTest::addColumn<QString>("russian");
    // A 100-division ammeter on its 1 A range, 2 divisions a tick.
    QTest::newRow("ammeter") << QStringLiteral("A1") << 85.0 << 1.0 << QStringLiteral("A")
                             << QStringLiteral("A1: 0.85 A, range 1 A") << QStringLiteral("A1: 0,85 А, range 1 А");
    QTest::newRow("K-50 ammeter on 2.5 A") << QStringLiteral("K-50 A") << 40.0 << 2.5 << QStringLiteral("A")
                                           << QStringLiteral("K-50 A: 1.00 A, range 2.5 A")
                                           << QStringLiteral("К-50 A: 1,00 А, range 2,5 А");
    QTest::newRow("a pointer below zero") << QStringLiteral("A2") << -0.2 << 1.0 << QStringLiteral("A")
                                          << QStringLiteral("A2: 0.00 A, range 1 A")
                                          << QStringLiteral("A2: 0,00 А, range 1 А");
}

void TestSpoken::meterSentence()
{
    QFETCH(QString, label);
    QFETCH(double, position);
    QFETCH(double, range);
    QFETCH(QString, unit);
    QFETCH(QString, english);
    QFETCH(QString, russian);
    // No translator is installed here: the words stay English, the
    // numbers, units and labels follow the language.
    const InstrumentReading r = MeterReadingAt(position, 0, 100, 2, 0.5, range, unit);
    QCOMPARE(MeterSentence(label, r, Language::English), english);
    QCOMPARE(MeterSentence(label, r, Language::Russian), russian);
}

void TestSpoken::displayWithoutANumber()
{
    InstrumentReading r;
    r.kind = InstrumentReading::Kind::Indicator;
    r.unit = QStringLiteral("V");
    r.value = 12.345;
    QCOMPARE(DisplaySentence(QStringLiteral("V1"), r, Language::English), QStringLiteral("V1: 12.345 V"));
    QCOMPARE(DisplaySentence(QStringLiteral("V1"), r, Language::Russian), QStringLiteral("V1: 12,345 В"));
    r.value = kNoNumber;
    QCOMPARE(DisplaySentence(QStringLiteral("V1"), r, Language::English), QStringLiteral("V1: no number shown"));
}

void TestSpoken::keysOnAControl_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("action");
    const int none = int(Qt::NoModifier);
    QTest::newRow("Space presses") << int(Qt::Key_Space) << none << int(BenchKey::Press);
    QTest::newRow("Enter presses") << int(Qt::Key_Return) << none << int(BenchKey::Press);
    QTest::newRow("keypad Enter presses") << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << int(BenchKey::Press);
    QTest::newRow("menu key asks for help") << int(Qt::Key_Menu) << none << int(BenchKey::Help);
    QTest::newRow("Shift+F10 asks for help") << int(Qt::Key_F10) << int(Qt::ShiftModifier) << int(BenchKey::Help);
    QTest::newRow("F10 alone is the menu bar's") << int(Qt::Key_F10) << none << int(BenchKey::None);
    QTest::newRow("Right turns clockwise") << int(Qt::Key_Right) << none << int(BenchKey::Clockwise);
    QTest::newRow("Up turns clockwise") << int(Qt::Key_Up) << none << int(BenchKey::Clockwise);
    QTest::newRow("Left turns anticlockwise") << int(Qt::Key_Left) << none << int(BenchKey::Anticlockwise);
    QTest::newRow("Down turns anticlockwise") << int(Qt::Key_Down) << none << int(BenchKey::Anticlockwise);
    QTest::newRow("Home to the first position") << int(Qt::Key_Home) << none << int(BenchKey::First);
    QTest::newRow("End to the last position") << int(Qt::Key_End) << none << int(BenchKey::Last);
    QTest::newRow("Ctrl+Space is no press") << int(Qt::Key_Space) << int(Qt::ControlModifier) << int(BenchKey::None);
    QTest::newRow("Shift+Right is no turn") << int(Qt::Key_Right) << int(Qt::ShiftModifier) << int(BenchKey::None);
    QTest::newRow("a letter does nothing") << int(Qt::Key_A) << none << int(BenchKey::None);
}

void TestSpoken::keysOnAControl()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(int, action);
    QCOMPARE(int(BenchKeyOf(key, Qt::KeyboardModifiers(modifiers))), action);
}

void TestSpoken::readingOrder_data()
{
    QTest::addColumn<QList<QRectF>>("rects");
    QTest::addColumn<int>("lines");
    QTest::addColumn<QList<int>>("order");
    const int rows = int(Qt::Horizontal), columns = int(Qt::Vertical);
    // Lab 2's panels (twips): the K-50 set and the two voltmeters along
    // the top, the regulator and the variant panel below them (the variant
    // panel begins lower but within the regulator's upper half), the
    // capacitance box under them.
    QTest::newRow("panels in rows")
        << QList<QRectF>{{12480, 7440, 1095, 345}, {11400, 4680, 3615, 2175}, {12120, 240, 3015, 2655},
                         {1080, 4200, 3855, 1575}, {9000, 240, 3015, 2655},   {120, 240, 8775, 3855}}
        << rows << QList<int>{5, 4, 2, 3, 1, 0};
    // Inside the K-50 panel: the selector above the range buttons, which
    // are level with the power-direction button.
    QTest::newRow("a row of buttons level with a lower one")
        << QList<QRectF>{{8160, 1200, 375, 315}, {3240, 1080, 735, 375}, {360, 1080, 735, 375}, {6480, 240, 735, 735}}
        << rows << QList<int>{3, 2, 1, 0};
    // A schematic: left to right, each column top to bottom.
    QTest::newRow("schematic in columns")
        << QList<QRectF>{{54, 20, 4, 8}, {4, 40, 4, 8}, {5, 10, 6, 6}, {30, 5, 8, 8}}
        << columns << QList<int>{2, 1, 3, 0};
    QTest::newRow("nothing") << QList<QRectF>{} << rows << QList<int>{};
}

void TestSpoken::readingOrder()
{
    QFETCH(QList<QRectF>, rects);
    QFETCH(int, lines);
    QFETCH(QList<int>, order);
    const std::vector<int> got = ReadingOrder(std::vector<QRectF>(rects.begin(), rects.end()), Qt::Orientation(lines));
    QCOMPARE(QList<int>(got.begin(), got.end()), order);
}

void TestSpoken::focusMarkGrowsWithTheScreen_data()
{
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("width");
    QTest::newRow("design screen") << 768 << 2;
    QTest::newRow("1280 x 1024") << 1024 << 3;
    QTest::newRow("full HD") << 1080 << 3;
    QTest::newRow("4K") << 2160 << 6;
    QTest::newRow("a small screen keeps two pixels") << 480 << 2;
}

void TestSpoken::focusMarkGrowsWithTheScreen()
{
    QFETCH(int, height);
    QFETCH(int, width);
    QCOMPARE(FocusMarkWidth(height), width);
}

QTEST_MAIN(TestSpoken)
#include "tst_spoken.moc"
