// SPDX-License-Identifier: GPL-3.0-or-later
// The lab 1 bench window Form1: the DC circuit's schematic with its switches
// and click areas, seven parameter boxes, three ammeters, a voltmeter and the
// voltmeter's five-position selector. The object lives for the whole run and
// owns the model and the instruments; the controls live from load to unload.
#pragma once

#include "instruments/pribor.h"
#include "instruments/switcher.h"
#include "labs/lab1/layout.h"
#include "labs/lab1/model.h"
#include "shell/controls.h"
#include "shell/labwindow.h"

#include <QPointer>
#include <array>

class QPainter;

namespace ohmaris {

class ParamBox;
class PictureBox;

class Lab1Window : public LabWindow {
    Q_OBJECT
public:
    Lab1Window();

    // Circuit state and results (ElementValues, SwitchState, NodeVoltage,
    // BranchCurrent, VoltmeterTarget, RecalcPending).
    Lab1Model &model() { return m_model; }
    const Lab1Model &model() const { return m_model; }
    bool RecalcDue() const override { return m_model.RecalcPending; }
    Quantities ModelResults() const override { return m_model.Results(); }
    std::vector<CalcSetting> Settings() const override { return CalcSettings(m_model); }
    // Nothing to compute and every pointer on its reading.
    bool AtRest() override;
    float DrawUnit() const { return m_drawUnit; }

    // The meters A1, A3, A2, V in their update order.
    const Pribor &meter(int k) const { return m_meters[std::size_t(k)]; }
    const Pribor &meterA1() const { return meter(0); }
    const Pribor &meterA3() const { return meter(1); }
    const Pribor &meterA2() const { return meter(2); }
    const Pribor &meterV() const { return meter(3); }
    const Switcher &selector() const { return m_selector; }

    // The schematic's geometry for the present size of Picture1.
    Lab1Sheet sheet() const;

    // Handlers of the form's controls.
    void Image1_MouseDown(int index, Qt::MouseButton button);
    void Picture15_MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift);
    void Picture15_Click();
    void Text1_Change(int index);

protected:
    void BuildControls(QWidget *client) override;
    void FormLoad() override;
    void Timer1_Timer() override;

private:
    // Moves the click areas over their elements (the voltmeter's follows
    // the selector).
    void LayoutImage1();
    void RedrawPicture1();

    Lab1Model m_model;
    float m_drawUnit = 0.0f;
    std::array<Pribor, 4> m_meters;
    Switcher m_selector;

    // Controls, valid while the window is loaded.
    struct Controls {
        QPointer<PictureBox> Picture1;
        QPointer<PictureBox> Picture16;
        QPointer<PictureBox> Picture15;
        std::array<QPointer<PictureBox>, 4> meterBoxes;
        std::array<QPointer<ParamBox>, 7> Text1;
    };
    Controls c;
    ClickAreas m_image1;
};

} // namespace ohmaris
