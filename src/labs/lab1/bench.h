// The lab 1 bench window Form1: the DC circuit's schematic with its switches
// and click areas, seven parameter boxes, three ammeters, a voltmeter and the
// voltmeter's five-position selector. The object lives for the whole run and
// owns the model and the instruments; the controls live from load to unload.
#pragma once

#include "instruments/pribor.h"
#include "instruments/switcher.h"
#include "labs/lab1/model.h"
#include "labs/lab1/schematic.h"
#include "shell/labwindow.h"

#include <array>

class QGroupBox;
class QLabel;
class QPainter;

namespace ohmaris {

class ClickArea;
class ParamBox;
class PictureBox;

class Form1 : public LabWindow {
    Q_OBJECT
public:
    Form1();

    // Circuit state and results (ElementValues, SwitchState, NodeVoltage,
    // BranchCurrent, VoltmeterTarget, RecalcPending).
    Lab1Model &model() { return m_model; }
    const Lab1Model &model() const { return m_model; }
    float DrawUnit() const { return m_drawUnit; }

    const Pribor &meterA1() const { return m_a1; }
    const Pribor &meterA3() const { return m_a3; }
    const Pribor &meterA2() const { return m_a2; }
    const Pribor &meterV() const { return m_v; }
    const Switcher &selector() const { return m_selector; }

    // The schematic's geometry for the present size of Picture1.
    Lab1Sheet sheet() const;

    // Handlers of the form's controls.
    void Image1_MouseDown(int index, Qt::MouseButton button);
    void Picture_MouseDown(const QString &key, Qt::MouseButton button);
    void Picture15_MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift);
    void Picture15_Click();
    void Text1_Change(int index);

protected:
    void BuildControls(QWidget *client) override;
    void FormLoad() override;
    void Timer1_Timer() override;
    void FormUnload() override;

private:
    void Picture1_Paint(QPainter &p);
    void Picture16_Paint(QPainter &p);
    // Moves the click areas over their elements (the voltmeter's follows
    // the selector).
    void LayoutImage1();
    void RedrawPicture1();

    Lab1Model m_model;
    float m_drawUnit = 0.0f;
    Pribor m_a1;
    Pribor m_a3;
    Pribor m_a2;
    Pribor m_v;
    Switcher m_selector;

    // Controls, valid while the window is loaded.
    PictureBox *m_picture1 = nullptr;
    PictureBox *m_picture16 = nullptr;
    PictureBox *m_picture15 = nullptr;
    std::array<PictureBox *, 4> m_meterBoxes{};
    std::array<ClickArea *, kLab1AreaCount> m_image1{};
    std::array<ParamBox *, 7> m_text1{};
};

// The lab 1 window, for the lab registry.
LabWindow *CreateLab1Window();

} // namespace ohmaris
