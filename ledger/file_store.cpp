#include "ledger/file_store.h"

#include <array>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <string>
#include <sys/file.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ledger {

bool FileIdentity::operator==(const FileIdentity& other) const {
    return device == other.device && inode == other.inode && size == other.size &&
           modified.tv_sec == other.modified.tv_sec && modified.tv_nsec == other.modified.tv_nsec;
}

namespace {

constexpr int kMaxLinkHops = 40;
constexpr const char* kTemporaryMark = ".tmp-";
constexpr std::size_t kRandomLength = 8;

FileIdentity identityFrom(const struct stat& info) {
    return {info.st_dev, info.st_ino, info.st_size, info.st_mtim};
}

bool isDenied(int error) {
    return error == EACCES || error == EPERM || error == EROFS;
}

// A descriptor that is closed when it goes out of scope.
class Descriptor {
public:
    explicit Descriptor(int fd = -1) : fd_(fd) {}
    ~Descriptor() { reset(); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    void reset(int fd = -1) {
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = fd;
    }

private:
    int fd_;
};

std::string temporaryPrefix(const std::string& targetName) {
    return "." + targetName + kTemporaryMark;
}

std::string randomSuffix() {
    static constexpr char kAlphabet[] =
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::array<unsigned char, kRandomLength> raw{};
    if (::getrandom(raw.data(), raw.size(), 0) != static_cast<ssize_t>(raw.size())) {
        // Without random bytes the time and the process still make clashes rare; O_EXCL and
        // the retries below handle the rest.
        timespec now{};
        ::clock_gettime(CLOCK_REALTIME, &now);
        unsigned long long seed = static_cast<unsigned long long>(now.tv_nsec) ^
                                  (static_cast<unsigned long long>(::getpid()) << 32);
        for (auto& byte : raw) {
            byte = static_cast<unsigned char>(seed);
            seed = seed * 6364136223846793005ULL + 1442695040888963407ULL;
        }
    }
    std::string suffix;
    for (const unsigned char byte : raw)
        suffix += kAlphabet[byte % (sizeof kAlphabet - 1)];
    return suffix;
}

bool writeAll(int fd, const std::uint8_t* data, std::size_t size) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

// The new contents of a target while they are written: an unnamed file in the target's folder
// where the file system offers one (nothing can remain of it when the writer dies), else a
// named one. Either gets a name only to be renamed over the target; until then the writer holds
// a lock on it, which is how a later writer tells an abandoned temporary from a living one.
class Temporary {
public:
    Temporary(int dir, std::string targetName) : dir_(dir), targetName_(std::move(targetName)) {}
    ~Temporary() {
        if (!name_.empty())
            ::unlinkat(dir_, name_.c_str(), 0);
    }
    Temporary(const Temporary&) = delete;
    Temporary& operator=(const Temporary&) = delete;

    // 0, or the errno of the failure.
    int create() {
        fd_.reset(::openat(dir_, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666));
        if (fd_.get() >= 0) {
            ::flock(fd_.get(), LOCK_EX);
            return 0;
        }
        if (isDenied(errno))
            return errno;
        // The file system has no unnamed files (EOPNOTSUPP; EISDIR on old kernels).
        return createNamed();
    }
    int fd() const { return fd_.get(); }

    // Gives the file the name it is renamed from; false on failure.
    bool name() {
        if (!name_.empty())
            return true;
        const std::string procPath = "/proc/self/fd/" + std::to_string(fd_.get());
        for (int attempt = 0; attempt < 100; ++attempt) {
            const std::string candidate = temporaryPrefix(targetName_) + randomSuffix();
            if (::linkat(AT_FDCWD, procPath.c_str(), dir_, candidate.c_str(), AT_SYMLINK_FOLLOW) ==
                    0 ||
                ::linkat(fd_.get(), "", dir_, candidate.c_str(), AT_EMPTY_PATH) == 0) {
                name_ = candidate;
                return true;
            }
            if (errno != EEXIST)
                return false;
        }
        return false;
    }

    bool renameOver() {
        if (::renameat(dir_, name_.c_str(), dir_, targetName_.c_str()) != 0)
            return false;
        name_.clear();
        return true;
    }

private:
    int createNamed() {
        for (int attempt = 0; attempt < 100; ++attempt) {
            const std::string candidate = temporaryPrefix(targetName_) + randomSuffix();
            fd_.reset(::openat(dir_, candidate.c_str(),
                               O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666));
            if (fd_.get() < 0) {
                if (errno == EEXIST)
                    continue;
                return errno;
            }
            name_ = candidate;
            ::flock(fd_.get(), LOCK_EX);
            // A cleaner may have taken the file for abandoned between its creation and the
            // lock; then the name is gone or another file's, and a fresh name is taken.
            struct stat mine {
            }, named{};
            if (::fstat(fd_.get(), &mine) == 0 &&
                ::fstatat(dir_, name_.c_str(), &named, AT_SYMLINK_NOFOLLOW) == 0 &&
                mine.st_ino == named.st_ino && mine.st_dev == named.st_dev)
                return 0;
            name_.clear();
        }
        return EEXIST;
    }

