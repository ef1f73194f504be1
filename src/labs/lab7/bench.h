// SPDX-License-Identifier: GPL-3.0-or-later
// The lab 7 bench, window Form7: switching transients in an RC, an RL and an
// RLC circuit, slowed down a thousand times. A parameter panel, two DC
// ammeters with range buttons, the circuit selector, the schematic with its
// switches S1 and S2, and the two-channel recording oscilloscope.
#pragma once

#include "instruments/pribor.h"
#include "instruments/rangerow.h"
#include "instruments/switcher.h"
#include "instruments/znak.h"
#include "labs/lab7/layout.h"
#include "labs/lab7/model.h"
#include "labs/lab7/scope.h"
#include "shell/controls.h"
#include "shell/labwindow.h"

#include <QPixmap>
#include <QPointer>
#include <array>

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;

namespace ohmaris {

class Lab7Window : public LabWindow {
    Q_OBJECT
public:
    Lab7Window();
    ~Lab7Window() override;

    // Window state: lives for the whole run.
    Lab7Model &Model() { return m_model; }
    bool RecalcDue() const override { return m_model.RecalcPending; }
    Quantities ModelResults() const override
    {
        Quantities q = m_model.Results();
        q.Add(m_model.PresentResults());
        return q;
    }
    // The circuit as the selector shows it (the tick reads it into the
    // model before it computes).
    std::vector<CalcSetting> Settings() const override;
    // The traces of the channels that are on, as the screens draw them:
    // 141 samples, 0.2 ms of circuit time apart, the oldest at 0.
    std::optional<ScopeTraces> ScopeData() const override;
    ScopeRecorder &Scope() { return m_scope; }
    float DrawUnit() const { return m_drawUnit; }
    float A1Range() const { return m_a1Range; }
    float A2Range() const { return m_a2Range; }

    // Instrument objects, bound to the picture boxes at every load.
    Pribor &MeterA1() { return m_meterA1; }                 // Picture3
    Pribor &MeterA2() { return m_meterA2; }                 // Picture2
    Switcher &Knob1() { return m_knob1; }                   // Picture7, volts per division
    Switcher &Knob2() { return m_knob2; }                   // Picture8, milliamperes per division
    Switcher &Selector() { return m_selector; }             // Picture9, the circuit
    Znak &VoltsPerDivision() { return m_voltsPerDivision; } // Picture4
    Znak &MilliampsPerDivision() { return m_milliampsPerDivision; } // Picture10
    Znak &TimeBase1() { return m_timeBase1; }               // Picture14
    Znak &TimeBase2() { return m_timeBase2; }               // Picture15

    // Handlers, public so tests drive them the way the controls do.
    void Image1_MouseDown(int index, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    void Picture9_Click();
    void Command4_Click(int index) { m_command4.Click(index); }
    void Command6_Click(int index) { m_command6.Click(index); }
    void Command3_Click();
    void Command5_Click();
    void Command1_Click();
    void Text1_Change(int index);

    // Nothing to compute, a transient that no longer changes with the clock,
    // traces that a sample would leave as they are, and both pointers on
    // their readings.
    bool AtRest() override;

    // Both oscilloscope channels on: the screens record.
    QStringList BusyStateControls() const override
    {
        return {QStringLiteral("Command3"), QStringLiteral("Command5")};
    }

    // Grid of the schematic as the last layout computed it.
    const Lab7Grid &grid() const { return m_grid; }

protected:
    void BuildControls(QWidget *client) override;
    void FormLoad() override;
    void Timer1_Timer() override;
    void LanguageChanged() override;
    // The sweep's step of the last tick skipped at rest.
    void CatchUp(double time) override;
    // The screens' grids go with the screens.
    void FormUnload() override;

private:
    void LayoutClickAreas();
    void ChannelClick(int channel);
    void KnobMouseDown(Switcher &knob, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    void FocusSchematic();
    // Whether the parameter boxes are locked: a switch is closed. A locked
    // box is out of Tab's reach.
    bool EditingLocked() const { return m_model.anySwitchClosed(); }
    void LockBoxes();
    // What a screen reader is told of a channel's screen: its title and
    // its settings.
    QString ScreenName(int channel) const;
    QString ScreenSettings(int channel) const;
    void RedrawSchematic();
    // Ammeters A1 and A2's targets in scale divisions.
    std::array<double, 2> PointerTargets() const;

    // What an oscilloscope screen shows: its trace and scale while its
    // channel is on, the empty grid otherwise.
    struct ScreenShows {
        bool on = false;
        double gain = 0;
        std::array<float, ScopeRecorder::kSamples> trace{};
    };
    ScreenShows ScreenNow(int channel) const;
    static bool SameScreen(const ScreenShows &a, const ScreenShows &b);

    Lab7Model m_model;
    ScopeRecorder m_scope;
    float m_drawUnit = 0.0f;
    float m_a1Range = 1.0f;
    float m_a2Range = 1.0f;
    double m_tickTime = 0.0; // the time the last tick evaluated the transient at

    Pribor m_meterA1;
    Pribor m_meterA2;
    Switcher m_knob1;
    Switcher m_knob2;
    Switcher m_selector;
    Znak m_voltsPerDivision;
    Znak m_milliampsPerDivision;
    Znak m_timeBase1;
    Znak m_timeBase2;
    RangeRow m_command4;
    RangeRow m_command6;

    // Controls: valid from load to unload.
    struct Controls {
        QPointer<QGroupBox> Frame1;
        std::array<QPointer<ParamBox>, 5> Text1;
        QPointer<PictureBox> Picture1;
        QPointer<PictureBox> Picture2;
        QPointer<PictureBox> Picture3;
        QPointer<PictureBox> Picture13;
        QPointer<PictureBox> Picture9;
        // The oscilloscope's channels: [0] voltage (Picture5 with the screen
        // Picture6, Command3, the knob Picture7, the readouts Picture4 and
        // Picture14), [1] current (Picture11, Picture12, Command5, Picture8,
        // Picture10, Picture15).
        struct Channel {
            QPointer<PictureBox> panel;
            QPointer<PictureBox> screen;
            QPointer<QPushButton> onOff;
            QPointer<PictureBox> knob;
            QPointer<PictureBox> sensitivity;
            QPointer<PictureBox> timeBase;
        };
        std::array<Channel, 2> scope;
        QPointer<QPushButton> Command1;
        QPointer<QComboBox> Combo1;
    };
    Controls c;
    ClickAreas m_image1;
    Lab7Grid m_grid;
    // What the schematic and the screens were last asked to show: a tick
    // repaints them only when that changes. The screens' grids, drawn once.
    std::array<std::int16_t, 3> m_schematicShown{};
    std::array<ScreenShows, 2> m_screenShown;
    std::array<QPixmap, 2> m_screenGrid;
};

} // namespace ohmaris
