// A test-side writer of ledger files of any version: it follows the version gates on its
// own, so that files of older versions can be produced and the reader checked against them.
#pragma once

#include "ledger/dokument.h"

#include <cstdint>
#include <vector>

namespace testsupport {

// Versions the tests use.
inline constexpr std::uint32_t kVersion101 = 10001001;
inline constexpr std::uint32_t kVersion111 = 10101001;
inline constexpr std::uint32_t kVersion161 = 10601001; // 1.6.1: recurring bookings, no scale
inline constexpr std::uint32_t kVersion251 = 20501001; // 2.5.1: the old single filter
inline constexpr std::uint32_t kVersionCurrent = 21101001;

// The document as a file of the given version. Records are written in schema 1 below 1.1.1,
// schema 2 below 2.1.1 and their current schema from then on. The save counter is written
// as it is in the document.
std::vector<std::uint8_t> writeFileOfVersion(const ledger::CTalwerkDoc& doc, std::uint32_t version);

} // namespace testsupport
