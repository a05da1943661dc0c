#include "document/SkinLock.h"

#include "document/FileIo.h"
#include "document/FileSeam.h"
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
// Readable by everybody who may read the skin, whatever the file creation mask.
constexpr unsigned lockFilePermissions = 0644;
constexpr int openAttempts = 10;

// The lock files this process holds, by identity, with their mode and the number of nested locks in each.
struct HeldLock {
    std::uint64_t device;
    std::uint64_t inode;
    bool exclusive;
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
    return ::lstat(path.c_str(), &now) == 0 && std::uint64_t(now.st_dev) == device && std::uint64_t(now.st_ino) == inode;
}

// The users whose lock file is used: the user, root, the skin file's owner;
// in a folder that is not sticky anybody's, since whoever may write there
// may remove and replace the skin's own files as well.
bool trustedOwner(uid_t owner, const std::string& lockPath, const std::string& skinPath)
{
    if (owner == 0 || owner == ::geteuid())
        return true;
    struct stat info {};
    if (::lstat(skinPath.c_str(), &info) == 0 && info.st_uid == owner)
        return true;
    const std::string folder = folderPart(lockPath);
    return ::stat(folder.empty() ? "." : folder.c_str(), &info) == 0 && (info.st_mode & S_ISVTX) == 0;
}

} // namespace

std::string SkinLock::lockFilePath(const std::string& skinPath)
{
    const std::string saved = SkinFileFormat::savedSkinPath(skinPath);
    return folderPart(saved) + "." + fileNamePart(saved).substr(0, longestSkinName) + ".lock";
}

SkinLock::SkinLock(const std::string& skinPath, Mode mode, std::chrono::milliseconds wait)
    : lockPath(lockFilePath(skinPath))
{
    result = acquire(SkinFileFormat::savedSkinPath(skinPath), mode, std::chrono::steady_clock::now() + wait);
}

SkinLock::~SkinLock()
{
    release();
}

int SkinLock::openLockFile(Mode mode, Outcome& failure) const
{
    // Never through a link, and never waiting for a pipe's writer.
    constexpr int flags = O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK;
    FileSeam& seam = FileSeam::current();
    for (int attempt = 0; attempt < openAttempts; ++attempt) {
        int opened = seam.openAt(AT_FDCWD, lockPath, O_RDWR | flags, 0);
        // A lock file that may only be read locks as well.
        if (opened < 0 && errno == EACCES)
            opened = seam.openAt(AT_FDCWD, lockPath, O_RDONLY | flags, 0);
        if (opened >= 0)
            return opened;
        if (errno != ENOENT)
            break;
        if (mode == Mode::Shared) {
            failure = Outcome::NoLockFile;
            return -1;
        }
        opened = seam.openAt(AT_FDCWD, lockPath, O_RDWR | O_CREAT | O_EXCL | flags, lockFilePermissions);
        if (opened >= 0) {
            ::fchmod(opened, lockFilePermissions);
            return opened;
        }
        if (errno != EEXIST)
            break; // made by another program meanwhile: open that one
    }
    failure = Outcome::Unusable;
    return -1;
}

SkinLock::Outcome SkinLock::acquire(const std::string& skinPath, Mode mode,
                                    std::chrono::steady_clock::time_point deadline)
{
    const int operation = mode == Mode::Exclusive ? LOCK_EX : LOCK_SH;
    for (;;) {
        Outcome failure = Outcome::Unusable;
        fd = openLockFile(mode, failure);
        if (fd < 0)
            return failure;
        struct stat info {};
        if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || !trustedOwner(info.st_uid, lockPath, skinPath)) {
            ::close(fd);
            fd = -1;
            return Outcome::Unusable;
        }
        device = std::uint64_t(info.st_dev);
        inode = std::uint64_t(info.st_ino);
        {
            const std::lock_guard guard(registryMutex());
            if (const auto held = findHeld(device, inode); held != registry().end()) {
                ::close(fd);
                fd = -1;
                if (mode == Mode::Exclusive && !held->exclusive)
                    return Outcome::Busy;
                ++held->nested;
                nested = true;
                return Outcome::Held;
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
        if (error != 0) {
            ::close(fd);
            fd = -1;
            return error == EWOULDBLOCK || error == EINTR ? Outcome::Busy : Outcome::Unusable;
        }
        if (!namesSameFile(lockPath, device, inode)) {
            // Replaced while we waited for it: lock the one there now.
            ::close(fd);
            fd = -1;
            if (std::chrono::steady_clock::now() >= deadline)
                return Outcome::Busy;
            continue;
        }
        owner = true;
        const std::lock_guard guard(registryMutex());
        registry().push_back({device, inode, mode == Mode::Exclusive, 0});
        return Outcome::Held;
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
    ::close(fd);
    fd = -1;
    owner = false;
}
