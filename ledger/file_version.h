// Version numbers and header texts of ledger files.
#pragma once

#include <cstdint>

namespace ledger {

// M * 10 000 000 + m * 100 000 + p * 1 000 + build, for program version M.m.p.
inline constexpr std::uint32_t kCurrentFileVersion = 21101001; // 2.11.1, build 1

inline constexpr const char* kFileHeader = "TalerwerkDatei";
// The two oldest versions name themselves in the header text and carry no version number.
inline constexpr const char* kFileHeader111 = "TalerwerkDatei.1.1.1";
inline constexpr const char* kFileHeader101 = "TalerwerkDatei.1.0.1";
inline constexpr std::uint32_t kFileVersion111 = 10101001;
inline constexpr std::uint32_t kFileVersion101 = 10001001;

} // namespace ledger
