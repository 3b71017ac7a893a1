# SPDX-License-Identifier: MIT
# The floor that bench/whole_process.sh times the program against.
add_executable(print_floor ${CMAKE_CURRENT_LIST_DIR}/print_floor.cpp)
target_link_libraries(print_floor PRIVATE Qt6::Gui)
