#include "ledger/sicherungen.h"

#include "ledger/file_store.h"
#include "ledger/ledger_file.h"
#include "ledger/ledger_store.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <fcntl.h>
#include <optional>
#include <string_view>
#include <sys/stat.h>
#include <tuple>
#include <unistd.h>

namespace ledger {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kEndung = ".tlw";
// More backups of one second than any save loop can make; beyond it the backup fails.
constexpr int kMaxCounter = 999;

std::string timeText(const platform::LocalTime& t) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d_%02d-%02d-%02d", t.year, t.month, t.day,
                  t.hour, t.minute, t.second);
    return text;
}

std::string backupName(const std::string& stem, const platform::LocalTime& time, int counter) {
    std::string name = stem + '_' + timeText(time);
    if (counter > 1)
        name += '_' + std::to_string(counter);
    return name + std::string(kEndung);
}

// A run of exactly `digits` digits at `at`, consumed.
std::optional<int> digitsAt(std::string_view text, std::size_t& at, std::size_t digits) {
    if (text.size() < at + digits)
        return std::nullopt;
    int value = 0;
    for (std::size_t i = at; i < at + digits; ++i) {
        if (text[i] < '0' || text[i] > '9')
            return std::nullopt;
        value = value * 10 + (text[i] - '0');
    }
    at += digits;
    return value;
}

bool charAt(std::string_view text, std::size_t& at, char c) {
    if (at >= text.size() || text[at] != c)
        return false;
    ++at;
    return true;
}

// The time and counter of a backup name of the stem; nothing for any other name.
std::optional<Sicherung> parseName(std::string_view name, std::string_view stem) {
    if (name.size() <= stem.size() + 1 + kEndung.size() || !name.starts_with(stem) ||
        !name.ends_with(kEndung))
        return std::nullopt;
    std::string_view rest = name.substr(stem.size(), name.size() - stem.size() - kEndung.size());
    std::size_t at = 0;
    Sicherung s;
    const std::pair<char, std::size_t> fields[] = {{'_', 4}, {'-', 2}, {'-', 2},
                                                   {'_', 2}, {'-', 2}, {'-', 2}};
    int* const values[] = {&s.time.year, &s.time.month,  &s.time.day,
                           &s.time.hour, &s.time.minute, &s.time.second};
    for (std::size_t i = 0; i < std::size(fields); ++i) {
        if (!charAt(rest, at, fields[i].first))
            return std::nullopt;
        const std::optional<int> value = digitsAt(rest, at, fields[i].second);
        if (!value)
            return std::nullopt;
        *values[i] = *value;
    }
    if (at == rest.size())
        return s;
    if (!charAt(rest, at, '_'))
        return std::nullopt;
    const std::string_view counter = rest.substr(at);
    const auto [end, error] =
        std::from_chars(counter.data(), counter.data() + counter.size(), s.counter);
    if (error != std::errc() || end != counter.data() + counter.size() || s.counter < 2 ||
        counter.front() == '0')
        return std::nullopt;
    return s;
}

auto orderKey(const Sicherung& s) {
    const platform::LocalTime& t = s.time;
    return std::make_tuple(t.year, t.month, t.day, t.hour, t.minute, t.second, s.counter);
}

// The copy of a ledger while it is written, in the backup folder under a hidden name of its
// own ledger: it is written only under that ledger's writer lock, so one left by a killed
// writer is simply written over by the next.
fs::path copyName(const fs::path& folder, const fs::path& ledger) {
    return folder / ("." + ledger.filename().string() + ".sicherung.tmp");
}

// Copies the open source to the hidden file copy, flushed; false (and no file) on failure.
bool copyTo(int source, const fs::path& copy, mode_t mode) {
    const int out =
        ::open(copy.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, mode);
    if (out < 0)
        return false;
    bool ok = ::lseek(source, 0, SEEK_SET) == 0;
    char buffer[1 << 16];
    while (ok) {
        const ssize_t got = ::read(source, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0) {
            ok = got == 0;
            break;
        }
        for (ssize_t done = 0; ok && done < got;) {
            const ssize_t put = ::write(out, buffer + done, static_cast<size_t>(got - done));
            if (put < 0 && errno == EINTR)
                continue;
            ok = put > 0;
            done += put > 0 ? put : 0;
        }
    }
    ok = ok && ::fsync(out) == 0;
    ok = ::close(out) == 0 && ok;
    if (!ok)
        ::unlink(copy.c_str());
    return ok;
}

