// SPDX-License-Identifier: GPL-3.0-or-later
// Lab 6's entry in the lab table: three-phase delta load.
#pragma once

#include "labs/labentry.h"

namespace ohmaris {

struct Lab6 {
    static constexpr int kNumber = 6;
    // How the frame treats the window.
    static constexpr LabFrame kFrame{.form = "Form5", .cancelButton = "Command4", .scaling = ScalingVariant::ThreePhase};
    // Inputs and outputs for ohmaris-calc (calc.cpp).
    static const LabCalc &Calc();
    // Title, captions and tool tips of the window (captions.cpp).
    static void Captions(CaptionRows &rows);
};

} // namespace ohmaris
