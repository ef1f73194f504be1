// SPDX-License-Identifier: GPL-3.0-or-later
// The random-input driver: the events it makes and the checks it runs.
#include "monkey.h"

#include "instruments/pribor.h"
#include "instruments/switcher.h"
#include "instruments/znak.h"
#include "labs/labtable.h"
#include "labs/registry.h"
#include "shell/aboutbox.h"
#include "shell/chooser.h"
#include "shell/controls.h"
#include "shell/helpwindow.h"
#include "shell/labwindow.h"
#include "shell/picturebox.h"
#include "shell/shell.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QRadioButton>
#include <QTest>
#include <QTextStream>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <malloc.h>
#include <unistd.h>

namespace ohmaris::monkey {

namespace {

// Where the present run collects Qt's warnings.
QStringList *g_messages = nullptr;
QtMessageHandler g_previous = nullptr;

void CollectMessage(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    // The headless platform says so when a window asks for what only a
    // window system has (raising a window, size hints): not the program's.
    if (type == QtWarningMsg && text.startsWith(QLatin1String("This plugin does not support")))
        return;
    if (g_messages && (type == QtWarningMsg || type == QtCriticalMsg || type == QtFatalMsg))
        g_messages->append(QStringLiteral("Qt %1: %2")
                               .arg(type == QtWarningMsg ? QStringLiteral("warning") : QStringLiteral("critical"), text));
    if (g_previous && type == QtFatalMsg)
        g_previous(type, context, text);
}

// "Form2/Image1(3)": where a control is, for the messages.
QString NameOf(const QObject *o)
{
    if (!o)
        return QStringLiteral("(none)");
    const QWidget *w = qobject_cast<const QWidget *>(o);
    const QString own = o->objectName().isEmpty() ? QString::fromLatin1(o->metaObject()->className()) : o->objectName();
    if (w && w->window() && w->window() != w)
        return w->window()->objectName() + QLatin1Char('/') + own;
    return own;
}

bool Usable(const QWidget *w)
{
    return w && w->isVisible() && w->isEnabled() && w->width() > 0 && w->height() > 0;
}

// What a student can click on a window: the schematic's click areas,
// knobs, meters and pictures, buttons, option buttons and entry boxes.
bool Clickable(QWidget *w)
{
    return Usable(w)
           && (qobject_cast<ClickArea *>(w) || qobject_cast<PictureBox *>(w) || qobject_cast<QAbstractButton *>(w)
               || qobject_cast<ParamBox *>(w));
}

template <class T> QList<T *> UsableChildren(QWidget *root)
{
    QList<T *> found;
    if (!root)
        return found;
    for (T *w : root->findChildren<T *>())
        if (Usable(w))
            found.append(w);
    return found;
}

QWidget *TopLevel(const char *className)
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->inherits(className))
            return w;
    return nullptr;
}

// Keys a student may press in a box: digits, letters, the separators, the
// signs, the editing keys and the clipboard shortcuts.
struct KeyPress {
    Qt::Key key;
    const char16_t *text;
    Qt::KeyboardModifiers modifiers;
};
const KeyPress kKeys[] = {
    {Qt::Key_0, u"0", {}},        {Qt::Key_1, u"1", {}},        {Qt::Key_2, u"2", {}},
    {Qt::Key_3, u"3", {}},        {Qt::Key_4, u"4", {}},        {Qt::Key_5, u"5", {}},
    {Qt::Key_6, u"6", {}},        {Qt::Key_7, u"7", {}},        {Qt::Key_8, u"8", {}},
    {Qt::Key_9, u"9", {}},        {Qt::Key_0, u"0", {}},        {Qt::Key_9, u"9", {}},
    {Qt::Key_Comma, u",", {}},    {Qt::Key_Period, u".", {}},   {Qt::Key_Minus, u"-", {}},
    {Qt::Key_Plus, u"+", {}},     {Qt::Key_Space, u" ", {}},    {Qt::Key_E, u"e", {}},
    {Qt::Key_A, u"a", {}},        {Qt::Key_Z, u"Z", Qt::ShiftModifier},
    {Qt::Key_unknown, u"\u0436", {}}, // a Cyrillic letter
    {Qt::Key_Backspace, u"", {}}, {Qt::Key_Backspace, u"", {}}, {Qt::Key_Delete, u"", {}},
    {Qt::Key_Left, u"", {}},      {Qt::Key_Right, u"", {}},     {Qt::Key_Home, u"", {}},
    {Qt::Key_End, u"", {}},       {Qt::Key_Return, u"\r", {}},  {Qt::Key_Tab, u"\t", {}},
    {Qt::Key_V, u"", Qt::ControlModifier},  {Qt::Key_Insert, u"", Qt::ShiftModifier},
    {Qt::Key_C, u"", Qt::ControlModifier},  {Qt::Key_X, u"", Qt::ControlModifier},
    {Qt::Key_A, u"", Qt::ControlModifier},  {Qt::Key_Z, u"", Qt::ControlModifier},
    {Qt::Key_Delete, u"", Qt::ShiftModifier}, {Qt::Key_Insert, u"", Qt::ControlModifier},
};

