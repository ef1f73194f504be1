// Lab 2's entry in the lab table.
#pragma once

#include "labs/labentry.h"

namespace ohmaris {

struct Lab2 {
    static constexpr int kNumber = 2;
    // Inputs and outputs for ohmaris-calc (calc.cpp).
    static const LabCalc &Calc();
    // The bench window; the shell owns it (bench.cpp).
    static std::unique_ptr<LabWindow> CreateWindow();
    // The gallery sheet "lab2" (gallery.cpp, built into ohmaris-gallery).
    static void RenderGallery(const QString &outDir);
};

} // namespace ohmaris
