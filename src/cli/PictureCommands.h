#pragma once

#include "cli/CliSupport.h"

// velaskin-cli picture get|set|remove|link ... and export; args are the words after the command's name.
int runPictureCommand(const Arguments& args);
int runExportCommand(const Arguments& args);

// "--convert" among args (taken out): pictures in other formats than GIF are
// converted to GIF before they are stored.
bool takeConvertOption(Arguments& args);
// Whether the command decodes pictures (and so needs Qt's image readers).
bool pictureCommandDecodes(const Arguments& args);
