#pragma once

#include "cli/CliSupport.h"

#include <cstdint>
#include <functional>
#include <vector>

// Turns the bytes of a picture file of any format Qt reads into the GIF a
// skin stores; false when they are no picture that converts.
using GifConversion = std::function<bool(std::vector<std::uint8_t>& bytes)>;

// velaskin-cli picture get|set|remove|link ... and export; args are the words
// after the command's name. "picture set --convert" converts with toGif, which
// only the tool's Qt part gives (without it the command is a usage error).
int runPictureCommand(const Arguments& args, const GifConversion& toGif = {});
int runExportCommand(const Arguments& args);

// "--convert" among args (taken out): pictures in other formats than GIF are
// converted to GIF before they are stored.
bool takeConvertOption(Arguments& args);
// Whether the command decodes pictures (and so needs Qt's image readers).
bool pictureCommandDecodes(const Arguments& args);
