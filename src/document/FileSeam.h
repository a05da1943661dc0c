#pragma once

#include <cstddef>
#include <string>

// The file system steps of a multi-file save that can fail half-way, behind
// one replaceable object: the program uses the real calls, tests install a
// seam that fails a chosen step or stops a save as if the process had died.
class FileSeam {
public:
    virtual ~FileSeam() = default;

    // rename(2): 0, or -1 with errno set.
    virtual int renameFile(const std::string& from, const std::string& to);
    // link(2): 0, or -1 with errno set.
    virtual int linkFile(const std::string& existing, const std::string& newName);
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
