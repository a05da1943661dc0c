# Generated skins of any size for the scaling cases, written at bench time.
add_library(velaskin_scaled_skin STATIC ${CMAKE_CURRENT_LIST_DIR}/ScaledSkin.cpp)
target_include_directories(velaskin_scaled_skin PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(velaskin_scaled_skin PUBLIC velaskin_document velaskin_test_support)

# bench_document: loading, saving and reading the skin document layer, also at
# a million records.
add_executable(bench_document ${CMAKE_CURRENT_LIST_DIR}/BenchDocument.cpp)
target_link_libraries(bench_document PRIVATE velaskin_scaled_skin benchmark::benchmark)

# For bench/processes.sh: a generated skin on disk, and a program without Qt
# that only loads a skin (what velaskin-cli info is measured against).
add_executable(make_scaled_skin ${CMAKE_CURRENT_LIST_DIR}/MakeScaledSkin.cpp)
target_link_libraries(make_scaled_skin PRIVATE velaskin_scaled_skin)
add_executable(load_skin_only ${CMAKE_CURRENT_LIST_DIR}/LoadSkinOnly.cpp)
target_link_libraries(load_skin_only PRIVATE velaskin_document)
