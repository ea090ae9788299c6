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

// The symbol of the first or second currency.
inline const std::string& waehrungsName(const ledger::CTalwerkDoc& doc,
                                        ledger::WaehrungsIndex index) {
    return index == ledger::WaehrungsIndex::Zweite ? doc.settings().secondCurrencySymbol
                                                   : doc.settings().firstCurrencySymbol;
}

// The currency a new booking starts in ("voreingestellte Währung"): the second one when the
// setting says 1, else the first.
inline ledger::WaehrungsIndex voreingestellteWaehrung(const ledger::CTalwerkDoc& doc) {
    return doc.settings().presetCurrency == 1 ? ledger::WaehrungsIndex::Zweite
                                              : ledger::WaehrungsIndex::Erste;
}

// The currency a booking or rule is stored in: in a document with one currency every amount is
// in the first one.
inline ledger::WaehrungsIndex gebuchteWaehrung(const ledger::CTalwerkDoc& doc,
                                               ledger::WaehrungsIndex chosen) {
    return doc.settings().dualCurrency != 0 && chosen == ledger::WaehrungsIndex::Zweite
               ? ledger::WaehrungsIndex::Zweite
               : ledger::WaehrungsIndex::Erste;
}

} // namespace bookings
