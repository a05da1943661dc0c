#include "document/Folder.h"

#include "document/FileIo.h"
#include "document/FileSeam.h"

#include <cerrno>

#include <fcntl.h>
#include <unistd.h>

namespace {

int lastError()
{
    return errno != 0 ? errno : EIO;
}

} // namespace

Folder::Folder(const std::string& path)
    : folderPath(path)
    , fd(FileSeam::current().openAt(AT_FDCWD, path.empty() ? "." : path, O_RDONLY | O_DIRECTORY | O_CLOEXEC, 0))
{
    if (!fd.valid())
        openError = lastError();
}

std::optional<struct stat> Folder::entry(const std::string& name) const
{
    struct stat info {};
    if (!fd.valid() || ::fstatat(fd.get(), name.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0)
        return std::nullopt;
    return info;
}

FileDescriptor Folder::open(const std::string& name, int flags, unsigned mode) const
{
    if (!fd.valid()) {
        errno = openError;
        return FileDescriptor();
    }
    return FileDescriptor(FileSeam::current().openAt(fd.get(), name, flags | O_CLOEXEC, mode));
}

int Folder::create(const std::string& name, std::span<const std::uint8_t> bytes, std::optional<unsigned> permissions,
                   struct stat& made) const
{
    FileDescriptor file = open(name, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW, permissions.value_or(0666) & 07777);
    if (!file.valid())
        return lastError();
    int error = 0;
    // Exactly the given bits, whatever the process's file creation mask.
    if ((permissions && ::fchmod(file.get(), *permissions & 07777) != 0) || !writeOpenFile(file.get(), bytes)
        || FileSeam::current().syncFile(file.get()) != 0 || ::fstat(file.get(), &made) != 0)
        error = lastError();
    if (!file.reset() && error == 0)
        error = lastError();
    if (error != 0)
        remove(name);
    return error;
}

int Folder::rename(const std::string& from, const Folder& to, const std::string& toName) const
{
    return FileSeam::current().renameAt(fd.get(), from, to.fd.get(), toName) == 0 ? 0 : lastError();
}

int Folder::link(const std::string& from, const std::string& newName) const
{
    return FileSeam::current().linkAt(fd.get(), from, fd.get(), newName) == 0 ? 0 : lastError();
}

int Folder::remove(const std::string& name) const
{
    return FileSeam::current().unlinkAt(fd.get(), name) == 0 ? 0 : lastError();
}

bool Folder::sync() const
{
    return fd.valid() && FileSeam::current().syncFile(fd.get()) == 0;
}
