// SPDX-License-Identifier: GPL-3.0-or-later
// The shared lab-window frame, the chooser, the help window and the about
// box, driven through a small bench that has a picture, a click area and a
// counter that survives unloading.
#include "calc/clock.h"
#include "labs/registry.h"
#include "shell/aboutbox.h"
#include "shell/chooser.h"
#include "shell/controls.h"
#include "shell/fonts.h"
#include "shell/helpwindow.h"
#include "shell/labwindow.h"
#include "shell/picturebox.h"
#include "shell/shell.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QAbstractItemView>
#include <QWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QMessageBox>
#include <QTemporaryDir>
#include <functional>
#include <vector>
#include "i18n/languagefile.h"
#include "ohmaris_version.h"

using namespace ohmaris;

namespace {

class DemoBench : public LabWindow {
public:
    explicit DemoBench(const char *name, ScalingVariant v = ScalingVariant::Plain)
        : LabWindow(LabFrame{.form = name, .cancelButton = "Command1", .scaling = v})
    {
    }
    int ticks = 0;  // window state: survives unload
    int loads = 0;
    ClickArea *area = nullptr;
    // At rest from this many ticks on (never when negative), and the times
    // the frame asked it to catch up to.
    int restFrom = -1;
    std::vector<double> caughtUp;

    bool AtRest() override { return restFrom >= 0 && ticks >= restFrom; }

protected:
    void BuildControls(QWidget *client) override
    {
        auto *pic = new PictureBox(client);
        SetDesign(pic, QStringLiteral("Picture1"), 240, 3840, 11055, 5775);
        SetDesignFont(pic, QStringLiteral("Times New Roman"), 12);
        auto *label = new QLabel(client);
        SetDesign(label, QStringLiteral("Label3(0)"), 100, 100, 1000, 300);
        SetDesignFont(label, QStringLiteral("Times New Roman"), 12);
        area = new ClickArea(pic);
        SetDesign(area, QStringLiteral("Image1(13)"), 0, 0, 600, 600);
        connect(area, &ClickArea::mouseDown, this,
                [this](Qt::MouseButton b, Qt::KeyboardModifiers) { ContextHelp(QStringLiteral("oS"), b); });
    }
    void FormLoad() override { ++loads; }
    void Timer1_Timer() override { ++ticks; }
    void CatchUp(double time) override { caughtUp.push_back(time); }
};

QRect pixels(double l, double t, double w, double h)
{
    return QRectF(l / 15, t / 15, w / 15, h / 15).toRect();
}

} // namespace

class TestFrame : public QObject {
    Q_OBJECT
private:
    DemoBench *bench = nullptr;

private Q_SLOTS:
    void init()
    {
        Shell::reset();
        Shell &shell = Shell::instance();
        shell.setMessagesShown(false);
        shell.RegisterLab(1, [this] {
            auto w = std::make_unique<DemoBench>("Form1");
            bench = w.get();
            return w;
        });
        shell.RegisterLab(5, [] { return std::make_unique<DemoBench>("Form4", ScalingVariant::ThreePhase); });
        int lang = 1;
        QVERIFY2(shell.LoadLanguage(lang), qPrintable(shell.lastLanguageError()));
    }
    void cleanup() { Shell::reset(); }

    void chooserStartsOnLabOne()
    {
        Chooser *c = Shell::instance().chooser();
        QCOMPARE(c->SelectedLab(), 0);
        QVERIFY(c->option(0)->isChecked());
        QCOMPARE(c->option(0)->palette().color(QPalette::WindowText), Chooser::HighlightColour());
        for (int i = 1; i < Chooser::LabCount; ++i)
            QCOMPARE(c->option(i)->palette().color(QPalette::WindowText), QColor(Qt::black));
        QVERIFY(c->option(0)->text().startsWith(QLatin1Char(' ')));
        QVERIFY(c->findChild<QLabel *>(QStringLiteral("lblversion"))->text().endsWith(QLatin1Char(' ') + QLatin1String(kVersionText)));
    }

