#include "cli/RenderCommand.h"

#include "document/FileIo.h"
#include "document/LanguageTable.h"
#include "document/SkinModel.h"
#include "preview/IdleScene.h"
#include "preview/IdleScreen.h"
#include "preview/ScreenCanvas.h"
#include "preview/ZoomedCanvas.h"

#include <QBuffer>
#include <QImage>

#include <span>

namespace {

// The JoyPad labels' captions of the shipped English language file, so that
// the tool draws them without one.
const JoyPadCaptions englishCaptions = {QStringLiteral("Up key"), QStringLiteral("Down key"),
                                        QStringLiteral("Left key"), QStringLiteral("Right key")};

constexpr int maximumScale = 16;

struct RenderArguments {
    std::string skin;
    std::string out;
    std::optional<std::string> language;
    ViewOptions view;
    int scale = 1;
};

// The number after an option, within minimum..maximum.
bool optionValue(const Arguments& args, std::size_t& i, int minimum, int maximum, int& value)
{
    if (++i >= args.size())
        return false;
    const auto number = parseNumber(args[i]);
    if (!number || *number < minimum || *number > maximum)
        return false;
    value = *number;
    return true;
}

// SKIN OUT and the options, in any order after the default skin.
std::optional<RenderArguments> parseRenderArguments(const Arguments& args)
{
    RenderArguments parsed;
    Arguments files;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& word = args[i];
        bool valid = true;
        if (word == "--analog")
            parsed.view.analogClock = true;
        else if (word == "--no-wallpaper")
            parsed.view.showWallpaper = false;
        else if (word == "--joypad")
            parsed.view.joyPadShown = true;
        else if (word == "--focus-rects")
            parsed.view.focusRects = true;
        else if (word == "--left")
            valid = optionValue(args, i, 0, 2, parsed.view.leftKeyState);
        else if (word == "--right")
            valid = optionValue(args, i, 0, 2, parsed.view.rightKeyState);
        else if (word == "--centre")
            valid = optionValue(args, i, 0, 3, parsed.view.centreKeyState);
        else if (word == "--scale")
            valid = optionValue(args, i, 1, maximumScale, parsed.scale);
        else if (word == "--lng" && i + 1 < args.size())
            parsed.language = args[++i];
        else if (word.rfind("--", 0) == 0)
            valid = false;
        else
            files.push_back(word);
        if (!valid)
            return std::nullopt;
    }
    if (files.size() != 2)
        return std::nullopt;
    parsed.skin = files[0];
    parsed.out = files[1];
    return parsed;
}

std::vector<std::uint8_t> pngBytes(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return {bytes.begin(), bytes.end()};
}

// The one place where render writes OUT.
int writeRenderOutput(std::span<const std::uint8_t> png, const std::string& out)
{
    if (!writeOutputFile(out, png))
        return failWith(exitcode::cannotSave, out + ": cannot write the picture file");
    return exitcode::done;
}

} // namespace

// render [--default DEF.ski] SKIN.ski OUT.png [--analog] [--no-wallpaper] [--joypad]
//        [--left S] [--right S] [--centre S] [--focus-rects] [--lng FILE.lng] [--scale K]
int runRenderCommand(const Arguments& args)
{
    const SkinArguments split = splitDefaultOption(args);
    const auto parsed = parseRenderArguments(split.rest);
    if (!parsed)
        return exitcode::usage;
    SkinModel model;
    if (const int code = loadModel(model, parsed->skin, split.defaultSkin); code != exitcode::done)
        return code;
    JoyPadCaptions captions = englishCaptions;
    if (parsed->language) {
        LanguageTable texts;
        if (!texts.load(*parsed->language))
            return failWith(exitcode::cannotLoad, *parsed->language + ": cannot load the language file");
        captions = joyPadCaptions(texts);
    }

    IdleScene scene;
    scene.view = parsed->view;
    // The wallpaper the skin names (or the default skin's), read as the editor reads it.
    model.loadWallpaperFile(model.wallpaperPath());
    if (!scene.load(model, captions, PreviewArea{}) && scene.view.showWallpaper && !model.wallpaperPath().empty())
        failWith(exitcode::done, model.wallpaperPath() + ": cannot read the wallpaper file; drawn without it");
    ScreenCanvas canvas;
    drawIdleScreen(canvas, model, scene);
    // Enlarged as the editor's preview enlarges it: the same pixels.
    return writeRenderOutput(pngBytes(zoomedImage(canvas.image(), parsed->scale)), parsed->out);
}
