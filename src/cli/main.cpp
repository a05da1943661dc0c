// velaskin-cli: the headless tool on the editor's own libraries, for scripting
// and batch work on skins. Values go to stdout, errors to stderr as one line
// "velaskin-cli: ...".

#include "cli/CheckCommand.h"
#include "cli/CliSupport.h"
#include "cli/DocumentCommands.h"
#include "cli/GifCommand.h"
#include "cli/ImportCommand.h"
#include "cli/PictureCommands.h"
#include "cli/RenderCommand.h"
#include "pictures/AllocatorTuning.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <new>
#include <string_view>
#include <vector>

#include <pwd.h>
#include <unistd.h>

namespace {

struct Command {
    std::string_view name;
    std::function<int(const Arguments&)> run;
    bool needsGui; // decodes or draws pictures through Qt
    bool (*needsGuiFor)(const Arguments&) = nullptr; // ... or does so for these arguments
};

const char* const usageText =
    "usage: velaskin-cli COMMAND ...\n"
    "  info SKIN.ski\n"
    "  get [--default DEF.ski] SKIN.ski KIND ID [INDEX]\n"
    "      KIND: colour ID | palette K | rect ID | listrect ID INDEX | number ID\n"
    "            | flag ID | listcount ID | wallpaper\n"
    "  set [--default DEF.ski] SKIN.ski KIND ID VALUE...\n"
    "      colour ID R G B T | palette K R G B T | rect ID L T R B\n"
    "      | listrect ID INDEX L T R B | number ID N | flag ID 0|1 | wallpaper PATH\n"
    "  new --default DEF.ski OUT.ski\n"
    "  pictures SKIN.ski\n"
    "  picture get [--default DEF.ski] SKIN.ski ID OUT|-\n"
    "  picture set [--convert] SKIN.ski ID FILE\n"
    "  picture remove SKIN.ski ID\n"
    "  picture link SKIN.ski FIRST SECOND\n"
    "  export [--default DEF.ski] SKIN.ski DIR [ID...]\n"
    "  import [--default DEF.ski] [--convert] SKIN.ski DIR\n"
    "      --convert: PNG, BMP, JPEG, ... become GIF of at most 256 colours\n"
    "  gif FILE\n"
    "  render [--default DEF.ski] SKIN.ski OUT.png [--analog] [--no-wallpaper] [--joypad]\n"
    "         [--left 0..2] [--right 0..2] [--centre 0..3] [--focus-rects] [--lng FILE.lng]\n"
    "         [--scale 1..16]\n"
    "  check [--default DEF.ski] SKIN.ski\n"
    "      one line \"LINE: CODE: text\" per finding; exit 4 when there is any\n"
    "Rectangles are LEFT TOP RIGHT BOTTOM with right and bottom exclusive.\n"
    "Commands wait for another program changing the skin up to\n"
    "VELASKIN_LOCK_WAIT milliseconds (10000 when unset), then exit with 3 (2 when\n"
    "they only read it).\n";

const Command commands[] = {
    {"info", runInfoCommand, false},
    {"get", runGetCommand, false},
    {"set", runSetCommand, false},
    {"new", runNewCommand, false},
    {"pictures", runPicturesCommand, false},
    {"picture", runPictureCommand, false, pictureCommandDecodes},
    {"export", runExportCommand, false},
    {"import", runImportCommand, true},
    {"gif", runGifCommand, true},
    {"render", runRenderCommand, true},
    {"check", runCheckCommand, true},
};

int usage()
{
    std::fputs(usageText, stderr);
    return exitcode::usage;
}

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

// Picture decoding needs a GUI application object; the tool never opens a window.
std::unique_ptr<QGuiApplication> makeGuiApplication(int& argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    provideRuntimeFolder();
    keepFreedPictureMemory();
    return std::make_unique<QGuiApplication>(argc, argv);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2)
        return usage();
    const std::string_view name = argv[1];
    if (name == "-h" || name == "--help" || name == "help") {
        std::fputs(usageText, stdout);
        return exitcode::done;
    }
    for (const Command& command : commands) {
        if (command.name != name)
            continue;
        const Arguments args(argv + 2, argv + argc);
        std::unique_ptr<QGuiApplication> application;
        if (command.needsGui || (command.needsGuiFor && command.needsGuiFor(args)))
            application = makeGuiApplication(argc, argv);
        try {
            const int code = command.run(args);
            if (code == exitcode::usage)
                usage();
            return code;
        } catch (const std::bad_alloc&) {
            // Commands that save catch it themselves: here nothing was saved.
            return failWith(exitcode::cannotLoad, "not enough memory");
        }
    }
    failWith(exitcode::usage, "unknown command '" + std::string(name) + "'");
    return usage();
}
