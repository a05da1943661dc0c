# bench_preview: composing the idle screen of the shipped default skin, next
# to a plain fill and copy of the canvas, and one outlined text.
add_executable(bench_preview ${CMAKE_CURRENT_LIST_DIR}/BenchPreview.cpp ${CMAKE_CURRENT_LIST_DIR}/GuiBenchMain.cpp)
target_link_libraries(bench_preview PRIVATE velaskin_preview benchmark::benchmark Qt6::Gui)
