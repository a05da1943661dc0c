# fuzz_journal: arbitrary bytes as the journal of a cut-short save beside a
# skin; the load that finds it must touch nothing outside the skin's folder.
add_executable(fuzz_journal ${CMAKE_CURRENT_LIST_DIR}/FuzzJournal.cpp)
target_link_libraries(fuzz_journal PRIVATE velaskin_document velaskin_fuzz_instrumentation)
target_link_options(fuzz_journal PRIVATE -fsanitize=fuzzer)
