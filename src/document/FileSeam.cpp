#include "document/FileSeam.h"

#include <atomic>
#include <cstdio>

#include <unistd.h>

namespace {

FileSeam realCalls;
std::atomic<FileSeam*> installed {nullptr};

} // namespace

int FileSeam::renameFile(const std::string& from, const std::string& to)
{
    return std::rename(from.c_str(), to.c_str());
}

int FileSeam::linkFile(const std::string& existing, const std::string& newName)
{
    return ::link(existing.c_str(), newName.c_str());
}

bool FileSeam::goOnAfterRename(std::size_t)
{
    return true;
}

FileSeam& FileSeam::current()
{
    FileSeam* seam = installed.load();
    return seam ? *seam : realCalls;
}

FileSeam* FileSeam::install(FileSeam* seam)
{
    return installed.exchange(seam);
}
