// SPDX-License-Identifier: GPL-3.0-or-later
// The lab 5 bench window Form4: its design table and schematic.
#include "labs/lab5/bench.h"

#include "labs/lab5/bench_draw.h"
#include "labs/lab5/lab.h"
#include "labs/registry.h"
#include "shell/picturebox.h"

namespace ohmaris {

namespace {

std::vector<RangeRow::Button> Buttons(const std::array<const char *, 4> &captions)
{
    std::vector<RangeRow::Button> b;
    for (int k = 0; k < 4; ++k)
        b.push_back({QRectF(105 + 705 * k, 1800, 690, 375), QString::fromUtf8(captions[std::size_t(k)])});
    return b;
}

ThreePhaseDesign Lab5Design()
{
    ThreePhaseDesign d;
    d.k50Place = K50Panel::kStandardPlace;
    d.meters = {
        {QStringLiteral("Picture3"), QRectF(9000, 240, 3015, 2655),
         MeterSpec{QStringLiteral("A1"), 100, 10, 2, 1.5f, 1, 2, 2}, QStringLiteral("oA"), QStringLiteral("Command5"),
         Buttons({"0,5 A", "1 A", "2,5 A", "5 A"}), {0.5f, 1.0f, 2.5f, 5.0f}},
        {QStringLiteral("Picture4"), QRectF(12120, 240, 3015, 2655),
         MeterSpec{QStringLiteral("V1"), 150, 25, 5, 1.5f, 1, 2, 2, 0, QStringLiteral("V")}, QStringLiteral("oV"), QStringLiteral("Command6"),
         Buttons({"50 В", "150 В", "300 В", "450 В"}), {50.0f, 150.0f, 300.0f, 450.0f}},
    };
    d.frame1 = QRectF(9120, 3120, 2775, 1095);
    d.frame2Tops = {3120, 3120 + 2160, 3120 + 2 * 2160};
    d.picture1 = QRectF(240, 4440, 11655, 5895);
    d.drawUnitDivisor = 90;
    d.hotspots = kLab5ClickAreas;
    d.clickAreas = [](double w, double h, double u) {
        const auto areas = Lab5ClickAreas(Lab5GridFor(w, h, u));
        return std::vector<QRectF>(areas.begin(), areas.end());
    };
    d.clickAreaKey = &Lab5ClickAreaKey;
    d.clickAreaLabel = &Lab5ClickAreaLabel;
    return d;
}

} // namespace

template <>
std::unique_ptr<LabWindow> CreateLabWindow<Lab5>()
{
    return std::make_unique<Lab5Window>();
}

Lab5Window::Lab5Window() : ThreePhaseWindow(Lab5::kFrame, Lab5Design(), &Lab5GridFor, &DrawLab5Schematic) {}

} // namespace ohmaris
