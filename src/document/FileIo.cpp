#include "document/FileIo.h"

#include "document/FileCommit.h"

#include <cerrno>
#include <cstdint>
#include <limits>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Owns one open file descriptor.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd)
        : fd(fd)
    {
    }
    ~FileDescriptor() { reset(); }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;

    int get() const { return fd; }
    bool valid() const { return fd >= 0; }
    // Closes now; false when the close reported an error (data may be lost).
    bool reset()
    {
        if (fd < 0)
            return true;
        const bool closed = ::close(fd) == 0;
        fd = -1;
        return closed;
    }

private:
    int fd;
};

constexpr std::int64_t largestFile = std::numeric_limits<std::int32_t>::max();
// Longer chains of links are taken for loops, as the system does.
constexpr int mostLinksFollowed = 40;

FileIdentity identityFrom(const struct stat& info)
{
    constexpr std::int64_t second = 1000000000;
    return {std::uint64_t(info.st_dev), std::uint64_t(info.st_ino), std::int64_t(info.st_size),
            std::int64_t(info.st_mtim.tv_sec) * second + info.st_mtim.tv_nsec,
            std::int64_t(info.st_ctim.tv_sec) * second + info.st_ctim.tv_nsec};
}

// Opens a regular file read-only; sets info. Non-blocking, so that a FIFO
// given as a path is refused instead of waiting for a writer. A file to be
// read whole must not be larger than a 32-bit signed count.
int openRegularFile(const std::string& path, struct stat& info, bool whole)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd >= 0 && (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || (whole && info.st_size > largestFile))) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// Reads up to limit bytes from the file's current position.
std::int64_t readUpTo(int fd, std::size_t limit, std::vector<std::uint8_t>& bytes)
{
    std::vector<std::uint8_t> data(limit);
    std::size_t got = 0;
    while (got < data.size()) {
        const ssize_t n = ::read(fd, data.data() + got, data.size() - got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return -1;
        if (n == 0)
            break; // the file shrank while being read
        got += static_cast<std::size_t>(n);
    }
    data.resize(got);
    bytes = std::move(data);
    return static_cast<std::int64_t>(got);
}

bool writeAll(int fd, std::span<const std::uint8_t> bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

} // namespace

std::int64_t readWholeFile(const std::string& path, std::vector<std::uint8_t>& bytes, FileIdentity* identity)
{
    struct stat info {};
    FileDescriptor file(openRegularFile(path, info, true));
    if (!file.valid())
        return -1;
    const std::int64_t got = readUpTo(file.get(), std::size_t(info.st_size), bytes);
    if (got >= 0 && identity)
        *identity = identityFrom(info);
    return got;
}

std::int64_t readFileStart(const std::string& path, std::size_t limit, std::vector<std::uint8_t>& bytes)
{
    struct stat info {};
    FileDescriptor file(openRegularFile(path, info, false));
    if (!file.valid())
        return -1;
    return readUpTo(file.get(), std::size_t(std::min<std::uint64_t>(limit, std::uint64_t(info.st_size))), bytes);
}

bool writeWholeFile(std::span<const std::uint8_t> bytes, const std::string& path)
{
    return FileCommit::commit({{path, bytes}}, std::string()) == FileCommit::succeeded;
}

std::optional<FileIdentity> identityOf(const std::string& path)
{
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return std::nullopt;
    return identityFrom(info);
}

std::optional<std::string> resolveLinks(const std::string& path)
{
    std::string current = path;
    for (int hops = 0; hops <= mostLinksFollowed; ++hops) {
        struct stat info {};
        if (::lstat(current.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
            return current;
        std::string target(std::size_t(std::max<off_t>(info.st_size, 0)) + 256, '\0');
        const ssize_t length = ::readlink(current.c_str(), target.data(), target.size());
        if (length <= 0 || std::size_t(length) >= target.size())
            return std::nullopt; // unreadable, or changed while being read
        target.resize(std::size_t(length));
        // The system reads links with "/" as the only separator.
        const auto slash = current.rfind('/');
        current = target[0] == '/' || slash == std::string::npos ? target : current.substr(0, slash + 1) + target;
    }
    return std::nullopt;
}

int replaceableError(const std::string& path)
{
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0)
        return errno == ENOENT ? 0 : errno;
    if (S_ISDIR(info.st_mode))
        return EISDIR;
    if (!S_ISREG(info.st_mode))
        return EINVAL; // a device, pipe, socket or link is never replaced by a file
    // A file that may not be written is not replaced either (a read-only skin).
    if (::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0)
        return errno;
    return 0;
}

int createFile(const std::string& path, std::span<const std::uint8_t> bytes, std::optional<unsigned> permissions)
{
    FileDescriptor file(::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, permissions.value_or(0666) & 07777));
    if (!file.valid())
        return errno;
    int error = 0;
    // Exactly the given bits, whatever the process's file creation mask.
    if ((permissions && ::fchmod(file.get(), *permissions & 07777) != 0) || !writeAll(file.get(), bytes)
        || ::fsync(file.get()) != 0)
        error = errno != 0 ? errno : EIO;
    if (!file.reset() && error == 0)
        error = errno != 0 ? errno : EIO;
    if (error != 0)
        ::unlink(path.c_str());
    return error;
}

bool pathExists(const std::string& path)
{
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0;
}

bool isRegularFile(const std::string& path)
{
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

bool syncFolder(const std::string& folder)
{
    FileDescriptor dir(::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    return dir.valid() && ::fsync(dir.get()) == 0;
}

std::string fileNamePart(const std::string& path)
{
    const auto slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string folderPart(const std::string& path)
{
    const auto slash = path.find_last_of("/\\");
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}
