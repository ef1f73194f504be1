# Test helper: every area's tests are a few lines of CMake.
#
# ohmaris_add_test(NAME SOURCES ... LIBS ... [SCREEN 1280x1024]): one Qt Test
#   executable run headless by CTest on the offscreen platform.

set(OHMARIS_SCREEN_DIR ${PROJECT_SOURCE_DIR}/tests/screens)

function(ohmaris_add_test name)
  cmake_parse_arguments(A "" "SCREEN" "SOURCES;LIBS" ${ARGN})
  if(NOT A_SCREEN)
    set(A_SCREEN 1024x768)
  endif()
  add_executable(${name} ${A_SOURCES})
  target_link_libraries(${name} PRIVATE Qt6::Test ${A_LIBS})
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen:configfile=${OHMARIS_SCREEN_DIR}/${A_SCREEN}.json;LC_ALL=C.UTF-8"
    TIMEOUT 300)
endfunction()
