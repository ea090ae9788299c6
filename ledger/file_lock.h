// The advisory lock of a ledger file that a writer holds from loading to saving: a lock on a
// lock file beside the ledger (".NAME.lock"). The system releases it when its holder ends,
// even by a crash; a lock file left behind then is simply taken over by the next writer.
// Readers never look at it.
#pragma once

#include <chrono>
#include <filesystem>

namespace ledger {

class FileLock {
public:
    enum class Result {
        Locked,
        Busy,     // another program held the lock for the whole waiting time
        ReadOnly, // the lock file cannot be created: the folder may not be written
        Failed,   // the folder is missing or the file system refuses locks
    };

    FileLock() = default;
    ~FileLock() { release(); }
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    // Locks the ledger file target (after following links), trying again for up to wait.
    Result acquire(const std::filesystem::path& target, std::chrono::milliseconds wait);
    // Removes the lock file and releases the lock; nothing when none is held.
    void release();
    bool isHeld() const { return fd_ >= 0; }

    // The lock file of target.
    static std::filesystem::path lockFileOf(const std::filesystem::path& target);

private:
    int fd_ = -1;
    std::filesystem::path path_;
};

} // namespace ledger
