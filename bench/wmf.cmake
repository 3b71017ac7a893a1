# SPDX-License-Identifier: MIT
add_executable(wmf_play ${CMAKE_CURRENT_LIST_DIR}/wmf_play.cpp)
target_link_libraries(wmf_play PRIVATE wmf benchmark::benchmark Qt6::Gui)
