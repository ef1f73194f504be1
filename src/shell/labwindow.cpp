// SPDX-License-Identifier: GPL-3.0-or-later
// Lab window frame: load, scaling, menus, context help, closing.
#include "shell/labwindow.h"

#include "calc/clock.h"
#include "instruments/instrument.h"
#include "instruments/pribor.h"
#include "shell/captions.h"
#include "shell/controls.h"
#include "shell/picturebox.h"
#include "shell/protocolactions.h"
#include "shell/shell.h"
#include "shell/spoken.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTimer>
#include <QWindowStateChangeEvent>
#include <algorithm>
#include <cmath>

#include <algorithm>
#include <cmath>
#include <functional>

namespace ohmaris {

namespace {

// F10 puts the keyboard on the menu bar, at its first item; the arrows, Enter
// and the underlined letters work there as usual. Leaving the bar (Esc, or a
// chosen item) gives the focus back to the control that had it, so Esc
// closes the window again and typing reaches the bench.
class MenuBarKeys final : public QObject {
public:
    explicit MenuBarKeys(QMainWindow *form) : QObject(form), m_bar(form->menuBar())
    {
        auto *f10 = new QShortcut(QKeySequence(Qt::Key_F10), form);
        f10->setObjectName(QStringLiteral("MenuBarKey"));
        f10->setContext(Qt::WindowShortcut);
        connect(f10, &QShortcut::activated, this, &MenuBarKeys::Enter);
        connect(m_bar, &QMenuBar::triggered, this, &MenuBarKeys::LeaveWhenDone);
        m_bar->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_bar && event->type() == QEvent::KeyPress)
            LeaveWhenDone();
        return false;
    }

private:
    void Enter()
    {
        if (m_bar->actions().isEmpty())
            return;
        if (QWidget *f = QApplication::focusWidget(); f != m_bar)
            m_before = f;
        m_bar->setFocus(Qt::MenuBarFocusReason);
        m_bar->setActiveAction(m_bar->actions().first());
    }

    // After the bar has handled the key: once nothing on it is highlighted
    // any more, the keyboard goes back.
    void LeaveWhenDone()
    {
        QTimer::singleShot(0, this, [this] {
            if (!m_bar->hasFocus() || m_bar->activeAction())
                return;
            if (m_before)
                m_before->setFocus(Qt::OtherFocusReason);
            else
                m_bar->clearFocus();
        });
    }

    QMenuBar *m_bar;
    QPointer<QWidget> m_before;
};

// Input to a lab window wakes its timer before the window handles it: a
// press, a key, the wheel, a touch, a context-menu request; and a button of
// the window clicking itself from a timer, as one pressed through the
// accessibility interface does.
class InputWatch final : public QObject {
public:
    InputWatch(LabForm *form, LabWindow *owner) : QObject(form), m_form(form), m_owner(owner)
    {
        QCoreApplication::instance()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (!watched->isWidgetType())
            return false;
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::InputMethod:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
        case QEvent::TabletPress:
        case QEvent::TabletRelease:
        case QEvent::ContextMenu:
            break;
        case QEvent::Timer:
            if (!qobject_cast<QAbstractButton *>(watched))
                return false;
            break;
        default:
            return false;
        }
        if (static_cast<QWidget *>(watched)->window() == m_form)
            m_owner->WakeTimer();
        return false;
    }

private:
    LabForm *m_form;
    LabWindow *m_owner;
};

} // namespace

// The form's central widget: the bench, the design screen scaled by the one
// factor, centred in the window; any spare width or height shows the
// window's own colour. The design screen's top edge lies under the menu bar,
// as it did on the design screen, so on a 4:3 screen the bench stands where
// it always stood. The bench's widget is cut at the window's bottom edge:
// what the design left under the menu bar's height stays out of sight.
class BenchFrame final : public QWidget {
public:
    BenchFrame(QMainWindow *form, QWidget *bench, std::function<void()> placed)
        : QWidget(form), m_form(form), m_bench(bench), m_placed(std::move(placed))
    {
        setObjectName(QStringLiteral("benchFrame"));
        bench->setParent(this);
    }

