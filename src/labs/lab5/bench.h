// The lab 5 bench, window Form4: a three-phase four-wire supply with the
// breaker SF, the K-50 measuring set, switches S1..S4, a star load of three
// R-X_L-X_C branches, the ammeter A1 in the neutral wire and the voltmeter V1
// between the star point and the neutral, on the shared three-phase bench.
#pragma once

#include "labs/common/bench_threephase.h"
#include "labs/lab5/layout.h"
#include "labs/lab5/model.h"

namespace ohmaris {

class Lab5Window : public ThreePhaseBench {
    Q_OBJECT
public:
    Lab5Window();
    ~Lab5Window() override;

    // Window state: lives for the whole run. The load sequence resets the
    // entries and the ranges; the switches and the overload clock stay.
    Lab5Model &Model() { return m_model; }
    Pribor &MeterA1() { return Meter(0); }
    Pribor &MeterV1() { return Meter(1); }
    void Command5_Click(int index) { Ranges(0).Click(index); }
    void Command6_Click(int index) { Ranges(1).Click(index); }

    Lab5Grid Grid() const;

protected:
    ThreePhaseCircuit &Circuit() override { return m_model; }
    void DrawSchematic(Schematic &s, double width, double height, double drawUnit) override;

private:
    Lab5Model m_model;
};

} // namespace ohmaris
