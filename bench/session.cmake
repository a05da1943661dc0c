# bench_session: an edit as a command (do, undo, redo) with the idle screen
# composed again, a drag merged into one command, and the bytes the history holds.
add_executable(bench_session ${CMAKE_CURRENT_LIST_DIR}/BenchSession.cpp ${CMAKE_CURRENT_LIST_DIR}/GuiBenchMain.cpp)
target_link_libraries(bench_session PRIVATE velaskin_session velaskin_preview velaskin_gif_builder benchmark::benchmark Qt6::Gui)
