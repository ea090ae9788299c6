// CKontoNeuForm: the rules of the dialog "Neues Konto": its defaults, the choice of the kind
// where the caller permits it, and the creation of the account with its usage counts.
#pragma once

#include "accounts/konto_form.h"

#include <optional>

namespace accounts {

class CKontoNeuForm : public KontoForm {
public:
    static constexpr const char* kCaption = "Neues Konto";

    // fixedKind: the kind of the new account; nothing lets the user choose it (starting
    // with an asset account).
    CKontoNeuForm(ledger::CTalwerkDoc& doc, std::optional<ledger::KontoArt> fixedKind);

    bool kindSelectable() const { return kindSelectable_; }
    // Another kind resets both alternative assignments to their defaults, refills the
    // category lists and sets the currency controls for the kind.
    void setKind(ledger::KontoArt kind);

    // Creates the account after a successful check: the next account id, the fields, the
    // assignments with their usage counts. Returns its index in the document's list.
    int apply();

private:
    bool kindSelectable_;
};

} // namespace accounts
