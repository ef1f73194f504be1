# SPDX-License-Identifier: GPL-3.0-or-later
# Writes a manual page compressed as the system's man pages are (gzip -9n,
# so the file does not change from one build to the next).
#
#   cmake -DPAGE=name.1 [-DPROGRAM=tool] -P ManPage.cmake
#
# With PROGRAM, the page is first written from "PROGRAM --man". Either way
# PAGE.gz is written beside PAGE.
if(NOT PAGE)
  message(FATAL_ERROR "ManPage.cmake: PAGE is not set")
endif()
if(PROGRAM)
  execute_process(COMMAND ${PROGRAM} --man OUTPUT_FILE ${PAGE} RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "ManPage.cmake: '${PROGRAM} --man' failed (${rc})")
  endif()
endif()
execute_process(COMMAND gzip -9 -n -c ${PAGE} OUTPUT_FILE ${PAGE}.gz RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "ManPage.cmake: gzip of ${PAGE} failed (${rc})")
endif()
