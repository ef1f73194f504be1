// Lab 2 bench, window `Form2`: the series coil-capacitor circuit on the
// shared single-phase bench, with voltmeters V1 and V2 and their range
// buttons. The window object lives for the whole run and owns the model and
// the instruments; the controls live from load to unload.
#pragma once

#include "labs/common/bench_singlephase.h"
#include "labs/lab2/model.h"

namespace ohmaris {

class Lab2Window : public CoilCapacitorBench {
    Q_OBJECT
public:
    Lab2Window();
    ~Lab2Window() override;

    Lab2Model &Model() { return m_model; }
    Pribor &V1() { return Meter(0); }
    Pribor &V2() { return Meter(1); }

protected:
    CoilCapacitorCircuit &Coil() override { return m_model; }
    void LoadBench() override;
    void DrawLoadSide(Schematic &s, const AcGrid &g) override;
    std::vector<QRectF> Hotspots(const AcGrid &g) const override;

private:
    Lab2Model m_model;
};

} // namespace ohmaris
