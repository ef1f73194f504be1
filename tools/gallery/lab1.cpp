// Gallery sheet of lab 1: the bench at start, with S2, S3 and S4 closed once
// the meters have settled, and with the voltmeter selector at each position.
#include "gallery.h"

#include "labs/lab1/bench.h"
#include "shell/shell.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPointer>

namespace {

using namespace ohmaris;

constexpr int kSettleTicks = 200;

void Settle(LabWindow *w)
{
    for (int i = 0; i < kSettleTicks; ++i)
        w->Tick();
}

// A left click on the middle of the selector knob, as the mouse makes it.
void ClickKnob(QWidget *knob)
{
    const QPointF c(knob->width() / 2.0, knob->height() / 2.0);
    const QPointF g = knob->mapToGlobal(c);
    QMouseEvent press(QEvent::MouseButtonPress, c, g, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, c, g, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(knob, &press);
    QApplication::sendEvent(knob, &release);
}

void render(const QString &out)
{
    gallery::PrepareShell();
    auto *w = static_cast<Form1 *>(CreateLab1Window());
    w->Show();
    w->Tick();
    gallery::SaveWidget(w->form(), out, QStringLiteral("lab1-start"));

    for (int area : {14, 15, 16})
        w->Image1_MouseDown(area, Qt::LeftButton);
    Settle(w);
    gallery::SaveWidget(w->form(), out, QStringLiteral("lab1-s2s3s4"));

    QWidget *knob = w->Control(QStringLiteral("Picture15"));
    for (int position = 1; position <= 5; ++position) {
        Settle(w);
        gallery::SaveWidget(w->form(), out, QStringLiteral("lab1-selector%1").arg(position));
        ClickKnob(knob);
    }
    w->Unload();
    delete w;
}

ohmaris::gallery::GallerySheet sheet("lab1", &render);

} // namespace
