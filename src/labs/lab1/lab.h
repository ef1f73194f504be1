// SPDX-License-Identifier: GPL-3.0-or-later
// Lab 1's entry in the lab table: the DC circuit with two sources.
#pragma once

#include "labs/labentry.h"

namespace ohmaris {

struct Lab1 {
    static constexpr int kNumber = 1;
    // How the frame treats the window.
    static constexpr LabFrame kFrame{.form = "Form1", .cancelButton = "Command1"};
    // Inputs and outputs for ohmaris-calc (calc.cpp).
    static const LabCalc &Calc();
    // Title, captions and tool tips of the window (captions.cpp).
    static void Captions(CaptionRows &rows);
};

} // namespace ohmaris
