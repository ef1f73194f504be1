// SPDX-License-Identifier: GPL-3.0-or-later
// Lab 1 circuit model. Every named quantity is held as a 32-bit float while
// the arithmetic between stores runs in double, so each assignment to a float
// rounds exactly once, as the readings of the bench expect.
#include "labs/lab1/model.h"

#include "calc/meterdrive.h"

namespace ohmaris {

Lab1Resistances Lab1Model::Resistances() const
{
    // Small series resistances keep every path finite when a zero is entered.
    const auto &ev = ElementValues;
    return {float(double(ev[1]) + 0.001), float(double(ev[3]) + 0.0015), float(double(ev[4]) + 0.01),
            float(double(ev[5]) + 0.02), float(double(ev[6]) + 0.05)};
}

void Lab1Model::ComputeCircuit()
{
    const auto &ev = ElementValues;
    const std::int16_t S1 = SwitchState[0];
    const std::int16_t S2 = SwitchState[1];
    const std::int16_t S3 = SwitchState[2];
    const std::int16_t S4 = SwitchState[3];
    const std::int16_t S5 = SwitchState[4];

    const Lab1Resistances r = Resistances();
    const float r1 = r.r1, r2 = r.r2, R1p = r.R1p, R2p = r.R2p, R3p = r.R3p;

    // Thevenin equivalent of each source branch: with both paths closed the
    // source and its bare internal resistance are in parallel.
    const float e1 = S2 == 1 ? float(double(ev[0]) / double(std::int16_t(S1 + 1))) : 0.0f;
    const float e2 = S4 == 1 ? float(double(ev[2]) / double(std::int16_t(S5 + 1))) : 0.0f;

    const float x = float(double(std::int16_t(S2 + S1)) / double(r1));
    const float y = float(double(std::int16_t(S4 + S5)) / double(r2));
    const float z = float(double(S3) / double(R3p));

    float U = 0.0f;
    float I1 = 0.0f;
    float I2 = 0.0f;
    float I3 = 0.0f;
    if (float(double(e1) + double(e2)) > 0.0f) {
        const double dx = x, dy = y, dz = z, de1 = e1, de2 = e2, dR1 = R1p, dR2 = R2p;
        U = float((de2 * dy / (dy * dR2 + 1.0) + dx * de1 / (dx * dR1 + 1.0))
                  / (dx / (dx * dR1 + 1.0) + dy / (dy * dR2 + 1.0) + dz));
        const double dU = U;
        I3 = float(dU * dz);
        I1 = float((de1 - dU) * dx / (dx * dR1 + 1.0));
        I2 = float((de2 - dU) * dy / (dy * dR2 + 1.0));
    }

    NodeVoltage = U;
    BranchCurrent = {I1, I2, I3};
    VoltmeterTarget[0] = float(double(R1p) * double(I1));
    VoltmeterTarget[1] = float(double(R1p) * double(I1) + double(U));
    VoltmeterTarget[2] = U;
    VoltmeterTarget[3] = float(double(R2p) * double(I2));
    VoltmeterTarget[4] = float(double(R2p) * double(I2) + double(U));
    RecalcPending = false;
}

float Lab1Model::SelectedVoltage() const
{
    const int position = SwitchState[kLab1Selector];
    if (position < 1 || position > int(VoltmeterTarget.size()))
        return 0.0f;
    return VoltmeterTarget[std::size_t(position - 1)];
}

Lab1Meters Lab1MeterTargets(const Lab1Model &model)
{
    return {model.BranchCurrent[0], model.BranchCurrent[2], model.BranchCurrent[1],
            model.SelectedVoltage()};
}

Lab1Meters Lab1MeterStep(const Lab1Meters &present, const Lab1Model &model)
{
    const Lab1Meters t = Lab1MeterTargets(model);
    return {MeterStep(present.A1, t.A1), MeterStep(present.A3, t.A3),
            MeterStep(present.A2, t.A2), MeterStep(present.V, t.V)};
}

Quantities Lab1Model::Results() const
{
    const QString volt = QStringLiteral("V");
    Quantities q;
    q.Add(QStringLiteral("NodeVoltage"), volt, QStringLiteral("U, node b against node d"), NodeVoltage);
    q.Add(QStringLiteral("BranchCurrent"), QStringLiteral("A"), QStringLiteral("I1 (a to b), I2 (c to b), I3 (b to d)"),
          BranchCurrent);
    q.Add(QStringLiteral("VoltmeterTarget"), volt, QStringLiteral("voltages ab, ad, bd, cb, cd"), VoltmeterTarget);
    return q;
}

} // namespace ohmaris
