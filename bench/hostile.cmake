# SPDX-License-Identifier: MIT
add_executable(hostile_input ${CMAKE_CURRENT_LIST_DIR}/hostile_input.cpp ${PROJECT_SOURCE_DIR}/tests/input/HostileRasters.cpp
               ${PROJECT_SOURCE_DIR}/tests/input/wmf/WmfWriter.cpp)
target_include_directories(hostile_input PRIVATE ${PROJECT_SOURCE_DIR}/tests/input/wmf ${PROJECT_SOURCE_DIR}/tests/input)
target_link_libraries(hostile_input PRIVATE input wmf surface benchmark::benchmark Qt6::Gui)
