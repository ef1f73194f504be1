# Test helper: every area's tests are a few lines of CMake.
#
# ohmaris_add_test(NAME SOURCES ... LIBS ... [SCREEN 1280x1024] [RUSSIAN]):
#   one Qt Test executable run headless by CTest on the offscreen platform,
#   under LC_ALL=C.UTF-8. RUSSIAN runs it a second time, as NAME_ru, under
#   ru_RU.UTF-8, whose decimal separator is the comma: number reading and
#   writing must not follow the C library's locale.

set(OHMARIS_SCREEN_DIR ${PROJECT_SOURCE_DIR}/tests/screens)

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
  cmake_parse_arguments(A "RUSSIAN" "SCREEN" "SOURCES;LIBS" ${ARGN})
  if(NOT A_SCREEN)
    set(A_SCREEN 1024x768)
  endif()
  add_executable(${name} ${A_SOURCES})
  target_link_libraries(${name} PRIVATE Qt6::Test ${A_LIBS})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  set(platform "QT_QPA_PLATFORM=offscreen:configfile=${OHMARIS_SCREEN_DIR}/${A_SCREEN}.json")
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
