#include "ledger/file_lock.h"

#include <cerrno>
#include <fcntl.h>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace ledger {

namespace {

constexpr std::chrono::milliseconds kRetryPause{20};

} // namespace

std::filesystem::path FileLock::lockFileOf(const std::filesystem::path& target) {
    return target.parent_path() / ("." + target.filename().string() + ".lock");
}

FileLock::Result FileLock::acquire(const std::filesystem::path& target,
                                   std::chrono::milliseconds wait) {
    release();
    const std::filesystem::path path = lockFileOf(target);
    const auto deadline = std::chrono::steady_clock::now() + wait;
    for (;;) {
        const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd < 0)
            return errno == EACCES || errno == EPERM || errno == EROFS ? Result::ReadOnly
                                                                       : Result::Failed;
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            // The holder before removes the file as it releases the lock; a lock taken on the
            // removed file protects nothing, so it counts only while the name still leads to it.
            struct stat held {
            }, named{};
            if (::fstat(fd, &held) == 0 && ::stat(path.c_str(), &named) == 0 &&
                held.st_ino == named.st_ino && held.st_dev == named.st_dev) {
                fd_ = fd;
                path_ = path;
                const std::string pid = std::to_string(::getpid()) + "\n";
                if (::ftruncate(fd, 0) == 0)
                    (void)!::write(fd, pid.data(), pid.size());
                return Result::Locked;
            }
            ::close(fd);
            continue;
        }
        const int error = errno;
        ::close(fd);
        if (error != EWOULDBLOCK && error != EINTR)
            return Result::Failed;
        if (std::chrono::steady_clock::now() >= deadline)
            return Result::Busy;
        std::this_thread::sleep_for(kRetryPause);
    }
}

void FileLock::release() {
    if (fd_ < 0)
        return;
    // Removed while still locked, so that nobody takes the lock of a name that is going away.
    ::unlink(path_.c_str());
    ::close(fd_);
    fd_ = -1;
    path_.clear();
}

} // namespace ledger
