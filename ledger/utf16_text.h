// Conversion of 16-bit (UTF-16) texts into the Windows-1252 texts of the core.
#pragma once

#include <string>

namespace ledger {

// Characters that Windows-1252 cannot hold, and unpaired surrogates, become '?';
// a surrogate pair (outside the Basic Multilingual Plane) becomes one '?'.
std::string cp1252FromUtf16(const std::u16string& text);

} // namespace ledger
