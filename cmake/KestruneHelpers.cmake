# kestrune_add_library(NAME SOURCES ... [LIBS ...])
#   A static library for one folder; its folder is its public include root, so
#   callers include "deck/Deck.h" style paths from the repository root.
function(kestrune_add_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  set(compiled ${ARG_SOURCES})
  list(FILTER compiled INCLUDE REGEX "\\.cpp$")
  if(compiled)
    add_library(${name} STATIC ${ARG_SOURCES})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} PUBLIC ${ARG_LIBS})
  else()
    # A folder with headers only (or none yet) still gives callers its include
    # root and its dependencies.
    add_library(${name} INTERFACE ${ARG_SOURCES})
    target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} INTERFACE ${ARG_LIBS})
  endif()
endfunction()

# kestrune_add_test(NAME SOURCES ... [LIBS ...] [GUI])
#   A Qt Test program run by ctest. Every test runs headless on the offscreen
#   platform, with Qt's asserts on and QStandardPaths in test mode expected to be
#   switched on by the test itself where it touches user folders.
function(kestrune_add_test name)
  cmake_parse_arguments(ARG "GUI" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  target_link_libraries(${name} PRIVATE Qt6::Test ${ARG_LIBS})
  # Shared test helpers (tests/support/...) by their path from the root.
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
  target_compile_definitions(${name} PRIVATE QT_FORCE_ASSERTS
      KESTRUNE_BIN_DIR="${KESTRUNE_BIN_DIR}"
      KESTRUNE_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 300)
endfunction()
