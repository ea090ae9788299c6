// CEuroRegelnForm: the Euro tool's third dialog "Euro-Tool: Regelmäßige Buchungen": the
// recurring bookings still in the old currency with their amounts converted to the Euro,
// each amount open to correction, each ticked to be changed to the Euro.
#pragma once

#include "ledger/dokument.h"

#include <cstdint>
#include <string>
#include <vector>

namespace accounts {

class CEuroRegelnForm {
public:
    static constexpr const char* kTitle = "Euro-Tool: Regelmäßige Buchungen";

    struct Zeile {
        int regelIndex; // position in the document's list of recurring bookings
        std::string name;
        int64_t oldAmount; // in the old currency
        int64_t newAmount; // in the Euro
        bool ticked = true;
    };

    explicit CEuroRegelnForm(const ledger::CTalwerkDoc& doc);

    bool empty() const { return zeilen.empty(); }
    // The cells of a row: "Bezeichnung", "alter Betrag", "neuer Betrag" (amounts followed by
    // their currency symbols).
    std::vector<std::string> cells(int row) const;

    // Clicking a row puts its new amount into "Neuer Buchungsbetrag:".
    void selectRow(int row);
    int selectedRow() const { return selectedRow_; }
    // The field changed: a valid amount becomes the chosen row's new amount (true).
    bool betragChanged(std::string text);
    // The field left: a valid amount is also written back formatted.
    void leaveBetrag();
    std::string neuerBetrag; // "Neuer Buchungsbetrag:"

    // Every ticked recurring booking takes its new amount in the Euro.
    void apply(ledger::CTalwerkDoc& doc) const;

    std::vector<Zeile> zeilen;

private:
    const ledger::CTalwerkDoc& doc_;
    int selectedRow_ = -1;
};

} // namespace accounts
