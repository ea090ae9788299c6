// Reads a whole ledger file of any version into a document, following the version gates:
// an item an older version does not carry takes the value that version implied.
#pragma once

#include "ledger/dokument.h"

#include <cstdint>
#include <functional>
#include <span>

namespace ledger {

struct FileReadHooks {
    // Told the file's version number right after the header when it is older than the
    // current one; reading goes on.
    std::function<void(std::uint32_t version)> olderVersion;
    // Asked, right after the password record of a protected file, whether the password was
    // given; false ends reading with FileOpenError.
    std::function<bool(const CNVKKennwort& kennwort)> unlock;
};

// Fills doc, which must be freshly constructed, from the bytes and returns the file's
// version number. Throws FileFormatError or FileOpenError; doc is then unusable. The
// booking order check and the other steps after loading are the caller's (loadLedgerFile).
std::uint32_t readLedgerFile(std::span<const std::uint8_t> bytes, CTalwerkDoc& doc,
                             const CNVKDatum& today, const FileReadHooks& hooks);

} // namespace ledger
