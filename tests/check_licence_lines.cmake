# SPDX-License-Identifier: GPL-3.0-or-later
# Every source file names its licence in an SPDX line near its top, so a file
# copied out of the project still says under which terms it may be used.
# Run: cmake -DSOURCE_DIR=<checkout> -P check_licence_lines.cmake
set(tag "SPDX-License-Identifier: GPL-3.0-or-later")
set(missing "")
set(count 0)
foreach(dir app src tools tests cmake dist .ci)
    file(GLOB_RECURSE found LIST_DIRECTORIES false
         "${SOURCE_DIR}/${dir}/*.cpp" "${SOURCE_DIR}/${dir}/*.h"
         "${SOURCE_DIR}/${dir}/*.h.in" "${SOURCE_DIR}/${dir}/*.1.in"
         "${SOURCE_DIR}/${dir}/*.sh" "${SOURCE_DIR}/${dir}/*.py"
         "${SOURCE_DIR}/${dir}/*.cmake" "${SOURCE_DIR}/${dir}/CMakeLists.txt")
    list(APPEND files ${found})
endforeach()
list(APPEND files "${SOURCE_DIR}/CMakeLists.txt" "${SOURCE_DIR}/Makefile" "${SOURCE_DIR}/.ci/run")
foreach(f IN LISTS files)
    if(f MATCHES "/tests/fuzz/corpus/" OR NOT EXISTS "${f}")
        continue()
    endif()
    math(EXPR count "${count} + 1")
    file(STRINGS "${f}" head LIMIT_COUNT 5)
    string(FIND "${head}" "${tag}" at)
    if(at EQUAL -1)
        file(RELATIVE_PATH rel "${SOURCE_DIR}" "${f}")
        list(APPEND missing "${rel}")
    endif()
endforeach()
if(missing)
    list(JOIN missing "\n  " shown)
    message(FATAL_ERROR "These source files have no line \"${tag}\" in their first five lines:\n  ${shown}")
endif()
message(STATUS "${count} source files name their licence")
