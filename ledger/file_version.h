// Version numbers and header texts of ledger files, and the named versions at which the file
// format changed. The reader's gates read "from version X on" (version >= X).
#pragma once

#include <cstdint>

namespace ledger {

// M * 10 000 000 + m * 100 000 + p * 1 000 + build, for program version M.m.p; a name
// kVersionM_m_p_b is the version M.m.p, build b.
inline constexpr std::uint32_t kVersion1_0_1_1 = 10001001;  // the oldest: named in the header
inline constexpr std::uint32_t kVersion1_1_1_1 = 10101001;  // named in the header
inline constexpr std::uint32_t kVersion1_1_1_2 = 10101002;  // settings 74 to 76
inline constexpr std::uint32_t kVersion1_2_1_2 = 10201002;  // recurring bookings
inline constexpr std::uint32_t kVersion1_2_1_3 = 10201003;  // settings 77, 78 and 80
inline constexpr std::uint32_t kVersion1_2_1_4 = 10201004;  // settings 81 to 83, usage counts
inline constexpr std::uint32_t kVersion1_3_1_1 = 10301001;  // password and separators
inline constexpr std::uint32_t kVersion1_3_1_2 = 10301002;  // setting 71
inline constexpr std::uint32_t kVersion1_4_1_2 = 10401002;  // setting 72
inline constexpr std::uint32_t kVersion1_5_3_0 = 10503000;  // the save counter (73)
inline constexpr std::uint32_t kVersion1_10_1_1 = 11001001; // the screen scale
inline constexpr std::uint32_t kVersion1_10_1_2 = 11001002; // setting 79
inline constexpr std::uint32_t kVersion1_10_1_3 = 11001003; // settings 84 and 85
inline constexpr std::uint32_t kVersion1_10_1_4 = 11001004; // settings 86 to 109
inline constexpr std::uint32_t kVersion2_1_1_1 = 20101001;  // a new column of the booking views
inline constexpr std::uint32_t kVersion2_2_1_1 = 20201001;  // provisional mode of the old filter
inline constexpr std::uint32_t kVersion2_2_1_2 = 20201002;  // settings 110 and 111
inline constexpr std::uint32_t kVersion2_4_1_2 = 20401002;  // hidden booking texts
inline constexpr std::uint32_t kVersion2_5_1_2 = 20501002;  // settings 112 to 116
inline constexpr std::uint32_t kVersion2_9_1_1 = 20901001;  // ten named filters
inline constexpr std::uint32_t kVersion2_9_1_2 = 20901002;  // the initial display period
inline constexpr std::uint32_t kVersion2_10_1_2 = 21001002; // the account bookings sort
inline constexpr std::uint32_t kVersion2_11_1_1 = 21101001;

inline constexpr std::uint32_t kCurrentFileVersion = kVersion2_11_1_1;

inline constexpr const char* kFileHeader = "TalerwerkDatei";
// The two oldest versions name themselves in the header text and carry no version number.
inline constexpr const char* kFileHeader111 = "TalerwerkDatei.1.1.1";
inline constexpr const char* kFileHeader101 = "TalerwerkDatei.1.0.1";
inline constexpr std::uint32_t kFileVersion111 = kVersion1_1_1_1;
inline constexpr std::uint32_t kFileVersion101 = kVersion1_0_1_1;

} // namespace ledger
