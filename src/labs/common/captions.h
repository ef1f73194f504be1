// SPDX-License-Identifier: GPL-3.0-or-later
// Caption rows the shared benches bring to every lab built on them, so a
// lab's captions.cpp lists only its own controls.
#pragma once

#include "i18n/captionmap.h"

namespace ohmaris {

// Every AC bench (labs 2 to 6): the K-50 panel (its meters, selector,
// range and direction buttons) and the breaker SF, Image1(0).
void AcBenchCaptions(CaptionRows &rows);

// The single-phase benches (labs 2 to 4): the regulator's panel caption
// and knob.
void RegulatorCaptions(CaptionRows &rows);

// The coil-and-capacitor benches (labs 2 and 3): the coil's panel caption,
// the microfarad sign and the variant selector.
void CoilCapacitorCaptions(CaptionRows &rows);

// The three-phase benches (labs 5 and 6):
// the volt sign, the element frames and their labels.
void ThreePhaseCaptions(CaptionRows &rows);

} // namespace ohmaris
