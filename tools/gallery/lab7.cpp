// SPDX-License-Identifier: GPL-3.0-or-later
// Gallery sheet of lab 7: each circuit at rest, the RC circuit charging
// with both oscilloscope channels on, and the RLC circuit ringing.
#include "gallery.h"

#include "calc/clock.h"
#include "labs/lab7/bench.h"

#include <QLineEdit>

namespace ohmaris {

namespace {

void RenderLab7(const QString &out)
{
    FakeClock clock(100.0);
    setAppClock(&clock);
    auto *w = static_cast<Lab7Window *>(gallery::OpenLab(7));
    const auto run = [&](double seconds) { gallery::Ticks(w, int(seconds * 20), &clock, 0.05); };
    const auto selectCircuit = [&](int circuit) {
        w->Selector().setValue(float(circuit));
        w->Picture9_Click();
        run(0.5);
    };
    run(0.5);
    gallery::SaveWidget(w->form(), out, QStringLiteral("lab7-circuit1-rest"));
    selectCircuit(2);
    gallery::SaveWidget(w->form(), out, QStringLiteral("lab7-circuit2-rest"));
    selectCircuit(3);
    gallery::SaveWidget(w->form(), out, QStringLiteral("lab7-circuit3-rest"));

    // RC: both channels on, S1 closed a few seconds ago.
    selectCircuit(1);
    w->Command3_Click();
    w->Command5_Click();
    run(2.0);
    w->Image1_MouseDown(0, Qt::LeftButton, Qt::NoModifier);
    run(5.0);
    gallery::SaveWidget(w->form(), out, QStringLiteral("lab7-circuit1-charging"));

    // RLC with a small R1: S1 opened, the circuit changed, S1 closed again.
    w->Image1_MouseDown(0, Qt::LeftButton, Qt::NoModifier);
    run(0.5);
    selectCircuit(3);
    w->Control<QLineEdit>(QStringLiteral("Text1(1)"))->setText(QStringLiteral("30"));
    run(3.0);
    w->Image1_MouseDown(0, Qt::LeftButton, Qt::NoModifier);
    run(12.0);
    gallery::SaveWidget(w->form(), out, QStringLiteral("lab7-circuit3-ringing"));

    gallery::FinishLab();
}

gallery::GallerySheet lab7Sheet("lab7", &RenderLab7);

} // namespace

} // namespace ohmaris
