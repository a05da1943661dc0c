#include "FileIo.h"

#include <atomic>
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

std::int64_t readRegularFile(const std::string& path, int accessMode, std::vector<std::uint8_t>& bytes)
{
    // Non-blocking so that a FIFO given as a path is refused instead of waiting.
    FileDescriptor file(::open(path.c_str(), accessMode | O_CLOEXEC | O_NONBLOCK));
    if (!file.valid())
        return -1;
    struct stat info {};
    if (::fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode) || info.st_size > largestFile)
        return -1;
    std::vector<std::uint8_t> data(static_cast<std::size_t>(info.st_size));
    std::size_t got = 0;
    while (got < data.size()) {
        const ssize_t n = ::read(file.get(), data.data() + got, data.size() - got);
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

std::string temporaryNameFor(const std::string& target)
{
    static std::atomic<unsigned> counter {0};
    // Short enough for any file system, whatever the length of the target's name.
    const std::string name = fileNamePart(target).substr(0, 100);
    return folderPart(target) + "." + name + ".tmp-" + std::to_string(::getpid()) + "-"
        + std::to_string(counter.fetch_add(1));
}

// Writes bytes to a new temporary file beside target; its name goes to temp.
bool writeTemporary(const std::string& target, std::span<const std::uint8_t> bytes, std::string& temp)
{
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temp = temporaryNameFor(target);
        fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            return false;
    }
    FileDescriptor file(fd);
    if (!file.valid())
        return false;
    // A replaced file keeps its permissions.
    struct stat old {};
    if (::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode))
        (void)::fchmod(file.get(), old.st_mode & 07777);
    const bool written = writeAll(file.get(), bytes) && ::fsync(file.get()) == 0;
    if (!file.reset() || !written) {
        ::unlink(temp.c_str());
        return false;
    }
    return true;
}

// A directory in the target's place cannot be replaced by a file.
bool replaceable(const std::string& target)
{
    struct stat info {};
    if (::lstat(target.c_str(), &info) != 0)
        return errno == ENOENT;
    return !S_ISDIR(info.st_mode);
}

} // namespace

std::int64_t readWholeFile(const std::string& path, std::vector<std::uint8_t>& bytes)
{
    return readRegularFile(path, O_RDONLY, bytes);
}

std::int64_t readWholeFileForUpdate(const std::string& path, std::vector<std::uint8_t>& bytes)
{
    return readRegularFile(path, O_RDWR, bytes);
}

bool writeWholeFile(std::span<const std::uint8_t> bytes, const std::string& path)
{
    return writeFilesAtomically({{path, bytes}}) < 0;
}

int writeFilesAtomically(const std::vector<std::pair<std::string, std::span<const std::uint8_t>>>& files)
{
    std::vector<std::string> temps;
    temps.reserve(files.size());
    const auto discardFrom = [&temps](std::size_t first) {
        for (std::size_t i = first; i < temps.size(); ++i)
            ::unlink(temps[i].c_str());
    };
    for (std::size_t i = 0; i < files.size(); ++i) {
        std::string temp;
        if (!replaceable(files[i].first) || !writeTemporary(files[i].first, files[i].second, temp)) {
            discardFrom(0);
            return static_cast<int>(i);
        }
        temps.push_back(std::move(temp));
    }
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (::rename(temps[i].c_str(), files[i].first.c_str()) != 0) {
            // Only a change of the folder between the check and here gets this far.
            discardFrom(i);
            return static_cast<int>(i);
        }
    }
    return -1;
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
