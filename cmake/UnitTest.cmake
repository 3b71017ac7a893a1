# add_unit_test(name SOURCES a.cpp ... LIBS lib ... [LABELS label ...])
# Creates a GoogleTest executable linked to the given libraries and registers
# it with CTest; every test runs on the offscreen platform.
function(add_unit_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS;LABELS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest Qt6::Test testsupport)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
    LABELS "unit;${ARG_LABELS}")
endfunction()
