// SPDX-License-Identifier: GPL-3.0-or-later
// Lab 8 circuit model: harmonic sources, the filter chain, effective values.
#include "labs/lab8/model.h"

#include "calc/phasor.h"

#include <QStringList>
#include <algorithm>
#include <cmath>
#include <vector>

namespace ohmaris {

namespace {

// A capacitor switched into its branch, or 10^15 ohm while it is out.
Phasor CapacitorImpedance(std::int16_t connected, float omega, float microfarads)
{
    const float magnitude =
        float(1.0 / (double(connected) * double(omega) * double(microfarads) / 1000000.0 + 1e-15));
    return {magnitude, -kHalfPi};
}

} // namespace

EntryResult ApplyMultipleRule(const QString &text, float current)
{
    EntryResult r = ApplyEntryRule(text, current, kLab8MultipleRule);
    if (r.recalc && r.value < 1.0f) {
        r.value = 1.0f;
        r.rewrite = QStringLiteral("1");
    }
    return r;
}

Lab8Model::Lab8Model()
{
    for (int i = 0; i < kElements; ++i)
        ElementValues[std::size_t(i)] =
            ApplyEntryRule(GeneralNumber(double(kDefaultElements[std::size_t(i)])), 0.0f, kLab8ElementRule).value;
    for (int row = 0; row < 3; ++row)
        for (int k = 0; k < kSources; ++k) {
            const QString text = GeneralNumber(double(kDefaultSources[std::size_t(row)][std::size_t(k)]));
            SourceParams[std::size_t(row)][std::size_t(k)] =
                row == kMultiple ? ApplyMultipleRule(text, 0.0f).value
                                 : ApplyEntryRule(text, 0.0f, kLab8SourceRule).value;
        }
}

SourceHarmonic Lab8Model::GetSourceHarmonic(int k) const
{
    const std::size_t s = std::size_t(k);
    SourceHarmonic h;
    h.Amplitude = double(SourceOn[s]) * double(SourceParams[kAmplitude][s]);
    h.Phase = double(SourceParams[kPhase][s]) / 180.0 * kPi;
    h.Omega = k == 0 ? kOmega : float(double(SourceParams[kMultiple][s]) * double(kOmega));
    return h;
}

void Lab8Model::ComputeCircuit()
{
    CurrentRms = 0.0;
    VoltageRms = 0.0;
    VoltageWave.fill(0.0f);
    std::array<float, kSamples> current{};

    const double s1 = SwitchState[kS1], s2 = SwitchState[kS2], s3 = SwitchState[kS3];
    const double s5 = SwitchState[kS5];
    for (int k = 0; k < kSources; ++k) {
        const SourceHarmonic h = GetSourceHarmonic(k);
        const double omega = double(h.Omega);

        const float ra = float((1.0 - s3) * double(ElementValues[kR]) + 0.00001);
        // An open load is taken as 250 kilohm.
        const float r2 = float(s5 * double(ElementValues[kR2]) + (1.0 - s5) * 250000.0);

        const Phasor zR2{r2, 0.0};
        const float x = float(omega * double(ElementValues[kL]) / 1000.0 * (1.0 - s2));
        const Phasor zL{float(std::sqrt(double(x) * double(x) + double(ra) * double(ra))),
                        std::atan(double(x) / double(ra))};
        const Phasor zC2 = CapacitorImpedance(SwitchState[kS4], h.Omega, ElementValues[kC2]);
        // C2 in parallel with the load.
        const Phasor zOut = PhasorQuotient(PhasorProduct(zC2, zR2), PhasorSum(zC2, zR2));
        const Phasor zC1 = CapacitorImpedance(std::int16_t(s1), h.Omega, ElementValues[kC1]);
        // C1 in parallel with the coil branch and its load.
        const Phasor zBranch = PhasorSum(zL, zOut);
        const Phasor zMid = PhasorQuotient(PhasorProduct(zC1, zBranch), PhasorSum3(zC1, zL, zOut));
        const Phasor zR1{ElementValues[kR1], 0.0};

        const Phasor e{float(h.Amplitude), h.Phase};
        const Phasor iIn = PhasorQuotient(e, PhasorSum(zMid, zR1));
        const Phasor iBranch = PhasorProduct(iIn, PhasorQuotient(zMid, PhasorSum(zL, zOut)));
        const Phasor iLoad = PhasorProduct(iBranch, PhasorQuotient(zOut, zR2));
        const Phasor uLoad = PhasorProduct(iLoad, zR2);
        LoadVoltagePhasor[std::size_t(k)] = uLoad;

        for (int t = 0; t < kSamples; ++t) {
            const double wt = omega * double(t) * kSampleStep;
            const float u = float(double(uLoad.Magnitude) * std::sin(wt + uLoad.Angle));
            const float i = float(double(iLoad.Magnitude) * std::sin(wt + iLoad.Angle));
            VoltageWave[std::size_t(t)] += u;
            current[std::size_t(t)] += i;
        }
    }

    // One term at a time, in sample order.
    for (int t = 0; t < kSamples; ++t) {
        const double i = double(current[std::size_t(t)]);
        const double u = double(VoltageWave[std::size_t(t)]);
        CurrentRms += i * i / kSamples;
        VoltageRms += u * u / kSamples;
    }
    CurrentRms = std::sqrt(CurrentRms);
    VoltageRms = std::sqrt(VoltageRms);
    RecalcPending = false;
}

bool Lab8Model::AnySourceOn() const
{
    for (std::int16_t on : SourceOn)
        if (on != 0)
            return true;
    return false;
}

Spectrum Lab8Model::Amplitudes() const
{
    Spectrum s;
    s.lab = 8;
    std::vector<bool> taken(kSources, false);
    for (int k = 0; k < kSources; ++k) {
        if (taken[std::size_t(k)] || SourceOn[std::size_t(k)] == 0)
            continue;
        const float omega = GetSourceHarmonic(k).Omega;
        Phasor emf, load;
        QStringList names;
        for (int j = k; j < kSources; ++j) {
            const SourceHarmonic h = GetSourceHarmonic(j);
            if (SourceOn[std::size_t(j)] == 0 || h.Omega != omega)
                continue;
            taken[std::size_t(j)] = true;
            emf = PhasorSum(emf, Phasor{float(h.Amplitude), h.Phase});
            load = PhasorSum(load, LoadVoltagePhasor[std::size_t(j)]);
            names << QStringLiteral("E%1").arg(j + 1);
        }
        const double multiple = k == 0 ? 1.0 : double(SourceParams[kMultiple][std::size_t(k)]);
        s.lines.push_back({multiple, names.join(QLatin1Char('+')), double(emf.Magnitude),
                           double(load.Magnitude)});
    }
    std::stable_sort(s.lines.begin(), s.lines.end(),
                     [](const SpectrumLine &a, const SpectrumLine &b) { return a.multiple < b.multiple; });
    return s;
}

Quantities Lab8Model::Results() const
{
    Quantities q;
    q.Add(QStringLiteral("VoltageRms"), QStringLiteral("V"), QStringLiteral("effective load voltage (digital voltmeter)"),
          VoltageRms);
    q.Add(QStringLiteral("CurrentRms"), QStringLiteral("A"),
          QStringLiteral("effective load current (the milliammeter shows it x 1000)"), CurrentRms);
    q.Add(QStringLiteral("VoltageWave"), QStringLiteral("V"),
          QStringLiteral("101 load voltage samples, t = 0, 0.2, ..., 20 ms"), VoltageWave);
    return q;
}

} // namespace ohmaris
