#include "GifCommand.h"

int runGifCommand(const Arguments&)
{
    return failWith(exitcode::usage, "gif: not available yet");
}