    // Eight labs stand at their design places; a longer table keeps every
    // option in the band above the Exit and Next buttons (top 7320).
    void chooserOptionsFitTheFrame_data()
    {
        QTest::addColumn<int>("count");
        for (int count : {8, 9, 12})
            QTest::addRow("%d labs", count) << count;
    }
    void chooserOptionsFitTheFrame()
    {
        QFETCH(int, count);
        for (int i = 0; i < count; ++i) {
            const QRect place = Chooser::OptionPlace(i, count);
            if (count == 8)
                QCOMPARE(place, QRect(480, 2640 + 600 * i, 9615, 495));
            QVERIFY(place.height() >= 300);
            if (i > 0)
                QVERIFY(place.top() > Chooser::OptionPlace(i - 1, count).top() + Chooser::OptionPlace(i - 1, count).height());
        }
        if (count > 8)
            QVERIFY(Chooser::OptionPlace(count - 1, count).top() + Chooser::OptionPlace(count - 1, count).height() <= 7320);
    }

    void nextOpensTheChosenLab()
    {
        Chooser *c = Shell::instance().chooser();
        c->show();
        c->Option1_Click(4);
        QCOMPARE(c->option(0)->palette().color(QPalette::WindowText), QColor(Qt::black));
        c->Command2_Click();
        LabWindow *w = Shell::instance().LabWindowFor(5);
        QVERIFY(w->isLoaded());
        QCOMPARE(w->form()->objectName(), QStringLiteral("Form4"));
        QVERIFY(w->form()->isVisible());
        QVERIFY(!c->isVisible());
        // Closing the lab brings the chooser back with the same highlight.
        w->Unload();
        QVERIFY(c->isVisible());
        QCOMPARE(c->SelectedLab(), 4);
        QCOMPARE(c->option(4)->palette().color(QPalette::WindowText), Chooser::HighlightColour());
    }

    void exitAsksFirst()
    {
        Chooser *c = Shell::instance().chooser();
        c->show();
        LabWindow *w = Shell::instance().LabWindowFor(1);
        w->Load();
        c->setExitAnswerForTest(QMessageBox::Cancel);
        c->Command1_Click();
        QVERIFY(c->isVisible());
        QVERIFY(w->isLoaded());
        c->setExitAnswerForTest(QMessageBox::Ok);
        c->Command1_Click();
        QVERIFY(!c->isVisible());
        QVERIFY(!w->isLoaded());
    }

