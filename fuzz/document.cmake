# fuzz_skin: a skin file and its data file from arbitrary bytes, then every
# getter, the picture operations, save and load again.
add_executable(fuzz_skin ${CMAKE_CURRENT_LIST_DIR}/FuzzSkin.cpp)
target_link_libraries(fuzz_skin PRIVATE velaskin_document velaskin_fuzz_instrumentation)
target_link_options(fuzz_skin PRIVATE -fsanitize=fuzzer)
