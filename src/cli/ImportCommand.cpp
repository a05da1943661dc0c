#include "cli/ImportCommand.h"

#include "cli/PictureCommands.h"

#include "document/SkinModel.h"
#include "pictures/PictureImport.h"
#include "services/LocalPath.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>

namespace {

// One line per candidate: "NAME ok", "NAME undecodable",
// "NAME wrong-size W H (default W H)" or "NAME no-default".
void printOutcome(const QString& name, const pictureimport::Outcome& outcome)
{
    const std::string file = localPath(name);
    switch (outcome.verdict) {
    case pictureimport::Verdict::stored:
        std::printf("%s ok\n", file.c_str());
        return;
    case pictureimport::Verdict::undecodable:
        std::printf("%s undecodable\n", file.c_str());
        return;
    case pictureimport::Verdict::wrongSize:
        std::printf("%s wrong-size %d %d (default %d %d)\n", file.c_str(), outcome.size.width(),
                    outcome.size.height(), outcome.referenceSize.width(), outcome.referenceSize.height());
        return;
    case pictureimport::Verdict::noReference:
        std::printf("%s no-default\n", file.c_str());
        return;
    }
}

// Loads the skin, imports every candidate of folder, and saves the skin in
// place when at least one picture was stored.
int importFolder(const std::string& skinPath, const std::string& folderPath,
                 const std::optional<std::string>& defaultPath, pictureimport::Conversion conversion)
{
    SkinModel model;
    if (const int code = loadModel(model, skinPath, defaultPath); code != exitcode::done)
        return code;
    // Without a default skin, the skin's own pictures are the ones to match.
    const SkinDocument& reference = defaultPath ? model.defaults() : model.edited();

    const QString folder = fromLocalPath(folderPath);
    if (!QFileInfo(folder).isDir())
        return failWith(exitcode::refused, folderPath + ": not a folder; nothing saved");
    const QStringList names = pictureimport::candidateNames(folder, conversion);
    if (names.isEmpty())
        return failWith(exitcode::refused, folderPath + (conversion == pictureimport::Conversion::none
                                                             ? ": no numbered GIF files; nothing saved"
                                                             : ": no numbered picture files; nothing saved"));

    int stored = 0;
    for (const QString& name : names) {
        const pictureimport::Outcome outcome = pictureimport::importFile(model, reference, QDir(folder).filePath(name), conversion);
        printOutcome(name, outcome);
        stored += outcome.verdict == pictureimport::Verdict::stored ? 1 : 0;
    }
    std::fflush(stdout);
    if (stored > 0) {
        if (const int code = saveInPlace(model); code != exitcode::done)
            return code;
    }
    return stored == names.size() ? exitcode::done : exitcode::refused;
}

} // namespace

int runImportCommand(const Arguments& args)
{
    Arguments words = args;
    const auto conversion = takeConvertOption(words) ? pictureimport::Conversion::toGif : pictureimport::Conversion::none;
    const SkinArguments parsed = splitDefaultOption(words);
    if (parsed.rest.size() != 2)
        return exitcode::usage;
    return underSkinLock(parsed.rest[0], [&] {
        return importFolder(parsed.rest[0], parsed.rest[1], parsed.defaultSkin, conversion);
    });
}
