// load_skin_only SKIN.ski: loads the skin as velaskin-cli does and prints its
// line count, in a program without Qt: what `velaskin-cli info` is measured
// against.
#include "document/SkinDocument.h"

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 2)
        return 1;
    SkinDocument skin;
    if (skin.load(argv[1]) != LoadResult::Loaded)
        return 2;
    std::printf("lines %d\n", skin.lineCount());
    return 0;
}
