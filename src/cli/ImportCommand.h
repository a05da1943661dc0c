#pragma once

#include "cli/CliSupport.h"

// velaskin-cli import [--default DEF.ski] SKIN.ski DIR: the images page's
// folder import without the dialog. args are the words after "import".
int runImportCommand(const Arguments& args);
