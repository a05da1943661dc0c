#include "cli/PictureCommands.h"

#include "document/FileIo.h"
#include "document/SkinModel.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <system_error>

namespace {

std::string idText(ElementId id)
{
    return std::to_string(id);
}

// picture get [--default DEF.ski] SKIN.ski ID OUT ("-": standard output)
int pictureGet(const Arguments& args)
{
    const SkinArguments parsed = splitDefaultOption(args);
    const Arguments& rest = parsed.rest;
    const auto id = rest.size() == 3 ? parseNumber(rest[1]) : std::nullopt;
    if (!id)
        return exitcode::usage;
    SkinModel model;
    if (const int code = loadModel(model, rest[0], parsed.defaultSkin); code != exitcode::done)
        return code;
    std::vector<std::uint8_t> bytes;
    const int size = parsed.defaultSkin ? model.getPicture(*id, bytes) : model.edited().getPicture(*id, bytes);
    if (const int code = reportUnreadableData(model); code != exitcode::done)
        return code;
    if (size < 0)
        return failWith(exitcode::refused, rest[0] + ": no picture " + idText(*id));
    if (!writeOutputFile(rest[2], bytes))
        return failWith(exitcode::cannotSave, rest[2] + ": cannot write the picture file");
    return exitcode::done;
}

// picture set [--convert] SKIN.ski ID FILE: without --convert the file's bytes as they are.
int pictureSet(Arguments args, const GifConversion& toGif)
{
    const bool convert = takeConvertOption(args);
    const auto id = args.size() == 3 ? parseNumber(args[1]) : std::nullopt;
    if (!id || (convert && !toGif))
        return exitcode::usage;
    return underSkinLock(args[0], [&] {
        SkinModel model;
        if (const int code = loadModel(model, args[0], std::nullopt); code != exitcode::done)
            return code;
        if (!convert) {
            if (!model.setPictureFromFile(*id, args[2])) {
                if (const int code = reportUnreadableData(model); code != exitcode::done)
                    return code;
                return failWith(exitcode::refused, args[2] + ": cannot read the picture file; nothing saved");
            }
            return saveInPlace(model);
        }
        std::vector<std::uint8_t> bytes;
        if (readWholeFile(args[2], bytes) < 0)
            return failWith(exitcode::refused, args[2] + ": cannot read the picture file; nothing saved");
        if (!toGif(bytes))
            return failWith(exitcode::refused, args[2] + ": not a picture that converts to GIF; nothing saved");
        if (!model.setPicture(*id, bytes)) {
            if (const int code = reportUnreadableData(model); code != exitcode::done)
                return code;
            return failWith(exitcode::refused, args[0] + ": the skin holds no records; nothing saved");
        }
        return saveInPlace(model);
    });
}

// picture remove SKIN.ski ID
int pictureRemove(const Arguments& args)
{
    const auto id = args.size() == 2 ? parseNumber(args[1]) : std::nullopt;
    if (!id)
        return exitcode::usage;
    return underSkinLock(args[0], [&] {
        SkinModel model;
        if (const int code = loadModel(model, args[0], std::nullopt); code != exitcode::done)
            return code;
        if (model.edited().findRecord("5 " + idText(*id) + " ") < 0)
            return failWith(exitcode::refused, args[0] + ": no picture " + idText(*id));
        model.removePicture(*id);
        if (const int code = reportUnreadableData(model); code != exitcode::done)
            return code;
        return saveInPlace(model);
    });
}

// picture link SKIN.ski FIRST SECOND
int pictureLink(const Arguments& args)
{
    const auto first = args.size() == 3 ? parseNumber(args[1]) : std::nullopt;
    const auto second = args.size() == 3 ? parseNumber(args[2]) : std::nullopt;
    if (!first || !second)
        return exitcode::usage;
    return underSkinLock(args[0], [&] {
        SkinModel model;
        if (const int code = loadModel(model, args[0], std::nullopt); code != exitcode::done)
            return code;
        if (!model.linkPicture(*first, *second))
            return failWith(exitcode::refused, args[0] + ": no picture " + idText(*first) + " to link");
        return saveInPlace(model);
    });
}

// The ids to export: those given, or every picture of the listing skin, once each, in line order.
bool exportIds(const Arguments& rest, const SkinDocument& listing, std::vector<ElementId>& ids)
{
    if (rest.size() > 2) {
        for (std::size_t i = 2; i < rest.size(); ++i) {
            const auto id = parseNumber(rest[i]);
            if (!id)
                return false;
            ids.push_back(*id);
        }
        return true;
    }
    for (ElementId id : listing.pictureIds())
        if (std::find(ids.begin(), ids.end(), id) == ids.end())
            ids.push_back(id);
    return true;
}

} // namespace

bool takeConvertOption(Arguments& args)
{
    const auto taken = std::remove(args.begin(), args.end(), std::string("--convert"));
    const bool found = taken != args.end();
    args.erase(taken, args.end());
    return found;
}

bool pictureCommandDecodes(const Arguments& args)
{
    return std::find(args.begin(), args.end(), std::string("--convert")) != args.end();
}

int runPictureCommand(const Arguments& args, const GifConversion& toGif)
{
    if (args.empty())
        return exitcode::usage;
    const Arguments rest(args.begin() + 1, args.end());
    if (args[0] == "get")
        return pictureGet(rest);
    if (args[0] == "set")
        return pictureSet(rest, toGif);
    if (args[0] == "remove")
        return pictureRemove(rest);
    if (args[0] == "link")
        return pictureLink(rest);
    return exitcode::usage;
}

// export [--default DEF.ski] SKIN.ski DIR [ID...]: DIR/ID.gif, bytes as stored.
int runExportCommand(const Arguments& args)
{
    const SkinArguments parsed = splitDefaultOption(args);
    const Arguments& rest = parsed.rest;
    if (rest.size() < 2)
        return exitcode::usage;
    SkinModel model;
    if (const int code = loadModel(model, rest[0], parsed.defaultSkin); code != exitcode::done)
        return code;
    std::vector<ElementId> ids;
    if (!exportIds(rest, parsed.defaultSkin ? model.defaults() : model.edited(), ids))
        return exitcode::usage;

    const std::filesystem::path folder = rest[1];
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    int missing = 0;
    int written = 0;
    for (ElementId id : ids) {
        std::vector<std::uint8_t> bytes;
        const int size = parsed.defaultSkin ? model.getPicture(id, bytes) : model.edited().getPicture(id, bytes);
        if (const int code = reportUnreadableData(model); code != exitcode::done)
            return code;
        if (size < 0) {
            failWith(exitcode::refused, rest[0] + ": no picture " + idText(id));
            ++missing;
            continue;
        }
        const std::string out = (folder / (idText(id) + ".gif")).string();
        if (!writeOutputFile(out, bytes))
            return failWith(exitcode::cannotSave, out + ": cannot write the picture file");
        ++written;
    }
    std::printf("exported %d\n", written);
    return missing > 0 ? exitcode::refused : exitcode::done;
}
