#include "document/FileIo.h"

#include "document/FileCommit.h"
#include "document/FileDescriptor.h"
#include "document/FileSeam.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <limits>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::int64_t largestFile = std::numeric_limits<std::int32_t>::max();
// Longer chains of links are taken for loops, as the system does.
constexpr int mostLinksFollowed = 40;

// Opens a regular file read-only; sets info. Non-blocking, so that a FIFO
// given as a path is refused instead of waiting for a writer. A file to be
// read whole must not be larger than a 32-bit signed count.
FileDescriptor openRegularFile(const std::string& path, struct stat& info, bool whole)
{
    FileDescriptor file(FileSeam::current().openAt(AT_FDCWD, path, O_RDONLY | O_CLOEXEC | O_NONBLOCK, 0));
    if (file.valid()
        && (::fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode) || (whole && info.st_size > largestFile)))
        file.reset();
    return file;
}

// True when a link in that folder may be followed: not in a sticky folder
// that everybody may write, unless it is the user's or the folder owner's.
bool mayFollowLink(const std::string& link, const struct stat& linkInfo)
{
    const auto slash = link.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : link.substr(0, slash);
    struct stat folderInfo {};
    if (::stat(folder.c_str(), &folderInfo) != 0)
        return false;
    const bool shared = (folderInfo.st_mode & S_ISVTX) != 0 && (folderInfo.st_mode & S_IWOTH) != 0;
    return !shared || linkInfo.st_uid == ::geteuid() || linkInfo.st_uid == folderInfo.st_uid;
}

// Reads count bytes into `into`, fewer only where the file ends first (it
// may shrink while being read); -1 on a read error.
std::int64_t readUpTo(int fd, std::uint8_t* into, std::size_t count)
{
    std::size_t got = 0;
    while (got < count) {
        const ssize_t n = FileSeam::current().readSome(fd, into + got, count - got);
        if (n < 0)
            return -1;
        if (n == 0)
            break;
        got += static_cast<std::size_t>(n);
    }
    return static_cast<std::int64_t>(got);
}

} // namespace

FileIdentity FileIdentity::of(const struct stat& info)
{
    constexpr std::int64_t second = 1000000000;
    return {std::uint64_t(info.st_dev), std::uint64_t(info.st_ino), std::int64_t(info.st_size),
            std::int64_t(info.st_mtim.tv_sec) * second + info.st_mtim.tv_nsec,
            std::int64_t(info.st_ctim.tv_sec) * second + info.st_ctim.tv_nsec};
}

std::int64_t readOpenFile(int fd, std::size_t limit, std::vector<std::uint8_t>& bytes)
{
    std::vector<std::uint8_t> data(limit);
    const std::int64_t got = readUpTo(fd, data.data(), data.size());
    if (got < 0)
        return -1;
    data.resize(std::size_t(got));
    bytes = std::move(data);
    return got;
}

bool readFileRange(const std::string& path, const FileIdentity& identity, std::int64_t offset, std::size_t count,
                   std::vector<std::uint8_t>& bytes)
{
    struct stat info {};
    const FileDescriptor file = openRegularFile(path, info, false);
    if (!file.valid() || !FileIdentity::of(info).sameBytesAs(identity) || offset < 0
        || std::uint64_t(offset) + count > std::uint64_t(identity.size) || ::lseek(file.get(), offset, SEEK_SET) != offset)
        return false;
    const std::size_t start = bytes.size();
    bytes.resize(start + count);
    const std::int64_t got = readUpTo(file.get(), bytes.data() + start, count);
    // A file written to meanwhile may have handed out a mix of old and new bytes.
    if (got != std::int64_t(count) || ::fstat(file.get(), &info) != 0 || !FileIdentity::of(info).sameBytesAs(identity)) {
        bytes.resize(start);
        return false;
    }
    return true;
}

bool writeOpenFile(int fd, std::span<const std::uint8_t> bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = FileSeam::current().writeSome(fd, bytes.data() + done, bytes.size() - done);
        if (n <= 0) {
            if (n == 0)
                errno = EIO;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

std::int64_t readWholeFile(const std::string& path, std::vector<std::uint8_t>& bytes, FileIdentity* identity)
{
    struct stat info {};
    const FileDescriptor file = openRegularFile(path, info, true);
    if (!file.valid())
        return -1;
    const std::int64_t got = readOpenFile(file.get(), std::size_t(info.st_size), bytes);
    if (got >= 0 && identity)
        *identity = FileIdentity::of(info);
    return got;
}

std::int64_t readFileStart(const std::string& path, std::size_t limit, std::vector<std::uint8_t>& bytes)
{
    struct stat info {};
    const FileDescriptor file = openRegularFile(path, info, false);
    if (!file.valid())
        return -1;
    return readOpenFile(file.get(), std::size_t(std::min<std::uint64_t>(limit, std::uint64_t(info.st_size))), bytes);
}

bool writeWholeFile(std::span<const std::uint8_t> bytes, const std::string& path)
{
    return FileCommit::commit({{path, bytes}}, std::string(), FileCommit::Trust::beside(path)).outcome
        == FileCommit::Outcome::Succeeded;
}

std::optional<FileIdentity> identityOf(const std::string& path)
{
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return std::nullopt;
    return FileIdentity::of(info);
}

std::optional<std::string> resolveLinks(const std::string& path)
{
    std::string current = path;
    for (int hops = 0; hops <= mostLinksFollowed; ++hops) {
        struct stat info {};
        if (::lstat(current.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
            return current;
        if (!mayFollowLink(current, info))
            return std::nullopt;
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
