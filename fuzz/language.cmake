# fuzz_language: language files (LanguageTable) from arbitrary bytes.
if(NOT TARGET velaskin_fuzz_instrumentation)
    # The parsers under test carry the fuzzer's coverage instrumentation.
    add_library(velaskin_fuzz_instrumentation INTERFACE)
    target_compile_options(velaskin_fuzz_instrumentation INTERFACE
        -fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer)
    target_link_options(velaskin_fuzz_instrumentation INTERFACE -fsanitize=address,undefined)
    target_link_libraries(velaskin_document PRIVATE velaskin_fuzz_instrumentation)
endif()

add_executable(fuzz_language ${CMAKE_CURRENT_LIST_DIR}/FuzzLanguage.cpp)
target_link_libraries(fuzz_language PRIVATE velaskin_document velaskin_fuzz_instrumentation)
target_link_options(fuzz_language PRIVATE -fsanitize=fuzzer)
