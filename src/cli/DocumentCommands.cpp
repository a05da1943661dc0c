#include "cli/DocumentCommands.h"

#include "document/PictureRecord.h"
#include "document/SkinModel.h"

#include <cstdio>
#include <optional>

namespace {

void printColour(const SkinColour& c)
{
    std::printf("%u %u %u %d\n", c.colour & 0xFFu, (c.colour >> 8) & 0xFFu, (c.colour >> 16) & 0xFFu,
                c.transparency);
}

void printRect(const SkinRect& r)
{
    std::printf("%d %d %d %d\n", r.left, r.top, r.right, r.bottom);
}

void printNumber(std::int32_t value)
{
    std::printf("%d\n", value);
}

// Reads through the model (with fallback) or through the edited skin alone.
class Reader {
public:
    Reader(const SkinModel& model, bool withDefault) : model(model), withDefault(withDefault) {}

    int get(const std::string& kind, const std::vector<std::int32_t>& n) const
    {
        if (kind == "colour" && n.size() == 1)
            printColour(withDefault ? model.getColour(n[0]) : model.edited().getColour(n[0]));
        else if (kind == "palette" && n.size() == 1)
            printColour(withDefault ? model.getPaletteColour(n[0]) : model.edited().getPaletteColour(n[0]));
        else if (kind == "rect" && n.size() == 1)
            printRect(withDefault ? model.getRect(n[0]) : model.edited().getRect(n[0]));
        else if (kind == "listrect" && n.size() == 2)
            printRect(withDefault ? model.getListRect(n[0], n[1]) : model.edited().getListRect(n[0], n[1]));
        else if (kind == "number" && n.size() == 1)
            printNumber(withDefault ? model.getNumber(n[0]) : model.edited().getNumber(n[0]));
        else if (kind == "flag" && n.size() == 1)
            printNumber(withDefault ? model.getFlag(n[0]) : model.edited().getFlag(n[0]));
        else if (kind == "listcount" && n.size() == 1)
            printNumber(withDefault ? model.getListCount(n[0]) : model.edited().getListCount(n[0]));
        else if (kind == "wallpaper" && n.empty())
            std::printf("%s\n", (withDefault ? model.wallpaperPath() : model.edited().getWallpaperName()).c_str());
        else
            return exitcode::usage;
        return exitcode::done;
    }

private:
    const SkinModel& model;
    bool withDefault;
};

// Writes into the edited skin; with a default skin loaded, the first edit of
// a list item copies the list from it. Result: whether the setter wrote;
// nothing for bad arguments.
std::optional<bool> applySetter(SkinModel& model, const std::string& kind, const std::vector<std::int32_t>& n)
{
    if (kind == "colour" && n.size() == 5)
        return model.setColour(n[0], makeColour(n[1], n[2], n[3]), n[4]);
    if (kind == "palette" && n.size() == 5)
        return model.setPaletteColour(n[0], makeColour(n[1], n[2], n[3]), n[4]);
    if (kind == "rect" && n.size() == 5)
        return model.setRect(n[0], {n[1], n[2], n[3], n[4]});
    if (kind == "listrect" && n.size() == 6)
        return model.setListRect({n[2], n[3], n[4], n[5]}, n[0], n[1]);
    if (kind == "number" && n.size() == 2)
        return model.setNumber(n[0], n[1]);
    if (kind == "flag" && n.size() == 2 && (n[1] == 0 || n[1] == 1)) {
        model.setFlag(n[0], n[1]);
        return true;
    }
    return std::nullopt;
}

// How many numbers follow KIND on the command line.
std::size_t numberCount(const std::string& kind, bool forSetting)
{
    if (kind == "wallpaper")
        return 0;
    if (kind == "listrect")
        return forSetting ? 6 : 2;
    if (kind == "colour" || kind == "palette" || kind == "rect")
        return forSetting ? 5 : 1;
    return forSetting ? 2 : 1;
}

// set after its arguments are parsed: load, change, save.
int setAndSave(const Arguments& rest, const std::optional<std::string>& defaultSkin, const std::vector<std::int32_t>& numbers)
{
    const std::string& kind = rest[1];
    const bool withDefault = defaultSkin.has_value();
    SkinModel model;
    if (const int code = loadModel(model, rest[0], defaultSkin); code != exitcode::done)
        return code;
    if (kind == "wallpaper") {
        // With a default skin the wallpaper's bytes go along, as in the editor.
        if (withDefault)
            model.setWallpaper(rest[2]);
        else
            model.setWallpaperName(rest[2]);
    } else {
        const std::optional<bool> written = applySetter(model, kind, numbers);
        if (!written)
            return exitcode::usage;
        if (!*written)
            return failWith(exitcode::refused, rest[0] + ": " + kind + " " + rest[2] +
                                                   ": no such record, list item or storable value to change; nothing saved");
    }
    return saveInPlace(model);
}

} // namespace

