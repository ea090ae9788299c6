// Dated backups of a ledger file: before a save replaces the file, the previous file is kept
// in the folder "Sicherungen" beside it as <Name>_JJJJ-MM-TT_HH-MM-SS.tlw (with a counter,
// <Name>_JJJJ-MM-TT_HH-MM-SS_2.tlw, when that name is taken). A backup is never overwritten;
// after a successful save only the newest ones are kept.
#pragma once

#include "platform/clock.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace ledger {

inline constexpr const char* kSicherungsOrdner = "Sicherungen";
inline constexpr int kStandardAnzahlSicherungen = 10;
inline constexpr int kMaxAnzahlSicherungen = 999;
inline constexpr const char* kMeldungKeineSicherung =
    "Die bisherige Datei konnte nicht gesichert werden; gespeichert wurde trotzdem.";
inline constexpr const char* kMeldungAlteSicherungen =
    "Ältere Sicherungen der Datei konnten nicht entfernt werden.";

class CTalwerkDoc;
class LedgerStore;

// Whether saves keep backups, and how many of them.
struct SicherungsRegel {
    bool enabled = true;
    int keep = kStandardAnzahlSicherungen; // at least 1
};

struct Sicherung {
    std::filesystem::path path;
    platform::LocalTime time; // from the name
    int counter = 1;          // 1 for the name without a counter
    std::uintmax_t size = 0;  // in bytes
};

// The folder of the ledger's backups.
std::filesystem::path sicherungsOrdner(const std::filesystem::path& ledger);

// The backups of the ledger, newest first (by the time and counter in their names).
std::vector<Sicherung> listSicherungen(const std::filesystem::path& ledger);

struct SicherungsErgebnis {
    std::filesystem::path backup; // the backup written; empty on failure
    std::string message;          // kMeldungKeineSicherung on failure, else empty
};

// Keeps the ledger file, which a save is about to replace by a rename, in the backup folder
// (created when missing) under a name of the time: as a second name of the file where the file
// system allows it, else as a copy flushed to disk before it takes the name. Never replaces an
// existing file, and no partly written copy ever carries a backup's name.
SicherungsErgebnis makeSicherung(const std::filesystem::path& ledger,
                                 const platform::LocalTime& time);

// Removes the ledger's backups beyond the newest keep. False when one could not be removed.
bool pruneSicherungen(const std::filesystem::path& ledger, int keep);

// Saves the document through the store as saveLedgerFile does. Under a rule that keeps
// backups, the file about to be replaced is first copied into the backup folder, and after a
// successful save the backups beyond the rule's count are removed. A backup that cannot be
// made does not stop the save: backupMessage then holds kMeldungKeineSicherung (or
// kMeldungAlteSicherungen), else it is empty. Returns the save's message, empty on success.
std::string saveLedgerFileWithBackup(CTalwerkDoc& doc, LedgerStore& store,
                                     const SicherungsRegel& rule, const platform::LocalTime& now,
                                     std::string& backupMessage);

} // namespace ledger
