#pragma once

#include "TempFolder.h"
#include "document/FileSeam.h"
#include "document/SkinDocument.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <thread>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <string>
#include <vector>

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

namespace testing_support {

inline std::vector<std::uint8_t> bytesOf(std::size_t count, std::uint8_t first = 0)
{
    std::vector<std::uint8_t> bytes(count);
    for (std::size_t i = 0; i < count; ++i)
        bytes[i] = std::uint8_t(first + i);
    return bytes;
}

// A document whose lines are "SKI1\n" followed by the given lines (each gets
// its "\n"), with one data file of dataBytes bytes (byte i has the value i % 256).
inline SkinDocument documentWith(std::initializer_list<std::string> lines, std::size_t dataBytes = 0)
{
    SkinDocument document;
    document.createNew("test");
    for (const std::string& line : lines)
        document.appendLine(line + "\n");
    if (dataBytes > 0)
        (void)document.pictureData().append(0, bytesOf(dataBytes));
    return document;
}

// The lines of a document without their line ends, line 0 left out.
inline std::vector<std::string> recordsOf(const SkinDocument& document)
{
    std::vector<std::string> result;
    for (std::size_t i = 1; i < document.lines().size(); ++i) {
        std::string line = document.lines()[i];
        while (!line.empty() && (line.back() == '\n' || line.back() == '\r'))
            line.pop_back();
        result.push_back(line);
    }
    return result;
}

// Runs in folder for the life of the object (wallpaper files are read and
// written relative to the current folder).
class CurrentFolder {
public:
    explicit CurrentFolder(const std::filesystem::path& folder)
        : previous(std::filesystem::current_path())
    {
        std::filesystem::current_path(folder);
    }
    ~CurrentFolder() { std::filesystem::current_path(previous); }
    CurrentFolder(const CurrentFolder&) = delete;
    CurrentFolder& operator=(const CurrentFolder&) = delete;

private:
    std::filesystem::path previous;
};

// File system steps of a commit as a test scripts them: the renames with the
// given numbers (1 for the first) fail with the given error, links fail, the
// commit stops after some renames as if the process had died, or pauses
// between renames.
class ScriptedSeam : public FileSeam {
public:
    std::vector<int> failingRenames;
    int failingError = EACCES;
    bool linksFail = false;
    std::size_t stopAfter = 0; // 0: never
    std::chrono::milliseconds pause {0};
    int renames = 0;

    int renameFile(const std::string& from, const std::string& to) override
    {
        if (std::count(failingRenames.begin(), failingRenames.end(), ++renames) > 0) {
            errno = failingError;
            return -1;
        }
        return FileSeam::renameFile(from, to);
    }
    int linkFile(const std::string& existing, const std::string& newName) override
    {
        if (linksFail) {
            errno = EPERM;
            return -1;
        }
        return FileSeam::linkFile(existing, newName);
    }
    bool goOnAfterRename(std::size_t count) override
    {
        std::this_thread::sleep_for(pause);
        return stopAfter == 0 || count < stopAfter;
    }
};

// A process id that no process has (a child that has ended).
inline pid_t endedProcessId()
{
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(0);
    int status = 0;
    ::waitpid(child, &status, 0);
    return child;
}

// Runs body where permission bits count: directly for an ordinary user; for
// root (who may write any file) in a child process that runs as "nobody",
// whose failures are printed there. The files body uses must be open to
// everyone as the test needs. False when body failed.
inline bool runWithoutPrivileges(const std::function<void()>& body)
{
    if (::geteuid() != 0) {
        body();
        return !::testing::Test::HasFailure();
    }
    std::fflush(stdout);
    const pid_t child = ::fork();
    if (child == 0) {
        constexpr unsigned nobody = 65534;
        if (::setgroups(0, nullptr) != 0 || ::setgid(nobody) != 0 || ::setuid(nobody) != 0)
            ::_exit(2);
        body();
        std::fflush(stdout);
        ::_exit(::testing::Test::HasFailure() ? 1 : 0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

} // namespace testing_support
