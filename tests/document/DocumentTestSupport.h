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

// File system steps of a commit as a test scripts them: the renames of files
// with the given numbers (1 for the first; the journal's own renames are not
// counted) fail with the given error, links fail, the commit stops after some
// renames as if the process had died, or pauses between renames.
class ScriptedSeam : public FileSeam {
public:
    std::vector<int> failingRenames;
    int failingError = EACCES;
    bool linksFail = false;
    std::size_t stopAfter = 0; // 0: never
    std::chrono::milliseconds pause {0};
    int renames = 0;

    int renameAt(int fromFolder, const std::string& from, int toFolder, const std::string& to) override
    {
        if (!to.ends_with(".commit") && std::count(failingRenames.begin(), failingRenames.end(), ++renames) > 0) {
            errno = failingError;
            return -1;
        }
        return FileSeam::renameAt(fromFolder, from, toFolder, to);
    }
    int linkAt(int fromFolder, const std::string& from, int toFolder, const std::string& to) override
    {
        if (linksFail) {
            errno = EPERM;
            return -1;
        }
        return FileSeam::linkAt(fromFolder, from, toFolder, to);
    }
    bool goOnAfterRename(std::size_t count) override
    {
        std::this_thread::sleep_for(pause);
        return stopAfter == 0 || count < stopAfter;
    }
};

// Fails one kind of file system call with EIO: its nth call only, or every
// call from the nth on; or ends the process at that call, as a kill would.
// An nth of 0 fails nothing and only counts the calls. FileRename counts the
// renames of files but not those of a journal (".commit"), so that undoing
// can fail while the journal can still be marked.
class FaultSeam : public FileSeam {
public:
    enum class Call { Open, Read, Write, Sync, Rename, FileRename, Link, Unlink };
    static constexpr Call allCalls[] = {Call::Open,   Call::Read,       Call::Write, Call::Sync,
                                        Call::Rename, Call::FileRename, Call::Link,  Call::Unlink};
    enum class Mode { Once, FromThenOn, Kill };

    FaultSeam(Call call = Call::Open, int nth = 0, Mode mode = Mode::Once) : call(call), nth(nth), mode(mode) {}

    int calls(Call kind) const { return counts[int(kind)]; }

    int openAt(int folder, const std::string& name, int flags, unsigned permissions) override
    {
        return fails(Call::Open) ? -1 : FileSeam::openAt(folder, name, flags, permissions);
    }
    ssize_t readSome(int fd, void* buffer, std::size_t count) override
    {
        return fails(Call::Read) ? -1 : FileSeam::readSome(fd, buffer, count);
    }
    ssize_t writeSome(int fd, const void* bytes, std::size_t count) override
    {
        return fails(Call::Write) ? -1 : FileSeam::writeSome(fd, bytes, count);
    }
    int syncFile(int fd) override { return fails(Call::Sync) ? -1 : FileSeam::syncFile(fd); }
    int renameAt(int fromFolder, const std::string& from, int toFolder, const std::string& to) override
    {
        const bool fileFails = !to.ends_with(".commit") && fails(Call::FileRename);
        return fails(Call::Rename) || fileFails ? -1 : FileSeam::renameAt(fromFolder, from, toFolder, to);
    }
    int linkAt(int fromFolder, const std::string& from, int toFolder, const std::string& to) override
    {
        return fails(Call::Link) ? -1 : FileSeam::linkAt(fromFolder, from, toFolder, to);
    }
    int unlinkAt(int folder, const std::string& name) override
    {
        return fails(Call::Unlink) ? -1 : FileSeam::unlinkAt(folder, name);
    }

private:
    bool fails(Call kind)
    {
        const int count = ++counts[int(kind)];
        if (kind != call || nth == 0 || count < nth || (count > nth && mode == Mode::Once))
            return false;
        if (mode == Mode::Kill)
            ::_exit(0);
        errno = EIO;
        return true;
    }

    Call call;
    int nth;
    Mode mode;
    int counts[8] {};
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
