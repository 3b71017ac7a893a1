# SPDX-License-Identifier: MIT
add_executable(drawing_page ${CMAKE_CURRENT_LIST_DIR}/drawing_page.cpp ${CMAKE_CURRENT_LIST_DIR}/FullPage.cpp
               ${CMAKE_CURRENT_LIST_DIR}/LargePhoto.cpp)
target_link_libraries(drawing_page PRIVATE drawing input benchmark::benchmark Qt6::Gui)
