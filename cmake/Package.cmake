# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package (make package, or cpack in the build folder): the
# programs ohmaris and ohmaris-calc, the language files, the menu entry, the
# icons, the metainfo and the manual pages, installed under /usr.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ohmaris)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Ohmaris developers")
set(CPACK_PACKAGE_CONTACT "The Ohmaris developers <developers@ohmaris.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "teaching laboratory of simulated electrical circuit lab works")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "Ohmaris replaces a bench of real laboratory equipment with eight simulated lab\n"
  "works for an introductory course in electrical circuits: DC, single-phase and\n"
  "three-phase AC, switching transients and a non-sinusoidal supply. The student\n"
  "sets switches, element values and knobs and reads pointer meters, the K-50\n"
  "measuring set, numeric displays and a recording oscilloscope. English and\n"
  "Russian.\n"
  "\n"
  "The package also holds ohmaris-calc, which computes a lab's readings from the\n"
  "command line for preparing answer keys.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# The package installs only the default component: the gallery, a
# developer's tool, stays out.
set(CPACK_INSTALL_CMAKE_PROJECTS "${CMAKE_BINARY_DIR};${PROJECT_NAME};Unspecified;/")

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${OHMARIS_HOMEPAGE})
# The libraries the programs link come from dpkg-shlibdeps (Qt 6 Core, Gui and
# Widgets, the C++ runtime); the display plugins (X11 and Wayland), Qt's own
# translations (the standard buttons in Russian) and the fonts the windows
# name are loaded at run time, so they are listed here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-wayland, qt6-translations-l10n, fonts-liberation2, fonts-urw-base35")

include(CPack)
