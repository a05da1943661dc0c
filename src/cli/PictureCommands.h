#pragma once

#include "cli/CliSupport.h"

// velaskin-cli picture get|set|remove|link ... and export; args are the words after the command's name.
int runPictureCommand(const Arguments& args);
int runExportCommand(const Arguments& args);
