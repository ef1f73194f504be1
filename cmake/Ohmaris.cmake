# SPDX-License-Identifier: GPL-3.0-or-later
# Test helper: every area's tests are a few lines of CMake.
#
# ohmaris_add_test(NAME SOURCES ... LIBS ... [SCREEN 1280x1024] [SCREENS ...] [RUSSIAN]):
#   one Qt Test executable run headless by CTest on the offscreen platform,
#   under LC_ALL=C.UTF-8. RUSSIAN runs it a second time, as NAME_ru, under
#   ru_RU.UTF-8, whose decimal separator is the comma: number reading and
#   writing must not follow the C library's locale. SCREENS runs it once per
#   screen instead, as NAME_WxH (NAME_WxH_xF with a scale factor).
#
# A screen is WIDTHxHEIGHT in the screen's own pixels, optionally followed by
# @FACTOR, its scale factor (1920x1080@1.25: a 1920 x 1080 screen that Qt
# shows as 1536 x 864 at a device pixel ratio of 1.25).

set(OHMARIS_SCREEN_DIR ${PROJECT_SOURCE_DIR}/tests/screens)

# The offscreen platform's configuration file of a screen: the one in
# tests/screens if it is there, else one written into the build tree. The
# platform takes the screen's size in Qt's (logical) pixels.
function(ohmaris_screen_config screen out_var)
  if(EXISTS ${OHMARIS_SCREEN_DIR}/${screen}.json)
    set(${out_var} ${OHMARIS_SCREEN_DIR}/${screen}.json PARENT_SCOPE)
    return()
  endif()
  if(NOT screen MATCHES "^([0-9]+)x([0-9]+)(@([0-9.]+))?$")
    message(FATAL_ERROR "screen ${screen}: not WIDTHxHEIGHT[@FACTOR]")
  endif()
  set(width ${CMAKE_MATCH_1})
  set(height ${CMAKE_MATCH_2})
  set(factor 1)
  if(CMAKE_MATCH_4)
    set(factor ${CMAKE_MATCH_4})
    # CMake has integer arithmetic only: the factor in thousandths.
    string(REGEX MATCH "^([0-9]+)(\\.([0-9]*))?$" _ ${factor})
    set(frac "${CMAKE_MATCH_3}000")
    string(SUBSTRING "${frac}" 0 3 frac)
    math(EXPR milli "${CMAKE_MATCH_1} * 1000 + 1${frac} - 1000")
    math(EXPR width "(${width} * 1000 + ${milli} / 2) / ${milli}")
    math(EXPR height "(${height} * 1000 + ${milli} / 2) / ${milli}")
  endif()
  set(file ${CMAKE_BINARY_DIR}/screens/${screen}.json)
  set(text "{ \"synchronousWindowSystemEvents\": false, \"windowFrameMargins\": false,\n  \"screens\": [ { \"name\": \"${screen}\", \"x\": 0, \"y\": 0, \"width\": ${width}, \"height\": ${height}, \"logicalDpi\": 96, \"dpr\": ${factor} } ] }\n")
  file(CONFIGURE OUTPUT ${file} CONTENT "${text}")
  set(${out_var} ${file} PARENT_SCOPE)
endfunction()

# The Russian locale of the second runs. A system without it gets one built
# for the tests in the build tree from the locale sources (Debian's locales
# package), which needs no root; LOCPATH then points the C library there.
set(OHMARIS_RUSSIAN_LOCALE ru_RU.UTF-8)
set(OHMARIS_LOCALE_DIR ${CMAKE_BINARY_DIR}/locale)
execute_process(COMMAND locale -a OUTPUT_VARIABLE _ohmaris_locales ERROR_QUIET RESULT_VARIABLE _ohmaris_locale_rc)
if(_ohmaris_locale_rc EQUAL 0 AND _ohmaris_locales MATCHES "(^|\n)ru_RU\\.(utf8|UTF-8)(\n|$)")
  set(OHMARIS_RUSSIAN_ENVIRONMENT "LC_ALL=${OHMARIS_RUSSIAN_LOCALE}")
  set(OHMARIS_RUSSIAN_FIXTURE "")
else()
  set(OHMARIS_RUSSIAN_ENVIRONMENT "LC_ALL=${OHMARIS_RUSSIAN_LOCALE};LOCPATH=${OHMARIS_LOCALE_DIR}")
  set(OHMARIS_RUSSIAN_FIXTURE ohmaris_locale_ru)
endif()

function(ohmaris_add_test name)
  cmake_parse_arguments(A "RUSSIAN" "SCREEN" "SOURCES;LIBS;SCREENS" ${ARGN})
  if(NOT A_SCREEN)
    set(A_SCREEN 1024x768)
  endif()
  add_executable(${name} ${A_SOURCES})
  target_link_libraries(${name} PRIVATE Qt6::Test ${A_LIBS})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  if(A_SCREENS)
    foreach(screen ${A_SCREENS})
      ohmaris_screen_config(${screen} config)
      string(REPLACE "@" "_x" test_name "${name}_${screen}")
      add_test(NAME ${test_name} COMMAND ${name})
      set_tests_properties(${test_name} PROPERTIES TIMEOUT 300
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen:configfile=${config};LC_ALL=C.UTF-8")
    endforeach()
    return()
  endif()
  ohmaris_screen_config(${A_SCREEN} config)
  set(platform "QT_QPA_PLATFORM=offscreen:configfile=${config}")
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "${platform};LC_ALL=C.UTF-8" TIMEOUT 300)
  if(A_RUSSIAN)
    add_test(NAME ${name}_ru COMMAND ${name})
    set_tests_properties(${name}_ru PROPERTIES ENVIRONMENT "${platform};${OHMARIS_RUSSIAN_ENVIRONMENT}" TIMEOUT 300)
    if(OHMARIS_RUSSIAN_FIXTURE)
      # One setup test for the whole project (test names belong to their
      # directory, fixtures to the whole run).
      get_property(made GLOBAL PROPERTY OHMARIS_RUSSIAN_FIXTURE_MADE)
      if(NOT made)
        set_property(GLOBAL PROPERTY OHMARIS_RUSSIAN_FIXTURE_MADE TRUE)
        add_test(NAME ${OHMARIS_RUSSIAN_FIXTURE}
                 COMMAND ${CMAKE_COMMAND} -DLOCALE=${OHMARIS_RUSSIAN_LOCALE} -DDIR=${OHMARIS_LOCALE_DIR}
                         -P ${PROJECT_SOURCE_DIR}/cmake/MakeLocale.cmake)
        set_tests_properties(${OHMARIS_RUSSIAN_FIXTURE} PROPERTIES FIXTURES_SETUP ${OHMARIS_RUSSIAN_FIXTURE})
      endif()
      set_tests_properties(${name}_ru PROPERTIES FIXTURES_REQUIRED ${OHMARIS_RUSSIAN_FIXTURE})
    endif()
  endif()
endfunction()
