// Tells the shell which window opens for each lab number.
#pragma once

namespace ohmaris {

// Registers the factory of every lab bench built into the program.
void RegisterLabWindows();

} // namespace ohmaris
