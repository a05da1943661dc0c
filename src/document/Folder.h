#pragma once

#include "document/FileDescriptor.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include <sys/stat.h>

// One folder, opened once: the files a save, a recovery or a load works on
// are reached by name relative to it, so that what the folder's path leads to
// cannot change half-way. Names are single file names, never paths. Every
// call goes through the FileSeam.
class Folder {
public:
    Folder() = default;
    // Opens the folder a path prefix names (as folderPart gives it: "" is the
    // current folder).
    explicit Folder(const std::string& path);

    // False when the folder could not be opened (error() says why).
    bool valid() const { return fd.valid(); }
    int error() const { return openError; }
    const std::string& path() const { return folderPath; }
    int descriptor() const { return fd.get(); }

    // The entry of that name itself (a link is not followed); nothing (errno
    // set) when there is none or it cannot be looked at.
    std::optional<struct stat> entry(const std::string& name) const;
    // Opens the file of that name; O_CLOEXEC is added.
    FileDescriptor open(const std::string& name, int flags, unsigned mode = 0) const;
    // Creates a new file (it must not exist, and a link is never followed)
    // with the bytes, flushed to the disk, with the permission bits given
    // (none: those of any new file). 0 and made set, or an errno value (and
    // nothing is left behind).
    int create(const std::string& name, std::span<const std::uint8_t> bytes, std::optional<unsigned> permissions,
               struct stat& made) const;
    // renameat, linkat and unlinkat: 0 or an errno value.
    int rename(const std::string& from, const Folder& to, const std::string& toName) const;
    int link(const std::string& from, const std::string& newName) const;
    int remove(const std::string& name) const;
    // Flushes the folder's entries (renames, new and removed names) to the disk.
    bool sync() const;

private:
    std::string folderPath;
    FileDescriptor fd;
    int openError = 0;
};
