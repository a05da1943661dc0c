#include "cli/QtPart.h"

#include "cli/CliSupport.h"

#include <cerrno>
#include <cstring>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

constexpr const char* qtPartName = "velaskin-cli-qt";

// The folder of this program's file (links followed); "" when unknown.
std::string ownFolder()
{
    std::vector<char> path(4096);
    const ssize_t length = ::readlink("/proc/self/exe", path.data(), path.size());
    if (length <= 0 || std::size_t(length) >= path.size())
        return {};
    const std::string file(path.data(), std::size_t(length));
    return file.substr(0, file.rfind('/') + 1);
}

} // namespace

int runQtPart(char** argv)
{
    const std::string folder = ownFolder();
    // Installed: VELASKIN_QT_PART_FROM_BIN leads from bin to it; built: beside.
    const std::string places[] = {folder + VELASKIN_QT_PART_FROM_BIN, folder + qtPartName};
    int error = ENOENT;
    for (const std::string& place : places) {
        if (folder.empty() || ::access(place.c_str(), X_OK) != 0)
            continue;
        ::execv(place.c_str(), argv);
        error = errno;
    }
    return failWith(exitcode::noQtPart,
                    std::string("cannot start ") + qtPartName + ", which runs this command: " + std::strerror(error));
}
