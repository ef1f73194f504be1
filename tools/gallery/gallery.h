// SPDX-License-Identifier: GPL-3.0-or-later
// The gallery renders every window and instrument sheet of the program to
// PNG files, for looking at what the program shows. Each area adds its
// sheets from its own file with a static GallerySheet object.
#pragma once

#include <QString>
#include <functional>
#include <vector>

#include <Qt>

class QWidget;

namespace ohmaris {
class FakeClock;
class LabWindow;
} // namespace ohmaris

namespace ohmaris::gallery {

using SheetFunction = std::function<void(const QString &outDir)>;

struct GallerySheet {
    GallerySheet(const char *name, SheetFunction render);
};

// Saves a widget (shown, laid out and painted) as outDir/name.png.
void SaveWidget(QWidget *w, const QString &outDir, const QString &name);

// The languages asked for with --lang (both when none was given); sheets
// that show one language use the first.
const std::vector<int> &Languages();
// A fresh shell with message boxes off, the first asked-for language
// loaded and every lab of the lab table registered: what every sheet does
// before it builds a window.
void PrepareShell();
// PrepareShell, then the window of lab `lab` shown.
LabWindow *OpenLab(int lab);
// The end of a lab's sheet: its windows gone, the steady clock back.
void FinishLab();
// `count` timer ticks of the window, the fake clock (if any) moving `dt`
// seconds before each.
void Ticks(LabWindow *w, int count, FakeClock *clock = nullptr, double dt = 0.03);
// A click on the middle of a knob, as the mouse makes it.
void ClickKnob(QWidget *knob, Qt::MouseButton button = Qt::LeftButton);

} // namespace ohmaris::gallery
