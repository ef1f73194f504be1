// The gallery renders every window and instrument sheet of the program to
// PNG files, for looking at what the program shows. Each area adds its
// sheets from its own file with a static GallerySheet object.
#pragma once

#include <QString>
#include <functional>
#include <vector>

class QWidget;

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
// Message boxes off and the first asked-for language loaded: what every
// sheet does before it builds a window.
void PrepareShell();

} // namespace ohmaris::gallery
