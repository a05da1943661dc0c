#pragma once

// Runs a program as a user's script would, but without a shell: the words
// given are its arguments as they stand. Standard output, standard error and
// the exit code are kept.

#include <filesystem>
#include <string>
#include <vector>

namespace testing_support {

struct ProgramResult {
    int code = -1; // the exit code; -1 when the program did not start or did not end by itself
    std::string out;
    std::string err;
};

struct ProgramOptions {
    // Changes to this process's environment for the program: "NAME=value"
    // sets a variable, a bare "NAME" takes it away.
    std::vector<std::string> environment;
    // Words put before the program (a program that runs it, such as setpriv).
    std::vector<std::string> launcher;
};

// Runs command (the program, then its arguments; a name without a slash is
// looked up in PATH) in folder, with standard input empty, and waits for it.
[[nodiscard]] ProgramResult runProgram(const std::filesystem::path& folder, const std::vector<std::string>& command,
                                       const ProgramOptions& options = {});

// The words of a command line: split at blanks, and single quotes keep what
// they enclose (blanks, backslashes) as it stands. Nothing else is expanded.
[[nodiscard]] std::vector<std::string> commandWords(const std::string& line);

// The velaskin-cli program that the tests run.
[[nodiscard]] std::filesystem::path cliProgram();

// Runs velaskin-cli in folder with the words of arguments.
[[nodiscard]] ProgramResult runCli(const std::filesystem::path& folder, const std::string& arguments,
                                   const ProgramOptions& options = {});

} // namespace testing_support
