# fuzz_skin: a skin and several data files from arbitrary bytes, loaded and
# saved in memory; a few reads, picture and record changes, a reload.
add_executable(fuzz_skin ${CMAKE_CURRENT_LIST_DIR}/FuzzSkin.cpp)
target_link_libraries(fuzz_skin PRIVATE velaskin_document velaskin_fuzz_instrumentation)
target_link_options(fuzz_skin PRIVATE -fsanitize=fuzzer)
# fuzz_skin_files: the same inputs through real files, with every getter swept
# over many ids (slower).
add_executable(fuzz_skin_files ${CMAKE_CURRENT_LIST_DIR}/FuzzSkinFiles.cpp)
target_link_libraries(fuzz_skin_files PRIVATE velaskin_document velaskin_fuzz_instrumentation)
target_link_options(fuzz_skin_files PRIVATE -fsanitize=fuzzer)