    void setFactors(ScaleFactors f)
    {
        m_factors = f;
        Place();
    }

protected:
    void resizeEvent(QResizeEvent *e) override
    {
        QWidget::resizeEvent(e);
        Place();
    }

private:
    void Place()
    {
        const QRectF area =
            BenchArea(m_form->width() * kTwipsPerPixel, m_form->height() * kTwipsPerPixel, m_factors);
        const int left = std::max(0, int(std::lround(area.left() / kTwipsPerPixel)));
        const int top = std::max(0, int(std::lround(area.top() / kTwipsPerPixel)));
        const int width = int(std::lround(area.width() / kTwipsPerPixel));
        m_bench->setGeometry(left, top, width, std::max(0, height() - top));
        m_placed();
    }

    QMainWindow *m_form;
    QWidget *m_bench;
    std::function<void()> m_placed;
    ScaleFactors m_factors;
};

LabForm::LabForm(LabWindow *owner) : QMainWindow(nullptr), m_owner(owner)
{
    setAttribute(Qt::WA_DeleteOnClose, false);
}

bool LabForm::event(QEvent *e)
{
    if (e->type() == QEvent::WindowActivate)
        m_owner->Form_Activate();
    else if (e->type() == QEvent::Show)
        m_owner->Form_Shown();
    return QMainWindow::event(e);
}

void LabForm::changeEvent(QEvent *e)
{
    QMainWindow::changeEvent(e);
    if (e->type() == QEvent::WindowStateChange)
        m_owner->Form_Resize();
}

bool LabForm::focusNextPrevChild(bool next)
{
    m_owner->ArrangeTabOrder();
    return QMainWindow::focusNextPrevChild(next);
}

void LabForm::closeEvent(QCloseEvent *e)
{
    // However the window is closed, it unloads; the object stays.
    e->ignore();
    QTimer::singleShot(0, m_owner, [o = m_owner] { o->Unload(); });
}

LabWindow::LabWindow(const LabFrame &frame, QObject *parent)
    : QObject(parent), m_frame(frame), m_formName(QLatin1String(frame.form)), m_protocol(new LabProtocol(*this))
{
}

LabWindow::~LabWindow()
{
    Discard();
}

void LabWindow::Discard()
{
    if (m_form) {
        StopTimer();
        FormUnload();
    }
    delete m_unloadedForm;
    delete m_form;
    ForgetControls();
}

void LabWindow::ForgetControls()
{
    m_client = nullptr;
    m_benchFrame = nullptr;
    m_timer = nullptr;
    m_wake = nullptr;
    m_cancel = nullptr;
    m_mnuQestion = nullptr;
    m_mnuEnglish = m_mnuRussian = nullptr;
    m_mnuProtocol = nullptr;
}

void LabWindow::Load()
{
    if (m_form)
        return;
    m_form = new LabForm(this);
    m_form->setObjectName(m_formName);
    m_client = new QWidget(m_form);
    m_client->setObjectName(QStringLiteral("client"));
    m_benchFrame = new BenchFrame(m_form, m_client, [this] { BenchPlaced(); });
    m_form->setCentralWidget(m_benchFrame);

    m_timer = new QTimer(m_form);
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setInterval(m_frame.tickMs);
    connect(m_timer, &QTimer::timeout, this, &LabWindow::TimerTick);
    m_wake = new QTimer(m_form);
    m_wake->setObjectName(QStringLiteral("TimerWake"));
    m_wake->setSingleShot(true);
    m_wake->setTimerType(Qt::PreciseTimer);
    connect(m_wake, &QTimer::timeout, this, [this] {
        m_timer->start();
        TimerTick();
    });
    m_running = m_resting = false;

    m_cancel = new QPushButton(m_client);
    SetDesign(m_cancel, QLatin1String(m_frame.cancelButton), 0, 0, 1215, 375);
    // Off the screen and never focused: Esc presses it.
    m_cancel->setFocusPolicy(Qt::NoFocus);
    Speech::Attach(m_cancel, [] { return tr("Close the lab window"); });
    connect(m_cancel, &QPushButton::clicked, this, [this] {
        QTimer::singleShot(0, this, [this] { Unload(); });
    });
    auto *esc = new QShortcut(QKeySequence(Qt::Key_Escape), m_form);
    esc->setContext(Qt::WindowShortcut);
    connect(esc, &QShortcut::activated, m_cancel, &QPushButton::click);

    BuildMenus();
    BuildControls(m_client);

    // Common load steps: captions, cover the screen, rescale, hide the
    // cancel button; then the bench's own steps.
    Shell::instance().ApplyCaptions(m_form);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    m_form->setGeometry(screen);
    ScaleControls();
    const double screenTwips = screen.width() * kTwipsPerPixel;
    const double cancelLeft =
        m_frame.cancelFarOffScreen ? 2 * screenTwips : m_cancel->width() * kTwipsPerPixel + screenTwips;
    m_cancel->move(int(cancelLeft / kTwipsPerPixel), m_cancel->y());
    FormLoad();
    // Input wakes the timer; so does a box's text or a button's click that
    // came some other way (the accessibility interface), after the fact.
    new InputWatch(m_form, this);
    for (QLineEdit *box : m_form->findChildren<QLineEdit *>())
        connect(box, &QLineEdit::textChanged, this, &LabWindow::WakeTimer);
    for (QAbstractButton *button : m_form->findChildren<QAbstractButton *>())
        connect(button, &QAbstractButton::clicked, this, &LabWindow::WakeTimer);
    PrepareKeyboard();
    Q_EMIT loaded();
}

