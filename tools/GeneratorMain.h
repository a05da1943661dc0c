#pragma once

#include <filesystem>
#include <functional>
#include <string_view>

// The shell of a generator program: takes the one argument, the output
// folder, creates it and calls `generate`; reports a wrong call (exit code
// 2) and a failure (exit code 1) on the error output under the program's name.
int runGenerator(int argc, char** argv, std::string_view program, std::string_view folderMeaning,
                 const std::function<void(const std::filesystem::path& folder)>& generate);
