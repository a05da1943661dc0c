// velaskin-cli-qt: the commands of velaskin-cli that decode or draw pictures
// through Qt, with velaskin-cli's command line ("velaskin-cli-qt render ...");
// velaskin-cli runs it for them. Nothing here opens a window.

#include "cli/CheckCommand.h"
#include "cli/CliSupport.h"
#include "cli/GifCommand.h"
#include "cli/ImportCommand.h"
#include "cli/PictureCommands.h"
#include "cli/RenderCommand.h"
#include "pictures/AllocatorTuning.h"
#include "pictures/PictureConversion.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

#include <pwd.h>
#include <unistd.h>

namespace {

bool toGif(std::vector<std::uint8_t>& bytes)
{
    pictureconversion::SkinPicture picture =
        pictureconversion::pictureForSkin(std::move(bytes), pictureconversion::Conversion::toGif);
    bytes = std::move(picture.bytes);
    return picture.usable;
}

const Command commands[] = {
    // velaskin-cli sends "picture" here only with --convert.
    {"picture", [](const Arguments& args) { return runPictureCommand(args, toGif); }},
    {"import", runImportCommand},
    {"gif", runGifCommand},
    {"render", runRenderCommand},
    {"check", runCheckCommand},
};

// Run as root or from a service, the session gives no runtime folder, and Qt
// warns on stderr before it takes its own per-user one. The tool names that
// same folder itself, so that stderr carries only the tool's own messages;
// Qt still creates it and checks that it is private.
void provideRuntimeFolder()
{
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        return;
    const uid_t user = ::geteuid();
    QString userName = QString::number(user);
    std::vector<char> buffer(16384);
    passwd entry {};
    passwd* found = nullptr;
    if (::getpwuid_r(user, &entry, buffer.data(), buffer.size(), &found) == 0 && found && found->pw_name)
        userName = QFile::decodeName(found->pw_name);
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(QDir::tempPath() + QStringLiteral("/runtime-") + userName));
}

} // namespace

int main(int argc, char** argv)
{
    const std::string_view name = argc < 2 ? std::string_view() : argv[1];
    for (const Command& command : commands) {
        if (command.name != name)
            continue;
        // Picture decoding needs a GUI application object; the tool never opens a window.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        provideRuntimeFolder();
        keepFreedPictureMemory();
        const QGuiApplication application(argc, argv);
        return runCommand(command, argc, argv);
    }
    return unknownCommand(name);
}
