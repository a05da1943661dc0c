#pragma once

// The tool's commands, written once: the usage, each command's help, the
// manual page and the shell completion are all printed from this table.
// Standard C++ only: the manual page's generator links it without Qt.

#include <span>
#include <string>
#include <string_view>

namespace cli {

struct OptionHelp {
    std::string_view name;     // "--scale"
    std::string_view argument; // "1..16"; "" for a switch
    std::string_view text;     // one sentence
};

struct CommandHelp {
    std::string_view name;     // "picture set": the words before the arguments
    std::string_view synopsis; // what follows the name, as the usage shows it
    std::string_view notes;    // lines shown under the synopsis in the usage ("" none), '\n' between lines
    std::string_view summary;  // what the command does, for its help and the manual page
    std::span<const OptionHelp> options;
};

struct ExitCodeHelp {
    int code;
    std::string_view text;
};

std::span<const CommandHelp> commandTable();
std::span<const ExitCodeHelp> exitCodeTable();
// The sentences after the commands in the usage: rectangles, the lock's wait.
std::string_view usageEpilogue();

// The whole usage, as "velaskin-cli --help" prints it.
std::string usageText();
// text's words in lines of at most 80 columns (a longer word stands alone), each indented.
std::string wrapped(std::string_view text, std::size_t indent);
// The help of every command whose name is words or begins with them ("picture"
// gives each picture command); "" when there is none.
std::string commandHelpText(std::string_view words);

} // namespace cli
