// Files for tests: a fresh folder per test, reading and writing whole files without the code
// under test, and running a check as an ordinary user, so that permission checks are exercised
// even when the suite runs as root (as in CI).
#pragma once

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <grp.h>
#include <iterator>
#include <optional>
#include <pwd.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace testsupport {

using Bytes = std::vector<std::uint8_t>;

inline std::optional<Bytes> readFile(const std::filesystem::path& path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void writeFile(const std::filesystem::path& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

inline bool isRoot() {
    return ::geteuid() == 0;
}

// The user whom a test running as root becomes: "nobody".
inline uid_t ordinaryUid() {
    const passwd* user = ::getpwnam("nobody");
    return user ? user->pw_uid : 65534;
}
inline gid_t ordinaryGid() {
    const passwd* user = ::getpwnam("nobody");
    return user ? user->pw_gid : 65534;
}

// Runs body as an ordinary user and returns its failure text (empty when it passed). Run as
// root, body runs in a child process that has given up root for "nobody"; otherwise directly.
// Files the body works on must be open to that user (see TempFolder).
inline std::string asOrdinaryUser(const std::function<std::string()>& body) {
    if (!isRoot())
        return body();
    int pipeFds[2];
    if (::pipe(pipeFds) != 0)
        return "no pipe";
    const pid_t child = ::fork();
    if (child < 0)
        return "no child process";
    if (child == 0) {
        ::close(pipeFds[0]);
        std::string result;
        if (::setgroups(0, nullptr) != 0 || ::setgid(ordinaryGid()) != 0 ||
            ::setuid(ordinaryUid()) != 0 || ::geteuid() == 0)
            result = "could not give up root";
        else
            result = body();
        (void)!::write(pipeFds[1], result.data(), result.size());
        ::close(pipeFds[1]);
        ::_exit(0);
    }
    ::close(pipeFds[1]);
    std::string result;
    char buffer[512];
    for (ssize_t n; (n = ::read(pipeFds[0], buffer, sizeof buffer)) != 0;) {
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            break;
        result.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(pipeFds[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (!WIFEXITED(status))
        return "the child process ended by signal " + std::to_string(WTERMSIG(status));
    return result;
}

// A fresh folder below the system's temporary folder, removed again at the end. When the
// tests run as root it belongs to the ordinary user of asOrdinaryUser.
class TempFolder {
public:
    explicit TempFolder(const std::string& name)
        : path_(std::filesystem::temp_directory_path() /
                ("talerwerk-" + name + "-" + std::to_string(::getpid()))) {
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
        if (isRoot())
            (void)!::chown(path_.c_str(), ordinaryUid(), ordinaryGid());
    }
    ~TempFolder() {
        std::error_code error;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all, error);
        std::filesystem::remove_all(path_, error);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }
    // The names in the folder, sorted.
    std::vector<std::string> names() const {
        std::vector<std::string> out;
        for (const auto& entry : std::filesystem::directory_iterator(path_))
            out.push_back(entry.path().filename().string());
        std::sort(out.begin(), out.end());
        return out;
    }

private:
    std::filesystem::path path_;
};

} // namespace testsupport
