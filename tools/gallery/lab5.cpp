// Gallery sheet of lab 5: the bench at start, the balanced load with the
// neutral wire, phases A and B only with the neutral open, and the K-50 set
// switched to phase B.
#include "gallery.h"

#include "labs/lab5/bench.h"
#include "shell/shell.h"

#include <QApplication>
#include <QMouseEvent>

namespace {

using namespace ohmaris;

constexpr int kSettleTicks = 200;

void Settle(LabWindow *w)
{
    for (int i = 0; i < kSettleTicks; ++i)
        w->Tick();
}

// A click on the middle of a knob, as the mouse makes it. The phase
// selector turns from A towards C with the right button.
void ClickKnob(QWidget *knob, Qt::MouseButton button)
{
    const QPointF c(knob->width() / 2.0, knob->height() / 2.0);
    const QPointF g = knob->mapToGlobal(c);
    QMouseEvent press(QEvent::MouseButtonPress, c, g, button, button, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, c, g, button, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(knob, &press);
    QApplication::sendEvent(knob, &release);
}

// Closes or opens switches so that exactly `closed` (S0..S4) are closed.
void SetSwitches(Lab5Window *w, const std::array<int, 5> &closed)
{
    for (int k = 0; k < 5; ++k)
        if (w->model.SwitchState[std::size_t(k)] != closed[std::size_t(k)])
            w->Image1_MouseDown(k, Qt::LeftButton);
}

void render(const QString &out)
{
    gallery::PrepareShell();
    auto *w = static_cast<Lab5Window *>(CreateLab5Window());
    w->Show();
    w->Tick();
    gallery::SaveWidget(w->form(), out, QStringLiteral("lab5-start"));

    SetSwitches(w, {1, 1, 1, 1, 1});
    Settle(w);
    gallery::SaveWidget(w->form(), out, QStringLiteral("lab5-balanced-neutral"));

    SetSwitches(w, {1, 1, 1, 0, 0});
    Settle(w);
    gallery::SaveWidget(w->form(), out, QStringLiteral("lab5-ab-neutral-open"));

    ClickKnob(w->Control(QStringLiteral("Picture11")), Qt::RightButton);
    Settle(w);
    gallery::SaveWidget(w->form(), out, QStringLiteral("lab5-k50-phase-b"));

    w->Unload();
    delete w;
}

ohmaris::gallery::GallerySheet sheet("lab5", &render);

} // namespace
