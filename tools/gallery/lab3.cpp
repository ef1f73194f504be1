// SPDX-License-Identifier: GPL-3.0-or-later
// Gallery sheet of lab 3: the bench at start, variant 1 at full voltage
// with the capacitor connected, current resonance, and the moment the
// breaker has just tripped on that full-voltage overload.
#include "gallery.h"

#include "calc/clock.h"
#include "labs/lab3/bench.h"

#include <QLineEdit>

namespace ohmaris {

namespace {

void RenderLab3(const QString &out)
{
    FakeClock clock;
    setAppClock(&clock);
    auto *bench = static_cast<Lab3Window *>(gallery::OpenLab(3));
    gallery::Ticks(bench, 5, &clock);
    gallery::SaveWidget(bench->form(), out, QStringLiteral("lab3-start"));

    // Regulator at position 1 (228 V), capacitor connected, breaker closed.
    bench->Regulator().setValue(1);
    bench->Model().RecalcPending = true;
    bench->Image1_MouseDown(1, Qt::LeftButton);
    bench->Image1_MouseDown(0, Qt::LeftButton);
    gallery::Ticks(bench, 60, &clock);
    gallery::SaveWidget(bench->form(), out, QStringLiteral("lab3-full-voltage"));

    // The total current at its minimum; A1 and A2 read the same.
    bench->Control<QLineEdit>(QStringLiteral("Text1"))->setText(QStringLiteral("11,8536"));
    gallery::Ticks(bench, 60, &clock);
    gallery::SaveWidget(bench->form(), out, QStringLiteral("lab3-resonance"));

    // Back to 100 uF: 6.31 A for more than 8 s opens the breaker; a few
    // ticks later the pointers are on their way down.
    bench->Control<QLineEdit>(QStringLiteral("Text1"))->setText(QStringLiteral("100"));
    gallery::Ticks(bench, 1, &clock);
    for (int tick = 0; tick < 400 && bench->Model().SwitchState[0] == 1; ++tick)
        gallery::Ticks(bench, 1, &clock);
    gallery::Ticks(bench, 3, &clock);
    gallery::SaveWidget(bench->form(), out, QStringLiteral("lab3-breaker-tripped"));
    gallery::FinishLab();
}

gallery::GallerySheet lab3Sheet("lab3", &RenderLab3);

} // namespace

} // namespace ohmaris
