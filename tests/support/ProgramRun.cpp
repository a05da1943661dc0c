#include "ProgramRun.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace testing_support {

namespace {

std::string variableName(const std::string& entry)
{
    return entry.substr(0, entry.find('='));
}

// This process's environment with the changes applied.
std::vector<std::string> changedEnvironment(const std::vector<std::string>& changes)
{
    std::vector<std::string> result;
    for (char** entry = environ; *entry; ++entry)
        result.emplace_back(*entry);
    for (const std::string& change : changes) {
        const std::string name = variableName(change);
        std::erase_if(result, [&name](const std::string& entry) { return variableName(entry) == name; });
        if (change.find('=') != std::string::npos)
            result.push_back(change);
    }
    return result;
}

std::vector<char*> pointersTo(std::vector<std::string>& words)
{
    std::vector<char*> pointers;
    for (std::string& word : words)
        pointers.push_back(word.data());
    pointers.push_back(nullptr);
    return pointers;
}

// Reads both pipes to their ends; reading one only could leave the program
// blocked on a full other.
void readBoth(int outFd, int errFd, ProgramResult& result)
{
    std::array<pollfd, 2> fds{pollfd{outFd, POLLIN, 0}, pollfd{errFd, POLLIN, 0}};
    std::array<std::string*, 2> targets{&result.out, &result.err};
    std::array<char, 65536> buffer{};
    while (fds[0].fd >= 0 || fds[1].fd >= 0) {
        if (::poll(fds.data(), fds.size(), -1) < 0) {
            if (errno == EINTR)
                continue;
            break;
        }
        for (std::size_t i = 0; i < fds.size(); ++i) {
            if (fds[i].fd < 0 || fds[i].revents == 0)
                continue;
            const ssize_t count = ::read(fds[i].fd, buffer.data(), buffer.size());
            if (count > 0) {
                targets[i]->append(buffer.data(), std::size_t(count));
            } else if (count == 0 || errno != EINTR) {
                ::close(fds[i].fd);
                fds[i].fd = -1;
            }
        }
    }
    for (const pollfd& fd : fds)
        if (fd.fd >= 0)
            ::close(fd.fd);
}

} // namespace

ProgramResult runProgram(const std::filesystem::path& folder, const std::vector<std::string>& command,
                         const ProgramOptions& options)
{
    ProgramResult result;
    std::vector<std::string> words = options.launcher;
    words.insert(words.end(), command.begin(), command.end());
    if (words.empty())
        return result;
    std::vector<std::string> environment = changedEnvironment(options.environment);
    std::vector<char*> argv = pointersTo(words);
    std::vector<char*> envp = pointersTo(environment);

    int outPipe[2];
    int errPipe[2];
    if (::pipe2(outPipe, O_CLOEXEC) != 0)
        return result;
    if (::pipe2(errPipe, O_CLOEXEC) != 0) {
        ::close(outPipe[0]);
        ::close(outPipe[1]);
        return result;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (!folder.empty())
        posix_spawn_file_actions_addchdir_np(&actions, folder.c_str());
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, outPipe[1], STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, errPipe[1], STDERR_FILENO);
    pid_t child = 0;
    const int failed = ::posix_spawnp(&child, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    ::close(outPipe[1]);
    ::close(errPipe[1]);
    if (failed != 0) {
        ::close(outPipe[0]);
        ::close(errPipe[0]);
        result.err = words[0] + ": cannot start: " + std::strerror(failed) + "\n";
        return result;
    }
    readBoth(outPipe[0], errPipe[0], result);
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    result.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

std::vector<std::string> commandWords(const std::string& line)
{
    std::vector<std::string> words;
    std::string word;
    bool inWord = false;
    bool quoted = false;
    for (const char c : line) {
        if (quoted) {
            if (c == '\'')
                quoted = false;
            else
                word += c;
        } else if (c == '\'') {
            quoted = inWord = true;
        } else if (c == ' ' || c == '\t' || c == '\n') {
            if (inWord)
                words.push_back(std::move(word));
            word.clear();
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (inWord)
        words.push_back(std::move(word));
    return words;
}

std::filesystem::path cliProgram()
{
    return VELASKIN_CLI;
}

ProgramResult runCli(const std::filesystem::path& folder, const std::string& arguments, const ProgramOptions& options)
{
    std::vector<std::string> command{cliProgram().string()};
    const std::vector<std::string> words = commandWords(arguments);
    command.insert(command.end(), words.begin(), words.end());
    return runProgram(folder, command, options);
}

} // namespace testing_support
