#include "ledger/file_store.h"

#include <cerrno>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace ledger {

namespace {

// A temporary file that is removed again unless it was renamed into place.
class TempFile {
public:
    explicit TempFile(std::string pattern) : path_(std::move(pattern)) {
        fd_ = ::mkstemp(path_.data());
        created_ = fd_ >= 0;
    }
    ~TempFile() {
        if (fd_ >= 0)
            ::close(fd_);
        if (created_)
            ::unlink(path_.c_str());
    }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;

    bool isOpen() const { return fd_ >= 0; }
    int fd() const { return fd_; }
    // Closes the descriptor; false when closing reports a write error.
    bool close() {
        const int result = ::close(fd_);
        fd_ = -1;
        return result == 0;
    }
    // Renames the file over target; from then on it is no longer temporary.
    bool renameTo(const std::filesystem::path& target) {
        if (::rename(path_.c_str(), target.c_str()) != 0)
            return false;
        created_ = false;
        return true;
    }

private:
    std::string path_;
    int fd_ = -1;
    bool created_ = false;
};

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

// Makes the rename itself durable; a failure here no longer endangers either file.
void syncDirectory(const std::filesystem::path& dir) {
    const int fd = ::open(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

std::optional<std::vector<std::uint8_t>> readWholeFile(const std::filesystem::path& path) {
    const int fd = ::open(path.c_str(), O_RDONLY);
    if (fd < 0)
        return std::nullopt;
    std::vector<std::uint8_t> bytes;
    // Reading into storage of the file's size spares the copies of a growing vector.
    struct stat info {};
    if (::fstat(fd, &info) == 0 && info.st_size > 0)
        bytes.reserve(static_cast<std::size_t>(info.st_size));
    std::uint8_t buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            ::close(fd);
            return std::nullopt;
        }
        if (n == 0)
            break;
        bytes.insert(bytes.end(), buffer, buffer + n);
    }
    ::close(fd);
    return bytes;
}

bool writeFileAtomically(const std::filesystem::path& path,
                         const std::vector<std::uint8_t>& bytes) {
    const std::filesystem::path dir = path.parent_path();
    TempFile temp((dir / ("." + path.filename().string() + ".XXXXXX")).string());
    if (!temp.isOpen())
        return false;
    // Keep the permissions of the file being replaced; a new file gets the usual ones.
    struct stat existing {};
    const mode_t mode = ::stat(path.c_str(), &existing) == 0 ? existing.st_mode & 07777 : 0644;
    if (::fchmod(temp.fd(), mode) != 0 || !writeAll(temp.fd(), bytes.data(), bytes.size()) ||
        ::fsync(temp.fd()) != 0 || !temp.close())
        return false;
    if (!temp.renameTo(path))
        return false;
    syncDirectory(dir);
    return true;
}

} // namespace ledger
