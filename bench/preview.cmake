# SPDX-License-Identifier: MIT
add_executable(app_preview ${CMAKE_CURRENT_LIST_DIR}/app_preview.cpp ${CMAKE_CURRENT_LIST_DIR}/ClipArt.h
  ${CMAKE_CURRENT_LIST_DIR}/FullPage.cpp ${CMAKE_CURRENT_LIST_DIR}/LargePhoto.cpp)
target_link_libraries(app_preview PRIVATE app input benchmark::benchmark Qt6::Widgets)