void LabWindow::Show()
{
    Load();
    m_form->showMaximized();
    m_form->raise();
    m_form->activateWindow();
}

void LabWindow::Unload()
{
    if (!m_form || m_unloading)
        return;
    m_unloading = true;
    m_refitted = false;
    StopTimer();
    FormUnload();
    Shell::instance().ShowChooser();
    LabForm *form = m_form;
    m_form = nullptr;
    ForgetControls();
    form->hide();
    form->deleteLater();
    m_unloadedForm = form;
    m_unloading = false;
    Q_EMIT unloaded();
}

void LabWindow::BuildMenus()
{
    QMenuBar *bar = m_form->menuBar();
    auto named = [](QAction *a, const char *name) {
        a->setObjectName(QLatin1String(name));
        return a;
    };
    QAction *exit = named(bar->addAction(QStringLiteral("Exit")), "MnuExit");
    connect(exit, &QAction::triggered, this, [this] { MnuExit_Click(); });

    QMenu *language = bar->addMenu(QStringLiteral("Language"));
    language->setObjectName(QStringLiteral("MnuLanguageMenu"));
    named(language->menuAction(), "MnuLanguage");
    m_mnuEnglish = named(language->addAction(WithMnemonic(QStringLiteral("English"))), "MnuEnglish");
    m_mnuRussian = named(language->addAction(WithMnemonic(QStringLiteral("Русский"))), "MnuRussian");
    m_mnuEnglish->setCheckable(true);
    m_mnuRussian->setCheckable(true);
    connect(m_mnuEnglish, &QAction::triggered, this, [this] { MnuEnglish_Click(); });
    connect(m_mnuRussian, &QAction::triggered, this, [this] { MnuRussian_Click(); });

    BuildProtocolMenu();

    QMenu *help = bar->addMenu(QStringLiteral("Help"));
    help->setObjectName(QStringLiteral("MnuHelpMenu"));
    named(help->menuAction(), "MnuHelp");
    QAction *spravka = named(help->addAction(QStringLiteral("Help")), "MnuHelpSpravka");
    spravka->setShortcut(QKeySequence(Qt::Key_F1));
    spravka->setShortcutContext(Qt::WindowShortcut);
    connect(spravka, &QAction::triggered, this, [this] { MnuHelpSpravka_Click(); });
    named(help->addSeparator(), "MnuRazdel");
    QAction *avtor = named(help->addAction(QStringLiteral("About")), "MnuHelpAvtor");
    avtor->setShortcut(QKeySequence(Qt::Key_F12));
    avtor->setShortcutContext(Qt::WindowShortcut);
    connect(avtor, &QAction::triggered, this, [this] { MnuHelpAvtor_Click(); });
    // The shortcuts work while the menus are closed.
    m_form->addAction(spravka);
    m_form->addAction(avtor);

    m_mnuQestion = new QMenu(m_form);
    m_mnuQestion->setObjectName(QStringLiteral("MnuQestionMenu"));
    named(m_mnuQestion->menuAction(), "MnuQestion");
    QAction *what = named(m_mnuQestion->addAction(QStringLiteral("What is this?")), "MnuQestionWhat");
    connect(what, &QAction::triggered, this, [this] { MnuQestionWhat_Click(); });
    new MenuBarKeys(m_form);
    UpdateLanguageChecks();
}

