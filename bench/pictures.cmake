# bench_pictures: loading an animated GIF with the block walker and per-frame
# decoding, next to QMovie decoding the same bytes.
add_executable(bench_pictures ${CMAKE_CURRENT_LIST_DIR}/BenchPictures.cpp ${CMAKE_CURRENT_LIST_DIR}/GuiBenchMain.cpp)
target_link_libraries(bench_pictures PRIVATE velaskin_pictures velaskin_gif_builder benchmark::benchmark Qt6::Gui)
