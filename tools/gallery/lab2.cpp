// SPDX-License-Identifier: GPL-3.0-or-later
// Gallery sheet of lab 2: the bench at start, at full voltage after the
// pointers settle, with the capacitor bypassed, and at resonance (also in
// Russian). Resonance is shown as a student measures it: at 76 V, where the
// current stays under the protection's 5 A, with the K-50 on its 150 V
// range, so every pointer stands on its scale.
#include "gallery.h"

#include "calc/clock.h"
#include "labs/lab2/bench.h"
#include "shell/shell.h"

#include <QLineEdit>

namespace ohmaris {

namespace {

void RenderLab2(const QString &out)
{
    FakeClock clock;
    setAppClock(&clock);
    auto *bench = static_cast<Lab2Window *>(gallery::OpenLab(2));
    gallery::Ticks(bench, 5, &clock);
    gallery::SaveWidget(bench->form(), out, QStringLiteral("lab2-start"));

    // Regulator at position 1 (228 V), breaker closed.
    bench->Regulator().setValue(1);
    bench->Model().RecalcPending = true;
    bench->Image1_MouseDown(0, Qt::LeftButton);
    gallery::Ticks(bench, 60, &clock);
    gallery::SaveWidget(bench->form(), out, QStringLiteral("lab2-full-voltage"));

    bench->Image1_MouseDown(1, Qt::LeftButton);
    gallery::Ticks(bench, 60, &clock);
    gallery::SaveWidget(bench->form(), out, QStringLiteral("lab2-bypass"));

    bench->Image1_MouseDown(1, Qt::LeftButton);
    bench->VariantSwitch().setValue(6);
    bench->Regulator().setValue(9); // regulator step 4: 76 V
    bench->K50()->Command3_Click(0);
    bench->Model().RecalcPending = true;
    bench->Control<QLineEdit>(QStringLiteral("Text1"))->setText(QStringLiteral("40,53"));
    gallery::Ticks(bench, 60, &clock);
    gallery::SaveWidget(bench->form(), out, QStringLiteral("lab2-resonance"));

    // The Russian captions are longer: the panel captions wrap.
    int russian = 2;
    Shell::instance().LoadLanguage(russian);
    gallery::SaveWidget(bench->form(), out, QStringLiteral("lab2-resonance-ru"));
    gallery::FinishLab();
}

gallery::GallerySheet lab2Sheet("lab2", &RenderLab2);

} // namespace

} // namespace ohmaris
