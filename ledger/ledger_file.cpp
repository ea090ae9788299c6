#include "ledger/ledger_file.h"

#include "ledger/archive_error.h"
#include "ledger/file_read.h"
#include "ledger/file_version.h"
#include "ledger/file_write.h"
#include "ledger/ledger_loading.h"

namespace ledger {

LoadedLedger loadLedgerBytes(std::span<const std::uint8_t> bytes, const std::string& path,
                             platform::Prompter& prompter, platform::PasswordSource& passwords,
                             const platform::Clock& clock) {
    LoadedLedger result;
    try {
        auto doc = std::make_unique<CTalwerkDoc>();
        FileReadHooks hooks;
        hooks.olderVersion = [&](std::uint32_t) {
            prompter.information(kMeldungAeltereVersion, kTitelDateiOeffnen);
        };
        hooks.unlock = [&](const CNVKKennwort& kennwort) {
            const auto entered = passwords.askPassword(path);
            return entered && *entered == kennwort.password;
        };
        result.version = readLedgerFile(bytes, *doc, CNVKDatum::today(clock), hooks);
        LedgerLoading loading(*doc);
        if (!doc->isBuchungOrderValid())
            loading.sortBuchungen();
        if (result.version < kVersion1_2_1_4)
            loading.rebuildKategorieUsageCounts();
        doc->setModified(false);
        result.document = std::move(doc);
    } catch (const FileFormatError& e) {
        result.message = kMeldungDateiformat;
        result.detail = e.what();
    } catch (const FileOpenError& e) {
        result.message = kMeldungOeffnen;
        result.detail = e.what();
    } catch (...) {
        result.message = kMeldungOeffnen;
    }
    if (!result.document)
        result.version = 0;
    return result;
}

LoadedLedger loadLedgerFile(LedgerStore& store, platform::Prompter& prompter,
                            platform::PasswordSource& passwords, const platform::Clock& clock) {
    std::string message;
    const std::optional<FileBytes> bytes = store.read(message);
    if (!bytes) {
        LoadedLedger failed;
        failed.message = message;
        return failed;
    }
    return loadLedgerBytes(*bytes, store.path().string(), prompter, passwords, clock);
}

LoadedLedger loadLedgerFile(const std::filesystem::path& path, platform::Prompter& prompter,
                            platform::PasswordSource& passwords, const platform::Clock& clock) {
    LedgerStore store(path);
    return loadLedgerFile(store, prompter, passwords, clock);
}

std::string saveLedgerFile(CTalwerkDoc& doc, LedgerStore& store) {
    try {
        if (std::string message = store.write(writeLedgerFile(doc)); !message.empty())
            return message;
    } catch (...) {
        return kMeldungSpeichern;
    }
    doc.markSaved(nextSaveCounter(doc.settings().saveCounter));
    return {};
}

std::string saveLedgerFile(CTalwerkDoc& doc, const std::filesystem::path& path) {
    LedgerStore store(path);
    if (std::string message = store.lock(kWriterWait); !message.empty())
        return message;
    return saveLedgerFile(doc, store);
}

} // namespace ledger
