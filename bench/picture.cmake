# SPDX-License-Identifier: MIT
add_executable(load_picture_once ${CMAKE_CURRENT_LIST_DIR}/load_picture_once.cpp)
target_link_libraries(load_picture_once PRIVATE input surface Qt6::Core)
add_executable(picture_first_load ${CMAKE_CURRENT_LIST_DIR}/picture_first_load.cpp ${CMAKE_CURRENT_LIST_DIR}/LargePhoto.cpp)
target_link_libraries(picture_first_load PRIVATE input surface benchmark::benchmark Qt6::Gui)
target_compile_definitions(picture_first_load PRIVATE LOAD_PICTURE_ONCE="$<TARGET_FILE:load_picture_once>")
add_dependencies(picture_first_load load_picture_once)