QSize LabWindow::s_benchRoom;

void LabWindow::BuildProtocolMenu()
{
    m_mnuProtocol = m_form->menuBar()->addMenu(QString());
    m_mnuProtocol->setObjectName(QStringLiteral("MnuProtocolMenu"));
    m_mnuProtocol->menuAction()->setObjectName(QStringLiteral("MnuProtocol"));
    struct Item {
        const char *name;
        QKeySequence keys;
        void (LabWindow::*handler)();
    };
    const Item items[] = {
        {"MnuRecord", QKeySequence(Qt::CTRL | Qt::Key_R), &LabWindow::MnuRecord_Click},
        {"MnuShowProtocol", QKeySequence(Qt::CTRL | Qt::Key_T), &LabWindow::MnuShowProtocol_Click},
        {"MnuSaveCsv", QKeySequence(Qt::CTRL | Qt::Key_S), &LabWindow::MnuSaveCsv_Click},
        {"MnuSavePicture", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), &LabWindow::MnuSavePicture_Click},
        {"MnuPrint", QKeySequence(Qt::CTRL | Qt::Key_P), &LabWindow::MnuPrint_Click},
        {"MnuSaveScope", QKeySequence(), &LabWindow::MnuSaveScope_Click},
    };
    const bool scope = ScopeData().has_value();
    for (const Item &item : items) {
        if (!scope && item.handler == &LabWindow::MnuSaveScope_Click)
            continue;
        QAction *a = m_mnuProtocol->addAction(QString());
        a->setObjectName(QLatin1String(item.name));
        if (!item.keys.isEmpty()) {
            a->setShortcut(item.keys);
            a->setShortcutContext(Qt::WindowShortcut);
            // The keys work while the menu is closed.
            m_form->addAction(a);
        }
        // Queued: a file dialog or the print dialog must not run inside
        // the menu's own event handling.
        connect(a, &QAction::triggered, this, [this, h = item.handler] {
            QTimer::singleShot(0, this, [this, h] { (this->*h)(); });
        });
    }
    RetranslateProtocolMenu();
}

void LabWindow::RetranslateProtocolMenu()
{
    if (!m_mnuProtocol)
        return;
    m_mnuProtocol->setTitle(tr("&Protocol"));
    const struct {
        const char *name;
        QString text;
    } texts[] = {
        {"MnuRecord", tr("&Record")},
        {"MnuShowProtocol", tr("&Show protocol")},
        {"MnuSaveCsv", tr("Save as &CSV...")},
        {"MnuSavePicture", tr("Save p&icture of the window...")},
        {"MnuPrint", tr("&Print...")},
        {"MnuSaveScope", tr("Save &oscilloscope data...")},
    };
    for (const auto &t : texts)
        if (QAction *a = m_mnuProtocol->findChild<QAction *>(QLatin1String(t.name)))
            a->setText(t.text);
}

