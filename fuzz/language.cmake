# fuzz_language: language files (LanguageTable) from arbitrary bytes.
add_executable(fuzz_language ${CMAKE_CURRENT_LIST_DIR}/FuzzLanguage.cpp)
target_link_libraries(fuzz_language PRIVATE velaskin_document velaskin_fuzz_instrumentation)
target_link_options(fuzz_language PRIVATE -fsanitize=fuzzer)
