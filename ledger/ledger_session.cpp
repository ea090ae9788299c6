#include "ledger/ledger_session.h"

#include <chrono>

namespace ledger {

namespace {

constexpr const char* kTitel = "Talerwerk";

} // namespace

LedgerSession::Opened LedgerSession::open(const std::filesystem::path& path,
                                          platform::Prompter& prompter,
                                          platform::PasswordSource& passwords,
                                          const platform::Clock& clock, Access access) {
    Opened opened;
    auto session = std::make_unique<LedgerSession>();
    session->store_ = std::make_unique<LedgerStore>(path);
    const std::string locked = access == Access::Edit
                                   ? session->store_->lock(std::chrono::milliseconds(0))
                                   : std::string(kMeldungGesperrt);
    if (locked == kMeldungKeineDatei) {
        opened.message = locked;
        return opened;
    }
    if (access == Access::Edit && locked == kMeldungGesperrt &&
        !prompter.askYesNo(kFrageNurLesen, kTitelDateiOeffnen))
        return opened;
    session->readOnly_ = access == Access::ReadOnly || (access == Access::Edit && !locked.empty());
    LoadedLedger loaded = loadLedgerFile(*session->store_, prompter, passwords, clock);
    if (!loaded.document) {
        opened.message = loaded.message;
        return opened;
    }
    opened.session = std::move(session);
    opened.document = std::move(loaded.document);
    return opened;
}

std::unique_ptr<LedgerSession> LedgerSession::bind(const std::filesystem::path& path) {
    auto session = std::make_unique<LedgerSession>();
    session->store_ = std::make_unique<LedgerStore>(path);
    session->readOnly_ = !session->store_->lock(std::chrono::milliseconds(0)).empty();
    return session;
}

bool LedgerSession::isFile(const std::filesystem::path& path) const {
    if (!store_)
        return false;
    std::error_code error;
    const bool same = std::filesystem::equivalent(store_->target(), followLinks(path), error);
    return !error && same;
}

LedgerSession::Saved LedgerSession::failed(const std::string& message,
                                           platform::Prompter& prompter) {
    if (message == kMeldungSchreibgeschuetzt)
        return prompter.askYesNo(kFrageAndererName, kTitelSpeichern) ? Saved::ChooseOtherName
                                                                     : Saved::No;
    prompter.warning(message, kTitel);
    return Saved::No;
}

std::string LedgerSession::write(CTalwerkDoc& doc, LedgerStore& store, bool keepBackup) {
    backupMessage_.clear();
    if (!clock_ || !keepBackup)
        return saveLedgerFile(doc, store);
    return saveLedgerFileWithBackup(doc, store, rule_, clock_->now(), backupMessage_);
}

LedgerSession::Saved LedgerSession::save(CTalwerkDoc& doc, platform::Prompter& prompter) {
    if (readOnly_)
        return failed(kMeldungSchreibgeschuetzt, prompter);
    const bool changedOnDisk = store_->changedOnDisk();
    if (changedOnDisk && !prompter.askYesNo(kFrageUeberschreiben, kTitelSpeichern))
        return Saved::No;
    // An unchanged ledger saved over the file it came from keeps no backup: the backup would
    // hold what the file still holds and push an older, different one out of the folder.
    const std::string message = write(doc, *store_, doc.isModified() || changedOnDisk);
    return message.empty() ? Saved::Yes : failed(message, prompter);
}

LedgerSession::Saved LedgerSession::saveAs(CTalwerkDoc& doc, const std::filesystem::path& path,
                                           platform::Prompter& prompter) {
    if (isFile(path) && !readOnly_)
        return save(doc, prompter);
    auto store = std::make_unique<LedgerStore>(path);
    std::string message = store->lock(std::chrono::milliseconds(0));
    if (message.empty())
        message = write(doc, *store, true);
    if (!message.empty())
        return failed(message, prompter);
    store_ = std::move(store);
    readOnly_ = false;
    return Saved::Yes;
}

} // namespace ledger