    // The confirmation's standard buttons are Qt's own texts: they follow the
    // language as the prompt does, at every switch.
    void exitBoxButtonsFollowTheLanguage_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("cancel");
        QTest::newRow("Russian") << 2 << QStringLiteral("Отмена");
        QTest::newRow("back to English") << 1 << QStringLiteral("Cancel");
    }
    void exitBoxButtonsFollowTheLanguage()
    {
        QFETCH(int, language);
        QFETCH(QString, cancel);
        Shell &shell = Shell::instance();
        int russian = 2;
        QVERIFY(shell.LoadLanguage(russian));
        QVERIFY(shell.LoadLanguage(language));
        Chooser *c = shell.chooser();
        c->show();
        QString seenCancel, seenPrompt;
        QTimer::singleShot(0, c, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return;
            seenPrompt = box->text();
            seenCancel = box->button(QMessageBox::Cancel)->text();
            box->button(QMessageBox::Cancel)->click();
        });
        c->Command1_Click();
        QCOMPARE(seenPrompt, shell.Messages.value(3));
        QCOMPARE(seenCancel, cancel);
        QVERIFY(c->isVisible());
    }

    void enterIsNextAndEscIsExit()
    {
        Chooser *c = Shell::instance().chooser();
        c->show();
        QApplication::setActiveWindow(c);
        QVERIFY(QTest::qWaitForWindowActive(c));
        c->setExitAnswerForTest(QMessageBox::Cancel);
        QTest::keyClick(c, Qt::Key_Escape);
        QVERIFY(c->isVisible());
        QTest::keyClick(c, Qt::Key_Return);
        QVERIFY(!c->isVisible());
        QVERIFY(Shell::instance().LabWindowFor(1)->isLoaded());
    }

    void restoredWindowIsMaximisedAgain()
    {
        LabWindow *w = Shell::instance().LabWindowFor(1);
        w->Show();
        QTRY_VERIFY(w->form()->windowState() & Qt::WindowMaximized);
        w->form()->showNormal();
        QTRY_VERIFY(w->form()->windowState() & Qt::WindowMaximized);
    }

    void aboutBoxIsOneWindow()
    {
        LabWindow *w = Shell::instance().LabWindowFor(1);
        w->Show();
        w->MnuHelpAvtor_Click();
        AboutBox *first = Shell::instance().about();
        w->MnuHelpAvtor_Click();
        QCOMPARE(Shell::instance().about(), first);
        const QWidgetList tops = QApplication::topLevelWidgets();
        QCOMPARE(std::count_if(tops.begin(), tops.end(),
                               [](QWidget *x) { return x->objectName() == QLatin1String("frmAbout") && x->isVisible(); }),
                 1);
        QVERIFY(first->findChild<QLabel *>(QStringLiteral("lblTitle"))->text().contains(QLatin1Char('"')));
    }

    void everyLabHasItsWindow_data()
    {
        QTest::addColumn<int>("lab");
        QTest::addColumn<QString>("form");
        QTest::addColumn<int>("interval");
        const char *forms[] = {"Form1", "Form2", "Form3", "Form6", "Form4", "Form5", "Form7", "Form8"};
        for (int lab = 1; lab <= 8; ++lab)
            QTest::addRow("lab %d", lab) << lab << QString::fromLatin1(forms[lab - 1]) << (lab >= 7 ? 50 : 30);
    }
    void everyLabHasItsWindow()
    {
        QFETCH(int, lab);
        QFETCH(QString, form);
        QFETCH(int, interval);
        RegisterLabWindows();
        Chooser *c = Shell::instance().chooser();
        c->Option1_Click(lab - 1);
        c->Command2_Click();
        LabWindow *w = Shell::instance().LabWindowFor(lab);
        QVERIFY(w->isLoaded());
        QCOMPARE(w->form()->objectName(), form);
        QCOMPARE(w->timer()->interval(), interval);
        // Title from the language file, and the shared menus.
        QCOMPARE(w->form()->windowTitle(), QLatin1Char(' ') + c->option(lab - 1)->text().trimmed());
        QVERIFY(w->form()->findChild<QAction *>(QStringLiteral("MnuHelpSpravka")));
        QCOMPARE(w->form()->findChild<QAction *>(QStringLiteral("MnuExit"))->text().remove(QLatin1Char('&')),
                 c->findChild<QPushButton *>(QStringLiteral("Command1"))->text());
        w->MnuExit_Click();
        QVERIFY(!w->isLoaded());
        QVERIFY(c->isVisible());
    }

    void loadScalesEveryControl()
    {
        LabWindow *w = Shell::instance().LabWindowFor(1);
        w->Show();
        QCOMPARE(w->form()->windowTitle().trimmed().isEmpty(), false);
        // The offscreen screen of this test is the 1024 x 768 design screen.
        QCOMPARE(w->Control(QStringLiteral("Picture1"))->geometry(), pixels(240, 3840, 11055, 5775));
        QCOMPARE(w->Control(QStringLiteral("Label3(0)"))->font().pointSizeF(), 12.0);
        // The hidden cancel button sits beyond the screen's right edge.
        QVERIFY(w->Control(QStringLiteral("Command1"))->x() >= 1024);
        QCOMPARE(bench->loads, 1);
    }

    void escClosesAndStateSurvives()
    {
        LabWindow *w = Shell::instance().LabWindowFor(1);
        w->Show();
        w->Tick();
        w->Tick();
        QApplication::setActiveWindow(w->form());
        QVERIFY(QTest::qWaitForWindowActive(w->form()));
        QTest::keyClick(w->form(), Qt::Key_Escape);
        QTRY_VERIFY(!w->isLoaded());
        QVERIFY(Shell::instance().chooser()->isVisible());
        w->Show();
        QCOMPARE(bench->loads, 2);
        QCOMPARE(bench->ticks, 2);
    }

    void timerRunsOnceActive()
    {
        LabWindow *w = Shell::instance().LabWindowFor(1);
        w->Show();
        QApplication::setActiveWindow(w->form());
        QTRY_VERIFY(w->timer()->isActive());
        QTRY_VERIFY(bench->ticks > 0);
        QCOMPARE(w->timer()->interval(), 30);
        QAction *english = w->form()->findChild<QAction *>(QStringLiteral("MnuEnglish"));
        QVERIFY(english->isChecked());
    }

    // The timer stops once a tick leaves nothing due, and stays stopped
    // until something happens to the window: a click, a key, a language
    // switch, an activation.
    void quietTimerRestsUntilInput()
    {
        LabWindow *w = Shell::instance().LabWindowFor(1);
        bench->restFrom = 3;
        w->Show();
        QApplication::setActiveWindow(w->form());
        QVERIFY(QTest::qWaitForWindowActive(w->form()));
        QTRY_VERIFY(!w->TimerRunning());
        QCOMPARE(bench->ticks, 3);
        QVERIFY(!w->timer()->isActive());
        QTest::qWait(150);
        QCOMPARE(bench->ticks, 3);

        int expected = 3;
        const std::function<void()> wakes[] = {
            [&] { QTest::mouseClick(bench->area, Qt::LeftButton); },
            [&] { QTest::keyClick(w->form()->findChild<PictureBox *>(QStringLiteral("Picture1")), Qt::Key_Space); },
            [&] { w->MnuRussian_Click(); },
        };
        for (const auto &wake : wakes) {
            wake();
            QVERIFY(w->TimerRunning());
            // One tick, after which it is at rest again.
            QTRY_VERIFY(!w->TimerRunning());
            QCOMPARE(bench->ticks, ++expected);
        }

        // Something the bench keeps busy keeps the timer running.
        bench->restFrom = -1;
        QTest::mouseClick(bench->area, Qt::LeftButton);
        QTRY_VERIFY(bench->ticks >= expected + 3);
        QVERIFY(w->TimerRunning());
        bench->restFrom = bench->ticks + 1;
        QTRY_VERIFY(!w->TimerRunning());

        // Closing stops it; the next visit starts it when the window
        // becomes active, and it rests again after a tick.
        w->Unload();
        QVERIFY(!w->TimerRunning());
        const int before = bench->ticks;
        w->Show();
        QApplication::setActiveWindow(w->form());
        QTRY_COMPARE(bench->ticks, before + 1);
        QVERIFY(!w->TimerRunning());
    }

    // On the fake clock, with the timer held: after a rest, an input makes
    // the bench catch up with the last beat it skipped, and the next tick
    // comes on the beat the timer kept since its activation.
    void wakeKeepsTheBeat()
    {
        FakeClock clock(1000.0);
        setAppClock(&clock);
        LabWindow *w = Shell::instance().LabWindowFor(1);
        w->setTimerHeld(true);
        bench->restFrom = 2;
        w->Show();
        QApplication::setActiveWindow(w->form());
        QVERIFY(QTest::qWaitForWindowActive(w->form()));
        QVERIFY(w->TimerRunning());
        QVERIFY(!w->timer()->isActive());
        const auto beat = [](int k) { return 1000.0 + double(k) * 0.03; };
        for (int k = 1; k <= 2; ++k) {
            QCOMPARE(w->NextTickTime(), beat(k));
            clock.set(beat(k));
            w->TimerTick();
        }
        QVERIFY(!w->TimerRunning());

        // Within the beat of the last tick: nothing was skipped.
        clock.set(beat(2) + 0.01);
        QTest::mouseClick(bench->area, Qt::LeftButton);
        QVERIFY(w->TimerRunning());
        QVERIFY(bench->caughtUp.empty());
        QCOMPARE(w->NextTickTime(), beat(3));
        clock.set(beat(3));
        w->TimerTick();
        QVERIFY(!w->TimerRunning());

        // Much later: the bench catches up with beat 40, the last one before
        // the click, and ticks next on beat 41.
        clock.set(beat(40) + 0.02);
        QTest::mouseClick(bench->area, Qt::LeftButton);
        QCOMPARE(bench->caughtUp, std::vector<double>{beat(40)});
        QCOMPARE(w->NextTickTime(), beat(41));
        QCOMPARE(bench->ticks, 3);
        clock.set(beat(41));
        w->TimerTick();
        QCOMPARE(bench->ticks, 4);
        QVERIFY(!w->TimerRunning());

        // An activation while at rest catches up with the old beat and starts
        // a new one from the activation.
        clock.set(1010.0);
        QApplication::setActiveWindow(nullptr);
        QApplication::setActiveWindow(w->form());
        QTRY_VERIFY(w->TimerRunning());
        QCOMPARE(bench->caughtUp.back(), beat(333));
        QCOMPARE(w->NextTickTime(), 1010.03);
        setAppClock(nullptr);
    }

    void contextHelpOpensTheElementsTopic()
    {
        LabWindow *w = Shell::instance().LabWindowFor(1);
        w->Show();
        QTest::mouseClick(bench->area, Qt::LeftButton);
        QCOMPARE(Shell::instance().HelpKey, QStringLiteral("oS"));
        QVERIFY(!w->contextMenu()->isVisible());
        Shell::instance().HelpKey.clear();
        QTest::mouseClick(bench->area, Qt::RightButton);
        QCOMPARE(Shell::instance().HelpKey, QStringLiteral("oS"));
        QTRY_VERIFY(w->contextMenu()->isVisible());
        w->contextMenu()->hide();

        w->MnuQestionWhat_Click();
        HelpWindow *h = Shell::instance().help();
        QVERIFY(h->isVisible());
        const int switchTopic = h->Combo1->currentIndex();
        QVERIFY(switchTopic > 0);
        QVERIFY(h->Combo1->currentText().startsWith(QLatin1Char('S'), Qt::CaseInsensitive));
        QCOMPARE(h->Text1->toPlainText(), h->List1.at(switchTopic));

        // The menu clears the key first: the first topic.
        w->MnuHelpSpravka_Click();
        QCOMPARE(Shell::instance().HelpKey, QString());
        QCOMPARE(h->Combo1->currentIndex(), 0);
    }

    // Help and about are owned by the lab window that opened them: the
    // window manager keeps a dialog-type window with an owner above that
    // owner; they close with it and belong to the next lab window that
    // opens them.
    void helpAndAboutAreOwnedByTheLabWindow()
    {
        LabWindow *w = Shell::instance().LabWindowFor(1);
        w->Show();
        QVERIFY(QTest::qWaitForWindowExposed(w->form()));
        w->MnuHelpSpravka_Click();
        w->MnuHelpAvtor_Click();
        QPointer<QWidget> help = Shell::instance().help();
        QPointer<QWidget> about = Shell::instance().about();
        for (QWidget *owned : {help.data(), about.data()}) {
            QVERIFY(owned->isVisible());
            QVERIFY(owned->isWindow());
            QCOMPARE(owned->windowType(), Qt::Dialog);
            QCOMPARE(owned->parentWidget(), w->form());
            QVERIFY(owned->windowHandle());
            QCOMPARE(owned->windowHandle()->transientParent(), w->form()->windowHandle());
        }
        w->MnuExit_Click();
        QTRY_VERIFY(!help && !about);

        LabWindow *other = Shell::instance().LabWindowFor(5);
        other->Show();
        QVERIFY(QTest::qWaitForWindowExposed(other->form()));
        other->MnuHelpSpravka_Click();
        QCOMPARE(Shell::instance().help()->parentWidget(), other->form());
        QCOMPARE(Shell::instance().help()->windowHandle()->transientParent(), other->form()->windowHandle());
        QCOMPARE(Shell::instance().help()->Combo1->currentIndex(), 0);
    }

    // Esc in the open topic list closes the list; Esc once more, the window.
    void escInTheOpenTopicListClosesTheList()
    {
        LabWindow *w = Shell::instance().LabWindowFor(1);
        w->Show();
        w->MnuHelpSpravka_Click();
        HelpWindow *h = Shell::instance().help();
        QVERIFY(QTest::qWaitForWindowActive(h));
        h->Combo1->showPopup();
        QTRY_VERIFY(h->Combo1->view()->isVisible());
        // Through the window system, as a key typed by the student arrives.
        QTest::keyClick(h->windowHandle(), Qt::Key_Escape);
        QTRY_VERIFY(!h->Combo1->view()->isVisible());
        QVERIFY(h->isVisible());
        // The offscreen platform does not hand the activation back when a
        // list closes; a window system does.
        QApplication::setActiveWindow(h);
        QVERIFY(QTest::qWaitForWindowActive(h));
        QTest::keyClick(h->windowHandle(), Qt::Key_Escape);
        QTRY_VERIFY(!h->isVisible());
        QVERIFY(w->isLoaded());
    }

    // Every menu caption has an underlined letter, in both languages, none
    // shared within one menu; Alt with it opens the menu, F10 goes to the
    // first item of the bar and Esc back to the bench.
    void menusFromTheKeyboard_data()
    {
        QTest::addColumn<int>("lang");
        QTest::newRow("en") << 1;
        QTest::newRow("ru") << 2;
    }
    void menusFromTheKeyboard()
    {
        QFETCH(int, lang);
        QVERIFY(Shell::instance().LoadLanguage(lang));
        LabWindow *w = Shell::instance().LabWindowFor(1);
        w->Show();
        QApplication::setActiveWindow(w->form());
        QVERIFY(QTest::qWaitForWindowActive(w->form()));
        QMenuBar *bar = w->form()->menuBar();
        const auto checkMenu = [](const QList<QAction *> &actions, const QString &where) {
            QSet<QString> keys;
            for (QAction *a : actions) {
                if (a->isSeparator())
                    continue;
                const QString key = QKeySequence::mnemonic(a->text()).toString();
                QVERIFY2(!key.isEmpty(), qPrintable(where + QLatin1Char(' ') + a->text()));
                QVERIFY2(!keys.contains(key), qPrintable(where + QLatin1Char(' ') + a->text()));
                keys.insert(key);
            }
        };
        checkMenu(bar->actions(), QStringLiteral("menu bar"));
        for (QAction *a : bar->actions())
            if (a->menu())
                checkMenu(a->menu()->actions(), a->text());
        checkMenu(w->contextMenu()->actions(), QStringLiteral("context menu"));

        // Alt and the underlined letter open the language menu.
        QMenu *language = w->form()->findChild<QMenu *>(QStringLiteral("MnuLanguageMenu"));
        const QKeyCombination letter = QKeySequence::mnemonic(language->menuAction()->text())[0];
        const QString typed = language->menuAction()->text().section(QLatin1Char('&'), 1).left(1).toLower();
        QTest::sendKeyEvent(QTest::Click, w->form()->windowHandle(), letter.key(), typed, Qt::AltModifier);
        QTRY_VERIFY(language->isVisible());
        QTest::keyClick(language, Qt::Key_Escape);
        QTRY_VERIFY(!language->isVisible());
        QTest::keyClick(bar, Qt::Key_Escape);

        w->Control(QStringLiteral("Picture1"))->setFocus();
        QTest::keyClick(w->form()->windowHandle(), Qt::Key_F10);
        QTRY_VERIFY(bar->hasFocus());
        QCOMPARE(bar->activeAction(), w->form()->findChild<QAction *>(QStringLiteral("MnuExit")));
        QTest::keyClick(bar, Qt::Key_Escape);
        QTRY_COMPARE(QApplication::focusWidget(), w->Control(QStringLiteral("Picture1")));
        QVERIFY(w->isLoaded());
        // F10 and Enter on the first item: Exit.
        QTest::keyClick(w->form()->windowHandle(), Qt::Key_F10);
        QTRY_VERIFY(bar->hasFocus());
        QTest::keyClick(bar, Qt::Key_Return);
        QTRY_VERIFY(!w->isLoaded());
    }

    void languageSwitchReachesEveryWindow()
    {
        LabWindow *w = Shell::instance().LabWindowFor(1);
        w->Show();
        HelpWindow *h = Shell::instance().help();
        Shell::instance().HelpKey = QStringLiteral("oS");
        w->MnuQestionWhat_Click();
        const int topic = h->Combo1->currentIndex();
        const QString englishText = h->Text1->toPlainText();
        AboutBox *about = Shell::instance().about();
        const QString englishTitle = about->windowTitle();
        const QString englishNext = Shell::instance().chooser()->findChild<QPushButton *>(QStringLiteral("Command2"))->text();
        const QString englishForm = w->form()->windowTitle();

        w->MnuRussian_Click();
        QCOMPARE(Shell::instance().CurrentLanguage, 2);
        QVERIFY(w->form()->findChild<QAction *>(QStringLiteral("MnuRussian"))->isChecked());
        QCOMPARE(h->Combo1->currentIndex(), topic);
        QVERIFY(h->Text1->toPlainText() != englishText);
        QVERIFY(about->windowTitle() != englishTitle);
        QVERIFY(Shell::instance().chooser()->findChild<QPushButton *>(QStringLiteral("Command2"))->text() != englishNext);
        QVERIFY(w->form()->windowTitle() != englishForm);
    }

    void failedSwitchKeepsTheLanguage()
    {
        QTemporaryDir empty;
        LabWindow *w = Shell::instance().LabWindowFor(1);
        w->Show();
        const QString title = w->form()->windowTitle();
        SetLanguageDirectoryOverride(empty.path());
        w->MnuRussian_Click();
        SetLanguageDirectoryOverride(QString());
        QCOMPARE(Shell::instance().CurrentLanguage, 1);
        QCOMPARE(w->form()->windowTitle(), title);
        QVERIFY(Shell::instance().lastLanguageError().contains(QLatin1String("Rus.txt")));
        QVERIFY(w->form()->findChild<QAction *>(QStringLiteral("MnuEnglish"))->isChecked());
    }

    void startingLanguageFollowsTheSystem()
    {
        QCOMPARE(Shell::StartingLanguage(QLocale(QLocale::Russian, QLocale::Russia)), 2);
        QCOMPARE(Shell::StartingLanguage(QLocale(QLocale::Russian, QLocale::Ukraine)), 2);
        QCOMPARE(Shell::StartingLanguage(QLocale(QLocale::English, QLocale::UnitedStates)), 1);
        QCOMPARE(Shell::StartingLanguage(QLocale(QLocale::German, QLocale::Germany)), 1);
    }

    void languageNumberIsClamped()
    {
        int lang = 7;
        QVERIFY(Shell::instance().LoadLanguage(lang));
        QCOMPARE(lang, 2);
        lang = 0;
        QVERIFY(Shell::instance().LoadLanguage(lang));
        QCOMPARE(lang, 1);
    }
};

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    InstallFontSubstitutes();
    TestFrame t;
    return QTest::qExec(&t, argc, argv);
}
#include "tst_frame.moc"
