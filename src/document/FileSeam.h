#pragma once

#include <cstddef>
#include <string>

#include <sys/types.h>

// The file system calls of loading and saving, behind one replaceable object:
// the program uses the real calls, tests install a seam that fails a chosen
// call (once or from then on) or stops a save as if the process had died.
// Every call answers as the system call of its name does: -1 (or a negative
// count) with errno set on failure.
class FileSeam {
public:
    virtual ~FileSeam() = default;

    // openat(2).
    virtual int openAt(int folder, const std::string& name, int flags, unsigned mode);
    // read(2) and write(2).
    virtual ssize_t readSome(int fd, void* buffer, std::size_t count);
    virtual ssize_t writeSome(int fd, const void* bytes, std::size_t count);
    // fsync(2) of a file or a folder.
    virtual int syncFile(int fd);
    // renameat(2).
    virtual int renameAt(int fromFolder, const std::string& from, int toFolder, const std::string& to);
    // linkat(2) without following a link.
    virtual int linkAt(int fromFolder, const std::string& from, int toFolder, const std::string& to);
    // unlinkat(2) of a file.
    virtual int unlinkAt(int folder, const std::string& name);
    // Asked after each file of a commit has been renamed into place (count:
    // how many so far). False abandons the commit on the spot, leaving every
    // file as a killed process would.
    virtual bool goOnAfterRename(std::size_t count);

    // The seam in force.
    static FileSeam& current();
    // Makes seam the one in force (nullptr: the real calls); returns the previous one.
    static FileSeam* install(FileSeam* seam);
};

// Installs a seam for the lifetime of the scope.
class FileSeamScope {
public:
    explicit FileSeamScope(FileSeam& seam) : previous(FileSeam::install(&seam)) {}
    ~FileSeamScope() { FileSeam::install(previous); }
    FileSeamScope(const FileSeamScope&) = delete;
    FileSeamScope& operator=(const FileSeamScope&) = delete;

private:
    FileSeam* previous;
};
