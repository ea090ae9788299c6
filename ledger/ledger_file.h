// Opening and saving ledger files: the one boundary that the desktop program and the
// command line both use. Opening gives a fully loaded document or a message and nothing;
// saving never destroys the previous file.
#pragma once

#include "ledger/dokument.h"
#include "ledger/ledger_store.h"
#include "platform/clock.h"
#include "platform/password_source.h"
#include "platform/prompter.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <string>

namespace ledger {

inline constexpr const char* kMeldungDateiformat = "Unerwartetes Dateiformat.";
inline constexpr const char* kMeldungOeffnen = "Fehler beim Öffnen des Dokuments.";
inline constexpr const char* kMeldungSpeichern = "Fehler beim Speichern des Dokuments.";
inline constexpr const char* kMeldungAeltereVersion =
    "Diese Datei wurde mit einer älteren Version von Talerwerk erstellt. Wenn Sie die Datei "
    "mit dieser Version speichern, kann sie in der älteren Version nicht mehr geöffnet werden!";
inline constexpr const char* kTitelDateiOeffnen = "Datei öffnen";

struct LoadedLedger {
    std::unique_ptr<CTalwerkDoc> document; // none when loading failed
    std::string message;                   // the failure message, else empty
    std::string detail;        // where and why the reader stopped ("Buchung 17, Byte 123456: ...")
    std::uint32_t version = 0; // the file's version number when loaded
};

// Reads the file through the store; the note about an older version goes through the prompter, the
// password of a protected file is asked from passwords. Afterwards the bookings are in booking
// order, the usage counts of files before 1.2.1 are rebuilt and the modified flag is clear.
LoadedLedger loadLedgerFile(LedgerStore& store, platform::Prompter& prompter,
                            platform::PasswordSource& passwords, const platform::Clock& clock);
// The same for a reader that keeps no store (it never writes the file back).
LoadedLedger loadLedgerFile(const std::filesystem::path& path, platform::Prompter& prompter,
                            platform::PasswordSource& passwords, const platform::Clock& clock);
// The same over bytes already in memory; path is what the password question shows.
LoadedLedger loadLedgerBytes(std::span<const std::uint8_t> bytes, const std::string& path,
                             platform::Prompter& prompter, platform::PasswordSource& passwords,
                             const platform::Clock& clock);

// Writes the document through the store, which must hold the lock; on success raises its save
// counter by one, clears the modified flag and returns an empty text, else returns the store's
// message ("Fehler beim Speichern des Dokuments.", "Die Datei ist schreibgeschützt." and so on)
// and leaves both the document and the file on disk as they were.
[[nodiscard]] std::string saveLedgerFile(CTalwerkDoc& doc, LedgerStore& store);
// The same for a writer that keeps no store: locks path for the moment of saving.
[[nodiscard]] std::string saveLedgerFile(CTalwerkDoc& doc, const std::filesystem::path& path);

} // namespace ledger
