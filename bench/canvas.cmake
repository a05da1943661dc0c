# bench_canvas: the element page's preview at 8x: a repaint of the enlarged
# screen, and one step of a frame's and of a text's drag.
add_executable(bench_canvas ${CMAKE_CURRENT_LIST_DIR}/BenchCanvas.cpp ${CMAKE_CURRENT_LIST_DIR}/GuiBenchMain.cpp)
target_link_libraries(bench_canvas PRIVATE velaskin_pages benchmark::benchmark Qt6::Widgets)
target_compile_definitions(bench_canvas PRIVATE VELASKIN_BENCH_WIDGETS)
