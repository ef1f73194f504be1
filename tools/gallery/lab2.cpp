// Gallery sheet of lab 2: the bench at start, at full voltage after the
// pointers settle, with the capacitor bypassed, and at resonance (also in
// Russian).
#include "gallery.h"

#include "calc/clock.h"
#include "labs/lab2/bench.h"
#include "shell/controls.h"
#include "shell/shell.h"

#include <QLineEdit>

namespace {

using namespace ohmaris;

void Settle(Lab2Bench &bench, FakeClock &clock, int ticks)
{
    for (int i = 0; i < ticks; ++i) {
        clock.advance(0.03);
        bench.Tick();
    }
}

void render(const QString &out)
{
    gallery::PrepareShell();
    Shell &shell = Shell::instance();
    FakeClock clock;
    setAppClock(&clock);

    shell.RegisterLab(2, &CreateLab2Window);
    auto *bench = static_cast<Lab2Bench *>(shell.LabWindowFor(2));
    bench->Show();
    Settle(*bench, clock, 5);
    gallery::SaveWidget(bench->form(), out, QStringLiteral("lab2-start"));

    // Regulator at position 1 (228 V), breaker closed.
    bench->Regulator().setValue(1);
    bench->Model().RecalcPending = true;
    bench->Image1_MouseDown(0, Qt::LeftButton);
    Settle(*bench, clock, 60);
    gallery::SaveWidget(bench->form(), out, QStringLiteral("lab2-full-voltage"));

    bench->Image1_MouseDown(1, Qt::LeftButton);
    Settle(*bench, clock, 60);
    gallery::SaveWidget(bench->form(), out, QStringLiteral("lab2-bypass"));

    bench->Image1_MouseDown(1, Qt::LeftButton);
    bench->VariantSwitch().setValue(6);
    bench->Model().RecalcPending = true;
    bench->Control<QLineEdit>(QStringLiteral("Text1"))->setText(QStringLiteral("40,53"));
    Settle(*bench, clock, 60);
    gallery::SaveWidget(bench->form(), out, QStringLiteral("lab2-resonance"));

    // The Russian captions are longer: the panel captions wrap.
    int russian = 2;
    shell.LoadLanguage(russian);
    gallery::SaveWidget(bench->form(), out, QStringLiteral("lab2-resonance-ru"));
    gallery::PrepareShell();

    bench->Unload();
    setAppClock(nullptr);
}

ohmaris::gallery::GallerySheet sheet("lab2", &render);

} // namespace
