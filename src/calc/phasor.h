// SPDX-License-Identifier: GPL-3.0-or-later
// Complex quantities in polar form, as the AC models compute with them.
// Sums go through rectangular parts rounded to 32 bits; products and
// quotients work on magnitude and angle. Pi is the program's decimal constant.
#pragma once

namespace ohmaris {

constexpr double kPi = 3.141592654;
constexpr double kHalfPi = 3.141592654 / 2;
constexpr double kTwoPi = 6.283185308;
// 50 Hz angular frequency, held as a 32-bit float.
constexpr float kOmega = 314.1592654f;

struct Phasor {
    float Magnitude = 0.0f;
    double Angle = 0.0;
};

Phasor PhasorSum(Phasor a, Phasor b);
Phasor PhasorDifference(Phasor a, Phasor b);
Phasor PhasorSum3(Phasor a, Phasor b, Phasor c);
Phasor PhasorProduct(Phasor a, Phasor b);
Phasor PhasorQuotient(Phasor a, Phasor b);
Phasor PhasorNegate(Phasor a);

} // namespace ohmaris
