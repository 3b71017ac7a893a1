# SPDX-License-Identifier: MIT
add_executable(surface_page ${CMAKE_CURRENT_LIST_DIR}/surface_page.cpp ${CMAKE_CURRENT_LIST_DIR}/LargePhoto.cpp)
target_link_libraries(surface_page PRIVATE surface input benchmark::benchmark Qt6::Gui)