int runInfoCommand(const Arguments& args)
{
    if (args.size() != 1)
        return exitcode::usage;
    SkinDocument skin;
    if (const int code = loadSkin(skin, args[0]); code != exitcode::done)
        return code;
    std::printf("lines %d\n", skin.lineCount());
    std::printf("datafiles %d\n", skin.dataFileCount());
    for (int i = 0; i < skin.dataFileCount(); ++i)
        std::printf("data %d %u\n", i, skin.dataSize(i));
    std::printf("pictures %zu\n", skin.pictureIds().size());
    std::printf("wallpaper %s\n", skin.getWallpaperName().c_str());
    return exitcode::done;
}

int runGetCommand(const Arguments& args)
{
    const SkinArguments parsed = splitDefaultOption(args);
    const Arguments& rest = parsed.rest;
    if (rest.size() < 2)
        return exitcode::usage;
    const std::string& kind = rest[1];
    std::vector<std::int32_t> numbers;
    if (!parseNumbers(rest, 2, numberCount(kind, false), numbers))
        return exitcode::usage;
    SkinModel model;
    if (const int code = loadModel(model, rest[0], parsed.defaultSkin); code != exitcode::done)
        return code;
    return Reader(model, parsed.defaultSkin.has_value()).get(kind, numbers);
}

int runSetCommand(const Arguments& args)
{
    const SkinArguments parsed = splitDefaultOption(args);
    const Arguments& rest = parsed.rest;
    if (rest.size() < 2)
        return exitcode::usage;
    const std::string& kind = rest[1];
    std::vector<std::int32_t> numbers;
    if (kind != "wallpaper" && !parseNumbers(rest, 2, numberCount(kind, true), numbers))
        return exitcode::usage;
    if (kind == "wallpaper" && rest.size() != 3)
        return exitcode::usage;
    return underSkinLock(rest[0], [&] { return setAndSave(rest, parsed.defaultSkin, numbers); });
}

int runNewCommand(const Arguments& args)
{
    const SkinArguments parsed = splitDefaultOption(args);
    if (!parsed.defaultSkin || parsed.rest.size() != 1)
        return exitcode::usage;
    const std::string& out = parsed.rest[0];
    return underSkinLock(out, [&] {
        SkinModel model;
        if (const int code = loadDefaultSkin(model, *parsed.defaultSkin); code != exitcode::done)
            return code;
        model.newSkin("New skin");
        return reportSave(model.edited(), model.saveSkin(out), out);
    });
}

int runPicturesCommand(const Arguments& args)
{
    if (args.size() != 1)
        return exitcode::usage;
    SkinDocument skin;
    if (const int code = loadSkin(skin, args[0]); code != exitcode::done)
        return code;
    // Every picture record as written: also records that point outside the
    // data files, which the editor never reads.
    for (int i = 1; i < skin.lineCount(); ++i) {
        if (const auto record = PictureRecord::fromLine(skin.line(i)))
            std::printf("%d %d %d %d\n", record->id, record->where.offset, record->where.size, record->where.file);
    }
    return exitcode::done;
}
