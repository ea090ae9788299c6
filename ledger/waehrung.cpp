#include "ledger/waehrung.h"

#include <limits>

namespace ledger {

std::vector<CTWWaehrungsinfo> buildNationalCurrencyTable() {
    return {
        {1, "Deutsche Mark (DEM)", "DEM", "DM", 195583, 100000},
        {3, "Österreichische Schilling (ATS)", "ATS", "öS", 137603, 10000},
        {5, "Niederländische Gulden (NLG)", "NLG", "hFl", 220371, 100000},
        {6, "Belgische Francs (BEF)", "BEF", "bfr", 403399, 10000},
        {11, "Luxemburgische Francs (LUF)", "LUF", "lfr", 403399, 10000},
        {4, "Italienische Lire (ITL)", "ITL", "Lit", 193627, 100},
        {7, "Spanische Peseten (ESP)", "ESP", "Ptas", 166386, 1000},
        {2, "Französische Francs (FRF)", "FRF", "FF", 655957, 100000},
        {8, "Portugiesische Escudos (PTE)", "PTE", "PTE", 200482, 1000},
        {9, "Irische Pfund (IEP)", "IEP", "IEP", 787564, 1000000},
        {10, "Finnische Markkaa (FIM)", "FIM", "FIM", 594573, 100000},
    };
}

std::optional<Wechselkurs> parseRate(std::string_view text) {
    Wechselkurs rate{0, 1};
    bool inDecimals = false;
    bool seenDigit = false;
    for (const char ch : text) {
        if (ch >= '0' && ch <= '9') {
            seenDigit = true;
            if (__builtin_mul_overflow(rate.numerator, 10, &rate.numerator) ||
                __builtin_add_overflow(rate.numerator, ch - '0', &rate.numerator))
                return std::nullopt;
            if (inDecimals && __builtin_mul_overflow(rate.denominator, 10, &rate.denominator))
                return std::nullopt;
        } else if (ch == '.') {
            continue;
        } else if (ch == ',' && !inDecimals) {
            inDecimals = true;
        } else {
            return std::nullopt;
        }
    }
    if (!seenDigit || rate.numerator == 0)
        return std::nullopt;
    while (rate.numerator % 10 == 0 && rate.denominator >= 10) {
        rate.numerator /= 10;
        rate.denominator /= 10;
    }
    return rate;
}

std::string formatRate(const Wechselkurs& rate) {
    const std::string integer = std::to_string(rate.numerator / rate.denominator);
    std::string text;
    for (size_t i = 0; i < integer.size(); ++i) {
        if (i > 0 && (integer.size() - i) % 3 == 0)
            text += '.';
        text += integer[i];
    }
    size_t places = 0;
    for (int64_t d = rate.denominator; d >= 10; d /= 10)
        ++places;
    std::string decimals = std::to_string(rate.numerator % rate.denominator);
    if (decimals.size() < places)
        decimals.insert(0, places - decimals.size(), '0');
    return text + ',' + decimals;
}

int64_t convertBetrag(int64_t amount, int64_t fromFactor, int64_t toFactor) {
    // A zero factor only comes from a damaged file; leave the amount as it is then.
    if (toFactor == 0)
        return amount;
    constexpr int64_t kMax = std::numeric_limits<int64_t>::max();
    constexpr int64_t kMin = std::numeric_limits<int64_t>::min();
    // t = amount * fromFactor * 10 / toFactor, truncated. The product of two 64-bit values
    // always fits 128 bits, but ten times it may not: divide first and add the tenfold
    // remainder's share, which truncates the same way. A quotient beyond 64 bits saturates.
    const __int128 product = static_cast<__int128>(amount) * fromFactor;
    const __int128 quotient = product / toFactor;
    if (quotient > kMax || quotient < kMin)
        return quotient > 0 ? kMax : kMin;
    const __int128 t = quotient * 10 + product % toFactor * 10 / toFactor;
    const __int128 magnitude = t < 0 ? -t : t;
    __int128 q = magnitude / 10;
    if (magnitude % 10 >= 5)
        ++q;
    const __int128 result = t < 0 ? -q : q;
    if (result > kMax)
        return kMax;
    if (result < kMin)
        return kMin;
    return static_cast<int64_t>(result);
}

} // namespace ledger
