#include "cli/ledger_change.h"

#include "cli/common_options.h"
#include "ledger/ledger_file.h"
#include "ledger/win1252.h"

#include <charconv>

namespace cli {

void LedgerChange::Prompter::information(const std::string& text, const std::string& caption) {
    terminal_.information(text, caption);
}

void LedgerChange::Prompter::warning(const std::string& text, const std::string& caption) {
    terminal_.warning(text, caption);
}

bool LedgerChange::Prompter::askYesNo(const std::string& text, const std::string& caption) {
    terminal_.information(text, caption);
    return yes_;
}

bool LedgerChange::Prompter::askOkCancel(const std::string& text, const std::string& caption) {
    terminal_.information(text, caption);
    return yes_;
}

LedgerChange::LedgerChange(Arguments& args, Io& io)
    : io_(io), yes_(args.flag("yes")), password_(args.option("password")),
      clock_(takeClockOption(args)), backups_(takeBackupOptions(args)), prompter_(io.err, yes_) {}

bool LedgerChange::open(const std::string& path) {
    store_ = std::make_unique<ledger::LedgerStore>(path);
    if (const std::string message = store_->lock(ledger::kWriterWait); !message.empty()) {
        io_.err << path << ": " << ledger::toUtf8(message) << '\n';
        return false;
    }
    doc_ = openLedger(*store_, password_, *clock_, io_).document;
    return doc_ != nullptr;
}

int LedgerChange::save() {
    return doc_->isModified() ? saveNow() : kExitOk;
}

namespace {

// Saves through the store with its backup; the messages go to io.err.
int saveReporting(ledger::CTalwerkDoc& doc, ledger::LedgerStore& store,
                  const ledger::SicherungsRegel& backups, const platform::Clock& clock, Io& io) {
    std::string backupMessage;
    const std::string message =
        ledger::saveLedgerFileWithBackup(doc, store, backups, clock.now(), backupMessage);
    if (!backupMessage.empty())
        io.err << store.path().string() << ": " << ledger::toUtf8(backupMessage) << '\n';
    if (message.empty())
        return kExitOk;
    io.err << store.path().string() << ": " << ledger::toUtf8(message) << '\n';
    return kExitFailure;
}

} // namespace

int LedgerChange::saveNow() {
    // Only a program that does not lock (an older version, an editor) can have changed it.
    if (store_->changedOnDisk()) {
        io_.err << store_->path().string() << ": "
                << ledger::toUtf8(ledger::kMeldungAufDiskGeaendert) << '\n';
        return kExitFailure;
    }
    return saveReporting(*doc_, *store_, backups_, *clock_, io_);
}

int saveNewLedger(ledger::CTalwerkDoc& doc, const std::filesystem::path& path, bool overwrite,
                  const ledger::SicherungsRegel& backups, const platform::Clock& clock, Io& io) {
    ledger::LedgerStore store(path);
    std::string message = store.lock(ledger::kWriterWait);
    std::error_code error;
    if (message.empty() && !overwrite && std::filesystem::exists(store.target(), error))
        message = "Die Datei ist bereits vorhanden. Mit --overwrite wird sie ersetzt.";
    if (message.empty())
        return saveReporting(doc, store, backups, clock, io);
    io.err << path.string() << ": " << ledger::toUtf8(message) << '\n';
    return kExitFailure;
}

std::optional<std::string> takeText(Arguments& args, std::string_view name) {
    auto text = args.option(name);
    if (!text)
        return std::nullopt;
    return ledger::fromUtf8(*text);
}

std::optional<int64_t> takeNumber(Arguments& args, std::string_view name) {
    const auto text = args.option(name);
    if (!text)
        return std::nullopt;
    int64_t value = 0;
    const auto [end, error] = std::from_chars(text->data(), text->data() + text->size(), value);
    if (error != std::errc() || end != text->data() + text->size())
        throw UsageError("--" + std::string(name) + " erwartet eine Zahl: " + *text);
    return value;
}

std::optional<ledger::KontoArt> takeKind(Arguments& args) {
    const auto number = takeNumber(args, "kind");
    if (!number)
        return std::nullopt;
    const std::optional<ledger::KontoArt> kind = ledger::kontoArtAt(*number);
    if (!kind)
        throw UsageError("--kind erwartet 0, 1 oder 2: " + std::to_string(*number));
    return kind;
}

} // namespace cli
