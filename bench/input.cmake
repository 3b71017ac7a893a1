# SPDX-License-Identifier: MIT
add_executable(input_notes ${CMAKE_CURRENT_LIST_DIR}/input_notes.cpp)
target_link_libraries(input_notes PRIVATE input benchmark::benchmark)
