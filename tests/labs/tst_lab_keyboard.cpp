// SPDX-License-Identifier: GPL-3.0-or-later
// Every lab window of the table without a mouse, and as a screen reader
// reads it, in both languages: Tab reaches every control a student can use
// once, in reading order, and nothing hidden; every control it reaches has
// a name and a place on the screen; every meter, knob and display says
// what it shows as a value and as text. Lab 2 worked by keys alone ends in
// the model state the same work by mouse does.
#include "support/benchtest.h"

#include "instruments/k50panel.h"
#include "instruments/pribor.h"
#include "instruments/switcher.h"
#include "instruments/znak.h"
#include "labs/common/bench_singlephase.h"
#include "labs/labtable.h"
#include "labs/lab2/bench.h"
#include "shell/controls.h"
#include "shell/fonts.h"
#include "shell/helpwindow.h"
#include "shell/picturebox.h"
#include "shell/shell.h"
#include "shell/spoken.h"

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <map>

using namespace ohmaris;
using namespace ohmaris::test;

namespace {

QString NameOf(const QWidget *w)
{
    return w ? w->objectName() : QStringLiteral("(none)");
}

QAccessibleInterface *Accessible(QWidget *w)
{
    return QAccessible::queryAccessibleInterface(w);
}

QString AccessibleName(QWidget *w)
{
    QAccessibleInterface *a = Accessible(w);
    return a ? a->text(QAccessible::Name) : QString();
}

QString AccessibleDescription(QWidget *w)
{
    QAccessibleInterface *a = Accessible(w);
    return a ? a->text(QAccessible::Description) : QString();
}

void SwitchLanguage(LabWindow *w, int language)
{
    if (language == 2)
        w->MnuRussian_Click();
    else
        w->MnuEnglish_Click();
}

// Presses `key` on whatever has the focus, as a keyboard does.
void Press(LabWindow *w, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget() : w->form();
    const QString text = key == Qt::Key_Space ? QStringLiteral(" ") : QString();
    QTest::sendKeyEvent(QTest::Click, target, Qt::Key(key), text, modifiers);
}

// The controls the focus comes to, pressing `key` (Tab or Shift+Tab) until
// it comes back to where it first went; `cycled` says whether it did.
QList<QWidget *> Walk(LabWindow *w, int key, bool *cycled)
{
    QList<QWidget *> seen;
    *cycled = false;
    for (int i = 0; i < 300; ++i) {
        Press(w, key);
        QWidget *f = QApplication::focusWidget();
        if (!f)
            break;
        if (seen.contains(f)) {
            *cycled = f == seen.first();
            break;
        }
        seen.append(f);
    }
    return seen;
}

// Tabs until `name` has the focus; false when it never does.
bool TabTo(LabWindow *w, const QString &name)
{
    for (int i = 0; i < 120; ++i) {
        if (QWidget *f = QApplication::focusWidget(); f && f->objectName() == name)
            return true;
        Press(w, Qt::Key_Tab);
    }
    return false;
}

// What a student can use on a lab window, found without asking the frame:
// every click area over its schematic, every enabled box and button but
// the hidden cancel button, every meter, knob and display, and the boxes
// that are elements with a help topic of their own (the K-50 set, the
// oscilloscope screens).
QSet<QWidget *> Interactive(LabWindow *w)
{
    static const std::map<int, QStringList> elements{
        {2, {QStringLiteral("Picture2")}}, {3, {QStringLiteral("Picture2")}}, {4, {QStringLiteral("Picture2")}},
        {5, {QStringLiteral("Picture2")}}, {6, {QStringLiteral("Picture2")}},
        {7, {QStringLiteral("Picture6"), QStringLiteral("Picture12")}}, {8, {QStringLiteral("Picture6")}}};
    const int lab = w->formName() == QLatin1String("Form4")   ? 5
                    : w->formName() == QLatin1String("Form5") ? 6
                    : w->formName() == QLatin1String("Form6") ? 4
                                                              : w->formName().mid(4).toInt();
    QSet<QWidget *> found;
    for (QWidget *c : w->form()->findChildren<QWidget *>()) {
        if (!c->isVisible() || !c->isEnabled())
            continue;
        if (auto *a = qobject_cast<ClickArea *>(c)) {
            if (a->parentWidget()->rect().intersects(a->geometry()))
                found.insert(c);
        } else if (qobject_cast<QLineEdit *>(c)) {
            found.insert(c);
        } else if (qobject_cast<QPushButton *>(c)) {
            if (c->objectName() != QLatin1String(w->frame().cancelButton))
                found.insert(c);
        } else if (auto *box = qobject_cast<PictureBox *>(c)) {
            const auto it = elements.find(lab);
            if (box->instrument() || (it != elements.end() && it->second.contains(box->objectName())))
                found.insert(c);
        }
    }
    return found;
}

} // namespace

