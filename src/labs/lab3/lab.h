// Lab 3's entry in the lab table.
#pragma once

#include "labs/labentry.h"

namespace ohmaris {

struct Lab3 {
    static constexpr int kNumber = 3;
    // Inputs and outputs for ohmaris-calc (calc.cpp).
    static const LabCalc &Calc();
    // The bench window; the shell owns it (bench.cpp).
    static std::unique_ptr<LabWindow> CreateWindow();
    // The gallery sheet "lab3" (gallery.cpp, built into ohmaris-gallery).
    static void RenderGallery(const QString &outDir);
};

} // namespace ohmaris
