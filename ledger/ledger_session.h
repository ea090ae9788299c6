// A ledger file open for editing in the desktop program: its store holds the writer's lock
// for as long as the file is open. Opening a file that another program edits asks whether to
// open it read-only; saving asks before it overwrites a change made on disk meanwhile, and
// offers another name for a file that cannot be written. Messages go through the Prompter.
#pragma once

#include "ledger/ledger_file.h"
#include "ledger/ledger_store.h"
#include "ledger/sicherungen.h"

#include <filesystem>
#include <memory>
#include <string>

namespace ledger {

inline constexpr const char* kFrageNurLesen =
    "Die Datei wird gerade von einem anderen Programm bearbeitet.\n"
    "Möchten Sie sie schreibgeschützt öffnen?";
inline constexpr const char* kFrageAndererName =
    "Die Datei ist schreibgeschützt.\nMöchten Sie sie unter einem anderen Namen speichern?";
inline constexpr const char* kFrageUeberschreiben =
    "Die Datei wurde seit dem Öffnen von einem anderen Programm geändert.\n"
    "Möchten Sie sie trotzdem überschreiben?";
inline constexpr const char* kTitelSpeichern = "Speichern";

class LedgerSession {
public:
    struct Opened {
        std::unique_ptr<LedgerSession> session; // none when not opened
        std::unique_ptr<CTalwerkDoc> document;
        std::string message; // why not, when not cancelled by the user; else empty
    };
    enum class Access {
        Edit,     // locked while open, when no other program holds the lock
        LookOnly, // without lock or question, for a program that only shows the file and never
                  // saves it
        ReadOnly  // without lock or question, and saving offers another name (a backup)
    };
    // Locks and loads the file. When another program holds the lock the user chooses between
    // opening read-only and not opening; a file whose folder may not be written opens
    // read-only without a question.
    static Opened open(const std::filesystem::path& path, platform::Prompter& prompter,
                       platform::PasswordSource& passwords, const platform::Clock& clock,
                       Access access = Access::Edit);

    // A session without a file yet (a new document).
    LedgerSession() = default;
    // A session for a ledger that was not loaded from path but belongs there (restored after
    // a crash): path is locked when no other program holds it, else the session is
    // read-only and saving offers another name. The file is not read; saving replaces it.
    static std::unique_ptr<LedgerSession> bind(const std::filesystem::path& path);

    bool hasFile() const { return store_ != nullptr; }
    bool isReadOnly() const { return readOnly_; }
    // The path the file was opened or last saved under.
    std::filesystem::path path() const { return store_ ? store_->path() : std::filesystem::path(); }
    // Whether path names the file of this session (through links as well).
    bool isFile(const std::filesystem::path& path) const;

    // The backups of the saves from now on, named by the clock's time; without it, saving
    // keeps none.
    void setSicherung(const SicherungsRegel& rule, const platform::Clock& clock) {
        rule_ = rule;
        clock_ = &clock;
    }
    // What the backup of the last save reported: empty, kMeldungKeineSicherung or
    // kMeldungAlteSicherungen.
    const std::string& backupMessage() const { return backupMessage_; }

    enum class Saved {
        Yes,
        No,             // cancelled or failed; a failure's message has been shown
        ChooseOtherName // the user wants to save under another name ("Speichern unter")
    };
    // Saves to the session's file, which must exist (see hasFile).
    Saved save(CTalwerkDoc& doc, platform::Prompter& prompter);
    // Saves under another file, which is then locked and becomes the session's file; the lock
    // of the previous file is released.
    Saved saveAs(CTalwerkDoc& doc, const std::filesystem::path& path, platform::Prompter& prompter);

private:
    Saved failed(const std::string& message, platform::Prompter& prompter);
    // Saves, keeping a backup of the file replaced when asked to and a rule is set.
    std::string write(CTalwerkDoc& doc, LedgerStore& store, bool keepBackup);

    std::unique_ptr<LedgerStore> store_;
    bool readOnly_ = false;
    SicherungsRegel rule_;
    const platform::Clock* clock_ = nullptr;
    std::string backupMessage_;
};

} // namespace ledger
