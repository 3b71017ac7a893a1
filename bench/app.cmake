# SPDX-License-Identifier: MIT
add_executable(minimal_window ${CMAKE_CURRENT_LIST_DIR}/minimal_window.cpp)
target_link_libraries(minimal_window PRIVATE Qt6::Widgets)

add_executable(app_startup ${CMAKE_CURRENT_LIST_DIR}/app_startup.cpp)
target_link_libraries(app_startup PRIVATE benchmark::benchmark)
target_compile_definitions(app_startup PRIVATE MONTHLY_CALENDAR_PROGRAM="$<TARGET_FILE:monthly-calendar>"
  MINIMAL_WINDOW_PROGRAM="$<TARGET_FILE:minimal_window>")
add_dependencies(app_startup monthly-calendar minimal_window)

add_executable(first_print_probe ${CMAKE_CURRENT_LIST_DIR}/first_print_probe.cpp ${CMAKE_CURRENT_LIST_DIR}/LargePhoto.cpp)
target_link_libraries(first_print_probe PRIVATE app)

add_executable(app_first_print ${CMAKE_CURRENT_LIST_DIR}/app_first_print.cpp)
target_link_libraries(app_first_print PRIVATE benchmark::benchmark)
target_compile_definitions(app_first_print PRIVATE FIRST_PRINT_PROBE="$<TARGET_FILE:first_print_probe>")
add_dependencies(app_first_print first_print_probe)
