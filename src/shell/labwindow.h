// SPDX-License-Identifier: GPL-3.0-or-later
// The frame every lab window shares. The LabWindow object lives for the
// whole run and owns the bench's state; its form (the visible window and all
// controls) lives from load to unload. Load covers the screen, rescales every
// control from the design screen, writes the captions and runs the bench's
// own load steps; closing stops the timer, destroys the controls and brings
// the lab chooser back. Menus, the language switch, context help and Esc
// are handled here once for every bench.
#pragma once

#include "calc/labcalc.h"
#include "calc/protocol.h"
#include "calc/quantity.h"
#include "calc/reading.h"
#include "shell/scaling.h"

#include <QMainWindow>
#include <QRectF>
#include <QSize>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

class QAction;
class QMenu;
class QPushButton;
class QTimer;

namespace ohmaris {

class LabProtocol;
class LabWindow;
class BenchFrame;
class PictureBox;

// The visible window of a lab; forwards its window events to the LabWindow.
class LabForm : public QMainWindow {
    Q_OBJECT
public:
    explicit LabForm(LabWindow *owner);

protected:
    bool event(QEvent *e) override;
    void changeEvent(QEvent *e) override;
    void closeEvent(QCloseEvent *e) override;
    // Tab and Shift+Tab: the order is taken again from where the controls
    // stand now, then the focus moves on.
    bool focusNextPrevChild(bool next) override;

private:
    LabWindow *m_owner;
};

class LabWindow : public QObject {
    Q_OBJECT
public:
    // `frame`: the lab's entry in the lab table says how the frame treats
    // this window (its name, tick, cancel button, scaling and rules).
    explicit LabWindow(const LabFrame &frame, QObject *parent = nullptr);
    ~LabWindow() override;

    const QString &formName() const { return m_formName; }
    const LabFrame &frame() const { return m_frame; }
    bool isLoaded() const { return m_form != nullptr; }
    LabForm *form() const { return m_form; }
    // Parent of the bench's controls: the design screen scaled to the
    // screen, centred in the form's central widget.
    QWidget *client() const { return m_client; }
    QTimer *timer() const { return m_timer; }

    // Builds the controls and runs the load handler, hidden, if not loaded.
    void Load();
    // Loads if needed and shows the window maximised.
    void Show();
    // Form_Unload: stops the timer, shows the chooser, destroys the controls.
    void Unload();
    // Destroys the form now, loaded or unloaded and waiting for deletion,
    // with nothing shown instead. The shell calls it before it destroys the
    // lab window: the controls' handlers reach into the bench, so the form
    // must go while the bench is still whole.
    void Discard();

    // Runs one tick of the bench now, whatever the timer is doing.
    void Tick() { Timer1_Timer(); }

    // Timer1 is quiet: it ticks on a fixed beat (every interval from the
    // moment the window became active) while work is due, and stops after a
    // tick that leaves nothing due (AtRest). Any input to the window, a
    // language switch or an activation starts it again at once; its next
    // tick comes on the beat it kept, and what the skipped ticks would have
    // kept up with the clock is brought up to date first (CatchUp), so the
    // bench goes on exactly as if the timer had ticked all along.
    bool TimerRunning() const { return m_running; }
    // Started, and stopped after a tick that left nothing due.
    bool TimerResting() const { return m_resting; }
    // App-clock time (seconds) the next tick is due at, while running.
    double NextTickTime() const;
    // What Timer1 does every interval: a tick, then a rest if nothing is due.
    void TimerTick();
    // Something made work due: a resting timer starts again.
    void WakeTimer();
    // For tools and tests that run the clock themselves: the timer runs,
    // rests and wakes as above, but never fires; the caller runs TimerTick()
    // at NextTickTime() while TimerRunning(), or Tick() as it pleases.
    void setTimerHeld(bool held);
    bool timerHeld() const { return m_held; }

    // Called right after a tick: whether further ticks, with no input,
    // would change nothing at all (no recomputation pending, every pointer
    // on its target, no overload being timed, nothing moving with the
    // clock). A bench that cannot tell keeps its timer running.
    virtual bool AtRest() { return false; }

    // Context-help pattern of every clickable control: the key is set for
    // any button; the right button pops the one-item help menu at the cursor
    // (at the control, with its item chosen, when the keyboard asked).
    void ContextHelp(const QString &key, Qt::MouseButton button, bool allowPopup = true);
    // The control a press on a picture box reaches: `key` becomes its help
    // key (recorded on the box, so the keyboard and a screen reader find
    // it) and every press on it runs the context-help pattern.
    void HelpOnPress(PictureBox *box, const QString &key);

    // The controls Tab reaches, in the order it reaches them: every control
    // a student can use (parameter boxes, buttons, knobs, instruments and
    // the elements with a help topic), the panels in reading order, then
    // the schematic's elements left to right. The hidden cancel button is
    // never among them.
    QList<QWidget *> TabChain() const;
    // Puts the focus chain into that order (Tab does so before it moves).
    void ArrangeTabOrder();
    QMenu *contextMenu() const { return m_mnuQestion; }

    // Controls a benchmark presses once, after load, to bring the bench into
    // its busy state beyond what its schematic, knobs and boxes do (such as
    // an oscilloscope's channels); none by default.
    virtual QStringList BusyStateControls() const { return {}; }

