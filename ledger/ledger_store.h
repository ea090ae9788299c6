// The one place that touches a ledger file on disk. It follows a symbolic link to the file it
// names, reads only regular files, locks the file while a writer holds it, notices when the file
// was changed by another program since it was read, refuses to replace what is not a regular
// file or may not be written, and replaces the file atomically (file_store.h).
#pragma once

#include "ledger/file_lock.h"
#include "ledger/file_store.h"

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace ledger {

inline constexpr const char* kMeldungSchreibgeschuetzt = "Die Datei ist schreibgeschützt.";
inline constexpr const char* kMeldungKeineDatei = "Dies ist keine gewöhnliche Datei.";
inline constexpr const char* kMeldungGesperrt =
    "Die Datei wird gerade von einem anderen Programm bearbeitet.";
inline constexpr const char* kMeldungAufDiskGeaendert =
    "Die Datei wurde seit dem Öffnen von einem anderen Programm geändert.";
inline constexpr const char* kMeldungZuGross = "Die Datei ist zu groß.";

// The largest ledger file read: the file positions of the format are signed 32-bit numbers.
inline constexpr std::uint64_t kMaxLedgerBytes = 0x7FFFFFFF;

// How long a command line writer waits for another writer to finish before it gives up.
inline constexpr std::chrono::milliseconds kWriterWait{10000};

class LedgerStore {
public:
    explicit LedgerStore(std::filesystem::path path) : path_(std::move(path)) {}

    // The path as given, and the file it names now after following links.
    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path target() const { return followLinks(path_); }

    // Locks the file for writing, waiting up to wait for another writer. An empty text, else
    // the message: kMeldungGesperrt, kMeldungSchreibgeschuetzt or kMeldungKeineDatei.
    std::string lock(std::chrono::milliseconds wait);
    bool isLocked() const { return lock_.isHeld(); }
    void unlock() { lock_.release(); }

    // The file's bytes, remembered as the state on disk; nothing with the failure's message
    // ("Fehler beim Öffnen des Dokuments.", kMeldungKeineDatei or kMeldungZuGross).
    std::optional<FileBytes> read(std::string& message);

    // True when the file on disk is no longer the one last read or written here (replaced,
    // changed, removed, or created since).
    bool changedOnDisk() const;

    // Replaces the file by the bytes; needs the lock. An empty text, else the message:
    // kMeldungKeineDatei, kMeldungSchreibgeschuetzt, "Fehler beim Speichern des Dokuments.".
    std::string write(const Bytes& bytes);

    // Called with the file about to be replaced, once the new contents are safely on disk
    // and just before they take its place (never for a file that did not exist).
    void setBeforeReplace(BeforeReplace hook) { beforeReplace_ = std::move(hook); }

private:
    std::filesystem::path path_;
    FileLock lock_;
    std::optional<FileIdentity> known_; // the file as last read or written; none: no file
    bool knownSet_ = false;
    BeforeReplace beforeReplace_;
};

} // namespace ledger