// Gives the complete copy the backup's name unless that name exists; errno EEXIST when it
// does. A file system that cannot rename without replacing gets a second name and loses the
// first, or, without hard links either, a rename after looking (the ledger's writer lock keeps
// other writers of this name away).
bool placeCopy(const fs::path& copy, const fs::path& target) {
    if (::renameat2(AT_FDCWD, copy.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno == EEXIST || (errno != EINVAL && errno != ENOSYS))
        return false;
    if (::link(copy.c_str(), target.c_str()) == 0) {
        ::unlink(copy.c_str());
        return true;
    }
    if (errno == EEXIST)
        return false;
    struct stat existing {};
    if (::lstat(target.c_str(), &existing) == 0) {
        errno = EEXIST;
        return false;
    }
    return ::rename(copy.c_str(), target.c_str()) == 0;
}

// The save replaces the ledger by a rename and never writes into the file it replaces, so
// after the rename the old file lives on under the backup's name alone: a second name for it
// is a complete backup that costs no copying. False (errno EEXIST when the name was taken)
// where the file system has no hard links or the folder lies on another one; the caller then
// copies. A link whose file is not the ledger opened (replaced meanwhile) is taken back.
bool keepByLink(const fs::path& ledger, const fs::path& target, const struct stat& opened) {
    if (::link(ledger.c_str(), target.c_str()) != 0)
        return false;
    struct stat linked {};
    if (::lstat(target.c_str(), &linked) == 0 && linked.st_dev == opened.st_dev &&
        linked.st_ino == opened.st_ino)
        return true;
    ::unlink(target.c_str());
    errno = EXDEV; // copy from the file opened instead
    return false;
}

void syncFolder(const fs::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

fs::path sicherungsOrdner(const fs::path& ledger) {
    return ledger.parent_path() / kSicherungsOrdner;
}

std::vector<Sicherung> listSicherungen(const fs::path& ledger) {
    std::vector<Sicherung> list;
    // The backups lie beside the file itself, where a save that follows a link keeps them.
    const fs::path file = followLinks(ledger);
    const std::string stem = file.stem().string();
    std::error_code error;
    for (fs::directory_iterator it(sicherungsOrdner(file), error), end; !error && it != end;
         it.increment(error)) {
        std::optional<Sicherung> s = parseName(it->path().filename().string(), stem);
        if (!s || !it->is_regular_file(error))
            continue;
        s->path = it->path();
        s->size = it->file_size(error);
        list.push_back(std::move(*s));
    }
    std::sort(list.begin(), list.end(),
              [](const Sicherung& a, const Sicherung& b) { return orderKey(a) > orderKey(b); });
    return list;
}

SicherungsErgebnis makeSicherung(const fs::path& ledger, const platform::LocalTime& time) {
    SicherungsErgebnis result{{}, kMeldungKeineSicherung};
    const int source = ::open(ledger.c_str(), O_RDONLY | O_CLOEXEC);
    if (source < 0)
        return result;
    struct stat info {};
    const fs::path folder = sicherungsOrdner(ledger);
    std::error_code error;
    fs::create_directory(folder, error);
    const std::string stem = ledger.stem().string();
    const auto name = [&](int counter) { return folder / backupName(stem, time, counter); };
    if (::fstat(source, &info) == 0 && !error) {
        int counter = 1;
        // A second name for the file, where the file system gives one.
        for (; counter <= kMaxCounter; ++counter) {
            if (keepByLink(ledger, name(counter), info)) {
                result = {name(counter), {}};
                break;
            }
            if (errno != EEXIST)
                break;
        }
        // Else a copy, complete before it takes the backup's name.
        const fs::path copy = copyName(folder, ledger);
        if (result.backup.empty() && counter <= kMaxCounter &&
            copyTo(source, copy, info.st_mode & 0666)) {
            for (; counter <= kMaxCounter; ++counter) {
                if (placeCopy(copy, name(counter))) {
                    result = {name(counter), {}};
                    break;
                }
                if (errno != EEXIST)
                    break;
            }
            if (result.backup.empty())
                ::unlink(copy.c_str());
        }
        if (!result.backup.empty())
            syncFolder(folder);
    }
    ::close(source);
    return result;
}

std::string saveLedgerFileWithBackup(CTalwerkDoc& doc, LedgerStore& store,
                                     const SicherungsRegel& rule, const platform::LocalTime& now,
                                     std::string& backupMessage) {
    backupMessage.clear();
    fs::path made;
    if (rule.enabled)
        store.setBeforeReplace([&](const fs::path& target) {
            SicherungsErgebnis result = makeSicherung(target, now);
            made = std::move(result.backup);
            backupMessage = std::move(result.message);
        });
    const std::string message = saveLedgerFile(doc, store);
    store.setBeforeReplace({});
    if (made.empty())
        return message;
    if (!message.empty()) {
        // The file stayed as it was: a backup of it would only crowd out an older one.
        std::error_code ignored;
        fs::remove(made, ignored);
        backupMessage.clear();
    } else if (!pruneSicherungen(store.target(), rule.keep)) {
        backupMessage = kMeldungAlteSicherungen;
    }
    return message;
}

bool pruneSicherungen(const fs::path& ledger, int keep) {
    const std::vector<Sicherung> list = listSicherungen(ledger);
    bool ok = true;
    for (std::size_t i = static_cast<std::size_t>(std::max(keep, 1)); i < list.size(); ++i) {
        std::error_code error;
        ok = fs::remove(list[i].path, error) && ok;
    }
    return ok;
}

} // namespace ledger
