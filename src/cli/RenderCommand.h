#pragma once

#include "cli/CliSupport.h"

// velaskin-cli render ...: the idle screen as the element page shows it, as
// a PNG file. args are the words after "render".
int runRenderCommand(const Arguments& args);
