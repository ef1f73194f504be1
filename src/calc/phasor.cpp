// SPDX-License-Identifier: GPL-3.0-or-later
// Polar phasor operations with the program's rounding.
#include "calc/phasor.h"

#include <cmath>

namespace ohmaris {

namespace {

// re and im arrive already rounded to 32 bits.
Phasor fromRectangular(float re, float im)
{
    Phasor r;
    r.Magnitude = float(std::pow(std::pow(double(re), 2.0) + std::pow(double(im), 2.0), 0.5));
    if (re != 0.0f)
        r.Angle = re > 0.0f ? std::atan(double(im) / double(re))
                            : std::atan(double(im) / double(re)) + kPi;
    else
        r.Angle = im < 0.0f ? -kHalfPi : kHalfPi;
    if (im == 0.0f)
        r.Angle = re < 0.0f ? kPi : 0.0;
    return r;
}

double reduce(double theta)
{
    while (theta > kTwoPi)
        theta -= kTwoPi;
    while (theta < -kTwoPi)
        theta += kTwoPi;
    return theta;
}

double re(Phasor p) { return double(p.Magnitude) * std::cos(p.Angle); }
double im(Phasor p) { return double(p.Magnitude) * std::sin(p.Angle); }

} // namespace

Phasor PhasorSum(Phasor a, Phasor b)
{
    return fromRectangular(float(re(a) + re(b)), float(im(a) + im(b)));
}

Phasor PhasorDifference(Phasor a, Phasor b)
{
    return fromRectangular(float(re(a) - re(b)), float(im(a) - im(b)));
}

Phasor PhasorSum3(Phasor a, Phasor b, Phasor c)
{
    return fromRectangular(float(re(a) + re(b) + re(c)), float(im(a) + im(b) + im(c)));
}

Phasor PhasorProduct(Phasor a, Phasor b)
{
    return {float(double(a.Magnitude) * double(b.Magnitude)), reduce(a.Angle + b.Angle)};
}

Phasor PhasorQuotient(Phasor a, Phasor b)
{
    return {float(double(a.Magnitude) / double(b.Magnitude)), reduce(a.Angle - b.Angle)};
}

Phasor PhasorNegate(Phasor a)
{
    return {a.Magnitude, a.Angle + kPi};
}

} // namespace ohmaris
