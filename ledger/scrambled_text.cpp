#include "ledger/scrambled_text.h"

namespace ledger {

void scrambleInto(std::string_view text, char* out) {
    // A plain loop over bytes, which the compiler turns into vector instructions.
    for (std::size_t i = 0; i < text.size(); ++i)
        out[i] = scrambleByte(text[i]);
}

} // namespace ledger
