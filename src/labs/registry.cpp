// SPDX-License-Identifier: GPL-3.0-or-later
// Lab number to bench window, from the lab table.
#include "labs/registry.h"

#include "labs/labtable.h"
#include "shell/labwindow.h"
#include "shell/shell.h"

namespace ohmaris {

void RegisterLabWindows()
{
    Shell &shell = Shell::instance();
    LabTable::ForEach([&shell]<class Lab>() { shell.RegisterLab(Lab::kNumber, &CreateLabWindow<Lab>); });
}

} // namespace ohmaris
