// CEuroKontenForm: the Euro tool's second dialog "Euro-Tool: Kontowährung für
// Bestandskonten": the asset accounts that still end in the old currency, each ticked to
// switch to the Euro on 1 January 2002.
#pragma once

#include "ledger/dokument.h"

#include <cstdint>
#include <string>
#include <vector>

namespace accounts {

class CEuroKontenForm {
public:
    static constexpr const char* kTitle = "Euro-Tool: Kontowährung für Bestandskonten";

    struct Zeile {
        int32_t kontoId;
        std::string name;         // "Bezeichnung"
        std::string number;       // "Nr."
        std::string abbreviation; // "Abk."
        bool ticked = true;
    };

    explicit CEuroKontenForm(const ledger::CTalwerkDoc& doc);

    // The step is shown only when some account is listed.
    bool empty() const { return zeilen.empty(); }

    // Toggles the switch date 01.01.2002 of every ticked account: an existing switch on that
    // date is removed, else one is inserted in date order.
    void apply(ledger::CTalwerkDoc& doc) const;

    std::vector<Zeile> zeilen;
};

// The date on which the Euro became the currency of the accounts.
ledger::CNVKDatum euroStichtag();

} // namespace accounts
