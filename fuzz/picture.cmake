# fuzz_picture: Qt's decoding of pictures as the preview and the images page
# use it (Picture, DecodedAnimation) over arbitrary bytes. Our libraries are
# instrumented; Qt itself is not.
add_executable(fuzz_picture ${CMAKE_CURRENT_LIST_DIR}/FuzzPicture.cpp)
target_link_libraries(fuzz_picture PRIVATE velaskin_pictures velaskin_fuzz_instrumentation Qt6::Core Qt6::Gui)
target_link_options(fuzz_picture PRIVATE -fsanitize=fuzzer)
