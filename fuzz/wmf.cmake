# Metafile player: load and play onto a small image. New inputs go to the
# first directory, so give it a scratch one:
#   LSAN_OPTIONS=suppressions=tests/support/lsan-suppressions.txt wmf_fuzz -max_len=65536 -timeout=10 \
#       -max_total_time=20 /tmp/wmf-corpus fuzz/corpus/wmf
target_compile_options(wmf PRIVATE -fsanitize=fuzzer-no-link)
add_executable(wmf_fuzz ${CMAKE_CURRENT_LIST_DIR}/wmf_fuzz.cpp)
target_compile_options(wmf_fuzz PRIVATE -fsanitize=fuzzer)
target_link_options(wmf_fuzz PRIVATE -fsanitize=fuzzer)
target_link_libraries(wmf_fuzz PRIVATE wmf Qt6::Gui)
