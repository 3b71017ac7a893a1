# SPDX-License-Identifier: MIT
add_executable(input_calendar ${CMAKE_CURRENT_LIST_DIR}/input_calendar.cpp)
target_link_libraries(input_calendar PRIVATE input benchmark::benchmark)
