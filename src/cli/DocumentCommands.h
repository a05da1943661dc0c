#pragma once

#include "cli/CliSupport.h"

// Commands on records; args are the words after the command's name.
int runInfoCommand(const Arguments& args);
int runGetCommand(const Arguments& args);
int runSetCommand(const Arguments& args);
int runNewCommand(const Arguments& args);
int runPicturesCommand(const Arguments& args);
