#pragma once

#include "cli/CliSupport.h"

// velaskin-cli gif FILE: what the animated picture control would play.
// args are the words after "gif".
int runGifCommand(const Arguments& args);
