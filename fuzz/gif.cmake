# fuzz_gif: the GIF block walker and frame extraction over arbitrary bytes.
add_executable(fuzz_gif ${CMAKE_CURRENT_LIST_DIR}/FuzzGif.cpp)
target_link_libraries(fuzz_gif PRIVATE velaskin_gif velaskin_fuzz_instrumentation)
target_link_options(fuzz_gif PRIVATE -fsanitize=fuzzer)
