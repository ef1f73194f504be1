// The lab 7 bench, window Form7: switching transients in an RC, an RL and an
// RLC circuit, slowed down a thousand times. A parameter panel, two DC
// ammeters with range buttons, the circuit selector, the schematic with its
// switches S1 and S2, and the two-channel recording oscilloscope.
#pragma once

#include "instruments/pribor.h"
#include "instruments/switcher.h"
#include "instruments/znak.h"
#include "labs/lab7/layout.h"
#include "labs/lab7/model.h"
#include "labs/lab7/scope.h"
#include "shell/labwindow.h"

#include <array>

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;

namespace ohmaris {

class ClickArea;
class ParamBox;
class PictureBox;

class Lab7Window : public LabWindow {
    Q_OBJECT
public:
    Lab7Window();
    ~Lab7Window() override;

    // Window state: lives for the whole run.
    Lab7Model model;
    ScopeRecorder scope;
    float DrawUnit = 0.0f;
    float A1Range = 1.0f;
    float A2Range = 1.0f;

    // Instrument objects, bound to the picture boxes at every load.
    Pribor meterA1; // Picture3
    Pribor meterA2; // Picture2
    Switcher knob1; // Picture7, volts per division
    Switcher knob2; // Picture8, milliamperes per division
    Switcher selector; // Picture9, the circuit
    Znak voltsPerDivision;  // Picture4
    Znak milliampsPerDivision; // Picture10
    Znak timeBase1; // Picture14
    Znak timeBase2; // Picture15

    // Handlers, public so tests drive them the way the controls do.
    void Image1_MouseDown(int index, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    void Picture9_Click();
    void Command4_Click(int index);
    void Command6_Click(int index);
    void Command3_Click();
    void Command5_Click();
    void Command1_Click();
    void Text1_Change(int index);

    // Grid of the schematic as the last layout computed it.
    const Lab7Grid &grid() const { return m_grid; }

protected:
    void BuildControls(QWidget *client) override;
    void FormLoad() override;
    void Timer1_Timer() override;
    void FormUnload() override;
    void LanguageChanged() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void LayoutClickAreas();
    void RangeClick(std::array<QPushButton *, 3> &buttons, float &range, int index);
    void ChannelClick(int channel);
    void KnobMouseDown(Switcher &knob, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    void FocusSchematic();

    // Controls: valid from load to unload.
    struct Controls {
        QGroupBox *Frame1 = nullptr;
        std::array<ParamBox *, 5> Text1{};
        PictureBox *Picture1 = nullptr;
        PictureBox *Picture2 = nullptr;
        PictureBox *Picture3 = nullptr;
        std::array<QPushButton *, 3> Command4{};
        std::array<QPushButton *, 3> Command6{};
        PictureBox *Picture13 = nullptr;
        PictureBox *Picture9 = nullptr;
        std::array<ClickArea *, kLab7ClickAreas> Image1{};
        PictureBox *Picture5 = nullptr;
        PictureBox *Picture6 = nullptr;
        PictureBox *Picture7 = nullptr;
        PictureBox *Picture4 = nullptr;
        PictureBox *Picture14 = nullptr;
        QPushButton *Command3 = nullptr;
        PictureBox *Picture11 = nullptr;
        PictureBox *Picture12 = nullptr;
        PictureBox *Picture8 = nullptr;
        PictureBox *Picture10 = nullptr;
        PictureBox *Picture15 = nullptr;
        QPushButton *Command5 = nullptr;
        QPushButton *Command1 = nullptr;
        QComboBox *Combo1 = nullptr;
        std::array<QLabel *, 4> scopeLabels{}; // Label14 .. Label17
    };
    Controls c;
    Lab7Grid m_grid;
    bool m_loading = false;
};

LabWindow *CreateLab7Window();

} // namespace ohmaris