    int dir_;
    std::string targetName_;
    Descriptor fd_;
    std::string name_; // empty while unnamed and after the rename
};

// Gives the temporary the replaced file's owner, group and mode as far as allowed; a file
// system without owners or modes (a FAT stick) refuses, and the new file keeps its defaults.
void copyOwnershipAndMode(int fd, const struct stat& old) {
    if (::fchown(fd, old.st_uid, old.st_gid) != 0)
        (void)::fchown(fd, static_cast<uid_t>(-1), old.st_gid);
    (void)::fchmod(fd, old.st_mode & 07777);
}

void removeAbandonedIn(int dir, const std::string& targetName) {
    const int listFd = ::openat(dir, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (listFd < 0)
        return;
    DIR* listing = ::fdopendir(listFd);
    if (!listing) {
        ::close(listFd);
        return;
    }
    std::vector<std::string> candidates;
    while (const dirent* entry = ::readdir(listing)) {
        const std::string name = entry->d_name;
        const std::string prefix = temporaryPrefix(targetName);
        if (name.size() == prefix.size() + kRandomLength && name.starts_with(prefix))
            candidates.push_back(name);
    }
    ::closedir(listing);
    for (const std::string& name : candidates) {
        Descriptor fd(::openat(dir, name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
        struct stat info {};
        if (fd.get() < 0 || ::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode))
            continue;
        // A writer holds its temporary locked until it is renamed or removed.
        if (::flock(fd.get(), LOCK_EX | LOCK_NB) != 0)
            continue;
        struct stat named {};
        if (::fstatat(dir, name.c_str(), &named, AT_SYMLINK_NOFOLLOW) == 0 &&
            named.st_ino == info.st_ino && named.st_dev == info.st_dev)
            ::unlinkat(dir, name.c_str(), 0);
    }
}

int openFolder(const std::filesystem::path& target) {
    const std::filesystem::path dir = target.parent_path();
    return ::open(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
}

} // namespace

ReadResult readRegularFile(const std::filesystem::path& path, std::uint64_t maxBytes) {
    ReadResult result;
    // Without O_NONBLOCK opening a FIFO would wait for a writer.
    Descriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    struct stat info {};
    if (fd.get() < 0 || ::fstat(fd.get(), &info) != 0) {
        result.failure = ReadFailure::CannotOpen;
        return result;
    }
    if (!S_ISREG(info.st_mode)) {
        result.failure = ReadFailure::NotRegular;
        return result;
    }
    if (static_cast<std::uint64_t>(info.st_size) > maxBytes) {
        result.failure = ReadFailure::TooLarge;
        return result;
    }
    result.identity = identityFrom(info);
    // The whole file is read at once, so its pages are put in place up front.
    LargeBlock block(static_cast<std::size_t>(info.st_size), LargeBlock::Pages::UpFront);
    auto* buffer = reinterpret_cast<std::uint8_t*>(block.data());
    const auto size = static_cast<std::size_t>(info.st_size);
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = ::read(fd.get(), buffer + done, size - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            result.failure = ReadFailure::CannotOpen;
            return result;
        }
        if (n == 0)
            break; // cut short while reading
        done += static_cast<std::size_t>(n);
    }
    result.bytes = FileBytes(std::move(block), done);
    return result;
}

std::optional<FileIdentity> identityOf(const std::filesystem::path& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return std::nullopt;
    return identityFrom(info);
}

std::filesystem::path followLinks(const std::filesystem::path& path) {
    std::filesystem::path current = path;
    for (int hop = 0; hop < kMaxLinkHops; ++hop) {
        std::error_code error;
        if (!std::filesystem::is_symlink(std::filesystem::symlink_status(current, error)))
            return current;
        const std::filesystem::path next = std::filesystem::read_symlink(current, error);
        if (error)
            return current;
        current = next.is_absolute() ? next : current.parent_path() / next;
    }
    return current;
}

bool isTemporaryOf(const std::filesystem::path& target, const std::string& name) {
    const std::string prefix = temporaryPrefix(target.filename().string());
    return name.size() == prefix.size() + kRandomLength && name.starts_with(prefix);
}

void removeAbandonedTemporaries(const std::filesystem::path& target) {
    Descriptor dir(openFolder(target));
    if (dir.get() >= 0)
        removeAbandonedIn(dir.get(), target.filename().string());
}

WriteResult replaceFile(const std::filesystem::path& target, const Bytes& bytes,
                        const BeforeReplace& beforeReplace) {
    WriteResult result;
    const std::string targetName = target.filename().string();
    Descriptor dir(openFolder(target));
    if (targetName.empty() || dir.get() < 0) {
        result.failure = WriteFailure::Failed;
        return result;
    }
    struct stat old {};
    const bool exists = ::fstatat(dir.get(), targetName.c_str(), &old, AT_SYMLINK_NOFOLLOW) == 0;
    if (exists && !S_ISREG(old.st_mode)) {
        result.failure = WriteFailure::NotRegular;
        return result;
    }
    // The rename needs only the folder's permission; the file's own is what the user set.
    if (exists && ::faccessat(dir.get(), targetName.c_str(), W_OK, AT_EACCESS) != 0) {
        result.failure = isDenied(errno) ? WriteFailure::ReadOnly : WriteFailure::Failed;
        return result;
    }
    removeAbandonedIn(dir.get(), targetName);

    Temporary temp(dir.get(), targetName);
    if (const int error = temp.create()) {
        result.failure = isDenied(error) ? WriteFailure::ReadOnly : WriteFailure::Failed;
        return result;
    }
    if (exists)
        copyOwnershipAndMode(temp.fd(), old);
    struct stat written {};
    if (!writeAll(temp.fd(), bytes.data(), bytes.size()) || ::fsync(temp.fd()) != 0 ||
        ::fstat(temp.fd(), &written) != 0 || !temp.name()) {
        result.failure = WriteFailure::Failed;
        return result;
    }
    if (exists && beforeReplace)
        beforeReplace(target);
    if (!temp.renameOver()) {
        result.failure = isDenied(errno) ? WriteFailure::ReadOnly : WriteFailure::Failed;
        return result;
    }
    // Makes the rename itself durable; a failure here no longer endangers either file.
    ::fsync(dir.get());
    result.identity = identityFrom(written);
    return result;
}

} // namespace ledger
