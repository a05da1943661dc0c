// velaskin-cli: the headless tool on the editor's own libraries, for scripting
// and batch work on skins. Values go to stdout, errors to stderr as one line
// "velaskin-cli: ...".
//
// This program holds no Qt at all, so that the commands that only read and
// write skins start as fast as a program can. The commands that decode or
// draw pictures run in the tool's Qt part (velaskin-cli-qt), which this
// program becomes, with the same command line, when one of them is asked for.

#include "cli/CliSupport.h"
#include "cli/DocumentCommands.h"
#include "cli/PictureCommands.h"
#include "cli/QtPart.h"

#include <cstdio>
#include <string_view>

namespace {

const Command commands[] = {
    {"info", runInfoCommand},
    {"get", runGetCommand},
    {"set", runSetCommand},
    {"new", runNewCommand},
    {"pictures", runPicturesCommand},
    {"picture", [](const Arguments& args) { return runPictureCommand(args); }},
    {"export", runExportCommand},
};

// Decode or draw pictures through Qt.
const std::string_view qtCommands[] = {"import", "gif", "render", "check"};

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        printUsage(stderr);
        return exitcode::usage;
    }
    const std::string_view name = argv[1];
    if (name == "-h" || name == "--help" || name == "help") {
        printUsage(stdout);
        return exitcode::done;
    }
    if (printCommandHelp(argc, argv))
        return exitcode::done;
    // "picture set --convert" decodes the picture file.
    if (name == "picture" && pictureCommandDecodes(Arguments(argv + 2, argv + argc)))
        return runQtPart(argv);
    for (const Command& command : commands) {
        if (command.name == name)
            return runCommand(command, argc, argv);
    }
    for (const std::string_view qtCommand : qtCommands) {
        if (qtCommand == name)
            return runQtPart(argv);
    }
    return unknownCommand(name);
}
