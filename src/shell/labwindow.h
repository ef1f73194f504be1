// The frame every lab window shares. The LabWindow object lives for the
// whole run and owns the bench's state; its form (the visible window and all
// controls) lives from load to unload. Load covers the screen, rescales every
// control from the design screen, writes the captions and runs the bench's
// own load steps; closing stops the timer, destroys the controls and brings
// the lab chooser back. Menus, the language switch, context help and Esc
// are handled here once for every bench.
#pragma once

#include "calc/labcalc.h"
#include "calc/quantity.h"
#include "calc/reading.h"
#include "shell/scaling.h"

#include <QMainWindow>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <vector>

class QAction;
class QMenu;
class QPushButton;
class QTimer;

namespace ohmaris {

class LabWindow;
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
    // Parent of the bench's controls (the form's central widget).
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

    // Runs one timer tick now (what the timer does every interval).
    void Tick() { Timer1_Timer(); }

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
    // Readings of controls that are not instruments of their own.
    virtual void AppendReadings(std::vector<InstrumentReading> &out) const { Q_UNUSED(out); }

private:
    friend class LabForm;
    void Form_Activate();
    void Form_Resize();
    void BuildMenus();
    void ScaleControls();
    // Which controls Tab reaches, after the bench's load steps.
    void PrepareKeyboard();
    // The stops and the panels and schematic that hold them, in Tab's order.
    QList<QWidget *> FocusOrder() const;
    void UpdateLanguageChecks();
    // The frame's pointers into a form that is going.
    void ForgetControls();

    LabFrame m_frame;
    QString m_formName;
    QPointer<LabForm> m_form;
    QPointer<LabForm> m_unloadedForm; // deleted later, unless discarded first
    QWidget *m_client = nullptr;
    QTimer *m_timer = nullptr;
    QPushButton *m_cancel = nullptr;
    QMenu *m_mnuQestion = nullptr;
    QAction *m_mnuEnglish = nullptr;
    QAction *m_mnuRussian = nullptr;
    bool m_unloading = false;
};

} // namespace ohmaris
