// CKontoWaehrungForm: the rules of the dialog "Kontowährung umstellen": the currency switch
// dates of one asset account, the currency a switch on the chosen date leads to, and the
// insertion and removal of switch dates.
#pragma once

#include "ledger/dokument.h"
#include "platform/prompter.h"

#include <string>
#include <vector>

namespace accounts {

class CKontoWaehrungForm {
public:
    static constexpr const char* kCaption = "Kontowährung umstellen";

    struct Zeile {
        std::string datum;         // "Umstellungsdatum"
        std::string umstellungAuf; // "Umstellung auf": the symbol of the new currency
    };

    // originalCurrency: the original currency as the account dialog currently shows it; it is
    // stored in the account together with the first switch date changed here.
    // kontoId: an existing account of the document.
    CKontoWaehrungForm(ledger::CTalwerkDoc& doc, int32_t kontoId,
                       ledger::WaehrungsIndex originalCurrency, const ledger::CNVKDatum& today);

    // "Ursprüngliche Währung:".
    std::string originalSymbol() const;
    // "Währung umstellen auf:" for the chosen date: the other currency than the one in effect
    // just before it; "-" when the date already is a switch date.
    std::string umstellenAuf() const;
    std::vector<Zeile> zeilen() const;

    // "Währung umstellen am:".
    ledger::CNVKDatum datum;
    // The row chosen in the list, -1 for none.
    int selectedRow = -1;
    bool rueckgaengigEnabled() const;

    // "Währung umstellen": refused on an existing switch date, else asked; on Yes the date
    // is inserted in order. True when the dates changed.
    bool umstellen(platform::Prompter& prompter);
    // "Umstellung rückgängig machen": asked; on Yes the chosen row's date is removed.
    bool rueckgaengig(platform::Prompter& prompter);

    bool changed() const { return changed_; }

private:
    std::string symbol(ledger::WaehrungsIndex currency) const;
    // Stores the changed dates with the original currency in the document's account.
    void commit();

    ledger::CTalwerkDoc& doc_;
    ledger::CTWKonto konto_; // the account as stored by the last change
    ledger::WaehrungsIndex original_;
    bool changed_ = false;
};

} // namespace accounts
