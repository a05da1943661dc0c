#pragma once

#include "cli/CliSupport.h"

// velaskin-cli import [--default DEF.ski] [--convert] SKIN.ski DIR: the
// images page's folder import without the dialog: numbered GIF files, or
// with --convert numbered picture files of any format Qt reads, converted to
// GIF. args are the words after "import".
int runImportCommand(const Arguments& args);
