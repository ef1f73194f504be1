// SPDX-License-Identifier: GPL-3.0-or-later
// What a lab's entry in the lab table holds besides its code: how the frame
// treats the lab's window, as plain data. A lab's lab.h fills one LabFrame;
// the frame, the chooser, the caption table and the tools read it from the
// table, so no other file lists what differs between lab windows.
#pragma once

namespace ohmaris {

struct LabCalc;
class CaptionRows;

// Which variant of the name-prefix scaling rule a window follows at load.
enum class ScalingVariant {
    Plain,       // Form1, Form2, Form3, Form6
    ThreePhase,  // Form4, Form5: "Comb" keep height, "Fram" fonts, "Text" height twice
    Transients,  // Form7: "Combo" keep height
    Harmonics,   // Form8: "Comb" keep height, "Tex" fonts
};

// The frame's settings of one lab window. Defaults are those of most
// windows; a lab names only what differs.
struct LabFrame {
    const char *form = "";         // the window's object name, such as "Form6"
    int tickMs = 30;               // interval of Timer1
    const char *cancelButton = ""; // the hidden button Esc presses
    ScalingVariant scaling = ScalingVariant::Plain;
    bool keepMaximised = true;      // restoring the window maximises it again
    bool focusPicture1 = false;     // becoming active gives Picture1 the focus
    bool exitClearsHelpKey = true;  // Exit in the menu forgets the help key
    bool cancelFarOffScreen = false; // the cancel button waits at twice the screen
                                     // width, not just past its right edge
};

} // namespace ohmaris
