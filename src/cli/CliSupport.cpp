#include "cli/CliSupport.h"

#include "cli/CommandTable.h"

#include "document/FileIo.h"
#include "document/SkinLock.h"
#include "document/SkinModel.h"

#include <charconv>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <new>

namespace {


} // namespace

void printUsage(std::FILE* to)
{
    std::fputs(cli::usageText().c_str(), to);
}

bool printCommandHelp(int argc, char** argv)
{
    if (argc < 3 || argc > 4)
        return false;
    const std::string_view last = argv[argc - 1];
    if (last != "--help" && last != "-h")
        return false;
    std::string words = argv[1];
    if (argc == 4)
        words += std::string(" ") + argv[2];
    const std::string help = cli::commandHelpText(words);
    if (help.empty())
        return false;
    std::fputs(help.c_str(), stdout);
    return true;
}

int runCommand(const Command& command, int argc, char** argv)
{
    const Arguments args(argv + 2, argv + argc);
    try {
        const int code = command.run(args);
        if (code == exitcode::usage)
            printUsage(stderr);
        return code;
    } catch (const std::bad_alloc&) {
        // Commands that save catch it themselves: here nothing was saved.
        return failWith(exitcode::cannotLoad, "not enough memory");
    }
}

int unknownCommand(std::string_view name)
{
    failWith(exitcode::usage, "unknown command '" + std::string(name) + "'");
    printUsage(stderr);
    return exitcode::usage;
}

int failWith(int code, const std::string& message)
{
    std::fprintf(stderr, "velaskin-cli: %s\n", message.c_str());
    return code;
}

std::optional<std::int32_t> parseNumber(const std::string& text)
{
    std::int32_t value = 0;
    const char* begin = text.data();
    const char* end = begin + text.size();
    const auto [stop, error] = std::from_chars(begin, end, value);
    if (error != std::errc() || stop != end || text.empty())
        return std::nullopt;
    return value;
}

bool parseNumbers(const Arguments& args, std::size_t first, std::size_t count, std::vector<std::int32_t>& out)
{
    if (args.size() != first + count)
        return false;
    out.clear();
    for (std::size_t i = first; i < first + count; ++i) {
        const auto value = parseNumber(args[i]);
        if (!value)
            return false;
        out.push_back(*value);
    }
    return true;
}

SkinArguments splitDefaultOption(const Arguments& args)
{
    SkinArguments result;
    std::size_t i = 0;
    if (args.size() >= 2 && args[0] == "--default") {
        result.defaultSkin = args[1];
        i = 2;
    }
    result.rest.assign(args.begin() + static_cast<std::ptrdiff_t>(i), args.end());
    return result;
}

namespace {

std::chrono::milliseconds lockWait()
{
    const char* text = std::getenv("VELASKIN_LOCK_WAIT");
    const auto milliseconds = text ? parseNumber(text) : std::nullopt;
    return milliseconds && *milliseconds >= 0 ? std::chrono::milliseconds(*milliseconds) : SkinLock::standardWait;
}

const char* loadFailure(LoadResult result)
{
    switch (result) {
    case LoadResult::CannotOpen:
    case LoadResult::SkinFileMissing: return "cannot open the skin file";
    case LoadResult::NotASkin: return "not a skin file (its first line is not \"SKI1\")";
    case LoadResult::DataFileMissing:
    case LoadResult::DataFileUnreadable: return "a picture data file of the skin cannot be opened";
    default: return "cannot load the skin";
    }
}

// The folder a file would lie in when that folder is not there; "" otherwise.
std::string missingFolder(const std::string& path)
{
    const std::filesystem::path folder = std::filesystem::path(path).parent_path();
    std::error_code error;
    if (folder.empty() || std::filesystem::exists(folder, error) || error)
        return {};
    return folder.string();
}

// What a user must be told beyond the result of a load or save; "" when nothing.
std::string problemText(const StorageProblem& problem, bool saving)
{
    using Kind = StorageProblem::Kind;
    const std::string nothing = saving ? "; nothing saved" : "";
    switch (problem.kind) {
    case Kind::None:
        return {};
    case Kind::Locked:
        return "the skin is locked by another program" + nothing;
    case Kind::LockUnusable:
        if (const std::string folder = missingFolder(problem.path); !folder.empty())
            return std::string(saving ? "cannot save" : "cannot open") + " the skin: the folder " + folder +
                   " does not exist" + nothing;
        return "cannot lock the skin: " + problem.path +
               " cannot be made or opened, or is no regular file of this user or of the skin's owner" + nothing;
    case Kind::Unfinished:
        if (saving)
            return "the save failed and its files could not all be put back; " + problem.path +
                   " keeps what the next load or save needs to put them back";
        return "an interrupted save could not be finished or undone, so the skin is not shown; " + problem.path +
               " keeps what is needed to do it later";
    case Kind::JournalUnreadable:
        return "cannot read " + problem.path + "; nothing changed";
    case Kind::JournalDamaged:
        return problem.path + " is damaged and files of an unfinished save are left beside the skin; nothing changed";
    case Kind::JournalNotOurs:
        return problem.path + " is in the way (a folder, a link or another user's file); nothing saved";
    case Kind::TooLarge:
        return "the skin is too large to load (a skin file may hold " +
               std::to_string(SkinStorage::largestSkinFile >> 20) + " MiB, its picture data files together " +
               std::to_string(SkinStorage::largestDataFiles >> 20) + " MiB)";
    case Kind::OutOfMemory:
        return "not enough memory" + nothing;
    }
    return {};
}

int reportLoad(const SkinDocument& document, LoadResult result, const std::string& path)
{
    if (result == LoadResult::Loaded)
        return exitcode::done;
    const std::string problem = problemText(document.fileProblem(), false);
    return failWith(exitcode::cannotLoad, path + ": " + (problem.empty() ? loadFailure(result) : problem));
}

} // namespace

