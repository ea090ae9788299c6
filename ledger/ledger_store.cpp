#include "ledger/ledger_store.h"

#include "ledger/ledger_file.h"

namespace ledger {

std::string LedgerStore::lock(std::chrono::milliseconds wait) {
    const std::filesystem::path file = target();
    std::error_code error;
    const auto status = std::filesystem::status(file, error);
    if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status))
        return kMeldungKeineDatei;
    switch (lock_.acquire(file, wait)) {
    case FileLock::Result::Locked:
        return {};
    case FileLock::Result::Busy:
        return kMeldungGesperrt;
    case FileLock::Result::ReadOnly:
        return kMeldungSchreibgeschuetzt;
    case FileLock::Result::Failed:
        break;
    }
    return kMeldungSpeichern;
}

std::optional<FileBytes> LedgerStore::read(std::string& message) {
    ReadResult result = readRegularFile(target(), kMaxLedgerBytes);
    switch (result.failure) {
    case ReadFailure::None:
        known_ = result.identity;
        knownSet_ = true;
        message.clear();
        return std::move(result.bytes);
    case ReadFailure::NotRegular:
        message = kMeldungKeineDatei;
        break;
    case ReadFailure::TooLarge:
        message = kMeldungZuGross;
        break;
    case ReadFailure::CannotOpen:
        message = kMeldungOeffnen;
        break;
    }
    return std::nullopt;
}

bool LedgerStore::changedOnDisk() const {
    if (!knownSet_)
        return false;
    const std::optional<FileIdentity> now = identityOf(target());
    return now.has_value() != known_.has_value() || (now && !(*now == *known_));
}

std::string LedgerStore::write(const Bytes& bytes) {
    if (!lock_.isHeld())
        return kMeldungSpeichern;
    const WriteResult result = replaceFile(target(), bytes, beforeReplace_);
    switch (result.failure) {
    case WriteFailure::None:
        known_ = result.identity;
        knownSet_ = true;
        return {};
    case WriteFailure::NotRegular:
        return kMeldungKeineDatei;
    case WriteFailure::ReadOnly:
        return kMeldungSchreibgeschuetzt;
    case WriteFailure::Failed:
        break;
    }
    return kMeldungSpeichern;
}

} // namespace ledger
