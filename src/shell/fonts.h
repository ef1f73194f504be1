// SPDX-License-Identifier: GPL-3.0-or-later
// The fonts the windows name, mapped onto fonts a Debian machine has.
#pragma once

namespace ohmaris {

// Times New Roman -> Liberation Serif, Monotype Corsiva -> Z003 (a
// calligraphic face), MS Sans Serif -> Liberation Sans, Symbol -> the serif.
void InstallFontSubstitutes();

} // namespace ohmaris
