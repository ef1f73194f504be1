// SPDX-License-Identifier: GPL-3.0-or-later
// Gallery sheet of lab 6: the bench at start, the balanced delta with every
// switch closed, line A broken, branch AB open, and the K-50 set switched
// to phase B.
#include "gallery.h"

#include "labs/lab6/bench.h"

namespace ohmaris {

namespace {

// Clicks the switches whose state differs from `closed` (S0..S6).
void SetSwitches(Lab6Window *w, const std::array<int, Lab6Model::kSwitches> &closed)
{
    for (int k = 0; k < Lab6Model::kSwitches; ++k)
        if (w->Model().SwitchState[std::size_t(k)] != closed[std::size_t(k)])
            w->Image1_MouseDown(k, Qt::LeftButton);
}

void RenderLab6(const QString &out)
{
    constexpr int kSettleTicks = 200;
    auto *w = static_cast<Lab6Window *>(gallery::OpenLab(6));
    w->Tick();
    gallery::SaveWidget(w->form(), out, QStringLiteral("lab6-start"));

    const auto show = [&](const std::array<int, Lab6Model::kSwitches> &closed, const char *name) {
        SetSwitches(w, closed);
        gallery::Ticks(w, kSettleTicks);
        gallery::SaveWidget(w->form(), out, QString::fromLatin1(name));
    };
    show({1, 1, 1, 1, 1, 1, 1}, "lab6-balanced");
    show({1, 0, 1, 1, 1, 1, 1}, "lab6-line-a-broken");
    show({1, 1, 1, 1, 0, 1, 1}, "lab6-branch-ab-open");

    // The phase selector turns from A towards C with the right button.
    gallery::ClickKnob(w->Control(QStringLiteral("Picture11")), Qt::RightButton);
    gallery::Ticks(w, kSettleTicks);
    gallery::SaveWidget(w->form(), out, QStringLiteral("lab6-k50-phase-b"));
    gallery::FinishLab();
}

gallery::GallerySheet lab6Sheet("lab6", &RenderLab6);

} // namespace

} // namespace ohmaris
