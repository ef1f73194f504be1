// SPDX-License-Identifier: GPL-3.0-or-later
// Lab 4 bench, window `Form6`: the coupled coils on the shared single-phase
// bench, with ammeters A1 and A2 and their range buttons, two seven-position
// coil selectors, the four-position connection switch and the boxes for R1
// and R2. The window object lives for the whole run and owns the model and
// the instruments; the controls live from load to unload.
#pragma once

#include "labs/common/bench_singlephase.h"
#include "labs/lab4/model.h"

class QLabel;

namespace ohmaris {

class Lab4Window : public SinglePhaseBench {
    Q_OBJECT
public:
    Lab4Window();
    ~Lab4Window() override;

    Lab4Model &Model() { return m_model; }
    bool RecalcDue() const override { return m_model.RecalcPending; }
    Quantities ModelResults() const override { return m_model.Results(); }
    std::vector<CalcSetting> Settings() const override;
    Pribor &A1() { return Meter(0); }
    Pribor &A2() { return Meter(1); }
    Switcher &FirstSelector() { return m_select1; }
    Switcher &SecondSelector() { return m_select2; }
    Switcher &ConnectionSwitch() { return m_connection; }

    void Text1_Change(int index);

protected:
    SinglePhaseCircuit &Circuit() override { return m_model; }
    void BuildBench(QWidget *client) override;
    void LoadBench() override;
    // `c` is this bench's model or a copy of it.
    void ReadOwnKnobs(SinglePhaseCircuit &c) const override;
    // The schematic also shows both coils' subscripts and the joining wires.
    SchematicState Shown() override;
    // The coils are named with their variants.
    Hotspot HotspotAt(int index) override;
    void DrawLoadSide(Schematic &s, const AcGrid &g) override;
    std::vector<QRectF> Hotspots(const AcGrid &g) const override;

private:
    Lab4Model m_model;
    Switcher m_select1;
    Switcher m_select2;
    Switcher m_connection;

    QPointer<PictureBox> m_picture5, m_picture9;   // first selector
    QPointer<PictureBox> m_picture15, m_picture16; // second selector
    QPointer<PictureBox> m_picture13, m_picture14; // connection switch
    QPointer<QLabel> m_label7, m_label11;
    std::array<QPointer<ParamBox>, 2> m_text1;
};

} // namespace ohmaris
