// Lengths of the table and chart options: stored in tenths of a millimetre, shown and typed as
// centimetres ("0,40 cm", "1,5 cm", "15mm").
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace options {

// "%d,%02d cm" of the value in hundredths of a centimetre (40 gives "0,40 cm").
std::string formatLaenge(int32_t value);

// Reads a typed length: digits, optionally "," and decimals (the first two count), optionally
// one or more blanks, optionally the unit "cm" or "mm" in any letter case. A text that does not
// read that way counts as 0. The result is clamped to [minimum, maximum]; when the maximum lies
// below the minimum, the minimum wins.
int32_t parseLaenge(std::string_view text, int32_t minimum, int32_t maximum);

// A value (length or number) clamped to [minimum, maximum] with the same rule.
int32_t clampRange(int64_t value, int32_t minimum, int32_t maximum);

} // namespace options