void LabWindow::ScaleControls()
{
    // The part of the screen a maximised window gets: on a desktop with a
    // panel the bench is scaled to what the panel leaves (the design keeps
    // room below the bench for a title bar and a menu bar). Where a
    // maximised lab window has shown that it gets less room than that (a
    // compositor that keeps its panel to itself), the bench is made to fit
    // that room.
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    ScaleFactors f = ScreenScale(screen.width() * kTwipsPerPixel, screen.height() * kTwipsPerPixel);
    if (!s_benchRoom.isEmpty()) {
        // The part of the design screen the bench's shown controls cover.
        QRectF used;
        for (QWidget *c : m_client->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            if (c != m_cancel && DesignRect(c).isValid() && c->isVisibleTo(m_form))
                used |= DesignRect(c);
        const float fit = FitScale(s_benchRoom.width() * kTwipsPerPixel, s_benchRoom.height() * kTwipsPerPixel, used);
        if (fit < f.ScaleX)
            f = {fit, fit};
    }
    m_benchFrame->setFactors(f);
    ScaleDesignedControls(m_client, f, m_frame.scaling);
}

bool LabWindow::BenchWhole() const
{
    if (m_client->geometry().right() >= m_benchFrame->width())
        return false;
    const QRect room = m_client->rect();
    for (QWidget *c : m_client->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        if (c != m_cancel && c->isVisibleTo(m_form) && !room.contains(c->geometry()))
            return false;
    return true;
}

void LabWindow::BenchPlaced()
{
    // The room the window manager gives a maximised window is known once
    // it is shown. A bench cut by it is loaded again, once, to fit it:
    // right after it is shown, before a student has touched it.
    if (!m_form || !m_form->isVisible() || m_unloading
        || !(m_form->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)))
        return;
    s_benchRoom = m_benchFrame->size();
    if (m_refitted || BenchWhole())
        return;
    m_refitted = true;
    QTimer::singleShot(0, this, [this] {
        if (!m_form)
            return;
        Discard();
        Show();
    });
}

double LabWindow::Period() const
{
    return m_frame.tickMs / 1000.0;
}

long long LabWindow::BeatAt(double time) const
{
    // A time on a beat (within rounding) counts as that beat; a timer
    // without an interval has no beats to skip.
    const double beats = std::floor((time - m_beatOrigin) / Period() + 1e-9);
    if (!(std::fabs(beats) < 1e15))
        return m_beat;
    return static_cast<long long>(beats);
}

double LabWindow::NextTickTime() const
{
    return m_beatOrigin + double(m_beat + 1) * Period();
}

void LabWindow::StartTimer()
{
    // As a timer started again does: a new beat from now, on a bench that
    // has caught up with the old one.
    const double now = appClock().now();
    if (m_resting)
        CatchUpTo(now);
    m_beatOrigin = now;
    m_beat = 0;
    m_running = true;
    m_resting = false;
    if (!m_held) {
        m_wake->stop();
        m_timer->start();
    }
}

void LabWindow::StopTimer()
{
    m_running = m_resting = false;
    if (m_timer) {
        m_timer->stop();
        m_wake->stop();
    }
}

void LabWindow::Rest()
{
    m_running = false;
    m_resting = true;
    m_timer->stop();
    m_wake->stop();
}

void LabWindow::TimerTick()
{
    if (!m_form)
        return;
    m_beat = std::max(m_beat + 1, BeatAt(appClock().now()));
    Timer1_Timer();
    if (m_form && AtRest())
        Rest();
}

void LabWindow::CatchUpTo(double now)
{
    const long long beat = BeatAt(now);
    if (beat <= m_beat)
        return;
    m_beat = beat;
    CatchUp(m_beatOrigin + double(beat) * Period());
}

void LabWindow::WakeTimer()
{
    if (!m_resting || !m_form)
        return;
    const double now = appClock().now();
    CatchUpTo(now);
    m_resting = false;
    m_running = true;
    if (!m_held)
        WakeOnBeat(now);
}

void LabWindow::WakeOnBeat(double now)
{
    m_wake->start(std::max(0, int(std::ceil((NextTickTime() - now) * 1000.0))));
}

void LabWindow::setTimerHeld(bool held)
{
    m_held = held;
    if (!m_timer)
        return;
    if (held) {
        m_timer->stop();
        m_wake->stop();
    } else if (m_running && !m_timer->isActive() && !m_wake->isActive()) {
        WakeOnBeat(appClock().now());
    }
}

void LabWindow::Form_Activate()
{
    if (!m_form)
        return;
    StartTimer();
    UpdateLanguageChecks();
    // The schematic takes the focus, unless the window comes back with a
    // control of its own holding it (the keyboard returns from the help
    // window to where it was).
    if (m_frame.focusPicture1)
        if (QWidget *p = Control(QStringLiteral("Picture1")); p && !m_form->focusWidget())
            p->setFocus();
}

void LabWindow::Form_Shown()
{
    // A Wayland compositor decides by itself whether a new window gets the
    // focus (a headless one never gives it): the bench runs once it is
    // shown, so its meters move even if it has not been activated yet.
    if (m_form && !m_running && !m_resting)
        StartTimer();
}

void LabWindow::Form_Resize()
{
    if (!m_form || !m_frame.keepMaximised)
        return;
    const Qt::WindowStates st = m_form->windowState();
    if (!(st & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen)) && m_form->isVisible())
        QTimer::singleShot(0, m_form, [f = m_form] { f->showMaximized(); });
}

