# fuzz_picture: Qt's decoding of pictures as the preview and the images page
# use it (Picture, DecodedAnimation) over arbitrary bytes. Our sources are
# instrumented; Qt itself is not.
find_package(Qt6 REQUIRED COMPONENTS Core Gui)
add_executable(fuzz_picture
    ${CMAKE_CURRENT_LIST_DIR}/FuzzPicture.cpp
    ${PROJECT_SOURCE_DIR}/src/pictures/Picture.cpp
    ${PROJECT_SOURCE_DIR}/src/pictures/DecodedAnimation.cpp
    ${PROJECT_SOURCE_DIR}/src/pictures/ImageDecoding.cpp
    ${PROJECT_SOURCE_DIR}/src/pictures/GifWalker.cpp
    ${PROJECT_SOURCE_DIR}/src/pictures/DialogService.cpp
)
set_target_properties(fuzz_picture PROPERTIES AUTOMOC OFF AUTORCC OFF AUTOUIC OFF)
target_include_directories(fuzz_picture PRIVATE ${PROJECT_SOURCE_DIR}/src/pictures)
target_link_libraries(fuzz_picture PRIVATE velaskin_fuzz_instrumentation Qt6::Core Qt6::Gui)
target_link_options(fuzz_picture PRIVATE -fsanitize=fuzzer)
