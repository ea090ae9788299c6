// CKontoBearbeitenForm: the rules of the dialog "Konto bearbeiten": the account's fields with
// its fixed kind, the currency switch of an asset account, and storing the changes through
// the document's changeKonto.
#pragma once

#include "accounts/konto_form.h"
#include "accounts/konto_waehrung_form.h"

namespace accounts {

class CKontoBearbeitenForm : public KontoForm {
public:
    static constexpr const char* kCaption = "Konto bearbeiten";

    // index: the account's position in the document's list; it must exist.
    CKontoBearbeitenForm(ledger::CTalwerkDoc& doc, int index);

    // The kind is shown but cannot be changed.
    std::string kindName() const;

    // "Währungsumstellung...": asset accounts of a file with two currencies.
    bool waehrungsumstellungEnabled() const;
    // The currency switch dialog for the currency now chosen in the list. Its changes are
    // made at once; afterwards currencyEnabled() tells whether the list may still change.
    CKontoWaehrungForm waehrungForm(const ledger::CNVKDatum& today);
    void takeWaehrung(const CKontoWaehrungForm& form);

    // Stores the fields after a successful check.
    void apply();

    // The account as the document holds it now.
    const ledger::CTWKonto& konto() const;

private:
    int32_t kontoId_;
};

} // namespace accounts
