# bench_conversion: a 176 x 220 PNG of 5,000 colours converted to the GIF a
# skin stores, and its quantization alone.
add_executable(bench_conversion ${CMAKE_CURRENT_LIST_DIR}/BenchConversion.cpp ${CMAKE_CURRENT_LIST_DIR}/GuiBenchMain.cpp)
target_link_libraries(bench_conversion PRIVATE velaskin_pictures velaskin_test_support benchmark::benchmark Qt6::Gui)
