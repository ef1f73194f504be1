// SPDX-License-Identifier: GPL-3.0-or-later
// Lab 1 bench driven through its window: switches, context help, the
// voltmeter selector, the parameter boxes and the meters' readings.
#include "benchtest.h"
#include "labs/lab1/bench.h"
#include "shell/controls.h"
#include "shell/fonts.h"
#include "shell/shell.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QTimer>

using namespace ohmaris;

class TestLab1Bench : public test::BenchTest<Lab1Window, 1> {
    Q_OBJECT

private:
    QLineEdit *box(int index) const { return f.Box(ArrayName(QStringLiteral("Text1"), index)); }
    void clickKnob(Qt::MouseButton button, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        f.ClickKnob(QStringLiteral("Picture15"), button, mods);
    }
    // Red of a switch blade at the middle of where the closed blade stands.
    bool closedBladeShown(int k) const
    {
        const QLineF blade = Lab1SwitchBlade(w->sheet(), k, 1);
        const QPointF mid = (blade.p1() + blade.p2()) / 2 / kTwipsPerPixel;
        return test::BenchFixture::IsRed(f.Grab(QStringLiteral("Picture1")).pixelColor(mid.toPoint()));
    }
    static QString reading(float v, int decimals) { return QString::number(double(v), 'f', decimals); }

private slots:
    void loadSetsDefaults();
    void reloadStartsAfresh();
    void helpKeys_data();
    void helpKeys();
    void switchClickTogglesAndRedraws();
    void rightClickOnlyOffersHelp();
    void selectorHelpPopup_data();
    void selectorHelpPopup();
    void selectorMovesVoltmeter();
    void typing_data();
    void typing();
    void emptiedBoxKeepsValue();
    void clipboardNeverTouched();
    void metersSettle();
};

void TestLab1Bench::loadSetsDefaults()
{
    const QStringList texts{"24", "1,5", "14", "5", "10", "15", "8"};
    for (int i = 0; i < 7; ++i)
        QCOMPARE(box(i)->text(), texts[i]);
    QCOMPARE(w->model().ElementValues, kLab1Defaults);
    QCOMPARE(w->model().SwitchState, (std::array<std::int16_t, 6>{0, 0, 0, 0, 0, 1}));
    QVERIFY(w->model().RecalcPending);
    QCOMPARE(w->DrawUnit(), float(control(QStringLiteral("Picture1"))->width() * kTwipsPerPixel / 110.0));
    // Captions and tips from the language file reach the named controls.
    QVERIFY(!w->Control<QLabel>(QStringLiteral("Label3(0)"))->text().isEmpty());
    QVERIFY(w->Control<QLabel>(QStringLiteral("Label3(1)"))->text() != w->Control<QLabel>(QStringLiteral("Label3(0)"))->text());
    QVERIFY(area(13)->toolTip().startsWith(QLatin1Char(' ')));
    QCOMPARE(w->meterA3().Max(), 2.0f);
    QCOMPARE(w->meterV().Min(), -25.0f);
    QCOMPARE(w->selector().Polojenii(), 5);
    // The first tick computes the open circuit: every reading stays 0.
    w->Tick();
    QVERIFY(!w->model().RecalcPending);
    QCOMPARE(w->meterA1().Value(), 0.0f);
}

void TestLab1Bench::reloadStartsAfresh()
{
    QTest::mouseClick(area(14), Qt::LeftButton);
    box(0)->setText(QStringLiteral("3"));
    clickKnob(Qt::LeftButton);
    ticks(5);
    QVERIFY(w->meterV().Value() != 0.0f);
    f.Reopen();
    QCOMPARE(box(0)->text(), QStringLiteral("24"));
    QCOMPARE(w->model().ElementValues[0], 24.0f);
    QCOMPARE(w->model().SwitchState[1], std::int16_t(0));
    QCOMPARE(w->model().SwitchState[kLab1Selector], std::int16_t(1));
    QCOMPARE(w->selector().Value(), 1.0f);
    QCOMPARE(w->meterV().Value(), 0.0f);
}

void TestLab1Bench::helpKeys_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("key");
    const QStringList keys{"oR", "oR", "oE", "oR", "oA", "oR", "oE", "oR", "oA",
                           "oR", "oR", "oA", "oV", "oS", "oS", "oS", "oS", "oS"};
    for (int i = 0; i < keys.size(); ++i) {
        const QString name = ArrayName(QStringLiteral("Image1"), i);
        QTest::newRow(qPrintable(name)) << name << keys[i];
    }
    QTest::newRow("Picture2") << QStringLiteral("Picture2") << QStringLiteral("oA");
    QTest::newRow("Picture3") << QStringLiteral("Picture3") << QStringLiteral("oA");
    QTest::newRow("Picture4") << QStringLiteral("Picture4") << QStringLiteral("oA");
    QTest::newRow("Picture5") << QStringLiteral("Picture5") << QStringLiteral("oV");
    QTest::newRow("Picture15") << QStringLiteral("Picture15") << QStringLiteral("oSS");
}

