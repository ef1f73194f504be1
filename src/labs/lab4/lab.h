// SPDX-License-Identifier: GPL-3.0-or-later
// Lab 4's entry in the lab table: single-phase AC, two magnetically coupled coils.
#pragma once

#include "labs/labentry.h"

namespace ohmaris {

struct Lab4 {
    static constexpr int kNumber = 4;
    // How the frame treats the window.
    static constexpr LabFrame kFrame{.form = "Form6", .cancelButton = "Command4"};
    // Inputs and outputs for ohmaris-calc (calc.cpp).
    static const LabCalc &Calc();
    // Title, captions and tool tips of the window (captions.cpp).
    static void Captions(CaptionRows &rows);
};

} // namespace ohmaris