void LabWindow::UpdateLanguageChecks()
{
    if (!m_mnuEnglish)
        return;
    const int lang = Shell::instance().CurrentLanguage;
    m_mnuEnglish->setChecked(lang == 1);
    m_mnuRussian->setChecked(lang == 2);
}

std::vector<InstrumentReading> LabWindow::Readings() const
{
    std::vector<InstrumentReading> out;
    if (!m_form)
        return out;
    for (const PictureBox *box : m_form->findChildren<PictureBox *>())
        if (const auto *instrument = qobject_cast<const Instrument *>(box->instrument()))
            out.push_back(instrument->Reading());
    AppendReadings(out);
    return out;
}

bool LabWindow::PointersMoving() const
{
    if (RecalcDue())
        return true;
    if (!m_form)
        return false;
    for (const PictureBox *box : m_form->findChildren<PictureBox *>())
        if (const auto *meter = qobject_cast<const Pribor *>(box->instrument()); meter && !meter->AtRest())
            return true;
    return false;
}

void LabWindow::ContextHelp(const QString &key, Qt::MouseButton button, bool allowPopup)
{
    Shell::instance().HelpKey = key;
    if (button != Qt::RightButton || !allowPopup || !m_mnuQestion)
        return;
    // Asked from the keyboard: under the control, its item ready for Enter.
    if (QWidget *control = KeyboardPress::Control()) {
        m_mnuQestion->popup(control->mapToGlobal(QPoint(0, control->height())));
        if (!m_mnuQestion->actions().isEmpty())
            m_mnuQestion->setActiveAction(m_mnuQestion->actions().first());
        return;
    }
    m_mnuQestion->popup(QCursor::pos());
}

void LabWindow::HelpOnPress(PictureBox *box, const QString &key)
{
    if (!box)
        return;
    SetHelpKey(box, key);
    connect(box, &PictureBox::mouseDown, this,
            [this, key](Qt::MouseButton b, Qt::KeyboardModifiers, QPointF) { ContextHelp(key, b); });
}

namespace {

// Whether a box below it carries the same help key: a housing whose
// screen or display stands for it (its caption labels do not).
bool HelpKeyBelow(const QWidget *w, const QString &key)
{
    for (const PictureBox *c : w->findChildren<PictureBox *>())
        if (HelpKeyOf(c) == key)
            return true;
    return false;
}

// Whether Tab stops at a control: every entry box and button, every
// instrument, every other box with a help topic of its own. Click areas
// are reached while they lie over their schematic (ClickAreas::Place).
bool TabStop(const QWidget *w)
{
    if (qobject_cast<const QLineEdit *>(w) || qobject_cast<const QAbstractButton *>(w))
        return true;
    if (const auto *box = qobject_cast<const PictureBox *>(w)) {
        if (box->instrument())
            return true;
        const QString key = HelpKeyOf(box);
        return !key.isEmpty() && !HelpKeyBelow(box, key);
    }
    return false;
}

} // namespace

void LabWindow::PrepareKeyboard()
{
    if (!m_client)
        return;
    if (auto *schematic = Control<PictureBox>(QStringLiteral("Picture1")); schematic && !Speech::Of(schematic))
        Speech::Attach(schematic, [] { return tr("Schematic"); });
    // The words given while the controls were built, now that the captions
    // they quote (a box's unit) are written.
    Speech::RefreshAll(m_form);
    for (QWidget *w : m_client->findChildren<QWidget *>()) {
        if (qobject_cast<ClickArea *>(w))
            continue;
        const bool click = w->focusPolicy() & Qt::ClickFocus;
        Qt::FocusPolicy policy;
        if (w != m_cancel && TabStop(w))
            policy = click ? Qt::StrongFocus : Qt::TabFocus;
        else
            policy = click ? Qt::ClickFocus : Qt::NoFocus;
        if (w->focusPolicy() != policy)
            w->setFocusPolicy(policy);
    }
    ArrangeTabOrder();
}

