# Helpers that keep every area's CMakeLists.txt a few lines long.
#
# ohmaris_core_library(NAME DIR LIBS ...): static library of the sources in DIR
#   that are not bench files; links Qt Core only, never Qt Widgets.
# ohmaris_widgets_library(NAME DIR LIBS ...): static library of the window side.
# ohmaris_add_test(NAME SOURCES ... LIBS ... [SCREEN 1280x1024]): one Qt Test
#   executable run headless by CTest on the offscreen platform.

function(ohmaris_core_library name)
  cmake_parse_arguments(A "" "" "SOURCES;LIBS" ${ARGN})
  add_library(${name} STATIC ${A_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC Qt6::Core ${A_LIBS})
endfunction()

function(ohmaris_widgets_library name)
  cmake_parse_arguments(A "" "" "SOURCES;LIBS" ${ARGN})
  add_library(${name} STATIC ${A_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC Qt6::Core Qt6::Gui Qt6::Widgets ${A_LIBS})
endfunction()

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
