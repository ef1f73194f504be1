// The lab 6 bench, window Form5: a three-phase three-wire supply with the
// breaker SF, the K-50 measuring set in the line wires, switches S1..S3 in
// the lines and a delta load of three R-X_L-X_C branches, each with its
// switch S4..S6 and its ammeter A1..A3, on the shared three-phase bench.
#pragma once

#include "labs/common/bench_threephase.h"
#include "labs/lab6/layout.h"
#include "labs/lab6/model.h"

namespace ohmaris {

class Lab6Window : public ThreePhaseBench {
    Q_OBJECT
public:
    Lab6Window();
    ~Lab6Window() override;

    // Window state: lives for the whole run. The load sequence resets the
    // entries and the ranges; the switches and the overload clock stay.
    Lab6Model &Model() { return m_model; }
    // The branch ammeters A1 (AB), A2 (BC), A3 (CA), k = 0..2.
    Pribor &BranchAmmeter(int k) { return Meter(k); }
    void Command5_Click(int index) { Ranges(0).Click(index); }
    void Command6_Click(int index) { Ranges(1).Click(index); }
    void Command7_Click(int index) { Ranges(2).Click(index); }

    Lab6Grid Grid() const;

protected:
    ThreePhaseCircuit &Circuit() override { return m_model; }
    void DrawSchematic(Schematic &s, double width, double height, double drawUnit) override;

private:
    Lab6Model m_model;
};

} // namespace ohmaris
