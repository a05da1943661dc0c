#pragma once

#include "document/SkinResults.h"

#include <cstdint>
#include <cstdio>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class SkinDocument;
class SkinModel;

// Exit codes of velaskin-cli.
namespace exitcode {
inline constexpr int done = 0;
inline constexpr int usage = 1;
inline constexpr int cannotLoad = 2;
inline constexpr int cannotSave = 3;
// Something the command was asked for was turned away or is not there.
inline constexpr int refused = 4;
// check found something wrong. The same value as refused on purpose: a script
// knows from the command it ran whether 4 means a refusal or findings, and
// 0 to 3 mean the same for every command.
inline constexpr int findings = refused;
// The tool's Qt part, which runs the commands that decode or draw pictures,
// cannot be started (an installation without it).
inline constexpr int noQtPart = 127;
} // namespace exitcode

using Arguments = std::vector<std::string>;

// One command of the tool: its name and what runs it with the words after it.
struct Command {
    std::string_view name;
    int (*run)(const Arguments& args);
};

// The usage text: on stdout when asked for, on stderr after a usage error.
void printUsage(std::FILE* to);
// "COMMAND --help" (and "picture SUBCOMMAND --help"): that command's help on
// stdout; false when argv asks for no help the table has.
bool printCommandHelp(int argc, char** argv);
// Runs command with the words after its name (argv[2] on); after a usage
// error the usage follows on stderr. The exit code.
int runCommand(const Command& command, int argc, char** argv);
// The message and usage for a command the tool does not know; exitcode::usage.
int unknownCommand(std::string_view name);

// Prints "velaskin-cli: <message>" on stderr and returns code.
int failWith(int code, const std::string& message);

// A whole argument as a 32-bit signed decimal number.
std::optional<std::int32_t> parseNumber(const std::string& text);
// Parses count numbers from args starting at first; false if any is missing or not a number.
bool parseNumbers(const Arguments& args, std::size_t first, std::size_t count, std::vector<std::int32_t>& out);

// The arguments of a command that takes "[--default DEF.ski]" first.
struct SkinArguments {
    std::optional<std::string> defaultSkin;
    Arguments rest;
};
SkinArguments splitDefaultOption(const Arguments& args);

// Loads a skin file into document; on failure prints which load failure it
// was and returns exitcode::cannotLoad, else exitcode::done.
int loadSkin(SkinDocument& document, const std::string& path);
// Loads the default skin of model the way the editor does (it must hold at
// least the minimum number of lines). Returns an exit code as loadSkin.
int loadDefaultSkin(SkinModel& model, const std::string& path);
// Loads the edited skin and, when given, the default skin of model the way the
// editor does. Returns an exit code as loadSkin.
int loadModel(SkinModel& model, const std::string& skinPath, const std::optional<std::string>& defaultPath);
// When picture bytes of the model's skins could not be read after their load
// (a data file changed or went away on disk meanwhile), says so as a load
// does and returns exitcode::cannotLoad, else exitcode::done.
int reportUnreadableData(const SkinModel& model);
// exitcode::done for a skin saved, else the document's save failure on stderr
// and exitcode::cannotSave.
int reportSave(const SkinDocument& document, SaveResult result, const std::string& path);
// Saves the edited skin in place (its wallpaper file too, when the model read its bytes).
int saveInPlace(SkinModel& model);

// Runs body (a load, change and save of the skin that a save of skinPath
// writes) while holding that skin's lock, so that no other program saves it
// in between. When another program holds the lock for longer than the wait
// (VELASKIN_LOCK_WAIT milliseconds, 10 s when unset), or the lock cannot be
// taken at all: an error and exitcode::cannotSave, body not run. Running out
// of memory in body is exitcode::cannotSave too. Loads wait for the lock as long.
int underSkinLock(const std::string& skinPath, const std::function<int()>& body);

// Writes an output file of the tool: "-" is standard output; otherwise only a
// missing file or a regular file (through links: the link's target) is
// replaced, whole and at once, never a device, pipe or socket. False when
// nothing could be written.
bool writeOutputFile(const std::string& path, std::span<const std::uint8_t> bytes);
