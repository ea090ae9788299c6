#include "ledger/scrambled_text.h"

namespace ledger {

char scrambleByte(char c) {
    const auto b = static_cast<unsigned char>(c);
    if ((b & 0x7F) < 0x20)
        return c;
    return static_cast<char>(b ^ 0x80);
}

std::string scrambleText(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        c = scrambleByte(c);
    return out;
}

} // namespace ledger
