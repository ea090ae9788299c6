// The reversible byte mapping under which record texts are stored in a ledger file.
#pragma once

#include <string>
#include <string_view>

namespace ledger {

// Inverts bit 7 of every byte in 0x20-0x7F and 0xA0-0xFF; control bytes 0x00-0x1F and
// 0x80-0x9F stay as they are. The mapping is its own inverse.
char scrambleByte(char c);
std::string scrambleText(std::string_view text);

} // namespace ledger