QString KeyName(const KeyPress &k)
{
    QString name = QKeySequence(int(k.modifiers) | int(k.key)).toString();
    if (k.key == Qt::Key_unknown)
        name = QString::fromUtf16(k.text);
    return name;
}

} // namespace

QStringList LabWindowNames()
{
    QStringList names;
    for (const LabFrame &frame : LabTable::kFrames)
        names << QLatin1String(frame.form);
    return names;
}

int LabOfWindow(const QString &window)
{
    return int(LabWindowNames().indexOf(window)) + 1;
}

Monkey::Monkey(Options options) : m_options(std::move(options)), m_random(m_options.seed)
{
    m_lab = LabOfWindow(m_options.window);
    g_messages = &m_pending;
    g_previous = qInstallMessageHandler(CollectMessage);
}

Monkey::~Monkey()
{
    Stop();
    qInstallMessageHandler(g_previous);
    g_messages = nullptr;
}

int Monkey::Below(int n)
{
    return n <= 1 ? 0 : int(m_random() % std::uint64_t(n));
}

bool Monkey::Chance(int percent)
{
    return Below(100) < percent;
}

long Monkey::ResidentKiB()
{
    FILE *f = std::fopen("/proc/self/statm", "r");
    if (!f)
        return 0;
    long size = 0, resident = 0;
    const int read = std::fscanf(f, "%ld %ld", &size, &resident);
    std::fclose(f);
    return read == 2 ? resident * (sysconf(_SC_PAGESIZE) / 1024) : 0;
}

long Monkey::HeapInUseKiB()
{
    const struct mallinfo2 m = mallinfo2();
    return long((m.uordblks + m.hblkhd) / 1024);
}

QString Monkey::ReplayCommand(long event) const
{
    QString c = QStringLiteral("ohmaris-monkey --seed %1 --events %2").arg(m_options.seed).arg(event);
    if (!m_options.window.isEmpty())
        c += QStringLiteral(" --window ") + m_options.window;
    if (m_options.keysOnly)
        c += QStringLiteral(" --keys-only");
    return c + QStringLiteral(" --trace-from %1").arg(std::max(1L, event - 10));
}

void Monkey::Start()
{
    Shell::reset();
    setAppClock(&m_clock);
    Shell &shell = Shell::instance();
    // A message box would wait for an answer no one gives; the errors are
    // kept (and a failed language load is a failure of the run).
    shell.setMessagesShown(false);
    int language = 1 + Below(2);
    if (!shell.LoadLanguage(language))
        Fail(QStringLiteral("language %1 did not load: %2").arg(language).arg(shell.lastLanguageError()));
    RegisterLabWindows();
    shell.ShowChooser();
    // With one window to work, its option is the chosen one from the start,
    // so Next never opens another.
    if (m_lab)
        shell.chooser()->Option1_Click(m_lab - 1);
    m_clipboard = QStringLiteral("ohmaris-monkey %1 %2").arg(m_options.seed).arg(m_event);
    m_pendingLab = nullptr;
    m_pendingTicks = 0;
    QGuiApplication::clipboard()->setText(m_clipboard);
    Settle();
}

void Monkey::Stop()
{
    Shell::reset();
    setAppClock(nullptr);
}

