# SPDX-License-Identifier: GPL-3.0-or-later
# Builds one locale for the tests into a directory of the build tree:
#   cmake -DLOCALE=ru_RU.UTF-8 -DDIR=<build>/locale -P MakeLocale.cmake
# localedef writes there without root; its sources come from Debian's
# locales package, which `make deps` installs.
string(REGEX MATCH "^([^.]+)\\.(.+)$" _ "${LOCALE}")
set(input ${CMAKE_MATCH_1})
set(charmap ${CMAKE_MATCH_2})
if(NOT input OR NOT charmap)
  message(FATAL_ERROR "MakeLocale: expected a locale such as ru_RU.UTF-8, got '${LOCALE}'")
endif()
if(EXISTS ${DIR}/${LOCALE}/LC_NUMERIC)
  return()
endif()
find_program(LOCALEDEF localedef)
if(NOT LOCALEDEF)
  message(FATAL_ERROR "MakeLocale: localedef not found; it comes with the C library (Debian's libc-bin)")
endif()
file(MAKE_DIRECTORY ${DIR})
# Exit status 1 means warnings only; the locale is written all the same.
execute_process(COMMAND ${LOCALEDEF} -i ${input} -f ${charmap} ${DIR}/${LOCALE}
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT EXISTS ${DIR}/${LOCALE}/LC_NUMERIC)
  message(FATAL_ERROR "MakeLocale: localedef could not build ${LOCALE} (status ${rc}): ${out}"
                      "The locale sources come from Debian's locales package (make deps installs it).")
endif()
message(STATUS "Built the ${LOCALE} locale in ${DIR}")
