// The currency names a document offers in its dialogs: the first currency symbol and, under
// dual-currency bookkeeping, the second.
#pragma once

#include "ledger/dokument.h"

#include <string>
#include <vector>

namespace bookings {

inline std::vector<std::string> waehrungsNamen(const ledger::CTalwerkDoc& doc) {
    std::vector<std::string> names{doc.settings().firstCurrencySymbol};
    if (doc.settings().dualCurrency != 0)
        names.push_back(doc.settings().secondCurrencySymbol);
    return names;
}

// The name of currency index 0 or 1.
inline const std::string& waehrungsName(const ledger::CTalwerkDoc& doc, int index) {
    return index == 1 ? doc.settings().secondCurrencySymbol : doc.settings().firstCurrencySymbol;
}

} // namespace bookings
