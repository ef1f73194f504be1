// Lab window frame: load, scaling, menus, context help, closing.
#include "shell/labwindow.h"

#include "instruments/instrument.h"
#include "shell/captions.h"
#include "shell/controls.h"
#include "shell/picturebox.h"
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

} // namespace

LabForm::LabForm(LabWindow *owner) : QMainWindow(nullptr), m_owner(owner)
{
    setAttribute(Qt::WA_DeleteOnClose, false);
}

bool LabForm::event(QEvent *e)
{
    if (e->type() == QEvent::WindowActivate)
        m_owner->Form_Activate();
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
    : QObject(parent), m_frame(frame), m_formName(QLatin1String(frame.form))
{
}

LabWindow::~LabWindow()
{
    Discard();
}

void LabWindow::Discard()
{
    if (m_form) {
        m_timer->stop();
        FormUnload();
    }
    delete m_unloadedForm;
    delete m_form;
    ForgetControls();
}

void LabWindow::ForgetControls()
{
    m_client = nullptr;
    m_timer = nullptr;
    m_cancel = nullptr;
    m_mnuQestion = nullptr;
    m_mnuEnglish = m_mnuRussian = nullptr;
}

void LabWindow::Load()
{
    if (m_form)
        return;
    m_form = new LabForm(this);
    m_form->setObjectName(m_formName);
    m_client = new QWidget(m_form);
    m_client->setObjectName(QStringLiteral("client"));
    m_form->setCentralWidget(m_client);

    m_timer = new QTimer(m_form);
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setInterval(m_frame.tickMs);
    connect(m_timer, &QTimer::timeout, this, [this] { Timer1_Timer(); });

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
    m_timer->stop();
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

void LabWindow::ScaleControls()
{
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const ScaleFactors f = ScreenScale(screen.width() * kTwipsPerPixel, screen.height() * kTwipsPerPixel);
    ScaleDesignedControls(m_client, f, m_frame.scaling);
}

void LabWindow::Form_Activate()
{
    if (!m_form)
        return;
    m_timer->start();
    UpdateLanguageChecks();
    // The schematic takes the focus, unless the window comes back with a
    // control of its own holding it (the keyboard returns from the help
    // window to where it was).
    if (m_frame.focusPicture1)
        if (QWidget *p = Control(QStringLiteral("Picture1")); p && !m_form->focusWidget())
            p->setFocus();
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
    LanguageChanged();
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

} // namespace ohmaris
