// Amounts: signed 64-bit hundredths, their text form under a document's separators, and the
// shared rounding and comparison helpers.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ledger {

// The largest amount the amount parser gives (999.999.999,99).
inline constexpr int64_t kMaxParsedBetrag = 99'999'999'999;

// value ÷ 10 rounded half away from zero; defined for every 64-bit value.
int64_t roundByTen(int64_t value);

// 1 when a > b, -1 when a < b, 0 when equal.
int compareBetrag(int64_t a, int64_t b);

// The three separator settings that govern the text form of amounts.
struct BetragFormat {
    char decimalSeparator = ',';
    char thousandsSeparator = '.';
    int32_t noGrouping = 0; // nonzero: no thousands separator is written

    // "1.234.567,89"; with showPlus a positive amount gets a leading "+".
    std::string format(int64_t amount, bool showPlus = false) const;

    // Reads an amount expression with "+", "-", "*" and "/" (blanks are ignored); results of
    // 100 000 000 000 or more are cut to kMaxParsedBetrag. Nothing when the text is not an
    // amount, when it divides by zero, or when an intermediate value leaves the 64-bit range.
    std::optional<int64_t> parse(std::string_view text) const;

    // One number without operators, under these separators.
    std::optional<int64_t> parsePlainNumber(std::string_view text) const;
};

} // namespace ledger
