# bench_preview: composing the idle screen of the shipped default skin, next
# to a plain fill and copy of the canvas, and one outlined text.
add_executable(bench_preview ${CMAKE_CURRENT_LIST_DIR}/BenchPreview.cpp ${CMAKE_CURRENT_LIST_DIR}/GuiBenchMain.cpp)
target_link_libraries(bench_preview PRIVATE velaskin_preview benchmark::benchmark Qt6::Gui)

# For bench/processes.sh: the least Qt program that writes a screen-sized PNG
# (what velaskin-cli render is measured against).
add_executable(write_png_only ${CMAKE_CURRENT_LIST_DIR}/WritePngOnly.cpp)
target_link_libraries(write_png_only PRIVATE Qt6::Gui)