void TestLab1Bench::helpKeys()
{
    QFETCH(QString, control);
    QFETCH(QString, key);
    QWidget *c = this->control(control);
    QVERIFY(c);
    QVERIFY(!c->toolTip().isEmpty());
    QTest::mouseClick(c, Qt::MiddleButton, Qt::NoModifier, c->rect().center());
    QCOMPARE(Shell::instance().HelpKey, key);
    QVERIFY(!menuShown());
    // A right click on any element but the turned selector offers help.
    if (control != QLatin1String("Picture15")) {
        Shell::instance().HelpKey.clear();
        QTest::mouseClick(c, Qt::RightButton, Qt::NoModifier, c->rect().center());
        QCOMPARE(Shell::instance().HelpKey, key);
        QVERIFY(menuShown());
        closeMenu();
    }
    // Left clicks on element areas change no switch.
    if (control.startsWith(QLatin1String("Image1")) && c != area(13) && c->objectName() < QLatin1String("Image1(13)")) {
        QTest::mouseClick(c, Qt::LeftButton, Qt::NoModifier, c->rect().center());
        QCOMPARE(w->model().SwitchState, (std::array<std::int16_t, 6>{0, 0, 0, 0, 0, 1}));
    }
}

void TestLab1Bench::switchClickTogglesAndRedraws()
{
    for (int k = 1; k <= 5; ++k) {
        w->model().RecalcPending = false;
        QVERIFY(!closedBladeShown(k));
        QTest::mouseClick(area(12 + k), Qt::LeftButton);
        QCOMPARE(w->model().SwitchState[std::size_t(k - 1)], std::int16_t(1));
        QVERIFY(w->model().RecalcPending);
        QVERIFY(closedBladeShown(k));
        QCOMPARE(Shell::instance().HelpKey, QStringLiteral("oS"));
        QVERIFY(!menuShown());
    }
    QTest::mouseClick(area(15), Qt::LeftButton);
    QCOMPARE(w->model().SwitchState[2], std::int16_t(0));
    QVERIFY(!closedBladeShown(3));
}

void TestLab1Bench::rightClickOnlyOffersHelp()
{
    w->model().RecalcPending = false;
    QTest::mouseClick(area(15), Qt::RightButton);
    QCOMPARE(Shell::instance().HelpKey, QStringLiteral("oS"));
    QVERIFY(menuShown());
    closeMenu();
    QCOMPARE(w->model().SwitchState[2], std::int16_t(0));
    QVERIFY(!w->model().RecalcPending);
    QVERIFY(!closedBladeShown(3));
}

void TestLab1Bench::selectorHelpPopup_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<Qt::KeyboardModifiers>("mods");
    QTest::addColumn<bool>("popup");
    QTest::newRow("position 1") << 1 << Qt::KeyboardModifiers() << true;
    QTest::newRow("position 1, shift") << 1 << Qt::KeyboardModifiers(Qt::ShiftModifier) << true;
    QTest::newRow("position 3") << 3 << Qt::KeyboardModifiers() << false;
    QTest::newRow("position 3, shift") << 3 << Qt::KeyboardModifiers(Qt::ShiftModifier) << true;
    QTest::newRow("position 5, shift and ctrl") << 5 << Qt::KeyboardModifiers(Qt::ShiftModifier | Qt::ControlModifier) << false;
}

void TestLab1Bench::selectorHelpPopup()
{
    QFETCH(int, position);
    QFETCH(Qt::KeyboardModifiers, mods);
    QFETCH(bool, popup);
    for (int i = 1; i < position; ++i)
        clickKnob(Qt::LeftButton);
    QCOMPARE(w->selector().Value(), float(position));
    Shell::instance().HelpKey.clear();
    clickKnob(Qt::RightButton, mods);
    QCOMPARE(Shell::instance().HelpKey, QStringLiteral("oSS"));
    QCOMPARE(menuShown(), popup);
    closeMenu();
    // Away from position 1 the right button turns the selector back one step.
    QCOMPARE(w->selector().Value(), float(std::max(1, position - 1)));
}

