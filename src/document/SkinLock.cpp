#include "document/SkinLock.h"

#include "document/FileIo.h"
#include "document/SkinFileFormat.h"

#include <algorithm>
#include <cerrno>
#include <mutex>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::chrono::milliseconds pollInterval {5};
constexpr std::size_t longestSkinName = 100;

// The lock files this process holds, by identity, with the number of nested locks in each.
struct HeldLock {
    std::uint64_t device;
    std::uint64_t inode;
    int nested;
};

std::mutex& registryMutex()
{
    static std::mutex mutex;
    return mutex;
}

std::vector<HeldLock>& registry()
{
    static std::vector<HeldLock> held;
    return held;
}

std::vector<HeldLock>::iterator findHeld(std::uint64_t device, std::uint64_t inode)
{
    auto& held = registry();
    return std::find_if(held.begin(), held.end(),
                        [&](const HeldLock& lock) { return lock.device == device && lock.inode == inode; });
}

bool namesSameFile(const std::string& path, std::uint64_t device, std::uint64_t inode)
{
    struct stat now {};
    return ::stat(path.c_str(), &now) == 0 && std::uint64_t(now.st_dev) == device && std::uint64_t(now.st_ino) == inode;
}

} // namespace

std::string SkinLock::lockFilePath(const std::string& skinPath)
{
    const std::string saved = SkinFileFormat::savedSkinPath(skinPath);
    return folderPart(saved) + "." + fileNamePart(saved).substr(0, longestSkinName) + ".lock";
}

SkinLock::SkinLock(const std::string& skinPath, Mode mode, std::chrono::milliseconds wait)
    : path(lockFilePath(skinPath))
{
    wasBusy = !acquire(mode, std::chrono::steady_clock::now() + wait);
}

SkinLock::~SkinLock()
{
    release();
}

bool SkinLock::acquire(Mode mode, std::chrono::steady_clock::time_point deadline)
{
    const int operation = mode == Mode::Exclusive ? LOCK_EX : LOCK_SH;
    for (;;) {
        fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0666);
        if (fd < 0)
            fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
        struct stat info {};
        if (fd >= 0 && ::fstat(fd, &info) != 0) {
            ::close(fd);
            fd = -1;
        }
        if (fd < 0)
            return true; // no lock file can be made here, so there is nothing to lock
        device = std::uint64_t(info.st_dev);
        inode = std::uint64_t(info.st_ino);
        {
            const std::lock_guard guard(registryMutex());
            if (const auto held = findHeld(device, inode); held != registry().end()) {
                ++held->nested;
                nested = true;
                ::close(fd);
                fd = -1;
                return true;
            }
        }
        int error = 0;
        while (::flock(fd, operation | LOCK_NB) != 0) {
            error = errno;
            if ((error != EWOULDBLOCK && error != EINTR) || std::chrono::steady_clock::now() >= deadline)
                break;
            std::this_thread::sleep_for(pollInterval);
            error = 0;
        }
        if (error == 0 && !namesSameFile(path, device, inode)) {
            // The last holder removed the file after we opened it: lock the one there now.
            ::close(fd);
            fd = -1;
            if (std::chrono::steady_clock::now() >= deadline)
                return false;
            continue;
        }
        if (error != 0) {
            ::close(fd);
            fd = -1;
            // A file system without flock cannot be locked; only a holder makes us wait.
            return error != EWOULDBLOCK && error != EINTR;
        }
        owner = true;
        exclusive = mode == Mode::Exclusive;
        const std::lock_guard guard(registryMutex());
        registry().push_back({device, inode, 0});
        return true;
    }
}

void SkinLock::release()
{
    const std::lock_guard guard(registryMutex());
    const auto held = findHeld(device, inode);
    if (nested) {
        if (held != registry().end())
            --held->nested;
        return;
    }
    if (!owner)
        return;
    if (held != registry().end())
        registry().erase(held);
    // The last holder removes the lock file; a shared holder is the last one
    // when it can have the lock to itself.
    if ((exclusive || ::flock(fd, LOCK_EX | LOCK_NB) == 0) && namesSameFile(path, device, inode))
        ::unlink(path.c_str());
    ::close(fd);
    fd = -1;
    owner = false;
}
