// Lab 4's entry in the lab table.
#pragma once

#include "labs/labentry.h"

namespace ohmaris {

struct Lab4 {
    static constexpr int kNumber = 4;
    // Inputs and outputs for ohmaris-calc (calc.cpp).
    static const LabCalc &Calc();
    // The bench window; the shell owns it (bench.cpp).
    static std::unique_ptr<LabWindow> CreateWindow();
    // The gallery sheet "lab4" (gallery.cpp, built into ohmaris-gallery).
    static void RenderGallery(const QString &outDir);
};

} // namespace ohmaris