namespace {

// The controls under `parent` in reading order, each before what it holds:
// the children that are Tab stops or hold one, in rows (or, for a
// schematic, in columns).
void AppendInReadingOrder(QWidget *parent, QWidget *schematic, QList<QWidget *> &chain)
{
    std::vector<QWidget *> blocks;
    std::vector<QRectF> rects;
    for (QObject *o : parent->children()) {
        auto *w = qobject_cast<QWidget *>(o);
        if (!w || w->isWindow() || w->isHidden() || w == schematic)
            continue;
        const bool stop = w->focusPolicy() & Qt::TabFocus;
        bool holds = false;
        for (const QWidget *c : w->findChildren<QWidget *>())
            holds = holds || (c->focusPolicy() & Qt::TabFocus);
        if (!stop && !holds)
            continue;
        blocks.push_back(w);
        rects.push_back(QRectF(w->geometry()));
    }
    const Qt::Orientation lines = parent == schematic ? Qt::Vertical : Qt::Horizontal;
    for (int i : ReadingOrder(rects, lines)) {
        QWidget *w = blocks[std::size_t(i)];
        chain.append(w);
        AppendInReadingOrder(w, schematic, chain);
    }
}

} // namespace

QList<QWidget *> LabWindow::TabChain() const
{
    QList<QWidget *> stops;
    for (QWidget *w : FocusOrder())
        if (w->focusPolicy() & Qt::TabFocus)
            stops.append(w);
    return stops;
}

QList<QWidget *> LabWindow::FocusOrder() const
{
    QList<QWidget *> chain;
    if (!m_client)
        return chain;
    PictureBox *schematic = Control<PictureBox>(QStringLiteral("Picture1"));
    AppendInReadingOrder(m_client, schematic, chain);
    // The schematic last; the box itself stands before its elements, so
    // the focus the bench gives it passes on to them.
    if (schematic && !schematic->isHidden()) {
        chain.append(schematic);
        AppendInReadingOrder(schematic, schematic, chain);
    }
    return chain;
}

void LabWindow::ArrangeTabOrder()
{
    // Qt orders only widgets that take the focus in some way; a panel that
    // holds stops but takes none is left out of the chain.
    QWidget *previous = nullptr;
    for (QWidget *w : FocusOrder()) {
        if (w->focusPolicy() == Qt::NoFocus)
            continue;
        if (previous)
            QWidget::setTabOrder(previous, w);
        previous = w;
    }
}

void LabWindow::OnLanguageApplied()
{
    UpdateLanguageChecks();
    RetranslateProtocolMenu();
    LanguageChanged();
    WakeTimer();
    // Names a screen reader has heard are in the old language.
    Speech::RefreshAll(m_form);
}

void LabWindow::MnuExit_Click()
{
    if (m_frame.exitClearsHelpKey)
        Shell::instance().HelpKey.clear();
    Unload();
}

void LabWindow::MnuEnglish_Click()
{
    int lang = 1;
    Shell::instance().LoadLanguage(lang);
    UpdateLanguageChecks();
}

void LabWindow::MnuRussian_Click()
{
    int lang = 2;
    Shell::instance().LoadLanguage(lang);
    UpdateLanguageChecks();
}

void LabWindow::MnuHelpSpravka_Click()
{
    Shell::instance().HelpKey.clear();
    Shell::instance().ShowHelp(m_form);
}

void LabWindow::MnuQestionWhat_Click()
{
    Shell::instance().ShowHelp(m_form);
}

void LabWindow::MnuHelpAvtor_Click()
{
    Shell::instance().ShowAbout(m_form);
}

void LabWindow::MnuRecord_Click()
{
    m_protocol->Record();
}

void LabWindow::MnuShowProtocol_Click()
{
    m_protocol->ShowWindow();
}

void LabWindow::MnuSaveCsv_Click()
{
    m_protocol->SaveCsv();
}

void LabWindow::MnuSavePicture_Click()
{
    m_protocol->SavePicture();
}

void LabWindow::MnuPrint_Click()
{
    m_protocol->Print();
}

void LabWindow::MnuSaveScope_Click()
{
    m_protocol->SaveScope();
}

} // namespace ohmaris
