// SPDX-License-Identifier: GPL-3.0-or-later
// Gallery sheet of lab 5: the bench at start, the balanced load with the
// neutral wire, phases A and B only with the neutral open, and the K-50 set
// switched to phase B.
#include "gallery.h"

#include "labs/lab5/bench.h"

namespace ohmaris {

namespace {

// Closes or opens switches so that exactly `closed` (S0..S4) are closed.
void SetSwitches(Lab5Window *w, const std::array<int, 5> &closed)
{
    for (int k = 0; k < 5; ++k)
        if (w->Model().SwitchState[std::size_t(k)] != closed[std::size_t(k)])
            w->Image1_MouseDown(k, Qt::LeftButton);
}

void RenderLab5(const QString &out)
{
    constexpr int kSettleTicks = 200;
    auto *w = static_cast<Lab5Window *>(gallery::OpenLab(5));
    w->Tick();
    gallery::SaveWidget(w->form(), out, QStringLiteral("lab5-start"));

    SetSwitches(w, {1, 1, 1, 1, 1});
    gallery::Ticks(w, kSettleTicks);
    gallery::SaveWidget(w->form(), out, QStringLiteral("lab5-balanced-neutral"));

    SetSwitches(w, {1, 1, 1, 0, 0});
    gallery::Ticks(w, kSettleTicks);
    gallery::SaveWidget(w->form(), out, QStringLiteral("lab5-ab-neutral-open"));

    // The phase selector turns from A towards C with the right button.
    gallery::ClickKnob(w->Control(QStringLiteral("Picture11")), Qt::RightButton);
    gallery::Ticks(w, kSettleTicks);
    gallery::SaveWidget(w->form(), out, QStringLiteral("lab5-k50-phase-b"));
    gallery::FinishLab();
}

gallery::GallerySheet lab5Sheet("lab5", &RenderLab5);

} // namespace

} // namespace ohmaris