int loadSkin(SkinDocument& document, const std::string& path)
{
    return reportLoad(document, document.load(path, nullptr, lockWait()), path);
}

int loadDefaultSkin(SkinModel& model, const std::string& path)
{
    const LoadResult result = model.loadDefaultSkin(path, nullptr, lockWait());
    if (result != LoadResult::TooShort)
        return reportLoad(model.defaults(), result, path);
    return failWith(exitcode::cannotLoad, path + ": not accepted as a default skin (" +
                                              std::to_string(model.defaults().lineCount()) + " lines, at least " +
                                              std::to_string(minimumDefaultSkinLines) + " needed)");
}

int loadModel(SkinModel& model, const std::string& skinPath, const std::optional<std::string>& defaultPath)
{
    if (defaultPath) {
        if (const int code = loadDefaultSkin(model, *defaultPath); code != exitcode::done)
            return code;
    }
    return reportLoad(model.edited(), model.loadSkin(skinPath, lockWait()), skinPath);
}

int reportUnreadableData(const SkinModel& model)
{
    for (const SkinDocument* document : {&model.edited(), &model.defaults()}) {
        if (!document->unreadableDataFile().empty())
            return reportLoad(*document, LoadResult::DataFileUnreadable, document->path());
    }
    return exitcode::done;
}

int reportSave(const SkinDocument& document, SaveResult result, const std::string& path)
{
    if (result == SaveResult::Saved)
        return exitcode::done;
    if (const std::string problem = problemText(document.fileProblem(), true); !problem.empty())
        return failWith(exitcode::cannotSave, path + ": " + problem);
    if (result == SaveResult::SkinFileNotWritten)
        return failWith(exitcode::cannotSave, path + ": cannot write the skin file");
    if (result != SaveResult::Saved)
        return failWith(exitcode::cannotSave, path + ": cannot write a picture data file");
    return exitcode::done;
}

int saveInPlace(SkinModel& model)
{
    // Without a default skin no wallpaper bytes were read, so only the skin's files are written.
    const std::string path = model.edited().path();
    return reportSave(model.edited(), model.saveSkin(path), path);
}

int underSkinLock(const std::string& skinPath, const std::function<int()>& body)
{
    const SkinLock lock(skinPath, SkinLock::Mode::Exclusive, lockWait());
    if (lock.outcome() == SkinLock::Outcome::Busy)
        return failWith(exitcode::cannotSave, skinPath + ": another program is changing this skin; nothing saved");
    if (lock.busy())
        return failWith(exitcode::cannotSave,
                        skinPath + ": " + problemText({StorageProblem::Kind::LockUnusable, lock.path()}, true));
    try {
        return body();
    } catch (const std::bad_alloc&) {
        return failWith(exitcode::cannotSave, skinPath + ": not enough memory; nothing saved");
    }
}

bool writeOutputFile(const std::string& path, std::span<const std::uint8_t> bytes)
{
    if (path != "-")
        return writeWholeFile(bytes, path);
    return std::fwrite(bytes.data(), 1, bytes.size(), stdout) == bytes.size() && std::fflush(stdout) == 0;
}
