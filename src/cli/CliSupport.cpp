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

const char* loadFailure(int code)
{
    switch (code) {
    case 1: return "cannot open the skin file";
    case 2: return "not a skin file (its first line is not \"SKI1\")";
    case 3: return "a picture data file of the skin cannot be opened";
    default: return "cannot load the skin";
    }
}

} // namespace

int loadSkin(SkinDocument& document, const std::string& path)
{
    const int result = document.load(path);
    if (result != 0)
        return failWith(exitcode::cannotLoad, path + ": " + loadFailure(result));
    return exitcode::done;
}

int loadDefaultSkin(SkinModel& model, const std::string& path)
{
    if (model.loadDefaultSkin(path) != 0)
        return exitcode::done;
    if (!model.defaultSkin.hasLineTable())
        return loadSkin(model.defaultSkin, path); // says which load failure it was
    return failWith(exitcode::cannotLoad, path + ": not accepted as a default skin (" +
                                              std::to_string(model.defaultSkin.lineCount()) + " lines, at least " +
                                              std::to_string(minimumDefaultSkinLines) + " needed)");
}

int loadModel(SkinModel& model, const std::string& skinPath, const std::optional<std::string>& defaultPath)
{
    if (defaultPath) {
        if (const int code = loadDefaultSkin(model, *defaultPath); code != exitcode::done)
            return code;
    }
    return loadSkin(model.skin, skinPath);
}

int reportSave(int result, const std::string& path)
{
    if (result == 1)
        return failWith(exitcode::cannotSave, path + ": cannot write the skin file");
    if (result != 0)
        return failWith(exitcode::cannotSave, path + ": cannot write a picture data file");
    return exitcode::done;
}

int saveInPlace(SkinModel& model, bool withDefault)
{
    const std::string path = model.skin.path();
    return reportSave(withDefault ? model.saveSkin(path) : model.skin.save(path), path);
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
