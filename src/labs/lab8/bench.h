// SPDX-License-Identifier: GPL-3.0-or-later
// The lab 8 bench, window Form8: a non-sinusoidal supply. Four EMF source
// frames with their amplitude, frequency and phase boxes, the schematic of
// the sources, the filter and the load with its switches and the sources'
// on/off buttons, the circuit-parameter frame, a digital voltmeter, a
// digital milliammeter and an oscilloscope that shows the load voltage over
// one period.
#pragma once

#include "instruments/switcher.h"
#include "instruments/znak.h"
#include "labs/lab8/layout.h"
#include "labs/lab8/model.h"
#include "shell/controls.h"
#include "shell/labwindow.h"

#include <QPointer>
#include <array>

class QGroupBox;
class QLabel;
class QPushButton;

namespace ohmaris {

class Lab8Window : public LabWindow {
    Q_OBJECT
public:
    Lab8Window();
    ~Lab8Window() override;

    // Window state: lives for the whole run.
    Lab8Model &Model() { return m_model; }
    bool RecalcDue() const override { return m_model.RecalcPending; }
    Quantities ModelResults() const override { return m_model.Results(); }
    std::vector<CalcSetting> Settings() const override { return CalcSettings(m_model); }
    // The load voltage over one period while the oscilloscope is on: 101
    // samples, 0.2 ms apart, as the screen draws them.
    std::optional<ScopeTraces> ScopeData() const override;
    // Nothing to compute: a tick writes the displays from the results and
    // the knob, which only input changes.
    bool AtRest() override { return !m_model.RecalcPending; }
    float DrawUnit() const { return m_drawUnit; }
    const Lab8Anchors &Anchors() const { return m_anchors; }
    bool VoltmeterOn() const { return m_voltmeterOn; }
    bool MilliammeterOn() const { return m_milliammeterOn; }
    bool ScopeOn() const { return m_scopeOn; }
    // Volts per division the screen shows, taken from the knob by the tick.
    float ScreenVoltsPerDivision() const { return m_screenVoltsPerDivision; }

    // Instrument objects, bound to the picture boxes at every load.
    Znak &Voltmeter() { return m_voltmeter; }              // Picture4
    Znak &Milliammeter() { return m_milliammeter; }        // Picture8
    Znak &TimeBase() { return m_timeBase; }                // Picture9
    Znak &VoltsPerDivision() { return m_voltsPerDivision; } // Picture11
    Switcher &Knob() { return m_knob; }                    // Picture10

    // Handlers, public so tests drive them the way the controls do.
    void Image1_MouseDown(int index, Qt::MouseButton button);
    void Command2_Click(int index);
    void Command1_Click();
    void Command4_Click();
    void Command3_Click();
    void Text1_Change(int index);
    // Text2_Change .. Text5_Change: box `row` (0 amplitude, 1 frequency,
    // 2 phase) of source 0..3.
    void SourceText_Change(int source, int row);
    void Picture10_Click();

protected:
    void BuildControls(QWidget *client) override;
    void FormLoad() override;
    void Timer1_Timer() override;
    void LanguageChanged() override;

private:
    void BuildSourceFrame(QWidget *client, int source);
    void BuildParameterFrame(QWidget *client);
    void BuildHousings(QWidget *client);
    void PlaceSourceButtons();
    void CaptionSourceButton(int source);
    // Every parameter box editable only while all sources are off.
    void LockBoxes();
    // A box's change: the stored value, RecalcPending and the box's text.
    void Store(ParamBox *box, float &stored, const EntryResult &result);
    void FocusSchematic();
    void Help(QWidget *control, const char *key, bool button);

    Lab8Model m_model;
    float m_drawUnit = 0.0f;
    Lab8Anchors m_anchors{};
    bool m_voltmeterOn = false;
    bool m_milliammeterOn = false;
    bool m_scopeOn = false;
    float m_screenVoltsPerDivision = 9.0f;

    Znak m_voltmeter;
    Znak m_milliammeter;
    Znak m_timeBase;
    Znak m_voltsPerDivision;
    Switcher m_knob;

    // Controls: valid from load to unload.
    struct Controls {
        std::array<QPointer<QGroupBox>, Lab8Model::kSources> Frame2;
        // Text2 .. Text5, each (0) amplitude, (1) frequency, (2) phase.
        std::array<std::array<QPointer<ParamBox>, 3>, Lab8Model::kSources> source;
        QPointer<QGroupBox> Frame1;
        std::array<QPointer<ParamBox>, Lab8Model::kElements> Text1;
        QPointer<PictureBox> Picture1;
        std::array<QPointer<QPushButton>, Lab8Model::kSources> Command2;
        std::array<QPointer<QLabel>, 2> Label58; // the captions "off" and "on"
        // The housings: voltmeter, milliammeter, oscilloscope.
        QPointer<PictureBox> Picture2, Picture3, Picture5;
        QPointer<PictureBox> Picture4, Picture8;             // the meters' displays
        QPointer<PictureBox> Picture6;                       // the screen
        QPointer<PictureBox> Picture9, Picture10, Picture11; // time base, knob, V/div
        QPointer<QPushButton> Command1, Command4, Command3;  // power buttons
    };
    Controls c;
    ClickAreas m_image1;
};

} // namespace ohmaris