void Monkey::Settle()
{
    // The windows' own timers never run: the driver ticks the shown bench
    // on its fake clock, so a run does not depend on how fast it goes.
    for (LabWindow *w : Shell::instance().labWindows())
        w->setTimerHeld(true);
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

LabWindow *Monkey::ShownLab() const
{
    for (LabWindow *w : Shell::instance().labWindows())
        if (w->isLoaded() && w->form()->isVisible())
            return w;
    return nullptr;
}

int Monkey::Run()
{
    QTextStream out(stdout);
    auto say = [&](const QString &line) {
        if (print) {
            print(line);
        } else {
            out << line << '\n';
            out.flush();
        }
    };
    m_event = 0;
    Start();
    const long residentStart = ResidentKiB();
    say(QStringLiteral("seed %1, %2 events, %3%4; resident memory at start %5 KiB")
            .arg(m_options.seed)
            .arg(m_options.events)
            .arg(m_options.window.isEmpty() ? QStringLiteral("every window") : m_options.window,
                 m_options.keysOnly ? QStringLiteral(", keys only") : QString())
            .arg(residentStart));
    QElapsedTimer elapsed;
    elapsed.start();
    for (m_event = 1; m_event <= m_options.events; ++m_event) {
        m_pending.clear();
        const QString what = Event();
        Settle();
        if (afterEvent)
            afterEvent(m_event);
        if (m_options.traceFrom >= 0 && m_event >= m_options.traceFrom)
            say(QStringLiteral("event %1: %2").arg(m_event).arg(what));
        Check("after the event");
        // Time passes between inputs: one to three ticks of the bench.
        if (m_pending.isEmpty())
            if (LabWindow *lab = ShownLab())
                for (int k = 1 + Below(3); k > 0 && m_pending.isEmpty(); --k)
                    Tick(lab);
        ++m_done;
        // Resident memory at each tenth of the run: it must level off once
        // every window and cache has been made, and not grow after that.
        if (m_options.events >= 10 && m_event % (m_options.events / 10) == 0)
            say(QStringLiteral("at event %1: resident memory %2 KiB, heap in use %3 KiB")
                    .arg(m_event)
                    .arg(ResidentKiB())
                    .arg(HeapInUseKiB()));
        if (!m_pending.isEmpty()) {
            m_failures.push_back({m_event, m_pending.join(QStringLiteral("; "))});
            say(QStringLiteral("failure at event %1 (seed %2): %3").arg(m_event).arg(m_options.seed).arg(m_failures.back().what));
            say(QStringLiteral("  last event: %1").arg(what));
            say(QStringLiteral("  replay: %1").arg(ReplayCommand(m_event)));
            m_pending.clear();
            Start();
        }
    }
    m_seconds = elapsed.elapsed() / 1000.0;
    say(QStringLiteral("%1 events in %2 s (%3 events per second); resident memory at start %4 KiB, at end %5 KiB")
            .arg(m_done)
            .arg(m_seconds, 0, 'f', 1)
            .arg(m_seconds > 0 ? double(m_done) / m_seconds : 0.0, 0, 'f', 0)
            .arg(residentStart)
            .arg(ResidentKiB()));
    if (m_options.keysOnly) {
        say(QStringLiteral("keyboard: %1 controls in the lab windows shown, %2 reached by Tab, %3 operated by keys")
                .arg(m_reach.controls.size())
                .arg(m_reach.reached.size())
                .arg(m_reach.operated.size()));
        QStringList missed = (m_reach.controls - m_reach.operated).values();
        missed.sort();
        if (!missed.isEmpty())
            say(QStringLiteral("keyboard: not operated: ") + missed.mid(0, 12).join(QStringLiteral(", "))
                + (missed.size() > 12 ? QStringLiteral(" ...") : QString()));
    }
    say(QStringLiteral("%1 events, %2 failures").arg(m_done).arg(m_failures.size()));
    Stop();
    return int(m_failures.size());
}

QString Monkey::Event()
{
    if (m_options.keysOnly)
        return KeyEvent();
    if (QWidget *popup = QApplication::activePopupWidget())
        return PopupEvent(popup);
    LabWindow *lab = ShownLab();
    Chooser *chooser = Shell::instance().chooser();
    if (!lab && !chooser->isVisible()) {
        Start();
        return QStringLiteral("the program started again");
    }
    if (QWidget *help = TopLevel("ohmaris::HelpWindow"); help && Chance(30))
        return HelpEvent(help);
    if (QWidget *about = TopLevel("ohmaris::AboutBox"); about && Chance(30))
        return AboutEvent(about);
    return lab ? LabEvent(lab) : ChooserEvent();
}

QString Monkey::ChooserEvent()
{
    Chooser *c = Shell::instance().chooser();
    const int r = Below(100);
    if (r < 45) {
        const int index = m_lab ? m_lab - 1 : Below(kLabCount);
        if (auto *o = c->findChild<QRadioButton *>(QStringLiteral("Option1(%1)").arg(index)))
            return Click(o, false);
        return QStringLiteral("no option %1").arg(index);
    }
    if (r < 88)
        return Click(c->findChild<QWidget *>(QStringLiteral("Command2")), false);
    const bool ok = r >= 97;
    c->setExitAnswerForTest(ok ? QMessageBox::Ok : QMessageBox::Cancel);
    if (Chance(50)) {
        QTest::keyClick(c, Qt::Key_Escape);
        return QStringLiteral("Esc in the chooser, answered %1").arg(ok ? "OK" : "Cancel");
    }
    return Click(c->findChild<QWidget *>(QStringLiteral("Command1")), false)
           + QStringLiteral(", answered %1").arg(ok ? "OK" : "Cancel");
}

QString Monkey::LabEvent(LabWindow *lab)
{
    QWidget *form = lab->form();
    const int r = Below(1000);
    if (r < 470) {
        QList<QWidget *> targets;
        for (QWidget *w : form->findChildren<QWidget *>())
            if (Clickable(w))
                targets.append(w);
        if (targets.isEmpty())
            return QStringLiteral("nothing to click on ") + NameOf(form);
        return Click(targets[Below(int(targets.size()))], true);
    }
    if (r < 730) {
        QWidget *target = QApplication::focusWidget();
        const QList<ParamBox *> boxes = UsableChildren<ParamBox>(form);
        QString how;
        if (!boxes.isEmpty() && (Chance(40) || !target || target->window() != form)) {
            how = Click(boxes[Below(int(boxes.size()))], false) + QStringLiteral(", then ");
            target = QApplication::focusWidget();
        }
        if (!target || target->window() != form)
            target = form;
        return how + TypeKey(target);
    }
    const auto trigger = [&](const char *name) {
        if (auto *a = form->findChild<QAction *>(QLatin1String(name))) {
            a->trigger();
            return QStringLiteral("menu ") + QLatin1String(name);
        }
        return QStringLiteral("no menu item ") + QLatin1String(name);
    };
    QWidget *keys = QApplication::focusWidget() && QApplication::focusWidget()->window() == form
                        ? QApplication::focusWidget()
                        : form;
    if (r < 745)
        return trigger("MnuEnglish");
    if (r < 760)
        return trigger("MnuRussian");
    if (r < 775)
        return trigger(Chance(50) ? "MnuHelpSpravka" : "MnuHelpAvtor");
    if (r < 790) {
        const Qt::Key k = Chance(50) ? Qt::Key_F1 : Qt::Key_F12;
        QTest::keyClick(keys, k);
        return QStringLiteral("%1 on %2").arg(k == Qt::Key_F1 ? "F1" : "F12", NameOf(keys));
    }
    if (r < 805) {
        QTest::keyClick(keys, Qt::Key_Escape);
        return QStringLiteral("Esc on ") + NameOf(keys);
    }
    if (r < 812)
        return trigger("MnuExit");
    if (r < 817) {
        QTest::keyClick(keys, Qt::Key_F10);
        return QStringLiteral("F10 on ") + NameOf(keys);
    }
    if (r < 900)
        return Wait(lab);
    // The pointer over a knob changes the cursor.
    const QList<PictureBox *> boxes = UsableChildren<PictureBox>(form);
    if (boxes.isEmpty())
        return Wait(lab);
    PictureBox *b = boxes[Below(int(boxes.size()))];
    const QPoint p(Below(b->width()), Below(b->height()));
    QTest::mouseMove(b, p);
    return QStringLiteral("pointer over %1 at (%2,%3)").arg(NameOf(b)).arg(p.x()).arg(p.y());
}

QString Monkey::PopupEvent(QWidget *popup)
{
    if (auto *menu = qobject_cast<QMenu *>(popup); menu && Chance(60)) {
        QList<QAction *> actions;
        for (QAction *a : menu->actions())
            if (a->isVisible() && a->isEnabled() && !a->isSeparator())
                actions.append(a);
        if (!actions.isEmpty()) {
            QAction *a = actions[Below(int(actions.size()))];
            QPointer<QMenu> alive(menu);
            const QPoint c = menu->actionGeometry(a).center();
            QTest::mousePress(menu, Qt::LeftButton, {}, c);
            if (alive)
                QTest::mouseRelease(menu, Qt::LeftButton, {}, c);
            return QStringLiteral("menu item %1 of %2").arg(NameOf(a), NameOf(menu));
        }
    }
    const Qt::Key k = Chance(70) ? Qt::Key_Escape : (Chance(50) ? Qt::Key_Down : Qt::Key_Return);
    QTest::keyClick(popup, k);
    return QStringLiteral("%1 in the pop-up %2").arg(QKeySequence(k).toString(), NameOf(popup));
}

QString Monkey::HelpEvent(QWidget *help)
{
    const int r = Below(100);
    if (r < 15) {
        QTest::keyClick(help, Qt::Key_Escape);
        return QStringLiteral("Esc in the help window");
    }
    if (r < 30)
        return Click(help->findChild<QWidget *>(QStringLiteral("Combo1")), false);
    if (r < 40) {
        help->close();
        return QStringLiteral("the help window closed");
    }
    QWidget *combo = help->findChild<QWidget *>(QStringLiteral("Combo1"));
    static const Qt::Key keys[] = {Qt::Key_Down, Qt::Key_Up, Qt::Key_PageDown, Qt::Key_Home, Qt::Key_End,
                                   Qt::Key_A, Qt::Key_K, Qt::Key_S, Qt::Key_Return};
    const Qt::Key k = keys[Below(int(std::size(keys)))];
    QTest::keyClick(combo ? combo : help, k);
    return QStringLiteral("%1 in the help window").arg(QKeySequence(k).toString());
}

QString Monkey::AboutEvent(QWidget *about)
{
    if (Chance(50))
        return Click(about->findChild<QWidget *>(QStringLiteral("cmdOK")), false);
    QTest::keyClick(about, Chance(50) ? Qt::Key_Escape : Qt::Key_Return);
    return QStringLiteral("a key in the about box");
}

QString Monkey::Click(QWidget *w, bool allowDouble)
{
    if (!w)
        return QStringLiteral("no control to click");
    const Qt::MouseButton button = Chance(70) ? Qt::LeftButton : Qt::RightButton;
    const Qt::KeyboardModifiers modifiers = Chance(20) ? Qt::ShiftModifier : Qt::NoModifier;
    const QPoint p = Chance(50) ? w->rect().center() : QPoint(Below(w->width()), Below(w->height()));
    const QString what = QStringLiteral("%1%2 click on %3 at (%4,%5)")
                             .arg(modifiers ? QStringLiteral("shift+") : QString(),
                                  button == Qt::LeftButton ? QStringLiteral("left") : QStringLiteral("right"),
                                  NameOf(w))
                             .arg(p.x())
                             .arg(p.y());
    // A press may unload the window the control belongs to; the release
    // goes only to a control that is still there.
    QPointer<QWidget> alive(w);
    const bool twice = allowDouble && Chance(5);
    QTest::mousePress(w, button, modifiers, p);
    if (alive)
        QTest::mouseRelease(w, button, modifiers, p);
    if (twice && alive) {
        QTest::mouseDClick(w, button, modifiers, p);
        return QStringLiteral("double ") + what;
    }
    return what;
}

QString Monkey::TypeKey(QWidget *target)
{
    const KeyPress &k = kKeys[Below(int(std::size(kKeys)))];
    QTest::sendKeyEvent(QTest::Click, target, k.key, QString::fromUtf16(k.text), k.modifiers);
    return QStringLiteral("key %1 into %2").arg(KeyName(k), NameOf(target));
}

QString Monkey::Wait(LabWindow *lab)
{
    // A short wait at the timer's pace, or now and then a long one in
    // coarse steps (as when the event loop stalls), long enough for the
    // breaker's delay of 8 s to run out.
    const bool longWait = Chance(30);
    const int ticks = longWait ? 20 + Below(30) : 5 + Below(30);
    const double step = longWait ? 0.3 : 0.0;
    int done = 0;
    for (; done < ticks && m_pending.isEmpty() && lab->isLoaded(); ++done)
        Tick(lab, step);
    return QStringLiteral("wait %1 ticks%2").arg(done).arg(longWait ? QStringLiteral(" of 0.3 s") : QString());
}

void Monkey::Tick(LabWindow *lab, double seconds)
{
    if (lab != m_pendingLab)
        m_pendingLab = lab, m_pendingTicks = 0;
    if (seconds <= 0)
        seconds = lab->timer() ? lab->timer()->interval() / 1000.0 : 0.03;
    m_clock.advance(seconds);
    lab->Tick();
    QCoreApplication::processEvents();
    // A tick recomputes what is due; the one that trips a breaker asks for
    // one more, which the next tick does (a trip opens the breaker, so it
    // cannot trip again at once). Due after two ticks in a row: never done.
    m_pendingTicks = lab->RecalcDue() ? m_pendingTicks + 1 : 0;
    if (m_pendingTicks >= 2)
        Fail(QStringLiteral("%1: a recomputation is still pending after two ticks").arg(lab->formName()));
    Check("after a tick");
}

// The keyboard-only driver: every event is a key the active window's
// focused control receives, as a keyboard delivers it.

QString Monkey::Key(QWidget *target, Qt::Key key, Qt::KeyboardModifiers modifiers, const QString &text)
{
    if (!target)
        return QStringLiteral("no window to type into");
    QTest::sendKeyEvent(QTest::Click, target, key, text, modifiers);
    QString name = QKeySequence(int(modifiers) | int(key)).toString();
    if (key == Qt::Key_unknown)
        name = text;
    return QStringLiteral("%1 on %2").arg(name, NameOf(target));
}

QString Monkey::KeyEvent()
{
    if (QWidget *popup = QApplication::activePopupWidget())
        return PopupKey(popup);
    LabWindow *lab = ShownLab();
    Chooser *chooser = Shell::instance().chooser();
    if (!lab && !chooser->isVisible()) {
        Start();
        return QStringLiteral("the program started again");
    }
    // The keyboard goes to the active window; with none active, the window
    // manager gives the focus to the window in front.
    QWidget *active = QApplication::activeWindow();
    if (!active || !active->isVisible()) {
        QWidget *front = TopLevel("ohmaris::AboutBox");
        if (!front)
            front = TopLevel("ohmaris::HelpWindow");
        if (!front)
            front = lab ? static_cast<QWidget *>(lab->form()) : chooser;
        front->activateWindow();
        QCoreApplication::processEvents();
        active = QApplication::activeWindow() ? QApplication::activeWindow() : front;
    }
    QWidget *focus = QApplication::focusWidget();
    if (!focus || focus->window() != active)
        focus = active;
    if (active->inherits("ohmaris::HelpWindow")) {
        static const Qt::Key keys[] = {Qt::Key_Down, Qt::Key_Up, Qt::Key_PageDown, Qt::Key_Home, Qt::Key_End,
                                       Qt::Key_A,    Qt::Key_K,  Qt::Key_S,        Qt::Key_Return, Qt::Key_Tab,
                                       Qt::Key_F1};
        // A student reads a topic or two and goes back to the bench.
        const Qt::Key k = Chance(30) ? Qt::Key_Escape : keys[Below(int(std::size(keys)))];
        const QString letter = k >= Qt::Key_A && k <= Qt::Key_Z ? QString(QChar(u'a' + (k - Qt::Key_A))) : QString();
        return Key(focus, k, Qt::NoModifier, letter) + QStringLiteral(" in the help window");
    }
    if (active->inherits("ohmaris::AboutBox")) {
        static const Qt::Key keys[] = {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Space, Qt::Key_Tab};
        const Qt::Key k = keys[Below(int(std::size(keys)))];
        return Key(focus, k, Qt::NoModifier, k == Qt::Key_Space ? QStringLiteral(" ") : QString())
               + QStringLiteral(" in the about box");
    }
    if (lab && active == lab->form())
        return LabKey(lab);
    if (active == chooser)
        return ChooserKey();
    // Another window (a message box): Esc.
    return Key(focus, Qt::Key_Escape);
}

QString Monkey::ChooserKey()
{
    Chooser *c = Shell::instance().chooser();
    const bool ok = Below(100) >= 97;
    c->setExitAnswerForTest(ok ? QMessageBox::Ok : QMessageBox::Cancel);
    QWidget *focus = QApplication::focusWidget();
    if (!focus || focus->window() != c)
        focus = c;
    // With one lab to work, the selection moves towards it.
    int wanted = -1;
    if (m_lab)
        wanted = m_lab - 1;
    int selected = -1;
    for (int i = 0; i < 8; ++i)
        if (auto *o = c->findChild<QRadioButton *>(QStringLiteral("Option1(%1)").arg(i)); o && o->isChecked())
            selected = i;
    const int r = Below(100);
    if (wanted >= 0 && selected >= 0 && selected != wanted && qobject_cast<QRadioButton *>(focus))
        return Key(focus, selected < wanted ? Qt::Key_Down : Qt::Key_Up);
    if (r < 45)
        return Key(focus, Chance(60) ? Qt::Key_Down : Qt::Key_Up);
    if (r < 85)
        return Key(focus, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    if (r < 93)
        return Key(focus, Chance(50) ? Qt::Key_Tab : Qt::Key_Backtab, Qt::NoModifier,
                   QString()) + QStringLiteral(" in the chooser");
    if (r < 97)
        return Key(focus, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" ")) + QStringLiteral(" in the chooser");
    return Key(focus, Qt::Key_Escape) + QStringLiteral(", answered %1").arg(ok ? "OK" : "Cancel");
}

QString Monkey::PopupKey(QWidget *popup)
{
    const int r = Below(100);
    const Qt::Key k = r < 45 ? Qt::Key_Escape : (r < 70 ? Qt::Key_Down : (r < 80 ? Qt::Key_Up : Qt::Key_Return));
    return Key(popup, k) + QStringLiteral(" in the pop-up");
}

QString Monkey::LabKey(LabWindow *lab)
{
    QWidget *form = lab->form();
    NoteReach(lab);
    QWidget *focus = QApplication::focusWidget();
    if (!focus || focus->window() != form)
        focus = form;
    const bool stop = focus != form && (focus->focusPolicy() & Qt::TabFocus);
    const int r = Below(1000);
    if (r < 40)
        return Key(focus, Chance(50) ? Qt::Key_F1 : Qt::Key_F12);
    if (r < 52)
        return Key(focus, Qt::Key_Escape);
    if (r < 60)
        return Key(focus, Qt::Key_F10);
    if (r < 200)
        return Wait(lab);
    // On the menu bar (F10): along it, into a menu, or back to the bench.
    if (qobject_cast<QMenuBar *>(focus)) {
        static const Qt::Key keys[] = {Qt::Key_Right, Qt::Key_Left, Qt::Key_Down, Qt::Key_Return, Qt::Key_Escape};
        return Key(focus, keys[Below(int(std::size(keys)))]) + QStringLiteral(" on the menu bar");
    }
    // A student opens a closed switch and switches a source or an
    // instrument off again before changing values (the boxes are locked
    // meanwhile on some benches): a control that is on is pressed more often.
    const auto *button = qobject_cast<BenchButton *>(focus);
    const auto *area = qobject_cast<ClickArea *>(focus);
    const bool on = (button && button->showsState() && button->isOn() && !button->objectName().contains(u'('))
                    || (area && area->describe().closed == 1);
    if (on && Chance(40)) {
        m_reach.operated.insert(NameOf(focus));
        return Key(focus, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" ")) + QStringLiteral(", which was on");
    }
    // Move on more often from a control the keys have worked already, as a
    // student exploring the bench would.
    const bool fresh = stop && !m_reach.operated.contains(NameOf(focus));
    if (!stop || Chance(fresh ? 25 : 60))
        return Key(focus, Chance(75) ? Qt::Key_Tab : Qt::Key_Backtab);
    m_reach.operated.insert(NameOf(focus));
    if (qobject_cast<ParamBox *>(focus)) {
        const KeyPress &k = kKeys[Below(int(std::size(kKeys)))];
        return Key(focus, k.key, k.modifiers, QString::fromUtf16(k.text));
    }
    struct ControlKey {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        const char16_t *text;
    };
    static const ControlKey keys[] = {
        {Qt::Key_Space, {}, u" "},  {Qt::Key_Return, {}, u"\r"}, {Qt::Key_Enter, {}, u"\r"},
        {Qt::Key_Right, {}, u""},   {Qt::Key_Up, {}, u""},       {Qt::Key_Left, {}, u""},
        {Qt::Key_Down, {}, u""},    {Qt::Key_Right, {}, u""},    {Qt::Key_Left, {}, u""},
        {Qt::Key_Home, {}, u""},    {Qt::Key_End, {}, u""},      {Qt::Key_Menu, {}, u""},
        {Qt::Key_F10, Qt::ShiftModifier, u""}, {Qt::Key_Space, {}, u" "},
    };
    const ControlKey &k = keys[Below(int(std::size(keys)))];
    return Key(focus, k.key, k.modifiers, QString::fromUtf16(k.text));
}

