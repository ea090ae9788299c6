// Arithmetic on amounts that saturates at the ends of the 64-bit range instead of overflowing,
// so that sums over the amounts of a damaged file stay defined.
#pragma once

#include <cstdint>
#include <limits>

namespace ledger {

inline int64_t addBetrag(int64_t a, int64_t b) {
    int64_t sum = 0;
    if (!__builtin_add_overflow(a, b, &sum))
        return sum;
    return b > 0 ? std::numeric_limits<int64_t>::max() : std::numeric_limits<int64_t>::min();
}

inline int64_t subBetrag(int64_t a, int64_t b) {
    int64_t difference = 0;
    if (!__builtin_sub_overflow(a, b, &difference))
        return difference;
    return b < 0 ? std::numeric_limits<int64_t>::max() : std::numeric_limits<int64_t>::min();
}

// -amount; the smallest amount gives the largest.
inline int64_t negateBetrag(int64_t amount) {
    return amount == std::numeric_limits<int64_t>::min() ? std::numeric_limits<int64_t>::max()
                                                         : -amount;
}

} // namespace ledger
