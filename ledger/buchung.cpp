#include "ledger/buchung.h"

#include "ledger/win1252.h"

namespace ledger {

std::optional<uint32_t> parseDigitsStrict(std::string_view number) {
    uint32_t value = 0;
    for (const char ch : number) {
        if (ch < '0' || ch > '9')
            return std::nullopt;
        value = value * 10u + static_cast<uint32_t>(ch - '0');
    }
    return value;
}

uint32_t parseDigitsLenient(std::string_view number) {
    uint32_t value = 0;
    for (const char ch : number)
        if (ch >= '0' && ch <= '9')
            value = value * 10u + static_cast<uint32_t>(ch - '0');
    return value;
}

int compareBuchungsnummer(std::string_view a, std::string_view b) {
    const std::optional<uint32_t> na = parseDigitsStrict(a);
    const std::optional<uint32_t> nb = parseDigitsStrict(b);
    if (na && nb)
        return *na < *nb ? -1 : (*na > *nb ? 1 : 0);
    // Real numbers are a few characters long; the bound keeps crafted numbers of any length
    // from making each comparison, and with it loading and sorting, cost that length.
    return collate(a.substr(0, kNummerVergleichslaenge), b.substr(0, kNummerVergleichslaenge));
}

bool sortsAfter(const CTWBuchung& a, const CTWBuchung& b) {
    if (a.date != b.date)
        return a.date > b.date;
    return compareBuchungsnummer(a.number, b.number) > 0;
}

} // namespace ledger