class TestLabKeyboard : public QObject {
    Q_OBJECT

    BenchFixture f;

    static void labsAndLanguages_data()
    {
        QTest::addColumn<int>("lab");
        QTest::addColumn<int>("language");
        LabTable::ForEach([]<class Lab>() {
            for (int language : {1, 2})
                QTest::newRow(qPrintable(QStringLiteral("lab %1 %2").arg(Lab::kNumber).arg(language == 1 ? "en" : "ru")))
                    << Lab::kNumber << language;
        });
    }

private Q_SLOTS:
    void initTestCase() { InstallFontSubstitutes(); }
    void cleanup() { f.Close(); }

    void tabReachesEveryControlOnce_data() { labsAndLanguages_data(); }
    void tabReachesEveryControlOnce()
    {
        QFETCH(int, lab);
        QFETCH(int, language);
        // The stops of each lab, counted on its design tables.
        static const std::map<int, int> stops{{1, 30}, {2, 33}, {3, 33}, {4, 39},
                                              {5, 49}, {6, 54}, {7, 35}, {8, 49}};
        LabWindow *w = f.Open(lab);
        QVERIFY(w);
        SwitchLanguage(w, language);
        bool cycled = false;
        const QList<QWidget *> forward = Walk(w, Qt::Key_Tab, &cycled);
        QVERIFY2(cycled, "Tab does not come back to where it began");
        if (qEnvironmentVariableIsSet("TAB_ORDER_DEBUG")) {
            QStringList names;
            for (QWidget *c : forward)
                names << NameOf(c) + QLatin1Char('=') + AccessibleName(c);
            qInfo().noquote() << names.join(QStringLiteral(" | "));
        }
        QWidget *form = w->form();
        for (QWidget *c : forward) {
            const QString name = NameOf(c);
            QVERIFY2(c->window() == form, qPrintable(name + QStringLiteral(" is in another window")));
            QVERIFY2(c->objectName() != QLatin1String(w->frame().cancelButton), "the hidden cancel button took the focus");
            QVERIFY2(c->isVisible() && !c->visibleRegion().isEmpty(), qPrintable(name + QStringLiteral(" is hidden")));
            const QRect onForm(c->mapTo(form, QPoint(0, 0)), c->size());
            QVERIFY2(form->rect().intersects(onForm), qPrintable(name + QStringLiteral(" is off the window")));
            QVERIFY2(!AccessibleName(c).trimmed().isEmpty(), qPrintable(name + QStringLiteral(" has no name")));
        }
        const QSet<QWidget *> reached(forward.begin(), forward.end());
        const QSet<QWidget *> expected = Interactive(w);
        for (QWidget *c : expected)
            QVERIFY2(reached.contains(c), qPrintable(NameOf(c) + QStringLiteral(" is never reached")));
        for (QWidget *c : reached)
            QVERIFY2(expected.contains(c), qPrintable(NameOf(c) + QStringLiteral(" is no control of the bench")));
        QCOMPARE(int(forward.size()), stops.at(lab));

        // Shift+Tab goes the same way back.
        const QList<QWidget *> back = Walk(w, Qt::Key_Backtab, &cycled);
        QVERIFY(cycled);
        QCOMPARE(back.size(), forward.size());
        const qsizetype start = forward.indexOf(back.first());
        QVERIFY(start >= 0);
        for (qsizetype k = 0; k < back.size(); ++k)
            QCOMPARE(NameOf(back[k]), NameOf(forward[(start - k + forward.size()) % forward.size()]));
    }

