#pragma once

#include <chrono>
#include <cstdint>
#include <string>

// The advisory lock of one skin: flock(2) on a lock file beside the skin file
// (".NAME.lock" for the skin file NAME that a save of the path writes). Every
// save holds it exclusively, every load shared, and a command that loads,
// changes and saves a skin holds it for all three, so that two programs never
// mix their files. A second holder waits for it up to a bound.
//
// The lock file is made by the first exclusive lock (a save) and kept, so
// that a load never creates or removes a file. A shared lock finds no lock
// file where no skin was saved yet, also on read-only media: it holds nothing
// then (NoLockFile), and the reader checks afterwards that no lock file came
// (see SkinStorage).
//
// A lock cannot be switched off: a lock file that is a link, a pipe or
// anything but a regular file, that cannot be opened, or that belongs to
// another user than the user running the program, root or the skin file's
// owner in a sticky folder (where that user could swap it at will), is
// Unusable, never taken for "no lock here". Nothing here blocks but the
// bounded wait for another holder.
//
// Taking the lock again in the same process, while an outer lock of the same
// skin is held, nests: the inner lock holds it as the outer one does (an
// exclusive lock inside a shared one is refused as Busy). Nested locks must
// end before the outer one (scopes do that).
class SkinLock {
public:
    enum class Mode { Shared, Exclusive };
    enum class Outcome {
        Held,       // this lock, or an outer one of this process, holds it
        NoLockFile, // shared only: there is no lock file, so no save has been made here
        Busy,       // another program held it for the whole wait
        Unusable,   // the lock file cannot be made, opened or locked (see above)
    };
    static constexpr std::chrono::milliseconds standardWait {10000};

    explicit SkinLock(const std::string& skinPath, Mode mode = Mode::Exclusive,
                      std::chrono::milliseconds wait = standardWait);
    ~SkinLock();
    SkinLock(const SkinLock&) = delete;
    SkinLock& operator=(const SkinLock&) = delete;

    // True when the caller must not go on: the lock is Busy or Unusable.
    bool busy() const { return result == Outcome::Busy || result == Outcome::Unusable; }
    Outcome outcome() const { return result; }
    // The lock file.
    const std::string& path() const { return lockPath; }

    // The lock file of the skin that a save of skinPath writes.
    static std::string lockFilePath(const std::string& skinPath);

private:
    Outcome acquire(const std::string& skinPath, Mode mode, std::chrono::steady_clock::time_point deadline);
    // Opens the lock file (making it for an exclusive lock); -1 when there is none or it is unusable.
    int openLockFile(Mode mode, Outcome& failure) const;
    void release();

    std::string lockPath;
    int fd = -1;
    bool owner = false;  // holds the flock (not nested in an outer lock)
    bool nested = false; // counted in an outer lock of this process
    Outcome result = Outcome::Unusable;
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
};
