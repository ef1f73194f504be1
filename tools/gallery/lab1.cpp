// SPDX-License-Identifier: GPL-3.0-or-later
// Gallery sheet of lab 1: the bench at start, with S2, S3 and S4 closed once
// the meters have settled, and with the voltmeter selector at each position.
#include "gallery.h"

#include "labs/lab1/bench.h"

namespace ohmaris {

namespace {

void RenderLab1(const QString &out)
{
    constexpr int kSettleTicks = 200;
    auto *w = static_cast<Lab1Window *>(gallery::OpenLab(1));
    w->Tick();
    gallery::SaveWidget(w->form(), out, QStringLiteral("lab1-start"));

    for (int area : {14, 15, 16})
        w->Image1_MouseDown(area, Qt::LeftButton);
    gallery::Ticks(w, kSettleTicks);
    gallery::SaveWidget(w->form(), out, QStringLiteral("lab1-s2s3s4"));

    QWidget *knob = w->Control(QStringLiteral("Picture15"));
    for (int position = 1; position <= 5; ++position) {
        gallery::Ticks(w, kSettleTicks);
        gallery::SaveWidget(w->form(), out, QStringLiteral("lab1-selector%1").arg(position));
        gallery::ClickKnob(knob);
    }
    gallery::FinishLab();
}

gallery::GallerySheet lab1Sheet("lab1", &RenderLab1);

} // namespace

} // namespace ohmaris