    void instrumentsSayWhatTheyShow_data() { labsAndLanguages_data(); }
    void instrumentsSayWhatTheyShow()
    {
        QFETCH(int, lab);
        QFETCH(int, language);
        LabWindow *w = f.Open(lab);
        QVERIFY(w);
        SwitchLanguage(w, language);
        // Busy enough that the meters read something: every switch closed.
        for (int k = 0; k < 30; ++k)
            if (ClickArea *a = f.Area(k); a && a->describe().isSwitch() && a->describe().closed == 0)
                f.ClickHotspot(k);
        f.Ticks(40);
        int instruments = 0;
        for (PictureBox *box : w->form()->findChildren<PictureBox *>()) {
            QAccessibleInterface *a = Accessible(box);
            QVERIFY(a);
            const QString name = NameOf(box);
            if (auto *meter = qobject_cast<Pribor *>(box->instrument())) {
                ++instruments;
                QCOMPARE(a->role(), QAccessible::ProgressBar);
                QAccessibleValueInterface *v = a->valueInterface();
                QVERIFY2(v, qPrintable(name));
                const InstrumentReading r = meter->Reading();
                QCOMPARE(v->currentValue().toDouble(), r.value);
                QCOMPARE(v->maximumValue().toDouble(), r.range);
                const QString text = a->text(QAccessible::Description);
                QVERIFY2(text.contains(SpokenUnit(r.unit, SpokenLanguage())), qPrintable(name + QLatin1Char(' ') + text));
                QCOMPARE(a->text(QAccessible::Value), text);
            } else if (auto *knob = qobject_cast<Switcher *>(box->instrument())) {
                ++instruments;
                QCOMPARE(a->role(), QAccessible::Dial);
                QAccessibleValueInterface *v = a->valueInterface();
                QVERIFY2(v, qPrintable(name));
                QCOMPARE(v->currentValue().toInt(), qRound(knob->Value()));
                QCOMPARE(v->minimumValue().toInt(), 1);
                QCOMPARE(v->maximumValue().toInt(), knob->Polojenii());
                QVERIFY2(!a->text(QAccessible::Description).isEmpty(), qPrintable(name));
            } else if (auto *display = qobject_cast<Znak *>(box->instrument())) {
                ++instruments;
                QAccessibleValueInterface *v = a->valueInterface();
                QVERIFY2(v, qPrintable(name));
                const InstrumentReading r = display->Reading();
                if (r.showsNumber())
                    QCOMPARE(v->currentValue().toDouble(), r.value);
                else
                    QVERIFY(!v->currentValue().isValid());
                QVERIFY2(a->text(QAccessible::Description).startsWith(display->SpokenName()), qPrintable(name));
            }
            if (box->instrument())
                QVERIFY2(!a->text(QAccessible::Name).isEmpty(), qPrintable(name));
        }
        QVERIFY(instruments > 0);
    }

