// make_scaled_skin FOLDER NAME RECORDS [PICTURE_MB]: writes a generated skin
// (see ScaledSkin.h) for the process measurements of bench/processes.sh.
#include "ScaledSkin.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>

int main(int argc, char** argv)
{
    if (argc < 4 || argc > 5) {
        std::fputs("usage: make_scaled_skin FOLDER NAME RECORDS [PICTURE_MB]\n", stderr);
        return 1;
    }
    scaledskin::Shape shape;
    shape.records = std::atoi(argv[3]);
    shape.pictureBytes = argc == 5 ? std::atoll(argv[4]) << 20 : 0;
    std::filesystem::create_directories(argv[1]);
    std::printf("%s\n", scaledskin::write(argv[1], argv[2], shape).c_str());
    return 0;
}
