// CEuroAnsichtenForm: the Euro tool's fourth dialog "Euro-Tool: Buchungs-Dialog und
// Ansichten": the Euro as the booking dialog's preset currency, no national amounts of Euro
// bookings, and the views whose columns in the old currency are replaced by Euro columns.
#pragma once

#include "ledger/dokument.h"

#include <cstdint>
#include <string>
#include <vector>

namespace accounts {

class CEuroAnsichtenForm {
public:
    static constexpr const char* kTitle = "Euro-Tool: Buchungs-Dialog und Ansichten";

    // One replacement of a view's data flags: any flag of `from` set is cleared and `to` set.
    struct Ersetzung {
        uint32_t from;
        uint32_t to;
    };
    struct Zeile {
        std::string name; // "Konten", "Buchungen", ...
        uint32_t ledger::CTWEinstellungen::*flags;
        std::vector<Ersetzung> ersetzungen;
        bool ticked = true;
    };

    explicit CEuroAnsichtenForm(const ledger::CTalwerkDoc& doc);

    // "Euro als voreingestellte Währung im Buchungs-Dialog": enabled and set only while the
    // preset currency is the old one.
    bool euroVoreingestelltEnabled;
    bool euroVoreingestellt;
    // "Euro-Beträge im Buchungs-Dialog nicht in der Landeswährung anzeigen": enabled and set
    // only while that booking option is off.
    bool keineLandeswaehrungEnabled;
    bool keineLandeswaehrung;
    // The views that still show a column in the old currency.
    std::vector<Zeile> zeilen;

    // The step is shown only when any of its three parts has something to offer.
    bool empty() const;
    void apply(ledger::CTalwerkDoc& doc) const;
};

} // namespace accounts
