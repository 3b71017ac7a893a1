# Control-file reader. Run: notes_fuzz -dict=fuzz/notes.dict fuzz/corpus/notes
target_compile_options(input PRIVATE -fsanitize=fuzzer-no-link)
target_compile_options(platform PRIVATE -fsanitize=fuzzer-no-link)
add_executable(notes_fuzz ${CMAKE_CURRENT_LIST_DIR}/notes_fuzz.cpp)
target_compile_options(notes_fuzz PRIVATE -fsanitize=fuzzer)
target_link_options(notes_fuzz PRIVATE -fsanitize=fuzzer)
target_link_libraries(notes_fuzz PRIVATE input)
