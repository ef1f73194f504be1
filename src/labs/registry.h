// SPDX-License-Identifier: GPL-3.0-or-later
// The window side of the lab table: which bench window opens for each lab.
// The core's entries (lab.h) know nothing of windows; each lab's bench.cpp
// binds its entry to its window by defining CreateLabWindow for it:
//
//   template <>
//   std::unique_ptr<LabWindow> CreateLabWindow<Lab2>()
//   {
//       return std::make_unique<Lab2Window>();
//   }
//
// A lab of the table whose bench.cpp does not define it fails to link.
#pragma once

#include <memory>

namespace ohmaris {

class LabWindow;

// The bench window of `Lab`, an entry of the lab table; the shell owns it.
template <class Lab>
std::unique_ptr<LabWindow> CreateLabWindow();

// Registers the bench window of every lab in the lab table with the shell.
void RegisterLabWindows();

} // namespace ohmaris
