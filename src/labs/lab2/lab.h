// SPDX-License-Identifier: GPL-3.0-or-later
// Lab 2's entry in the lab table: single-phase AC, coil in series with a capacitor.
#pragma once

#include "labs/labentry.h"

namespace ohmaris {

struct Lab2 {
    static constexpr int kNumber = 2;
    // How the frame treats the window.
    static constexpr LabFrame kFrame{.form = "Form2", .cancelButton = "Command4"};
    // Inputs and outputs for ohmaris-calc (calc.cpp).
    static const LabCalc &Calc();
    // Title, captions and tool tips of the window (captions.cpp).
    static void Captions(CaptionRows &rows);
};

} // namespace ohmaris
