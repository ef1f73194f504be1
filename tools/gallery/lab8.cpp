// SPDX-License-Identifier: GPL-3.0-or-later
// Gallery sheet of lab 8: the bench at start; all sources on without the
// filter, the oscilloscope and both meters on; the whole filter in with all
// sources on.
#include "gallery.h"

#include "calc/clock.h"
#include "labs/lab8/bench.h"

namespace ohmaris {

namespace {

void RenderLab8(const QString &out)
{
    FakeClock clock(100.0);
    setAppClock(&clock);
    auto *w = static_cast<Lab8Window *>(gallery::OpenLab(8));
    const auto run = [&] { gallery::Ticks(w, 4, &clock, 0.05); };
    run();
    gallery::SaveWidget(w->form(), out, QStringLiteral("lab8-start"));

    for (int k = 0; k < Lab8Model::kSources; ++k)
        w->Command2_Click(k);
    w->Command1_Click();
    w->Command4_Click();
    w->Command3_Click();
    run();
    gallery::SaveWidget(w->form(), out, QStringLiteral("lab8-sources-no-filter"));

    // S1 and S4 closed, S2 and S3 opened, S5 closed: C1, L, R, C2 and the load in.
    for (int sw = 0; sw < 5; ++sw)
        w->Image1_MouseDown(sw, Qt::LeftButton);
    run();
    gallery::SaveWidget(w->form(), out, QStringLiteral("lab8-full-filter"));

    gallery::FinishLab();
}

gallery::GallerySheet lab8Sheet("lab8", &RenderLab8);

} // namespace

} // namespace ohmaris
