// SPDX-License-Identifier: GPL-3.0-or-later
// Lab 7's entry in the lab table: switching transients.
#pragma once

#include "labs/labentry.h"

namespace ohmaris {

struct Lab7 {
    static constexpr int kNumber = 7;
    // How the frame treats the window.
    static constexpr LabFrame kFrame{
        .form = "Form7",
        .tickMs = 50,
        .cancelButton = "Command10",
        .scaling = ScalingVariant::Transients,
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
