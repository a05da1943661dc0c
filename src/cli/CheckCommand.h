#pragma once

#include "cli/CliSupport.h"

// velaskin-cli check [--default DEF.ski] SKIN.ski: one line "LINE: CODE: text"
// per finding, ordered by line. args are the words after "check".
int runCheckCommand(const Arguments& args);
