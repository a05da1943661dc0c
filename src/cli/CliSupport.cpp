#include "cli/CliSupport.h"

#include "document/FileIo.h"
#include "document/SkinLock.h"
#include "document/SkinModel.h"

#include <charconv>
#include <chrono>
#include <cstdio>
#include <cstdlib>

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

int reportLoad(LoadResult result, const std::string& path)
{
    if (result != LoadResult::Loaded)
        return failWith(exitcode::cannotLoad, path + ": " + loadFailure(result));
    return exitcode::done;
}

} // namespace

int loadSkin(SkinDocument& document, const std::string& path)
{
    return reportLoad(document.load(path), path);
}

int loadDefaultSkin(SkinModel& model, const std::string& path)
{
    const LoadResult result = model.loadDefaultSkin(path);
    if (result != LoadResult::TooShort)
        return reportLoad(result, path);
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
    return reportLoad(model.loadSkin(skinPath), skinPath);
}

int reportSave(SaveResult result, const std::string& path)
{
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
    return reportSave(model.saveSkin(path), path);
}

namespace {

std::chrono::milliseconds lockWait()
{
    const char* text = std::getenv("VELASKIN_LOCK_WAIT");
    const auto milliseconds = text ? parseNumber(text) : std::nullopt;
    return milliseconds && *milliseconds >= 0 ? std::chrono::milliseconds(*milliseconds) : SkinLock::standardWait;
}

} // namespace

int underSkinLock(const std::string& skinPath, const std::function<int()>& body)
{
    const SkinLock lock(skinPath, SkinLock::Mode::Exclusive, lockWait());
    if (lock.busy())
        return failWith(exitcode::cannotSave, skinPath + ": another program is changing this skin; nothing saved");
    return body();
}

bool writeOutputFile(const std::string& path, std::span<const std::uint8_t> bytes)
{
    if (path != "-")
        return writeWholeFile(bytes, path);
    return std::fwrite(bytes.data(), 1, bytes.size(), stdout) == bytes.size() && std::fflush(stdout) == 0;
}