void Monkey::NoteReach(LabWindow *lab)
{
    for (QWidget *w : lab->TabChain())
        if (w->isVisible() && w->isEnabled())
            m_reach.controls.insert(NameOf(w));
    QWidget *focus = QApplication::focusWidget();
    if (focus && focus->window() == lab->form() && (focus->focusPolicy() & Qt::TabFocus))
        m_reach.reached.insert(NameOf(focus));
}

void Monkey::CheckFocus(LabWindow *lab)
{
    QWidget *focus = QApplication::focusWidget();
    if (!focus || !lab->isLoaded() || focus->window() != lab->form())
        return;
    NoteReach(lab);
    if (focus->objectName() == QLatin1String(lab->frame().cancelButton))
        Fail(QStringLiteral("%1: the hidden cancel button has the focus").arg(lab->formName()));
    if (!focus->isVisible() || focus->visibleRegion().isEmpty())
        Fail(QStringLiteral("%1: the focus is on %2, which is not on the screen").arg(lab->formName(), NameOf(focus)));
    if (!(focus->focusPolicy() & Qt::TabFocus))
        return;
    QAccessibleInterface *a = QAccessible::queryAccessibleInterface(focus);
    if (!a || a->text(QAccessible::Name).trimmed().isEmpty())
        Fail(QStringLiteral("%1: the focused %2 has no accessible name").arg(lab->formName(), NameOf(focus)));
}