    // What a checking tool reads of the model behind the bench: whether a
    // recomputation is still due (the next tick must have done it) and
    // every result of the model, as the model lists them. The frame alone
    // has no model.
    virtual bool RecalcDue() const { return false; }
    virtual Quantities ModelResults() const { return {}; }

    // The bench as it stands, for a tool that records or announces it
    // without knowing the lab. What the student has set (switch states,
    // knob positions, stored entries), under the lab calculator's input
    // names and as the texts it takes: given to the calculator, they make
    // the model the bench computes. The frame alone has none.
    virtual std::vector<CalcSetting> Settings() const { return {}; }
    // What every instrument reads, under its name: each instrument drawn in
    // a picture box of the form, in the order the form made them, then what
    // the bench adds (the K-50's power direction); the chosen ranges are in
    // the meters' readings. Empty while the window is unloaded.
    std::vector<InstrumentReading> Readings() const;
    // Whether a pointer of the bench is still on its way (or a
    // recomputation is due, which will move them): a reading taken now may
    // not be the one the bench settles on.
    bool PointersMoving() const;
    // What the bench's oscilloscope shows, sample for sample; none for a
    // bench without one (its lab window has no menu item for it).
    virtual std::optional<ScopeTraces> ScopeData() const { return std::nullopt; }
    // The lab's protocol: its rows live as long as this object, for the
    // whole run.
    LabProtocol &Protocol() const { return *m_protocol; }

    // Re-applies captions after a language change (called by the loader).
    void OnLanguageApplied();

    // A control of the form by object name (nullptr while unloaded).
    template <class T = QWidget> T *Control(const QString &name) const
    {
        return m_form ? m_form->findChild<T *>(name) : nullptr;
    }

    // Menu handlers, public so tests can drive them like the menu does.
    void MnuExit_Click();
    void MnuEnglish_Click();
    void MnuRussian_Click();
    void MnuHelpSpravka_Click();
    void MnuQestionWhat_Click();
    void MnuHelpAvtor_Click();
    // The Protocol menu.
    void MnuRecord_Click();
    void MnuShowProtocol_Click();
    void MnuSaveCsv_Click();
    void MnuSavePicture_Click();
    void MnuPrint_Click();
    void MnuSaveScope_Click();

Q_SIGNALS:
    void loaded();
    void unloaded();

protected:
    // The bench creates its controls under `client` with SetDesign.
    virtual void BuildControls(QWidget *client) = 0;
    // The bench's own load steps, after captions, sizing and scaling.
    virtual void FormLoad() {}
    virtual void Timer1_Timer() = 0;
    // Called before the controls are destroyed.
    virtual void FormUnload() {}
    // After every caption reload (some benches rebuild texts of their own).
    virtual void LanguageChanged() {}
    // When the timer starts again after a rest, before the input that woke
    // it is handled: what ticks at rest keep up with the clock alone, as the
    // last skipped tick (due at `time`) would have left it. Nothing by
    // default.
    virtual void CatchUp(double time) { (void)time; }
    // Readings of controls that are not instruments of their own.
    virtual void AppendReadings(std::vector<InstrumentReading> &out) const { Q_UNUSED(out); }

private:
    friend class LabForm;
    void Form_Activate();
    void Form_Shown();
    void Form_Resize();
    // The timer's states: running from a new beat (activation), stopped
    // (unload), resting (nothing due).
    void StartTimer();
    void StopTimer();
    void Rest();
    // Ticks skipped at rest, up to `now`: the bench catches up with the last.
    void CatchUpTo(double now);
    // The QTimers run again from the next tick on the beat.
    void WakeOnBeat(double now);
    double Period() const;
    // Index of the last beat at or before `time`.
    long long BeatAt(double time) const;
    void BuildMenus();
    void ScaleControls();
    // Whether every control of the bench lies inside the window's room.
    bool BenchWhole() const;
    // After the bench is placed in its window: a bench a shown maximised
    // window cuts is loaded again to fit.
    void BenchPlaced();
    // Which controls Tab reaches, after the bench's load steps.
    void PrepareKeyboard();
    // The stops and the panels and schematic that hold them, in Tab's order.
    QList<QWidget *> FocusOrder() const;
    void UpdateLanguageChecks();
    void BuildProtocolMenu();
    void RetranslateProtocolMenu();
    // The frame's pointers into a form that is going.
    void ForgetControls();

    LabFrame m_frame;
    QString m_formName;
    QPointer<LabForm> m_form;
    QPointer<LabForm> m_unloadedForm; // deleted later, unless discarded first
    QWidget *m_client = nullptr;
    BenchFrame *m_benchFrame = nullptr;
    QTimer *m_timer = nullptr;
    QTimer *m_wake = nullptr; // from a wake to the next beat
    QPushButton *m_cancel = nullptr;
    QMenu *m_mnuQestion = nullptr;
    QAction *m_mnuEnglish = nullptr;
    QAction *m_mnuRussian = nullptr;
    QMenu *m_mnuProtocol = nullptr;
    LabProtocol *m_protocol = nullptr;
    bool m_unloading = false;
    bool m_refitted = false;   // loaded again to fit since it was opened
    // The room a shown maximised lab window last gave its bench (empty
    // until one was shown): the same for every lab window.
    static QSize s_benchRoom;
    bool m_running = false;
    bool m_resting = false;
    bool m_held = false;
    double m_beatOrigin = 0.0; // app-clock time of beat 0
    long long m_beat = 0;      // the beat of the last tick run or caught up
};

} // namespace ohmaris
