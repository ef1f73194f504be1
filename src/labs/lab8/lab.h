// SPDX-License-Identifier: GPL-3.0-or-later
// Lab 8's entry in the lab table: non-sinusoidal supply.
#pragma once

#include "labs/labentry.h"

namespace ohmaris {

struct Lab8 {
    static constexpr int kNumber = 8;
    // How the frame treats the window.
    static constexpr LabFrame kFrame{
        .form = "Form8",
        .tickMs = 50,
        .cancelButton = "Command10",
        .scaling = ScalingVariant::Harmonics,
        .keepMaximised = false,
        .focusPicture1 = true,
        .exitClearsHelpKey = false,
        .cancelFarOffScreen = true,
    };
    // Inputs and outputs for ohmaris-calc (calc.cpp).
    static const LabCalc &Calc();
    // Title, captions and tool tips of the window (captions.cpp).
    static void Captions(CaptionRows &rows);
};

} // namespace ohmaris
