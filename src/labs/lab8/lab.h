// Lab 8's entry in the lab table.
#pragma once

#include "labs/labentry.h"

namespace ohmaris {

struct Lab8 {
    static constexpr int kNumber = 8;
    // Inputs and outputs for ohmaris-calc (calc.cpp).
    static const LabCalc &Calc();
    // The bench window; the shell owns it (bench.cpp).
    static std::unique_ptr<LabWindow> CreateWindow();
    // The gallery sheet "lab8" (gallery.cpp, built into ohmaris-gallery).
    static void RenderGallery(const QString &outDir);
};

} // namespace ohmaris
