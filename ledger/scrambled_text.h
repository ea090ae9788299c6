// The reversible byte mapping under which record texts are stored in a ledger file.
#pragma once

#include <string_view>

namespace ledger {

// Inverts bit 7 of every byte in 0x20-0x7F and 0xA0-0xFF; control bytes 0x00-0x1F and
// 0x80-0x9F stay as they are. The mapping is its own inverse.
inline char scrambleByte(char c) {
    const auto b = static_cast<unsigned char>(c);
    return static_cast<char>((b & 0x7F) < 0x20 ? b : b ^ 0x80);
}
// Writes the mapped bytes of the text to out (text.size() bytes).
void scrambleInto(std::string_view text, char* out);

} // namespace ledger