    // The figures of lab 2 at full voltage, read aloud in both languages:
    // V1 258.65 V on its 750 V range, the K-50 ammeter 0.966 A on 5 A.
    void lab2ReadAloud_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("v1");
        QTest::addColumn<QString>("ammeter");
        QTest::addColumn<QString>("ammeterName");
        QTest::addColumn<QString>("currentRange");
        QTest::newRow("English") << 1 << QStringLiteral("V1: 259 V, range 750 V")
                                 << QStringLiteral("K-50 A: 0.97 A, range 5 A") << QStringLiteral("K-50 ammeter")
                                 << QStringLiteral("2.5 A");
        QTest::newRow("Russian") << 2 << QStringLiteral("V1: 259 В, предел 750 В")
                                 << QStringLiteral("К-50 A: 0,97 А, предел 5 А")
                                 << QStringLiteral("Амперметр комплекса К-50") << QStringLiteral("2,5 А");
    }
    void lab2ReadAloud()
    {
        QFETCH(int, language);
        QFETCH(QString, v1);
        QFETCH(QString, ammeter);
        QFETCH(QString, ammeterName);
        QFETCH(QString, currentRange);
        LabWindow *w = f.Open(2);
        QVERIFY(w);
        SwitchLanguage(w, language);
        f.FullVoltage({0}, 200);
        QCOMPARE(AccessibleDescription(f.Control(QStringLiteral("Picture3"))), v1);
        QCOMPARE(AccessibleDescription(f.Control(QStringLiteral("Picture7"))), ammeter);
        QCOMPARE(AccessibleName(f.Control(QStringLiteral("Picture7"))), ammeterName);
        // The design caption "2,5 А" has a Cyrillic A in every language.
        QCOMPARE(AccessibleName(f.Button(QStringLiteral("Command2"), 1)), currentRange);
    }

    // A language switch renames what was read in the other language.
    void languageSwitchRenames()
    {
        LabWindow *w = f.Open(2);
        QVERIFY(w);
        QWidget *breaker = f.Area(0);
        QCOMPARE(AccessibleName(breaker), QStringLiteral("Breaker SF"));
        QCOMPARE(AccessibleName(f.Area(4)), QStringLiteral("Inductive coil, variant 1"));
        QCOMPARE(AccessibleName(f.Control(QStringLiteral("Picture12"))), QStringLiteral("Voltage regulator"));
        QCOMPARE(AccessibleName(f.Box(QStringLiteral("Text1"))), QStringLiteral("C (µF)"));
        const QString englishTip = AccessibleDescription(breaker);
        w->MnuRussian_Click();
        QCOMPARE(AccessibleName(breaker), QStringLiteral("Автоматический выключатель SF"));
        QCOMPARE(AccessibleName(f.Area(4)), QStringLiteral("Катушка индуктивности, вариант 1"));
        QCOMPARE(AccessibleName(f.Control(QStringLiteral("Picture12"))), QStringLiteral("Регулятор напряжения"));
        QCOMPARE(AccessibleName(f.Box(QStringLiteral("Text1"))), QStringLiteral("C (мкФ)"));
        QVERIFY(AccessibleDescription(breaker) != englishTip);
        w->MnuEnglish_Click();
        QCOMPARE(AccessibleName(breaker), QStringLiteral("Breaker SF"));
    }

    // Lab 2 by keys alone (breaker, regulator to the top, a variant, a
    // capacitance) and by mouse: the same model.
    void keyboardRunEqualsMouseRun()
    {
        auto *w = f.Open<Lab2Window>(2);
        QVERIFY(w);
        f.ClickHotspot(0);
        for (int k = 0; k < 12; ++k)
            f.ClickKnob(QStringLiteral("Picture12"), Qt::RightButton);
        f.ClickKnob(QStringLiteral("Picture9"), Qt::LeftButton);
        f.ClickKnob(QStringLiteral("Picture9"), Qt::LeftButton);
        f.TypeInto(QStringLiteral("Text1"), QStringLiteral("47"));
        f.Ticks(100);
        const Quantities byMouse = w->ModelResults();
        const auto mouseSwitches = w->Model().SwitchState;
        QCOMPARE(mouseSwitches[SinglePhaseCircuit::kBreaker], std::int16_t(1));
        QCOMPARE(mouseSwitches[SinglePhaseCircuit::kStep], std::int16_t(12));
        QCOMPARE(mouseSwitches[CoilCapacitorCircuit::kVariant], std::int16_t(3));
        f.Close();

        w = f.Open<Lab2Window>(2);
        QVERIFY(w);
        QVERIFY(TabTo(w, QStringLiteral("Image1(0)")));
        Press(w, Qt::Key_Space);
        QVERIFY(TabTo(w, QStringLiteral("Picture12")));
        for (int k = 0; k < 12; ++k)
            Press(w, Qt::Key_Right);
        QVERIFY(TabTo(w, QStringLiteral("Picture9")));
        Press(w, Qt::Key_Left);
        Press(w, Qt::Key_Left);
        QVERIFY(TabTo(w, QStringLiteral("Text1")));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("47"));
        f.Ticks(100);
        QCOMPARE(w->Model().SwitchState, mouseSwitches);
        const Quantities byKeys = w->ModelResults();
        QCOMPARE(byKeys.size(), byMouse.size());
        for (std::size_t k = 0; k < byKeys.size(); ++k) {
            QCOMPARE(byKeys[k].name, byMouse[k].name);
            QCOMPARE(byKeys[k].values, byMouse[k].values);
        }
    }

    // The keys on a bench: a switch toggles and a knob turns as the mouse
    // does, Home and End take a knob to its ends, the menu key opens the
    // help pop-up of the focused control, F1 the help window at its first
    // topic, and Esc closes the window.
    void keysDoWhatTheMouseDoes()
    {
        auto *w = f.Open<Lab2Window>(2);
        QVERIFY(w);
        QVERIFY(TabTo(w, QStringLiteral("Image1(1)")));
        Press(w, Qt::Key_Return);
        QCOMPARE(w->Model().SwitchState[1], std::int16_t(1));
        QCOMPARE(Accessible(f.Area(1))->role(), QAccessible::CheckBox);
        QVERIFY(Accessible(f.Area(1))->state().checked);
        Press(w, Qt::Key_Space);
        QCOMPARE(w->Model().SwitchState[1], std::int16_t(0));
        QVERIFY(!Accessible(f.Area(1))->state().checked);
        QVERIFY(!f.MenuShown());
        Press(w, Qt::Key_Menu);
        QVERIFY(f.MenuShown());
        QCOMPARE(Shell::instance().HelpKey, QStringLiteral("oS"));
        f.CloseMenu();

        QVERIFY(TabTo(w, QStringLiteral("Picture12")));
        Switcher &regulator = w->Regulator();
        QCOMPARE(regulator.Value(), 13.0f);
        Press(w, Qt::Key_Left); // anticlockwise, as the left button: nothing below min
        QCOMPARE(regulator.Value(), 13.0f);
        Press(w, Qt::Key_Up);
        QCOMPARE(regulator.Value(), 12.0f);
        Press(w, Qt::Key_Home);
        QCOMPARE(regulator.Value(), 1.0f);
        Press(w, Qt::Key_End);
        QCOMPARE(regulator.Value(), 13.0f);
        QVERIFY(w->Model().RecalcPending);
        // Help on a knob, as Shift with the right button: no turn.
        Press(w, Qt::Key_F10, Qt::ShiftModifier);
        QVERIFY(f.MenuShown());
        QCOMPARE(Shell::instance().HelpKey, QStringLiteral("oSS"));
        QCOMPARE(regulator.Value(), 13.0f);
        f.CloseMenu();

        // A range button pressed from the keyboard keeps the focus.
        QVERIFY(TabTo(w, QStringLiteral("Command2(0)")));
        Press(w, Qt::Key_Space);
        QCOMPARE(w->K50()->K50CurrentRange(), 1.0f);
        QCOMPARE(NameOf(QApplication::focusWidget()), QStringLiteral("Command2(0)"));
        QVERIFY(Accessible(f.Button(QStringLiteral("Command2"), 0))->state().checked);
        QVERIFY(!Accessible(f.Button(QStringLiteral("Command2"), 2))->state().checked);

        Press(w, Qt::Key_F1);
        QTRY_VERIFY(Shell::instance().help() && Shell::instance().help()->isVisible());
        QVERIFY(Shell::instance().HelpKey.isEmpty());
        Shell::instance().help()->close();
        w->form()->activateWindow();
        QCoreApplication::processEvents();

        Press(w, Qt::Key_Escape);
        QTRY_VERIFY(!w->isLoaded());
    }

    // The focused control is marked in blue along its edge, at its screen's
    // width of the mark.
    void focusMarkShows()
    {
        LabWindow *w = f.Open(2);
        QVERIFY(w);
        QVERIFY(TabTo(w, QStringLiteral("Command1")));
        QWidget *button = QApplication::focusWidget();
        const int k = FocusMarkWidth(button->screen()->geometry().height());
        const QImage marked = button->grab().toImage();
        const QColor edge = marked.pixelColor(marked.width() / 2, k / 2);
        QCOMPARE(edge, QColor(0, 0, 255));
        Press(w, Qt::Key_Tab);
        const QImage plain = button->grab().toImage();
        QVERIFY(plain.pixelColor(plain.width() / 2, k / 2) != QColor(0, 0, 255));
    }
};

QTEST_MAIN(TestLabKeyboard)
#include "tst_lab_keyboard.moc"
