# SPDX-License-Identifier: MIT
add_executable(app_startup ${CMAKE_CURRENT_LIST_DIR}/app_startup.cpp)
target_link_libraries(app_startup PRIVATE benchmark::benchmark)
target_compile_definitions(app_startup PRIVATE MONTHLY_CALENDAR_PROGRAM="$<TARGET_FILE:monthly-calendar>")
add_dependencies(app_startup monthly-calendar)
