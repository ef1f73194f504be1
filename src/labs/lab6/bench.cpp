// SPDX-License-Identifier: GPL-3.0-or-later
// The lab 6 bench window Form5: its design table and schematic.
#include "labs/lab6/bench.h"

#include "labs/lab6/bench_draw.h"
#include "labs/lab6/lab.h"
#include "labs/registry.h"
#include "shell/picturebox.h"

namespace ohmaris {

namespace {

// A branch ammeter with its three range buttons under the face.
ThreePhaseMeter BranchAmmeter(int k, QPointF topLeft)
{
    const QString n = QString::number(k + 1);
    std::vector<RangeRow::Button> buttons;
    const std::array<const char *, 3> captions{"1 A", "2,5 A", "5 A"};
    for (int i = 0; i < 3; ++i)
        buttons.push_back({QRectF(105 + 900 * i, 1740, 885, 375), QString::fromLatin1(captions[std::size_t(i)])});
    return {QStringLiteral("Picture%1").arg(k + 3), QRectF(topLeft, QSizeF(2895, 2535)),
            MeterSpec{QStringLiteral("A") + n, 100, 10, 2, 1.5f, 1, 2, 2}, QStringLiteral("oA"),
            QStringLiteral("Command%1").arg(k + 5), buttons, {1.0f, 2.5f, 5.0f}};
}

ThreePhaseDesign Lab6Design()
{
    ThreePhaseDesign d;
    // The K-50 panel reaches higher than on the other benches.
    d.k50Place = QRectF(120, 120, 8775, 4215);
    d.meters = {BranchAmmeter(0, {9000, 0}), BranchAmmeter(1, {12120, 0}), BranchAmmeter(2, {9000, 2640})};
    d.frame1 = QRectF(12120, 2640, 2895, 1095);
    d.frame2Tops = {3840, 5880, 7920};
    d.frame2Left = 12120;
    // The schematic starts below A3, whose face keeps its height at 0.9 of
    // its width (2605 twips, not the 2535 of its box): at 4920 the two
    // would overlap. Its size stays, and its drawing hangs from the bottom.
    d.picture1 = QRectF(240, 5280, 11655, 5175);
    d.drawUnitDivisor = 110;
    d.hotspots = kLab6ClickAreas;
    d.clickAreas = [](double w, double h, double u) {
        const auto areas = Lab6ClickAreas(Lab6GridFor(w, h, u));
        return std::vector<QRectF>(areas.begin(), areas.end());
    };
    d.clickAreaKey = &Lab6ClickAreaKey;
    d.clickAreaLabel = &Lab6ClickAreaLabel;
    return d;
}

} // namespace

template <>
std::unique_ptr<LabWindow> CreateLabWindow<Lab6>()
{
    return std::make_unique<Lab6Window>();
}

Lab6Window::Lab6Window() : ThreePhaseWindow(Lab6::kFrame, Lab6Design(), &Lab6GridFor, &DrawLab6Schematic) {}

} // namespace ohmaris
