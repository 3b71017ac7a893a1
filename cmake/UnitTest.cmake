# SPDX-License-Identifier: MIT
# add_unit_test(name SOURCES a.cpp ... LIBS lib ... [LABELS label ...] [END_TO_END])
# Creates a GoogleTest executable linked to the given libraries and the test
# support library, and registers it with CTest; every test runs on the
# offscreen platform. END_TO_END tests (a real CUPS server, a real display)
# are labelled "e2e" instead of "unit".
function(add_unit_test name)
  cmake_parse_arguments(ARG "END_TO_END" "" "SOURCES;LIBS;LABELS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} testsupport)
  add_test(NAME ${name} COMMAND ${name})
  set(kind unit)
  if(ARG_END_TO_END)
    set(kind e2e)
  endif()
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
    LABELS "${kind};${ARG_LABELS}")
endfunction()