void TestLab1Bench::selectorMovesVoltmeter()
{
    for (int k : {14, 15, 16})
        QTest::mouseClick(area(k), Qt::LeftButton);
    ticks(200);
    QCOMPARE(w->meterV().Value(), w->model().VoltmeterTarget[0]);
    const QRect before = area(12)->geometry();

    w->model().RecalcPending = false;
    clickKnob(Qt::LeftButton);
    // The turn moves the voltmeter at once and asks for a recomputation.
    QVERIFY(w->model().RecalcPending);
    QCOMPARE(w->model().SwitchState[kLab1Selector], std::int16_t(2));
    QVERIFY(!w->selector().Changed());
    QVERIFY(area(12)->geometry() != before);
    const QRectF expected = Lab1ClickAreas(w->sheet(), 2)[12];
    QVERIFY(area(12)->geometry().contains(expected.center().toPoint() / kTwipsPerPixel));
    ticks(200);
    QCOMPARE(w->meterV().Value(), w->model().VoltmeterTarget[1]); // ad
}

void TestLab1Bench::typing_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<float>("stored");
    QTest::newRow("point becomes comma") << 0 << "2.5" << "2,5" << 2.5f;
    QTest::newRow("second comma refused") << 1 << "1,5,2" << "1,52" << 1.52f;
    QTest::newRow("leading comma refused") << 2 << ",7" << "7" << 7.0f;
    QTest::newRow("minus and letters refused") << 3 << "-3x" << "3" << 3.0f;
    QTest::newRow("capped at one million") << 6 << "5000000" << "1000000" << 1000000.0f;
}

void TestLab1Bench::typing()
{
    QFETCH(int, index);
    QFETCH(QString, keys);
    QFETCH(QString, shown);
    QFETCH(float, stored);
    QLineEdit *b = box(index);
    b->setFocus();
    b->selectAll();
    QTest::keyClick(b, Qt::Key_Backspace);
    QCOMPARE(b->text(), QString());
    w->model().RecalcPending = false;
    QTest::keyClicks(b, keys);
    QCOMPARE(b->text(), shown);
    QCOMPARE(w->model().ElementValues[std::size_t(index)], stored);
    QVERIFY(w->model().RecalcPending);
}

void TestLab1Bench::emptiedBoxKeepsValue()
{
    QLineEdit *b = box(4);
    b->setText(QStringLiteral("12"));
    QCOMPARE(w->model().ElementValues[4], 12.0f);
    w->model().RecalcPending = false;
    b->setText(QString());
    QCOMPARE(w->model().ElementValues[4], 12.0f);
    QVERIFY(!w->model().RecalcPending);
    b->setText(QStringLiteral(","));
    QCOMPARE(w->model().ElementValues[4], 12.0f);
}

void TestLab1Bench::clipboardNeverTouched()
{
    QApplication::clipboard()->setText(QStringLiteral("123"));
    for (Qt::MouseButton b : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton})
        QTest::mouseClick(box(5), b);
    box(5)->setFocus();
    QTest::keyClick(box(5), Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(box(5), Qt::Key_Insert, Qt::ShiftModifier);
    QCOMPARE(box(5)->text(), QStringLiteral("15"));
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("123"));
    // Nor does a selected value leave the box: copy and cut write nothing.
    box(5)->selectAll();
    // With the control characters a keyboard sends for them.
    const std::pair<Qt::Key, QString> copyCut[] = {
        {Qt::Key_C, QString(QChar(3))}, {Qt::Key_X, QString(QChar(24))}, {Qt::Key_Insert, QString()}};
    for (const auto &[key, text] : copyCut)
        QTest::sendKeyEvent(QTest::Click, box(5), key, text, Qt::ControlModifier);
    QCOMPARE(box(5)->text(), QStringLiteral("15"));
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("123"));
}

void TestLab1Bench::metersSettle()
{
    for (int k : {14, 15, 16})
        QTest::mouseClick(area(k), Qt::LeftButton);
    // One second of 30 ms ticks: A3 is still short of its final reading.
    ticks(33);
    QCOMPARE(reading(w->meterA3().Value(), 3), QStringLiteral("1.324"));
    ticks(200);
    QCOMPARE(reading(w->meterA1().Value(), 3), QStringLiteral("1.158"));
    QCOMPARE(reading(w->meterA3().Value(), 3), QStringLiteral("1.325"));
    QCOMPARE(reading(w->meterA2().Value(), 3), QStringLiteral("0.167"));
    QCOMPARE(reading(w->meterV().Value(), 2), QStringLiteral("11.60"));
}

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    InstallFontSubstitutes();
    TestLab1Bench t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_lab1_bench.moc"
