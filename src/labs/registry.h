// Tells the shell which window opens for each lab number.
#pragma once

namespace ohmaris {

// Registers the bench window of every lab in the lab table; a lab number
// the table does not list opens as the frame alone (title, menus, help,
// closing, an empty bench).
void RegisterLabWindows();

} // namespace ohmaris
