# bench_document: loading, saving and reading the skin document layer.
add_executable(bench_document ${CMAKE_CURRENT_LIST_DIR}/BenchDocument.cpp)
target_link_libraries(bench_document PRIVATE velaskin_document benchmark::benchmark)
