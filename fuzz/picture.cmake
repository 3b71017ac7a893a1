# Raster picture loader. Run: picture_fuzz fuzz/corpus/picture
target_compile_options(input PRIVATE -fsanitize=fuzzer-no-link)
add_executable(picture_fuzz ${CMAKE_CURRENT_LIST_DIR}/picture_fuzz.cpp)
target_compile_options(picture_fuzz PRIVATE -fsanitize=fuzzer)
target_link_options(picture_fuzz PRIVATE -fsanitize=fuzzer)
target_link_libraries(picture_fuzz PRIVATE input)
