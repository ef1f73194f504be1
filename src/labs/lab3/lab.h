// SPDX-License-Identifier: GPL-3.0-or-later
// Lab 3's entry in the lab table: single-phase AC, coil in parallel with a capacitor.
#pragma once

#include "labs/labentry.h"

namespace ohmaris {

struct Lab3 {
    static constexpr int kNumber = 3;
    // How the frame treats the window.
    static constexpr LabFrame kFrame{.form = "Form3", .cancelButton = "Command4"};
    // Inputs and outputs for ohmaris-calc (calc.cpp).
    static const LabCalc &Calc();
    // Title, captions and tool tips of the window (captions.cpp).
    static void Captions(CaptionRows &rows);
};

} // namespace ohmaris
