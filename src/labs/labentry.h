// What the lab table needs to know of the program's windows and tools, so a
// lab's lab.h can declare its entry without including them.
#pragma once

#include <QString>
#include <memory>

namespace ohmaris {

struct LabCalc;
class LabWindow;

} // namespace ohmaris
