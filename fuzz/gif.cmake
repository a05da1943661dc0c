# fuzz_gif: the GIF block walker and frame extraction over arbitrary bytes.
# The walker is standard C++, so its source is compiled in directly, without Qt.
add_executable(fuzz_gif
    ${CMAKE_CURRENT_LIST_DIR}/FuzzGif.cpp
    ${PROJECT_SOURCE_DIR}/src/pictures/GifWalker.cpp
)
target_include_directories(fuzz_gif PRIVATE ${PROJECT_SOURCE_DIR}/src/pictures)
target_compile_options(fuzz_gif PRIVATE
    -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
target_link_options(fuzz_gif PRIVATE -fsanitize=fuzzer,address,undefined)
