// SPDX-License-Identifier: GPL-3.0-or-later
// Gallery sheet of lab 4: the bench at start, then both branches closed at
// full voltage in each of the four connections after the pointers settle
// (the last one also in Russian).
#include "gallery.h"

#include "calc/clock.h"
#include "labs/lab4/bench.h"
#include "shell/shell.h"

namespace ohmaris {

namespace {

void RenderLab4(const QString &out)
{
    FakeClock clock;
    setAppClock(&clock);
    auto *bench = static_cast<Lab4Window *>(gallery::OpenLab(4));
    gallery::Ticks(bench, 5, &clock);
    gallery::SaveWidget(bench->form(), out, QStringLiteral("lab4-start"));

    // Regulator at position 1 (228 V); breaker, S1 and S2 closed.
    bench->Regulator().setValue(1);
    bench->Model().RecalcPending = true;
    for (int i = 0; i < 3; ++i)
        bench->Image1_MouseDown(i, Qt::LeftButton);
    const char *const names[] = {"series-aiding", "series-opposing", "parallel-opposing", "parallel-aiding"};
    for (int position = 1; position <= 4; ++position) {
        bench->ConnectionSwitch().setValue(float(position));
        bench->Model().RecalcPending = true;
        gallery::Ticks(bench, 60, &clock);
        gallery::SaveWidget(bench->form(), out,
                            QStringLiteral("lab4-connection%1-%2").arg(position).arg(QLatin1String(names[position - 1])));
    }

    int russian = 2;
    Shell::instance().LoadLanguage(russian);
    gallery::SaveWidget(bench->form(), out, QStringLiteral("lab4-connection4-ru"));
    gallery::FinishLab();
}

gallery::GallerySheet lab4Sheet("lab4", &RenderLab4);

} // namespace

} // namespace ohmaris
