// Writes a whole document as a ledger file of the current version.
#pragma once

#include "ledger/dokument.h"

#include <cstdint>
#include <vector>

namespace ledger {

// The bytes of the file. The file carries the save counter raised by one; the document
// itself is not changed (saveLedgerFile raises its counter once the file is written).
std::vector<std::uint8_t> writeLedgerFile(const CTalwerkDoc& doc);

// The save counter after one more save; the 32-bit counter wraps around instead of
// overflowing.
std::int32_t nextSaveCounter(std::int32_t counter);

} // namespace ledger
