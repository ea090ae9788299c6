// What the commands that change a ledger file share: opening it under the writer's lock (held
// until the command ends, so that concurrent commands change the file one after the other), a
// prompter that prints every message on stderr and answers questions with Yes only under --yes,
// saving the file when something changed, and the options that carry the forms' fields.
#pragma once

#include "cli/arguments.h"
#include "cli/command.h"
#include "cli/terminal.h"
#include "ledger/dokument.h"
#include "ledger/ledger_store.h"
#include "ledger/sicherungen.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

namespace cli {

class LedgerChange {
public:
    // Takes the options --password, --now, --yes, --backups and --no-backup.
    LedgerChange(Arguments& args, Io& io);

    // Locks and loads the file; false (with the message printed) when another writer keeps
    // it locked beyond the waiting time, or it cannot be written or loaded.
    bool open(const std::string& path);
    ledger::CTalwerkDoc& doc() { return *doc_; }
    platform::Prompter& prompter() { return prompter_; }
    const platform::Clock& clock() const { return *clock_; }

    // Saves the file when the document is modified, keeping the replaced file as a dated
    // backup. kExitOk, or kExitFailure with the message printed when saving failed or another
    // program changed the file since it was loaded (the file on disk is then unchanged). A
    // backup that could not be made is reported, and the save done.
    int save();
    // Saves the file whether modified or not (for commands that report what they saved).
    int saveNow();
    // Whether --yes was given.
    bool yes() const { return yes_; }

private:
    class Prompter final : public platform::Prompter {
    public:
        Prompter(std::ostream& err, bool yes) : terminal_(err), yes_(yes) {}
        void information(const std::string& text, const std::string& caption) override;
        void warning(const std::string& text, const std::string& caption) override;
        bool askYesNo(const std::string& text, const std::string& caption) override;
        bool askOkCancel(const std::string& text, const std::string& caption) override;

    private:
        TerminalPrompter terminal_;
        bool yes_;
    };

    Io& io_;
    bool yes_;
    std::optional<std::string> password_;
    std::unique_ptr<platform::Clock> clock_;
    ledger::SicherungsRegel backups_;
    Prompter prompter_;
    std::unique_ptr<ledger::LedgerStore> store_;
    std::unique_ptr<ledger::CTalwerkDoc> doc_;
};

// Writes a ledger built by the command (new, demo) to path under the writer's lock. An existing
// file is replaced only when overwrite is set (--overwrite), and kept as a backup under the
// rule; kExitOk, else kExitFailure with the message printed.
int saveNewLedger(ledger::CTalwerkDoc& doc, const std::filesystem::path& path, bool overwrite,
                  const ledger::SicherungsRegel& backups, const platform::Clock& clock, Io& io);

// A text option, given in UTF-8, as Windows-1252.
std::optional<std::string> takeText(Arguments& args, std::string_view name);
// A whole-number option; a value that is not a number is a usage error.
std::optional<int64_t> takeNumber(Arguments& args, std::string_view name);
// --kind 0, 1 or 2 (asset, income, expense accounts); nothing when absent.
std::optional<ledger::KontoArt> takeKind(Arguments& args);

} // namespace cli