void Monkey::Check(const char *when)
{
    if (m_options.keysOnly)
        if (LabWindow *lab = ShownLab())
            CheckFocus(lab);
    for (LabWindow *lab : Shell::instance().labWindows()) {
        for (const Quantity &q : lab->ModelResults())
            for (std::size_t k = 0; k < q.values.size(); ++k)
                if (!std::isfinite(q.values[k]))
                    Fail(QStringLiteral("%1 %2: model result %3 is %4")
                             .arg(lab->formName(), QLatin1String(when), q.isArray ? QStringLiteral("%1[%2]").arg(q.name).arg(k) : q.name)
                             .arg(q.values[k]));
        if (!lab->isLoaded())
            continue;
        for (PictureBox *box : lab->form()->findChildren<PictureBox *>()) {
            QObject *instrument = box->instrument();
            if (!instrument)
                continue;
            if (auto *m = qobject_cast<Pribor *>(instrument)) {
                const float v = m->Value();
                const meter::ValueLimits limits = meter::Limits(m->scale());
                if (!std::isfinite(v) || v < limits.low || v > limits.high)
                    Fail(QStringLiteral("%1 %2: meter reads %3, outside %4..%5")
                             .arg(NameOf(box), QLatin1String(when))
                             .arg(v)
                             .arg(limits.low)
                             .arg(limits.high));
            } else if (auto *z = qobject_cast<Znak *>(instrument)) {
                if (!znak::SameDisplay(z->display(), znak::Encode(z->GivenValue(), z->Digits())))
                    Fail(QStringLiteral("%1 %2: the display does not show %3")
                             .arg(NameOf(box), QLatin1String(when))
                             .arg(z->GivenValue()));
            } else if (auto *s = qobject_cast<Switcher *>(instrument)) {
                const float v = s->Value();
                if (!std::isfinite(v) || v < 1.0f || v > float(s->Polojenii()))
                    Fail(QStringLiteral("%1 %2: knob at position %3 of %4")
                             .arg(NameOf(box), QLatin1String(when))
                             .arg(v)
                             .arg(s->Polojenii()));
            }
        }
    }
    if (QGuiApplication::clipboard()->text() != m_clipboard) {
        Fail(QStringLiteral("%1: the clipboard was changed").arg(QLatin1String(when)));
        QGuiApplication::clipboard()->setText(m_clipboard);
    }
}

void Monkey::Fail(const QString &what)
{
    if (!m_pending.contains(what))
        m_pending.append(what);
}

} // namespace ohmaris::monkey
