# SPDX-License-Identifier: MIT
add_executable(drawing_scripts ${CMAKE_CURRENT_LIST_DIR}/drawing_scripts.cpp)
target_link_libraries(drawing_scripts PRIVATE drawing benchmark::benchmark Qt6::Gui)
