# bench_images: the images page filling its list (names, thumbnails, sizes)
# for the shipped default skin's 97 pictures.
add_executable(bench_images ${CMAKE_CURRENT_LIST_DIR}/BenchImagesPage.cpp ${CMAKE_CURRENT_LIST_DIR}/GuiBenchMain.cpp)
target_compile_definitions(bench_images PRIVATE VELASKIN_BENCH_WIDGETS)
target_link_libraries(bench_images PRIVATE velaskin_pages benchmark::benchmark Qt6::Widgets)
