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
// Taking the lock again in the same process, while an outer lock of the same
// skin is held, nests: the inner lock holds it as the outer one does. Nested
// locks must end before the outer one (scopes do that).
//
// The lock file is removed again by the last holder. A folder where no lock
// file can be made (read-only) is not locked: nobody can save there either.
class SkinLock {
public:
    enum class Mode { Shared, Exclusive };
    static constexpr std::chrono::milliseconds standardWait {10000};

    explicit SkinLock(const std::string& skinPath, Mode mode = Mode::Exclusive,
                      std::chrono::milliseconds wait = standardWait);
    ~SkinLock();
    SkinLock(const SkinLock&) = delete;
    SkinLock& operator=(const SkinLock&) = delete;

    // True when another process held the lock for the whole wait: the caller
    // must not go on.
    bool busy() const { return wasBusy; }

    // The lock file of the skin that a save of skinPath writes.
    static std::string lockFilePath(const std::string& skinPath);

private:
    bool acquire(Mode mode, std::chrono::steady_clock::time_point deadline);
    void release();

    std::string path;
    int fd = -1;
    bool owner = false;  // holds the flock (not nested in an outer lock)
    bool nested = false; // counted in an outer lock of this process
    bool exclusive = false;
    bool wasBusy = false;
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
};
